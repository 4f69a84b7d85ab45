// Block references on the standard picture (world (x, y) at pixel (2x,
// 200 − 2y)): the base point, mirroring, rotation and scale through nested
// blocks, attributes where the reference put them, attribute definitions,
// MINSERT grids and a block that inserts itself.
#include <gtest/gtest.h>

#include "core/render_test_support.h"
#include "db/database_core.h"
#include "db/testing/db_test_support.h"
#include "db_blockref.h"
#include "db_curves.h"
#include "db_text.h"
#include "editor/testing/editor_test_support.h"

namespace zek::render::test {
namespace {

constexpr double kPi = 3.14159265358979323846;

std::vector<SvgPoint> strokedPoints(const SvgPicture& picture) {
  return pointsOf(picture.strokes());
}

AcDbBlockReference* reference(AcDbObjectId block, const AcGePoint3d& at,
                              const AcGeScale3d& scale = AcGeScale3d(1.0), double rotation = 0.0) {
  auto* ref = new AcDbBlockReference(at, block);
  EXPECT_EQ(ref->setScaleFactors(scale), Acad::eOk);
  EXPECT_EQ(ref->setRotation(rotation), Acad::eOk);
  return ref;
}

TEST(BlockDrawing, AMirroredReferenceAndItsAttributesLandWhereExpected) {
  zek::test::EditorSession session;
  AcDbDatabase& db = session.db();
  // Base point (10, 0); a line from the base 20 along X; a definition at (12, 2).
  const AcDbObjectId block = addBlock(db, "PIN", {10, 0, 0});
  addToBlock(db, block, new AcDbLine({10, 0, 0}, {30, 0, 0}));
  auto* definition = new AcDbAttributeDefinition({12, 2, 0}, "V", "NO", "Number?");
  ASSERT_EQ(definition->setHeight(4), Acad::eOk);
  addToBlock(db, block, definition);

  // Mirrored in X at (100, 50): the line runs from (100, 50) back to (80, 50).
  const AcDbObjectId placed = addEntity(db, reference(block, {100, 50, 0}, AcGeScale3d(-1, 1, 1)));
  AcGePoint3d attributeAt;
  {
    zek::test::Opened<AcDbBlockReference> ref(placed, AcDb::kForWrite);
    ASSERT_TRUE(ref);
    auto* attribute = new AcDbAttribute();
    AcDbAttributeDefinition copy({12, 2, 0}, "V", "NO", "Number?");
    ASSERT_EQ(copy.setHeight(4), Acad::eOk);
    ASSERT_EQ(attribute->setAttributeFromBlock(&copy, ref->blockTransform()), Acad::eOk);
    ASSERT_EQ(attribute->setTextString("A1"), Acad::eOk);
    attributeAt = attribute->position();
    ASSERT_EQ(ref->appendAttribute(attribute), Acad::eOk);
    (void)attribute->close();
  }
  // The definition's point (12, 2) is 2 right of the base and 2 up: mirrored, (98, 52).
  EXPECT_NEAR(attributeAt.x, 98.0, 1e-9);
  EXPECT_NEAR(attributeAt.y, 52.0, 1e-9);

  const SvgPicture picture = renderSvg(session.document()).picture;
  const auto points = strokedPoints(picture);
  ASSERT_EQ(points.size(), 2u) << "the line only: a definition does not show in a reference";
  EXPECT_NEAR(points[0].x, 200, kSvgPrecision);
  EXPECT_NEAR(points[1].x, 160, kSvgPrecision);
  EXPECT_NEAR(points[0].y, 100, kSvgPrecision);
  // "A1", 4 high (8 pixels): its glyphs start within a text width of
  // pixel (196, 96), not at the block's transformation applied again.
  EXPECT_EQ(picture.glyphUses, 2);
  ASSERT_TRUE(picture.glyphOrigins.valid);
  const double width = 2 * 2 * 0.8 * 4;
  EXPECT_GE(picture.glyphOrigins.minX, 196 - width - 1);
  EXPECT_LE(picture.glyphOrigins.maxX, 196 + width + 1);
  EXPECT_GE(picture.glyphOrigins.minY, 96 - 8 - 1);
  EXPECT_LE(picture.glyphOrigins.maxY, 96 + 8 + 1);
}

TEST(BlockDrawing, NestedReferencesComposeTheirTransformations) {
  zek::test::EditorSession session;
  AcDbDatabase& db = session.db();
  const AcDbObjectId inner = addBlock(db, "INNER");
  addToBlock(db, inner, new AcDbLine({0, 0, 0}, {10, 0, 0}));
  const AcDbObjectId outer = addBlock(db, "OUTER");
  // Turned a quarter at (5, 5): the line runs (5, 5)–(5, 15) in OUTER.
  addToBlock(db, outer, reference(inner, {5, 5, 0}, AcGeScale3d(1.0), kPi / 2));
  // OUTER twice as large at (50, 50): (60, 60)–(60, 80).
  addEntity(db, reference(outer, {50, 50, 0}, AcGeScale3d(2.0)));
  const auto points = strokedPoints(renderSvg(session.document()).picture);
  ASSERT_EQ(points.size(), 2u);
  EXPECT_NEAR(points[0].x, 120, kSvgPrecision);
  EXPECT_NEAR(points[0].y, 80, kSvgPrecision);
  EXPECT_NEAR(points[1].x, 120, kSvgPrecision);
  EXPECT_NEAR(points[1].y, 40, kSvgPrecision);
}

TEST(BlockDrawing, ABlockThatInsertsItselfIsDrawnOnce) {
  zek::test::EditorSession session;
  AcDbDatabase& db = session.db();
  const AcDbObjectId block = addBlock(db, "LOOP");
  addToBlock(db, block, new AcDbLine({0, 0, 0}, {10, 0, 0}));
  addToBlock(db, block, reference(block, {0, 5, 0}));
  addEntity(db, reference(block, {20, 20, 0}));
  const SvgRender rendered = renderSvg(session.document());
  EXPECT_EQ(strokedPoints(rendered.picture).size(), 2u);
  EXPECT_EQ(rendered.result.entitiesDrawn, 1);
}

TEST(BlockDrawing, AMultipleInsertFillsItsGrid) {
  zek::test::EditorSession session;
  AcDbDatabase& db = session.db();
  const AcDbObjectId block = addBlock(db, "HOLE");
  addToBlock(db, block, new AcDbCircle({0, 0, 0}, AcGeVector3d::kZAxis, 2));
  auto* grid = reference(block, {20, 20, 0});
  ASSERT_EQ(grid->setColumns(3), Acad::eOk);
  ASSERT_EQ(grid->setRows(2), Acad::eOk);
  ASSERT_EQ(grid->setColumnSpacing(30), Acad::eOk);
  ASSERT_EQ(grid->setRowSpacing(20), Acad::eOk);
  addEntity(db, grid);
  const SvgPicture picture = renderSvg(session.document()).picture;
  ASSERT_EQ(picture.strokes().size(), 1u);
  EXPECT_EQ(picture.strokes()[0]->subpaths.size(), 6u) << "three columns, two rows";
  const SvgBounds b = picture.strokes()[0]->bounds();
  // Centres from (20, 20) to (80, 40), radius 2.
  EXPECT_NEAR(b.minX, 36, 0.5 + kSvgPrecision);
  EXPECT_NEAR(b.maxX, 164, 0.5 + kSvgPrecision);
  EXPECT_NEAR(b.minY, 116, 0.5 + kSvgPrecision);
  EXPECT_NEAR(b.maxY, 164, 0.5 + kSvgPrecision);
}

// A damaged file's grid of 30,000 × 30,000 cells: the picture is made at
// once, with the corner cells and the grid's outline.
TEST(BlockDrawing, AnEnormousGridShowsItsCornersAndOutline) {
  zek::test::EditorSession session;
  AcDbDatabase& db = session.db();
  const AcDbObjectId block = addBlock(db, "HOLE");
  addToBlock(db, block, new AcDbCircle({0, 0, 0}, AcGeVector3d::kZAxis, 2));
  auto* grid = reference(block, {10, 10, 0});
  ASSERT_EQ(grid->setColumns(30000), Acad::eOk);
  ASSERT_EQ(grid->setRows(30000), Acad::eOk);
  ASSERT_EQ(grid->setColumnSpacing(0.002), Acad::eOk);
  ASSERT_EQ(grid->setRowSpacing(0.001), Acad::eOk);
  addEntity(db, grid);
  const SvgPicture picture = renderSvg(session.document()).picture;
  std::size_t subpaths = 0;
  for (const auto& stroke : picture.strokes())
    subpaths += stroke->subpaths.size();
  EXPECT_EQ(subpaths, 5u) << "four corner circles and the outline";
}

TEST(BlockDrawing, ConstantDefinitionsShowTheirValueInvisibleAttributesNothing) {
  zek::test::EditorSession session;
  AcDbDatabase& db = session.db();
  const AcDbObjectId block = addBlock(db, "TITLE");
  auto* constant = new AcDbAttributeDefinition({0, 0, 0}, "ZEK", "MAKER", "");
  ASSERT_EQ(constant->setHeight(5), Acad::eOk);
  ASSERT_EQ(constant->setConstant(true), Acad::eOk);
  addToBlock(db, block, constant);
  const AcDbObjectId placed = addEntity(db, reference(block, {20, 20, 0}));
  {
    zek::test::Opened<AcDbBlockReference> ref(placed, AcDb::kForWrite);
    ASSERT_TRUE(ref);
    auto* hidden = new AcDbAttribute({20, 40, 0}, "SECRET", "CODE");
    ASSERT_EQ(hidden->setHeight(5), Acad::eOk);
    ASSERT_EQ(hidden->setInvisible(true), Acad::eOk);
    ASSERT_EQ(ref->appendAttribute(hidden), Acad::eOk);
    (void)hidden->close();
  }
  // The definition alone in model space shows its tag.
  auto* loose = new AcDbAttributeDefinition({100, 20, 0}, "VALUE", "TAG", "");
  ASSERT_EQ(loose->setHeight(5), Acad::eOk);
  addEntity(db, coloured(loose, 1));
  const SvgPicture picture = renderSvg(session.document()).picture;
  int black = 0, red = 0;
  for (const Rgb& fill : picture.glyphFills) {
    black += fill == kBlack;
    red += fill == kRed;
  }
  EXPECT_EQ(black, 3) << "ZEK, the constant's value";
  EXPECT_EQ(red, 3) << "TAG, the loose definition's tag";
}

TEST(BlockDrawing, DrawingLeavesEveryObjectAsItFoundIt) {
  zek::test::EditorSession session;
  AcDbDatabase& db = session.db();
  const AcDbObjectId inner = addBlock(db, "INNER");
  addToBlock(db, inner, new AcDbCircle({0, 0, 0}, AcGeVector3d::kZAxis, 3));
  const AcDbObjectId outer = addBlock(db, "OUTER");
  addToBlock(db, outer, reference(inner, {5, 5, 0}));
  addToBlock(db, outer, new AcDbLine({0, 0, 0}, {10, 0, 0}));
  const AcDbObjectId placed = addEntity(db, reference(outer, {50, 50, 0}));
  {
    zek::test::Opened<AcDbBlockReference> ref(placed, AcDb::kForWrite);
    ASSERT_TRUE(ref);
    auto* attribute = new AcDbAttribute({60, 40, 0}, "A1", "NO");
    ASSERT_EQ(attribute->setHeight(3), Acad::eOk);
    ASSERT_EQ(ref->appendAttribute(attribute), Acad::eOk);
    (void)attribute->close();
  }
  const SvgRender rendered = renderSvg(session.document());
  EXPECT_EQ(rendered.result.entitiesDrawn, 1);
  EXPECT_TRUE(db.openObjects().empty());
  int checked = 0;
  db.core().forEachStub([&](const ObjectStub& stub) {
    if (stub.object == nullptr)
      return;
    ++checked;
    EXPECT_EQ(stub.object->readerCount(), 0) << "handle " << std::hex << stub.handle;
    EXPECT_FALSE(stub.object->isOpenForWrite()) << "handle " << std::hex << stub.handle;
  });
  EXPECT_GT(checked, 10);
}

}  // namespace
}  // namespace zek::render::test
