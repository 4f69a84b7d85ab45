// Angle normalisation, bulge arcs and arc extents.
#include "zek/arc_math.h"

#include <cmath>
#include <numbers>

namespace zek {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

}  // namespace

double normalizeAngle(double angle) {
  double a = std::fmod(angle, kTwoPi);
  if (a < 0.0)
    a += kTwoPi;
  // A tiny negative angle rounds up to 2π itself: that direction is 0.
  return a >= kTwoPi ? 0.0 : a;
}

double arcSweep(double startAngle, double endAngle) {
  if (startAngle == endAngle)
    return 0.0;
  const double sweep = normalizeAngle(endAngle - startAngle);
  return sweep == 0.0 ? kTwoPi : sweep;
}

bool angleOnArc(double angle, double start, double end) {
  const double sweep = arcSweep(start, end);
  if (sweep == kTwoPi)
    return true;
  return normalizeAngle(angle - start) <= sweep;
}

BulgeArc arcFromBulge(const AcGePoint2d& p1, const AcGePoint2d& p2, double bulge) {
  const AcGeVector2d chordVec = p2 - p1;
  const double chord = chordVec.length();
  BulgeArc arc;
  arc.centre.set((p1.x + p2.x) / 2.0, (p1.y + p2.y) / 2.0);
  if (bulge == 0.0 || chord == 0.0) {
    arc.startAngle = arc.endAngle = chordVec.angle();
    return arc;
  }
  arc.sweep = 4.0 * std::atan(bulge);
  arc.radius = chord * (1.0 + bulge * bulge) / (4.0 * std::fabs(bulge));
  // The centre lies on the chord's perpendicular bisector, (chord/2)·cot(θ/2)
  // to the left of p1 → p2: left of the chord for a counter-clockwise arc
  // under a half circle, right of it past a half circle, and mirrored for a
  // clockwise one. (1 − b²)/(2b) is cot(θ/2) for b = tan(θ/4).
  const AcGeVector2d left = chordVec.perpVector() / chord;
  const double offset = chord / 2.0 * (1.0 - bulge * bulge) / (2.0 * bulge);
  arc.centre += left * offset;
  const double a1 = (p1 - arc.centre).angle();
  const double a2 = (p2 - arc.centre).angle();
  arc.startAngle = bulge > 0.0 ? a1 : a2;
  arc.endAngle = bulge > 0.0 ? a2 : a1;
  return arc;
}

double bulgeFromArc(double sweep) {
  return std::tan(sweep / 4.0);
}

double bulgeSegmentLength(const AcGePoint2d& p1, const AcGePoint2d& p2, double bulge) {
  const BulgeArc arc = arcFromBulge(p1, p2, bulge);
  if (arc.radius == 0.0)
    return p1.distanceTo(p2);
  return arc.radius * std::fabs(arc.sweep);
}

AcDbExtents arcExtents(const AcGePoint3d& centre, double radius, double startAngle,
                       double endAngle) {
  AcDbExtents box;
  const auto addAt = [&](double angle) {
    box.addPoint(centre + AcGeVector3d(radius * std::cos(angle), radius * std::sin(angle), 0.0));
  };
  addAt(startAngle);
  addAt(endAngle);
  // The quadrant points are added exactly, not through cos and sin, so that
  // a full circle's box is exactly centre ± radius.
  const AcGeVector3d quadrants[4] = {{radius, 0.0, 0.0}, {0.0, radius, 0.0},
                                     {-radius, 0.0, 0.0}, {0.0, -radius, 0.0}};
  for (int i = 0; i < 4; ++i)
    if (angleOnArc(i * std::numbers::pi / 2.0, startAngle, endAngle))
      box.addPoint(centre + quadrants[i]);
  return box;
}

AcDbExtents arcExtents(const AcGePoint2d& centre, double radius, double startAngle,
                       double endAngle) {
  return arcExtents(AcGePoint3d(centre.x, centre.y, 0.0), radius, startAngle, endAngle);
}

}  // namespace zek
