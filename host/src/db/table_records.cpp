// Symbol table records: the name and flags every record files, and the
// fields of layers, linetypes, text styles, dimension styles, applications,
// views, user coordinate systems and viewports.
#include "db_symtab.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <strings.h>

#include "db/annotations/annotation_filing.h"
#include "db/database_core.h"
#include "db/header_variables.h"
#include "db/record_filing.h"
#include "db_database.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbSymbolTableRecord, AcDbObject, "", nullptr)
ZEK_DEFINE_BUILTIN_MEMBERS(AcDbLayerTableRecord, AcDbSymbolTableRecord, "LAYER",
                           []() -> AcRxObject* { return new AcDbLayerTableRecord; })
ZEK_DEFINE_BUILTIN_MEMBERS(AcDbTextStyleTableRecord, AcDbSymbolTableRecord, "STYLE",
                           []() -> AcRxObject* { return new AcDbTextStyleTableRecord; })
ZEK_DEFINE_BUILTIN_MEMBERS(AcDbDimStyleTableRecord, AcDbSymbolTableRecord, "DIMSTYLE",
                           []() -> AcRxObject* { return new AcDbDimStyleTableRecord; })
ZEK_DEFINE_BUILTIN_MEMBERS(AcDbRegAppTableRecord, AcDbSymbolTableRecord, "APPID",
                           []() -> AcRxObject* { return new AcDbRegAppTableRecord; })
ZEK_DEFINE_BUILTIN_MEMBERS(AcDbViewTableRecord, AcDbSymbolTableRecord, "VIEW",
                           []() -> AcRxObject* { return new AcDbViewTableRecord; })
ZEK_DEFINE_BUILTIN_MEMBERS(AcDbUCSTableRecord, AcDbSymbolTableRecord, "UCS",
                           []() -> AcRxObject* { return new AcDbUCSTableRecord; })
ZEK_DEFINE_BUILTIN_MEMBERS(AcDbViewportTableRecord, AcDbSymbolTableRecord, "VPORT",
                           []() -> AcRxObject* { return new AcDbViewportTableRecord; })

using zek::RecordReader;

// ---- Every record ---------------------------------------------------------

AcDbSymbolTableRecord::AcDbSymbolTableRecord() = default;
AcDbSymbolTableRecord::~AcDbSymbolTableRecord() = default;

Acad::ErrorStatus AcDbSymbolTableRecord::getName(const char*& name) const {
  assertReadEnabled();
  name = name_.c_str();
  return Acad::eOk;
}

namespace {

// The header variable that names the current record of a table, if any.
const char* currentRecordVariable(const AcDbSymbolTableRecord& record) {
  if (AcDbLayerTableRecord::cast(&record)) return "$CLAYER";
  if (AcDbLinetypeTableRecord::cast(&record)) return "$CELTYPE";
  if (AcDbTextStyleTableRecord::cast(&record)) return "$TEXTSTYLE";
  if (AcDbDimStyleTableRecord::cast(&record)) return "$DIMSTYLE";
  return nullptr;
}

// After a rename (the record holds the new name already): the table finds
// the record by its new name, and a header variable that named it as the
// current record (CLAYER...) names it still.
void followRename(AcDbSymbolTableRecord& record, const std::string& old, const std::string& now) {
  auto* table = zek::peekObject<AcDbSymbolTable>(record.ownerId());
  if (table == nullptr)
    return;
  AcDbDatabase* db = record.database();
  const char* variable = currentRecordVariable(record);
  bool wasCurrent = false;
  if (db != nullptr && variable != nullptr) {
    std::optional<std::string> current = db->header().text(variable);
    AcDbObjectId named;
    wasCurrent = current && strcasecmp(current->c_str(), old.c_str()) == 0 &&
                 table->getAt(old.c_str(), named, true) == Acad::eOk && named == record.objectId();
  }
  table->renameRecord(record.objectId(), old, now);
  if (wasCurrent) {
    std::vector<zek::KeptGroup> groups = *db->header().find(variable);
    groups.front().text = now;
    db->header().set(variable, std::move(groups));
  }
}

}  // namespace

