// NURBS curves for AcDbSpline: evaluation of points and first derivatives by
// de Boor's recurrence on the basis functions, the knot spans, extents,
// lengths, and the cubic through fit points for splines filed without
// control points.
#pragma once

#include <vector>

#include "db_extents.h"
#include "ge_geometry.h"

namespace zek::curve {

struct Nurbs {
  int degree = 3;
  std::vector<double> knots;
  std::vector<double> weights;  // empty: every weight is 1
  std::vector<AcGePoint3d> points;

  // Degree ≥ 1, at least degree + 1 points, points + degree + 1 knots that
  // never decrease, a non-empty parameter range, positive weights.
  bool isValid() const;
  double startParam() const { return knots[degree]; }
  double endParam() const { return knots[points.size()]; }

  // The point (and the first derivative, when asked) at u, clamped into the
  // parameter range.
  AcGePoint3d pointAt(double u, AcGeVector3d* derivative = nullptr) const;
  // The distinct knots inside [startParam, endParam], both ends included:
  // the curve is a polynomial (or rational) piece between neighbours.
  std::vector<double> breakpoints() const;

  // The length of the curve from u0 to u1 (u0 ≤ u1).
  double length(double u0, double u1) const;
  // The parameter at which the length from startParam reaches dist.
  double paramAtLength(double dist) const;
  // The box of the curve: samples in every span, axis extremes refined.
  AcDbExtents extents() const;
  // The parameter of the curve point nearest to p.
  double closestParam(const AcGePoint3d& p) const;
};

// The cubic (degree 3 or more asked) or the polyline (degree 1) through the
// fit points, parameterised by chord length from 0. A cubic has a
// continuous second derivative; its end tangents are the given ones (unit
// speed) or, when a tangent is zero, a zero second derivative there. The
// answer holds the cubic's Bézier pieces as a degree-3 NURBS. Fewer than two
// distinct points answer an invalid curve.
Nurbs interpolateFitPoints(const std::vector<AcGePoint3d>& fitPoints, int degree,
                           const AcGeVector3d& startTangent, const AcGeVector3d& endTangent);

}  // namespace zek::curve
