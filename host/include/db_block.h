// Blocks: the block table, its records (model space "*Model_Space", paper
// space "*Paper_Space", user blocks, anonymous "*D"/"*U" blocks) and the
// iterator over a block's entities.
#pragma once

#include <string>
#include <vector>

#include "db_entity.h"
#include "db_symtab.h"

constexpr const char* ACDB_MODEL_SPACE = "*Model_Space";
constexpr const char* ACDB_PAPER_SPACE = "*Paper_Space";

// The BLOCK and ENDBLK entities that open and close a block definition in
// DXF. They carry a handle, a layer and whatever groups the file gave them.
class AcDbBlockBegin : public AcDbEntity {
public:
  ACRX_DECLARE_MEMBERS(AcDbBlockBegin);
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
};

class AcDbBlockEnd : public AcDbEntity {
public:
  ACRX_DECLARE_MEMBERS(AcDbBlockEnd);
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
};

class AcDbBlockTableRecordIterator;

class AcDbBlockTableRecord : public AcDbSymbolTableRecord {
public:
  ACRX_DECLARE_MEMBERS(AcDbBlockTableRecord);
  AcDbBlockTableRecord();
  ~AcDbBlockTableRecord() override;

  // Adds an entity to the block: the database takes it, gives it an id and a
  // handle, and it stays open for write until the caller closes it. The
  // block must be open for write. Appending to a locked layer is allowed.
  Acad::ErrorStatus appendAcDbEntity(AcDbObjectId& id, AcDbEntity* entity);
  Acad::ErrorStatus appendAcDbEntity(AcDbEntity* entity);
  Acad::ErrorStatus newIterator(AcDbBlockTableRecordIterator*& iterator, bool atBeginning = true,
                                bool skipDeleted = true) const;

  AcGePoint3d origin() const { return origin_; }
  Acad::ErrorStatus setOrigin(const AcGePoint3d& origin);
  std::string comments() const { return comments_; }
  Acad::ErrorStatus setComments(const char* text);
  std::string pathName() const { return xrefPath_; }
  bool isAnonymous() const { return (flags_ & 1) != 0; }
  bool hasAttributeDefinitions() const { return (flags_ & 2) != 0; }
  bool isFromExternalReference() const { return (flags_ & 4) != 0; }
  bool isLayout() const;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  // Host side. The entities in drawing order (erased ones stay until purged,
  // so undo can bring them back).
  const std::vector<AcDbObjectId>& entityIds() const { return entities_; }
  void addEntityId(AcDbObjectId id) { entities_.push_back(id); }
  void reserveEntities(std::size_t count) { entities_.reserve(count); }
  void removeEntityId(AcDbObjectId id);
  // The BLOCK and ENDBLK entities of the definition (made on demand).
  AcDbObjectId blockBeginId() const { return begin_; }
  AcDbObjectId blockEndId() const { return end_; }
  void setBlockBeginId(AcDbObjectId id) { begin_ = id; }
  void setBlockEndId(AcDbObjectId id) { end_ = id; }
  // The LAYOUT object of a layout block (group 340), as filed.
  AcDbObjectId layoutId() const { return layout_; }
  void setLayoutId(AcDbObjectId id) { layout_ = id; }
  // Fields the BLOCK entity files (read from it, written into it).
  void setPathName(const std::string& path) { xrefPath_ = path; }
  void setOriginFromFile(const AcGePoint3d& origin) { origin_ = origin; }
  void setFlagsFromFile(Adesk::Int16 flags) { flags_ = flags; }

private:
  std::vector<AcDbObjectId> entities_;
  AcDbObjectId begin_;
  AcDbObjectId end_;
  AcDbObjectId layout_;
  AcGePoint3d origin_;
  std::string comments_;
  std::string xrefPath_;
};

class AcDbBlockTable : public AcDbSymbolTable {
public:
  ACRX_DECLARE_MEMBERS(AcDbBlockTable);
  const char* tableName() const override { return "BLOCK_RECORD"; }

  // Host side: the highest n of the "*Dn" dimension blocks among the first
  // `scanned` records, so that naming a new one reads only the records added
  // since (a drawing with thousands of dimensions would otherwise read every
  // block for each).
  struct DimBlockCount {
    long highest = 0;
    std::size_t scanned = 0;
  };
  DimBlockCount dimBlockCount;
};

class AcDbBlockTableRecordIterator {
public:
  AcDbBlockTableRecordIterator(const std::vector<AcDbObjectId>& ids, bool skipDeleted);
  void start(bool atBeginning = true, bool skipDeleted = true);
  bool done() const;
  void step(bool forward = true, bool skipDeleted = true);
  Acad::ErrorStatus getEntityId(AcDbObjectId& id) const;
  Acad::ErrorStatus getEntity(AcDbEntity*& entity, AcDb::OpenMode mode,
                              bool openErased = false) const;

private:
  void skipErased();
  std::vector<AcDbObjectId> ids_;
  std::size_t position_ = 0;
  bool skipDeleted_ = true;
};
