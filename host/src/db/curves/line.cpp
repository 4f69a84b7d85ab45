// AcDbLine: a straight segment between two world points, parameterised by
// the distance from its start.
#include "db_curves.h"

#include <cmath>

#include "db/curves/curve_math.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbLine, AcDbCurve, "LINE", []() -> AcRxObject* { return new AcDbLine; })

using namespace zek::curve;

AcGePoint3d AcDbLine::startPoint() const { assertReadEnabled(); return start_; }
AcGePoint3d AcDbLine::endPoint() const { assertReadEnabled(); return end_; }
double AcDbLine::thickness() const { assertReadEnabled(); return thickness_; }
AcGeVector3d AcDbLine::normal() const { assertReadEnabled(); return normal_; }

Acad::ErrorStatus AcDbLine::setStartPoint(const AcGePoint3d& point) {
  assertWriteEnabled();
  start_ = point;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::setEndPoint(const AcGePoint3d& point) {
  assertWriteEnabled();
  end_ = point;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::setThickness(double thickness) {
  assertWriteEnabled();
  if (!std::isfinite(thickness))
    return Acad::eInvalidInput;
  thickness_ = thickness;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::setNormal(const AcGeVector3d& normal) {
  assertWriteEnabled();
  AcGeVector3d unit;
  if (!unitNormal(normal, unit))
    return Acad::eInvalidInput;
  normal_ = unit;
  return Acad::eOk;
}

// ---- Curve queries ----------------------------------------------------------

namespace {
double lineTolerance(const AcGePoint3d& a, const AcGePoint3d& b) {
  return onCurveTolerance(std::fmax(a.asVector().length(), b.asVector().length()));
}
}  // namespace

Acad::ErrorStatus AcDbLine::getStartParam(double& param) const {
  assertReadEnabled();
  param = 0.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getEndParam(double& param) const {
  assertReadEnabled();
  param = start_.distanceTo(end_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getStartPoint(AcGePoint3d& point) const {
  point = startPoint();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getEndPoint(AcGePoint3d& point) const {
  point = endPoint();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getPointAtParam(double param, AcGePoint3d& point) const {
  assertReadEnabled();
  const double length = start_.distanceTo(end_);
  const double tol = lineTolerance(start_, end_);
  if (!(param >= -tol && param <= length + tol))
    return Acad::eInvalidInput;
  point = length == 0.0 ? start_ : start_ + (end_ - start_) * (param / length);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  assertReadEnabled();
  const AcGePoint3d foot = closestOnSegment(start_, end_, point);
  if (foot.distanceTo(point) > lineTolerance(start_, end_))
    return Acad::eInvalidInput;
  param = start_.distanceTo(foot);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getDistAtParam(double param, double& dist) const {
  AcGePoint3d unused;
  Acad::ErrorStatus es = getPointAtParam(param, unused);
  if (es == Acad::eOk)
    dist = param;
  return es;
}

Acad::ErrorStatus AcDbLine::getParamAtDist(double dist, double& param) const {
  AcGePoint3d unused;
  Acad::ErrorStatus es = getPointAtParam(dist, unused);
  if (es == Acad::eOk)
    param = dist;
  return es;
}

Acad::ErrorStatus AcDbLine::getDistAtPoint(const AcGePoint3d& point, double& dist) const {
  return getParamAtPoint(point, dist);
}

Acad::ErrorStatus AcDbLine::getPointAtDist(double dist, AcGePoint3d& point) const {
  return getPointAtParam(dist, point);
}

Acad::ErrorStatus AcDbLine::getClosestPointTo(const AcGePoint3d& givenPoint,
                                              AcGePoint3d& pointOnCurve, bool extend) const {
  assertReadEnabled();
  pointOnCurve = closestOnSegment(start_, end_, givenPoint, extend);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getArea(double& area) const {
  assertReadEnabled();
  area = 0.0;  // a segment and its own chord enclose nothing
  return Acad::eOk;
}

// ---- Entity geometry ----------------------------------------------------------

Acad::ErrorStatus AcDbLine::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  AcDbExtents box;
  box.addPoint(start_);
  box.addPoint(end_);
  AcGeVector3d unit;
  if (thickness_ != 0.0 && unitNormal(normal_, unit))
    addExtrusion(box, unit * thickness_);  // a file's normal need not be a unit vector
  extents = box;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::transformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  start_.transformBy(xform);
  end_.transformBy(xform);
  AcGeVector3d unit;
  if (unitNormal(xform * normal_, unit))
    normal_ = unit;
  thickness_ *= xform.scale();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&,
                                          AcDbIntArray&) const {
  assertReadEnabled();
  gripPoints.append(start_);
  gripPoints.append(start_ + (end_ - start_) * 0.5);
  gripPoints.append(end_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::moveGripPointsAt(const AcDbIntArray& indices,
                                             const AcGeVector3d& offset) {
  assertWriteEnabled();
  for (int index : indices) {
    if (index == 0 || index == 1)
      start_ += offset;
    if (index == 1 || index == 2)
      end_ += offset;
  }
  return Acad::eOk;
}

bool AcDbLine::crossesBox(const AcDbExtents& box) const {
  assertReadEnabled();
  return segmentCrossesRect(start_.convert2d(), end_.convert2d(), rectOf(box));
}

// ---- Filing -----------------------------------------------------------------

Acad::ErrorStatus AcDbLine::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writePoint3d(start_);
  filer->writePoint3d(end_);
  filer->writeVector3d(normal_);
  filer->writeDouble(thickness_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLine::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->readPoint3d(&start_);
  filer->readPoint3d(&end_);
  filer->readVector3d(&normal_);
  filer->readDouble(&thickness_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLine::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  if (!filer->atSubclassData("AcDbLine"))
    return filer->filerStatus();
  resbuf rb;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 10:
        start_.set(rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]);
        break;
      case 11:
        end_.set(rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]);
        break;
      case 39:
        thickness_ = rb.resval.rreal;
        break;
      case 210:
        normal_.set(rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]);
        if (normal_.isZeroLength())
          normal_ = AcGeVector3d::kZAxis;
        break;
      default:
        filer->keepUnknownItem();
        break;
    }
  }
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDbLine::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbLine");
  if (thickness_ != 0.0)
    filer->writeDouble(AcDb::kDxfThickness, thickness_);
  filer->writePoint3d(10, start_);
  filer->writePoint3d(11, end_);
  if (!isWorldZ(normal_))
    filer->writeVector3d(AcDb::kDxfNormalX, normal_);
  return filer->filerStatus();
}
