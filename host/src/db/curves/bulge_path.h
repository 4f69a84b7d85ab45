// The geometry of a polyline path: vertices with bulges in the OCS of a
// normal at an elevation, open or closed. Parameters, points, lengths,
// nearest points, areas, extents, crossing tests and explosion for
// AcDbPolyline and AcDb2dPolyline alike.
#pragma once

#include <span>

#include "db_polyline.h"

namespace zek::curve {

struct BulgePath {
  std::span<const PolylineVertex> vertices;
  bool closed = false;
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  double elevation = 0.0;

  // Segments: one per vertex pair, plus the closing one of a closed path
  // (a single vertex has none).
  int segmentCount() const;
  double endParam() const { return segmentCount(); }
  // The world position of an OCS point of the plane.
  AcGePoint3d toWorld(const AcGePoint2d& point) const;

  // Parameters lie in [0, endParam()]: false outside (within a hair).
  bool pointAt(double param, AcGePoint3d& point) const;
  // The length from the start to the parameter (clamped into the range).
  double lengthTo(double param) const;
  double length() const { return lengthTo(endParam()); }
  // The parameter at a length from the start (clamped into the range).
  double paramAtLength(double dist) const;
  // The parameter of a world point on the path: false when it is off it.
  bool paramAtPoint(const AcGePoint3d& point, double& param) const;
  AcGePoint3d closestPoint(const AcGePoint3d& point) const;
  // The enclosed area, the path closed back to its start.
  double area() const;
  // The box of the path with its extrusion by thickness along the normal.
  AcDbExtents extents(double thickness) const;
  // The path's projection into the XY plane has a point in the box's xy.
  bool crossesBox(const AcDbExtents& box) const;
  // New lines and arcs, one per segment of non-zero length, with the
  // properties of `source` and the thickness.
  void explode(const AcDbEntity& source, double thickness, AcDbVoidPtrArray& entities) const;

private:
  const AcGePoint2d& from(int segment) const { return vertices[segment].point; }
  const AcGePoint2d& to(int segment) const {
    return vertices[(segment + 1) % vertices.size()].point;
  }
  double bulge(int segment) const { return vertices[segment].bulge; }
  AcGePoint2d pointOnSegment(int segment, double fraction) const;
};

}  // namespace zek::curve
