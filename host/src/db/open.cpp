// Opening objects: one writer or many readers, locked layers refuse write
// opens, erased objects open only on request; every open is remembered so
// the host can report objects a command left open.
#include "db_object.h"

#include "db/database_core.h"
#include "db_database.h"

namespace {
constexpr int kMaxReaders = 255;
}

Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& object, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErased) {
  object = nullptr;
  zek::ObjectStub* stub = id.stub();
  if (stub == nullptr)
    return Acad::eNullObjectId;
  if (stub->object == nullptr)
    return Acad::eUnknownHandle;
  if (stub->erased && !openErased)
    return Acad::eWasErased;
  AcDbObject* target = stub->object;
  if (target->isOpenForWrite())
    return Acad::eWasOpenedForWrite;
  if (mode == AcDb::kForWrite) {
    if (target->readerCount() > 0)
      return Acad::eWasOpenedForRead;
    if (zek::isOnLockedLayer(target))
      return Acad::eOnLockedLayer;
    if (stub->database != nullptr)
      stub->database->core().undo.noteWriteOpen(target);
  } else if (mode == AcDb::kForRead) {
    if (target->readerCount() >= kMaxReaders)
      return Acad::eAtMaxReaders;
  } else {
    return Acad::eInvalidOpenState;
  }
  target->markOpened(mode);
  if (stub->database != nullptr)
    stub->database->core().openStubs.insert(stub);
  object = target;
  return Acad::eOk;
}
