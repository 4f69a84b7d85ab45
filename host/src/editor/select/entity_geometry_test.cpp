// Window and crossing tests by true geometry on the plate drawing: curves by
// their curves, bulges by their arcs, texts by their boxes, block
// references by the entities of their blocks under any placement.
#include "editor/select/entity_geometry.h"

#include <gtest/gtest.h>

#include <map>
#include <numbers>
#include <string>

#include "db/testing/db_test_support.h"
#include "db_block.h"
#include "db_blockref.h"
#include "db_curves.h"
#include "db_dimension.h"
#include "db_entity.h"
#include "db_symtab.h"
#include "editor/select/select_test_drawing.h"
#include "editor/select/selection_query.h"
#include "editor/testing/editor_test_support.h"

namespace zek {
namespace {

struct WindowCase {
  const char* entity;
  double x1, y1, x2, y2;
  bool crosses;
  bool inside;
  const char* behaviour;
};

const WindowCase kCases[] = {
    {"hole2", 55, 20, 65, 30, true, false, "a circle crossing the window's edge: C, not W"},
    {"hole2", 45, 20, 55, 30, false, false, "a window inside a circle meets no curve"},
    {"hole2", 30, 5, 70, 45, true, true, "a circle wholly inside"},
    {"hole2", 60, 10, 61, 11, false, false, "a corner window in the circle's box, off the curve"},
    {"arc", 77, 26, 83, 30, false, false, "under an arc, inside its box: the arc is not met"},
    {"arc", 78, 30, 82, 34, true, false, "over the top of the arc"},
    {"arc", 70, 24, 90, 34, true, true, "the whole arc"},
    {"slot", 72, 33, 76, 37, true, false, "the bulge's outermost point"},
    {"slot", 74, 39, 74.8, 39.8, false, false, "beside a bulge, inside the polyline's box"},
    {"slot", 61, 31, 69, 39, false, false, "inside a closed polyline meets no segment"},
    {"slot", 54, 29, 76, 41, true, true, "the whole slot, bulges included"},
    {"slot", 56, 29, 74, 41, true, false, "the straight parts only: bulges stick out"},
    {"label", 13, 42, 16, 44, true, false, "a text by the corner of its box"},
    {"label", 11, 41, 12, 42, true, false, "a window inside a text's box meets the text"},
    {"label", 9, 39, 15, 43, true, true, "the whole text box (two characters, 4 wide)"},
    {"label", 9, 39, 13, 43, true, false, "the text's box is 4 wide, not 3"},
    {"pin", 94, 46, 97, 47, false, false, "inside a reference's box, off its block's geometry"},
    {"pin", 95, 44, 96, 46, true, false, "the block's line"},
    {"pin", 87, 42, 99, 48, true, true, "the whole reference"},
    {"rotated", -1, 104, 1, 106, true, false, "a rotated reference: its line now runs up"},
    {"rotated", 1, 104, 1.9, 106, false, false, "a rotated reference: the line is no longer there"},
    {"scaled", 10, 199, 11, 201, true, false, "a scaled reference: the line doubled in length"},
    {"scaled", 1, 199, 3, 201, false, false, "a scaled reference: inside the doubled circle"},
    {"hiding", 9, 299, 11, 301, false, false, "a block's circle on a frozen layer is not shown"},
    {"hiding", -1, 299, 1, 301, true, false, "the block's line on layer 0 is"},
    {"dimension", 14, 409.5, 15, 410.5, true, false, "a dimension by its display block: the dimension line"},
    {"dimension", 9, 402, 11, 403, false, false, "between the extension lines, under the dimension line"},
};

class EntityGeometryTest : public ::testing::Test {
protected:
  void SetUp() override {
    AcDbDatabase& db = session_.db();
    ids_ = test::buildSelectionPlate(db);
    AcDbObjectId pin = test::blockOf(ids_.at("pin"));
    auto* rotated = new AcDbBlockReference({0, 100, 0}, pin);
    EXPECT_EQ(rotated->setRotation(std::numbers::pi / 2), Acad::eOk);
    ids_["rotated"] = test::appendToModelSpace(db, rotated);
    auto* scaled = new AcDbBlockReference({0, 200, 0}, pin);
    EXPECT_EQ(scaled->setScaleFactors(AcGeScale3d(2.0)), Acad::eOk);
    ids_["scaled"] = test::appendToModelSpace(db, scaled);
    ids_["hiding"] = test::appendToModelSpace(db, new AcDbBlockReference({0, 300, 0}, hidingBlock()));
    // 20 measured from (0, 400) to (20, 400), the dimension line at y 410.
    ids_["dimension"] = test::appendToModelSpace(
        db, new AcDbRotatedDimension(0.0, {0, 400, 0}, {20, 400, 0}, {10, 410, 0}));
  }

  // A block with a circle round (10, 0) on the frozen layer and a short line
  // across its origin on layer 0.
  AcDbObjectId hidingBlock() {
    AcDbDatabase& db = session_.db();
    AcDbObjectId id = test::addBlock(db, "HIDING");
    auto* circle = new AcDbCircle({10, 0, 0}, AcGeVector3d::kZAxis, 1.0);
    EXPECT_EQ(circle->setLayer("FROZEN"), Acad::eOk);
    test::appendToBlock(db, id, circle);
    test::appendToBlock(db, id, new AcDbLine({-1, 0, 0}, {1, 0, 0}));
    return id;
  }

  test::EditorSession session_;
  std::map<std::string, AcDbObjectId> ids_;
};

TEST_F(EntityGeometryTest, WindowsMeetTrueGeometry) {
  for (const auto& c : kCases) {
    test::Opened<AcDbEntity> entity(ids_.at(c.entity));
    ASSERT_TRUE(entity) << c.entity;
    AcDbExtents window = windowOf({c.x1, c.y1, 0}, {c.x2, c.y2, 0});
    EXPECT_EQ(crossesWindow(*entity.get(), window), c.crosses) << "crossing: " << c.behaviour;
    EXPECT_EQ(insideWindow(*entity.get(), window), c.inside) << "window: " << c.behaviour;
  }
}

TEST_F(EntityGeometryTest, FrozenAndOffLayersHideTheirEntities) {
  test::Opened<AcDbEntity> frozen(ids_.at("frozen"));
  test::Opened<AcDbEntity> off(ids_.at("off"));
  test::Opened<AcDbEntity> locked(ids_.at("locked"));
  EXPECT_TRUE(layerHides(frozen->layerId()));
  EXPECT_TRUE(layerHides(off->layerId()));
  EXPECT_FALSE(layerHides(locked->layerId())) << "locked layers stay selectable";
  EXPECT_FALSE(layerHides(AcDbObjectId())) << "no layer hides nothing";
}

}  // namespace
}  // namespace zek
