// AcDbCircle: a full circle in the plane of its normal, parameterised by the
// angle from the plane's X axis.
#include "db_curves.h"

#include <cmath>

#include "db/curves/circle_data.h"
#include "db/curves/curve_math.h"
#include "zek/arc_math.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbCircle, AcDbCurve, "CIRCLE",
                           []() -> AcRxObject* { return new AcDbCircle; })

using namespace zek::curve;

AcDbCircle::AcDbCircle(const AcGePoint3d& center, const AcGeVector3d& normal, double radius) {
  AcGeVector3d unit;
  data_.normal = unitNormal(normal, unit) ? unit : AcGeVector3d::kZAxis;
  data_.radius = std::fabs(radius);
  setCentreWcs(data_, center);
}

AcGePoint3d AcDbCircle::center() const { assertReadEnabled(); return centreWcs(data_); }
double AcDbCircle::radius() const { assertReadEnabled(); return data_.radius; }
AcGeVector3d AcDbCircle::normal() const { assertReadEnabled(); return data_.normal; }
double AcDbCircle::thickness() const { assertReadEnabled(); return data_.thickness; }
double AcDbCircle::circumference() const { return kTwoPi * radius(); }

Acad::ErrorStatus AcDbCircle::setCenter(const AcGePoint3d& center) {
  assertWriteEnabled();
  setCentreWcs(data_, center);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::setRadius(double radius) {
  assertWriteEnabled();
  if (!(radius >= 0.0) || !std::isfinite(radius))
    return Acad::eInvalidInput;
  data_.radius = radius;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::setNormal(const AcGeVector3d& normal) {
  assertWriteEnabled();
  return setNormalKeepingCentre(data_, normal);
}

Acad::ErrorStatus AcDbCircle::setThickness(double thickness) {
  assertWriteEnabled();
  if (!std::isfinite(thickness))
    return Acad::eInvalidInput;
  data_.thickness = thickness;
  return Acad::eOk;
}

// ---- Curve queries ----------------------------------------------------------

namespace {
double circleTolerance(const zek::CircleData& data) {
  return onCurveTolerance(data.radius + data.centreOcs.asVector().length());
}
}  // namespace

Acad::ErrorStatus AcDbCircle::getStartParam(double& param) const {
  assertReadEnabled();
  param = 0.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getEndParam(double& param) const {
  assertReadEnabled();
  param = kTwoPi;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getStartPoint(AcGePoint3d& point) const {
  assertReadEnabled();
  point = pointAtAngle(data_, 0.0);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getEndPoint(AcGePoint3d& point) const {
  return getStartPoint(point);
}

Acad::ErrorStatus AcDbCircle::getPointAtParam(double param, AcGePoint3d& point) const {
  assertReadEnabled();
  if (!std::isfinite(param))
    return Acad::eInvalidInput;
  point = pointAtAngle(data_, param);  // the circle is periodic: any angle lies on it
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  assertReadEnabled();
  if (distanceFromCircle(data_, point) > circleTolerance(data_))
    return Acad::eInvalidInput;
  param = angleOfPoint(data_, point);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getDistAtParam(double param, double& dist) const {
  assertReadEnabled();
  if (!(param >= 0.0 && param <= kTwoPi))
    return Acad::eInvalidInput;
  dist = data_.radius * param;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getParamAtDist(double dist, double& param) const {
  assertReadEnabled();
  const double length = kTwoPi * data_.radius;
  const double tol = circleTolerance(data_);
  if (!(dist >= -tol && dist <= length + tol) || data_.radius == 0.0)
    return Acad::eInvalidInput;
  param = std::fmin(std::fmax(dist / data_.radius, 0.0), kTwoPi);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getClosestPointTo(const AcGePoint3d& givenPoint,
                                                AcGePoint3d& pointOnCurve, bool) const {
  assertReadEnabled();
  pointOnCurve = pointAtAngle(data_, angleOfPoint(data_, givenPoint));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getDistAtPoint(const AcGePoint3d& point, double& dist) const {
  return AcDbCurve::getDistAtPoint(point, dist);
}

Acad::ErrorStatus AcDbCircle::getPointAtDist(double dist, AcGePoint3d& point) const {
  return AcDbCurve::getPointAtDist(dist, point);
}

Acad::ErrorStatus AcDbCircle::getArea(double& area) const {
  assertReadEnabled();
  area = kPi * data_.radius * data_.radius;
  return Acad::eOk;
}

// ---- Entity geometry ----------------------------------------------------------

Acad::ErrorStatus AcDbCircle::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  extents = arcBox(data_, 0.0, kTwoPi);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::transformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  AcGeMatrix2d local;
  return transformCircle(data_, xform, local);
}

Acad::ErrorStatus AcDbCircle::getGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&,
                                            AcDbIntArray&) const {
  assertReadEnabled();
  gripPoints.append(centreWcs(data_));
  for (int quadrant = 0; quadrant < 4; ++quadrant)
    gripPoints.append(pointAtAngle(data_, quadrant * kPi / 2.0));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::moveGripPointsAt(const AcDbIntArray& indices,
                                               const AcGeVector3d& offset) {
  assertWriteEnabled();
  for (int index : indices) {
    if (index == 0) {
      setCentreWcs(data_, centreWcs(data_) + offset);
    } else if (index >= 1 && index <= 4) {
      // The moved quadrant point's distance from the centre, in the plane.
      const AcGePoint3d moved = pointAtAngle(data_, (index - 1) * kPi / 2.0) + offset;
      const AcGePoint3d ocs = wcsToOcs(moved, data_.normal);
      data_.radius = std::hypot(ocs.x - data_.centreOcs.x, ocs.y - data_.centreOcs.y);
    }
  }
  return Acad::eOk;
}

bool AcDbCircle::crossesBox(const AcDbExtents& box) const {
  assertReadEnabled();
  return arcCrossesBox(data_, 0.0, kTwoPi, box);
}

// ---- Filing -----------------------------------------------------------------

Acad::ErrorStatus AcDbCircle::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  fileCircleData(filer, data_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbCircle::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  unfileCircleData(filer, data_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbCircle::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  return readCircleSection(filer, data_);
}

Acad::ErrorStatus AcDbCircle::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  writeCircleSection(filer, data_);
  return filer->filerStatus();
}
