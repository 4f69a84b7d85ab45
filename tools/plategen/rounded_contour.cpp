// Rounding the corners of a closed polygon into bulged LWPOLYLINE vertices.
#include "rounded_contour.h"

#include <cmath>

namespace zek::plategen {

std::vector<PolyVertex> roundedPolygon(std::span<const Point2> corners, double radius) {
  std::vector<PolyVertex> vertices;
  const std::size_t n = corners.size();
  for (std::size_t i = 0; i < n; ++i) {
    const Point2& prev = corners[(i + n - 1) % n];
    const Point2& at = corners[i];
    const Point2& next = corners[(i + 1) % n];
    // Unit directions of the edges into and out of the corner.
    const double inLength = std::hypot(at.x - prev.x, at.y - prev.y);
    const double outLength = std::hypot(next.x - at.x, next.y - at.y);
    const double inX = (at.x - prev.x) / inLength, inY = (at.y - prev.y) / inLength;
    const double outX = (next.x - at.x) / outLength, outY = (next.y - at.y) / outLength;
    const double cross = inX * outY - inY * outX, dot = inX * outX + inY * outY;
    const double turn = std::atan2(cross, dot);  // left turns positive: a convex corner
    // Right angles are the common case: keep their tangent points exact.
    const double setBack = std::abs(dot) < 1e-12 ? radius : radius * std::tan(std::abs(turn) / 2);
    vertices.push_back({at.x - inX * setBack, at.y - inY * setBack, std::tan(turn / 4)});
    vertices.push_back({at.x + outX * setBack, at.y + outY * setBack, 0.0});
  }
  return vertices;
}

}  // namespace zek::plategen
