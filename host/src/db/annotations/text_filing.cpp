// AcDbText filing: the AcDbText sections of TEXT (and the text part of
// ATTRIB and ATTDEF) in DXF files, and the binary filer's fixed order.
#include "db_text.h"

#include "db/annotations/annotation_filing.h"
#include "db_database.h"

Acad::ErrorStatus AcDbText::readTextSection(AcDbDxfFiler* filer, bool attributeForm) {
  if (!filer->atSubclassData("AcDbText"))
    return filer->filerStatus();
  AcDbDatabase* db = filer->database();
  resbuf rb;
  Acad::ErrorStatus es;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 10: position_ = zek::groupPoint(rb); break;
      case 11:
        alignmentPoint_ = zek::groupPoint(rb);
        hasAlignmentPoint_ = true;
        break;
      case 40: height_ = rb.resval.rreal; break;
      case 1: text_ = zek::groupText(rb); break;
      case 50: rotation_ = zek::groupAngle(rb); break;
      case 41: widthFactor_ = rb.resval.rreal; break;
      case 51: oblique_ = zek::groupAngle(rb); break;
      case 7:
        style_ = zek::recordByName(db, db ? db->textStyleTableId() : AcDbObjectId(),
                                   zek::groupText(rb));
        break;
      case 71: generation_ = static_cast<Adesk::Int16>(zek::groupInteger(rb)); break;
      case 39: thickness_ = rb.resval.rreal; break;
      case 210: normal_ = zek::groupVector(rb); break;
      case 72: {
        long long mode = zek::groupInteger(rb);
        if (mode >= AcDb::kTextLeft && mode <= AcDb::kTextFit)
          horizontalMode_ = static_cast<AcDb::TextHorzMode>(mode);
        else
          filer->keepUnknownItem();  // a mode we cannot show stays as the file had it
        break;
      }
      case 73: {
        long long mode = zek::groupInteger(rb);
        if (!attributeForm && mode >= AcDb::kTextBase && mode <= AcDb::kTextTop)
          verticalMode_ = static_cast<AcDb::TextVertMode>(mode);
        else
          filer->keepUnknownItem();  // an attribute's field length, for its own level
        break;
      }
      default:
        filer->keepUnknownItem();
        break;
    }
  }
  // Some writers leave out the alignment point of aligned text: the text
  // then stays anchored at its insertion point.
  if (!hasAlignmentPoint_)
    alignmentPoint_ = position_;
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDbText::writeTextSection(AcDbDxfFiler* filer) const {
  filer->writeString(AcDb::kDxfSubclass, "AcDbText");
  if (thickness_ != 0.0)
    filer->writeDouble(AcDb::kDxfThickness, thickness_);
  filer->writePoint3d(10, position_);
  filer->writeDouble(40, height_);
  filer->writeString(1, text_);
  if (rotation_ != 0.0)
    filer->writeAngle(50, rotation_);
  if (widthFactor_ != 1.0)
    filer->writeDouble(41, widthFactor_);
  if (oblique_ != 0.0)
    filer->writeAngle(51, oblique_);
  zek::writeTextStyle(filer, style_);
  if (generation_ != 0)
    filer->writeInt16(71, generation_);
  if (horizontalMode_ != AcDb::kTextLeft)
    filer->writeInt16(72, static_cast<Adesk::Int16>(horizontalMode_));
  bool defaultAlignment =
      horizontalMode_ == AcDb::kTextLeft && verticalMode_ == AcDb::kTextBase;
  if (hasAlignmentPoint_ || !defaultAlignment)
    filer->writePoint3d(11, alignmentPoint_);
  zek::writeNormal(filer, normal_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbText::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  es = readTextSection(filer, false);
  if (es != Acad::eOk)
    return es;
  // R13 and later put the vertical mode into a second AcDbText section (in
  // a drawing without markers this pass sees what the first one left).
  if (!filer->atSubclassData("AcDbText"))
    return filer->filerStatus();
  resbuf rb;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    long long mode = rb.restype == 73 ? zek::groupInteger(rb) : -1;
    if (mode >= AcDb::kTextBase && mode <= AcDb::kTextTop)
      verticalMode_ = static_cast<AcDb::TextVertMode>(mode);
    else
      filer->keepUnknownItem();
  }
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDbText::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  es = writeTextSection(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbText");
  if (verticalMode_ != AcDb::kTextBase)
    filer->writeInt16(73, static_cast<Adesk::Int16>(verticalMode_));
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbText::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writePoint3d(position_);
  filer->writePoint3d(alignmentPoint_);
  filer->writeBool(hasAlignmentPoint_);
  filer->writeVector3d(normal_);
  filer->writeDouble(thickness_);
  filer->writeDouble(height_);
  filer->writeDouble(rotation_);
  filer->writeDouble(widthFactor_);
  filer->writeDouble(oblique_);
  filer->writeInt16(generation_);
  filer->writeInt16(static_cast<Adesk::Int16>(horizontalMode_));
  filer->writeInt16(static_cast<Adesk::Int16>(verticalMode_));
  filer->writeString(text_);
  filer->writeHardPointerId(style_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbText::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  Adesk::Int16 horizontal = 0, vertical = 0;
  filer->readPoint3d(&position_);
  filer->readPoint3d(&alignmentPoint_);
  filer->readBool(&hasAlignmentPoint_);
  filer->readVector3d(&normal_);
  filer->readDouble(&thickness_);
  filer->readDouble(&height_);
  filer->readDouble(&rotation_);
  filer->readDouble(&widthFactor_);
  filer->readDouble(&oblique_);
  filer->readInt16(&generation_);
  filer->readInt16(&horizontal);
  filer->readInt16(&vertical);
  filer->readString(text_);
  filer->readHardPointerId(&style_);
  horizontalMode_ = static_cast<AcDb::TextHorzMode>(horizontal);
  verticalMode_ = static_cast<AcDb::TextVertMode>(vertical);
  return filer->filerStatus();
}
