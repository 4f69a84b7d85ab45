// Intersections of straight segments and arcs.
#include "segment_intersections.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zek {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// The points where a line through `start` along `along` meets a circle.
std::vector<Point2> lineCircle(Point2 start, Point2 along, Point2 centre, double radius) {
  const double size = length(along);
  if (size <= 0.0)
    return {};
  const Point2 direction = (1.0 / size) * along;
  const Point2 foot = start + dot(centre - start, direction) * direction;
  const double apart = distance(foot, centre);
  if (apart > radius + kLengthTolerance)
    return {};
  if (apart > radius - kLengthTolerance)
    return {foot};  // the line touches the circle
  const double half = std::sqrt(radius * radius - apart * apart);
  return {foot - half * direction, foot + half * direction};
}

std::vector<Point2> circleCircle(Point2 c1, double r1, Point2 c2, double r2) {
  const double apart = distance(c1, c2);
  if (apart < kLengthTolerance)
    return {};  // concentric: no points, or the same circle (handled apart)
  if (apart > r1 + r2 + kLengthTolerance || apart < std::fabs(r1 - r2) - kLengthTolerance)
    return {};
  const Point2 axis = (1.0 / apart) * (c2 - c1);
  const double along = (r1 * r1 - r2 * r2 + apart * apart) / (2.0 * apart);
  const double squared = r1 * r1 - along * along;
  const Point2 foot = c1 + along * axis;
  if (squared <= kLengthTolerance * kLengthTolerance)
    return {foot};  // the circles touch
  const double half = std::sqrt(squared);
  return {foot - half * leftNormal(axis), foot + half * leftNormal(axis)};
}

// Whether a point on a segment's carrier lies on the segment itself.
bool liesOn(const Segment& segment, Point2 point) {
  if (distance(point, segment.start) <= kLengthTolerance ||
      distance(point, segment.end) <= kLengthTolerance)
    return true;
  if (!segment.isArc()) {
    const Point2 chord = segment.end - segment.start;
    const double chordLength = length(chord);
    const double along = dot(point - segment.start, chord) / chordLength;
    return along >= -kLengthTolerance && along <= chordLength + kLengthTolerance;
  }
  return segment.coversAngleOf(point, kLengthTolerance / segment.radius());
}

// The counter-clockwise angle range an arc covers: its start and size.
struct AngleRange {
  double from;
  double size;
};

AngleRange angleRangeOf(const Segment& arc) {
  const Point2 c = arc.centre();
  const Point2 first = arc.sweep() > 0.0 ? arc.start : arc.end;
  return {std::atan2(first.y - c.y, first.x - c.x), std::fabs(arc.sweep())};
}

// How long the common part of two ranges on one circle is, in radians.
double commonAngle(AngleRange a, AngleRange b) {
  double shift = std::fmod(b.from - a.from, kTwoPi);
  if (shift < 0.0)
    shift += kTwoPi;
  double common = 0.0;
  for (const double start : {shift, shift - kTwoPi}) {
    const double low = std::max(0.0, start);
    const double high = std::min(a.size, start + b.size);
    common += std::max(0.0, high - low);
  }
  return common;
}

// Two straight segments on one line: their common length, or the end where
// they touch.
SegmentMeeting collinearMeeting(const Segment& a, const Segment& b) {
  SegmentMeeting meeting;
  const Point2 chord = a.end - a.start;
  const double chordLength = length(chord);
  const Point2 direction = (1.0 / chordLength) * chord;
  const double b0 = dot(b.start - a.start, direction);
  const double b1 = dot(b.end - a.start, direction);
  const double low = std::max(0.0, std::min(b0, b1));
  const double high = std::min(chordLength, std::max(b0, b1));
  if (high - low > kLengthTolerance)
    meeting.overlaps = true;
  else if (high - low >= -kLengthTolerance)
    meeting.points.push_back(a.start + (0.5 * (low + high)) * direction);
  return meeting;
}

SegmentMeeting sameCircleMeeting(const Segment& a, const Segment& b) {
  SegmentMeeting meeting;
  const double common = commonAngle(angleRangeOf(a), angleRangeOf(b));
  if (common * a.radius() > kLengthTolerance) {
    meeting.overlaps = true;
    return meeting;
  }
  for (const Point2 end : {b.start, b.end})
    if (liesOn(a, end))
      meeting.points.push_back(end);
  for (const Point2 end : {a.start, a.end})
    if (liesOn(b, end))
      meeting.points.push_back(end);
  return meeting;
}

bool areParallelLines(const Segment& a, const Segment& b) {
  const Point2 da = a.end - a.start;
  const Point2 db = b.end - b.start;
  return std::fabs(cross(da, db)) <= 1.0e-12 * length(da) * length(db);
}

bool areOnOneLine(const Segment& a, const Segment& b) {
  const Point2 da = a.end - a.start;
  return std::fabs(cross(da, b.start - a.start)) / length(da) <= kLengthTolerance;
}

bool areOnOneCircle(const Segment& a, const Segment& b) {
  return distance(a.centre(), b.centre()) < kLengthTolerance &&
         std::fabs(a.radius() - b.radius()) < kLengthTolerance;
}

}  // namespace

std::vector<Point2> carrierIntersections(const Segment& a, const Segment& b) {
  if (!a.isArc() && !b.isArc()) {
    if (areParallelLines(a, b))
      return {};
    const Point2 da = a.end - a.start;
    const Point2 db = b.end - b.start;
    const double t = cross(b.start - a.start, db) / cross(da, db);
    return {a.start + t * da};
  }
  if (!a.isArc())
    return lineCircle(a.start, a.end - a.start, b.centre(), b.radius());
  if (!b.isArc())
    return lineCircle(b.start, b.end - b.start, a.centre(), a.radius());
  return circleCircle(a.centre(), a.radius(), b.centre(), b.radius());
}

SegmentMeeting meetingOf(const Segment& a, const Segment& b) {
  if (!a.isArc() && !b.isArc() && areParallelLines(a, b)) {
    if (areOnOneLine(a, b))
      return collinearMeeting(a, b);
    return {};
  }
  if (a.isArc() && b.isArc() && areOnOneCircle(a, b))
    return sameCircleMeeting(a, b);
  SegmentMeeting meeting;
  for (const Point2 point : carrierIntersections(a, b))
    if (liesOn(a, point) && liesOn(b, point))
      meeting.points.push_back(point);
  return meeting;
}

}  // namespace zek
