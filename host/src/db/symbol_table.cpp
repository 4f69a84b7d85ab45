// Symbol tables: records by name (ASCII case ignored, first of equal names
// wins), adding records, iterating, and the TABLE head of DXF files.
#include "db_symtab.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

#include "db/database_core.h"
#include "db_database.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbSymbolTable, AcDbObject, "TABLE", nullptr)
ZEK_DEFINE_BUILTIN_MEMBERS(AcDbLayerTable, AcDbSymbolTable, "",
                           []() -> AcRxObject* { return new AcDbLayerTable; })
ZEK_DEFINE_BUILTIN_MEMBERS(AcDbLinetypeTable, AcDbSymbolTable, "",
                           []() -> AcRxObject* { return new AcDbLinetypeTable; })
ZEK_DEFINE_BUILTIN_MEMBERS(AcDbTextStyleTable, AcDbSymbolTable, "",
                           []() -> AcRxObject* { return new AcDbTextStyleTable; })
ZEK_DEFINE_BUILTIN_MEMBERS(AcDbDimStyleTable, AcDbSymbolTable, "",
                           []() -> AcRxObject* { return new AcDbDimStyleTable; })
ZEK_DEFINE_BUILTIN_MEMBERS(AcDbRegAppTable, AcDbSymbolTable, "",
                           []() -> AcRxObject* { return new AcDbRegAppTable; })
ZEK_DEFINE_BUILTIN_MEMBERS(AcDbViewTable, AcDbSymbolTable, "",
                           []() -> AcRxObject* { return new AcDbViewTable; })
ZEK_DEFINE_BUILTIN_MEMBERS(AcDbUCSTable, AcDbSymbolTable, "",
                           []() -> AcRxObject* { return new AcDbUCSTable; })
ZEK_DEFINE_BUILTIN_MEMBERS(AcDbViewportTable, AcDbSymbolTable, "",
                           []() -> AcRxObject* { return new AcDbViewportTable; })

namespace {
std::string foldCase(std::string_view name) {
  std::string key(name);
  for (char& c : key)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return key;
}
}  // namespace

struct AcDbSymbolTable::NameIndex {
  std::unordered_map<std::string, AcDbObjectId> byName;
};

AcDbSymbolTable::AcDbSymbolTable() : index_(std::make_unique<NameIndex>()) {}
AcDbSymbolTable::~AcDbSymbolTable() = default;

Acad::ErrorStatus AcDbSymbolTable::getAt(const char* name, AcDbObjectId& id,
                                         bool getErasedRecord) const {
  id.setNull();
  if (name == nullptr)
    return Acad::eInvalidInput;
  auto found = index_->byName.find(foldCase(name));
  if (found == index_->byName.end())
    return Acad::eKeyNotFound;
  if (found->second.isErased() && !getErasedRecord)
    return Acad::eKeyNotFound;
  id = found->second;
  return Acad::eOk;
}

bool AcDbSymbolTable::has(const char* name) const {
  AcDbObjectId id;
  return getAt(name, id) == Acad::eOk;
}

bool AcDbSymbolTable::has(AcDbObjectId id) const {
  return std::find(records_.begin(), records_.end(), id) != records_.end() && !id.isErased();
}

