// The display record: temporary vectors in world coordinates, redraw modes,
// highlights shared with AcDbEntity::highlight, and the full redraw.
#include "editor/core/display_state.h"

#include <gtest/gtest.h>

#include "aced_output.h"
#include "db_curves.h"
#include "db/testing/db_test_support.h"
#include "editor/testing/editor_test_support.h"

namespace zek {
namespace {

TEST(Display, TemporaryVectorsAreRecordedInWorldCoordinates) {
  test::EditorSession session;
  session.document().setUcs(AcGeMatrix3d::translation({10, 0, 0}));
  const ads_point a = {0, 0, 0}, b = {5, 5, 0};
  ASSERT_EQ(acedGrDraw(a, b, 1, 0), RTNORM);
  ASSERT_EQ(acedGrDraw(b, a, -3, 1), RTNORM);
  const auto& vectors = displayStateOf(session.document()).vectors;
  ASSERT_EQ(vectors.size(), 2u);
  EXPECT_TRUE(vectors[0].from.isEqualTo({10, 0, 0})) << "UCS points, world record";
  EXPECT_TRUE(vectors[0].to.isEqualTo({15, 5, 0}));
  EXPECT_EQ(vectors[0].colour, 1);
  EXPECT_FALSE(vectors[0].highlighted);
  EXPECT_EQ(vectors[1].colour, 3) << "a negative colour is XOR ink of that colour";
  EXPECT_TRUE(vectors[1].xorInk);
  EXPECT_TRUE(vectors[1].highlighted);
}

TEST(Display, VectorListsTakeColoursAndPairsOfPoints) {
  test::EditorSession session;
  const ads_point p1 = {0, 0, 0}, p2 = {1, 0, 0}, p3 = {1, 1, 0};
  resbuf* list = acutBuildList(RTSHORT, 2, RTPOINT, p1, RTPOINT, p2, RTSHORT, -4, RT3DPOINT, p2,
                               RT3DPOINT, p3, RTNONE);
  ASSERT_EQ(acedGrVecs(list, nullptr), RTNORM);
  acutRelRb(list);
  const auto& vectors = displayStateOf(session.document()).vectors;
  ASSERT_EQ(vectors.size(), 2u);
  EXPECT_EQ(vectors[0].colour, 2);
  EXPECT_FALSE(vectors[0].highlighted);
  EXPECT_EQ(vectors[1].colour, 4);
  EXPECT_TRUE(vectors[1].highlighted) << "a negative colour in a vector list highlights";
  EXPECT_TRUE(vectors[1].to.isEqualTo({1, 1, 0}));

  resbuf* odd = acutBuildList(RTPOINT, p1, RTNONE);
  EXPECT_EQ(acedGrVecs(odd, nullptr), RTERROR) << "a point without its partner";
  acutRelRb(odd);
  EXPECT_EQ(vectors.size(), 2u) << "nothing of a refused list is drawn";
}

TEST(Display, RedrawModesUndrawHighlightAndAFullRedrawForgetsAll) {
  test::EditorSession session;
  AcDbObjectId id = test::appendToModelSpace(session.db(), new AcDbLine({0, 0, 0}, {1, 0, 0}));
  ads_name name;
  ASSERT_EQ(acdbGetAdsName(name, id), Acad::eOk);
  DisplayState& display = displayStateOf(session.document());

  ASSERT_EQ(acedRedraw(name, 2), RTNORM);
  EXPECT_EQ(display.undrawn.count(id), 1u);
  ASSERT_EQ(acedRedraw(name, 1), RTNORM);
  EXPECT_EQ(display.undrawn.count(id), 0u);
  ASSERT_EQ(acedRedraw(name, 3), RTNORM);
  EXPECT_EQ(highlightedEntities(session.document()), std::vector<AcDbObjectId>{id});
  {
    test::Opened<AcDbEntity> line(id);
    EXPECT_TRUE(line->isHighlighted()) << "the entity's own highlight state agrees";
  }
  ASSERT_EQ(acedRedraw(name, -4), RTNORM);
  EXPECT_TRUE(highlightedEntities(session.document()).empty());
  EXPECT_EQ(acedRedraw(name, 5), RTERROR);
  ads_name nothing = {999999, name[1]};
  EXPECT_EQ(acedRedraw(nothing, 3), RTERROR);

  const ads_point a = {0, 0, 0};
  ASSERT_EQ(acedGrDraw(a, a, 1, 0), RTNORM);
  ASSERT_EQ(acedRedraw(name, 3), RTNORM);
  ASSERT_EQ(acedRedraw(name, 2), RTNORM);
  const int generation = display.generation;
  ASSERT_EQ(acedRedraw(nullptr, 0), RTNORM);
  EXPECT_TRUE(display.vectors.empty());
  EXPECT_TRUE(display.undrawn.empty());
  EXPECT_TRUE(highlightedEntities(session.document()).empty());
  EXPECT_GT(display.generation, generation);
  acedUpdateDisplay();
  EXPECT_EQ(display.generation, generation + 2);
}

}  // namespace
}  // namespace zek
