// AcDbBlockReference filing: the AcDbBlockReference (or, for a multiple
// insert, AcDbMInsertBlock) section of INSERT, and the binary filer's order.
#include "db_blockref.h"

#include "db/annotations/annotation_filing.h"
#include "db_database.h"

namespace {
constexpr const char* kReferenceMarker = "AcDbBlockReference";
constexpr const char* kMInsertMarker = "AcDbMInsertBlock";
}  // namespace

Acad::ErrorStatus AcDbBlockReference::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  // A multiple insert files its section under its own marker; the same
  // reading serves both, and writing puts back the marker the file had.
  bool found = filer->atSubclassData(kReferenceMarker);
  if (!found) {
    found = filer->atSubclassData(kMInsertMarker);
    mInsertMarker_ = found;
  }
  if (!found)
    return filer->filerStatus();
  AcDbDatabase* db = filer->database();
  resbuf rb;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 66: attributesFollow_ = zek::groupInteger(rb) != 0; break;
      case 2:
        blockName_ = zek::groupText(rb);
        block_ = zek::blockByName(db, blockName_);
        break;
      case 10: position_ = zek::groupPoint(rb); break;
      case 41: scale_.sx = rb.resval.rreal; break;
      case 42: scale_.sy = rb.resval.rreal; break;
      case 43: scale_.sz = rb.resval.rreal; break;
      case 50: rotation_ = zek::groupAngle(rb); break;
      case 44: columnSpacing_ = rb.resval.rreal; break;
      case 45: rowSpacing_ = rb.resval.rreal; break;
      case 210: normal_ = zek::groupVector(rb); break;
      case 70:
      case 71: {
        long long count = zek::groupInteger(rb);
        if (count >= 1 && count <= 0xFFFF)
          (rb.restype == 70 ? columns_ : rows_) = static_cast<Adesk::UInt16>(count);
        else
          filer->keepUnknownItem();  // a count of 0 from a careless writer stays as filed
        break;
      }
      default:
        filer->keepUnknownItem();
        break;
    }
  }
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDbBlockReference::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  bool multiple = mInsertMarker_ || columns_ > 1 || rows_ > 1;
  filer->writeString(AcDb::kDxfSubclass, multiple ? kMInsertMarker : kReferenceMarker);
  if (hasSubentities())
    filer->writeInt16(66, 1);
  filer->writeString(2, blockName());
  filer->writePoint3d(10, position_);
  if (scale_.sx != 1.0)
    filer->writeDouble(41, scale_.sx);
  if (scale_.sy != 1.0)
    filer->writeDouble(42, scale_.sy);
  if (scale_.sz != 1.0)
    filer->writeDouble(43, scale_.sz);
  if (rotation_ != 0.0)
    filer->writeAngle(50, rotation_);
  if (multiple) {
    filer->writeInt16(70, static_cast<Adesk::Int16>(columns_));
    filer->writeInt16(71, static_cast<Adesk::Int16>(rows_));
    filer->writeDouble(44, columnSpacing_);
    filer->writeDouble(45, rowSpacing_);
  }
  zek::writeNormal(filer, normal_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbBlockReference::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeHardPointerId(block_);
  filer->writeString(blockName_);
  filer->writePoint3d(position_);
  filer->writeDouble(scale_.sx);
  filer->writeDouble(scale_.sy);
  filer->writeDouble(scale_.sz);
  filer->writeDouble(rotation_);
  filer->writeVector3d(normal_);
  filer->writeUInt16(columns_);
  filer->writeUInt16(rows_);
  filer->writeDouble(columnSpacing_);
  filer->writeDouble(rowSpacing_);
  filer->writeBool(mInsertMarker_);
  filer->writeBool(attributesFollow_);
  filer->writeInt32(static_cast<Adesk::Int32>(attributes_.size()));
  for (AcDbObjectId id : attributes_)
    filer->writeHardOwnershipId(id);
  filer->writeHardOwnershipId(sequenceEnd_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbBlockReference::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->readHardPointerId(&block_);
  filer->readString(blockName_);
  filer->readPoint3d(&position_);
  filer->readDouble(&scale_.sx);
  filer->readDouble(&scale_.sy);
  filer->readDouble(&scale_.sz);
  filer->readDouble(&rotation_);
  filer->readVector3d(&normal_);
  filer->readUInt16(&columns_);
  filer->readUInt16(&rows_);
  filer->readDouble(&columnSpacing_);
  filer->readDouble(&rowSpacing_);
  filer->readBool(&mInsertMarker_);
  filer->readBool(&attributesFollow_);
  Adesk::Int32 count = 0;
  filer->readInt32(&count);
  attributes_.clear();
  for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    AcDbObjectId id;
    filer->readHardOwnershipId(&id);
    attributes_.push_back(id);
  }
  filer->readHardOwnershipId(&sequenceEnd_);
  // A plain copy is a new reference: the attributes stay with the original
  // (deep cloning copies them along and gives the copy their copies).
  if (filer->filerType() == AcDb::kCopyFiler) {
    attributes_.clear();
    sequenceEnd_.setNull();
    attributesFollow_ = false;
  }
  return filer->filerStatus();
}
