// Plane geometry of the corner overcut: sides, offsets, intersections, feet.
#include "overcut_geometry.h"

#include <cmath>
#include <numbers>

namespace zek {
namespace {

// Lines shorter than this have no direction: they are neither moved nor
// measured from.
constexpr double kMinLineLength = 1e-6;
// Determinants of two directions below this make the lines parallel.
constexpr double kParallelDeterminant = 1e-6;
// A discriminant within this of zero makes the line touch the circle.
constexpr double kTouchDiscriminant = 1e-6;
// Lines whose x (or y) coordinates differ by less than this are solved as
// vertical (or horizontal).
constexpr double kAxisLineDifference = 0.0001;

double crossOf(const Line2& line, Point2 p) {
  return (line.end.x - line.start.x) * (p.y - line.start.y) -
         (line.end.y - line.start.y) * (p.x - line.start.x);
}

double lengthOf(const Line2& line) {
  return distanceBetween(line.start, line.end);
}

// The points of a circle on the line x = x0 (or, swapped, y = y0): the
// discriminant is r² − (x0 − cx)².
std::vector<Point2> hitsOnAxisLine(double along, double across, double acrossCentre,
                                   double radius, bool vertical) {
  const double offCentre = across - acrossCentre;
  const double discriminant = radius * radius - offCentre * offCentre;
  auto point = [vertical, across](double alongValue) {
    return vertical ? Point2{across, alongValue} : Point2{alongValue, across};
  };
  if (discriminant < -kTouchDiscriminant)
    return {};
  if (std::abs(discriminant) <= kTouchDiscriminant)
    return {point(along)};
  const double half = std::sqrt(discriminant);
  return {point(along - half), point(along + half)};
}

}  // namespace

int sideOf(const Line2& line, Point2 p) {
  const double cross = crossOf(line, p);
  if (cross > kSideTolerance)
    return -1;
  if (cross < -kSideTolerance)
    return 1;
  return 0;
}

double signedDistance(const Line2& line, Point2 p) {
  const double length = lengthOf(line);
  if (length < kMinLineLength)
    return 0.0;
  return -crossOf(line, p) / length;
}

Line2 offsetLine(const Line2& line, double distance) {
  const double length = lengthOf(line);
  if (length < kMinLineLength)
    return line;
  const double nx = (line.end.y - line.start.y) / length;
  const double ny = -(line.end.x - line.start.x) / length;
  return {{line.start.x + distance * nx, line.start.y + distance * ny},
          {line.end.x + distance * nx, line.end.y + distance * ny}};
}

bool intersectLines(const Line2& a, const Line2& b, Point2& crossing) {
  const double ax = a.end.x - a.start.x;
  const double ay = a.end.y - a.start.y;
  const double bx = b.end.x - b.start.x;
  const double by = b.end.y - b.start.y;
  const double determinant = ax * by - ay * bx;
  if (std::abs(determinant) < kParallelDeterminant)
    return false;
  const double t = ((b.start.x - a.start.x) * by - (b.start.y - a.start.y) * bx) / determinant;
  crossing = {a.start.x + t * ax, a.start.y + t * ay};
  return true;
}

Point2 footOnLine(const Line2& line, Point2 p) {
  const double length = lengthOf(line);
  if (length < kMinLineLength)
    return line.start;
  const double ux = (line.end.x - line.start.x) / length;
  const double uy = (line.end.y - line.start.y) / length;
  const double t = (p.x - line.start.x) * ux + (p.y - line.start.y) * uy;
  return {line.start.x + t * ux, line.start.y + t * uy};
}

std::vector<Point2> intersectCircleLine(Point2 centre, double radius, const Line2& line) {
  const double dx = line.end.x - line.start.x;
  const double dy = line.end.y - line.start.y;
  if (std::abs(dx) < kAxisLineDifference)
    return hitsOnAxisLine(centre.y, line.start.x, centre.x, radius, true);
  if (std::abs(dy) < kAxisLineDifference)
    return hitsOnAxisLine(centre.x, line.start.y, centre.y, radius, false);

  // y = m·x + b put into (x − cx)² + (y − cy)² = r².
  const double m = dy / dx;
  const double b = line.start.y - m * line.start.x;
  const double qa = 1.0 + m * m;
  const double qb = 2.0 * (m * (b - centre.y) - centre.x);
  const double qc = centre.x * centre.x + (b - centre.y) * (b - centre.y) - radius * radius;
  const double discriminant = qb * qb - 4.0 * qa * qc;
  auto point = [m, b](double x) { return Point2{x, m * x + b}; };
  if (discriminant < -kTouchDiscriminant)
    return {};
  if (std::abs(discriminant) <= kTouchDiscriminant)
    return {point(-qb / (2.0 * qa))};
  const double root = std::sqrt(discriminant);
  return {point((-qb - root) / (2.0 * qa)), point((-qb + root) / (2.0 * qa))};
}

double distanceBetween(Point2 a, Point2 b) {
  return std::hypot(b.x - a.x, b.y - a.y);
}

double directionAngle(Point2 from, Point2 to) {
  if (from.x == to.x && from.y == to.y)
    return 0.0;
  const double angle = std::atan2(to.y - from.y, to.x - from.x);
  return angle < 0.0 ? angle + 2.0 * std::numbers::pi : angle;
}

}  // namespace zek
