// AcDbEllipse filed: the ELLIPSE groups of DXF files and the binary filer.
#include "db_curves.h"

#include "db/curves/curve_math.h"

using namespace zek::curve;

Acad::ErrorStatus AcDbEllipse::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writePoint3d(center_);
  filer->writeVector3d(majorAxis_);
  filer->writeVector3d(normal_);
  filer->writeDouble(radiusRatio_);
  filer->writeDouble(startParam_);
  filer->writeDouble(endParam_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbEllipse::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->readPoint3d(&center_);
  filer->readVector3d(&majorAxis_);
  filer->readVector3d(&normal_);
  filer->readDouble(&radiusRatio_);
  filer->readDouble(&startParam_);
  filer->readDouble(&endParam_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbEllipse::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  if (!filer->atSubclassData("AcDbEllipse"))
    return filer->filerStatus();
  resbuf rb;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    const double* p = rb.resval.rpoint;
    switch (rb.restype) {
      case 10:
        center_.set(p[0], p[1], p[2]);
        break;
      case 11:
        majorAxis_.set(p[0], p[1], p[2]);
        break;
      case 210:
        normal_.set(p[0], p[1], p[2]);
        if (normal_.isZeroLength())
          normal_ = AcGeVector3d::kZAxis;
        break;
      case 40:
        radiusRatio_ = rb.resval.rreal;
        break;
      case 41:
        startParam_ = rb.resval.rreal;
        break;
      case 42:
        endParam_ = rb.resval.rreal;
        break;
      default:
        filer->keepUnknownItem();
        break;
    }
  }
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDbEllipse::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbEllipse");
  filer->writePoint3d(10, center_);
  filer->writePoint3d(11, AcGePoint3d::kOrigin + majorAxis_);
  if (!isWorldZ(normal_))
    filer->writeVector3d(AcDb::kDxfNormalX, normal_);
  filer->writeDouble(40, radiusRatio_);
  filer->writeDouble(41, startParam_);
  filer->writeDouble(42, endParam_);
  return filer->filerStatus();
}
