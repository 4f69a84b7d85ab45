// Segments of outlines: arcs from bulges, tangents, area and distances.
#include "outline_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace zek {

namespace {

constexpr double kPi = std::numbers::pi;

Point2 unit(Point2 v) {
  const double size = length(v);
  return size > 0.0 ? (1.0 / size) * v : Point2{};
}

Point2 rotated(Point2 v, double angle) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  return {c * v.x - s * v.y, s * v.x + c * v.y};
}

double angleOf(Point2 v) { return std::atan2(v.y, v.x); }

}  // namespace

double normalizedAngle(double angle) {
  angle = std::remainder(angle, 2.0 * kPi);  // [-π, π]
  return angle <= -kPi ? angle + 2.0 * kPi : angle;
}

bool Segment::isArc() const { return std::fabs(bulge) > kStraightBulge; }

double Segment::sweep() const { return isArc() ? 4.0 * std::atan(bulge) : 0.0; }

Point2 Segment::centre() const {
  const Point2 middle = 0.5 * (start + end);
  if (!isArc())
    return middle;
  // From the chord's midpoint along its left normal by half the chord times
  // (1 - b²) / 2b: the centre of a left-turning arc below a half circle lies
  // to the left of the chord, that of a larger one to the right.
  const Point2 chord = end - start;
  const double along = (1.0 - bulge * bulge) / (2.0 * bulge);
  return middle + (0.5 * along) * leftNormal(chord);
}

double Segment::radius() const {
  if (!isArc())
    return 0.0;
  return length(end - start) * (1.0 + bulge * bulge) / (4.0 * std::fabs(bulge));
}

// The chord leans half the sweep away from each end's tangent.
Point2 Segment::startTangent() const { return rotated(unit(end - start), -sweep() / 2.0); }
Point2 Segment::endTangent() const { return rotated(unit(end - start), sweep() / 2.0); }

Point2 Segment::pointAt(double t) const {
  if (!isArc())
    return start + t * (end - start);
  const Point2 c = centre();
  return c + rotated(start - c, t * sweep());
}

bool Segment::coversAngleOf(Point2 point, double angleTolerance) const {
  if (!isArc())
    return false;
  const Point2 c = centre();
  const double total = std::fabs(sweep());
  const double direction = sweep() > 0.0 ? 1.0 : -1.0;
  double travelled = direction * (angleOf(point - c) - angleOf(start - c));
  travelled = std::fmod(travelled, 2.0 * kPi);
  if (travelled < 0.0)
    travelled += 2.0 * kPi;
  return travelled <= total + angleTolerance || travelled >= 2.0 * kPi - angleTolerance;
}

std::vector<Segment> segmentsOf(const Outline& outline) {
  std::vector<Segment> segments;
  segments.reserve(outline.size());
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const OutlineVertex& from = outline[i];
    const OutlineVertex& to = outline[(i + 1) % outline.size()];
    segments.push_back({pointOf(from), pointOf(to), from.bulge});
  }
  return segments;
}

double turnAngle(Point2 a, Point2 b) { return std::atan2(cross(a, b), dot(a, b)); }

double signedArea(const Outline& outline) {
  double area = 0.0;
  for (const Segment& segment : segmentsOf(outline)) {
    area += cross(segment.start, segment.end) / 2.0;
    if (segment.isArc()) {
      // The circular piece between chord and arc, signed by the turn.
      const double r = segment.radius();
      const double sweep = segment.sweep();
      area += r * r * (sweep - std::sin(sweep)) / 2.0;
    }
  }
  return area;
}

Outline reversed(const Outline& outline) {
  Outline back;
  back.reserve(outline.size());
  const std::size_t n = outline.size();
  for (std::size_t k = 0; k < n; ++k) {
    // The first vertex stays first; the segment that leaves a vertex is the
    // one that arrived there, run backwards.
    const std::size_t from = (n - k) % n;
    const std::size_t arriving = (from + n - 1) % n;
    back.push_back({outline[from].x, outline[from].y, -outline[arriving].bulge});
  }
  return back;
}

double distanceToSegment(Point2 point, const Segment& segment) {
  if (!segment.isArc()) {
    const Point2 chord = segment.end - segment.start;
    const double squared = dot(chord, chord);
    double t = squared > 0.0 ? dot(point - segment.start, chord) / squared : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return distance(point, segment.start + t * chord);
  }
  const Point2 c = segment.centre();
  if (distance(point, c) > 0.0 && segment.coversAngleOf(point, 0.0))
    return std::fabs(distance(point, c) - segment.radius());
  return std::min(distance(point, segment.start), distance(point, segment.end));
}

double distanceToOutline(Point2 point, const Outline& outline) {
  double nearest = std::numeric_limits<double>::infinity();
  for (const Segment& segment : segmentsOf(outline))
    nearest = std::min(nearest, distanceToSegment(point, segment));
  return nearest;
}

}  // namespace zek
