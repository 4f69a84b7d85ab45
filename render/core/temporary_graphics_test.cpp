// The document's temporary graphics over the drawing: vectors in their
// index colours on top, highlighted entities again dashed, the dragged
// entity, entities a redraw undrew; none of it without the option.
#include <gtest/gtest.h>

#include "aced_output.h"
#include "core/render_test_support.h"
#include "db_curves.h"
#include "editor/core/display_state.h"
#include "editor/testing/editor_test_support.h"

namespace zek::render::test {
namespace {

RenderOptions withTemporaryGraphics() {
  RenderOptions options = standardOptions();
  options.temporaryGraphics = true;
  return options;
}

TEST(TemporaryGraphics, VectorsGoOnTopInTheirColours) {
  zek::test::EditorSession session;
  addEntity(session.db(), new AcDbLine({0, 0, 0}, {100, 100, 0}));
  const ads_point from = {10, 10, 0}, to = {60, 10, 0};
  ASSERT_EQ(acedGrDraw(from, to, 1, 0), RTNORM);
  const ads_point high = {10, 20, 0};
  ASSERT_EQ(acedGrDraw(high, to, 7, 1), RTNORM);

  const SvgPicture shown = renderSvg(session.document(), withTemporaryGraphics()).picture;
  ASSERT_EQ(shown.paths.size(), 3u) << "the line, then the two vectors";
  EXPECT_EQ(shown.paths[0].stroke, kBlack);
  EXPECT_TRUE(shown.paths[0].dashes.empty());
  ASSERT_EQ(shown.paths[1].stroke, kRed) << "colour 1 over the drawing";
  ASSERT_EQ(shown.paths[1].subpaths.size(), 1u);
  EXPECT_NEAR(shown.paths[1].subpaths[0][0].x, 20, kSvgPrecision);
  EXPECT_NEAR(shown.paths[1].subpaths[0][1].x, 120, kSvgPrecision);
  EXPECT_EQ(shown.paths[2].stroke, kBlack) << "colour 7, black on paper";
  EXPECT_EQ(shown.paths[2].dashes, (std::vector<double>{6, 4})) << "a highlighted vector is dashed";

  const SvgPicture plain = renderSvg(session.document()).picture;
  EXPECT_EQ(plain.paths.size(), 1u) << "without the option only the drawing";
}

TEST(TemporaryGraphics, HighlightedEntitiesAreDrawnAgainDashed) {
  zek::test::EditorSession session;
  const AcDbObjectId id = addEntity(session.db(), coloured(new AcDbCircle({50, 50, 0}, AcGeVector3d::kZAxis, 10), 4));
  {
    AcDbEntity* entity = nullptr;
    ASSERT_EQ(acdbOpenObject(entity, id, AcDb::kForRead), Acad::eOk);
    ASSERT_EQ(entity->highlight(), Acad::eOk);
    (void)entity->close();
  }
  const SvgPicture picture = renderSvg(session.document(), withTemporaryGraphics()).picture;
  const auto cyan = picture.strokedIn(kCyan);
  ASSERT_EQ(cyan.size(), 2u) << "the circle, then its highlight";
  EXPECT_TRUE(cyan[0]->dashes.empty());
  EXPECT_EQ(cyan[1]->dashes, (std::vector<double>{6, 4}));
  EXPECT_EQ(cyan[0]->subpaths[0].size(), cyan[1]->subpaths[0].size()) << "the same circle";
}

TEST(TemporaryGraphics, TheDraggedEntityIsDrawnAndUndrawnOnesAreNot) {
  zek::test::EditorSession session;
  addEntity(session.db(), new AcDbLine({0, 10, 0}, {50, 10, 0}));
  const AcDbObjectId undrawn = addEntity(session.db(), coloured(new AcDbLine({0, 20, 0}, {50, 20, 0}), 1));
  ads_name name;
  ASSERT_EQ(acdbGetAdsName(name, undrawn), Acad::eOk);
  ASSERT_EQ(acedRedraw(name, 2), RTNORM);
  AcDbLine dragged({10, 40, 0}, {90, 40, 0});
  (void)dragged.setColorIndex(3);
  displayStateOf(session.document()).dragEntity = &dragged;

  const SvgRender rendered = renderSvg(session.document(), withTemporaryGraphics());
  EXPECT_EQ(rendered.picture.strokedIn(kBlack).size(), 1u) << "the line left as it was";
  EXPECT_TRUE(rendered.picture.strokedIn(kRed).empty()) << "the undrawn line";
  ASSERT_EQ(rendered.picture.strokedIn(kGreen).size(), 1u) << "the dragged line";
  EXPECT_NEAR(rendered.picture.strokedIn(kGreen)[0]->subpaths[0][1].x, 180, kSvgPrecision);
  EXPECT_EQ(rendered.result.entitiesDrawn, 1);

  const SvgPicture plain = renderSvg(session.document()).picture;
  EXPECT_EQ(plain.strokedIn(kRed).size(), 1u) << "without the option the whole drawing";
  EXPECT_TRUE(plain.strokedIn(kGreen).empty());
  displayStateOf(session.document()).dragEntity = nullptr;
}

}  // namespace
}  // namespace zek::render::test
