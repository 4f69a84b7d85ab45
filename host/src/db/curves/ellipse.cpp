// AcDbEllipse: an ellipse or elliptic arc in world coordinates, its length
// by numeric quadrature, its axes found again after any affine transform.
#include "db_curves.h"

#include <cmath>

#include "db/curves/curve_math.h"
#include "zek/arc_math.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbEllipse, AcDbCurve, "ELLIPSE",
                           []() -> AcRxObject* { return new AcDbEllipse; })

using namespace zek::curve;

namespace {

// A parameter as the ellipse holds it: [0, 2π] kept (2π ends a full
// ellipse), anything else brought into [0, 2π).
double paramIntoRange(double param) {
  return param >= 0.0 && param <= kTwoPi ? param : zek::normalizeAngle(param);
}

constexpr double kFullTurnSlack = 1e-12;

}  // namespace

AcDbEllipse::AcDbEllipse(const AcGePoint3d& center, const AcGeVector3d& unitNormal,
                         const AcGeVector3d& majorAxis, double radiusRatio, double startAngle,
                         double endAngle) {
  if (set(center, unitNormal, majorAxis, radiusRatio, startAngle, endAngle) != Acad::eOk)
    return;  // bad input: the default ellipse stays
}

AcGePoint3d AcDbEllipse::center() const { assertReadEnabled(); return center_; }
AcGeVector3d AcDbEllipse::normal() const { assertReadEnabled(); return normal_; }
AcGeVector3d AcDbEllipse::majorAxis() const { assertReadEnabled(); return majorAxis_; }
AcGeVector3d AcDbEllipse::minorAxis() const {
  assertReadEnabled();
  return normal_.normal().crossProduct(majorAxis_) * radiusRatio_;
}
double AcDbEllipse::radiusRatio() const { assertReadEnabled(); return radiusRatio_; }
double AcDbEllipse::startParam() const { assertReadEnabled(); return startParam_; }
double AcDbEllipse::endParam() const { assertReadEnabled(); return endParam_; }
double AcDbEllipse::startAngle() const { return angleAtParam(startParam()); }
double AcDbEllipse::endAngle() const {
  const double end = endParam();
  return end == kTwoPi ? kTwoPi : angleAtParam(end);
}

double AcDbEllipse::paramAtAngle(double angle) const {
  // The point at `angle` from the major axis is (a·cos t, b·sin t) with
  // tan t = (a/b)·tan(angle).
  return zek::normalizeAngle(std::atan2(std::sin(angle), radiusRatio() * std::cos(angle)));
}

double AcDbEllipse::angleAtParam(double param) const {
  return zek::normalizeAngle(std::atan2(radiusRatio() * std::sin(param), std::cos(param)));
}

