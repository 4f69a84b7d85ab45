// Text boxes in the plane: extents and the exact crossing-window test.
#include "db/annotations/box_geometry.h"

#include <algorithm>

namespace zek {

namespace {

double cross(const AcGePoint2d& o, const AcGePoint2d& a, const AcGePoint2d& b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

bool onSegment(const AcGePoint2d& p, const AcGePoint2d& a, const AcGePoint2d& b) {
  return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
         p.y <= std::max(a.y, b.y);
}

bool segmentsMeet(const AcGePoint2d& a, const AcGePoint2d& b, const AcGePoint2d& c,
                  const AcGePoint2d& d) {
  double d1 = cross(c, d, a), d2 = cross(c, d, b), d3 = cross(a, b, c), d4 = cross(a, b, d);
  if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
    return true;
  return (d1 == 0 && onSegment(a, c, d)) || (d2 == 0 && onSegment(b, c, d)) ||
         (d3 == 0 && onSegment(c, a, b)) || (d4 == 0 && onSegment(d, a, b));
}

// Inside or on the border of a convex quadrilateral: the point lies on the
// same side of every edge.
bool insideQuad(const AcGePoint2d& p, const AcGePoint2d (&q)[4]) {
  if (cross(q[0], q[1], q[2]) + cross(q[0], q[2], q[3]) == 0.0)
    return false;  // a flat box (empty text) holds nothing; its edges still count
  bool anyPositive = false, anyNegative = false;
  for (int i = 0; i < 4; ++i) {
    double side = cross(q[i], q[(i + 1) % 4], p);
    anyPositive = anyPositive || side > 0;
    anyNegative = anyNegative || side < 0;
  }
  return !(anyPositive && anyNegative);
}

}  // namespace

AcDbExtents boxExtents(const TextBox& box, const AcGeVector3d& lift) {
  AcDbExtents extents;
  for (const AcGePoint3d& corner : box) {
    extents.addPoint(corner);
    if (!lift.isZeroLength())
      extents.addPoint(corner + lift);
  }
  return extents;
}

bool quadCrossesWindow(const TextBox& box, const AcDbExtents& window) {
  if (!window.isValid())
    return false;
  const AcGePoint3d& lo = window.minPoint();
  const AcGePoint3d& hi = window.maxPoint();
  AcGePoint2d q[4];
  for (int i = 0; i < 4; ++i) {
    q[i] = box[i].convert2d();
    if (q[i].x >= lo.x && q[i].x <= hi.x && q[i].y >= lo.y && q[i].y <= hi.y)
      return true;
  }
  AcGePoint2d w[4] = {{lo.x, lo.y}, {hi.x, lo.y}, {hi.x, hi.y}, {lo.x, hi.y}};
  if (insideQuad(w[0], q))
    return true;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      if (segmentsMeet(q[i], q[(i + 1) % 4], w[j], w[(j + 1) % 4]))
        return true;
  return false;
}

bool segmentCrossesWindow(const AcGePoint3d& a, const AcGePoint3d& b, const AcDbExtents& window) {
  if (!window.isValid())
    return false;
  const AcGePoint3d& lo = window.minPoint();
  const AcGePoint3d& hi = window.maxPoint();
  auto inside = [&](const AcGePoint3d& p) {
    return p.x >= lo.x && p.x <= hi.x && p.y >= lo.y && p.y <= hi.y;
  };
  if (inside(a) || inside(b))
    return true;
  AcGePoint2d p = a.convert2d(), q = b.convert2d();
  AcGePoint2d w[4] = {{lo.x, lo.y}, {hi.x, lo.y}, {hi.x, hi.y}, {lo.x, hi.y}};
  for (int j = 0; j < 4; ++j)
    if (segmentsMeet(p, q, w[j], w[(j + 1) % 4]))
      return true;
  return false;
}

}  // namespace zek
