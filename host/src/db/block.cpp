// Block table records: their entities, the BLOCK/ENDBLK entities that frame a
// definition in DXF, and the iterator over a block's entities.
#include "db_block.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

#include "db/database_core.h"
#include "db_database.h"
#include "db_dimension.h"
#include "zek/dim_vars.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbBlockTable, AcDbSymbolTable, "",
                           []() -> AcRxObject* { return new AcDbBlockTable; })
ZEK_DEFINE_BUILTIN_MEMBERS(AcDbBlockTableRecord, AcDbSymbolTableRecord, "BLOCK_RECORD",
                           []() -> AcRxObject* { return new AcDbBlockTableRecord; })
ZEK_DEFINE_BUILTIN_MEMBERS(AcDbBlockBegin, AcDbEntity, "BLOCK",
                           []() -> AcRxObject* { return new AcDbBlockBegin; })
ZEK_DEFINE_BUILTIN_MEMBERS(AcDbBlockEnd, AcDbEntity, "ENDBLK",
                           []() -> AcRxObject* { return new AcDbBlockEnd; })

AcDbBlockTableRecord::AcDbBlockTableRecord() = default;
AcDbBlockTableRecord::~AcDbBlockTableRecord() = default;

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbObjectId& id, AcDbEntity* entity) {
  id.setNull();
  if (entity == nullptr)
    return Acad::eNullEntityPointer;
  if (!entity->isNewObject())
    return Acad::eAlreadyInDb;
  zek::DatabaseCore* core = zek::coreOf(this);
  if (core == nullptr)
    return Acad::eNoDatabase;
  if (!isWriteEnabled())
    return Acad::eNotOpenForWrite;
  // An entity never given a layer takes the drawing's current properties
  // (CLAYER, BYLAYER colour and linetype, ...), as CAD hosts draw new objects.
  if (entity->layerId().isNull())
    entity->setDatabaseDefaults(database());
  Acad::ErrorStatus es = core->addObject(entity, objectId(), id);
  if (es != Acad::eOk)
    return es;
  // An entity of paper space says so (group 67), or the drawing read back
  // would find it in model space.
  if (objectId() == core->paperSpace)
    entity->setInPaperSpace(true);
  entities_.push_back(id);
  entity->markOpened(AcDb::kForWrite);
  core->openStubs.insert(id.stub());
  core->undo.noteAdded(id);
  // A new dimension keeps the drawing's current dimension variables that
  // differ from its style as its own overrides, as CAD hosts dimension.
  if (auto* dimension = AcDbDimension::cast(entity))
    zek::captureDimOverrides(*dimension);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbEntity* entity) {
  AcDbObjectId id;
  return appendAcDbEntity(id, entity);
}

Acad::ErrorStatus AcDbBlockTableRecord::newIterator(AcDbBlockTableRecordIterator*& iterator,
                                                    bool atBeginning, bool skipDeleted) const {
  iterator = new AcDbBlockTableRecordIterator(entities_, skipDeleted);
  iterator->start(atBeginning, skipDeleted);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::setOrigin(const AcGePoint3d& origin) {
  assertWriteEnabled();
  origin_ = origin;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::setComments(const char* text) {
  assertWriteEnabled();
  comments_ = text ? text : "";
  return Acad::eOk;
}

bool AcDbBlockTableRecord::isLayout() const {
  std::string n = name();
  return strncasecmp(n.c_str(), "*Model_Space", 12) == 0 ||
         strncasecmp(n.c_str(), "*Paper_Space", 12) == 0;
}

void AcDbBlockTableRecord::removeEntityId(AcDbObjectId id) { std::erase(entities_, id); }

Acad::ErrorStatus AcDbBlockTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeInt32(static_cast<Adesk::Int32>(entities_.size()));
  for (AcDbObjectId id : entities_)
    filer->writeHardOwnershipId(id);
  filer->writeHardOwnershipId(begin_);
  filer->writeHardOwnershipId(end_);
  filer->writeSoftPointerId(layout_);
  filer->writePoint3d(origin_);
  filer->writeString(comments_);
  filer->writeString(xrefPath_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbBlockTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  Adesk::Int32 count = 0;
  filer->readInt32(&count);
  std::vector<AcDbObjectId> ids;
  for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    AcDbObjectId id;
    filer->readHardOwnershipId(&id);
    ids.push_back(id);
  }
  // Only undo brings a block's entity list back; a copy of a block starts empty.
  if (filer->filerType() == AcDb::kUndoFiler)
    entities_ = std::move(ids);
  filer->readHardOwnershipId(&begin_);
  filer->readHardOwnershipId(&end_);
  filer->readSoftPointerId(&layout_);
  filer->readPoint3d(&origin_);
  filer->readString(comments_);
  filer->readString(xrefPath_);
  return filer->filerStatus();
}

// BLOCK_RECORD entry: name and layout; group 70 here holds insertion units
// (R2007 on), not flags, so it stays kept with the rest.
Acad::ErrorStatus AcDbBlockTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfInFields(filer);
  if (es != Acad::eOk || !filer->atSubclassData("AcDbBlockTableRecord"))
    return filer->filerStatus();
  resbuf rb;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    if (rb.restype == 2)
      setNameFromFile(rb.resval.rstring ? rb.resval.rstring : "");
    else if (rb.restype == 340)
      layout_ = AcDbObjectId(reinterpret_cast<zek::ObjectStub*>(rb.resval.rlname[0]));
    else
      filer->keepUnknownItem();
  }
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDbBlockTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbBlockTableRecord");
  filer->writeString(2, name());
  if (!layout_.isNull())
    filer->writeObjectId(340, layout_);
  return filer->filerStatus();
}

