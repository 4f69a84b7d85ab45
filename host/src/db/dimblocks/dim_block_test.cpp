// The *D block of a dimension in a drawing: made when the dimension is
// appended and closed, again when it changes (its text moved, its feature
// re-attached, an override set), kept as read until then, its own for a
// copy, put back by undo, made on writing for dimensions that came without
// one, and written in R12 as well.
#include <gtest/gtest.h>

#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "db/database_core.h"
#include "db/testing/db_test_support.h"
#include "db_block.h"
#include "db_curves.h"
#include "db_database.h"
#include "db_dimension.h"
#include "db_text.h"

namespace zek {
namespace {

// What a block holds, read entity by entity.
struct BlockContents {
  std::string name;
  int flags = 0;
  std::vector<std::pair<AcGePoint3d, AcGePoint3d>> lines;
  std::vector<AcGePoint3d> points;
  std::vector<std::string> pointLayers;
  std::vector<int> lineColours;
  int solids = 0;
  int texts = 0;
  AcGePoint3d textLocation;
  std::string textContents;
  double textHeight = 0.0;
  double textRotation = 0.0;
  std::string textLayer;
};

BlockContents contentsOf(AcDbObjectId blockId) {
  BlockContents c;
  test::Opened<AcDbBlockTableRecord> block(blockId);
  if (!block)
    return c;
  c.name = block->name();
  c.flags = block->flags();
  for (AcDbObjectId id : block->entityIds()) {
    if (id.isErased())
      continue;
    test::Opened<AcDbEntity> entity(id);
    if (!entity)
      continue;
    if (auto* line = AcDbLine::cast(entity.get())) {
      c.lines.emplace_back(line->startPoint(), line->endPoint());
      c.lineColours.push_back(line->colorIndex());
    } else if (auto* point = AcDbPoint::cast(entity.get())) {
      c.points.push_back(point->position());
      c.pointLayers.push_back(point->layer());
    } else if (auto* text = AcDbMText::cast(entity.get())) {
      ++c.texts;
      c.textLocation = text->location();
      c.textContents = text->contentsConst();
      c.textHeight = text->textHeight();
      c.textRotation = text->rotation();
      c.textLayer = text->layer();
    } else if (std::string(entity->dxfTypeName()) == "SOLID") {
      ++c.solids;
    }
  }
  return c;
}

bool hasLine(const BlockContents& c, AcGePoint3d a, AcGePoint3d b) {
  for (const auto& [s, e] : c.lines)
    if ((s.isEqualTo(a) && e.isEqualTo(b)) || (s.isEqualTo(b) && e.isEqualTo(a)))
      return true;
  return false;
}

AcDbObjectId blockOf(AcDbObjectId dimensionId) {
  test::Opened<AcDbDimension> d(dimensionId);
  return d ? d->dimBlockId() : AcDbObjectId();
}

// X ordinate of (95, 20) from the origin, leader end (101.875, 54.375):
// STANDARD shows "95.00" (10 wide at 2.5), so the text's middle lies at
// (100, 60) and the leader runs up to 65 (see ordinate_geometry_test).
AcDbObjectId addOrdinate(AcDbDatabase& db) {
  auto* d = new AcDbOrdinateDimension(true, {95, 20, 0}, {101.875, 54.375, 0});
  return test::appendToModelSpace(db, d);
}

TEST(DimBlock, MadeWhenTheNewDimensionIsClosed) {
  AcDbDatabase db;
  AcDbObjectId id = addOrdinate(db);
  ASSERT_FALSE(id.isNull());
  AcDbObjectId blockId = blockOf(id);
  ASSERT_FALSE(blockId.isNull());
  BlockContents c = contentsOf(blockId);
  EXPECT_EQ(c.name.rfind("*D", 0), 0u) << c.name;
  EXPECT_EQ(c.flags & 1, 1) << "anonymous";
  ASSERT_EQ(c.lines.size(), 3u);
  EXPECT_TRUE(hasLine(c, {95, 20.625, 0}, {95, 44.375, 0}));
  EXPECT_TRUE(hasLine(c, {95, 44.375, 0}, {101.875, 49.375, 0}));
  EXPECT_TRUE(hasLine(c, {101.875, 49.375, 0}, {101.875, 65, 0}));
  EXPECT_EQ(c.lineColours, (std::vector<int>{0, 0, 0})) << "BYBLOCK";
  ASSERT_EQ(c.texts, 1);
  EXPECT_EQ(c.textContents, "\\A1;95.00");
  EXPECT_TRUE(c.textLocation.isEqualTo({100, 60, 0}));
  EXPECT_NEAR(c.textRotation, std::numbers::pi / 2, 1e-12);
  EXPECT_EQ(c.textLayer, "0");
  ASSERT_EQ(c.points.size(), 3u);
  EXPECT_EQ(c.pointLayers, (std::vector<std::string>{"Defpoints", "Defpoints", "Defpoints"}));
  test::Opened<AcDbLayerTableRecord> defpoints(zek::implicitRecordId(&db, db.layerTableId(), "Defpoints"));
  ASSERT_TRUE(defpoints);
  EXPECT_FALSE(defpoints->isPlottable());
  test::Opened<AcDbOrdinateDimension> d(id);
  EXPECT_TRUE(d->textPosition().isEqualTo({100, 60, 0})) << "the default position is reported";
  EXPECT_TRUE(d->isBlockReferencedOnlyHere());
  EXPECT_FALSE(d->isDisplayStale());
}

TEST(DimBlock, DefaultTextPositionIsKnownBeforeTheClose) {
  AcDbDatabase db;
  AcDbBlockTableRecord* space = nullptr;
  ASSERT_EQ(acdbOpenObject(space, db.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
  auto* d = new AcDbOrdinateDimension(true, {95, 20, 0}, {101.875, 54.375, 0});
  AcDbObjectId id;
  ASSERT_EQ(space->appendAcDbEntity(id, d), Acad::eOk);
  EXPECT_TRUE(d->textPosition().isEqualTo({100, 60, 0}));
  EXPECT_TRUE(d->dimBlockId().isNull()) << "the block is made at the close";
  ASSERT_EQ(d->close(), Acad::eOk);
  ASSERT_EQ(space->close(), Acad::eOk);
  EXPECT_FALSE(blockOf(id).isNull());
}

TEST(DimBlock, MadeWhileTheCallerStillReadsTheBlockTable) {
  AcDbDatabase db;
  AcDbBlockTable* table = nullptr;
  ASSERT_EQ(db.getBlockTable(table, AcDb::kForRead), Acad::eOk);
  AcDbObjectId id = addOrdinate(db);
  ASSERT_EQ(table->close(), Acad::eOk);
  EXPECT_FALSE(blockOf(id).isNull()) << "a reader of the table must not keep the block out";
  EXPECT_TRUE(db.openObjects().empty());
}

TEST(DimBlock, MovedTextMovesTheLeaderEndAndTheBlock) {
  AcDbDatabase db;
  AcDbObjectId id = addOrdinate(db);
  AcDbObjectId before = blockOf(id);
  {
    test::Opened<AcDbOrdinateDimension> d(id, AcDb::kForWrite);
    ASSERT_TRUE(d);
    ASSERT_EQ(d->setTextPosition({100, 80, 0}), Acad::eOk);
    EXPECT_TRUE(d->leaderEndPoint().isEqualTo({101.875, 74.375, 0}))
        << "5.625 below and 1.875 beside the text";
  }
  EXPECT_EQ(blockOf(id), before) << "the dimension's own block is filled again";
  BlockContents c = contentsOf(before);
  EXPECT_TRUE(c.textLocation.isEqualTo({100, 80, 0}));
  EXPECT_TRUE(hasLine(c, {95, 20.625, 0}, {95, 64.375, 0}));
  EXPECT_TRUE(hasLine(c, {101.875, 69.375, 0}, {101.875, 85, 0}));
  EXPECT_EQ(c.lines.size(), 3u) << "the old entities are gone";
}

TEST(DimBlock, ReattachedFeatureAndOverridesRedrawTheBlock) {
  AcDbDatabase db;
  AcDbObjectId id = addOrdinate(db);
  {
    test::Opened<AcDbOrdinateDimension> d(id, AcDb::kForWrite);
    ASSERT_EQ(d->setDefiningPoint({101.875, 30, 0}), Acad::eOk);
  }
  BlockContents c = contentsOf(blockOf(id));
  ASSERT_EQ(c.lines.size(), 1u) << "on the leader end's axis: no jog";
  // "101.88" is 12 wide: its middle 0.625 + 6 past the leader end, the
  // leader on to its far end.
  EXPECT_TRUE(hasLine(c, {101.875, 30.625, 0}, {101.875, 67, 0}));
  EXPECT_EQ(c.textContents, "\\A1;101.88");
  EXPECT_TRUE(c.textLocation.isEqualTo({100, 61, 0}));
  {
    test::Opened<AcDbOrdinateDimension> d(id, AcDb::kForWrite);
    AcCmColor red;
    ASSERT_EQ(red.setColorIndex(1), Acad::eOk);
    ASSERT_EQ(d->setDimclre(red), Acad::eOk);
    ASSERT_EQ(d->setDimdec(1), Acad::eOk);
  }
  c = contentsOf(blockOf(id));
  EXPECT_EQ(c.lineColours, std::vector<int>{1}) << "DIMCLRE override";
  EXPECT_EQ(c.textContents, "\\A1;101.9") << "DIMDEC override";
}

TEST(DimBlock, UndoPutsTheBlockBack) {
  AcDbDatabase db;
  AcDbObjectId id = addOrdinate(db);
  AcDbObjectId blockId = blockOf(id);
  db.undo().beginStep();
  {
    test::Opened<AcDbOrdinateDimension> d(id, AcDb::kForWrite);
    ASSERT_EQ(d->setTextPosition({100, 80, 0}), Acad::eOk);
  }
  db.undo().endStep();
  ASSERT_TRUE(contentsOf(blockId).textLocation.isEqualTo({100, 80, 0}));
  ASSERT_TRUE(db.undo().undoLastStep());
  BlockContents c = contentsOf(blockOf(id));
  EXPECT_TRUE(c.textLocation.isEqualTo({100, 60, 0}));
  EXPECT_EQ(c.lines.size(), 3u);
  EXPECT_TRUE(hasLine(c, {101.875, 49.375, 0}, {101.875, 65, 0}));
  test::Opened<AcDbOrdinateDimension> d(id);
  EXPECT_TRUE(d->leaderEndPoint().isEqualTo({101.875, 54.375, 0}));
  EXPECT_FALSE(d->isDisplayStale());
}

TEST(DimBlock, UndoOfTheFirstBlockLeavesNone) {
  AcDbDatabase db;
  db.undo().beginStep();
  AcDbObjectId id = addOrdinate(db);
  AcDbObjectId blockId = blockOf(id);
  db.undo().endStep();
  ASSERT_TRUE(db.undo().undoLastStep());
  EXPECT_TRUE(id.isErased());
  EXPECT_TRUE(blockId.isErased()) << "the block made in the step goes with it";
}

TEST(DimBlock, DeepClonedCopyGetsItsOwnBlock) {
  AcDbDatabase db;
  AcDbObjectId id = addOrdinate(db);
  AcDbObjectIdArray ids;
  ids.append(id);
  AcDbObjectId space = db.modelSpaceId();
  AcDbIdMapping map;
  ASSERT_EQ(db.deepCloneObjects(ids, space, map), Acad::eOk);
  AcDbIdPair pair(id, AcDbObjectId(), false);
  ASSERT_TRUE(map.compute(pair));
  AcDbObjectId copy = pair.value();
  {
    test::Opened<AcDbOrdinateDimension> d(copy, AcDb::kForWrite);
    ASSERT_TRUE(d);
    ASSERT_EQ(d->transformBy(AcGeMatrix3d::translation({0, 100, 0})), Acad::eOk);
  }
  EXPECT_NE(blockOf(copy), blockOf(id));
  EXPECT_TRUE(contentsOf(blockOf(copy)).textLocation.isEqualTo({100, 160, 0}));
  EXPECT_TRUE(contentsOf(blockOf(id)).textLocation.isEqualTo({100, 60, 0}))
      << "the original's block is untouched";
}

// Overrides set on a dimension in a drawing reach its block: the measured
// text by DIMZIN (trailing zeros), its place by the text's width and
// DIMTAD, every size by DIMSCALE.
struct OverrideCase {
  const char* name;
  bool ordinate;  // else a linear dimension
  int dimzin, dimtad;
  double dimscale;
  const char* contents;
  AcGePoint3d text;
  std::vector<std::pair<AcGePoint3d, AcGePoint3d>> someLines;
};

// Ordinate: X of (12.5, 20), leader end (12.5, 40), no jog; "12.50" is 10
// wide, "12.5" 8 (0.8 × 2.5 a character). Linear: (0,0)-(40,0), its line at
// height 15; "40.00" is 10 wide, "40" 4.
const OverrideCase kOverrideCases[] = {
    {"ordinate, DIMZIN 0, DIMTAD 1", true, 0, 1, 1.0, "\\A1;12.50", {10.625, 45.625, 0},
     {{{12.5, 20.625, 0}, {12.5, 50.625, 0}}}},
    {"ordinate, DIMZIN 8, DIMTAD 1", true, 8, 1, 1.0, "\\A1;12.5", {10.625, 44.625, 0},
     {{{12.5, 20.625, 0}, {12.5, 48.625, 0}}}},
    {"ordinate, DIMZIN 8, DIMTAD 0", true, 8, 0, 1.0, "\\A1;12.5", {12.5, 44.625, 0},
     {{{12.5, 20.625, 0}, {12.5, 40, 0}}}},
    {"ordinate, DIMZIN 0, DIMSCALE 2", true, 0, 1, 2.0, "\\A1;12.50", {8.75, 51.25, 0},
     {{{12.5, 21.25, 0}, {12.5, 61.25, 0}}}},
    {"linear, DIMZIN 0, DIMTAD 0", false, 0, 0, 1.0, "\\A1;40.00", {20, 15, 0},
     {{{2.5, 15, 0}, {14.375, 15, 0}}, {{25.625, 15, 0}, {37.5, 15, 0}}}},
    {"linear, DIMZIN 8, DIMTAD 0", false, 8, 0, 1.0, "\\A1;40", {20, 15, 0},
     {{{2.5, 15, 0}, {17.375, 15, 0}}, {{22.625, 15, 0}, {37.5, 15, 0}}}},
    {"linear, DIMZIN 8, DIMTAD 1, DIMSCALE 2", false, 8, 1, 2.0, "\\A1;40", {20, 18.75, 0},
     {{{0, 1.25, 0}, {0, 17.5, 0}}, {{5, 15, 0}, {35, 15, 0}}}},
};

TEST(DimBlock, OverridesOfDimzinDimtadAndDimscale) {
  for (const OverrideCase& c : kOverrideCases) {
    AcDbDatabase db;
    AcDbDimension* made = c.ordinate
        ? static_cast<AcDbDimension*>(new AcDbOrdinateDimension(true, {12.5, 20, 0}, {12.5, 40, 0}))
        : new AcDbRotatedDimension(0.0, {0, 0, 0}, {40, 0, 0}, {40, 15, 0});
    ASSERT_EQ(made->setDimzin(c.dimzin), Acad::eOk) << c.name;
    ASSERT_EQ(made->setDimtad(c.dimtad), Acad::eOk) << c.name;
    ASSERT_EQ(made->setDimscale(c.dimscale), Acad::eOk) << c.name;
    AcDbObjectId id = test::appendToModelSpace(db, made);
    ASSERT_FALSE(id.isNull()) << c.name;
    BlockContents block = contentsOf(blockOf(id));
    EXPECT_EQ(block.textContents, c.contents) << c.name;
    EXPECT_TRUE(block.textLocation.isEqualTo(c.text))
        << c.name << ": " << block.textLocation.x << ", " << block.textLocation.y;
    EXPECT_NEAR(block.textHeight, 2.5 * c.dimscale, 1e-12) << c.name;
    for (const auto& [a, b] : c.someLines)
      EXPECT_TRUE(hasLine(block, a, b)) << c.name << ": (" << a.x << "," << a.y << ")-(" << b.x
                                        << "," << b.y << ")";
  }
}

// An R2000 drawing with one linear dimension and its own *D1 block (one
// line only: whatever the file shows must stay).
const char* kWithBlock =
    "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n0\nENDSEC\n"
    "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n5\n20\n8\n0\n2\n*D1\n70\n1\n10\n0\n20\n0\n30\n0\n3\n*D1\n"
    "0\nLINE\n5\n21\n8\n0\n10\n1\n20\n2\n30\n0\n11\n3\n21\n4\n31\n0\n0\nENDBLK\n5\n22\n8\n0\n0\nENDSEC\n"
    "0\nSECTION\n2\nENTITIES\n0\nDIMENSION\n5\n30\n100\nAcDbEntity\n8\n0\n100\nAcDbDimension\n"
    "2\n*D1\n10\n40\n20\n15\n30\n0\n11\n20\n21\n16.875\n31\n0\n70\n32\n"
    "100\nAcDbAlignedDimension\n13\n0\n23\n0\n33\n0\n14\n40\n24\n0\n34\n0\n"
    "100\nAcDbRotatedDimension\n0\nENDSEC\n0\nEOF\n";

TEST(DimBlock, ReadBlockStaysUntilTheDimensionChanges) {
  auto db = test::readDxf(kWithBlock);
  ASSERT_TRUE(db);
  std::string out = test::writeDxf(*db);
  test::Groups line = test::objectGroups(out, "BLOCKS", "LINE");
  EXPECT_EQ(test::valuesOf(line, 11), std::vector<std::string>{"3.0"}) << "the file's line";
  EXPECT_TRUE(test::objectGroups(out, "BLOCKS", "MTEXT").empty()) << "nothing made";
  AcDbObjectId id = test::modelSpaceIds(*db).at(0);
  {
    test::Opened<AcDbRotatedDimension> d(id, AcDb::kForWrite);
    ASSERT_EQ(d->setDimensionText("<> H7"), Acad::eOk);
  }
  // A file without a DIMSTYLE table shows the format's defaults: DIMTAD 0,
  // DIMDEC 4, arrows and text 0.18, DIMGAP 0.09. "40.0000 H7" is 1.44 wide,
  // centred at (20, 15): the line breaks 0.72 + 0.09 either side.
  BlockContents c = contentsOf(blockOf(id));
  EXPECT_EQ(c.name, "*D1") << "its own block, filled again";
  EXPECT_EQ(c.textContents, "\\A1;40.0000 H7");
  EXPECT_TRUE(hasLine(c, {0.18, 15, 0}, {19.19, 15, 0}));
  EXPECT_TRUE(hasLine(c, {20.81, 15, 0}, {39.82, 15, 0}));
  EXPECT_EQ(c.solids, 2);
}

// The same dimension without a block (as some programs write them).
TEST(DimBlock, MadeOnWritingForADimensionWithoutOne) {
  std::string bare = kWithBlock;
  bare.replace(bare.find("0\nSECTION\n2\nBLOCKS"), bare.find("0\nSECTION\n2\nENTITIES") -
                                                       bare.find("0\nSECTION\n2\nBLOCKS"), "");
  bare.replace(bare.find("2\n*D1\n10\n40"), 6, "");
  auto db = test::readDxf(bare);
  ASSERT_TRUE(db);
  for (auto version : {DxfVersion::R2000, DxfVersion::R12}) {
    std::string out = test::writeDxf(*db, version);
    test::Groups dimension = test::objectGroups(out, "ENTITIES", "DIMENSION");
    std::vector<std::string> names = test::valuesOf(dimension, 2);
    ASSERT_EQ(names.size(), 1u);
    bool blockWritten = false;
    for (const test::DxfObject& o : test::dxfObjects(out))
      if (o.type == "BLOCK" && test::valuesOf(o.groups, 2) == names)
        blockWritten = true;
    EXPECT_TRUE(blockWritten) << names[0];
    // R12 holds the text as TEXT; R2000 as MTEXT.
    const char* textType = version == DxfVersion::R12 ? "TEXT" : "MTEXT";
    EXPECT_FALSE(test::objectGroups(out, "BLOCKS", textType).empty()) << textType;
    EXPECT_FALSE(test::objectGroups(out, "BLOCKS", "SOLID").empty());
  }
}

}  // namespace
}  // namespace zek
