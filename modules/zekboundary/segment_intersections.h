// Where two outline segments meet: the points they share and whether they
// run over one another for a length. Plain numbers, no host calls.
#pragma once

#include <vector>

#include "outline_geometry.h"

namespace zek {

struct SegmentMeeting {
  std::vector<Point2> points;  // points both segments pass through
  bool overlaps = false;       // they share a piece longer than the tolerance
};

// The meeting of two segments, ends included within kLengthTolerance.
SegmentMeeting meetingOf(const Segment& a, const Segment& b);

// The points where the full carriers of two segments meet (the infinite line
// of a straight segment, the whole circle of an arc), however far from the
// segments; none for parallel lines and circles that miss.
std::vector<Point2> carrierIntersections(const Segment& a, const Segment& b);

}  // namespace zek
