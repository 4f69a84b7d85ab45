// The segments of an outline as geometry: straight pieces and circular arcs
// from their end points and bulge, their tangents, the turn at a vertex, the
// signed area of an outline and the distance of a point from it. Plain
// numbers, no host calls.
#pragma once

#include <vector>

#include "outline.h"

namespace zek {

// Lengths below this count as nothing; points closer than it are one point.
inline constexpr double kLengthTolerance = 1.0e-6;
// Bulges of smaller size are straight segments.
inline constexpr double kStraightBulge = 1.0e-12;

// One segment of an outline: from start to end, straight or an arc.
struct Segment {
  Point2 start;
  Point2 end;
  double bulge = 0.0;

  bool isArc() const;
  // The arc's signed sweep, 4·atan(bulge): positive counter-clockwise; 0 for
  // a straight segment.
  double sweep() const;
  // The arc's centre and radius (straight segments: the midpoint, 0).
  Point2 centre() const;
  double radius() const;
  // Unit tangents in the direction of travel at the start and at the end.
  Point2 startTangent() const;
  Point2 endTangent() const;
  // The point a fraction t (0 start, 1 end) along the segment.
  Point2 pointAt(double t) const;
  // For an arc: whether a point seen from its centre lies within its sweep
  // (or within `angleTolerance` radians of its ends). A straight segment
  // covers nothing.
  bool coversAngleOf(Point2 point, double angleTolerance) const;
};

// The segments of a closed outline, the last one back to the first vertex.
std::vector<Segment> segmentsOf(const Outline& outline);

// The signed angle that turns direction a into direction b, in (-π, π]:
// positive for a left turn.
double turnAngle(Point2 a, Point2 b);

// The area the outline encloses, positive when it runs counter-clockwise;
// arcs included.
double signedArea(const Outline& outline);

// The outline running the other way round from the same first vertex
// (bulges follow their segments).
Outline reversed(const Outline& outline);

// The distance of a point from the nearest point of the segment / outline.
double distanceToSegment(Point2 point, const Segment& segment);
double distanceToOutline(Point2 point, const Outline& outline);

// An angle brought into (-π, π].
double normalizedAngle(double angle);

}  // namespace zek
