// Text boxes and what reaches into them: segments clipped against the open
// box, arcs cut where their circle meets the box's edge lines, and boxes
// against boxes by their four separating axes.
#include "layoutcheck/layout_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zek::adxy1 {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// The angle brought into [0, 2π).
double normalizedAngle(double angle) {
  double a = std::fmod(angle, kTwoPi);
  if (a < 0.0)
    a += kTwoPi;
  return a >= kTwoPi ? 0.0 : a;
}

// A point in the box's own frame: x along the reading direction, y across.
struct Local {
  double x;
  double y;
};

Local toLocal(const TextRect& box, const AcGePoint2d& p) {
  const AcGeVector2d d = p - box.centre;
  return {d.dotProduct(box.along), d.dotProduct(box.along.perpVector())};
}

bool strictlyInside(const TextRect& box, double x, double y) {
  return std::fabs(x) < box.halfWidth && std::fabs(y) < box.halfHeight;
}

// Liang-Barsky against one side of the open box: keeps the part of the
// parameter range where p·t < q.
bool clipSide(double p, double q, double& t0, double& t1) {
  if (p == 0.0)
    return q > 0.0;
  const double t = q / p;
  if (p < 0.0)
    t0 = std::max(t0, t);
  else
    t1 = std::min(t1, t);
  return t0 < t1;
}

}  // namespace

TextRect shrunk(const TextRect& box, double margin) {
  TextRect smaller = box;
  smaller.halfWidth = std::max(0.0, box.halfWidth - margin);
  smaller.halfHeight = std::max(0.0, box.halfHeight - margin);
  return smaller;
}

Bounds2d boundsOf(const TextRect& box) {
  const double dx =
      std::fabs(box.along.x) * box.halfWidth + std::fabs(box.along.y) * box.halfHeight;
  const double dy =
      std::fabs(box.along.y) * box.halfWidth + std::fabs(box.along.x) * box.halfHeight;
  return {box.centre.x - dx, box.centre.y - dy, box.centre.x + dx, box.centre.y + dy};
}

TextRect rectFromCorners(const std::array<AcGePoint2d, 4>& corners) {
  AcGeVector2d along = corners[1] - corners[0];
  if (along.length() == 0.0) {
    const AcGeVector2d up = corners[3] - corners[0];
    along = up.length() == 0.0 ? AcGeVector2d(1.0, 0.0) : AcGeVector2d(up.y, -up.x);
  }
  along /= along.length();
  const AcGeVector2d across = along.perpVector();
  double minU = 0.0, maxU = 0.0, minV = 0.0, maxV = 0.0;
  for (const AcGePoint2d& corner : corners) {
    const AcGeVector2d d = corner - corners[0];
    minU = std::min(minU, d.dotProduct(along));
    maxU = std::max(maxU, d.dotProduct(along));
    minV = std::min(minV, d.dotProduct(across));
    maxV = std::max(maxV, d.dotProduct(across));
  }
  TextRect box;
  box.along = along;
  box.centre = corners[0] + along * ((minU + maxU) / 2.0) + across * ((minV + maxV) / 2.0);
  box.halfWidth = (maxU - minU) / 2.0;
  box.halfHeight = (maxV - minV) / 2.0;
  return box;
}

std::array<AcGePoint2d, 4> cornersOf(const TextRect& box) {
  const AcGeVector2d u = box.along * box.halfWidth;
  const AcGeVector2d v = box.along.perpVector() * box.halfHeight;
  return {box.centre - u - v, box.centre + u - v, box.centre + u + v, box.centre - u + v};
}

bool segmentEntersRect(const AcGePoint2d& a, const AcGePoint2d& b, const TextRect& box) {
  if (box.isEmpty())
    return false;
  const Local p = toLocal(box, a), q = toLocal(box, b);
  const double dx = q.x - p.x, dy = q.y - p.y;
  double t0 = 0.0, t1 = 1.0;
  return clipSide(dx, box.halfWidth - p.x, t0, t1) && clipSide(-dx, box.halfWidth + p.x, t0, t1) &&
         clipSide(dy, box.halfHeight - p.y, t0, t1) && clipSide(-dy, box.halfHeight + p.y, t0, t1);
}

