// Closed contours with rounded corners as LWPOLYLINE vertices: each corner of
// a polygon becomes a tangent arc (a bulge), convex and concave corners alike,
// as a wire-cut or milled contour is drawn.
#pragma once

#include <span>
#include <vector>

#include "entity_writer.h"

namespace zek::plategen {

struct Point2 {
  double x = 0;
  double y = 0;
};

// The vertices of the closed polygon `corners` with every corner rounded to
// `radius`: two vertices a corner, the first carrying the arc's bulge. The
// polygon runs counter-clockwise; a right-angled corner gets the bulge
// tan(22.5 degrees) and tangent points exactly `radius` from the corner.
[[nodiscard]] std::vector<PolyVertex> roundedPolygon(std::span<const Point2> corners,
                                                     double radius);

}  // namespace zek::plategen
