// Plane geometry of the corner overcut: the side of a point, offset lines,
// line and circle intersections and perpendicular feet, in the XY plane.
// Plain functions over numbers: no drawing needed.
#pragma once

#include <vector>

namespace zek {

struct Point2 {
  double x = 0.0;
  double y = 0.0;
};

// An infinite line through two points, directed from start to end (a drawn
// line's start and end point).
struct Line2 {
  Point2 start;
  Point2 end;
};

// Cross products within this of zero put a point on the line.
constexpr double kSideTolerance = 1e-6;

// The side of p relative to the directed line: -1 left, +1 right, 0 on it
// (cross product within kSideTolerance of zero).
int sideOf(const Line2& line, Point2 p);

// The distance of p from the infinite line, positive to the right of it (the
// side +1), negative to the left; 0 for a line shorter than 1e-6.
double signedDistance(const Line2& line, Point2 p);

// The line moved by a signed distance along its right-hand normal: a
// positive distance moves it to the right, so an offset of side × distance
// moves it towards a point on that side. A line shorter than 1e-6 is not
// moved.
Line2 offsetLine(const Line2& line, double distance);

// Where two infinite lines cross; false when they are parallel (determinant
// below 1e-6).
bool intersectLines(const Line2& a, const Line2& b, Point2& crossing);

// The foot of the perpendicular from p onto the infinite line (the start
// point for a line shorter than 1e-6).
Point2 footOnLine(const Line2& line, Point2 p);

// Where a circle meets an infinite line: none when the discriminant is below
// -1e-6, one point when it is within 1e-6 of zero, two otherwise. Vertical
// and horizontal lines (coordinate difference below 0.0001) are solved on
// their own, the others through their slope.
std::vector<Point2> intersectCircleLine(Point2 centre, double radius, const Line2& line);

double distanceBetween(Point2 a, Point2 b);

// The direction from one point to another, counter-clockwise from the X
// axis, in [0, 2π); 0 when the points coincide.
double directionAngle(Point2 from, Point2 to);

}  // namespace zek
