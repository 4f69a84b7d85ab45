// ensureLayer against a real drawing: a new layer's states and linetype
// (found, loaded from acadiso.lin, or CONTINUOUS), an existing layer left as
// it is, nothing left open.
#include <gtest/gtest.h>

#include "db/testing/db_test_support.h"
#include "editor/testing/editor_test_support.h"
#include "layers/ensure_layer.h"

namespace zek {
namespace {

std::string linetypeNameOf(AcDbObjectId layerId) {
  test::Opened<AcDbLayerTableRecord> layer(layerId);
  if (!layer)
    return "(layer not open)";
  test::Opened<AcDbLinetypeTableRecord> linetype(layer->linetypeObjectId());
  return linetype ? linetype->name() : "(no linetype)";
}

bool drawingHasLinetype(AcDbDatabase& db, const char* name) {
  AcDbLinetypeTable* table = nullptr;
  if (db.getLinetypeTable(table, AcDb::kForRead) != Acad::eOk)
    return false;
  const bool has = table->has(name);
  (void)table->close();
  return has;
}

class EnsureLayerTest : public ::testing::Test {
protected:
  void TearDown() override { EXPECT_TRUE(session_.db().openObjects().empty()); }
  AcDbDatabase& db() { return session_.db(); }
  test::EditorSession session_;
};

TEST_F(EnsureLayerTest, CreatesAMissingLayerThawedOnAndUnlocked) {
  const AcDbObjectId id = ensureLayer(db(), "HOLE-DRILL-DIM", 3, "Continuous", AcDb::kLnWt005);
  ASSERT_FALSE(id.isNull());
  test::Opened<AcDbLayerTableRecord> layer(id);
  ASSERT_TRUE(layer);
  EXPECT_EQ(layer->name(), "HOLE-DRILL-DIM");
  EXPECT_FALSE(layer->isFrozen());
  EXPECT_FALSE(layer->isOff());
  EXPECT_FALSE(layer->VPDFLT());
  EXPECT_FALSE(layer->isLocked());
  EXPECT_EQ(layer->color().colorIndex(), 3);
  EXPECT_FALSE(layer->color().isByColor());
  EXPECT_EQ(layer->lineWeight(), AcDb::kLnWt005);
  layer.close();
  EXPECT_EQ(linetypeNameOf(id), "Continuous");
}

TEST_F(EnsureLayerTest, LoadsAMissingLinetypeFromTheLinetypeFile) {
  ASSERT_FALSE(drawingHasLinetype(db(), "CENTER")) << "the template should lack CENTER";
  const AcDbObjectId id = ensureLayer(db(), "HOLE-DRILL-CENTER", 1, "CENTER", AcDb::kLnWt005);
  ASSERT_FALSE(id.isNull());
  EXPECT_TRUE(drawingHasLinetype(db(), "CENTER"));
  EXPECT_EQ(linetypeNameOf(id), "CENTER");
}

TEST_F(EnsureLayerTest, FallsBackToContinuousForALinetypeNoFileHolds) {
  const AcDbObjectId id = ensureLayer(db(), "ODD", 2, "NOSUCHTYPE", AcDb::kLnWt025);
  ASSERT_FALSE(id.isNull());
  EXPECT_FALSE(drawingHasLinetype(db(), "NOSUCHTYPE"));
  EXPECT_EQ(linetypeNameOf(id), "Continuous");  // CONTINUOUS, as the drawing spells it
  const AcDbObjectId unnamed = ensureLayer(db(), "UNNAMED", 2, "", AcDb::kLnWt025);
  EXPECT_EQ(linetypeNameOf(unnamed), "Continuous");
}

TEST_F(EnsureLayerTest, LeavesAnExistingLayerAsItIsFrozenIncluded) {
  const AcDbObjectId existing = test::addLayer(db(), "HOLE-DRILL");
  ASSERT_FALSE(existing.isNull());
  {
    test::Opened<AcDbLayerTableRecord> layer(existing, AcDb::kForWrite);
    ASSERT_TRUE(layer);
    ASSERT_EQ(layer->setIsFrozen(true), Acad::eOk);
    layer->setIsLocked(true);
    AcCmColor red;
    ASSERT_EQ(red.setColorIndex(1), Acad::eOk);
    layer->setColor(red);
  }
  // Another name case finds the same layer: names compare without ASCII case.
  const AcDbObjectId id = ensureLayer(db(), "hole-drill", 5, "CENTER", AcDb::kLnWt050);
  EXPECT_EQ(id, existing);
  test::Opened<AcDbLayerTableRecord> layer(id);
  ASSERT_TRUE(layer);
  EXPECT_TRUE(layer->isFrozen());
  EXPECT_TRUE(layer->isLocked());
  EXPECT_EQ(layer->color().colorIndex(), 1);
  EXPECT_NE(layer->lineWeight(), AcDb::kLnWt050);
}

TEST_F(EnsureLayerTest, ASecondCallFindsTheLayerTheFirstMade) {
  const AcDbObjectId first = ensureLayer("WIRE-DIM", 3, "Continuous", AcDb::kLnWt005);
  ASSERT_FALSE(first.isNull());
  EXPECT_EQ(ensureLayer(db(), "WIRE-DIM", 4, "HIDDEN", AcDb::kLnWt070), first);
  EXPECT_EQ(linetypeNameOf(first), "Continuous");
}

TEST_F(EnsureLayerTest, RefusesAnEmptyName) {
  EXPECT_TRUE(ensureLayer(db(), "", 3, "Continuous", AcDb::kLnWt005).isNull());
  EXPECT_TRUE(ensureLayer(db(), nullptr, 3, "Continuous", AcDb::kLnWt005).isNull());
}

TEST_F(EnsureLayerTest, ALayerTableOpenElsewhereGivesANullIdAndLeavesNothingOpen) {
  AcDbLayerTable* held = nullptr;
  ASSERT_EQ(db().getLayerTable(held, AcDb::kForWrite), Acad::eOk);
  EXPECT_TRUE(ensureLayer(db(), "MILL-DIM", 3, "CENTER", AcDb::kLnWt005).isNull());
  EXPECT_EQ(db().openObjects().size(), 1u);  // only the table the test holds
  (void)held->close();
  AcDbLayerTable* layers = nullptr;
  ASSERT_EQ(db().getLayerTable(layers, AcDb::kForRead), Acad::eOk);
  EXPECT_FALSE(layers->has("MILL-DIM"));
  (void)layers->close();
}

TEST_F(EnsureLayerTest, ALinetypeTableOpenElsewhereStillGivesTheLayer) {
  AcDbLinetypeTable* held = nullptr;
  ASSERT_EQ(db().getLinetypeTable(held, AcDb::kForWrite), Acad::eOk);
  const AcDbObjectId id = ensureLayer(db(), "MILL-DIM", 3, "CENTER", AcDb::kLnWt005);
  (void)held->close();
  ASSERT_FALSE(id.isNull());
  EXPECT_FALSE(drawingHasLinetype(db(), "CENTER"));  // nothing could be loaded
  test::Opened<AcDbLayerTableRecord> layer(id);
  ASSERT_TRUE(layer);
  EXPECT_TRUE(layer->linetypeObjectId().isNull());  // filed as Continuous
}

}  // namespace
}  // namespace zek