Acad::ErrorStatus AcDbEllipse::setCenter(const AcGePoint3d& center) {
  assertWriteEnabled();
  center_ = center;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::setRadiusRatio(double ratio) {
  assertWriteEnabled();
  if (!(ratio > 0.0 && ratio <= 1.0))
    return Acad::eInvalidInput;
  radiusRatio_ = ratio;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::setStartParam(double param) {
  assertWriteEnabled();
  if (!std::isfinite(param))
    return Acad::eInvalidInput;
  startParam_ = paramIntoRange(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::setEndParam(double param) {
  assertWriteEnabled();
  if (!std::isfinite(param))
    return Acad::eInvalidInput;
  endParam_ = paramIntoRange(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::setStartAngle(double angle) {
  if (!std::isfinite(angle))
    return Acad::eInvalidInput;
  return setStartParam(paramAtAngle(angle));
}

Acad::ErrorStatus AcDbEllipse::setEndAngle(double angle) {
  if (!std::isfinite(angle))
    return Acad::eInvalidInput;
  return setEndParam(angle >= kTwoPi - kFullTurnSlack ? kTwoPi : paramAtAngle(angle));
}

Acad::ErrorStatus AcDbEllipse::set(const AcGePoint3d& center, const AcGeVector3d& unitNormal,
                                   const AcGeVector3d& majorAxis, double radiusRatio,
                                   double startAngle, double endAngle) {
  assertWriteEnabled();
  AcGeVector3d n, a;
  if (!zek::curve::unitNormal(unitNormal, n) || !zek::curve::unitNormal(majorAxis, a) ||
      std::fabs(n.dotProduct(a)) > 1e-9 || !(radiusRatio > 0.0 && radiusRatio <= 1.0) ||
      !std::isfinite(startAngle) || !std::isfinite(endAngle))
    return Acad::eInvalidInput;
  center_ = center;
  normal_ = n;
  majorAxis_ = majorAxis;
  radiusRatio_ = radiusRatio;
  startParam_ = paramAtAngle(startAngle);
  endParam_ = endAngle >= kTwoPi - kFullTurnSlack ? kTwoPi : paramAtAngle(endAngle);
  if (endParam_ == 0.0 && startParam_ == 0.0)
    endParam_ = kTwoPi;
  return Acad::eOk;
}

// ---- Curve queries ----------------------------------------------------------

double AcDbEllipse::sweep() const {
  double s = endParam_ - startParam_;
  if (s <= 0.0)
    s += kTwoPi;  // equal parameters: the whole ellipse
  return s;
}

AcGePoint3d AcDbEllipse::pointAt(double t) const {
  const AcGeVector3d minor = normal_.normal().crossProduct(majorAxis_) * radiusRatio_;
  return center_ + majorAxis_ * std::cos(t) + minor * std::sin(t);
}

AcGeVector3d AcDbEllipse::derivativeAt(double t) const {
  const AcGeVector3d minor = normal_.normal().crossProduct(majorAxis_) * radiusRatio_;
  return majorAxis_ * -std::sin(t) + minor * std::cos(t);
}

bool AcDbEllipse::isClosed() const {
  assertReadEnabled();
  return sweep() >= kTwoPi - kFullTurnSlack;
}

Acad::ErrorStatus AcDbEllipse::getStartParam(double& param) const {
  assertReadEnabled();
  param = startParam_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getEndParam(double& param) const {
  assertReadEnabled();
  param = startParam_ + sweep();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getStartPoint(AcGePoint3d& point) const {
  assertReadEnabled();
  point = pointAt(startParam_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getEndPoint(AcGePoint3d& point) const {
  assertReadEnabled();
  point = pointAt(startParam_ + sweep());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getPointAtParam(double param, AcGePoint3d& point) const {
  assertReadEnabled();
  const double tol = 1e-12 * (1.0 + std::fabs(param));
  if (!(param >= startParam_ - tol && param <= startParam_ + sweep() + tol))
    return Acad::eInvalidInput;
  point = pointAt(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  assertReadEnabled();
  const AcGeVector3d minor = normal_.normal().crossProduct(majorAxis_) * radiusRatio_;
  const AcGeVector3d d = point - center_;
  const double t = std::atan2(d.dotProduct(minor) / minor.lengthSqrd(),
                              d.dotProduct(majorAxis_) / majorAxis_.lengthSqrd());
  const double tol = onCurveTolerance(majorAxis_.length() + center_.asVector().length());
  if (!std::isfinite(t) || pointAt(t).distanceTo(point) > tol)
    return Acad::eInvalidInput;
  const double s = sweep();
  double along = zek::normalizeAngle(t - startParam_);
  if (along > s) {
    // Just before the start or just past the end counts as that end.
    if (point.distanceTo(pointAt(startParam_)) <= tol)
      along = 0.0;
    else if (point.distanceTo(pointAt(startParam_ + s)) <= tol)
      along = s;
    else
      return Acad::eInvalidInput;
  }
  param = startParam_ + along;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getDistAtParam(double param, double& dist) const {
  AcGePoint3d unused;
  Acad::ErrorStatus es = getPointAtParam(param, unused);
  if (es != Acad::eOk)
    return es;
  dist = param <= startParam_
             ? 0.0
             : integrate([this](double t) { return derivativeAt(t).length(); }, startParam_, param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getParamAtDist(double dist, double& param) const {
  assertReadEnabled();
  const double end = startParam_ + sweep();
  const auto speed = [this](double t) { return derivativeAt(t).length(); };
  const double length = integrate(speed, startParam_, end);
  const double tol = onCurveTolerance(length);
  if (!(dist >= -tol && dist <= length + tol))
    return Acad::eInvalidInput;
  param = invertLength([&](double t) { return integrate(speed, startParam_, t); }, speed,
                       startParam_, end, dist);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getDistAtPoint(const AcGePoint3d& point, double& dist) const {
  return AcDbCurve::getDistAtPoint(point, dist);
}

Acad::ErrorStatus AcDbEllipse::getPointAtDist(double dist, AcGePoint3d& point) const {
  return AcDbCurve::getPointAtDist(dist, point);
}

Acad::ErrorStatus AcDbEllipse::getClosestPointTo(const AcGePoint3d& givenPoint,
                                                 AcGePoint3d& pointOnCurve, bool extend) const {
  assertReadEnabled();
  const double t0 = extend ? 0.0 : startParam_;
  const double s = extend ? kTwoPi : sweep();
  constexpr int kSamples = 72;
  const auto distance = [&](double t) { return pointAt(t).distanceTo(givenPoint); };
  int best = 0;
  for (int i = 1; i <= kSamples; ++i)
    if (distance(t0 + s * i / kSamples) < distance(t0 + s * best / kSamples))
      best = i;
  const double lo = t0 + s * std::max(best - 1, 0) / kSamples;
  const double hi = t0 + s * std::min(best + 1, kSamples) / kSamples;
  const double t = goldenMinimum(distance, lo, hi);
  pointOnCurve = distance(t) < distance(t0 + s * best / kSamples) ? pointAt(t)
                                                                  : pointAt(t0 + s * best / kSamples);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getArea(double& area) const {
  assertReadEnabled();
  // The affine image of a circle's segment: a·b/2 · (θ − sin θ); a·b·π whole.
  const double a = majorAxis_.length(), b = a * radiusRatio_;
  const double s = sweep();
  area = 0.5 * a * b * (s - std::sin(s));
  return Acad::eOk;
}

// ---- Entity geometry ----------------------------------------------------------

Acad::ErrorStatus AcDbEllipse::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  AcDbExtents box;
  addEllipticArcExtents(box, center_, majorAxis_, minorAxis(), startParam_, sweep());
  extents = box;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::transformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  // The images of the axes are conjugate semi-diameters of the new ellipse:
  // P(t) = cos t·A + sin t·B. Its principal axes lie at t0 with
  // tan 2t0 = 2·A·B / (|A|² − |B|²); the parameters shift by t0.
  const AcGeVector3d a = xform * majorAxis_;
  const AcGeVector3d b = xform * minorAxis();
  const double twiceDot = 2.0 * a.dotProduct(b);
  const double diff = a.lengthSqrd() - b.lengthSqrd();
  double t0 = 0.0;
  if (std::fabs(twiceDot) > 1e-12 * a.lengthSqrd() || std::fabs(diff) > 1e-12 * a.lengthSqrd())
    t0 = 0.5 * std::atan2(twiceDot, diff);
  const auto at = [&](double t) { return a * std::cos(t) + b * std::sin(t); };
  if (at(t0).lengthSqrd() < at(t0 + kPi / 2.0).lengthSqrd())
    t0 += kPi / 2.0;
  const AcGeVector3d major = at(t0), minor = at(t0 + kPi / 2.0);
  AcGeVector3d normal;
  if (major.isZeroLength() || !unitNormal(major.crossProduct(minor), normal))
    return Acad::eInvalidInput;  // the matrix flattens the ellipse onto a line
  const bool closed = isClosed();
  const double oldStart = startParam_, oldEnd = startParam_ + sweep();
  center_.transformBy(xform);
  majorAxis_ = major;
  normal_ = normal;
  radiusRatio_ = std::fmin(minor.length() / major.length(), 1.0);
  if (closed) {
    startParam_ = 0.0;
    endParam_ = kTwoPi;
  } else {
    startParam_ = zek::normalizeAngle(oldStart - t0);
    endParam_ = zek::normalizeAngle(oldEnd - t0);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&,
                                             AcDbIntArray&) const {
  assertReadEnabled();
  gripPoints.append(center_);
  for (int quadrant = 0; quadrant < 4; ++quadrant)
    gripPoints.append(pointAt(quadrant * kPi / 2.0));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::moveGripPointsAt(const AcDbIntArray& indices,
                                                const AcGeVector3d& offset) {
  assertWriteEnabled();
  if (indices.contains(0))
    center_ += offset;
  return Acad::eOk;
}

bool AcDbEllipse::crossesBox(const AcDbExtents& box) const {
  assertReadEnabled();
  const AcGeVector3d minor = minorAxis();
  return ellipticArcCrossesRect(center_.convert2d(), AcGeVector2d(majorAxis_.x, majorAxis_.y),
                                AcGeVector2d(minor.x, minor.y), startParam_, sweep(),
                                rectOf(box));
}
