// The values a style or a dimension shows with, a dimension's overrides, and
// the capture of the drawing's current values when a dimension is appended.
#include <set>

#include "db/annotations/annotation_filing.h"
#include "db/database_core.h"
#include "db/dimvars/dim_current.h"
#include "db/dimvars/dim_overrides.h"
#include "db/dimvars/dim_style_access.h"
#include "db_database.h"
#include "db_dimension.h"
#include "zek/dim_vars.h"

namespace zek {
namespace {

const std::vector<KeptGroup>* xdataOf(const AcDbObject& object) {
  const ObjectExtras* extras = object.extras();
  return extras ? &extras->xdata : nullptr;
}

// The record form of a variable's code (an arrow block's R12 name form 5, 6,
// 7 answers 342, 343, 344), so both forms count as the same variable.
int variableCode(int code) {
  int handleCode = arrowHandleCode(code);
  return handleCode != 0 ? handleCode : code;
}

// What the dimension shows changed: its block is made again.
void noteOverridesChanged(AcDbDimension& dimension) { dimension.noteDisplayChanged(); }

}  // namespace

DimVars dimVarsOf(const AcDbDimStyleTableRecord& style) {
  PeekRead<AcDbDimStyleTableRecord> reading(&style);
  DimVars vars = fileDefaultDimVars();
  AcDbDatabase* db = style.database();
  for (const DimStyleGroup& group : style.dimStyleGroups())
    if (const DimVarEntry* entry = dimVarEntry(group.code))
      applyDimValue(vars, *entry, groupValue(*entry, group, db));
  return vars;
}

const AcDbDimStyleTableRecord* styleOf(const AcDbDimension& dimension) {
  PeekRead<AcDbDimension> reading(&dimension);
  return peekObject<AcDbDimStyleTableRecord>(dimension.dimensionStyle());
}

DimVars dimVarsOf(const AcDbDimension& dimension) {
  PeekRead<AcDbDimension> reading(&dimension);
  DimVars vars;
  if (const AcDbDimStyleTableRecord* style = styleOf(dimension))
    vars = dimVarsOf(*style);
  AcDbDatabase* db = dimension.database();
  for (const DimOverride& o : dimOverridesOf(dimension))
    if (const DimVarEntry* entry = dimVarEntry(o.code))
      applyDimValue(vars, *entry, overrideValue(*entry, o, db));
  return vars;
}

std::vector<DimOverride> dimOverridesOf(const AcDbDimension& dimension) {
  const std::vector<KeptGroup>* xdata = xdataOf(dimension);
  return xdata ? parseDimOverrides(*xdata) : std::vector<DimOverride>{};
}

DimValue dimensionValue(const AcDbDimension& dimension, const DimVarEntry& entry) {
  dimension.assertReadEnabled();
  AcDbDatabase* db = dimension.database();
  std::vector<DimOverride> overrides = dimOverridesOf(dimension);
  int wanted = variableCode(entry.info.code);
  for (auto o = overrides.rbegin(); o != overrides.rend(); ++o)  // the last pair wins
    if (variableCode(o->code) == wanted)
      if (const DimVarEntry* filed = dimVarEntry(o->code))
        return overrideValue(*filed, *o, db);
  if (const AcDbDimStyleTableRecord* style = styleOf(dimension)) {
    PeekRead<AcDbDimStyleTableRecord> reading(style);
    return styleValue(*style, entry);
  }
  return dimValueOf(DimVars{}, entry);
}

Acad::ErrorStatus setDimensionValue(AcDbDimension& dimension, const DimVarEntry& entry,
                                    const DimValue& value) {
  dimension.assertWriteEnabled();
  AcDbDatabase* db = dimension.database();
  if (!isAcceptable(entry, value, db))
    return Acad::eInvalidInput;
  DimOverride filed = overrideOf(entry, value, db);
  if (filed.code == 0)
    return Acad::eInvalidInput;
  std::vector<KeptGroup>& xdata = dimension.extrasForWrite().xdata;
  int handleCode = variableCode(filed.code);
  if (int nameCode = arrowNameCode(handleCode))  // one form of an arrow block at a time
    (void)eraseDimOverride(xdata, filed.code == nameCode ? handleCode : nameCode);
  putDimOverride(xdata, filed.code, filed.valueCode, filed.text);
  if (db != nullptr)
    ensureAcadRegApp(*db);
  noteOverridesChanged(dimension);
  return Acad::eOk;
}

Acad::ErrorStatus removeDimOverride(AcDbDimension& dimension, std::string_view name) {
  dimension.assertWriteEnabled();
  const DimVarEntry* entry = dimVarEntry(name);
  if (entry == nullptr || dimension.extras() == nullptr)
    return Acad::eKeyNotFound;
  std::vector<KeptGroup>& xdata = dimension.extrasForWrite().xdata;
  int handleCode = variableCode(entry->info.code);
  bool removed = eraseDimOverride(xdata, handleCode);
  if (int nameCode = arrowNameCode(handleCode))
    removed = eraseDimOverride(xdata, nameCode) || removed;
  dimension.dropEmptyExtras();
  if (!removed)
    return Acad::eKeyNotFound;
  noteOverridesChanged(dimension);
  return Acad::eOk;
}

void ensureAcadRegApp(AcDbDatabase& db) {
  DatabaseCore& core = db.core();
  auto* table = peekObject<AcDbRegAppTable>(core.regAppTable);
  if (table == nullptr)
    return;
  AcDbObjectId id;
  if (table->getAt("ACAD", id) == Acad::eOk) {
    if (auto* record = peekObject<AcDbSymbolTableRecord>(id))
      record->setImplicit(false);
    return;
  }
  auto* record = new AcDbRegAppTableRecord;
  record->setNameFromFile("ACAD");
  if (core.addObject(record, core.regAppTable, id) != Acad::eOk) {
    delete record;
    return;
  }
  // Made inside a command: undo takes the record away again.
  core.undo.noteWriteOpen(table);
  core.undo.noteAdded(id);
  table->addRecordId(id, "ACAD");
}

// A header value the drawing cannot stand behind (a text style it lacks)
// makes no override.
void captureDimOverrides(AcDbDimension& dimension) {
  AcDbDatabase* db = dimension.database();
  if (db == nullptr)
    return;
  const AcDbDimStyleTableRecord* style = styleOf(dimension);
  PeekRead<AcDbDimStyleTableRecord> reading(style);
  std::set<int> own;
  for (const DimOverride& o : dimOverridesOf(dimension))
    own.insert(variableCode(o.code));
  bool changed = false;
  for (int i = 0; i < dimVarCount(); ++i) {
    const DimVarEntry& entry = dimVarEntryAt(i);
    if (entry.r12Name || entry.obsolete || own.count(entry.info.code) != 0)
      continue;
    std::optional<DimValue> current = headerValue(*db, entry);
    if (!current)
      continue;
    if (entry.check == DimVarCheck::TextStyle && current->id.isNull())
      continue;
    DimValue styles = style ? styleValue(*style, entry) : dimValueOf(DimVars{}, entry);
    if (entry.check == DimVarCheck::TextStyle && styles.id.isNull())
      styles.id = db->core().standardTextStyle;
    if (sameDimValue(entry, styles, *current))
      continue;
    DimOverride filed = overrideOf(entry, *current, db);
    if (filed.code == 0)
      continue;
    putDimOverride(dimension.extrasForWrite().xdata, filed.code, filed.valueCode, filed.text);
    changed = true;
  }
  if (!changed)
    return;
  ensureAcadRegApp(*db);
  noteOverridesChanged(dimension);
}

}  // namespace zek
