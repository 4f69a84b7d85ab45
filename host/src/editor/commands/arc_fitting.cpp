// Circles and arcs through given points.
#include "editor/commands/arc_fitting.h"

#include <cmath>

#include "zek/arc_math.h"

namespace zek {

static double angleOf(const AcGePoint2d& centre, const AcGePoint2d& p) {
  return normalizeAngle(std::atan2(p.y - centre.y, p.x - centre.x));
}

std::optional<CircleFit> circleThroughPoints(const AcGePoint2d& p1, const AcGePoint2d& p2,
                                             const AcGePoint2d& p3) {
  // The centre solves |c - p1| = |c - p2| = |c - p3|: two perpendicular bisectors.
  const double ax = p2.x - p1.x, ay = p2.y - p1.y;
  const double bx = p3.x - p1.x, by = p3.y - p1.y;
  const double d = 2.0 * (ax * by - ay * bx);
  const double scale = std::max({std::hypot(ax, ay), std::hypot(bx, by), 1.0});
  if (std::fabs(d) <= 1e-12 * scale * scale)
    return std::nullopt;
  const double a2 = ax * ax + ay * ay;
  const double b2 = bx * bx + by * by;
  const AcGePoint2d centre(p1.x + (by * a2 - ay * b2) / d, p1.y + (ax * b2 - bx * a2) / d);
  return CircleFit{centre, centre.distanceTo(p1)};
}

std::optional<ArcFit> arcThroughPoints(const AcGePoint2d& p1, const AcGePoint2d& p2,
                                       const AcGePoint2d& p3) {
  auto circle = circleThroughPoints(p1, p2, p3);
  if (!circle)
    return std::nullopt;
  // p1 → p2 → p3 turning left runs counter-clockwise: p1 starts the arc.
  const double turn = (p2.x - p1.x) * (p3.y - p1.y) - (p2.y - p1.y) * (p3.x - p1.x);
  const AcGePoint2d& start = turn > 0 ? p1 : p3;
  const AcGePoint2d& end = turn > 0 ? p3 : p1;
  return ArcFit{circle->centre, circle->radius, angleOf(circle->centre, start),
                angleOf(circle->centre, end)};
}

std::optional<ArcFit> arcFromCentre(const AcGePoint2d& centre, const AcGePoint2d& start,
                                    const AcGePoint2d& end) {
  const double radius = centre.distanceTo(start);
  if (radius <= 0.0 || centre.distanceTo(end) <= 0.0)
    return std::nullopt;
  return ArcFit{centre, radius, angleOf(centre, start), angleOf(centre, end)};
}

std::optional<ArcFit> arcFromCentreAngle(const AcGePoint2d& centre, const AcGePoint2d& start,
                                         double includedAngle) {
  const double radius = centre.distanceTo(start);
  if (radius <= 0.0 || includedAngle == 0.0)
    return std::nullopt;
  const double from = angleOf(centre, start);
  const double to = normalizeAngle(from + includedAngle);
  if (includedAngle > 0)
    return ArcFit{centre, radius, from, to};
  return ArcFit{centre, radius, to, from};
}

}  // namespace zek
