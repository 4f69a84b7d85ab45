// AcDbAlignedDimension: the distance between two points measured along the
// line through them, and its AcDbAlignedDimension section.
#include "db_dimension.h"

#include <cmath>

#include "db/annotations/annotation_filing.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbAlignedDimension, AcDbDimension, "DIMENSION",
                           []() -> AcRxObject* { return new AcDbAlignedDimension; })

AcDbAlignedDimension::AcDbAlignedDimension() = default;

AcDbAlignedDimension::AcDbAlignedDimension(const AcGePoint3d& xLine1Point,
                                           const AcGePoint3d& xLine2Point,
                                           const AcGePoint3d& dimLinePoint, const char* dimText,
                                           AcDbObjectId dimStyle)
    : xLine1_(xLine1Point), xLine2_(xLine2Point) {
  setDefinitionPoint(dimLinePoint);
  setDimensionText(dimText);
  setDimensionStyle(dimStyle);
}

AcDbAlignedDimension::~AcDbAlignedDimension() = default;

Acad::ErrorStatus AcDbAlignedDimension::setXLine1Point(const AcGePoint3d& point) {
  assertWriteEnabled();
  xLine1_ = point;
  noteGeometryChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbAlignedDimension::setXLine2Point(const AcGePoint3d& point) {
  assertWriteEnabled();
  xLine2_ = point;
  noteGeometryChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbAlignedDimension::setDimLinePoint(const AcGePoint3d& point) {
  assertWriteEnabled();
  setDefinitionPoint(point);
  noteDisplayChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbAlignedDimension::setOblique(double angle) {
  assertWriteEnabled();
  oblique_ = angle;
  noteDisplayChanged();
  return Acad::eOk;
}

bool AcDbAlignedDimension::computeMeasurement(double& value) const {
  value = xLine1_.distanceTo(xLine2_);
  return true;
}

void AcDbAlignedDimension::definitionPoints(std::vector<AcGePoint3d>& points) const {
  AcDbDimension::definitionPoints(points);
  points.push_back(xLine1_);
  points.push_back(xLine2_);
}

Acad::ErrorStatus AcDbAlignedDimension::transformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  AcGeVector3d before = normal();
  Acad::ErrorStatus es = AcDbDimension::transformBy(xform);
  if (es != Acad::eOk)
    return es;
  if (oblique_ != 0.0)
    oblique_ = zek::transformedDirection(xform, before, normal(), oblique_).angle;
  xLine1_ = xform * xLine1_;
  xLine2_ = xform * xLine2_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbAlignedDimension::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbDimension::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  if (!filer->atSubclassData("AcDbAlignedDimension"))
    return filer->filerStatus();
  resbuf rb;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 13: xLine1_ = zek::groupPoint(rb); break;
      case 14: xLine2_ = zek::groupPoint(rb); break;
      case 52: oblique_ = zek::groupAngle(rb); break;
      default: filer->keepUnknownItem(); break;
    }
  }
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDbAlignedDimension::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbDimension::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbAlignedDimension");
  filer->writePoint3d(13, xLine1_);
  filer->writePoint3d(14, xLine2_);
  if (oblique_ != 0.0)
    filer->writeAngle(52, oblique_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbAlignedDimension::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbDimension::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writePoint3d(xLine1_);
  filer->writePoint3d(xLine2_);
  filer->writeDouble(oblique_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbAlignedDimension::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbDimension::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->readPoint3d(&xLine1_);
  filer->readPoint3d(&xLine2_);
  filer->readDouble(&oblique_);
  return filer->filerStatus();
}
