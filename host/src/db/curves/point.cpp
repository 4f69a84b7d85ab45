// AcDbPoint: a point entity in world coordinates, with the thickness and
// normal it is extruded along and the rotation of its display (group 50).
#include "db_curves.h"

#include <cmath>

#include "db/curves/curve_math.h"
#include "zek/arc_math.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbPoint, AcDbEntity, "POINT",
                           []() -> AcRxObject* { return new AcDbPoint; })

using namespace zek::curve;

AcGePoint3d AcDbPoint::position() const { assertReadEnabled(); return position_; }
double AcDbPoint::thickness() const { assertReadEnabled(); return thickness_; }
AcGeVector3d AcDbPoint::normal() const { assertReadEnabled(); return normal_; }
double AcDbPoint::ecsRotation() const { assertReadEnabled(); return ecsRotation_; }

Acad::ErrorStatus AcDbPoint::setPosition(const AcGePoint3d& position) {
  assertWriteEnabled();
  position_ = position;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::setThickness(double thickness) {
  assertWriteEnabled();
  if (!std::isfinite(thickness))
    return Acad::eInvalidInput;
  thickness_ = thickness;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::setNormal(const AcGeVector3d& normal) {
  assertWriteEnabled();
  AcGeVector3d unit;
  if (!unitNormal(normal, unit))
    return Acad::eInvalidInput;
  normal_ = unit;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::setEcsRotation(double rotation) {
  assertWriteEnabled();
  if (!std::isfinite(rotation))
    return Acad::eInvalidInput;
  ecsRotation_ = zek::normalizeAngle(rotation);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  AcDbExtents box;
  box.addPoint(position_);
  AcGeVector3d unit;
  if (thickness_ != 0.0 && unitNormal(normal_, unit))
    addExtrusion(box, unit * thickness_);  // a file's normal need not be a unit vector
  extents = box;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::transformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  position_.transformBy(xform);
  AcGeVector3d unit;
  if (unitNormal(xform * normal_, unit))
    normal_ = unit;
  thickness_ *= xform.scale();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::getGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&,
                                           AcDbIntArray&) const {
  assertReadEnabled();
  gripPoints.append(position_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::moveGripPointsAt(const AcDbIntArray& indices,
                                              const AcGeVector3d& offset) {
  assertWriteEnabled();
  if (indices.contains(0))
    position_ += offset;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writePoint3d(position_);
  filer->writeVector3d(normal_);
  filer->writeDouble(thickness_);
  filer->writeDouble(ecsRotation_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbPoint::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->readPoint3d(&position_);
  filer->readVector3d(&normal_);
  filer->readDouble(&thickness_);
  filer->readDouble(&ecsRotation_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbPoint::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  if (!filer->atSubclassData("AcDbPoint"))
    return filer->filerStatus();
  resbuf rb;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    const double* p = rb.resval.rpoint;
    switch (rb.restype) {
      case 10:
        position_.set(p[0], p[1], p[2]);
        break;
      case 39:
        thickness_ = rb.resval.rreal;
        break;
      case 210:
        normal_.set(p[0], p[1], p[2]);
        if (normal_.isZeroLength())
          normal_ = AcGeVector3d::kZAxis;
        break;
      case 50:
        ecsRotation_ = radiansFromDxfDegrees(rb.resval.rreal);
        break;
      default:
        filer->keepUnknownItem();
        break;
    }
  }
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDbPoint::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbPoint");
  filer->writePoint3d(10, position_);
  if (thickness_ != 0.0)
    filer->writeDouble(AcDb::kDxfThickness, thickness_);
  if (!isWorldZ(normal_))
    filer->writeVector3d(AcDb::kDxfNormalX, normal_);
  if (ecsRotation_ != 0.0)
    filer->writeDouble(50, dxfDegreesFromRadians(ecsRotation_));
  return filer->filerStatus();
}
