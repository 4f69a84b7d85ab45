// The inside of a database that the host's own code (reader, writer, undo,
// open functions) works with: object stubs and the handle map, the ids of the
// tables and spaces, the objects section, the CLASSES records, sections kept
// as they were read, and the bookkeeping of open objects.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "db_database.h"
#include "db/header_variables.h"
#include "db/undo_recorder.h"

namespace zek {

// One record of the CLASSES section.
struct ClassRecord {
  std::string dxfName;
  std::string cppName;
  std::string appName;
  int proxyFlags = 0;
  int instanceCount = 0;
  bool wasAProxy = false;
  bool isEntity = false;
};

// A section the host does not model (THUMBNAILIMAGE, ACDSDATA, ...), kept
// group by group and written back unchanged.
struct KeptFileSection {
  std::string name;
  std::vector<KeptGroup> groups;  // everything between "2 NAME" and ENDSEC
};

class DatabaseCore {
public:
  explicit DatabaseCore(AcDbDatabase* db);
  ~DatabaseCore();
  DatabaseCore(const DatabaseCore&) = delete;
  DatabaseCore& operator=(const DatabaseCore&) = delete;

  AcDbDatabase* database() const { return db_; }

  // The stub of a handle; with create, a new empty stub when there is none
  // (references read before their object). Null for handle 0 or not found.
  ObjectStub* stubForHandle(std::uint64_t handle, bool create);
  // Adds an object under a handle (0: the next free one). The database owns
  // it from then on. Fails with eHandleInUse when the handle already holds an
  // object, and with eInvalidInput for a handle at or above
  // ObjectStub::kHandleLimit; the object is then still the caller's.
  Acad::ErrorStatus addObject(AcDbObject* object, AcDbObjectId owner, AcDbObjectId& id,
                              std::uint64_t handle = 0);
  // Puts another object under an existing id (undo, proxies); deletes the old one.
  void replaceObject(ObjectStub* stub, AcDbObject* object);
  std::uint64_t nextHandle() const { return handseed_; }
  // Undo: the seed as it was before a step (handles in use above it are
  // skipped when new objects take handles), and the handle index losing or
  // regaining an object the step added (its stub stays for redo).
  void setHandseed(std::uint64_t seed) { handseed_ = seed; }
  void releaseHandle(ObjectStub* stub);
  void reclaimHandle(ObjectStub* stub);
  void reserveHandle(std::uint64_t handle) {
    if (handle >= handseed_ && handle < kProvisionalBase) handseed_ = handle + 1;
  }
  // While a file is read, objects the host adds on its own (standard tables
  // of a file without them, objects without a handle) take provisional
  // handles far above any file's, so they never take a handle the file uses
  // later; settling gives them real handles above every handle of the file.
  void beginProvisionalHandles() { provisional_ = true; }
  void settleProvisionalHandles();
  static constexpr std::uint64_t kProvisionalBase = std::uint64_t(1) << 62;
  std::size_t objectCount() const { return objectCount_; }
  // Makes room for handles up to `seed` (a file's $HANDSEED), so reading a
  // large drawing does not grow the handle index step by step.
  void expectHandles(std::uint64_t seed);
  // Every stub in creation order (objects, empty references included).
  template <typename F>
  void forEachStub(F&& f) const {
    for (const ObjectStub& stub : stubs_) f(stub);
  }

  // Ids of the tables, the spaces and the well-known records.
  AcDbObjectId blockTable, layerTable, linetypeTable, textStyleTable, dimStyleTable,
      regAppTable, viewTable, ucsTable, viewportTable;
  AcDbObjectId modelSpace, paperSpace;
  AcDbObjectId layerZero, byLayerLinetype, byBlockLinetype, continuousLinetype;
  AcDbObjectId standardTextStyle, standardDimStyle;
  // The order the tables appear in the file (new drawings: the usual order).
  std::vector<AcDbObjectId> tableOrder;
  // The objects section in file order; the first is the root dictionary.
  std::vector<AcDbObjectId> objects;
  std::vector<ClassRecord> classes;
  std::vector<KeptFileSection> keptSections;
  // Order of the sections as read ("HEADER", "CLASSES", ...), for writing back.
  std::vector<std::string> sectionOrder;
  HeaderVariables header;
  UndoRecorder undo{*this};

  // Where the drawing came from.
  AcDb::AcDbDwgVersion fileVersion = AcDb::kDHL_1032;
  bool fileHadVersion = false;
  std::string fileName;

  // Open objects and highlights.
  std::unordered_set<ObjectStub*> openStubs;
  std::unordered_set<const ObjectStub*> highlighted;

  // The last record name looked up per table (implicitRecordId).
  struct RecordLookup {
    AcDbObjectId table;
    std::string name;
    AcDbObjectId id;
  };
  static constexpr std::size_t kLookupSlots = 4;
  RecordLookup lastLookup[kLookupSlots];

  // Table id by table DXF name ("LAYER"), null when unknown.
  AcDbObjectId tableByName(const std::string& name) const;

private:
  AcDbDatabase* db_;
  // Handles are mostly small and dense: a vector indexed by handle holds
  // them (8 bytes a handle, no node per object); the few far-off handles of
  // some files go into the map.
  ObjectStub** slotFor(std::uint64_t handle, bool grow);
  std::deque<ObjectStub> stubs_;
  std::vector<ObjectStub*> denseByHandle_;
  std::unordered_map<std::uint64_t, ObjectStub*> sparseByHandle_;
  std::uint64_t handseed_ = 1;
  bool provisional_ = false;
  std::uint64_t nextProvisional_ = kProvisionalBase;
  std::vector<ObjectStub*> provisionalStubs_;
  std::size_t objectCount_ = 0;
};

// The core of the database an object belongs to (its stub's), or null.
DatabaseCore* coreOf(const AcDbObject* object);

// The object behind an id without opening it (host code that only reads, such
// as the DXF writer and the layer checks of the open functions), or null.
template <typename T>
T* peekObject(AcDbObjectId id) {
  return id.stub() ? T::cast(id.stub()->object) : nullptr;
}
// The name of a symbol table record, or "" for a null or dangling id.
std::string recordNameOf(AcDbObjectId id);
// True for an entity whose layer is locked.
bool isOnLockedLayer(const AcDbObject* object);
// Numbers that name live databases in entity names (ads_name[1]).
std::int64_t registerDatabase(const AcDbDatabase* db);
void unregisterDatabase(const AcDbDatabase* db);
std::int64_t databaseSerial(const AcDbDatabase* db);
AcDbDatabase* databaseBySerial(std::int64_t serial);

// The record of a symbol table by name (case ignored). A name the drawing
// uses but never defines gets an implicit record, which is not written back
// unless something makes it real. Null id when the table is missing.
AcDbObjectId implicitRecordId(AcDbDatabase* db, AcDbObjectId tableId, const std::string& name);

}  // namespace zek
