// ModelSpaceForWrite: the drawing's model space opened for write for as long
// as a command appends to it, closed on every way out.
#pragma once

#include "db_block.h"
#include "db_database.h"
#include "db_entity.h"

namespace zek::inline foundation {

class ModelSpaceForWrite {
public:
  explicit ModelSpaceForWrite(AcDbDatabase& db) : db_(db) {
    AcDbBlockTable* blocks = nullptr;
    if (db.getBlockTable(blocks, AcDb::kForRead) != Acad::eOk)
      return;
    if (blocks->getAt(ACDB_MODEL_SPACE, space_, AcDb::kForWrite) != Acad::eOk)
      space_ = nullptr;
    (void)blocks->close();
  }
  ~ModelSpaceForWrite() {
    if (space_ != nullptr)
      (void)space_->close();
  }
  ModelSpaceForWrite(const ModelSpaceForWrite&) = delete;
  ModelSpaceForWrite& operator=(const ModelSpaceForWrite&) = delete;

  // Null when model space could not be opened.
  AcDbBlockTableRecord* get() const { return space_; }

  // Appends a new entity with the drawing's defaults (current layer, colour
  // BYLAYER, ...) already set by the caller or not, and closes it. An entity
  // the space refuses is deleted. Answers the append's status.
  Acad::ErrorStatus append(AcDbEntity* entity, AcDbObjectId* appended = nullptr) {
    if (space_ == nullptr) {
      delete entity;
      return Acad::eNoDatabase;
    }
    AcDbObjectId id;
    const Acad::ErrorStatus es = space_->appendAcDbEntity(id, entity);
    if (es != Acad::eOk) {
      delete entity;
      return es;
    }
    (void)entity->close();
    if (appended != nullptr)
      *appended = id;
    return es;
  }

  AcDbDatabase& database() const { return db_; }

private:
  AcDbDatabase& db_;
  AcDbBlockTableRecord* space_ = nullptr;
};

}  // namespace zek::inline foundation
