// AcDbObject: ids, open state, erasing, extended data and the filing every
// object shares (owner, reactors, extension dictionary, kept groups).
#include "db_object.h"

#include <cassert>
#include <charconv>
#include <cstring>

#include "db/database_core.h"
#include "db/dimblocks/dim_block_hooks.h"
#include "db/kept_groups.h"
#include "db/memory_filer.h"
#include "db_database.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbObject, AcRxObject, "", nullptr)

AcDbObject::AcDbObject() = default;
AcDbObject::~AcDbObject() = default;

Acad::ErrorStatus AcDbObject::setOwnerId(AcDbObjectId owner) {
  owner_ = owner;
  return Acad::eOk;
}

AcDbDatabase* AcDbObject::database() const { return stub_ ? stub_->database : nullptr; }

bool AcDbObject::isErased() const { return stub_ != nullptr && stub_->erased; }

bool AcDbObject::isReadEnabled() const { return stub_ == nullptr || readers_ > 0 || writer_; }

bool AcDbObject::isWriteEnabled() const { return stub_ == nullptr || writer_; }

void AcDbObject::assertReadEnabled() const {
  assert(isReadEnabled() && "object read while not open for read");
}

void AcDbObject::assertWriteEnabled() const {
  assert(isWriteEnabled() && "object changed while not open for write");
}

void AcDbObject::markOpened(AcDb::OpenMode mode) {
  if (writer_) {
    ++marksOverWriter_;  // the host reading or writing an object a writer holds
    return;
  }
  if (mode == AcDb::kForWrite)
    writer_ = true;
  else
    ++readers_;
}

void AcDbObject::markClosed() {
  if (marksOverWriter_ > 0)
    --marksOverWriter_;
  else if (writer_)
    writer_ = false;
  else if (readers_ > 0)
    --readers_;
}

