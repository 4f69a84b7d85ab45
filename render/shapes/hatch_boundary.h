// The boundary of a HATCH as its kept groups describe it: the plane (normal
// and elevation), the fill, and each boundary path with its vertices or its
// edges, in the plane's own (OCS) coordinates. The groups are read strictly
// in order — the same codes mean different things in different places of
// the record — and counts never reach past the groups actually there.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "db_polyline.h"
#include "ge_geometry.h"

namespace zek::render {

class GroupReader;

struct LineEdge {
  AcGePoint2d start;
  AcGePoint2d end;
};

// Angles in degrees as filed: a clockwise arc keeps them mirrored (its
// points lie at minus the filed angles).
struct ArcEdge {
  AcGePoint2d centre;
  double radius = 0.0;
  double startAngle = 0.0;
  double endAngle = 360.0;
  bool counterClockwise = true;
};

struct EllipseEdge {
  AcGePoint2d centre;
  AcGeVector2d majorAxis;  // from the centre to the end of the major axis
  double ratio = 1.0;      // minor to major axis length
  double startAngle = 0.0;
  double endAngle = 360.0;
  bool counterClockwise = true;
};

struct SplineEdge {
  int degree = 3;
  bool rational = false;
  bool periodic = false;
  std::vector<double> knots;
  std::vector<AcGePoint2d> controlPoints;
  std::vector<double> weights;
  std::vector<AcGePoint2d> fitPoints;
  AcGeVector2d startTangent;
  AcGeVector2d endTangent;
};

using BoundaryEdge = std::variant<LineEdge, ArcEdge, EllipseEdge, SplineEdge>;

struct BoundaryPath {
  long long flags = 0;  // 1 outer, 2 polyline, 4 derived, 16 outermost
  bool isPolyline() const { return (flags & 2) != 0; }
  // A polyline path: vertices with their bulges, closed or not as filed.
  std::vector<PolylineVertex> vertices;
  bool closed = true;
  // Any other path: its edges in order.
  std::vector<BoundaryEdge> edges;
};

struct HatchBoundary {
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  double elevation = 0.0;
  std::string patternName;
  bool solidFill = false;
  std::vector<BoundaryPath> paths;
  // A path the count promised could not be read: it and the paths after it
  // are left out (the groups after a damaged path cannot be trusted to start
  // the next one).
  bool damaged = false;
};

// Reads a HATCH record from its groups; false when the record has no
// boundary path count (nothing to read at all).
[[nodiscard]] bool readHatchBoundary(GroupReader& groups, HatchBoundary& hatch);

}  // namespace zek::render
