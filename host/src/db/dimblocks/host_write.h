// Changes the host makes to objects on its own while something else may
// hold them open (a caller reading the block table while it closes a
// dimension): the object is made writable for the scope without the open
// protocol, and the undo step still records its state first.
#pragma once

#include "db/database_core.h"
#include "db_object.h"

namespace zek {

class HostWrite {
public:
  explicit HostWrite(AcDbObject* object) : object_(object) {
    if (object_ == nullptr || object_->isWriteEnabled())
      return;  // already the writer's (or outside a database): nothing to mark
    if (DatabaseCore* core = coreOf(object_))
      core->undo.noteWriteOpen(object_);
    object_->markOpened(AcDb::kForWrite);
    marked_ = true;
  }
  ~HostWrite() {
    if (marked_)
      object_->markClosed();
  }
  HostWrite(const HostWrite&) = delete;
  HostWrite& operator=(const HostWrite&) = delete;

private:
  AcDbObject* object_;
  bool marked_ = false;
};

}  // namespace zek