// ---- BLOCK and ENDBLK --------------------------------------------------------

// The BLOCK entity files the definition's name, flags, base point, external
// reference path and description, which live in the block record.
Acad::ErrorStatus AcDbBlockBegin::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk || !filer->atSubclassData("AcDbBlockBegin"))
    return filer->filerStatus();
  auto* record = zek::peekObject<AcDbBlockTableRecord>(ownerId());
  resbuf rb;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    const char* text = rb.resval.rstring ? rb.resval.rstring : "";
    switch (rb.restype) {
      case 2:
      case 3:
        break;  // the name: the reader found the record by it
      case 70:
        if (record) record->setFlagsFromFile(rb.resval.rint);
        break;
      case 10:
        if (record)
          record->setOriginFromFile(AcGePoint3d(rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]));
        break;
      case 1:
        if (record) record->setPathName(text);
        break;
      case 4:
        if (record) {
          record->markOpened(AcDb::kForWrite);
          record->setComments(text);
          record->markClosed();
        }
        break;
      default:
        filer->keepUnknownItem();
        break;
    }
  }
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDbBlockBegin::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  auto* record = zek::peekObject<AcDbBlockTableRecord>(ownerId());
  if (record == nullptr)
    return Acad::eNullObjectPointer;
  filer->writeString(AcDb::kDxfSubclass, "AcDbBlockBegin");
  record->markOpened(AcDb::kForRead);
  struct CloseRecord {
    AcDbBlockTableRecord* r;
    ~CloseRecord() { r->markClosed(); }
  } closeRecord{record};
  std::string name = record->name();
  filer->writeString(2, name);
  filer->writeInt16(70, record->flags());
  filer->writePoint3d(10, record->origin());
  filer->writeString(3, name);
  filer->writeString(1, record->pathName());
  if (!record->comments().empty() && filer->dwgVersion() > AcDb::kDHL_1009)
    filer->writeString(4, record->comments());
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbBlockEnd::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk || !filer->atSubclassData("AcDbBlockEnd"))
    return filer->filerStatus();
  resbuf rb;
  while ((es = filer->readItem(&rb)) == Acad::eOk)
    filer->keepUnknownItem();
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDbBlockEnd::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbBlockEnd");
  return filer->filerStatus();
}

// ---- Iterator ---------------------------------------------------------------

AcDbBlockTableRecordIterator::AcDbBlockTableRecordIterator(const std::vector<AcDbObjectId>& ids,
                                                           bool skipDeleted)
    : ids_(ids), skipDeleted_(skipDeleted) {}

namespace {
// Entities the iterator does not show: ids without an object, erased ones
// while skipping them.
bool isHidden(AcDbObjectId id, bool skipDeleted) {
  return id.stub() == nullptr || id.stub()->object == nullptr || (skipDeleted && id.isErased());
}

// The last shown position before `before`, or ids.size() when there is none.
std::size_t previousShown(const std::vector<AcDbObjectId>& ids, std::size_t before,
                          bool skipDeleted) {
  while (before > 0)
    if (!isHidden(ids[--before], skipDeleted))
      return before;
  return ids.size();
}
}  // namespace

void AcDbBlockTableRecordIterator::start(bool atBeginning, bool skipDeleted) {
  skipDeleted_ = skipDeleted;
  if (!atBeginning) {
    position_ = previousShown(ids_, ids_.size(), skipDeleted_);
    return;
  }
  position_ = 0;
  skipErased();
}

bool AcDbBlockTableRecordIterator::done() const { return position_ >= ids_.size(); }

void AcDbBlockTableRecordIterator::step(bool forward, bool skipDeleted) {
  skipDeleted_ = skipDeleted;
  if (done())
    return;
  if (!forward) {
    position_ = previousShown(ids_, position_, skipDeleted_);
    return;
  }
  ++position_;
  skipErased();
}

// Moves forwards to the next shown entity.
void AcDbBlockTableRecordIterator::skipErased() {
  while (!done() && isHidden(ids_[position_], skipDeleted_))
    ++position_;
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntityId(AcDbObjectId& id) const {
  if (done())
    return Acad::eInvalidIndex;
  id = ids_[position_];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntity(AcDbEntity*& entity, AcDb::OpenMode mode,
                                                          bool openErased) const {
  AcDbObjectId id;
  Acad::ErrorStatus es = getEntityId(id);
  if (es != Acad::eOk)
    return es;
  return acdbOpenObject(entity, id, mode, openErased);
}
