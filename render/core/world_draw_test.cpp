// A custom entity drawn through its own worldDraw: each primitive of the
// drawing interface, the traits it sets, a layer that hides a primitive.
#include <gtest/gtest.h>

#include "acgi.h"
#include "core/render_test_support.h"
#include "db_database.h"
#include "editor/testing/editor_test_support.h"

// A marker a module might define: a cross, a red ring, a green filled
// square, a blue label, a sector and a stroke on the layer "HIDDEN".
class ZekTestMarker : public AcDbEntity {
public:
  ACRX_DECLARE_MEMBERS(ZekTestMarker);
  ZekTestMarker() = default;
  explicit ZekTestMarker(const AcGePoint3d& centre) : centre_(centre) {}

  Adesk::Boolean worldDraw(AcGiWorldDraw* mode) override {
    seenDragging = mode->isDragging();
    seenAbort = mode->regenAbort();
    seenColour = mode->subEntityTraits().color();
    AcGiWorldGeometry& g = mode->geometry();
    const AcGePoint3d c = centre_;
    const AcGePoint3d across[2] = {c + AcGeVector3d(-10, 0, 0), c + AcGeVector3d(10, 0, 0)};
    const AcGePoint3d up[2] = {c + AcGeVector3d(0, -10, 0), c + AcGeVector3d(0, 10, 0)};
    g.polyline(2, across);
    g.polyline(2, up);
    mode->subEntityTraits().setColor(1);
    g.circle(c, 8.0, AcGeVector3d::kZAxis);
    mode->subEntityTraits().setColor(3);
    mode->subEntityTraits().setFillType(kAcGiFillAlways);
    const AcGePoint3d square[4] = {c + AcGeVector3d(20, 0, 0), c + AcGeVector3d(30, 0, 0),
                                   c + AcGeVector3d(30, 10, 0), c + AcGeVector3d(20, 10, 0)};
    g.polygon(4, square);
    mode->subEntityTraits().setFillType(kAcGiFillNever);
    mode->subEntityTraits().setColor(5);
    g.text(c + AcGeVector3d(-10, -25, 0), AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, 5.0, 1.0,
           0.0, "M1");
    mode->subEntityTraits().setColor(6);
    g.circularArc(c + AcGeVector3d(-30, 0, 0), 5.0, AcGeVector3d::kZAxis, AcGeVector3d::kXAxis,
                  1.5707963267948966, kAcGiArcSector);
    mode->subEntityTraits().setLayer(hiddenLayer);
    g.polyline(2, up);
    return Adesk::kTrue;
  }
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override {
    extents = AcDbExtents(centre_ - AcGeVector3d(40, 30, 0), centre_ + AcGeVector3d(40, 15, 0));
    return Acad::eOk;
  }

  static inline bool seenDragging = true;
  static inline bool seenAbort = true;
  static inline int seenColour = -1;
  static inline AcDbObjectId hiddenLayer;

private:
  AcGePoint3d centre_;
};

ACRX_DXF_DEFINE_MEMBERS(ZekTestMarker, AcDbEntity, AcDb::kDHL_CURRENT, AcDb::kMReleaseCurrent, 0,
                        ZEKTESTMARKER, ZEKTEST)

namespace zek::render::test {
namespace {

class WorldDrawing : public ::testing::Test {
protected:
  void SetUp() override {
    ZekTestMarker::rxInit();
    acrxBuildClassHierarchy();
  }
  void TearDown() override {
    if (findRxClass("ZekTestMarker") != nullptr)
      deleteAcRxClass(ZekTestMarker::desc());
    ZekTestMarker::gpDesc = nullptr;
  }
};

TEST_F(WorldDrawing, ACustomEntityDrawsThroughItsWorldDraw) {
  SvgPicture picture;
  int drawn = 0;
  {
    zek::test::EditorSession session;
    AcDbDatabase& db = session.db();
    ZekTestMarker::hiddenLayer = addLayer(db, {"HIDDEN", 2, true});
    addEntity(db, coloured(new ZekTestMarker({100, 50, 0}), 7));
    const SvgRender rendered = renderSvg(session.document());
    picture = rendered.picture;
    drawn = rendered.result.entitiesDrawn;
  }  // the drawing goes before its class
  EXPECT_EQ(drawn, 1);
  EXPECT_FALSE(ZekTestMarker::seenDragging);
  EXPECT_FALSE(ZekTestMarker::seenAbort);
  EXPECT_EQ(ZekTestMarker::seenColour, 7) << "the traits start as the entity's own";

  // The cross: two sub-paths of the entity's colour 7, black on paper.
  const auto black = picture.strokedIn(kBlack);
  ASSERT_EQ(black.size(), 1u);
  EXPECT_EQ(black[0]->subpaths.size(), 2u);
  // The ring of radius 8 (16 pixels) round pixel (200, 100).
  const auto red = picture.strokedIn(kRed);
  ASSERT_EQ(red.size(), 1u);
  EXPECT_LE(farthestFromCircle(pointsOf(red), {200, 100}, 16), kSvgPrecision);
  // The filled square from (120, 50) to (130, 60).
  const auto green = picture.filledIn(kGreen);
  ASSERT_EQ(green.size(), 1u);
  const SvgBounds square = green[0]->bounds();
  EXPECT_NEAR(square.minX, 240, kSvgPrecision);
  EXPECT_NEAR(square.maxX, 260, kSvgPrecision);
  EXPECT_NEAR(square.minY, 80, kSvgPrecision);
  EXPECT_NEAR(square.maxY, 100, kSvgPrecision);
  // The label's two glyphs in blue.
  int blue = 0;
  for (const Rgb& fill : picture.glyphFills)
    blue += fill == kBlue;
  EXPECT_EQ(blue, 2);
  // The sector: closed through its centre (70, 50), a quarter of radius 5.
  const auto magenta = picture.strokedIn(kMagenta);
  ASSERT_EQ(magenta.size(), 1u);
  const SvgBounds sector = magenta[0]->bounds();
  EXPECT_NEAR(sector.minX, 140, kSvgPrecision);
  EXPECT_NEAR(sector.maxX, 150, 0.5 + kSvgPrecision);
  EXPECT_NEAR(sector.minY, 90, 0.5 + kSvgPrecision);
  EXPECT_NEAR(sector.maxY, 100, kSvgPrecision);
  // Nothing of the stroke on the off layer (it would be yellow, or a third black line).
  EXPECT_TRUE(picture.strokedIn(kYellow).empty());
}

TEST_F(WorldDrawing, AnEntityOffThePictureIsNotAskedToDraw) {
  ZekTestMarker::seenColour = -1;
  {
    zek::test::EditorSession session;
    addEntity(session.db(), new ZekTestMarker({900, 50, 0}));
    const SvgRender rendered = renderSvg(session.document());
    EXPECT_TRUE(rendered.picture.paths.empty());
    EXPECT_EQ(rendered.result.entitiesDrawn, 0);
  }
  EXPECT_EQ(ZekTestMarker::seenColour, -1) << "its extents lie off the picture";
}

}  // namespace
}  // namespace zek::render::test
