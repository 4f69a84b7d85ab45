// Offsetting closed outlines of straight segments and arcs.
#include "outline_offset.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "outline_checks.h"
#include "outline_geometry.h"
#include "segment_intersections.h"

namespace zek {

namespace {

// Turns smaller than this (radians) join segments smoothly: their moved
// ends meet without a join.
constexpr double kSmoothTurn = 1.0e-7;

// One source segment moved sideways: its carrier (the shifted line, or the
// circle about the same centre) and its ends on it, trimmed by the joins.
struct MovedSegment {
  Segment source;
  Segment carrier;  // the untrimmed moved segment
  Point2 start;
  Point2 end;
  // An arc offset towards its centre by exactly its radius: it shrank to
  // that point, where its neighbours now meet.
  bool collapsed = false;
  // An inside arc before this segment was used up by the offset and left
  // out: this segment meets the one before it in a corner.
  bool afterDropped = false;
};

// How the moved segments meet at a source vertex.
struct Join {
  bool round = false;
  double bulge = 0.0;  // of the round join
};

// The segment moved to its right by `offset` (the outside of a counter-
// clockwise outline); nothing when an arc's radius would turn negative.
std::optional<MovedSegment> moved(const Segment& source, double offset) {
  Segment carrier = source;
  bool collapsed = false;
  if (!source.isArc()) {
    const Point2 chord = source.end - source.start;
    const Point2 right = (-1.0 / length(chord)) * leftNormal(chord);
    carrier.start = source.start + offset * right;
    carrier.end = source.end + offset * right;
  } else {
    // Right of a left-turning arc is away from its centre.
    const double radius = source.radius();
    const double newRadius = radius + (source.sweep() > 0.0 ? offset : -offset);
    if (newRadius < -kLengthTolerance)
      return std::nullopt;
    collapsed = newRadius <= kLengthTolerance;
    const Point2 c = source.centre();
    const double scale = collapsed ? 0.0 : newRadius / radius;
    carrier.start = c + scale * (source.start - c);
    carrier.end = c + scale * (source.end - c);
  }
  return MovedSegment{source, carrier, carrier.start, carrier.end, collapsed, false};
}

// Trims (or extends) two moved segments to the point where their carriers
// meet nearest to their moved ends; false when the carriers do not meet.
bool trimToMeeting(MovedSegment& before, MovedSegment& after) {
  const Point2 expected = 0.5 * (before.end + after.start);
  std::optional<Point2> nearest;
  for (const Point2 point : carrierIntersections(before.carrier, after.carrier))
    if (!nearest || distance(point, expected) < distance(*nearest, expected))
      nearest = point;
  if (!nearest)
    return false;
  before.end = *nearest;
  after.start = *nearest;
  return true;
}

double angleAbout(Point2 centre, Point2 point) {
  return std::atan2(point.y - centre.y, point.x - centre.x);
}

// The bulge of a moved segment between its trimmed ends; nothing when the
// trimming used it up (a line turned round, an arc swept to nothing).
std::optional<double> trimmedBulge(const MovedSegment& segment) {
  if (segment.collapsed) {
    // A point, dropped with the repeated vertices; its neighbours must
    // still meet there.
    if (distance(segment.start, segment.end) > kLengthTolerance)
      return std::nullopt;
    return 0.0;
  }
  if (!segment.source.isArc()) {
    const Point2 run = segment.end - segment.start;
    const Point2 chord = segment.carrier.end - segment.carrier.start;
    if (length(run) <= kLengthTolerance || dot(run, chord) <= 0.0)
      return std::nullopt;
    return 0.0;
  }
  const Point2 c = segment.carrier.centre();
  const double direction = segment.source.sweep() > 0.0 ? 1.0 : -1.0;
  // How far each end moved along the arc, forwards positive.
  const double startMove =
      direction * normalizedAngle(angleAbout(c, segment.start) - angleAbout(c, segment.carrier.start));
  const double endMove =
      direction * normalizedAngle(angleAbout(c, segment.end) - angleAbout(c, segment.carrier.end));
  const double sweep = std::fabs(segment.source.sweep()) - startMove + endMove;
  const double radius = segment.carrier.radius();
  if (sweep * radius <= kLengthTolerance || sweep >= 2.0 * std::numbers::pi)
    return std::nullopt;
  return direction * std::tan(sweep / 4.0);
}

// The source segments moved sideways. An inside arc smaller than an outward
// offset is left out: its neighbours then meet in a corner, as a fillet
// drawn with a smaller radius would. Nothing when an inward offset uses an
// arc up, or no segment is left.
std::optional<std::vector<MovedSegment>> movedSegments(const std::vector<Segment>& segments,
                                                       double offset) {
  std::vector<MovedSegment> pieces;
  pieces.reserve(segments.size());
  bool dropped = false;
  for (const Segment& segment : segments) {
    std::optional<MovedSegment> piece = moved(segment, offset);
    if (!piece) {
      if (offset < 0.0)
        return std::nullopt;
      dropped = true;
      continue;
    }
    piece->afterDropped = dropped;
    dropped = false;
    pieces.push_back(*piece);
  }
  if (pieces.size() < 2)
    return std::nullopt;
  if (dropped)
    pieces.front().afterDropped = true;  // the arc before the first segment
  return pieces;
}

// Joins each moved segment to the one before it: smoothly where the source
// runs on without a turn, round about the source vertex where the moved
// segments part, trimmed where they cross. joins[k] is the join at the start
// of pieces[k]. False when two moved segments that must cross do not meet.
bool joinPieces(std::vector<MovedSegment>& pieces, std::vector<Join>& joins, double offset) {
  const std::size_t n = pieces.size();
  joins.assign(n, Join{});
  for (std::size_t k = 0; k < n; ++k) {
    MovedSegment& before = pieces[(k + n - 1) % n];
    MovedSegment& after = pieces[k];
    const double turn = turnAngle(before.source.endTangent(), after.source.startTangent());
    if (std::fabs(turn) < kSmoothTurn && !after.afterDropped) {
      const Point2 meeting = 0.5 * (before.end + after.start);
      before.end = meeting;
      after.start = meeting;
    } else if (offset * turn > 0.0 && !after.afterDropped) {
      joins[k] = {true, std::tan(turn / 4.0)};
    } else if (!trimToMeeting(before, after)) {
      return false;
    }
  }
  return true;
}

// The joined segments as an outline: each segment from its start, and a
// round join from its end where there is one.
std::optional<Outline> assembled(const std::vector<MovedSegment>& pieces,
                                 const std::vector<Join>& joins) {
  Outline result;
  result.reserve(2 * pieces.size());
  for (std::size_t k = 0; k < pieces.size(); ++k) {
    const std::optional<double> bulge = trimmedBulge(pieces[k]);
    if (!bulge)
      return std::nullopt;
    result.push_back({pieces[k].start.x, pieces[k].start.y, *bulge});
    const Join& next = joins[(k + 1) % pieces.size()];
    if (next.round)
      result.push_back({pieces[k].end.x, pieces[k].end.y, next.bulge});
  }
  return withoutRepeatedVertices(result);
}

// The offset of a counter-clockwise outline without repeated vertices.
OffsetResult offsetCounterClockwise(const Outline& outline, double offset) {
  std::optional<std::vector<MovedSegment>> pieces = movedSegments(segmentsOf(outline), offset);
  if (!pieces)
    return {{}, OffsetFailure::SegmentVanishes};
  std::vector<Join> joins;
  if (!joinPieces(*pieces, joins, offset))
    return {{}, OffsetFailure::SegmentVanishes};
  const std::optional<Outline> result = assembled(*pieces, joins);
  if (!result || result->size() < 2 || signedArea(*result) <= 0.0)
    return {{}, OffsetFailure::SegmentVanishes};
  if (crossesItself(*result))
    return {{}, OffsetFailure::ResultCrossesItself};
  return {*result, OffsetFailure::None};
}

}  // namespace

OffsetResult offsetOutline(const Outline& source, double offset) {
  const Outline cleaned = withoutRepeatedVertices(source);
  if (cleaned.size() < 2)
    return {{}, OffsetFailure::NoArea};
  if (crossesItself(cleaned))
    return {{}, OffsetFailure::SourceCrossesItself};
  const double area = signedArea(cleaned);
  if (std::fabs(area) <= kLengthTolerance * kLengthTolerance)
    return {{}, OffsetFailure::NoArea};
  if (area > 0.0)
    return offsetCounterClockwise(cleaned, offset);
  OffsetResult result = offsetCounterClockwise(reversed(cleaned), offset);
  if (result.failure == OffsetFailure::None)
    result.outline = reversed(result.outline);
  return result;
}

}  // namespace zek