Acad::ErrorStatus AcDbObject::close() {
  if (stub_ == nullptr)
    return Acad::eOk;  // not in a database: nothing is open, nothing to commit
  if (!writer_ && readers_ == 0)
    return Acad::eNotOpenForRead;
  if (writer_)
    zek::beforeWriteClose(*this);  // a changed dimension makes its *D block again
  markClosed();
  if (!isOpen()) {
    if (zek::DatabaseCore* core = zek::coreOf(this))
      core->openStubs.erase(stub_);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::upgradeOpen() {
  if (stub_ == nullptr || writer_)
    return Acad::eWasOpenedForWrite;
  if (readers_ != 1)
    return readers_ == 0 ? Acad::eNotOpenForRead : Acad::eHadMultipleReaders;
  if (zek::isOnLockedLayer(this))
    return Acad::eOnLockedLayer;
  if (zek::DatabaseCore* core = zek::coreOf(this))
    core->undo.noteWriteOpen(this);
  readers_ = 0;
  writer_ = true;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::downgradeOpen() {
  if (stub_ == nullptr || !writer_)
    return Acad::eNotOpenForWrite;
  writer_ = false;
  readers_ = 1;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::erase(bool erasing) {
  if (stub_ == nullptr)
    return Acad::eNotApplicable;  // an object outside a database cannot be erased
  if (!writer_)
    return Acad::eNotOpenForWrite;
  if (erasing && stub_->erased)
    return Acad::eWasErased;
  if (!erasing && !stub_->erased)
    return Acad::eWasNotErased;
  stub_->erased = erasing;
  std::vector<AcDbObjectId> owned;
  ownedObjectIds(owned);
  zek::DatabaseCore* core = zek::coreOf(this);
  for (AcDbObjectId id : owned) {
    zek::ObjectStub* part = id.stub();
    if (part == nullptr)
      continue;
    // The owned objects change without a write open of their own: the undo
    // step must still know them, or undo brings back a polyline without
    // its vertices.
    if (core != nullptr && part->object != nullptr)
      core->undo.noteWriteOpen(part->object);
    part->erased = erasing;
  }
  return Acad::eOk;
}

void AcDbObject::ownedObjectIds(std::vector<AcDbObjectId>&) const {}

zek::ObjectExtras& AcDbObject::extrasForWrite() {
  if (!extras_)
    extras_ = std::make_unique<zek::ObjectExtras>();
  return *extras_;
}

void AcDbObject::dropEmptyExtras() {
  if (extras_ && extras_->isEmpty())
    extras_.reset();
}

const char* AcDbObject::dxfTypeName() const {
  const AcRxClass* cls = isA();
  return cls ? cls->dxfName() : "";
}

AcDbObjectId AcDbObject::extensionDictionary() const {
  return extras_ ? extras_->extensionDictionary : AcDbObjectId();
}

AcRxObject* AcDbObject::clone() const {
  AcRxObject* made = isA() ? isA()->create() : nullptr;
  auto* copy = AcDbObject::cast(made);
  if (copy == nullptr) {
    delete made;
    return nullptr;
  }
  zek::MemoryDwgFiler filer(AcDb::kCopyFiler, database());
  if (dwgOutFields(&filer) != Acad::eOk) {
    delete copy;
    return nullptr;
  }
  filer.rewind();
  if (copy->dwgInFields(&filer) != Acad::eOk) {
    delete copy;
    return nullptr;
  }
  return copy;
}

// ---- Extended data --------------------------------------------------------

resbuf* AcDbObject::xData(const char* regappName) const {
  assertReadEnabled();
  if (!extras_ || extras_->xdata.empty())
    return nullptr;
  return zek::xdataToResbufs(extras_->xdata, regappName);
}

Acad::ErrorStatus AcDbObject::setXData(const resbuf* xdata) {
  assertWriteEnabled();
  std::vector<zek::KeptGroup> groups;
  if (!zek::resbufsToXdata(xdata, groups))
    return Acad::eInvalidResBuf;
  zek::mergeXdata(extrasForWrite().xdata, groups);
  dropEmptyExtras();
  return Acad::eOk;
}

// ---- Filing ---------------------------------------------------------------

Acad::ErrorStatus AcDbObject::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  filer->writeSoftPointerId(owner_);
  return dwgOutExtras(filer);
}

Acad::ErrorStatus AcDbObject::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  AcDbObjectId owner;
  filer->readSoftPointerId(&owner);
  // A copy belongs where the caller puts it; undo puts the owner back.
  if (filer->filerType() == AcDb::kUndoFiler || filer->filerType() == AcDb::kFileFiler)
    owner_ = owner;
  return dwgInExtras(filer);
}

Acad::ErrorStatus AcDbObject::dwgOutExtras(AcDbDwgFiler* filer) const {
  filer->writeBool(extras_ != nullptr);
  if (!extras_)
    return filer->filerStatus();
  const zek::ObjectExtras& e = *extras_;
  zek::fileKeptGroups(filer, e.xdata);
  filer->writeInt32(static_cast<Adesk::Int32>(e.reactors.size()));
  for (AcDbObjectId id : e.reactors)
    filer->writeSoftPointerId(id);
  filer->writeHardOwnershipId(e.extensionDictionary);
  zek::fileKeptGroups(filer, e.otherAppGroups);
  filer->writeInt32(static_cast<Adesk::Int32>(e.kept.size()));
  for (const zek::KeptSection& section : e.kept) {
    filer->writeString(section.marker);
    filer->writeInt32(section.occurrence);
    zek::fileKeptGroups(filer, section.groups);
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbObject::dwgInExtras(AcDbDwgFiler* filer) {
  bool has = false;
  filer->readBool(&has);
  extras_.reset();
  if (!has)
    return filer->filerStatus();
  zek::ObjectExtras& e = extrasForWrite();
  zek::unfileKeptGroups(filer, e.xdata);
  Adesk::Int32 count = 0;
  filer->readInt32(&count);
  for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    AcDbObjectId id;
    filer->readSoftPointerId(&id);
    e.reactors.push_back(id);
  }
  filer->readHardOwnershipId(&e.extensionDictionary);
  zek::unfileKeptGroups(filer, e.otherAppGroups);
  filer->readInt32(&count);
  for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    zek::KeptSection section;
    filer->readString(section.marker);
    filer->readInt32(&section.occurrence);
    zek::unfileKeptGroups(filer, section.groups);
    e.kept.push_back(std::move(section));
  }
  return filer->filerStatus();
}

// The part before the first subclass marker: handle (read by the reader
// before the object exists), reactors, extension dictionary, other
// applications' 102 groups, owner.
Acad::ErrorStatus AcDbObject::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  resbuf rb;
  Acad::ErrorStatus es;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 5:
      case 105:
        break;  // the handle: the reader gave it to the object's id already
      case 330:
        owner_ = zek::idFromResbuf(rb);
        break;
      case 102: {
        zek::readAppGroup(filer, rb, extrasForWrite());
        break;
      }
      default:
        filer->keepUnknownItem();
        break;
    }
  }
  dropEmptyExtras();
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDbObject::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  return zek::writeObjectHead(filer, *this, owner_);
}

// ---- Entity names ---------------------------------------------------------

Acad::ErrorStatus acdbGetAdsName(ads_name& name, AcDbObjectId id) {
  if (id.isNull() || id.database() == nullptr)
    return Acad::eNullObjectId;
  name[0] = static_cast<std::int64_t>(id.handle().value());
  name[1] = zek::databaseSerial(id.database());
  return Acad::eOk;
}

Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& id, const ads_name name) {
  id.setNull();
  AcDbDatabase* db = zek::databaseBySerial(name[1]);
  if (db == nullptr)
    return Acad::eInvalidAdsName;
  zek::ObjectStub* stub = db->core().stubForHandle(static_cast<std::uint64_t>(name[0]), false);
  if (stub == nullptr)
    return Acad::eInvalidAdsName;
  id = AcDbObjectId(stub);
  return Acad::eOk;
}
