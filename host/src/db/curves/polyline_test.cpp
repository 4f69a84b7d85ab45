// Tests of AcDbPolyline: vertex editing with widths kept compact, curve
// queries over bulged and closing segments, mirroring, the OCS, explosion,
// grips, DXF (widths, vertex identifiers, unknown groups) and binary filing.
#include "db_polyline.h"

#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "db/curves/curve_test_support.h"

namespace zek::test {
namespace {

std::unique_ptr<AcDbPolyline> polylineOf(std::initializer_list<zek::PolylineVertex> vertices,
                                         bool closed) {
  auto pline = std::make_unique<AcDbPolyline>();
  unsigned int i = 0;
  for (const zek::PolylineVertex& v : vertices)
    EXPECT_EQ(pline->addVertexAt(i++, v.point, v.bulge), Acad::eOk);
  pline->setClosed(closed);
  return pline;
}

// A slot 10 long and 10 wide: two straight sides, two half circles of radius 5.
std::unique_ptr<AcDbPolyline> slot() {
  return polylineOf({{{0, 0}, 0.0}, {{10, 0}, 1.0}, {{10, 10}, 0.0}, {{0, 10}, 1.0}}, true);
}

double lengthOf(const AcDbCurve& curve) {
  double end = 0.0, length = -1.0;
  EXPECT_EQ(curve.getEndParam(end), Acad::eOk);
  EXPECT_EQ(curve.getDistAtParam(end, length), Acad::eOk);
  return length;
}

TEST(PolylineWidths, VectorStaysEmptyWhileEveryWidthIsZero) {
  const auto pline = slot();
  EXPECT_FALSE(pline->hasWidths()) << "vertices added with default widths";
  ASSERT_EQ(pline->setWidthsAt(2, 0.0, 0.0), Acad::eOk);
  EXPECT_FALSE(pline->hasWidths()) << "setting zero widths allocates nothing";
  ASSERT_EQ(pline->addVertexAt(4, AcGePoint2d(-1, 5), 0.0, 0.0, 0.0), Acad::eOk);
  EXPECT_FALSE(pline->hasWidths()) << "a vertex added with explicit zero widths";
  ASSERT_EQ(pline->setWidthsAt(1, 0.5, 0.25), Acad::eOk);
  EXPECT_TRUE(pline->hasWidths());
  double start = 0.0, end = 0.0;
  ASSERT_EQ(pline->getWidthsAt(1, start, end), Acad::eOk);
  EXPECT_EQ(start, 0.5);
  EXPECT_EQ(end, 0.25);
  ASSERT_EQ(pline->getWidthsAt(3, start, end), Acad::eOk);
  EXPECT_EQ(start, 0.0) << "the other vertices keep zero";
  ASSERT_EQ(pline->removeVertexAt(0), Acad::eOk);
  ASSERT_EQ(pline->getWidthsAt(0, start, end), Acad::eOk);
  EXPECT_EQ(start, 0.5) << "the widths move with their vertex";
  ASSERT_EQ(pline->setConstantWidth(0.0), Acad::eOk);
  EXPECT_FALSE(pline->hasWidths()) << "a constant width needs no vector";
}

TEST(PolylineWidths, ZeroWidthsReadFromAFileAllocateNothing) {
  auto db = readEntities({{0, "LWPOLYLINE"}, {100, "AcDbEntity"}, {8, "0"},
                          {100, "AcDbPolyline"}, {90, "2"}, {70, "0"},
                          {10, "0"}, {20, "0"}, {40, "0.0"}, {41, "0.0"},
                          {10, "1"}, {20, "0"}, {40, "0.0"}, {41, "0.0"}},
                         "AC1015");
  ASSERT_TRUE(db);
  Opened<AcDbPolyline> pline(modelSpaceIds(*db).at(0));
  ASSERT_EQ(pline.status(), Acad::eOk);
  EXPECT_EQ(pline->numVerts(), 2u);
  EXPECT_FALSE(pline->hasWidths());
}

TEST(PolylineCurve, SlotLength) {
  EXPECT_NEAR(lengthOf(*slot()), 20.0 + 10.0 * kPi, 1e-12);  // 2·10 + 2·(π·5)
}

TEST(PolylineCurve, ClosingSegmentCountsInTheLength) {
  const auto square =
      polylineOf({{{0, 0}, 0.0}, {{10, 0}, 0.0}, {{10, 10}, 0.0}, {{0, 10}, 0.0}}, false);
  EXPECT_NEAR(lengthOf(*square), 30.0, 1e-12);
  square->setClosed(true);
  EXPECT_NEAR(lengthOf(*square), 40.0, 1e-12);
  double end = 0.0;
  ASSERT_EQ(square->getEndParam(end), Acad::eOk);
  EXPECT_EQ(end, 4.0) << "one parameter unit per segment, the closing one included";
  AcGePoint3d p;
  ASSERT_EQ(square->getPointAtParam(3.5, p), Acad::eOk);
  EXPECT_TRUE(pointsNear(p, AcGePoint3d(0, 5, 0))) << "halfway down the closing segment";
}

TEST(PolylineCurve, PointAtParamInsideABulgedSegment) {
  const auto pline = slot();
  AcGePoint3d p;
  // Segment 1 runs from (10,0) round the centre (10,5) to (10,10): halfway
  // is the point furthest right.
  ASSERT_EQ(pline->getPointAtParam(1.5, p), Acad::eOk);
  EXPECT_TRUE(pointsNear(p, AcGePoint3d(15, 5, 0), 1e-12));
  double param = 0.0;
  ASSERT_EQ(pline->getParamAtPoint(AcGePoint3d(15, 5, 0), param), Acad::eOk);
  EXPECT_NEAR(param, 1.5, 1e-12);
  double dist = 0.0;
  ASSERT_EQ(pline->getDistAtParam(1.5, dist), Acad::eOk);
  EXPECT_NEAR(dist, 10.0 + 2.5 * kPi, 1e-12);  // one side and a quarter of 2π·5
  ASSERT_EQ(pline->getPointAtDist(10.0 + 2.5 * kPi, p), Acad::eOk);
  EXPECT_TRUE(pointsNear(p, AcGePoint3d(15, 5, 0), 1e-12));
  double area = 0.0;
  ASSERT_EQ(pline->getArea(area), Acad::eOk);
  EXPECT_NEAR(area, 100.0 + 25.0 * kPi, 1e-12);
}

TEST(PolylineEntity, MirroringTurnsBulgesNegative) {
  // (0,0)→(2,0) with bulge 1 dips to (1,−1). Mirrored in the Y axis the
  // vertices are (0,0), (−2,0) and the arc must dip to (−1,−1), which a
  // bulge of −1 draws.
  const auto pline = polylineOf({{{0, 0}, 1.0}, {{2, 0}, 0.0}}, false);
  ASSERT_EQ(pline->transformBy(AcGeMatrix3d::mirroring(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 1, 0))),
            Acad::eOk);
  double bulge = 0.0;
  ASSERT_EQ(pline->getBulgeAt(0, bulge), Acad::eOk);
  EXPECT_EQ(bulge, -1.0);
  AcGePoint2d second;
  ASSERT_EQ(pline->getPointAt(1, second), Acad::eOk);
  EXPECT_EQ(second, AcGePoint2d(-2, 0));
  AcGePoint3d middle;
  ASSERT_EQ(pline->getPointAtParam(0.5, middle), Acad::eOk);
  EXPECT_TRUE(pointsNear(middle, AcGePoint3d(-1, -1, 0), 1e-15));
  EXPECT_EQ(pline->normal(), AcGeVector3d::kZAxis);
}

TEST(PolylineEntity, RotationAndScalingKeepBulges) {
  const auto pline = slot();
  ASSERT_EQ(pline->transformBy(AcGeMatrix3d::rotation(kHalfPi, AcGeVector3d::kZAxis)), Acad::eOk);
  ASSERT_EQ(pline->transformBy(AcGeMatrix3d::scaling(2.0)), Acad::eOk);
  double bulge = 0.0;
  ASSERT_EQ(pline->getBulgeAt(1, bulge), Acad::eOk);
  EXPECT_EQ(bulge, 1.0);
  EXPECT_NEAR(lengthOf(*pline), 2.0 * (20.0 + 10.0 * kPi), 1e-11);
  AcGeMatrix3d stretch;
  stretch.entry[0][0] = 2.0;
  EXPECT_EQ(pline->transformBy(stretch), Acad::eNotApplicable) << "its arcs would become elliptic";
}

TEST(PolylineEntity, WorldPointsUseElevationAndNormal) {
  // Normal −Z: OCS (5, 3) at elevation 2 is world (−5, 3, −2).
  const auto pline = polylineOf({{{5, 3}, 0.0}, {{6, 3}, 0.0}}, false);
  ASSERT_EQ(pline->setNormal(AcGeVector3d(0, 0, -1)), Acad::eOk);
  pline->setElevation(2.0);
  AcGePoint3d world;
  ASSERT_EQ(pline->getPointAt(0, world), Acad::eOk);
  EXPECT_EQ(world, AcGePoint3d(-5, 3, -2));
  AcGePoint2d ocs;
  ASSERT_EQ(pline->getPointAt(0, ocs), Acad::eOk);
  EXPECT_EQ(ocs, AcGePoint2d(5, 3));
  AcGePoint3d end;
  ASSERT_EQ(pline->getEndPoint(end), Acad::eOk);
  EXPECT_EQ(end, AcGePoint3d(-6, 3, -2));
  EXPECT_EQ(pline->getPointAt(2, world), Acad::eInvalidIndex);
}

TEST(PolylineEntity, SegmentTypes) {
  const auto pline =
      polylineOf({{{0, 0}, 0.0}, {{1, 0}, 0.5}, {{2, 0}, 0.0}, {{2, 0}, 0.0}}, false);
  struct Case {
    unsigned int index;
    AcDbPolyline::SegType type;
    const char* name;
  };
  const Case cases[] = {{0, AcDbPolyline::kLine, "straight"},
                        {1, AcDbPolyline::kArc, "bulged"},
                        {2, AcDbPolyline::kCoincident, "to the same point"},
                        {3, AcDbPolyline::kEmpty, "the last vertex of an open polyline"},
                        {9, AcDbPolyline::kEmpty, "past the end"}};
  for (const Case& c : cases)
    EXPECT_EQ(pline->segType(c.index), c.type) << c.name;
  const auto single = polylineOf({{{0, 0}, 0.0}}, false);
  EXPECT_EQ(single->segType(0), AcDbPolyline::kPoint);
}

TEST(PolylineEntity, ExplodesIntoLinesAndArcs) {
  const auto pline = slot();
  AcDbVoidPtrArray pieces;
  ASSERT_EQ(pline->explode(pieces), Acad::eOk);
  ASSERT_EQ(pieces.length(), 4);
  std::vector<std::unique_ptr<AcDbEntity>> owned;
  for (void* p : pieces)
    owned.emplace_back(static_cast<AcDbEntity*>(p));
  auto* right = AcDbArc::cast(owned[1].get());
  ASSERT_NE(right, nullptr);
  EXPECT_TRUE(pointsNear(right->center(), AcGePoint3d(10, 5, 0), 1e-12));
  EXPECT_NEAR(right->radius(), 5.0, 1e-12);
  EXPECT_NEAR(right->startAngle(), 1.5 * kPi, 1e-12);  // from (10,0), below the centre
  EXPECT_NEAR(right->endAngle(), kHalfPi, 1e-12);
  auto* top = AcDbLine::cast(owned[2].get());
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(top->startPoint(), AcGePoint3d(10, 10, 0));
  EXPECT_EQ(top->endPoint(), AcGePoint3d(0, 10, 0));
  EXPECT_NE(AcDbArc::cast(owned[3].get()), nullptr) << "the closing segment is exploded too";
}

TEST(PolylineEntity, CrossesOnlyWhereTheSegmentsAre) {
  const auto pline = slot();
  EXPECT_FALSE(pline->crossesBox(AcDbExtents(AcGePoint3d(2, 2, 0), AcGePoint3d(8, 8, 0))));
  EXPECT_TRUE(pline->crossesBox(AcDbExtents(AcGePoint3d(-6, 4, 0), AcGePoint3d(-4, 6, 0))));
}

TEST(PolylineEntity, VertexGripsMoveVertices) {
  const auto pline = slot();
  AcGePoint3dArray grips;
  ASSERT_EQ(pline->getGripPoints(grips), Acad::eOk);
  ASSERT_EQ(grips.length(), 4);
  EXPECT_EQ(grips[2], AcGePoint3d(10, 10, 0));
  ASSERT_EQ(pline->moveGripPointsAt(AcDbIntArray{2}, AcGeVector3d(1, 1, 0)), Acad::eOk);
  AcGePoint2d moved;
  ASSERT_EQ(pline->getPointAt(2, moved), Acad::eOk);
  EXPECT_EQ(moved, AcGePoint2d(11, 11));
  EXPECT_EQ(pline->moveGripPointsAt(AcDbIntArray{7}, AcGeVector3d(1, 1, 0)), Acad::eInvalidIndex);
}

const Groups kPolylineR2010 = {
    {0, "LWPOLYLINE"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbPolyline"},
    {90, "3"}, {70, "129"}, {43, "0.0"}, {38, "1.5"},
    {10, "0.0"}, {20, "0.0"}, {91, "11"}, {42, "0.5"},
    {10, "4.0"}, {20, "0.0"}, {91, "12"},
    {10, "4.0"}, {20, "3.0"}, {91, "13"},
    {71, "9"},  // a group the polyline does not know
    {210, "0.0"}, {220, "0.0"}, {230, "1.0"}};

TEST(PolylineDxf, ReadsFlagsElevationBulgesAndIdentifiers) {
  auto db = readEntities(kPolylineR2010, "AC1024");
  ASSERT_TRUE(db);
  Opened<AcDbPolyline> pline(modelSpaceIds(*db).at(0));
  ASSERT_EQ(pline.status(), Acad::eOk);
  EXPECT_EQ(pline->numVerts(), 3u);
  EXPECT_TRUE(pline->isClosed());
  EXPECT_TRUE(pline->hasPlinegen());
  EXPECT_EQ(pline->elevation(), 1.5);
  double bulge = 0.0;
  ASSERT_EQ(pline->getBulgeAt(0, bulge), Acad::eOk);
  EXPECT_EQ(bulge, 0.5);
  EXPECT_EQ(pline->vertexIdentifierAt(2), 13);
}

TEST(PolylineDxf, VertexIdentifiersSurviveFromR2010On) {
  auto db = readEntities(kPolylineR2010, "AC1024");
  ASSERT_TRUE(db);
  const Groups r2018 = entityGroups(writeDxf(*db, DxfVersion::R2018), "LWPOLYLINE");
  EXPECT_EQ(valuesOf(r2018, 91), (std::vector<std::string>{"11", "12", "13"}));
  // Each identifier stays right after its vertex.
  EXPECT_EQ(positionOf(r2018, 91, "12"), positionOf(r2018, 10, "4.0") + 2);
  EXPECT_GT(positionOf(r2018, 71, "9"), positionOf(r2018, 100, "AcDbPolyline"));
  EXPECT_EQ(valuesOf(r2018, 43), std::vector<std::string>{"0.0"}) << "the file had 43";
  EXPECT_EQ(valuesOf(r2018, 38), std::vector<std::string>{"1.5"});
  const Groups r2004 = entityGroups(writeDxf(*db, DxfVersion::R2004), "LWPOLYLINE");
  EXPECT_TRUE(valuesOf(r2004, 91).empty()) << "R2004 has no vertex identifiers";
}

TEST(PolylineDxf, WidthsAreWrittenForEveryVertexOnceAnyHasThem) {
  AcDbPolyline* pline = new AcDbPolyline;
  ASSERT_EQ(pline->addVertexAt(0, AcGePoint2d(0, 0)), Acad::eOk);
  ASSERT_EQ(pline->addVertexAt(1, AcGePoint2d(1, 0), 0.0, 0.5, 1.0), Acad::eOk);
  AcDbDatabase db;
  {
    Opened<AcDbBlockTableRecord> space(db.modelSpaceId(), AcDb::kForWrite);
    ASSERT_EQ(space.status(), Acad::eOk);
    ASSERT_EQ(space->appendAcDbEntity(pline), Acad::eOk);
    EXPECT_EQ(pline->close(), Acad::eOk);
  }
  const Groups written = entityGroups(writeDxf(db, DxfVersion::R2018), "LWPOLYLINE");
  EXPECT_EQ(valuesOf(written, 40), (std::vector<std::string>{"0.0", "0.5"}));
  EXPECT_EQ(valuesOf(written, 41), (std::vector<std::string>{"0.0", "1.0"}));
  EXPECT_TRUE(valuesOf(written, 43).empty()) << "no constant width beside vertex widths";
}

TEST(PolylineFiling, BinaryCopyKeepsEveryField) {
  const auto pline = slot();
  ASSERT_EQ(pline->setWidthsAt(1, 0.25, 0.5), Acad::eOk);
  ASSERT_EQ(pline->setVertexIdentifierAt(3, 77), Acad::eOk);
  ASSERT_EQ(pline->setThickness(2.0), Acad::eOk);
  pline->setElevation(-1.0);
  pline->setPlinegen(true);
  const auto copy = dwgCopy(*pline);
  ASSERT_EQ(copy->numVerts(), 4u);
  for (unsigned int i = 0; i < 4; ++i) {
    AcGePoint2d a, b;
    double bulgeA = 0.0, bulgeB = 0.0;
    ASSERT_EQ(pline->getPointAt(i, a), Acad::eOk);
    ASSERT_EQ(copy->getPointAt(i, b), Acad::eOk);
    ASSERT_EQ(pline->getBulgeAt(i, bulgeA), Acad::eOk);
    ASSERT_EQ(copy->getBulgeAt(i, bulgeB), Acad::eOk);
    EXPECT_EQ(a, b) << "vertex " << i;
    EXPECT_EQ(bulgeA, bulgeB) << "vertex " << i;
  }
  double start = 0.0, end = 0.0;
  ASSERT_EQ(copy->getWidthsAt(1, start, end), Acad::eOk);
  EXPECT_EQ(start, 0.25);
  EXPECT_EQ(end, 0.5);
  EXPECT_EQ(copy->vertexIdentifierAt(3), 77);
  EXPECT_TRUE(copy->isClosed());
  EXPECT_TRUE(copy->hasPlinegen());
  EXPECT_EQ(copy->thickness(), 2.0);
  EXPECT_EQ(copy->elevation(), -1.0);
}

TEST(PolylineConversion, HeavyCopyHasTheSameGeometry) {
  const auto pline = slot();
  AcDb2dPolyline* heavy = nullptr;
  EXPECT_EQ(pline->convertTo(heavy, true), Acad::eNotImplementedYet);
  ASSERT_EQ(pline->convertTo(heavy, false), Acad::eOk);
  std::unique_ptr<AcDb2dPolyline> owned(heavy);
  EXPECT_EQ(heavy->pendingVertices().size(), 4u);
  EXPECT_TRUE(heavy->isClosed());
  double length = 0.0;
  ASSERT_EQ(heavy->length(length), Acad::eOk);
  EXPECT_NEAR(length, 20.0 + 10.0 * kPi, 1e-12);
}

}  // namespace
}  // namespace zek::test
