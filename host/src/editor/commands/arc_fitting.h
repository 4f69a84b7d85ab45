// Circles and arcs from the points a drafter gives: through three points,
// by a centre with a start and an end point or an included angle. Plain
// geometry in the plane of the points (the UCS XY plane), no document.
#pragma once

#include <optional>

#include "ge_geometry.h"

namespace zek {

struct CircleFit {
  AcGePoint2d centre;
  double radius = 0.0;
};

// The circle through three points; nothing when they lie on one line (or two
// coincide).
std::optional<CircleFit> circleThroughPoints(const AcGePoint2d& p1, const AcGePoint2d& p2,
                                             const AcGePoint2d& p3);

// An arc as arc entities hold it: counter-clockwise from startAngle to
// endAngle, angles in [0, 2π) from the X axis.
struct ArcFit {
  AcGePoint2d centre;
  double radius = 0.0;
  double startAngle = 0.0;
  double endAngle = 0.0;
};

// The arc from p1 through p2 to p3; nothing when the points lie on one line.
std::optional<ArcFit> arcThroughPoints(const AcGePoint2d& p1, const AcGePoint2d& p2,
                                       const AcGePoint2d& p3);
// The arc about a centre from a start point counter-clockwise to the
// direction of an end point (which need not lie on it); nothing when the
// start point is the centre.
std::optional<ArcFit> arcFromCentre(const AcGePoint2d& centre, const AcGePoint2d& start,
                                    const AcGePoint2d& end);
// The arc about a centre from a start point through an included angle
// (radians; negative runs clockwise); nothing for a zero angle or radius.
std::optional<ArcFit> arcFromCentreAngle(const AcGePoint2d& centre, const AcGePoint2d& start,
                                         double includedAngle);

}  // namespace zek
