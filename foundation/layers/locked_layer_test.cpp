// The locked-layer notice: the entity is reported and left unchanged, the
// rest of the selection is still changed, and each notice reads as chosen.
#include <gtest/gtest.h>

#include "aced_output.h"
#include "db_curves.h"
#include "db/testing/db_test_support.h"
#include "editor/testing/editor_test_support.h"
#include "layers/locked_layer.h"

namespace zek {
namespace {

class LockedLayerTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_FALSE(test::addLayer(session_.db(), "LOCKED", true).isNull());
    lines_ = {line("0"), line("LOCKED"), line("0")};
  }
  void TearDown() override { EXPECT_TRUE(session_.db().openObjects().empty()); }

  AcDbObjectId line(const char* layer) {
    auto* entity = new AcDbLine({0, 0, 0}, {10, 0, 0});
    EXPECT_EQ(entity->setLayer(layer), Acad::eOk);
    return test::appendToModelSpace(session_.db(), entity);
  }
  // Colours every line 1 through the notice convention.
  void colourAll(LockedLayerNotice notice) {
    for (AcDbObjectId id : lines_) {
      OpenedEntity entity(id, AcDb::kForRead);
      if (entity.status() != Acad::eOk || !upgradeOpenOrReportLocked(entity, notice))
        continue;
      EXPECT_EQ(entity->setColorIndex(1), Acad::eOk);
    }
  }
  int colourOf(AcDbObjectId id) {
    test::Opened<AcDbEntity> entity(id);
    return entity ? entity->colorIndex() : -1;
  }

  test::EditorSession session_;
  std::vector<AcDbObjectId> lines_;
};

TEST_F(LockedLayerTest, ReportsTheLockedEntityAndGoesOnWithTheRest) {
  acutPrintf("Colouring");
  colourAll(LockedLayerNotice::LayerLocked);
  EXPECT_EQ(session_.transcript(), "Colouring\nLAYER LOCKED");
  EXPECT_EQ(colourOf(lines_[0]), 1);
  EXPECT_EQ(colourOf(lines_[1]), 256);  // unchanged: BYLAYER as appended
  EXPECT_EQ(colourOf(lines_[2]), 1);
}

TEST_F(LockedLayerTest, TheOrdinateStepsNoticeHasNoLineBreak) {
  acutPrintf("Colouring");
  colourAll(LockedLayerNotice::Underscored);
  EXPECT_EQ(session_.transcript(), "Colouring_LAYER_LOCKED_");
}

TEST_F(LockedLayerTest, AnEntityOpenForWriteAlreadyIsGranted) {
  OpenedEntity entity(lines_[0], AcDb::kForWrite);
  ASSERT_EQ(entity.status(), Acad::eOk);
  EXPECT_TRUE(upgradeOpenOrReportLocked(entity));
  EXPECT_TRUE(upgradeOpenOrReportLocked(entity.get()));
  EXPECT_EQ(session_.transcript(), "");
}

TEST_F(LockedLayerTest, OtherRefusalsAreNoLockedLayer) {
  OpenedEntity first(lines_[0], AcDb::kForRead);
  OpenedEntity second(lines_[0], AcDb::kForRead);
  EXPECT_FALSE(upgradeOpenOrReportLocked(first));  // two readers: no upgrade, no notice
  OpenedEntity none(AcDbObjectId(), AcDb::kForRead);
  EXPECT_FALSE(upgradeOpenOrReportLocked(none));
  EXPECT_FALSE(upgradeOpenOrReportLocked(static_cast<AcDbObject*>(nullptr)));
  EXPECT_EQ(session_.transcript(), "");
}

}  // namespace
}  // namespace zek
