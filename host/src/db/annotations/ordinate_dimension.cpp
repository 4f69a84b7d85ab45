// AcDbOrdinateDimension: the X or Y distance of a feature from an origin,
// and its AcDbOrdinateDimension section.
#include "db_dimension.h"

#include <cmath>

#include "db/annotations/annotation_filing.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbOrdinateDimension, AcDbDimension, "DIMENSION",
                           []() -> AcRxObject* { return new AcDbOrdinateDimension; })

AcDbOrdinateDimension::AcDbOrdinateDimension() = default;

AcDbOrdinateDimension::AcDbOrdinateDimension(bool useXAxis, const AcGePoint3d& definingPoint,
                                             const AcGePoint3d& leaderEndPoint,
                                             const char* dimText, AcDbObjectId dimStyle)
    : definingPoint_(definingPoint), leaderEnd_(leaderEndPoint) {
  setTypeFlag(64, useXAxis);
  setDimensionText(dimText);
  setDimensionStyle(dimStyle);
}

AcDbOrdinateDimension::~AcDbOrdinateDimension() = default;

Acad::ErrorStatus AcDbOrdinateDimension::useXAxis() { return setUsingXAxis(true); }
Acad::ErrorStatus AcDbOrdinateDimension::useYAxis() { return setUsingXAxis(false); }

Acad::ErrorStatus AcDbOrdinateDimension::setUsingXAxis(bool value) {
  assertWriteEnabled();
  setTypeFlag(64, value);
  noteGeometryChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbOrdinateDimension::setOrigin(const AcGePoint3d& point) {
  assertWriteEnabled();
  setDefinitionPoint(point);
  noteGeometryChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbOrdinateDimension::setDefiningPoint(const AcGePoint3d& point) {
  assertWriteEnabled();
  definingPoint_ = point;
  noteGeometryChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbOrdinateDimension::setLeaderEndPoint(const AcGePoint3d& point) {
  assertWriteEnabled();
  leaderEnd_ = point;
  noteDisplayChanged();
  return Acad::eOk;
}

// The unsigned distance along the measured axis of the dimension's plane,
// as the dimension's text shows it.
bool AcDbOrdinateDimension::computeMeasurement(double& value) const {
  AcGeVector3d axis = AcGeMatrix3d::planeToWorld(normal()) *
                      (typeFlag(64) ? AcGeVector3d::kXAxis : AcGeVector3d::kYAxis);
  value = std::fabs((definingPoint_ - definitionPoint()).dotProduct(axis));
  return true;
}

void AcDbOrdinateDimension::definitionPoints(std::vector<AcGePoint3d>& points) const {
  AcDbDimension::definitionPoints(points);
  points.push_back(definingPoint_);
  points.push_back(leaderEnd_);
}

Acad::ErrorStatus AcDbOrdinateDimension::transformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbDimension::transformBy(xform);
  if (es != Acad::eOk)
    return es;
  definingPoint_ = xform * definingPoint_;
  leaderEnd_ = xform * leaderEnd_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbOrdinateDimension::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbDimension::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  if (!filer->atSubclassData("AcDbOrdinateDimension"))
    return filer->filerStatus();
  resbuf rb;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 13: definingPoint_ = zek::groupPoint(rb); break;
      case 14: leaderEnd_ = zek::groupPoint(rb); break;
      default: filer->keepUnknownItem(); break;
    }
  }
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDbOrdinateDimension::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbDimension::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbOrdinateDimension");
  filer->writePoint3d(13, definingPoint_);
  filer->writePoint3d(14, leaderEnd_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbOrdinateDimension::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbDimension::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writePoint3d(definingPoint_);
  filer->writePoint3d(leaderEnd_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbOrdinateDimension::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbDimension::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->readPoint3d(&definingPoint_);
  filer->readPoint3d(&leaderEnd_);
  return filer->filerStatus();
}
