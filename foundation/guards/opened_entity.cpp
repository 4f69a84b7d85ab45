// OpenedEntity: acdbOpenObject for an entity, and its close.
#include "guards/opened_entity.h"

namespace zek::inline foundation {

OpenedEntity::OpenedEntity(AcDbObjectId id, AcDb::OpenMode mode, bool openErased)
    : status_(acdbOpenObject(entity_, id, mode, openErased)) {
  if (status_ != Acad::eOk)
    entity_ = nullptr;
}

Acad::ErrorStatus OpenedEntity::upgradeOpen() {
  if (entity_ == nullptr)
    return Acad::eNotOpenForRead;
  return entity_->upgradeOpen();
}

void OpenedEntity::close() {
  if (entity_ == nullptr)
    return;
  // close() of an open entity cannot fail in a way the command could mend;
  // the host's open-object check after the command is the net.
  (void)entity_->close();
  entity_ = nullptr;
}

}  // namespace zek::inline foundation
