// Closed outlines as lightweight polylines hold them: vertices with the bulge
// of the segment that leaves each one, the last segment running back to the
// first vertex. Plain numbers, no host calls.
#pragma once

#include <cmath>
#include <vector>

namespace zek {

struct Point2 {
  double x = 0.0;
  double y = 0.0;
};

inline Point2 operator+(Point2 a, Point2 b) { return {a.x + b.x, a.y + b.y}; }
inline Point2 operator-(Point2 a, Point2 b) { return {a.x - b.x, a.y - b.y}; }
inline Point2 operator*(double s, Point2 a) { return {s * a.x, s * a.y}; }
inline double dot(Point2 a, Point2 b) { return a.x * b.x + a.y * b.y; }
inline double cross(Point2 a, Point2 b) { return a.x * b.y - a.y * b.x; }
inline double length(Point2 a) { return std::hypot(a.x, a.y); }
inline double distance(Point2 a, Point2 b) { return length(a - b); }
// The vector turned a quarter turn counter-clockwise.
inline Point2 leftNormal(Point2 a) { return {-a.y, a.x}; }

// One vertex of an outline and the bulge of the segment from it to the next
// vertex: tan(sweep / 4), positive for an arc turning left (counter-
// clockwise), 0 for a straight segment.
struct OutlineVertex {
  double x = 0.0;
  double y = 0.0;
  double bulge = 0.0;
};

// A closed outline: the segment after the last vertex runs back to the first.
using Outline = std::vector<OutlineVertex>;

inline Point2 pointOf(const OutlineVertex& vertex) { return {vertex.x, vertex.y}; }

}  // namespace zek
