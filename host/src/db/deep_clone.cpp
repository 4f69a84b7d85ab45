// Deep cloning: copies of objects through the binary filer, with the objects
// they own, into a block of the same database; references among the copies
// are translated to the copies.
#include <unordered_map>

#include "db/database_core.h"
#include "db/memory_filer.h"
#include "db_database.h"

struct AcDbIdMapping::Pairs {
  std::vector<AcDbIdPair> list;
  std::unordered_map<const zek::ObjectStub*, std::size_t> byKey;
};

AcDbIdMapping::AcDbIdMapping() : pairs_(std::make_unique<Pairs>()) {}
AcDbIdMapping::~AcDbIdMapping() = default;

Acad::ErrorStatus AcDbIdMapping::assign(const AcDbIdPair& pair) {
  auto found = pairs_->byKey.find(pair.key().stub());
  if (found != pairs_->byKey.end()) {
    pairs_->list[found->second] = pair;
    return Acad::eOk;
  }
  pairs_->byKey.emplace(pair.key().stub(), pairs_->list.size());
  pairs_->list.push_back(pair);
  return Acad::eOk;
}

bool AcDbIdMapping::compute(AcDbIdPair& pair) const {
  auto found = pairs_->byKey.find(pair.key().stub());
  if (found == pairs_->byKey.end())
    return false;
  pair = pairs_->list[found->second];
  return true;
}

int AcDbIdMapping::numPairs() const { return static_cast<int>(pairs_->list.size()); }

const AcDbIdPair& AcDbIdMapping::pairAt(int index) const {
  return pairs_->list[static_cast<std::size_t>(index)];
}

namespace {

// Copies one object (not yet translated) and, first, the objects it owns.
Acad::ErrorStatus cloneOne(zek::DatabaseCore& core, AcDbObjectId source, AcDbObjectId owner,
                           AcDbIdMapping& map, bool primary, std::vector<AcDbObjectId>& made) {
  AcDbIdPair probe(source, AcDbObjectId(), false);
  if (map.compute(probe) && probe.isCloned())
    return Acad::eOk;
  AcDbObject* original = nullptr;
  Acad::ErrorStatus es = acdbOpenAcDbObject(original, source, AcDb::kForRead);
  if (es != Acad::eOk)
    return es;
  zek::MemoryDwgFiler filer(AcDb::kDeepCloneFiler, core.database());
  es = original->dwgOutFields(&filer);
  std::vector<AcDbObjectId> owned;
  original->ownedObjectIds(owned);
  AcRxClass* cls = original->isA();
  original->close();
  if (es != Acad::eOk)
    return es;
  auto* copy = AcDbObject::cast(cls ? cls->create() : nullptr);
  if (copy == nullptr)
    return Acad::eNotImplementedYet;
  filer.rewind();
  es = copy->dwgInFields(&filer);
  if (es != Acad::eOk) {
    delete copy;
    return es;
  }
  // The copy starts without the original's extension dictionary and
  // reactors: sharing them would let a change to one reach the other.
  if (zek::ObjectExtras* extras = copy->extras()) {
    extras->extensionDictionary = AcDbObjectId();
    extras->reactors.clear();
    copy->dropEmptyExtras();
  }
  AcDbObjectId copyId;
  es = core.addObject(copy, owner, copyId);
  if (es != Acad::eOk) {
    delete copy;
    return es;
  }
  core.undo.noteAdded(copyId);
  map.assign(AcDbIdPair(source, copyId, true, primary));
  made.push_back(copyId);
  for (AcDbObjectId sub : owned) {
    es = cloneOne(core, sub, copyId, map, false, made);
    if (es != Acad::eOk)
      return es;
  }
  return Acad::eOk;
}

// Rewrites the references of a copy that point at cloned objects: files the
// copy out and back in through a filer that reads mapped ids as their copies.
void translateReferences(zek::DatabaseCore& core, AcDbObjectId copyId, const AcDbIdMapping& map) {
  AcDbObject* copy = copyId.stub()->object;
  zek::MemoryDwgFiler filer(AcDb::kIdXlateFiler, core.database());
  copy->markOpened(AcDb::kForRead);
  copy->dwgOutFields(&filer);
  copy->markClosed();
  filer.rewind();
  filer.setIdTranslation(&map);
  AcDbObjectId owner = copy->ownerId();
  copy->markOpened(AcDb::kForWrite);
  copy->dwgInFields(&filer);
  copy->setOwnerId(owner);
  copy->markClosed();
}

}  // namespace

Acad::ErrorStatus AcDbDatabase::deepCloneObjects(AcDbObjectIdArray& objectIds, AcDbObjectId& owner,
                                                 AcDbIdMapping& idMap, bool deferXlation) {
  auto* block = zek::peekObject<AcDbBlockTableRecord>(owner);
  if (block == nullptr || owner.database() != this)
    return Acad::eWrongObjectType;
  idMap.setDestDb(this);
  std::vector<AcDbObjectId> made;
  for (AcDbObjectId id : objectIds) {
    if (id.database() != this)
      return Acad::eWrongDatabase;
    std::size_t before = made.size();
    Acad::ErrorStatus es = cloneOne(*core_, id, owner, idMap, true, made);
    if (es != Acad::eOk)
      return es;
    if (made.size() > before && AcDbEntity::cast(made[before].stub()->object))
      block->addEntityId(made[before]);
  }
  if (!deferXlation)
    for (AcDbObjectId copy : made)
      translateReferences(*core_, copy, idMap);
  return Acad::eOk;
}