ArcPiece arcOfBulge(const AcGePoint2d& p, const AcGePoint2d& q, double bulge) {
  ArcPiece arc;
  const double chord = p.distanceTo(q);
  if (bulge == 0.0 || chord == 0.0)
    return arc;  // radius 0: no arc
  const double included = 4.0 * std::atan(bulge);
  arc.radius = chord / (2.0 * std::fabs(std::sin(included / 2.0)));
  // The centre lies left of the chord for a counter-clockwise arc.
  const double offset = chord / 2.0 / std::tan(included / 2.0);
  const AcGeVector2d left = (q - p).perpVector() / chord;
  arc.centre = AcGePoint2d((p.x + q.x) / 2.0, (p.y + q.y) / 2.0) + left * offset;
  const double fromP = (p - arc.centre).angle();
  arc.start = included > 0.0 ? fromP : normalizedAngle(fromP + included);
  arc.sweep = std::fabs(included);
  return arc;
}

AcGePoint2d pointOnArc(const ArcPiece& arc, double angle) {
  return {arc.centre.x + arc.radius * std::cos(angle), arc.centre.y + arc.radius * std::sin(angle)};
}

Bounds2d boundsOf(const ArcPiece& arc) {
  const AcGePoint2d a = pointOnArc(arc, arc.start), b = pointOnArc(arc, arc.start + arc.sweep);
  Bounds2d bounds{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
  for (int quarter = 0; quarter < 4; ++quarter) {
    const double angle = quarter * std::numbers::pi / 2.0;
    if (normalizedAngle(angle - arc.start) > arc.sweep && arc.sweep < kTwoPi)
      continue;
    const AcGePoint2d extreme = pointOnArc(arc, angle);
    bounds.minX = std::min(bounds.minX, extreme.x);
    bounds.minY = std::min(bounds.minY, extreme.y);
    bounds.maxX = std::max(bounds.maxX, extreme.x);
    bounds.maxY = std::max(bounds.maxY, extreme.y);
  }
  return bounds;
}

bool arcEntersRect(const ArcPiece& arc, const TextRect& box) {
  if (box.isEmpty() || !(arc.radius > 0.0) || !(arc.sweep > 0.0))
    return false;
  const Local c = toLocal(box, arc.centre);
  const double r = arc.radius, a = box.halfWidth, b = box.halfHeight;
  if (c.x - r >= a || c.x + r <= -a || c.y - r >= b || c.y + r <= -b)
    return false;  // the whole circle lies beside the box
  const double far = std::hypot(std::fabs(c.x) + a, std::fabs(c.y) + b);
  if (far <= r)
    return false;  // the box lies within the circle
  // Between two places where the circle meets an edge line of the box, the
  // arc is wholly inside or wholly outside: its middle tells which.
  const double start = arc.start - box.along.angle();
  const double sweep = std::min(arc.sweep, kTwoPi);
  double cuts[10];
  int count = 0;
  cuts[count++] = 0.0;
  cuts[count++] = sweep;
  auto cutAt = [&](double angle) {
    const double t = normalizedAngle(angle - start);
    if (t < sweep)
      cuts[count++] = t;
  };
  for (double edge : {a, -a}) {
    const double cosine = (edge - c.x) / r;
    if (std::fabs(cosine) <= 1.0) {
      cutAt(std::acos(cosine));
      cutAt(-std::acos(cosine));
    }
  }
  for (double edge : {b, -b}) {
    const double sine = (edge - c.y) / r;
    if (std::fabs(sine) <= 1.0) {
      cutAt(std::asin(sine));
      cutAt(std::numbers::pi - std::asin(sine));
    }
  }
  for (int i = 1; i < count; ++i)  // at most ten cuts: an insertion sort
    for (int j = i; j > 0 && cuts[j] < cuts[j - 1]; --j)
      std::swap(cuts[j], cuts[j - 1]);
  auto inside = [&](double t) {
    return strictlyInside(box, c.x + r * std::cos(start + t), c.y + r * std::sin(start + t));
  };
  for (int i = 0; i + 1 < count; ++i)
    if (inside(cuts[i]) || inside((cuts[i] + cuts[i + 1]) / 2.0))
      return true;
  return inside(sweep);
}

bool rectsOverlap(const TextRect& a, const TextRect& b) {
  if (a.isEmpty() || b.isEmpty())
    return false;
  const AcGeVector2d d = b.centre - a.centre;
  const AcGeVector2d axes[4] = {a.along, a.along.perpVector(), b.along, b.along.perpVector()};
  for (const AcGeVector2d& axis : axes) {
    const double reachA = a.halfWidth * std::fabs(a.along.dotProduct(axis)) +
                          a.halfHeight * std::fabs(a.along.perpVector().dotProduct(axis));
    const double reachB = b.halfWidth * std::fabs(b.along.dotProduct(axis)) +
                          b.halfHeight * std::fabs(b.along.perpVector().dotProduct(axis));
    if (std::fabs(d.dotProduct(axis)) >= reachA + reachB)
      return false;
  }
  return true;
}

}  // namespace zek::adxy1
