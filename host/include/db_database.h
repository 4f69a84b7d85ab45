// AcDbDatabase: one drawing — header variables, symbol tables, blocks and
// their entities, the objects section, handles, object ids, undo snapshots
// and deep cloning.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "db_block.h"
#include "db_core.h"
#include "db_entity.h"
#include "db_symtab.h"

namespace zek {
class DatabaseCore;
class HeaderVariables;
class UndoRecorder;
}  // namespace zek

// The map from source to clone ids that deepCloneObjects fills.
class AcDbIdPair {
public:
  AcDbIdPair() = default;
  AcDbIdPair(AcDbObjectId key, AcDbObjectId value, bool isCloned, bool isPrimary = false)
      : key_(key), value_(value), isCloned_(isCloned), isPrimary_(isPrimary) {}
  AcDbObjectId key() const { return key_; }
  AcDbObjectId value() const { return value_; }
  bool isCloned() const { return isCloned_; }
  bool isPrimary() const { return isPrimary_; }
  void setKey(AcDbObjectId key) { key_ = key; }
  void setValue(AcDbObjectId value) { value_ = value; }

private:
  AcDbObjectId key_;
  AcDbObjectId value_;
  bool isCloned_ = false;
  bool isPrimary_ = false;
};

class AcDbIdMapping {
public:
  AcDbIdMapping();
  ~AcDbIdMapping();
  Acad::ErrorStatus assign(const AcDbIdPair& pair);
  // Finds the pair of pair.key(); answers false when there is none.
  bool compute(AcDbIdPair& pair) const;
  int numPairs() const;
  const AcDbIdPair& pairAt(int index) const;
  AcDbDatabase* destDb() const { return destDb_; }
  void setDestDb(AcDbDatabase* db) { destDb_ = db; }

private:
  struct Pairs;
  std::unique_ptr<Pairs> pairs_;
  AcDbDatabase* destDb_ = nullptr;
};

class AcDbDatabase : public AcRxObject {
public:
  ACRX_DECLARE_MEMBERS(AcDbDatabase);
  // With buildDefaultDrawing the database holds what a new drawing needs:
  // layer "0", linetypes BYBLOCK, BYLAYER and CONTINUOUS, the STANDARD text
  // and dimension styles, the ACAD application, model and paper space.
  explicit AcDbDatabase(bool buildDefaultDrawing = true, bool noDocument = false);
  ~AcDbDatabase() override;
  AcDbDatabase(const AcDbDatabase&) = delete;
  AcDbDatabase& operator=(const AcDbDatabase&) = delete;

  Acad::ErrorStatus getBlockTable(AcDbBlockTable*& table, AcDb::OpenMode mode);
  Acad::ErrorStatus getLayerTable(AcDbLayerTable*& table, AcDb::OpenMode mode);
  Acad::ErrorStatus getLinetypeTable(AcDbLinetypeTable*& table, AcDb::OpenMode mode);
  Acad::ErrorStatus getTextStyleTable(AcDbTextStyleTable*& table, AcDb::OpenMode mode);
  Acad::ErrorStatus getDimStyleTable(AcDbDimStyleTable*& table, AcDb::OpenMode mode);
  Acad::ErrorStatus getRegAppTable(AcDbRegAppTable*& table, AcDb::OpenMode mode);
  Acad::ErrorStatus getViewTable(AcDbViewTable*& table, AcDb::OpenMode mode);
  Acad::ErrorStatus getUCSTable(AcDbUCSTable*& table, AcDb::OpenMode mode);
  Acad::ErrorStatus getViewportTable(AcDbViewportTable*& table, AcDb::OpenMode mode);
  Acad::ErrorStatus getSymbolTable(AcDbBlockTable*& t, AcDb::OpenMode m) { return getBlockTable(t, m); }
  Acad::ErrorStatus getSymbolTable(AcDbLayerTable*& t, AcDb::OpenMode m) { return getLayerTable(t, m); }
  Acad::ErrorStatus getSymbolTable(AcDbLinetypeTable*& t, AcDb::OpenMode m) { return getLinetypeTable(t, m); }
  Acad::ErrorStatus getSymbolTable(AcDbTextStyleTable*& t, AcDb::OpenMode m) { return getTextStyleTable(t, m); }
  Acad::ErrorStatus getSymbolTable(AcDbDimStyleTable*& t, AcDb::OpenMode m) { return getDimStyleTable(t, m); }
  Acad::ErrorStatus getSymbolTable(AcDbRegAppTable*& t, AcDb::OpenMode m) { return getRegAppTable(t, m); }

