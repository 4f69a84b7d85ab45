// AcDbSpline as a curve: parameters, points, lengths, extents, nearest
// points, transformations, grips and the crossing test, all on the NURBS
// the spline stands for (see spline_evaluator.h).
#include "db_curves.h"

#include <cmath>

#include "db/curves/curve_math.h"
#include "db/curves/spline_evaluator.h"

using namespace zek::curve;

namespace zek::curve {

SplineCurve buildSplineCurve(int degree, const std::vector<double>& knots,
                             const std::vector<double>& weights,
                             const std::vector<AcGePoint3d>& controlPoints,
                             const std::vector<AcGePoint3d>& fitPoints,
                             const AcGeVector3d& startTangent, const AcGeVector3d& endTangent) {
  SplineCurve curve;
  if (!controlPoints.empty()) {
    curve.nurbs.degree = degree;
    curve.nurbs.knots = knots;
    curve.nurbs.points = controlPoints;
    if (weights.size() == controlPoints.size())
      curve.nurbs.weights = weights;
    curve.valid = curve.nurbs.isValid();
    if (curve.valid)
      return curve;
  }
  if (fitPoints.size() >= 2) {
    curve.nurbs = interpolateFitPoints(fitPoints, degree, startTangent, endTangent);
    curve.fromFit = true;
    curve.valid = curve.nurbs.isValid();
  }
  return curve;
}

}  // namespace zek::curve

namespace {
double sizeOf(const Nurbs& nurbs) {
  double size = 0.0;
  for (const AcGePoint3d& p : nurbs.points)
    size = std::fmax(size, p.asVector().length());
  return size;
}
}  // namespace

bool AcDbSpline::isClosed() const {
  assertReadEnabled();
  if ((flags_ & 1) != 0)
    return true;
  const SplineCurve& c = evaluator();
  if (!c.valid)
    return false;
  return c.nurbs.pointAt(c.nurbs.startParam())
             .isEqualTo(c.nurbs.pointAt(c.nurbs.endParam()));
}

bool AcDbSpline::isPeriodic() const {
  assertReadEnabled();
  return (flags_ & 2) != 0;
}

