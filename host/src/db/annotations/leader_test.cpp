// AcDbLeader: vertices, extents, the crossing test, transformation and
// filing.
#include "db_leader.h"

#include <gtest/gtest.h>

#include <numbers>

#include "db/annotations/annotation_test_support.h"
#include "db/memory_filer.h"

namespace zek {
namespace {

constexpr double kTol = 1e-9;

// Three vertices: the arrow at (10,10), a bend at (30,25), the hook at (45,25).
const char* kLeader =
    "0\nLEADER\n5\n80\n100\nAcDbEntity\n8\n0\n100\nAcDbLeader\n3\nStandard\n71\n1\n72\n0\n"
    "73\n3\n74\n1\n75\n1\n40\n2.5\n41\n12.0\n76\n3\n10\n10\n20\n10\n30\n0\n10\n30\n20\n25\n30\n0\n"
    "10\n45\n20\n25\n30\n0\n77\n3\n213\n0.0\n223\n-1.25\n233\n0.0\n";

TEST(LeaderDxf, ThreeVerticesReadAndWriteBack) {
  auto db = test::readDrawing(test::entitiesDxf(kLeader));
  ASSERT_TRUE(db);
  AcDbObjectId id = test::modelSpaceIds(*db).at(0);
  {
    test::Opened<AcDbLeader> leader(id);
    ASSERT_TRUE(leader);
    ASSERT_EQ(leader->numVertices(), 3);
    EXPECT_EQ(leader->vertexAt(0), AcGePoint3d(10, 10, 0));
    EXPECT_EQ(leader->vertexAt(1), AcGePoint3d(30, 25, 0));
    EXPECT_EQ(leader->lastVertex(), AcGePoint3d(45, 25, 0));
    EXPECT_TRUE(leader->hasArrowHead());
    EXPECT_FALSE(leader->isSplined());
    EXPECT_EQ(leader->annoType(), AcDbLeader::kNoAnno);
    EXPECT_TRUE(leader->hasHookLine());
    EXPECT_TRUE(leader->isHookLineOnXDir());
    EXPECT_EQ(leader->annoHeight(), 2.5);
    EXPECT_EQ(leader->annoWidth(), 12.0);
    EXPECT_EQ(leader->leaderColorIndex(), 3);
    EXPECT_EQ(leader->annotationOffset(), AcGeVector3d(0, -1.25, 0));
    AcDbExtents extents;
    ASSERT_EQ(leader->getGeomExtents(extents), Acad::eOk);
    EXPECT_EQ(extents.minPoint(), AcGePoint3d(10, 10, 0));
    EXPECT_EQ(extents.maxPoint(), AcGePoint3d(45, 25, 0));
  }
  test::Groups groups = test::entityGroups(test::writeDrawing(*db, DxfVersion::R2000), "LEADER");
  EXPECT_EQ(test::valuesOf(groups, 76), std::vector<std::string>{"3"});
  EXPECT_EQ(test::valuesOf(groups, 10), (std::vector<std::string>{"10.0", "30.0", "45.0"}));
  EXPECT_EQ(test::valuesOf(groups, 223), std::vector<std::string>{"-1.25"});
  EXPECT_EQ(test::valuesOf(groups, 77), std::vector<std::string>{"3"});
}

TEST(LeaderDxf, AnArrowIsTheDefaultWhenTheFileSaysNothing) {
  auto db = test::readDrawing(test::entitiesDxf(
      "0\nLEADER\n8\n0\n76\n2\n10\n0\n20\n0\n30\n0\n10\n5\n20\n5\n30\n0\n"));
  ASSERT_TRUE(db);
  test::Opened<AcDbLeader> leader(test::modelSpaceIds(*db).at(0));
  ASSERT_TRUE(leader);
  EXPECT_TRUE(leader->hasArrowHead());
}

TEST(LeaderEdits, VerticesAndTheirLimits) {
  AcDbLeader leader;
  EXPECT_TRUE(leader.appendVertex({0, 0, 0}));
  EXPECT_TRUE(leader.appendVertex({10, 0, 0}));
  EXPECT_TRUE(leader.appendVertex({10, 10, 0}));
  EXPECT_TRUE(leader.setVertexAt(1, {20, 0, 0}));
  EXPECT_FALSE(leader.setVertexAt(3, {0, 0, 0})) << "past the last vertex";
  EXPECT_FALSE(leader.setVertexAt(-1, {0, 0, 0})) << "before the first";
  EXPECT_TRUE(leader.removeLastVertex());
  EXPECT_FALSE(leader.removeLastVertex()) << "a leader keeps two vertices";
  EXPECT_EQ(leader.numVertices(), 2);
  EXPECT_EQ(leader.vertexAt(1), AcGePoint3d(20, 0, 0));
}

TEST(LeaderGeometry, CrossingUsesTheSegmentsNotTheExtents) {
  // The diagonal (0,0)-(10,10): its extents hold (8,1), the segment does not pass there.
  AcDbLeader leader;
  leader.appendVertex({0, 0, 0});
  leader.appendVertex({10, 10, 0});
  EXPECT_FALSE(leader.crossesBox(AcDbExtents({7.5, 0.5, 0}, {8.5, 1.5, 0}))) << "beside the diagonal";
  EXPECT_TRUE(leader.crossesBox(AcDbExtents({4, 4.5, 0}, {6, 5.5, 0}))) << "on the diagonal";
  EXPECT_TRUE(leader.crossesBox(AcDbExtents({-1, -1, 0}, {0.5, 0.5, 0}))) << "around an end";

  ASSERT_EQ(leader.transformBy(AcGeMatrix3d::rotation(std::numbers::pi / 2, AcGeVector3d::kZAxis)),
            Acad::eOk);
  EXPECT_TRUE(leader.vertexAt(1).isEqualTo({-10, 10, 0}));
  EXPECT_TRUE(leader.horizontalDirection().isEqualTo({0, 1, 0})) << "the text direction turns along";
}

TEST(LeaderBinaryFiler, RoundTripGivesEqualFields) {
  AcDbLeader source;
  source.appendVertex({1, 2, 0});
  source.appendVertex({3, 4, 0});
  source.appendVertex({5, 4, 0});
  source.disableArrowHead();
  source.setToSplineLeader();
  source.setHookLine(true, false);
  source.setAnnoSize(2.5, 30);
  source.setAnnotationOffset({0, -1, 0});
  source.setLeaderColorIndex(1);
  MemoryDwgFiler filer(AcDb::kCopyFiler, nullptr);
  ASSERT_EQ(source.dwgOutFields(&filer), Acad::eOk);
  filer.rewind();
  AcDbLeader copy;
  ASSERT_EQ(copy.dwgInFields(&filer), Acad::eOk);
  EXPECT_TRUE(filer.atEnd());
  ASSERT_EQ(copy.numVertices(), 3);
  EXPECT_EQ(copy.vertexAt(2), AcGePoint3d(5, 4, 0));
  EXPECT_FALSE(copy.hasArrowHead());
  EXPECT_TRUE(copy.isSplined());
  EXPECT_TRUE(copy.hasHookLine());
  EXPECT_FALSE(copy.isHookLineOnXDir());
  EXPECT_EQ(copy.annoWidth(), 30.0);
  EXPECT_EQ(copy.annotationOffset(), AcGeVector3d(0, -1, 0));
  EXPECT_EQ(copy.leaderColorIndex(), 1);
}

}  // namespace
}  // namespace zek
