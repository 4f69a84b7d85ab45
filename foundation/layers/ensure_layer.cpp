// ensureLayer: the linetype first, then the layer table, every record closed
// before the next table opens.
#include "layers/ensure_layer.h"

#include <memory>

namespace zek::inline foundation {
namespace {

// A table opened from the drawing, closed when it goes out of scope.
template <class Table>
class OpenedTable {
public:
  OpenedTable(AcDbDatabase& db, AcDb::OpenMode mode) : status_(db.getSymbolTable(table_, mode)) {
    if (status_ != Acad::eOk)
      table_ = nullptr;
  }
  ~OpenedTable() {
    if (table_)
      (void)table_->close();
  }
  OpenedTable(const OpenedTable&) = delete;
  OpenedTable& operator=(const OpenedTable&) = delete;

  Table* operator->() const { return table_; }
  explicit operator bool() const { return table_ != nullptr; }

private:
  Table* table_ = nullptr;
  Acad::ErrorStatus status_;
};

// The id of a record by name, or a null id; opens and closes the table.
// answered false when the table would not open.
bool lookUpLinetype(AcDbDatabase& db, const char* name, AcDbObjectId& id) {
  OpenedTable<AcDbLinetypeTable> linetypes(db, AcDb::kForRead);
  if (!linetypes)
    return false;
  if (linetypes->getAt(name, id) != Acad::eOk)
    id = AcDbObjectId();
  return true;
}

// A new layer record with the standard states, owned by the caller until the
// table takes it; null when the name is refused.
std::unique_ptr<AcDbLayerTableRecord> newLayerRecord(const char* name, int colourIndex,
                                                     AcDbObjectId linetype,
                                                     AcDb::LineWeight lineweight) {
  auto record = std::make_unique<AcDbLayerTableRecord>();
  if (record->setName(name) != Acad::eOk)
    return nullptr;
  (void)record->setIsFrozen(false);  // answers eOk: a record outside a drawing is writable
  record->setIsOff(false);
  record->setVPDFLT(false);
  record->setIsLocked(false);
  AcCmColor colour;
  if (colourIndex >= 0 && colour.setColorIndex(static_cast<Adesk::UInt16>(colourIndex)) == Acad::eOk)
    record->setColor(colour);  // an index the host refuses leaves the record's colour 7
  (void)record->setLineWeight(lineweight);
  if (!linetype.isNull())
    record->setLinetypeObjectId(linetype);
  return record;
}

}  // namespace

AcDbObjectId findOrLoadLinetype(AcDbDatabase& db, const char* linetypeName) {
  AcDbObjectId id;
  if (linetypeName != nullptr && *linetypeName != '\0') {
    if (!lookUpLinetype(db, linetypeName, id))
      return AcDbObjectId();
    if (!id.isNull())
      return id;
    // Not in the drawing: the shipped linetype file may hold it. A failed
    // load shows as a second miss.
    (void)acdbLoadLineTypeFile(linetypeName, kLinetypeFileName, &db);
    if (!lookUpLinetype(db, linetypeName, id))
      return AcDbObjectId();
    if (!id.isNull())
      return id;
  }
  (void)lookUpLinetype(db, kFallbackLinetype, id);
  return id;
}

AcDbObjectId ensureLayer(AcDbDatabase& db, const char* name, int colourIndex,
                         const char* linetypeName, AcDb::LineWeight lineweight) {
  if (name == nullptr || *name == '\0')
    return AcDbObjectId();
  const AcDbObjectId linetype = findOrLoadLinetype(db, linetypeName);
  OpenedTable<AcDbLayerTable> layers(db, AcDb::kForWrite);
  if (!layers)
    return AcDbObjectId();
  if (!layers->has(name)) {
    std::unique_ptr<AcDbLayerTableRecord> record =
        newLayerRecord(name, colourIndex, linetype, lineweight);
    if (!record || layers->add(record.get()) != Acad::eOk)
      return AcDbObjectId();  // the record was never the drawing's: unique_ptr deletes it
    (void)record.release()->close();
  }
  AcDbObjectId id;
  if (layers->getAt(name, id) != Acad::eOk)
    return AcDbObjectId();
  return id;
}

AcDbObjectId ensureLayer(const char* name, int colourIndex, const char* linetypeName,
                         AcDb::LineWeight lineweight) {
  AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
  if (db == nullptr)
    return AcDbObjectId();
  return ensureLayer(*db, name, colourIndex, linetypeName, lineweight);
}

}  // namespace zek::inline foundation
