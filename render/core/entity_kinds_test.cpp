// Every entity kind on the standard picture (world (x, y) at pixel (2x,
// 200 − 2y)): how many stroked sub-paths and filled paths it makes, where
// they lie (bounds worked by hand), chords within half a pixel of arcs.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "core/render_test_support.h"
#include "db_curves.h"
#include "db_leader.h"
#include "db_polyline.h"
#include "db_dimension.h"
#include "db_text.h"
#include "db/testing/db_test_support.h"
#include "editor/testing/editor_test_support.h"

namespace zek::render::test {
namespace {

constexpr double kPi = 3.14159265358979323846;
// Chords lie within half a pixel of their curve; the file rounds to 1/256.
constexpr double kChordSlack = 0.5 + kSvgPrecision;

int subpathCount(const std::vector<const SvgPath*>& paths) {
  int n = 0;
  for (const SvgPath* path : paths)
    n += static_cast<int>(path->subpaths.size());
  return n;
}

SvgBounds boundsOf(const std::vector<const SvgPath*>& paths) {
  SvgBounds b;
  for (const SvgPath* path : paths)
    b.add(path->bounds());
  return b;
}

struct KindCase {
  const char* what;
  std::function<void(AcDbDatabase&)> build;
  int strokedSubpaths;
  int filledPaths;
  // The bounds of everything stroked and filled, in pixels; tolerance in pixels.
  SvgBounds bounds;
  double tolerance;
};

SvgBounds box(double minX, double minY, double maxX, double maxY) {
  return SvgBounds{minX, minY, maxX, maxY, true};
}

AcDbPolyline* lightweight(std::initializer_list<std::array<double, 5>> vertices, bool closed) {
  // x, y, bulge, start width, end width
  auto* polyline = new AcDbPolyline();
  unsigned int i = 0;
  for (const auto& v : vertices)
    EXPECT_EQ(polyline->addVertexAt(i++, AcGePoint2d(v[0], v[1]), v[2], v[3], v[4]), Acad::eOk);
  polyline->setClosed(closed);
  return polyline;
}

const KindCase kKindCases[] = {
    {"a line", [](AcDbDatabase& db) { addEntity(db, new AcDbLine({10, 10, 0}, {60, 40, 0})); },
     1, 0, box(20, 120, 120, 180), kSvgPrecision},
    {"a circle of radius 20 at (50, 50)",
     [](AcDbDatabase& db) { addEntity(db, new AcDbCircle({50, 50, 0}, AcGeVector3d::kZAxis, 20)); },
     1, 0, box(60, 60, 140, 140), kChordSlack},
    {"a quarter arc from 0° to 90°",
     [](AcDbDatabase& db) { addEntity(db, new AcDbArc({50, 50, 0}, 20, 0, kPi / 2)); }, 1, 0,
     box(100, 60, 140, 100), kSvgPrecision},
    {"an arc across 0° (from 270° to 90°)",
     [](AcDbDatabase& db) { addEntity(db, new AcDbArc({50, 50, 0}, 20, 3 * kPi / 2, kPi / 2)); },
     1, 0, box(100, 60, 140, 140), kChordSlack},
    {"an ellipse 80 × 40 at (100, 50)",
     [](AcDbDatabase& db) {
       addEntity(db, new AcDbEllipse({100, 50, 0}, AcGeVector3d::kZAxis, {40, 0, 0}, 0.5));
     },
     1, 0, box(120, 60, 280, 140), kChordSlack},
    {"the upper half of that ellipse",
     [](AcDbDatabase& db) {
       addEntity(db, new AcDbEllipse({100, 50, 0}, AcGeVector3d::kZAxis, {40, 0, 0}, 0.5, 0, kPi));
     },
     1, 0, box(120, 60, 280, 100), kChordSlack},
    {"a polyline with a half circle bulging below its chord",
     [](AcDbDatabase& db) { addEntity(db, lightweight({{10, 30, 1, 0, 0}, {50, 30, 0, 0, 0}}, false)); },
     1, 0, box(20, 140, 100, 180), kChordSlack},
    {"a closed polyline square", [](AcDbDatabase& db) {
       addEntity(db, lightweight({{10, 10, 0, 0, 0}, {40, 10, 0, 0, 0}, {40, 40, 0, 0, 0},
                                  {10, 40, 0, 0, 0}}, true));
     },
     1, 0, box(20, 120, 80, 180), kSvgPrecision},
    {"a polyline 10 wide is a band, not a line",
     [](AcDbDatabase& db) { addEntity(db, lightweight({{10, 50, 0, 10, 10}, {90, 50, 0, 10, 10}}, false)); },
     0, 1, box(20, 90, 180, 110), kSvgPrecision},
    {"a tapered polyline widens from nothing to 20",
     [](AcDbDatabase& db) { addEntity(db, lightweight({{10, 50, 0, 0, 20}, {90, 50, 0, 0, 0}}, false)); },
     0, 1, box(20, 80, 180, 120), kSvgPrecision},
    {"a wide half circle: the band from radius 18 to 22",
     [](AcDbDatabase& db) { addEntity(db, lightweight({{20, 50, 1, 4, 4}, {60, 50, 0, 4, 4}}, false)); },
     0, 1, box(36, 100, 124, 144), kChordSlack},
    {"a polyline turning a corner fills its two bands and the mitre",
     [](AcDbDatabase& db) {
       addEntity(db, lightweight({{10, 10, 0, 4, 4}, {50, 10, 0, 4, 4}, {50, 40, 0, 4, 4}}, false));
     },
     // The outside corner (52, 8) is the mitre's tip.
     0, 1, box(20, 120, 104, 184), kSvgPrecision},
    {"a heavy polyline, closed",
     [](AcDbDatabase& db) {
       AcGePoint3dArray points;
       points.append(AcGePoint3d(10, 10, 0));
       points.append(AcGePoint3d(60, 10, 0));
       points.append(AcGePoint3d(60, 30, 0));
       addEntity(db, new AcDb2dPolyline(AcDb::k2dSimplePoly, points, 0.0, true));
     },
     1, 0, box(20, 140, 120, 180), kSvgPrecision},
    {"a point is a dot of a pixel",
     [](AcDbDatabase& db) { addEntity(db, new AcDbPoint({30, 30, 0})); }, 1, 0,
     box(59.5, 140, 60.5, 140), kSvgPrecision},
    {"a circle smaller than a pixel is a dot at its centre",
     [](AcDbDatabase& db) { addEntity(db, new AcDbCircle({30, 30, 0}, AcGeVector3d::kZAxis, 0.1)); },
     1, 0, box(59.5, 140, 60.5, 140), kSvgPrecision},
};

TEST(EntityKinds, EachKindMakesItsPathsWhereItLies) {
  for (const KindCase& c : kKindCases) {
    zek::test::EditorSession session;
    c.build(session.db());
    const SvgRender rendered = renderSvg(session.document());
    const SvgPicture& picture = rendered.picture;
    EXPECT_EQ(subpathCount(picture.strokes()), c.strokedSubpaths) << c.what;
    EXPECT_EQ(static_cast<int>(picture.fills().size()), c.filledPaths) << c.what;
    std::vector<const SvgPath*> all;
    for (const SvgPath& path : picture.paths)
      all.push_back(&path);
    const SvgBounds b = boundsOf(all);
    ASSERT_TRUE(b.valid) << c.what;
    EXPECT_NEAR(b.minX, c.bounds.minX, c.tolerance) << c.what;
    EXPECT_NEAR(b.minY, c.bounds.minY, c.tolerance) << c.what;
    EXPECT_NEAR(b.maxX, c.bounds.maxX, c.tolerance) << c.what;
    EXPECT_NEAR(b.maxY, c.bounds.maxY, c.tolerance) << c.what;
    EXPECT_EQ(rendered.result.entitiesDrawn, 1) << c.what;
  }
}

TEST(EntityKinds, ArcChordsStayWithinHalfAPixel) {
  zek::test::EditorSession session;
  addEntity(session.db(), new AcDbCircle({50, 50, 0}, AcGeVector3d::kZAxis, 40));
  addEntity(session.db(), coloured(new AcDbArc({100, 50, 0}, 30, 0.3, 2.9), 1));
  const SvgPicture picture = renderSvg(session.document()).picture;
  const auto circlePoints = pointsOf(picture.strokedIn(kBlack));
  ASSERT_GT(circlePoints.size(), 20u) << "a circle of 80 pixels radius has many chords";
  EXPECT_LE(farthestFromCircle(circlePoints, {100, 100}, 80), kSvgPrecision)
      << "the chords' ends lie on the circle";
  // The middle of each chord lies inside by at most the tolerance.
  const auto& ring = picture.strokedIn(kBlack)[0]->subpaths[0];
  for (std::size_t i = 0; i + 1 < ring.size(); ++i) {
    const SvgPoint middle{(ring[i].x + ring[i + 1].x) / 2, (ring[i].y + ring[i + 1].y) / 2};
    EXPECT_LE(80.0 - std::hypot(middle.x - 100, middle.y - 100), kChordSlack) << "chord " << i;
  }
  const auto arcPoints = pointsOf(picture.strokedIn(kRed));
  EXPECT_LE(farthestFromCircle(arcPoints, {200, 100}, 60), kSvgPrecision);
  ASSERT_FALSE(arcPoints.empty());
  EXPECT_NEAR(arcPoints.front().x, 200 + 60 * std::cos(0.3), kSvgPrecision) << "starts at 0.3";
  EXPECT_NEAR(arcPoints.back().x, 200 + 60 * std::cos(2.9), kSvgPrecision) << "ends at 2.9";
}

TEST(EntityKinds, SplinesFollowTheHostsCurve) {
  zek::test::EditorSession session;
  AcGePoint3dArray controls;
  for (const auto& p : {AcGePoint3d(10, 10, 0), AcGePoint3d(30, 60, 0), AcGePoint3d(70, 60, 0),
                        AcGePoint3d(90, 10, 0)})
    controls.append(p);
  AcGeDoubleArray knots;
  for (double k : {0.0, 0.0, 0.0, 0.0, 1.0, 1.0, 1.0, 1.0})
    knots.append(k);
  auto* spline = new AcDbSpline(3, false, false, false, controls, knots, AcGeDoubleArray());
  const AcDbObjectId id = addEntity(session.db(), spline);
  const SvgPicture picture = renderSvg(session.document()).picture;
  const auto points = pointsOf(picture.strokes());
  ASSERT_GT(points.size(), 8u);
  // A clamped cubic starts and ends at its end control points; its top,
  // at t = 1/2, is at y = 10 + 50 × 3/4 = 47.5.
  EXPECT_NEAR(points.front().x, 20, kSvgPrecision);
  EXPECT_NEAR(points.front().y, 180, kSvgPrecision);
  EXPECT_NEAR(points.back().x, 180, kSvgPrecision);
  double top = 1e9;
  for (const SvgPoint& p : points)
    top = std::min(top, p.y);
  EXPECT_NEAR(top, 200 - 2 * 47.5, kChordSlack);
  // Every chord's middle is within half a pixel of the curve the host evaluates.
  zek::test::Opened<AcDbSpline> opened(id);
  ASSERT_TRUE(opened);
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    AcGePoint3d world((points[i].x + points[i + 1].x) / 4, (400 - points[i].y - points[i + 1].y) / 4, 0);
    AcGePoint3d onCurve;
    ASSERT_EQ(opened->getClosestPointTo(world, onCurve), Acad::eOk);
    EXPECT_LE(onCurve.distanceTo(world) * kStandardScale, kChordSlack) << "chord " << i;
  }
}

TEST(EntityKinds, AreasTheHostKeepsAreFilledOrStroked) {
  const std::string dxf = entitiesDxf(R"(0 SOLID
8 0
62 1
10 10
20 10
11 50
21 10
12 10
22 40
13 50
23 40
0 HATCH
8 0
62 3
100 AcDbHatch
10 0
20 0
30 0
210 0
220 0
230 1
2 SOLID
70 1
71 0
91 1
92 1
93 4
72 1
10 60
20 10
11 90
21 10
72 1
10 90
20 10
11 90
21 40
72 1
10 90
20 40
11 60
21 40
72 1
10 60
20 40
11 60
21 10
97 0
75 0
76 1
98 0
)");
  zek::test::EditorSession session(dxf);
  const SvgPicture picture = renderSvg(session.document()).picture;
  const auto red = picture.filledIn(kRed);
  ASSERT_EQ(red.size(), 1u) << "the SOLID";
  const SvgBounds solid = red[0]->bounds();
  EXPECT_NEAR(solid.minX, 20, kSvgPrecision);
  EXPECT_NEAR(solid.maxX, 100, kSvgPrecision);
  EXPECT_NEAR(solid.minY, 120, kSvgPrecision);
  EXPECT_NEAR(solid.maxY, 180, kSvgPrecision);
  const auto green = picture.filledIn(kGreen);
  ASSERT_EQ(green.size(), 1u) << "the solid hatch";
  const SvgBounds hatch = green[0]->bounds();
  EXPECT_NEAR(hatch.minX, 120, kSvgPrecision);
  EXPECT_NEAR(hatch.maxX, 180, kSvgPrecision);
  EXPECT_TRUE(picture.strokes().empty());
}

TEST(EntityKinds, TextsArePaintedAsGlyphs) {
  zek::test::EditorSession session;
  auto* text = coloured(new AcDbText({10, 20, 0}, "AB12"), 5);
  ASSERT_EQ(text->setHeight(10), Acad::eOk);
  addEntity(session.db(), text);
  auto* mtext = new AcDbMText();
  ASSERT_EQ(mtext->setLocation({100, 80, 0}), Acad::eOk);
  ASSERT_EQ(mtext->setTextHeight(5), Acad::eOk);
  ASSERT_EQ(mtext->setContents("XY\\PZ"), Acad::eOk);
  addEntity(session.db(), coloured(mtext, 1));
  const SvgRender rendered = renderSvg(session.document());
  const SvgPicture& picture = rendered.picture;
  int blue = 0, red = 0;
  for (const Rgb& fill : picture.glyphFills) {
    blue += fill == kBlue;
    red += fill == kRed;
  }
  EXPECT_EQ(blue, 4) << "AB12, one glyph each";
  EXPECT_EQ(red, 3) << "X, Y and Z";
  EXPECT_EQ(rendered.result.entitiesDrawn, 2);
}

TEST(EntityKinds, TextsTooSmallToReadAreAHairlineAlongTheBaseline) {
  zek::test::EditorSession session;
  // 0.5 high: one pixel on the picture.
  auto* text = new AcDbText({10, 20, 0}, "HOLE A1");
  ASSERT_EQ(text->setHeight(0.5), Acad::eOk);
  addEntity(session.db(), text);
  // 0.05 high: a tenth of a pixel, nothing at all.
  auto* tiny = new AcDbText({10, 40, 0}, "HOLE A2");
  ASSERT_EQ(tiny->setHeight(0.05), Acad::eOk);
  addEntity(session.db(), tiny);
  const SvgPicture picture = renderSvg(session.document()).picture;
  EXPECT_EQ(picture.glyphUses, 0);
  const auto strokes = picture.strokes();
  ASSERT_EQ(subpathCount(strokes), 1);
  const auto& line = strokes[0]->subpaths[0];
  ASSERT_EQ(line.size(), 2u);
  // Seven characters of 0.8 × 0.5: the baseline runs 2.8 from (10, 20).
  EXPECT_NEAR(line[0].x, 20, kSvgPrecision);
  EXPECT_NEAR(line[1].x, 20 + 2 * 2.8, kSvgPrecision);
  EXPECT_NEAR(line[0].y, 160, kSvgPrecision);
}

TEST(EntityKinds, ADimensionIsDrawnFromItsBlock) {
  zek::test::EditorSession session;
  auto* dimension = new AcDbRotatedDimension(0.0, {10, 10, 0}, {60, 10, 0}, {35, 30, 0});
  ASSERT_EQ(dimension->setDimensionText("<>"), Acad::eOk);
  ASSERT_EQ(dimension->setDimdec(0), Acad::eOk);
  addEntity(session.db(), coloured(dimension, 1));
  const SvgRender rendered = renderSvg(session.document());
  const SvgPicture& picture = rendered.picture;
  // Colour BYBLOCK in the block: the dimension's red everywhere.
  EXPECT_GE(subpathCount(picture.strokedIn(kRed)), 3) << "two extension lines and the dimension line";
  EXPECT_EQ(picture.filledIn(kRed).size(), 1u) << "both arrow heads, batched in one fill";
  ASSERT_EQ(picture.filledIn(kRed).size(), 1u);
  EXPECT_EQ(picture.filledIn(kRed)[0]->subpaths.size(), 2u) << "two arrow heads";
  EXPECT_EQ(picture.glyphUses, 2) << "the measured text \"50\"";
  // The dimension line lies at y = 30, from x 10 to 60.
  const SvgBounds lines = boundsOf(picture.strokedIn(kRed));
  EXPECT_NEAR(lines.minX, 20, kSvgPrecision);
  EXPECT_NEAR(lines.maxX, 120, kSvgPrecision);
  EXPECT_EQ(rendered.result.entitiesDrawn, 1);
}

TEST(EntityKinds, ALeaderIsItsSegmentsAndItsArrowHead) {
  zek::test::EditorSession session;
  auto* leader = new AcDbLeader();
  ASSERT_TRUE(leader->appendVertex({10, 10, 0}));
  ASSERT_TRUE(leader->appendVertex({40, 40, 0}));
  ASSERT_TRUE(leader->appendVertex({60, 40, 0}));
  addEntity(session.db(), coloured(leader, 3));
  const SvgPicture picture = renderSvg(session.document()).picture;
  EXPECT_EQ(subpathCount(picture.strokedIn(kGreen)), 2) << "two segments";
  ASSERT_EQ(picture.filledIn(kGreen).size(), 1u) << "the closed filled arrow head";
  // Its tip at the first vertex (10, 10): pixel (20, 180).
  const SvgBounds head = picture.filledIn(kGreen)[0]->bounds();
  EXPECT_NEAR(head.minX, 20, kSvgPrecision);
  EXPECT_NEAR(head.maxY, 180, kSvgPrecision);
}

TEST(EntityKinds, ConsecutiveEntitiesOfOneStyleShareOnePath) {
  zek::test::EditorSession session;
  AcDbDatabase& db = session.db();
  for (int i = 0; i < 50; ++i)
    addEntity(db, new AcDbLine({1.0 * i, 0, 0}, {1.0 * i, 50, 0}));
  addEntity(db, coloured(new AcDbCircle({100, 50, 0}, AcGeVector3d::kZAxis, 5), 1));
  for (int i = 0; i < 20; ++i)
    addEntity(db, new AcDbCircle({150, 2.0 + 4.0 * i, 0}, AcGeVector3d::kZAxis, 1));
  const SvgPicture picture = renderSvg(session.document()).picture;
  ASSERT_EQ(picture.paths.size(), 3u) << "black lines, the red circle, black circles: in order";
  EXPECT_EQ(picture.paths[0].stroke, kBlack);
  EXPECT_EQ(picture.paths[0].subpaths.size(), 50u);
  EXPECT_EQ(picture.paths[1].stroke, kRed);
  EXPECT_EQ(picture.paths[2].stroke, kBlack);
  EXPECT_EQ(picture.paths[2].subpaths.size(), 20u);
}

TEST(EntityKinds, EntitiesOffThePictureAreLeftOut) {
  zek::test::EditorSession session;
  addEntity(session.db(), new AcDbLine({10, 10, 0}, {20, 20, 0}));
  addEntity(session.db(), new AcDbLine({500, 10, 0}, {600, 20, 0}));
  addEntity(session.db(), new AcDbCircle({-100, 50, 0}, AcGeVector3d::kZAxis, 20));
  auto* far = new AcDbText({10, 900, 0}, "FAR");
  ASSERT_EQ(far->setHeight(10), Acad::eOk);
  addEntity(session.db(), far);
  const SvgRender rendered = renderSvg(session.document());
  EXPECT_EQ(subpathCount(rendered.picture.strokes()), 1);
  EXPECT_EQ(rendered.picture.glyphUses, 0);
  EXPECT_EQ(rendered.result.entitiesDrawn, 1);
}

}  // namespace
}  // namespace zek::render::test