// A record in a table takes no name another record of the table has.
Acad::ErrorStatus AcDbSymbolTableRecord::setName(const char* name) {
  assertWriteEnabled();
  if (name == nullptr || *name == '\0')
    return Acad::eInvalidSymbolTableName;
  auto* table = zek::peekObject<AcDbSymbolTable>(ownerId());
  AcDbObjectId other;
  if (table != nullptr && !isNewObject() && table->getAt(name, other) == Acad::eOk &&
      other != objectId())
    return Acad::eDuplicateKey;
  std::string old = name_;
  name_ = name;
  followRename(*this, old, name_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeString(name_);
  filer->writeInt16(flags_);
  filer->writeBool(implicit_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbSymbolTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  std::string old = name_;
  filer->readString(name_);
  filer->readInt16(&flags_);
  filer->readBool(&implicit_);
  // Undo of a rename: the table finds the record by its old name again.
  if (filer->filerType() == AcDb::kUndoFiler && old != name_ && !isNewObject())
    followRename(*this, old, name_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbSymbolTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk || !filer->atSubclassData("AcDbSymbolTableRecord"))
    return filer->filerStatus();
  resbuf rb;
  while ((es = filer->readItem(&rb)) == Acad::eOk)
    filer->keepUnknownItem();
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDbSymbolTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbSymbolTableRecord");
  return filer->filerStatus();
}

// Reads the record's own subclass section: name, flags, and what `field`
// understands; the rest stays kept.
Acad::ErrorStatus zek::RecordReader::read(AcDbDxfFiler* filer, const char* marker) {
  if (!filer->atSubclassData(marker))
    return filer->filerStatus();
  resbuf rb;
  Acad::ErrorStatus es;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    if (rb.restype == 2)
      name = rb.resval.rstring ? rb.resval.rstring : "";
    else if (rb.restype == 70)
      flags = rb.resval.rint;
    else if (!field(rb))
      filer->keepUnknownItem();
  }
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

void zek::writeRecordHead(AcDbDxfFiler* filer, const AcDbSymbolTableRecord& record,
                          const char* marker) {
  filer->writeString(AcDb::kDxfSubclass, marker);
  filer->writeString(2, record.name());
  filer->writeInt16(70, record.flags());
}

Acad::ErrorStatus zek::finishRecordRead(AcDbSymbolTableRecord& record, const RecordReader& reader) {
  record.setFlags(reader.flags);
  record.setNameFromFile(reader.name);
  return Acad::eOk;
}

// ---- Layers ---------------------------------------------------------------

AcDbLayerTableRecord::AcDbLayerTableRecord() { color_.setColorIndex(7); }

Acad::ErrorStatus AcDbLayerTableRecord::setIsFrozen(bool frozen) {
  assertWriteEnabled();
  flags_ = static_cast<Adesk::Int16>(frozen ? (flags_ | 1) : (flags_ & ~1));
  return Acad::eOk;
}

void AcDbLayerTableRecord::setVPDFLT(bool frozenInNewViewports) {
  assertWriteEnabled();
  flags_ = static_cast<Adesk::Int16>(frozenInNewViewports ? (flags_ | 2) : (flags_ & ~2));
}

void AcDbLayerTableRecord::setIsLocked(bool locked) {
  assertWriteEnabled();
  flags_ = static_cast<Adesk::Int16>(locked ? (flags_ | 4) : (flags_ & ~4));
}

void AcDbLayerTableRecord::setIsOff(bool off) {
  assertWriteEnabled();
  off_ = off;
}

Acad::ErrorStatus AcDbLayerTableRecord::setIsPlottable(bool plottable) {
  assertWriteEnabled();
  plottable_ = plottable;
  return Acad::eOk;
}

void AcDbLayerTableRecord::setColor(const AcCmColor& color) {
  assertWriteEnabled();
  color_ = color;
}

void AcDbLayerTableRecord::setLinetypeObjectId(AcDbObjectId id) {
  assertWriteEnabled();
  linetype_ = id;
}

Acad::ErrorStatus AcDbLayerTableRecord::setLineWeight(AcDb::LineWeight weight) {
  assertWriteEnabled();
  lineWeight_ = weight;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLayerTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeUInt16(color_.colorIndex());
  filer->writeBool(color_.isByColor());
  filer->writeUInt32(color_.rgb());
  filer->writeHardPointerId(linetype_);
  filer->writeInt16(static_cast<Adesk::Int16>(lineWeight_));
  filer->writeBool(off_);
  filer->writeBool(plottable_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLayerTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  Adesk::UInt16 index = 7;
  bool hasRgb = false;
  Adesk::UInt32 rgb = 0;
  Adesk::Int16 weight = 0;
  filer->readUInt16(&index);
  filer->readBool(&hasRgb);
  filer->readUInt32(&rgb);
  filer->readHardPointerId(&linetype_);
  filer->readInt16(&weight);
  filer->readBool(&off_);
  filer->readBool(&plottable_);
  color_.setColorIndex(index);
  if (hasRgb)
    color_.setRGB(static_cast<Adesk::UInt8>(rgb >> 16), static_cast<Adesk::UInt8>(rgb >> 8),
                  static_cast<Adesk::UInt8>(rgb));
  lineWeight_ = static_cast<AcDb::LineWeight>(weight);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLayerTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  AcDbDatabase* db = filer->database();
  int index = 7;
  bool hasRgb = false;
  Adesk::UInt32 rgb = 0;
  RecordReader reader;
  reader.field = [&](const resbuf& rb) {
    switch (rb.restype) {
      case 62: index = rb.resval.rint; return true;
      case 420: hasRgb = true; rgb = static_cast<Adesk::UInt32>(rb.resval.rlong) & 0xFFFFFFu; return true;
      case 6: linetype_ = zek::implicitRecordId(db, db->linetypeTableId(), rb.resval.rstring); return true;
      case 370: lineWeight_ = static_cast<AcDb::LineWeight>(rb.resval.rint); return true;
      case 290: plottable_ = rb.resval.rint != 0; return true;
      default: return false;
    }
  };
  es = reader.read(filer, "AcDbLayerTableRecord");
  off_ = index < 0;
  color_.setColorIndex(static_cast<Adesk::UInt16>(index < 0 ? -index : (index == 0 ? 7 : index)));
  if (hasRgb)
    color_.setRGB(static_cast<Adesk::UInt8>(rgb >> 16), static_cast<Adesk::UInt8>(rgb >> 8),
                  static_cast<Adesk::UInt8>(rgb));
  Acad::ErrorStatus named = zek::finishRecordRead(*this, reader);
  return es != Acad::eOk ? es : named;
}

Acad::ErrorStatus AcDbLayerTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  zek::writeRecordHead(filer, *this, "AcDbLayerTableRecord");
  int index = color_.colorIndex();
  filer->writeInt16(62, static_cast<Adesk::Int16>(off_ ? -index : index));
  bool r12 = filer->dwgVersion() <= AcDb::kDHL_1009;
  if (!r12 && color_.isByColor())
    filer->writeInt32(420, static_cast<Adesk::Int32>(color_.rgb()));
  filer->writeString(6, linetype_.isNull() ? std::string("Continuous") : zek::recordNameOf(linetype_));
  if (!r12) {
    if (!plottable_)
      filer->writeInt16(290, 0);
    filer->writeInt16(370, static_cast<Adesk::Int16>(lineWeight_));
  }
  return filer->filerStatus();
}

// ---- Text styles ----------------------------------------------------------

AcDbTextStyleTableRecord::AcDbTextStyleTableRecord() = default;

Acad::ErrorStatus AcDbTextStyleTableRecord::setTextSize(double size) {
  assertWriteEnabled();
  if (size < 0.0)
    return Acad::eInvalidInput;
  textSize_ = size;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setXScale(double scale) {
  assertWriteEnabled();
  if (!(scale > 0.0))
    return Acad::eInvalidInput;
  xScale_ = scale;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setObliquingAngle(double angle) {
  assertWriteEnabled();
  obliquing_ = angle;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setFileName(const char* name) {
  assertWriteEnabled();
  fileName_ = name ? name : "";
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setBigFontFileName(const char* name) {
  assertWriteEnabled();
  bigFontFileName_ = name ? name : "";
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeDouble(textSize_);
  filer->writeDouble(xScale_);
  filer->writeDouble(obliquing_);
  filer->writeDouble(priorSize_);
  filer->writeInt16(generation_);
  filer->writeString(fileName_);
  filer->writeString(bigFontFileName_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbTextStyleTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->readDouble(&textSize_);
  filer->readDouble(&xScale_);
  filer->readDouble(&obliquing_);
  filer->readDouble(&priorSize_);
  filer->readInt16(&generation_);
  filer->readString(fileName_);
  filer->readString(bigFontFileName_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbTextStyleTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  RecordReader reader;
  reader.field = [&](const resbuf& rb) {
    switch (rb.restype) {
      case 40: textSize_ = rb.resval.rreal; return true;
      case 41: xScale_ = rb.resval.rreal; return true;
      case 50: obliquing_ = zek::groupAngle(rb); return true;
      case 42: priorSize_ = rb.resval.rreal; return true;
      case 71: generation_ = rb.resval.rint; return true;
      case 3: fileName_ = rb.resval.rstring ? rb.resval.rstring : ""; return true;
      case 4: bigFontFileName_ = rb.resval.rstring ? rb.resval.rstring : ""; return true;
      default: return false;
    }
  };
  es = reader.read(filer, "AcDbTextStyleTableRecord");
  Acad::ErrorStatus named = zek::finishRecordRead(*this, reader);
  return es != Acad::eOk ? es : named;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  zek::writeRecordHead(filer, *this, "AcDbTextStyleTableRecord");
  filer->writeDouble(40, textSize_);
  filer->writeDouble(41, xScale_);
  filer->writeAngle(50, obliquing_);
  filer->writeInt16(71, generation_);
  filer->writeDouble(42, priorSize_);
  filer->writeString(3, fileName_);
  filer->writeString(4, bigFontFileName_);
  return filer->filerStatus();
}

// ---- Applications, views: name and flags; the rest is kept as filed --------
// (dimension style records live in dimvars/dim_style_record.cpp)

Acad::ErrorStatus AcDbRegAppTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  return zek::readPlainRecord(*this, filer, "AcDbRegAppTableRecord");
}

Acad::ErrorStatus AcDbRegAppTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  return zek::writePlainRecord(*this, filer, "AcDbRegAppTableRecord");
}

Acad::ErrorStatus AcDbViewTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  return zek::readPlainRecord(*this, filer, "AcDbViewTableRecord");
}

Acad::ErrorStatus AcDbViewTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  return zek::writePlainRecord(*this, filer, "AcDbViewTableRecord");
}

Acad::ErrorStatus zek::readPlainRecord(AcDbSymbolTableRecord& record, AcDbDxfFiler* filer,
                                       const char* marker) {
  Acad::ErrorStatus es = record.AcDbSymbolTableRecord::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  RecordReader reader;
  reader.field = [](const resbuf&) { return false; };
  es = reader.read(filer, marker);
  Acad::ErrorStatus named = finishRecordRead(record, reader);
  return es != Acad::eOk ? es : named;
}

Acad::ErrorStatus zek::writePlainRecord(const AcDbSymbolTableRecord& record, AcDbDxfFiler* filer,
                                        const char* marker) {
  Acad::ErrorStatus es = record.AcDbSymbolTableRecord::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  writeRecordHead(filer, record, marker);
  return filer->filerStatus();
}

// ---- User coordinate systems ----------------------------------------------

Acad::ErrorStatus AcDbUCSTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writePoint3d(origin_);
  filer->writeVector3d(xAxis_);
  filer->writeVector3d(yAxis_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbUCSTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->readPoint3d(&origin_);
  filer->readVector3d(&xAxis_);
  filer->readVector3d(&yAxis_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbUCSTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  RecordReader reader;
  reader.field = [&](const resbuf& rb) {
    const double* p = rb.resval.rpoint;
    switch (rb.restype) {
      case 10: origin_ = AcGePoint3d(p[0], p[1], p[2]); return true;
      case 11: xAxis_ = AcGeVector3d(p[0], p[1], p[2]); return true;
      case 12: yAxis_ = AcGeVector3d(p[0], p[1], p[2]); return true;
      default: return false;
    }
  };
  es = reader.read(filer, "AcDbUCSTableRecord");
  Acad::ErrorStatus named = zek::finishRecordRead(*this, reader);
  return es != Acad::eOk ? es : named;
}

Acad::ErrorStatus AcDbUCSTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  zek::writeRecordHead(filer, *this, "AcDbUCSTableRecord");
  filer->writePoint3d(10, origin_);
  filer->writeVector3d(11, xAxis_);
  filer->writeVector3d(12, yAxis_);
  return filer->filerStatus();
}

// ---- Viewports --------------------------------------------------------------

Acad::ErrorStatus AcDbViewportTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writePoint2d(centre_);
  filer->writeDouble(height_);
  filer->writeDouble(aspect_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbViewportTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->readPoint2d(&centre_);
  filer->readDouble(&height_);
  filer->readDouble(&aspect_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbViewportTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  RecordReader reader;
  reader.field = [&](const resbuf& rb) {
    switch (rb.restype) {
      case 12: centre_ = AcGePoint2d(rb.resval.rpoint[0], rb.resval.rpoint[1]); return true;
      case 40: height_ = rb.resval.rreal; return true;
      case 41: aspect_ = rb.resval.rreal; return true;
      default: return false;
    }
  };
  es = reader.read(filer, "AcDbViewportTableRecord");
  Acad::ErrorStatus named = zek::finishRecordRead(*this, reader);
  return es != Acad::eOk ? es : named;
}

Acad::ErrorStatus AcDbViewportTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  zek::writeRecordHead(filer, *this, "AcDbViewportTableRecord");
  filer->writePoint2d(12, centre_);
  filer->writeDouble(40, height_);
  filer->writeDouble(41, aspect_);
  return filer->filerStatus();
}
