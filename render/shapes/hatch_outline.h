// The outline of one hatch boundary path in the hatch's plane (OCS x and
// y): a polyline path with its bulges, or an edge path's lines, arcs,
// elliptic arcs and splines one after another, curves flattened.
#pragma once

#include "curve_flattening.h"
#include "hatch_boundary.h"

namespace zek::render {

// The points of the path in order, joins and the closing point not
// repeated; fewer than two points when the path encloses nothing (or a
// spline edge describes no curve).
Outline pathOutline(const BoundaryPath& path, double tolerance);

// The parameter of the point of an ellipse (minor to major `ratio`) seen at
// `angle` from its centre, measured from the major axis (radians both).
double ellipseParamOfAngle(double angle, double ratio);

}  // namespace zek::render
