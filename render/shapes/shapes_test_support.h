// Helpers of the area shape tests: DXF entity text written as one
// "code value" line per group, read through the host's DXF reader into a
// kept entity, and the distance of flattened outlines from their true curves.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "area_shapes.h"
#include "ge_geometry.h"

namespace zek::render::test {

// DXF text of an ENTITIES section holding the groups given as "code value"
// lines ("0 HATCH\n8 0\n10 1.5 ..."); a value may hold spaces.
std::string entitiesDxf(const std::string& groupLines);

// The area shape of the one entity of `groupLines` as the reader keeps it;
// the test fails when the text cannot be read or the entity is not kept.
std::optional<AreaShape> shapeOfGroups(const std::string& groupLines, double chordTolerance);

// A curve of the XY plane for measuring outlines: its point at a parameter
// and the parameter of one of its points.
struct PlaneCurve {
  std::function<AcGePoint2d(double)> pointAt;
  std::function<double(const AcGePoint2d&)> paramOf;
};

struct CurveFit {
  double farthestOff = 0.0;    // the farthest vertex from the curve
  double largestChordGap = 0.0;  // the farthest the curve gets from a chord
};

// How well the points (consecutive vertices of an outline, all on the curve)
// follow the curve between them.
CurveFit fitToCurve(const std::vector<AcGePoint3d>& points, const PlaneCurve& curve);

// The distance of p from the segment ab.
double distanceToSegment(const AcGePoint2d& p, const AcGePoint2d& a, const AcGePoint2d& b);

}  // namespace zek::render::test
