// Reading the drawing's objects as the host's own readers do: the object
// is marked open for read while the guard lives, without the bookkeeping of
// a command's opens (a picture of a million entities opens each one once).
// An object a writer holds (a jig's entity) is read as it is.
#pragma once

#include "db/database_core.h"
#include "db_object.h"

namespace zek::render {

template <typename T>
class HostRead {
public:
  explicit HostRead(AcDbObjectId id) : object_(peekObject<T>(id)) {
    if (object_ != nullptr)
      object_->markOpened(AcDb::kForRead);
  }
  ~HostRead() {
    if (object_ != nullptr)
      object_->markClosed();
  }
  HostRead(const HostRead&) = delete;
  HostRead& operator=(const HostRead&) = delete;

  T* get() const { return object_; }
  T* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

private:
  T* object_;
};

}  // namespace zek::render
