// The window a picture shows and its fit: given windows, the margin round
// the extents, the current view, an empty drawing, the dark theme.
#include "core/picture_frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "core/document_drawing.h"
#include "core/render_test_support.h"
#include "db_curves.h"
#include "db_polyline.h"
#include "editor/testing/editor_test_support.h"

namespace zek::render::test {
namespace {

struct FitCase {
  const char* what;
  WorldWindow window;
  int width, height;
  double scale, originX, originY;
};

// Figures worked by hand: scale = the smaller of pixels / world size each
// way, the window's centre at the picture's centre.
const FitCase kFitCases[] = {
    {"same aspect", {{0, 0}, {200, 100}}, 400, 200, 2.0, 0.0, 200.0},
    {"square window centred across", {{0, 0}, {100, 100}}, 400, 200, 2.0, 100.0, 200.0},
    {"tall window centred along", {{-10, -10}, {10, 30}}, 100, 100, 2.5, 50.0, 75.0},
    {"corners given the other way round", {{200, 100}, {0, 0}}, 400, 200, 2.0, 0.0, 200.0},
    // A line of a window grows a thousandth of its length across: 0.1 high.
    {"a line of a window", {{0, 0}, {100, 0}}, 400, 200, 4.0, 0.0, 100.0},
    // A point grows to one drawing unit each way.
    {"a point of a window", {{5, 5}, {5, 5}}, 100, 100, 100.0, -450.0, 550.0},
};

TEST(PictureFrame, FitsTheWindowKeepingItsAspect) {
  for (const FitCase& c : kFitCases) {
    const PictureFrame frame = fitWindow(c.window, c.width, c.height);
    EXPECT_NEAR(frame.scale, c.scale, 1e-9) << c.what;
    EXPECT_NEAR(frame.originX, c.originX, 1e-9) << c.what;
    EXPECT_NEAR(frame.originY, c.originY, 1e-9) << c.what;
  }
}

struct MarginCase {
  const char* what;
  AcDbExtents extents;
  WorldWindow expected;
};

TEST(PictureFrame, ExtentsGetFivePercentOnEverySide) {
  const MarginCase cases[] = {
      {"a plate 100 × 50", AcDbExtents({0, 0, 0}, {100, 50, 0}), {{-5, -2.5}, {105, 52.5}}},
      {"away from the origin", AcDbExtents({1000, -20, 0}, {1200, 20, 3}),
       {{990, -22}, {1210, 22}}},
      {"one point: a unit square, then the margin", AcDbExtents({10, 10, 0}, {10, 10, 0}),
       {{9.45, 9.45}, {10.55, 10.55}}},
      {"nothing: the default sheet", AcDbExtents(), kDefaultWindow},
  };
  for (const MarginCase& c : cases) {
    const WorldWindow w = windowAroundExtents(c.extents);
    EXPECT_NEAR(w.min.x, c.expected.min.x, 1e-9) << c.what;
    EXPECT_NEAR(w.min.y, c.expected.min.y, 1e-9) << c.what;
    EXPECT_NEAR(w.max.x, c.expected.max.x, 1e-9) << c.what;
    EXPECT_NEAR(w.max.y, c.expected.max.y, 1e-9) << c.what;
  }
}

TEST(PictureFrame, TheViewShowsItsHeightAtItsScreensAspect) {
  View view;
  view.centre = AcGePoint3d(100, 50, 0);
  view.height = 40;
  view.screenWidth = 1600;
  view.screenHeight = 1000;
  const WorldWindow w = windowOfView(view);
  EXPECT_DOUBLE_EQ(w.min.x, 68.0);
  EXPECT_DOUBLE_EQ(w.max.x, 132.0);
  EXPECT_DOUBLE_EQ(w.min.y, 30.0);
  EXPECT_DOUBLE_EQ(w.max.y, 70.0);
}

struct ExtentsCase {
  const char* what;
  std::function<void(AcDbDatabase&)> build;
  AcGePoint2d min, max;
};

AcDbPolyline* bulged(std::initializer_list<std::array<double, 3>> vertices, bool closed) {
  auto* polyline = new AcDbPolyline();
  unsigned int i = 0;
  for (const auto& v : vertices)
    EXPECT_EQ(polyline->addVertexAt(i++, AcGePoint2d(v[0], v[1]), v[2]), Acad::eOk);
  polyline->setClosed(closed);
  return polyline;
}

TEST(ShownExtents, BoxWhatModelSpaceShows) {
  const double s = std::sqrt(0.5);
  const ExtentsCase cases[] = {
      {"a line", [](AcDbDatabase& db) { addEntity(db, new AcDbLine({1, 2, 0}, {-3, 5, 0})); },
       {-3, 2}, {1, 5}},
      {"a circle", [](AcDbDatabase& db) { addEntity(db, new AcDbCircle({5, 5, 0}, AcGeVector3d::kZAxis, 2)); },
       {3, 3}, {7, 7}},
      {"an arc from 45° to 135° reaches its top quadrant",
       [](AcDbDatabase& db) { addEntity(db, new AcDbArc({0, 0, 0}, 1, 0.7853981633974483, 2.356194490192345)); },
       {-s, s}, {s, 1}},
      {"a half circle bulging below its chord",
       [](AcDbDatabase& db) { addEntity(db, bulged({{0, 0, 1}, {2, 0, 0}}, false)); }, {0, -1}, {2, 0}},
      {"a shallow arc bulging above its chord (bulge -0.5, sagitta 0.5)",
       [](AcDbDatabase& db) { addEntity(db, bulged({{0, 0, -0.5}, {2, 0, 0}}, false)); }, {0, 0}, {2, 0.5}},
      {"a major arc (bulge 2) swings out past its chord's ends",
       // centre (1, -0.75), radius 1.25
       [](AcDbDatabase& db) { addEntity(db, bulged({{0, 0, 2}, {2, 0, 0}}, false)); }, {-0.25, -2}, {2.25, 0}},
      {"the closing segment of a closed polyline",
       // from (0, 2) back to (0, 0), a half circle out to the west
       [](AcDbDatabase& db) { addEntity(db, bulged({{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 1}}, true)); },
       {-1, 0}, {2, 2}},
      {"an open polyline's last bulge belongs to no segment",
       [](AcDbDatabase& db) { addEntity(db, bulged({{0, 0, 0}, {2, 0, 1}}, false)); }, {0, 0}, {2, 0}},
      {"an entity on an off layer does not count",
       [](AcDbDatabase& db) {
         addLayer(db, {"OFF", 1, true});
         auto* far = new AcDbLine({100, 100, 0}, {200, 200, 0});
         EXPECT_EQ(far->setLayer(addLayer(db, {"OFF2", 1, true})), Acad::eOk);
         addEntity(db, far);
         addEntity(db, new AcDbLine({0, 0, 0}, {1, 1, 0}));
       },
       {0, 0}, {1, 1}},
  };
  for (const ExtentsCase& c : cases) {
    zek::test::EditorSession session;
    c.build(session.db());
    EntityStyles styles(session.db(), false, 1.0);
    const AcDbExtents box = shownExtents(session.db(), styles);
    ASSERT_TRUE(box.isValid()) << c.what;
    EXPECT_NEAR(box.minPoint().x, c.min.x, 1e-9) << c.what;
    EXPECT_NEAR(box.minPoint().y, c.min.y, 1e-9) << c.what;
    EXPECT_NEAR(box.maxPoint().x, c.max.x, 1e-9) << c.what;
    EXPECT_NEAR(box.maxPoint().y, c.max.y, 1e-9) << c.what;
  }
}

// The one stroked path's first and last point.
void expectLineFromTo(const SvgPicture& picture, SvgPoint from, SvgPoint to, const char* what) {
  const auto strokes = picture.strokes();
  ASSERT_EQ(strokes.size(), 1u) << what;
  ASSERT_EQ(strokes[0]->subpaths.size(), 1u) << what;
  const auto& points = strokes[0]->subpaths[0];
  ASSERT_EQ(points.size(), 2u) << what;
  EXPECT_NEAR(points[0].x, from.x, kSvgPrecision) << what;
  EXPECT_NEAR(points[0].y, from.y, kSvgPrecision) << what;
  EXPECT_NEAR(points[1].x, to.x, kSvgPrecision) << what;
  EXPECT_NEAR(points[1].y, to.y, kSvgPrecision) << what;
}

TEST(PictureWindow, ChoosesTheGivenWindowTheViewOrTheExtents) {
  zek::test::EditorSession session;
  addEntity(session.db(), new AcDbLine({0, 0, 0}, {100, 50, 0}));
  View& view = session.document().view();
  view.centre = AcGePoint3d(50, 25, 0);
  view.height = 50;
  view.screenWidth = 1600;
  view.screenHeight = 800;

  RenderOptions extents;
  extents.width = 400;
  extents.height = 200;
  // 110 × 55 with the margins on 400 × 200: 5/110 of the width each side.
  const double margin = 400.0 * 5.0 / 110.0;
  expectLineFromTo(renderSvg(session.document(), extents).picture, {margin, 200.0 - margin / 2},
                   {400.0 - margin, margin / 2}, "the extents with their margin");

  RenderOptions current = extents;
  current.useCurrentView = true;
  expectLineFromTo(renderSvg(session.document(), current).picture, {0, 200}, {400, 0},
                   "the current view, (0, 0)–(100, 50)");

  RenderOptions given = current;
  given.window = WorldWindow{{0, 0}, {50, 25}};  // wins over the view
  expectLineFromTo(renderSvg(session.document(), given).picture, {0, 200}, {800, -200},
                   "the given window, the line running off the picture");
}

TEST(PictureWindow, AnEmptyDrawingIsABlankPicture) {
  zek::test::EditorSession session;
  RenderOptions options;
  const SvgRender rendered = renderSvg(session.document(), options);
  EXPECT_TRUE(rendered.picture.paths.empty());
  EXPECT_EQ(rendered.picture.glyphUses, 0);
  ASSERT_TRUE(rendered.picture.background.has_value());
  EXPECT_EQ(*rendered.picture.background, kWhite);
  EXPECT_EQ(rendered.picture.width, 1600);
  EXPECT_EQ(rendered.picture.height, 1200);
  EXPECT_EQ(rendered.result.entitiesDrawn, 0);
}

TEST(PictureWindow, TheDarkThemeDrawsWhiteOnItsOwnBackground) {
  zek::test::EditorSession session;
  addEntity(session.db(), coloured(new AcDbLine({10, 10, 0}, {50, 50, 0}), 7));
  RenderOptions options = standardOptions();
  options.darkTheme = true;
  const SvgPicture dark = renderSvg(session.document(), options).picture;
  ASSERT_TRUE(dark.background.has_value());
  EXPECT_EQ(*dark.background, (Rgb{0x1e, 0x1e, 0x1e}));
  EXPECT_EQ(dark.strokedIn(kWhite).size(), 1u) << "colour 7 is white on the dark background";
  const SvgPicture light = renderSvg(session.document()).picture;
  EXPECT_EQ(light.strokedIn(kBlack).size(), 1u) << "and black on paper";
}

}  // namespace
}  // namespace zek::render::test
