// Tests of symbol tables: look-ups ignore ASCII case, two records of a file
// that differ only in case are both kept (the first wins), adding refuses a
// name that is taken, renaming and erasing keep the name index in step.
#include "db_symtab.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "db/header_variables.h"
#include "db/testing/db_test_support.h"
#include "db_curves.h"

namespace zek::test {
namespace {

TEST(SymbolTableLookup, IgnoresAsciiCase) {
  AcDbDatabase db;
  AcDbObjectId holes = addLayer(db, "Holes_M8");
  ASSERT_FALSE(holes.isNull());
  Opened<AcDbLayerTable> table(db.layerTableId());
  ASSERT_TRUE(table);
  struct Case {
    const char* asked;
    bool found;
  };
  const Case cases[] = {
      {"Holes_M8", true},  {"HOLES_M8", true}, {"holes_m8", true},
      {"hOLES_m8", true},  {"Holes_M", false}, {"Holes_M8 ", false},
  };
  for (const Case& c : cases) {
    AcDbObjectId id;
    EXPECT_EQ(table->getAt(c.asked, id), c.found ? Acad::eOk : Acad::eKeyNotFound) << c.asked;
    EXPECT_EQ(id, c.found ? holes : AcDbObjectId()) << c.asked;
    EXPECT_EQ(table->has(c.asked), c.found) << c.asked;
  }
  AcDbObjectId id;
  EXPECT_EQ(table->getAt(nullptr, id), Acad::eInvalidInput);
}

TEST(SymbolTableAdd, RefusesANameTakenInAnyCase) {
  AcDbDatabase db;
  ASSERT_FALSE(addLayer(db, "HOLES").isNull());
  Opened<AcDbLayerTable> table(db.layerTableId(), AcDb::kForWrite);
  ASSERT_TRUE(table);
  struct Case {
    const char* name;
    Acad::ErrorStatus expected;
  };
  const Case cases[] = {
      {"HOLES", Acad::eDuplicateKey},
      {"holes", Acad::eDuplicateKey},
      {"0", Acad::eDuplicateKey},  // the standard layer is there from the start
      {"HOLES2", Acad::eOk},
  };
  for (const Case& c : cases) {
    auto record = std::make_unique<AcDbLayerTableRecord>();
    ASSERT_EQ(record->setName(c.name), Acad::eOk);
    AcDbObjectId id;
    EXPECT_EQ(table->add(id, record.get()), c.expected) << c.name;
    if (c.expected == Acad::eOk) {
      EXPECT_FALSE(id.isNull()) << c.name;
      EXPECT_EQ(record->ownerId(), db.layerTableId()) << c.name;
      EXPECT_EQ(record.release()->close(), Acad::eOk);
    } else {
      EXPECT_TRUE(id.isNull()) << c.name;
      EXPECT_TRUE(record->isNewObject()) << c.name << ": a refused record stays the caller's";
    }
  }
}

TEST(SymbolTableAdd, NeedsANameAndAWriter) {
  AcDbDatabase db;
  auto nameless = std::make_unique<AcDbLayerTableRecord>();
  EXPECT_EQ(nameless->setName(""), Acad::eInvalidSymbolTableName);
  {
    Opened<AcDbLayerTable> table(db.layerTableId(), AcDb::kForWrite);
    EXPECT_EQ(table->add(nameless.get()), Acad::eInvalidSymbolTableName);
    EXPECT_EQ(table->add(static_cast<AcDbSymbolTableRecord*>(nullptr)), Acad::eNullObjectPointer);
  }
  Opened<AcDbLayerTable> reader(db.layerTableId());
  auto record = std::make_unique<AcDbLayerTableRecord>();
  ASSERT_EQ(record->setName("NEW"), Acad::eOk);
  EXPECT_EQ(reader->add(record.get()), Acad::eNotOpenForWrite);
}

// Two layers that differ only in case, and a line on the second spelling in
// lower case: both layers stay, the look-up finds the first.
const Groups kTwoSpellings = {
    {0, "SECTION"}, {2, "TABLES"},
    {0, "TABLE"},   {2, "LAYER"},      {70, "2"},
    {0, "LAYER"},   {2, "Holes"},      {70, "0"}, {62, "1"}, {6, "CONTINUOUS"},
    {0, "LAYER"},   {2, "HOLES"},      {70, "0"}, {62, "3"}, {6, "CONTINUOUS"},
    {0, "ENDTAB"},  {0, "ENDSEC"},
    {0, "SECTION"}, {2, "ENTITIES"},
    {0, "LINE"},    {8, "holes"},      {10, "0"}, {20, "0"}, {30, "0"},
    {11, "4"},      {21, "3"},         {31, "0"},
    {0, "ENDSEC"},  {0, "EOF"},
};

TEST(SymbolTableFromFile, TwoNamesDifferingInCaseAreBothKept) {
  auto db = readDxf(dxfText(kTwoSpellings));
  ASSERT_TRUE(db);
  Opened<AcDbLayerTable> table(db->layerTableId());
  ASSERT_TRUE(table);
  std::vector<std::string> names;
  AcDbObjectId first;
  for (AcDbObjectId id : table->recordIds()) {
    Opened<AcDbLayerTableRecord> layer(id);
    if (layer->name() == "Holes")
      first = id;
    names.push_back(layer->name());
  }
  EXPECT_EQ(std::count(names.begin(), names.end(), "Holes"), 1);
  EXPECT_EQ(std::count(names.begin(), names.end(), "HOLES"), 1);
  AcDbObjectId found;
  ASSERT_EQ(table->getAt("HOLES", found), Acad::eOk);
  EXPECT_EQ(found, first) << "the look-up finds the record that came first";
  {
    Opened<AcDbLayerTableRecord> layer(found);
    EXPECT_EQ(layer->color().colorIndex(), 1);
  }
  std::vector<AcDbObjectId> lines = modelSpaceIds(*db);
  ASSERT_EQ(lines.size(), 1u);
  Opened<AcDbLine> line(lines[0]);
  EXPECT_EQ(line->layerId(), first);
  table.close();

  // Both are written back, each with its own spelling.
  std::string written = writeDxf(*db);
  std::vector<std::string> writtenNames;
  for (const DxfObject& object : dxfObjects(written))
    if (object.type == "LAYER")
      writtenNames.push_back(valuesOf(object.groups, 2).at(0));
  EXPECT_EQ(std::count(writtenNames.begin(), writtenNames.end(), "Holes"), 1) << written;
  EXPECT_EQ(std::count(writtenNames.begin(), writtenNames.end(), "HOLES"), 1) << written;
}

TEST(SymbolTableRename, LookUpFollowsTheNewName) {
  AcDbDatabase db;
  AcDbObjectId id = addLayer(db, "HOLES");
  {
    Opened<AcDbLayerTableRecord> layer(id, AcDb::kForWrite);
    ASSERT_EQ(layer->setName("Bores"), Acad::eOk);
  }
  Opened<AcDbLayerTable> table(db.layerTableId());
  AcDbObjectId found;
  EXPECT_EQ(table->getAt("BORES", found), Acad::eOk);
  EXPECT_EQ(found, id);
  EXPECT_EQ(table->getAt("HOLES", found), Acad::eKeyNotFound) << "the old name is free again";
}

TEST(SymbolTableRename, RefusesANameAnotherRecordHas) {
  AcDbDatabase db;
  AcDbObjectId holes = addLayer(db, "HOLES");
  AcDbObjectId bores = addLayer(db, "BORES");
  struct Case {
    const char* name;
    Acad::ErrorStatus expected;
    const char* nameAfter;
  };
  const Case cases[] = {
      {"BORES", Acad::eDuplicateKey, "HOLES"},
      {"bores", Acad::eDuplicateKey, "HOLES"},
      {"0", Acad::eDuplicateKey, "HOLES"},
      {"Holes", Acad::eOk, "Holes"},  // its own name in another case
  };
  for (const Case& c : cases) {
    {
      Opened<AcDbLayerTableRecord> layer(holes, AcDb::kForWrite);
      EXPECT_EQ(layer->setName(c.name), c.expected) << c.name;
      EXPECT_EQ(layer->name(), c.nameAfter) << c.name;
    }
    Opened<AcDbLayerTable> table(db.layerTableId());
    AcDbObjectId found;
    EXPECT_EQ(table->getAt("BORES", found), Acad::eOk) << c.name;
    EXPECT_EQ(found, bores) << c.name << ": the other record keeps its name";
    EXPECT_EQ(table->getAt("HOLES", found), Acad::eOk) << c.name;
    EXPECT_EQ(found, holes) << c.name;
  }
}

TEST(SymbolTableRename, CurrentLayerFollowsItsRenaming) {
  AcDbDatabase db;
  AcDbObjectId holes = addLayer(db, "HOLES");
  ASSERT_EQ(db.setClayer(holes), Acad::eOk);
  {
    Opened<AcDbLayerTableRecord> layer(holes, AcDb::kForWrite);
    ASSERT_EQ(layer->setName("BORES"), Acad::eOk);
  }
  EXPECT_EQ(db.clayer(), holes) << "new entities still go on the renamed layer";
  EXPECT_EQ(db.header().text("$CLAYER").value_or(""), "BORES") << "the file names it by its new name";
}

TEST(SymbolTableErase, ErasedRecordsAreNotFoundAndTheirNameIsFree) {
  AcDbDatabase db;
  AcDbObjectId old = addLayer(db, "HOLES");
  {
    Opened<AcDbLayerTableRecord> layer(old, AcDb::kForWrite);
    ASSERT_EQ(layer->erase(), Acad::eOk);
  }
  {
    Opened<AcDbLayerTable> table(db.layerTableId());
    AcDbObjectId found;
    EXPECT_EQ(table->getAt("HOLES", found), Acad::eKeyNotFound);
    EXPECT_FALSE(table->has("HOLES"));
    EXPECT_FALSE(table->has(old));
    EXPECT_EQ(table->getAt("HOLES", found, true), Acad::eOk) << "asked for erased records";
    EXPECT_EQ(found, old);
    AcDbSymbolTableIterator* it = nullptr;
    ASSERT_EQ(table->newIterator(it), Acad::eOk);
    std::unique_ptr<AcDbSymbolTableIterator> iterator(it);
    for (; !iterator->done(); iterator->step()) {
      AcDbObjectId id;
      ASSERT_EQ(iterator->getRecordId(id), Acad::eOk);
      EXPECT_NE(id, old) << "the iterator skips erased records";
    }
  }
  // A drafter who purged a layer may make one of the same name again.
  AcDbObjectId again = addLayer(db, "holes");
  ASSERT_FALSE(again.isNull()) << "the name of an erased layer is free";
  Opened<AcDbLayerTable> table(db.layerTableId());
  AcDbObjectId found;
  EXPECT_EQ(table->getAt("HOLES", found), Acad::eOk);
  EXPECT_EQ(found, again);
}

}  // namespace
}  // namespace zek::test
