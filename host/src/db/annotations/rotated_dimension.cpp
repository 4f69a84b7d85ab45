// AcDbRotatedDimension: a linear dimension measured along its rotation, with
// its AcDbAlignedDimension and AcDbRotatedDimension sections.
#include "db_dimension.h"

#include <cmath>

#include "db/annotations/annotation_filing.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbRotatedDimension, AcDbDimension, "DIMENSION",
                           []() -> AcRxObject* { return new AcDbRotatedDimension; })

AcDbRotatedDimension::AcDbRotatedDimension() = default;

AcDbRotatedDimension::AcDbRotatedDimension(double rotation, const AcGePoint3d& xLine1Point,
                                           const AcGePoint3d& xLine2Point,
                                           const AcGePoint3d& dimLinePoint, const char* dimText,
                                           AcDbObjectId dimStyle)
    : xLine1_(xLine1Point), xLine2_(xLine2Point), rotation_(rotation) {
  setDefinitionPoint(dimLinePoint);
  setDimensionText(dimText);
  setDimensionStyle(dimStyle);
}

AcDbRotatedDimension::~AcDbRotatedDimension() = default;

Acad::ErrorStatus AcDbRotatedDimension::setXLine1Point(const AcGePoint3d& point) {
  assertWriteEnabled();
  xLine1_ = point;
  noteGeometryChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRotatedDimension::setXLine2Point(const AcGePoint3d& point) {
  assertWriteEnabled();
  xLine2_ = point;
  noteGeometryChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRotatedDimension::setDimLinePoint(const AcGePoint3d& point) {
  assertWriteEnabled();
  setDefinitionPoint(point);
  noteDisplayChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRotatedDimension::setRotation(double angle) {
  assertWriteEnabled();
  rotation_ = angle;
  noteGeometryChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRotatedDimension::setOblique(double angle) {
  assertWriteEnabled();
  oblique_ = angle;
  noteDisplayChanged();
  return Acad::eOk;
}

bool AcDbRotatedDimension::computeMeasurement(double& value) const {
  AcGeVector3d along = AcGeMatrix3d::planeToWorld(normal()) *
                       AcGeVector3d(std::cos(rotation_), std::sin(rotation_), 0.0);
  value = std::fabs((xLine2_ - xLine1_).dotProduct(along));
  return true;
}

void AcDbRotatedDimension::definitionPoints(std::vector<AcGePoint3d>& points) const {
  AcDbDimension::definitionPoints(points);
  points.push_back(xLine1_);
  points.push_back(xLine2_);
}

Acad::ErrorStatus AcDbRotatedDimension::transformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  AcGeVector3d before = normal();
  Acad::ErrorStatus es = AcDbDimension::transformBy(xform);
  if (es != Acad::eOk)
    return es;
  rotation_ = zek::transformedDirection(xform, before, normal(), rotation_).angle;
  xLine1_ = xform * xLine1_;
  xLine2_ = xform * xLine2_;
  return Acad::eOk;
}

namespace {
// The linear groups, wherever a writer put them (both sections take them).
Acad::ErrorStatus readLinearSection(AcDbDxfFiler* filer, AcGePoint3d& xLine1, AcGePoint3d& xLine2,
                                    double& rotation, double& oblique) {
  resbuf rb;
  Acad::ErrorStatus es;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 13: xLine1 = zek::groupPoint(rb); break;
      case 14: xLine2 = zek::groupPoint(rb); break;
      case 50: rotation = zek::groupAngle(rb); break;
      case 52: oblique = zek::groupAngle(rb); break;
      default: filer->keepUnknownItem(); break;
    }
  }
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}
}  // namespace

Acad::ErrorStatus AcDbRotatedDimension::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbDimension::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  if (filer->atSubclassData("AcDbAlignedDimension")) {
    es = readLinearSection(filer, xLine1_, xLine2_, rotation_, oblique_);
    if (es != Acad::eOk)
      return es;
  }
  if (!filer->atSubclassData("AcDbRotatedDimension"))
    return filer->filerStatus();
  return readLinearSection(filer, xLine1_, xLine2_, rotation_, oblique_);
}

Acad::ErrorStatus AcDbRotatedDimension::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbDimension::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbAlignedDimension");
  filer->writePoint3d(13, xLine1_);
  filer->writePoint3d(14, xLine2_);
  if (rotation_ != 0.0)
    filer->writeAngle(50, rotation_);
  if (oblique_ != 0.0)
    filer->writeAngle(52, oblique_);
  filer->writeString(AcDb::kDxfSubclass, "AcDbRotatedDimension");
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbRotatedDimension::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbDimension::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writePoint3d(xLine1_);
  filer->writePoint3d(xLine2_);
  filer->writeDouble(rotation_);
  filer->writeDouble(oblique_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbRotatedDimension::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbDimension::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->readPoint3d(&xLine1_);
  filer->readPoint3d(&xLine2_);
  filer->readDouble(&rotation_);
  filer->readDouble(&oblique_);
  return filer->filerStatus();
}
