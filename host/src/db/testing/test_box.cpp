// ZekTestBox: class registration and filing.
#include "db/testing/test_box.h"

ACRX_DXF_DEFINE_MEMBERS(ZekTestBox, AcDbEntity, AcDb::kDHL_1018, 0, 1023, ZEKTESTBOX,
                        "ZEKTEST_1.0")

Acad::ErrorStatus ZekTestBox::setCentre(const AcGePoint2d& centre) {
  assertWriteEnabled();
  centre_ = centre;
  return Acad::eOk;
}

Acad::ErrorStatus ZekTestBox::setSize(double length, double height) {
  assertWriteEnabled();
  if (!(length >= 0.0) || !(height >= 0.0))
    return Acad::eInvalidInput;
  length_ = length;
  height_ = height;
  return Acad::eOk;
}

Acad::ErrorStatus ZekTestBox::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeInt16(kVersion);
  filer->writePoint2d(centre_);
  filer->writeDouble(length_);
  filer->writeDouble(height_);
  return filer->filerStatus();
}

Acad::ErrorStatus ZekTestBox::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  Adesk::Int16 version = 0;
  filer->readInt16(&version);
  if (version != kVersion)
    return Acad::eMakeMeProxy;
  filer->readPoint2d(&centre_);
  filer->readDouble(&length_);
  filer->readDouble(&height_);
  return filer->filerStatus();
}

Acad::ErrorStatus ZekTestBox::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeString(AcDb::kDxfSubclass, "ZEKTESTBOX");
  filer->writeInt16(AcDb::kDxfInt16, kVersion);
  filer->writePoint2d(AcDb::kDxfXCoord, centre_);
  filer->writeDouble(AcDb::kDxfReal, length_);
  filer->writeDouble(AcDb::kDxfReal, height_);
  return filer->filerStatus();
}

// Reads the groups in the order they are written; a group out of place is
// given back to the filer and reported, so the host keeps the entity as read.
Acad::ErrorStatus ZekTestBox::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  if (!filer->atSubclassData("ZEKTESTBOX"))
    return filer->setError(Acad::eMissingDxfField, "\nError: missing subclass ZEKTESTBOX");
  resbuf rb;
  auto expect = [&](int code) {
    Acad::ErrorStatus read = filer->readItem(&rb);
    if (read == Acad::eOk && rb.restype == code)
      return Acad::eOk;
    if (read == Acad::eOk)
      filer->pushBackItem();
    return filer->setError(Acad::eInvalidDxfCode, "\nError: expected group code %d", code);
  };
  if ((es = expect(AcDb::kDxfInt16)) != Acad::eOk)
    return es;
  if (rb.resval.rint != kVersion)
    return Acad::eMakeMeProxy;
  if ((es = expect(AcDb::kDxfXCoord)) != Acad::eOk)
    return es;
  AcGePoint2d centre(rb.resval.rpoint[0], rb.resval.rpoint[1]);
  if ((es = expect(AcDb::kDxfReal)) != Acad::eOk)
    return es;
  double length = rb.resval.rreal;
  if ((es = expect(AcDb::kDxfReal)) != Acad::eOk)
    return es;
  centre_ = centre;
  length_ = length;
  height_ = rb.resval.rreal;
  // Groups a later version may add stay with the entity.
  while ((es = filer->readItem(&rb)) == Acad::eOk)
    filer->keepUnknownItem();
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}
