// Repeated vertices and self-crossings of outlines.
#include "outline_checks.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "outline_geometry.h"
#include "segment_intersections.h"

namespace zek {

namespace {

// A turn this close to a half turn runs straight back over the last segment.
constexpr double kReversalTurn = std::numbers::pi - 1.0e-9;

struct Bounds {
  double minX, minY, maxX, maxY;
};

// A box that surely holds the segment (an arc's whole circle).
Bounds boundsOf(const Segment& segment) {
  if (segment.isArc()) {
    const Point2 c = segment.centre();
    const double r = segment.radius();
    return {c.x - r, c.y - r, c.x + r, c.y + r};
  }
  return {std::min(segment.start.x, segment.end.x), std::min(segment.start.y, segment.end.y),
          std::max(segment.start.x, segment.end.x), std::max(segment.start.y, segment.end.y)};
}

bool boundsApart(const Bounds& a, const Bounds& b) {
  return a.maxX < b.minX - kLengthTolerance || b.maxX < a.minX - kLengthTolerance ||
         a.maxY < b.minY - kLengthTolerance || b.maxY < a.minY - kLengthTolerance;
}

// Points closer than this to a shared vertex are that vertex.
constexpr double kSharedVertexTolerance = 10.0 * kLengthTolerance;

bool isNear(Point2 point, const std::vector<Point2>& vertices) {
  return std::any_of(vertices.begin(), vertices.end(), [&](Point2 vertex) {
    return distance(point, vertex) <= kSharedVertexTolerance;
  });
}

// The vertices two neighbouring segments share: the end of the first, and
// with only two segments both ends. Empty for segments that are no
// neighbours.
std::vector<Point2> sharedVertices(const std::vector<Segment>& segments, std::size_t i,
                                   std::size_t j) {
  const std::size_t n = segments.size();
  std::vector<Point2> shared;
  if (j == i + 1)
    shared.push_back(segments[i].end);
  if (i == 0 && j == n - 1)
    shared.push_back(segments[j].end);
  return shared;
}

// The point other than `vertex` where a line through the vertex meets a
// circle through it: the far root of |vertex + t·u - c|² = r², taken apart
// from the near one so that a line leaving almost tangentially gives no
// phantom point. None when the line only touches the circle there.
std::optional<Point2> otherLineCirclePoint(const Segment& line, const Segment& arc,
                                           Point2 vertex) {
  const Point2 chord = line.end - line.start;
  const Point2 u = (1.0 / length(chord)) * chord;
  const Point2 w = vertex - arc.centre();
  const double half = dot(u, w);
  const double offCircle = dot(w, w) - arc.radius() * arc.radius();
  const double discriminant = half * half - offCircle;
  if (discriminant < 0.0)
    return std::nullopt;
  const double far = -half - std::copysign(std::sqrt(discriminant), half);
  if (std::fabs(far) <= kSharedVertexTolerance)
    return std::nullopt;
  return vertex + far * u;
}

// The second point where two circles through a vertex meet: the vertex
// mirrored in the line of the centres.
std::optional<Point2> otherCircleCirclePoint(const Segment& a, const Segment& b, Point2 vertex) {
  const Point2 c1 = a.centre();
  const Point2 axis = b.centre() - c1;
  const double axisLength = length(axis);
  if (axisLength < kLengthTolerance)
    return std::nullopt;  // one circle: the overlap test decides
  const Point2 direction = (1.0 / axisLength) * axis;
  const Point2 foot = c1 + dot(vertex - c1, direction) * direction;
  const Point2 mirrored = foot + (foot - vertex);
  if (distance(mirrored, vertex) <= kSharedVertexTolerance)
    return std::nullopt;  // the circles touch at the vertex
  return mirrored;
}

bool liesOnSegment(const Segment& segment, Point2 point) {
  return distanceToSegment(point, segment) <= kLengthTolerance;
}

// Whether two neighbouring segments meet anywhere but at their shared
// vertices.
bool neighboursMeetElsewhere(const Segment& a, const Segment& b,
                             const std::vector<Point2>& shared) {
  const SegmentMeeting meeting = meetingOf(a, b);
  if (meeting.overlaps)
    return true;
  if (!a.isArc() && !b.isArc()) {
    for (const Point2 point : meeting.points)
      if (!isNear(point, shared))
        return true;
    return false;
  }
  // Worked out from the shared vertex, so that a nearly tangent join is no
  // crossing.
  const Point2 vertex = shared.front();
  std::optional<Point2> other;
  if (!a.isArc())
    other = otherLineCirclePoint(a, b, vertex);
  else if (!b.isArc())
    other = otherLineCirclePoint(b, a, vertex);
  else
    other = otherCircleCirclePoint(a, b, vertex);
  return other && !isNear(*other, shared) && liesOnSegment(a, *other) && liesOnSegment(b, *other);
}

// Whether segments i < j of the outline meet where they should not.
bool segmentsCross(const std::vector<Segment>& segments, std::size_t i, std::size_t j) {
  const std::vector<Point2> shared = sharedVertices(segments, i, j);
  if (!shared.empty())
    return neighboursMeetElsewhere(segments[i], segments[j], shared);
  const SegmentMeeting meeting = meetingOf(segments[i], segments[j]);
  return meeting.overlaps || !meeting.points.empty();
}

bool turnsStraightBack(const std::vector<Segment>& segments) {
  for (std::size_t i = 0; i < segments.size(); ++i) {
    const Segment& before = segments[(i + segments.size() - 1) % segments.size()];
    if (std::fabs(turnAngle(before.endTangent(), segments[i].startTangent())) > kReversalTurn)
      return true;
  }
  return false;
}

}  // namespace

Outline withoutRepeatedVertices(const Outline& outline) {
  Outline kept = outline;
  bool removed = true;
  while (removed && kept.size() > 1) {
    removed = false;
    for (std::size_t i = 0; i < kept.size(); ++i) {
      const OutlineVertex& next = kept[(i + 1) % kept.size()];
      if (distance(pointOf(kept[i]), pointOf(next)) <= kLengthTolerance) {
        kept.erase(kept.begin() + static_cast<std::ptrdiff_t>(i));
        removed = true;
        break;
      }
    }
  }
  return kept;
}

bool crossesItself(const Outline& outline) {
  const std::vector<Segment> segments = segmentsOf(outline);
  if (turnsStraightBack(segments))
    return true;
  std::vector<Bounds> bounds;
  bounds.reserve(segments.size());
  for (const Segment& segment : segments)
    bounds.push_back(boundsOf(segment));
  // Swept from left to right: a segment is compared only with those whose
  // boxes start before its own box ends.
  std::vector<std::size_t> order(segments.size());
  for (std::size_t i = 0; i < order.size(); ++i)
    order[i] = i;
  std::sort(order.begin(), order.end(),
            [&](std::size_t a, std::size_t b) { return bounds[a].minX < bounds[b].minX; });
  for (std::size_t p = 0; p < order.size(); ++p) {
    for (std::size_t q = p + 1; q < order.size(); ++q) {
      if (bounds[order[q]].minX > bounds[order[p]].maxX + kLengthTolerance)
        break;
      const std::size_t i = std::min(order[p], order[q]);
      const std::size_t j = std::max(order[p], order[q]);
      if (boundsApart(bounds[i], bounds[j]))
        continue;
      if (segmentsCross(segments, i, j))
        return true;
    }
  }
  return false;
}

}  // namespace zek
