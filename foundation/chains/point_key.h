// PointKeyLess: the order of the end-node map, and the same-node test it
// implies.
#pragma once

#include "chains/chain_records.h"
#include "ge_point.h"

namespace zek::inline foundation {

// Orders end points by x first (left to right) and then by y (bottom to
// top), treating coordinates within the tolerance as equal: a is less than b
// when a lies more than the tolerance left of b, or when it lies not more
// than the tolerance right of b and more than the tolerance below it. Two
// points of which neither is less share one end node. Being "within the
// tolerance" does not carry over from one point to the next, so this is no
// strict weak ordering (see the folder's README for what lookups then do).
struct PointKeyLess {
  double tolerance = kChainTolerance;

  bool operator()(const AcGePoint2d& a, const AcGePoint2d& b) const {
    if (a.x + tolerance < b.x)
      return true;
    return !(b.x + tolerance < a.x) && a.y + tolerance < b.y;
  }
};

// Whether two points lie within the tolerance of each other in x and in y:
// neither x + tolerance is below the other x, nor the reverse, and the same
// for y. The walk closes a chain on this test.
inline bool isWithinTolerance(double ax, double ay, double bx, double by, double tolerance) {
  return !(ax + tolerance < bx) && !(bx + tolerance < ax) && !(ay + tolerance < by) &&
         !(by + tolerance < ay);
}

}  // namespace zek::inline foundation