Acad::ErrorStatus AcDbSpline::getStartParam(double& param) const {
  assertReadEnabled();
  const SplineCurve& c = evaluator();
  if (!c.valid)
    return Acad::eDegenerateGeometry;
  param = c.nurbs.startParam();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getEndParam(double& param) const {
  assertReadEnabled();
  const SplineCurve& c = evaluator();
  if (!c.valid)
    return Acad::eDegenerateGeometry;
  param = c.nurbs.endParam();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getStartPoint(AcGePoint3d& point) const {
  return AcDbCurve::getStartPoint(point);
}

Acad::ErrorStatus AcDbSpline::getEndPoint(AcGePoint3d& point) const {
  return AcDbCurve::getEndPoint(point);
}

Acad::ErrorStatus AcDbSpline::getPointAtParam(double param, AcGePoint3d& point) const {
  assertReadEnabled();
  const SplineCurve& c = evaluator();
  if (!c.valid)
    return Acad::eDegenerateGeometry;
  const double lo = c.nurbs.startParam(), hi = c.nurbs.endParam();
  const double tol = 1e-12 * (hi - lo + std::fabs(param));
  if (!(param >= lo - tol && param <= hi + tol))
    return Acad::eInvalidInput;
  point = c.nurbs.pointAt(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  assertReadEnabled();
  const SplineCurve& c = evaluator();
  if (!c.valid)
    return Acad::eDegenerateGeometry;
  const double u = c.nurbs.closestParam(point);
  if (c.nurbs.pointAt(u).distanceTo(point) > onCurveTolerance(sizeOf(c.nurbs)) * 100.0)
    return Acad::eInvalidInput;
  param = u;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getDistAtParam(double param, double& dist) const {
  AcGePoint3d unused;
  Acad::ErrorStatus es = getPointAtParam(param, unused);
  if (es != Acad::eOk)
    return es;
  const Nurbs& n = evaluator().nurbs;
  dist = n.length(n.startParam(), std::fmin(param, n.endParam()));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getParamAtDist(double dist, double& param) const {
  assertReadEnabled();
  const SplineCurve& c = evaluator();
  if (!c.valid)
    return Acad::eDegenerateGeometry;
  const double length = c.nurbs.length(c.nurbs.startParam(), c.nurbs.endParam());
  const double tol = onCurveTolerance(length);
  if (!(dist >= -tol && dist <= length + tol))
    return Acad::eInvalidInput;
  param = c.nurbs.paramAtLength(dist);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getDistAtPoint(const AcGePoint3d& point, double& dist) const {
  return AcDbCurve::getDistAtPoint(point, dist);
}

Acad::ErrorStatus AcDbSpline::getPointAtDist(double dist, AcGePoint3d& point) const {
  return AcDbCurve::getPointAtDist(dist, point);
}

Acad::ErrorStatus AcDbSpline::getClosestPointTo(const AcGePoint3d& givenPoint,
                                                AcGePoint3d& pointOnCurve, bool) const {
  assertReadEnabled();
  const SplineCurve& c = evaluator();
  if (!c.valid)
    return Acad::eDegenerateGeometry;
  pointOnCurve = c.nurbs.pointAt(c.nurbs.closestParam(givenPoint));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getArea(double& area) const {
  assertReadEnabled();
  const SplineCurve& c = evaluator();
  if (!c.valid)
    return Acad::eDegenerateGeometry;
  // Green's theorem in the spline's plane: ½ ∮ n·((P − P0) × P′) du; the
  // closing chord back to P0 adds nothing.
  AcGeVector3d n;
  if (!unitNormal(normal_, n))
    n = AcGeVector3d::kZAxis;
  const Nurbs& nurbs = c.nurbs;
  const AcGePoint3d origin = nurbs.pointAt(nurbs.startParam());
  const auto integrand = [&](double u) {
    AcGeVector3d d;
    const AcGePoint3d p = nurbs.pointAt(u, &d);
    return 0.5 * n.dotProduct((p - origin).crossProduct(d));
  };
  double sum = 0.0;
  const std::vector<double> breaks = nurbs.breakpoints();
  for (std::size_t i = 0; i + 1 < breaks.size(); ++i)
    sum += integrate(integrand, breaks[i], breaks[i + 1]);
  area = std::fabs(sum);
  return Acad::eOk;
}

// ---- Entity geometry ----------------------------------------------------------

Acad::ErrorStatus AcDbSpline::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  const SplineCurve& c = evaluator();
  if (c.valid) {
    extents = c.nurbs.extents();
    return Acad::eOk;
  }
  // Data that describe no curve: the box of whatever points there are.
  AcDbExtents box;
  for (const AcGePoint3d& p : controlPoints_)
    box.addPoint(p);
  for (const AcGePoint3d& p : fitPoints_)
    box.addPoint(p);
  if (!box.isValid())
    return Acad::eInvalidExtents;
  extents = box;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::transformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  // NURBS are affinely invariant: moving the points moves the curve.
  for (AcGePoint3d& p : controlPoints_)
    p.transformBy(xform);
  for (AcGePoint3d& p : fitPoints_)
    p.transformBy(xform);
  startTangent_.transformBy(xform);
  endTangent_.transformBy(xform);
  AcGeVector3d unit;
  if (unitNormal(xform * normal_, unit))
    normal_ = unit;
  invalidate();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&,
                                            AcDbIntArray&) const {
  assertReadEnabled();
  for (const AcGePoint3d& p : controlPoints_.empty() ? fitPoints_ : controlPoints_)
    gripPoints.append(p);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::moveGripPointsAt(const AcDbIntArray& indices,
                                               const AcGeVector3d& offset) {
  assertWriteEnabled();
  std::vector<AcGePoint3d>& points = controlPoints_.empty() ? fitPoints_ : controlPoints_;
  for (int index : indices)
    if (index >= 0 && index < static_cast<int>(points.size()))
      points[index] += offset;
  invalidate();
  return Acad::eOk;
}

bool AcDbSpline::crossesBox(const AcDbExtents& box) const {
  assertReadEnabled();
  const SplineCurve& c = evaluator();
  if (!c.valid)
    return AcDbCurve::crossesBox(box);
  // The curve as a fine polyline: 64 chords per knot span.
  constexpr int kChords = 64;
  const Rect2d rect = rectOf(box);
  const std::vector<double> breaks = c.nurbs.breakpoints();
  AcGePoint2d previous = c.nurbs.pointAt(breaks.front()).convert2d();
  for (std::size_t s = 0; s + 1 < breaks.size(); ++s) {
    for (int j = 1; j <= kChords; ++j) {
      const double u = j == kChords ? breaks[s + 1]
                                    : breaks[s] + (breaks[s + 1] - breaks[s]) * j / kChords;
      const AcGePoint2d next = c.nurbs.pointAt(u).convert2d();
      if (segmentCrossesRect(previous, next, rect))
        return true;
      previous = next;
    }
  }
  return false;
}