  AcDbObjectId blockTableId() const;
  AcDbObjectId layerTableId() const;
  AcDbObjectId linetypeTableId() const;
  AcDbObjectId textStyleTableId() const;
  AcDbObjectId dimStyleTableId() const;
  AcDbObjectId regAppTableId() const;
  AcDbObjectId viewTableId() const;
  AcDbObjectId UCSTableId() const;
  AcDbObjectId viewportTableId() const;
  AcDbObjectId modelSpaceId() const;
  AcDbObjectId paperSpaceId() const;
  AcDbObjectId byLayerLinetype() const;
  AcDbObjectId byBlockLinetype() const;
  AcDbObjectId continuousLinetype() const;
  AcDbObjectId layerZero() const;

  // Current properties for new entities (header $CLAYER, $CELTYPE, $CECOLOR,
  // $CELTSCALE, $CELWEIGHT), text size and style, dimension style, scales.
  AcDbObjectId clayer() const;
  Acad::ErrorStatus setClayer(AcDbObjectId layerId);
  AcDbObjectId celtype() const;
  Acad::ErrorStatus setCeltype(AcDbObjectId linetypeId);
  AcCmColor cecolor() const;
  Acad::ErrorStatus setCecolor(const AcCmColor& color);
  double celtscale() const;
  Acad::ErrorStatus setCeltscale(double scale);
  AcDb::LineWeight celweight() const;
  Acad::ErrorStatus setCelweight(AcDb::LineWeight weight);
  double ltscale() const;
  Acad::ErrorStatus setLtscale(double scale);
  double textsize() const;
  Acad::ErrorStatus setTextsize(double size);
  AcDbObjectId textstyle() const;
  Acad::ErrorStatus setTextstyle(AcDbObjectId styleId);
  AcDbObjectId dimstyle() const;
  Acad::ErrorStatus setDimstyle(AcDbObjectId styleId);
  AcGePoint3d insbase() const;
  AcGePoint3d extmin() const;
  AcGePoint3d extmax() const;
  // Recomputes $EXTMIN/$EXTMAX from model space.
  Acad::ErrorStatus updateExt(bool doBestFit = false);

  // The id of a handle; with createIfNotFound a new, empty id for it.
  Acad::ErrorStatus getAcDbObjectId(AcDbObjectId& id, bool createIfNotFound,
                                    const AcDbHandle& handle, Adesk::UInt32 reserved = 0);
  // Adds a non-entity object to the database (open for write afterwards).
  Acad::ErrorStatus addAcDbObject(AcDbObjectId& id, AcDbObject* object);
  AcDbHandle handseed() const;
  Adesk::Int32 approxNumObjects() const;

  // Copies the objects into the block `owner` of this database; each copy
  // goes into the map with its source. References among the copied objects
  // are translated to the copies.
  Acad::ErrorStatus deepCloneObjects(AcDbObjectIdArray& objectIds, AcDbObjectId& owner,
                                     AcDbIdMapping& idMap, bool deferXlation = false);

  Acad::ErrorStatus loadLineTypeFile(const char* linetypeName, const char* fileName);

  // The generation the drawing was read in (the DXF version of the file).
  AcDb::AcDbDwgVersion originalFileVersion() const;
  const char* originalFileName() const;

  // Host side.
  zek::DatabaseCore& core() const { return *core_; }
  zek::HeaderVariables& header() const;
  zek::UndoRecorder& undo() const;
  // Objects open now (leak check after a command).
  std::vector<AcDbObjectId> openObjects() const;

private:
  std::unique_ptr<zek::DatabaseCore> core_;
};

// The database commands work on (the current document's), or null.
AcDbDatabase* acdbCurDwg();
namespace zek {
// Sets the database acdbCurDwg answers (the document manager does this).
void setWorkingDatabase(AcDbDatabase* db);
}  // namespace zek

class AcDbHostApplicationServices {
public:
  AcDbDatabase* workingDatabase() const { return acdbCurDwg(); }
};
AcDbHostApplicationServices* acdbHostApplicationServices();
