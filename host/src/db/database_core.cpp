// Object stubs, handles and the bookkeeping inside a database.
#include "db/database_core.h"

#include <algorithm>
#include <mutex>

#include "db_block.h"
#include "db_symtab.h"

namespace zek {

DatabaseCore::DatabaseCore(AcDbDatabase* db) : db_(db) {}

DatabaseCore::~DatabaseCore() {
  for (ObjectStub& stub : stubs_) {
    delete stub.object;
    stub.object = nullptr;
  }
}

ObjectStub** DatabaseCore::slotFor(std::uint64_t handle, bool grow) {
  if (handle < denseByHandle_.size())
    return &denseByHandle_[handle];
  // Grow the dense index inside the room made for the file's handles (a
  // file's BLOCKS section often holds its highest handles, read before most
  // objects), and beyond it while the handle is near the ones already held,
  // only as far as a few slots for each object: a damaged file whose handles
  // leap by doubling must not make it grow without end.
  constexpr std::uint64_t kSlack = 1u << 16;
  const std::uint64_t reach = std::min(2 * static_cast<std::uint64_t>(denseByHandle_.size()),
                                       4 * static_cast<std::uint64_t>(stubs_.size()));
  if (grow && (handle < denseByHandle_.capacity() || handle < reach + kSlack)) {
    std::size_t size = static_cast<std::size_t>(handle) + 1;
    if (size > denseByHandle_.capacity())
      denseByHandle_.reserve(std::max<std::size_t>(size, denseByHandle_.capacity() * 3 / 2 + 1024));
    denseByHandle_.resize(size, nullptr);
    return &denseByHandle_[handle];
  }
  return nullptr;
}

// A block's BLOCK or ENDBLK made while reading (the standard blocks get
// their frame before the file's BLOCKS section names its own) that the file's
// one has replaced: nothing refers to it any more.
static bool isReplacedBlockFrame(const ObjectStub& stub) {
  if (!AcDbBlockBegin::cast(stub.object) && !AcDbBlockEnd::cast(stub.object))
    return false;
  auto* block = peekObject<AcDbBlockTableRecord>(stub.object->ownerId());
  if (block == nullptr)
    return false;
  const AcDbObjectId frame = AcDbBlockBegin::cast(stub.object) ? block->blockBeginId()
                                                               : block->blockEndId();
  return frame.stub() != &stub;
}

void DatabaseCore::settleProvisionalHandles() {
  provisional_ = false;
  for (ObjectStub* stub : provisionalStubs_) {
    sparseByHandle_.erase(stub->handle);
    if (isReplacedBlockFrame(*stub)) {
      // Dropped rather than given a handle: else every read of a drawing
      // would move its handle seed on by the frames it replaced.
      delete stub->object;
      stub->object = nullptr;
      --objectCount_;
      continue;
    }
    std::uint64_t handle = handseed_++;
    stub->handle = handle;
    if (ObjectStub** slot = slotFor(handle, true); slot != nullptr)
      *slot = stub;
    else
      sparseByHandle_.emplace(handle, stub);
  }
  provisionalStubs_.clear();
}

void DatabaseCore::expectHandles(std::uint64_t seed) {
  constexpr std::uint64_t kMostExpected = 1u << 26;  // a damaged seed must not eat the memory
  if (seed < kMostExpected && seed + 1 > denseByHandle_.capacity())
    denseByHandle_.reserve(static_cast<std::size_t>(seed) + 1);
}

// Stubs are read by the hundred thousand: keep the erased flag inside the handle's word.
static_assert(sizeof(ObjectStub) == 24, "an object stub takes three words");

ObjectStub* DatabaseCore::stubForHandle(std::uint64_t handle, bool create) {
  // No object takes a handle at or above the stubs' limit (objects the file
  // numbers that high get new handles), so such a handle names nothing.
  if (handle == 0 || handle >= ObjectStub::kHandleLimit)
    return nullptr;
  ObjectStub** slot = slotFor(handle, create);
  if (slot != nullptr && *slot != nullptr)
    return *slot;
  if (!sparseByHandle_.empty()) {
    // A far-off handle stays in the map even once the dense index has grown past it.
    auto found = sparseByHandle_.find(handle);
    if (found != sparseByHandle_.end())
      return found->second;
  }
  if (!create)
    return nullptr;
  ObjectStub& stub = stubs_.emplace_back();
  stub.database = db_;
  stub.handle = handle;
  if (slot != nullptr)
    *slot = &stub;
  else
    sparseByHandle_.emplace(handle, &stub);
  reserveHandle(handle);
  return &stub;
}

Acad::ErrorStatus DatabaseCore::addObject(AcDbObject* object, AcDbObjectId owner, AcDbObjectId& id,
                                          std::uint64_t handle) {
  id.setNull();
  if (object == nullptr)
    return Acad::eNullObjectPointer;
  bool provisional = false;
  if (handle == 0) {
    provisional = provisional_;
    if (!provisional) {
      // After an undo the seed may sit below handles still in use (objects
      // added outside any step): those are passed over.
      while (ObjectStub* held = stubForHandle(handseed_, false)) {
        (void)held;
        ++handseed_;
      }
    }
    handle = provisional ? nextProvisional_++ : handseed_;
  }
  ObjectStub* stub = stubForHandle(handle, true);
  if (stub == nullptr)
    return Acad::eInvalidInput;  // a handle no stub can hold
  if (provisional)
    provisionalStubs_.push_back(stub);
  if (stub->object != nullptr)
    return Acad::eHandleInUse;
  stub->object = object;
  stub->erased = false;
  object->attachStub(stub);
  object->setOwnerId(owner);
  ++objectCount_;
  id = AcDbObjectId(stub);
  return Acad::eOk;
}

void DatabaseCore::releaseHandle(ObjectStub* stub) {
  if (stub == nullptr)
    return;
  ObjectStub** slot = slotFor(stub->handle, false);
  if (slot != nullptr && *slot == stub) {
    *slot = nullptr;
    return;
  }
  auto found = sparseByHandle_.find(stub->handle);
  if (found != sparseByHandle_.end() && found->second == stub)
    sparseByHandle_.erase(found);
}

void DatabaseCore::reclaimHandle(ObjectStub* stub) {
  if (stub == nullptr)
    return;
  ObjectStub** slot = slotFor(stub->handle, true);
  if (slot != nullptr) {
    if (*slot == nullptr || (*slot)->object == nullptr)
      *slot = stub;
  } else {
    auto [found, added] = sparseByHandle_.emplace(std::uint64_t{stub->handle}, stub);
    if (!added && found->second->object == nullptr)
      found->second = stub;
  }
  reserveHandle(stub->handle);
}

void DatabaseCore::replaceObject(ObjectStub* stub, AcDbObject* object) {
  if (stub == nullptr || stub->object == object)
    return;
  AcDbObjectId owner;
  if (stub->object != nullptr) {
    owner = stub->object->ownerId();
    delete stub->object;
  } else {
    ++objectCount_;
  }
  stub->object = object;
  if (object != nullptr) {
    object->attachStub(stub);
    if (object->ownerId().isNull())
      object->setOwnerId(owner);
  }
}

AcDbObjectId DatabaseCore::tableByName(const std::string& name) const {
  if (name == "LAYER") return layerTable;
  if (name == "LTYPE") return linetypeTable;
  if (name == "STYLE") return textStyleTable;
  if (name == "DIMSTYLE") return dimStyleTable;
  if (name == "APPID") return regAppTable;
  if (name == "VIEW") return viewTable;
  if (name == "UCS") return ucsTable;
  if (name == "VPORT") return viewportTable;
  if (name == "BLOCK_RECORD") return blockTable;
  return {};
}

DatabaseCore* coreOf(const AcDbObject* object) {
  if (object == nullptr || object->stub() == nullptr || object->stub()->database == nullptr)
    return nullptr;
  return &object->stub()->database->core();
}

std::string recordNameOf(AcDbObjectId id) {
  auto* record = peekObject<AcDbSymbolTableRecord>(id);
  if (record == nullptr)
    return {};
  record->markOpened(AcDb::kForRead);
  std::string name = record->name();
  record->markClosed();
  return name;
}

bool isOnLockedLayer(const AcDbObject* object) {
  auto* entity = AcDbEntity::cast(object);
  if (entity == nullptr)
    return false;
  const_cast<AcDbEntity*>(entity)->markOpened(AcDb::kForRead);
  AcDbObjectId layerId = entity->layerId();
  const_cast<AcDbEntity*>(entity)->markClosed();
  auto* layer = peekObject<AcDbLayerTableRecord>(layerId);
  return layer != nullptr && layer->isLocked();
}

namespace {
struct DatabaseRegistry {
  std::vector<const AcDbDatabase*> live;  // index + 1 is the serial
};
DatabaseRegistry& databases() {
  static DatabaseRegistry registry;
  return registry;
}
}  // namespace

std::int64_t registerDatabase(const AcDbDatabase* db) {
  auto& live = databases().live;
  live.push_back(db);
  return static_cast<std::int64_t>(live.size());
}

void unregisterDatabase(const AcDbDatabase* db) {
  for (auto& entry : databases().live)
    if (entry == db)
      entry = nullptr;
}

std::int64_t databaseSerial(const AcDbDatabase* db) {
  const auto& live = databases().live;
  for (std::size_t i = 0; i < live.size(); ++i)
    if (live[i] == db)
      return static_cast<std::int64_t>(i + 1);
  return 0;
}

AcDbDatabase* databaseBySerial(std::int64_t serial) {
  const auto& live = databases().live;
  if (serial < 1 || static_cast<std::size_t>(serial) > live.size())
    return nullptr;
  return const_cast<AcDbDatabase*>(live[static_cast<std::size_t>(serial - 1)]);
}

AcDbObjectId implicitRecordId(AcDbDatabase* db, AcDbObjectId tableId, const std::string& name) {
  auto* table = peekObject<AcDbSymbolTable>(tableId);
  if (db == nullptr || table == nullptr)
    return {};
  // Most drawings name the same few layers over and over: remember the last
  // name looked up in each table.
  DatabaseCore::RecordLookup& slot =
      db->core().lastLookup[std::hash<const void*>()(tableId.stub()) % DatabaseCore::kLookupSlots];
  if (slot.table == tableId && slot.name == name && slot.id.isValid())
    return slot.id;
  AcDbObjectId id;
  if (table->getAt(name.c_str(), id, true) != Acad::eOk) {
    AcRxObject* made = nullptr;
    if (AcDbLayerTable::cast(table)) made = new AcDbLayerTableRecord;
    else if (AcDbLinetypeTable::cast(table)) made = new AcDbLinetypeTableRecord;
    else if (AcDbTextStyleTable::cast(table)) made = new AcDbTextStyleTableRecord;
    else if (AcDbDimStyleTable::cast(table)) made = new AcDbDimStyleTableRecord;
    else if (AcDbBlockTable::cast(table)) made = new AcDbBlockTableRecord;
    else if (AcDbRegAppTable::cast(table)) made = new AcDbRegAppTableRecord;
    auto* record = static_cast<AcDbSymbolTableRecord*>(made);
    if (record == nullptr)
      return {};
    record->setNameFromFile(name);
    record->setImplicit(true);
    if (db->core().addObject(record, tableId, id) != Acad::eOk) {
      delete record;
      return {};
    }
    table->addRecordId(id, name);
  }
  slot.table = tableId;
  slot.name = name;
  slot.id = id;
  return id;
}

}  // namespace zek
