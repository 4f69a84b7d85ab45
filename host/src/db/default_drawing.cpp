// The standard content of a drawing, made where a file or a new drawing lacks it.
#include "db/default_drawing.h"

#include <memory>

#include "db/database_core.h"
#include "db/dimvars/default_dim_styles.h"
#include "db/kept_object.h"
#include "db_database.h"

namespace zek {
namespace {

template <typename Table>
AcDbObjectId ensureTable(DatabaseCore& core, AcDbObjectId& slot, const char* name) {
  if (!slot.isNull())
    return slot;
  AcDbObjectId id;
  auto* table = new Table;
  if (core.addObject(table, AcDbObjectId(), id) != Acad::eOk) {
    delete table;
    return {};
  }
  slot = id;
  (void)name;
  core.tableOrder.push_back(id);
  return id;
}

// A record by name, made when the table has none (or only an implicit one,
// which becomes real).
template <typename Record>
AcDbObjectId ensureRecord(DatabaseCore& core, AcDbObjectId tableId, const char* name,
                          void (*setUp)(Record&) = nullptr) {
  auto* table = peekObject<AcDbSymbolTable>(tableId);
  if (table == nullptr)
    return {};
  AcDbObjectId id;
  if (table->getAt(name, id, true) == Acad::eOk) {
    auto* existing = peekObject<AcDbSymbolTableRecord>(id);
    if (existing && existing->isImplicit()) {
      existing->setImplicit(false);
      if (setUp) {
        if (auto* typed = Record::cast(existing)) {
          typed->markOpened(AcDb::kForWrite);
          setUp(*typed);
          typed->markClosed();
        }
      }
    }
    return id;
  }
  auto* record = new Record;
  record->setNameFromFile(name);
  if (setUp)
    setUp(*record);
  if (core.addObject(record, tableId, id) != Acad::eOk) {
    delete record;
    return {};
  }
  table->addRecordId(id, name);
  return id;
}

void ensureBlockFrame(DatabaseCore& core, AcDbObjectId blockId) {
  auto* block = peekObject<AcDbBlockTableRecord>(blockId);
  if (block == nullptr)
    return;
  AcDbObjectId id;
  if (block->blockBeginId().isNull()) {
    auto* begin = new AcDbBlockBegin;
    if (core.addObject(begin, blockId, id) == Acad::eOk) {
      begin->markOpened(AcDb::kForWrite);
      begin->setLayer(core.layerZero);
      begin->markClosed();
      block->setBlockBeginId(id);
    } else {
      delete begin;
    }
  }
  if (block->blockEndId().isNull()) {
    auto* end = new AcDbBlockEnd;
    if (core.addObject(end, blockId, id) == Acad::eOk) {
      end->markOpened(AcDb::kForWrite);
      end->setLayer(core.layerZero);
      end->markClosed();
      block->setBlockEndId(id);
    } else {
      delete end;
    }
  }
}

void setUpContinuous(AcDbLinetypeTableRecord& r) { r.setComments("Solid line"); }
void setUpStandardStyle(AcDbTextStyleTableRecord& r) {
  r.setFileName("txt");
  (void)r;
}

std::string hex(AcDbObjectId id) { return id.handle().ascii(); }

}  // namespace

void ensureStandardContent(AcDbDatabase& db) {
  DatabaseCore& core = db.core();
  ensureTable<AcDbViewportTable>(core, core.viewportTable, "VPORT");
  ensureTable<AcDbLinetypeTable>(core, core.linetypeTable, "LTYPE");
  ensureTable<AcDbLayerTable>(core, core.layerTable, "LAYER");
  ensureTable<AcDbTextStyleTable>(core, core.textStyleTable, "STYLE");
  ensureTable<AcDbViewTable>(core, core.viewTable, "VIEW");
  ensureTable<AcDbUCSTable>(core, core.ucsTable, "UCS");
  ensureTable<AcDbRegAppTable>(core, core.regAppTable, "APPID");
  ensureTable<AcDbDimStyleTable>(core, core.dimStyleTable, "DIMSTYLE");
  ensureTable<AcDbBlockTable>(core, core.blockTable, "BLOCK_RECORD");

  core.byBlockLinetype = ensureRecord<AcDbLinetypeTableRecord>(core, core.linetypeTable, "ByBlock");
  core.byLayerLinetype = ensureRecord<AcDbLinetypeTableRecord>(core, core.linetypeTable, "ByLayer");
  core.continuousLinetype =
      ensureRecord<AcDbLinetypeTableRecord>(core, core.linetypeTable, "Continuous", &setUpContinuous);
  core.layerZero = ensureRecord<AcDbLayerTableRecord>(core, core.layerTable, "0");
  core.standardTextStyle =
      ensureRecord<AcDbTextStyleTableRecord>(core, core.textStyleTable, "Standard", &setUpStandardStyle);
  core.standardDimStyle = ensureRecord<AcDbDimStyleTableRecord>(core, core.dimStyleTable, "Standard");
  ensureRecord<AcDbRegAppTableRecord>(core, core.regAppTable, "ACAD");
  ensureRecord<AcDbViewportTableRecord>(core, core.viewportTable, "*Active");
  core.modelSpace = ensureRecord<AcDbBlockTableRecord>(core, core.blockTable, "*Model_Space");
  core.paperSpace = ensureRecord<AcDbBlockTableRecord>(core, core.blockTable, "*Paper_Space");
  ensureBlockFrame(core, core.modelSpace);
  ensureBlockFrame(core, core.paperSpace);
  // Every block read from a file needs its BLOCK and ENDBLK too.
  if (auto* blocks = peekObject<AcDbBlockTable>(core.blockTable))
    for (AcDbObjectId id : blocks->recordIds())
      ensureBlockFrame(core, id);
}

void ensureStandardObjects(AcDbDatabase& db) {
  DatabaseCore& core = db.core();
  if (!core.objects.empty())
    return;
  AcDbObjectId rootId, groupsId, layoutsId, modelLayoutId, paperLayoutId;
  auto add = [&](KeptObject* object, AcDbObjectId owner, AcDbObjectId& id) {
    if (core.addObject(object, owner, id) != Acad::eOk) {
      delete object;
      return false;
    }
    core.objects.push_back(id);
    return true;
  };
  if (!add(new KeptObject("DICTIONARY"), AcDbObjectId(), rootId) ||
      !add(new KeptObject("DICTIONARY"), rootId, groupsId) ||
      !add(new KeptObject("DICTIONARY"), rootId, layoutsId) ||
      !add(new KeptObject("LAYOUT"), layoutsId, modelLayoutId) ||
      !add(new KeptObject("LAYOUT"), layoutsId, paperLayoutId))
    return;
  auto body = [](AcDbObjectId id, std::vector<KeptGroup> groups) {
    static_cast<KeptObject*>(id.stub()->object)->setBody(std::move(groups));
  };
  body(rootId, {{100, "AcDbDictionary"}, {281, "1"}, {3, "ACAD_GROUP"}, {350, hex(groupsId)},
                {3, "ACAD_LAYOUT"}, {350, hex(layoutsId)}});
  body(groupsId, {{100, "AcDbDictionary"}, {281, "1"}});
  body(layoutsId, {{100, "AcDbDictionary"}, {281, "1"}, {3, "Layout1"}, {350, hex(paperLayoutId)},
                   {3, "Model"}, {350, hex(modelLayoutId)}});
  auto layout = [&](const char* name, int flags, int tabOrder, AcDbObjectId block) {
    return std::vector<KeptGroup>{
        {100, "AcDbPlotSettings"}, {1, ""}, {2, "none_device"}, {4, ""}, {6, ""},
        {40, "0.0"}, {41, "0.0"}, {42, "0.0"}, {43, "0.0"}, {44, "0.0"}, {45, "0.0"},
        {46, "0.0"}, {47, "0.0"}, {48, "0.0"}, {49, "0.0"}, {140, "0.0"}, {141, "0.0"},
        {142, "1.0"}, {143, "1.0"}, {70, "688"}, {72, "0"}, {73, "0"}, {74, "5"}, {7, ""},
        {75, "16"}, {147, "1.0"}, {148, "0.0"}, {149, "0.0"},
        {100, "AcDbLayout"}, {1, name}, {70, std::to_string(flags)}, {71, std::to_string(tabOrder)},
        {10, "0.0"}, {20, "0.0"}, {11, "420.0"}, {21, "297.0"}, {12, "0.0"}, {22, "0.0"},
        {32, "0.0"}, {14, "0.0"}, {24, "0.0"}, {34, "0.0"}, {15, "0.0"}, {25, "0.0"},
        {35, "0.0"}, {146, "0.0"}, {13, "0.0"}, {23, "0.0"}, {33, "0.0"}, {16, "1.0"},
        {26, "0.0"}, {36, "0.0"}, {17, "0.0"}, {27, "1.0"}, {37, "0.0"}, {76, "0"},
        {330, hex(block)}};
  };
  body(modelLayoutId, layout("Model", 1, 0, core.modelSpace));
  body(paperLayoutId, layout("Layout1", 1, 1, core.paperSpace));
  if (auto* model = peekObject<AcDbBlockTableRecord>(core.modelSpace))
    model->setLayoutId(modelLayoutId);
  if (auto* paper = peekObject<AcDbBlockTableRecord>(core.paperSpace))
    paper->setLayoutId(paperLayoutId);
}

void buildDefaultDrawing(AcDbDatabase& db) {
  DatabaseCore& core = db.core();
  HeaderVariables& h = core.header;
  h.setText("$ACADVER", 1, "AC1032");
  h.setText("$DWGCODEPAGE", 3, "ANSI_1252");
  h.setPoint("$INSBASE", AcGePoint3d(0, 0, 0));
  h.setPoint("$EXTMIN", AcGePoint3d(0, 0, 0));
  h.setPoint("$EXTMAX", AcGePoint3d(0, 0, 0));
  h.setPoint("$LIMMIN", AcGePoint3d(0, 0, 0), false);
  h.setPoint("$LIMMAX", AcGePoint3d(420, 297, 0), false);
  h.setReal("$LTSCALE", 40, 1.0);
  h.setReal("$TEXTSIZE", 40, 2.5);
  h.setText("$TEXTSTYLE", 7, "Standard");
  h.setText("$CLAYER", 8, "0");
  h.setText("$CELTYPE", 6, "ByLayer");
  h.setInteger("$CECOLOR", 62, 256);
  h.setReal("$CELTSCALE", 40, 1.0);
  h.setInteger("$CELWEIGHT", 370, -1);
  h.setText("$DIMSTYLE", 2, "Standard");
  h.setInteger("$LUNITS", 70, 2);
  h.setInteger("$LUPREC", 70, 4);
  h.setInteger("$INSUNITS", 70, 4);
  h.setInteger("$MEASUREMENT", 70, 1);
  core.fileVersion = AcDb::kDHL_1032;
  ensureStandardContent(db);
  setUpDefaultDimStyles(db);
  ensureStandardObjects(db);
}

}  // namespace zek
