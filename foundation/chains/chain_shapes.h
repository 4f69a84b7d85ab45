// Chains that need no joining: the 36 points of a circle and the vertices of
// a lightweight polyline, appended to the chain list as they are collected.
#pragma once

#include <span>

#include "chains/chain_records.h"
#include "ge_point.h"

class AcDbPolyline;

namespace zek::inline foundation {

// Appends a closed circle chain of 36 points, every 10 degrees from angle 0
// (centre x + radius, centre y) anticlockwise, each with the circle's id.
void addCircleChain(ChainList& list, const AcGePoint3d& center, double radius, AcDbObjectId id);

// Appends a polyline chain of the polyline's vertices in world coordinates
// (z dropped, bulges ignored), closed as the polyline is, each with its id.
void addPolylineChain(ChainList& list, const AcDbPolyline& polyline, AcDbObjectId id);

// The same from the vertices themselves.
void addPolylineChain(ChainList& list, std::span<const AcGePoint2d> vertices, bool closed,
                      AcDbObjectId id);

}  // namespace zek::inline foundation