Acad::ErrorStatus AcDbSymbolTable::add(AcDbObjectId& recordId, AcDbSymbolTableRecord* record) {
  recordId.setNull();
  if (record == nullptr)
    return Acad::eNullObjectPointer;
  if (!isWriteEnabled())
    return Acad::eNotOpenForWrite;
  if (!record->isNewObject())
    return Acad::eAlreadyInDb;
  zek::DatabaseCore* core = zek::coreOf(this);
  if (core == nullptr)
    return Acad::eNoDatabase;
  std::string name = record->name();
  if (name.empty())
    return Acad::eInvalidSymbolTableName;
  AcDbObjectId existing;
  bool replacesErased = false;
  if (getAt(name.c_str(), existing, true) == Acad::eOk) {
    auto* old = zek::peekObject<AcDbSymbolTableRecord>(existing);
    if (existing.isErased()) {
      // An erased record (purged, or its adding undone) leaves its name free.
      replacesErased = true;
    } else if (old == nullptr || !old->isImplicit()) {
      return Acad::eDuplicateKey;
    } else {
      // A name the drawing used without defining it becomes a real record in
      // place, so every entity that named it keeps pointing at it.
      core->replaceObject(existing.stub(), record);
      record->setOwnerId(objectId());
      record->markOpened(AcDb::kForWrite);
      core->openStubs.insert(existing.stub());
      core->undo.noteAdded(existing);
      recordId = existing;
      return Acad::eOk;
    }
  }
  Acad::ErrorStatus es = core->addObject(record, objectId(), recordId);
  if (es != Acad::eOk)
    return es;
  addRecordId(recordId, name);
  if (replacesErased)
    index_->byName.insert_or_assign(foldCase(name), recordId);
  record->markOpened(AcDb::kForWrite);
  core->openStubs.insert(recordId.stub());
  core->undo.noteAdded(recordId);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::add(AcDbSymbolTableRecord* record) {
  AcDbObjectId id;
  return add(id, record);
}

void AcDbSymbolTable::addRecordId(AcDbObjectId id, const std::string& name) {
  records_.push_back(id);
  index_->byName.emplace(foldCase(name), id);
}

void AcDbSymbolTable::renameRecord(AcDbObjectId id, const std::string& oldName,
                                   const std::string& newName) {
  auto found = index_->byName.find(foldCase(oldName));
  if (found != index_->byName.end() && found->second == id)
    index_->byName.erase(found);
  index_->byName.emplace(foldCase(newName), id);
}

void AcDbSymbolTable::removeRecordId(AcDbObjectId id) {
  std::erase(records_, id);
  std::erase_if(index_->byName, [id](const auto& entry) { return entry.second == id; });
}

Acad::ErrorStatus AcDbSymbolTable::newIterator(AcDbSymbolTableIterator*& iterator,
                                               bool atBeginning, bool skipDeleted) const {
  iterator = new AcDbSymbolTableIterator(records_, skipDeleted);
  iterator->start(atBeginning, skipDeleted);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk || !filer->atSubclassData("AcDbSymbolTable"))
    return filer->filerStatus();
  resbuf rb;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    if (rb.restype != 70)  // the record count is counted again on writing
      filer->keepUnknownItem();
  }
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDbSymbolTable::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbSymbolTable");
  int count = 0;
  for (AcDbObjectId id : records_) {
    auto* record = zek::peekObject<AcDbSymbolTableRecord>(id);
    if (record && !record->isImplicit() && !id.isErased())
      ++count;
  }
  filer->writeInt16(70, static_cast<Adesk::Int16>(count));
  return filer->filerStatus();
}

// ---- Iterator -------------------------------------------------------------

AcDbSymbolTableIterator::AcDbSymbolTableIterator(const std::vector<AcDbObjectId>& ids,
                                                 bool skipDeleted)
    : ids_(ids), skipDeleted_(skipDeleted) {}

namespace {
// Records the iterator does not show: ids without a record, erased ones
// while skipping them.
bool isHidden(AcDbObjectId id, bool skipDeleted) {
  return zek::peekObject<AcDbSymbolTableRecord>(id) == nullptr || (skipDeleted && id.isErased());
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

void AcDbSymbolTableIterator::start(bool atBeginning, bool skipDeleted) {
  skipDeleted_ = skipDeleted;
  if (!atBeginning) {
    position_ = previousShown(ids_, ids_.size(), skipDeleted_);
    return;
  }
  position_ = 0;
  skipErased();
}

bool AcDbSymbolTableIterator::done() const { return position_ >= ids_.size(); }

void AcDbSymbolTableIterator::step(bool forward, bool skipDeleted) {
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

// Moves forwards to the next shown record.
void AcDbSymbolTableIterator::skipErased() {
  while (!done() && isHidden(ids_[position_], skipDeleted_))
    ++position_;
}

Acad::ErrorStatus AcDbSymbolTableIterator::getRecordId(AcDbObjectId& id) const {
  if (done())
    return Acad::eInvalidIndex;
  id = ids_[position_];
  return Acad::eOk;
}
