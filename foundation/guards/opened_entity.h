// OpenedEntity: an entity opened for read or write, closed when it goes out
// of scope.
#pragma once

#include "db_entity.h"
#include "db_object.h"

namespace zek::inline foundation {

// One entity opened through the open-and-close protocol. Closed on every way
// out of the scope (close() commits a write), so the next entity may open.
class OpenedEntity {
public:
  OpenedEntity(AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false);
  ~OpenedEntity() { close(); }
  OpenedEntity(const OpenedEntity&) = delete;
  OpenedEntity& operator=(const OpenedEntity&) = delete;

  // How the open went: eOk, eOnLockedLayer for a write open on a locked
  // layer, eNotThatKindOfClass for an object that is no entity, ...
  Acad::ErrorStatus status() const { return status_; }
  // The entity while it is open, else null.
  AcDbEntity* get() const { return entity_; }
  AcDbEntity* operator->() const { return entity_; }
  // The entity as a class of its own (null when it is of another class or
  // not open).
  template <class T>
  T* as() const {
    return entity_ ? T::cast(entity_) : nullptr;
  }
  // A reader becomes the writer; the answer of upgradeOpen.
  [[nodiscard]] Acad::ErrorStatus upgradeOpen();
  // Closes now (nothing when not open).
  void close();

private:
  AcDbEntity* entity_ = nullptr;
  Acad::ErrorStatus status_ = Acad::eOk;
};

}  // namespace zek::inline foundation
