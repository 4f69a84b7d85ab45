// An object of the drawing opened for read for one scope: selection looks
// at entities without leaving any of them open.
#pragma once

#include "db/database_core.h"
#include "db_object.h"

namespace zek {

// Opens the object for read, or takes it as it is when its writer holds it
// open (reading is allowed then); closes what it opened. get() is null when
// the object cannot be read (erased objects only with openErased).
template <typename T>
class ReadScope {
public:
  explicit ReadScope(AcDbObjectId id, bool openErased = false) {
    opened_ = acdbOpenObject(object_, id, AcDb::kForRead, openErased) == Acad::eOk;
    if (!opened_) {
      object_ = peekObject<T>(id);
      if (object_ != nullptr && (!object_->isReadEnabled() || (object_->isErased() && !openErased)))
        object_ = nullptr;
    }
  }
  ~ReadScope() {
    if (opened_)
      (void)object_->close();
  }
  ReadScope(const ReadScope&) = delete;
  ReadScope& operator=(const ReadScope&) = delete;
  T* get() const { return object_; }
  T* operator->() const { return object_; }

private:
  T* object_ = nullptr;
  bool opened_ = false;
};

}  // namespace zek
