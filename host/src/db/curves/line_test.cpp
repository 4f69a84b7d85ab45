// Tests of AcDbLine: parameters and distances, nearest points, extents,
// transformation, grips, the crossing test, DXF and binary filing.
#include "db_curves.h"

#include <gtest/gtest.h>

#include "db/curves/curve_test_support.h"

namespace zek::test {
namespace {

// The 3-4-5 line: length 5, direction (0.6, 0.8, 0).
AcDbLine line345() { return AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 0)); }

TEST(LineCurve, ParametersRunAlongTheLength) {
  const AcDbLine line = line345();
  double end = 0.0;
  ASSERT_EQ(line.getEndParam(end), Acad::eOk);
  EXPECT_DOUBLE_EQ(end, 5.0);
  AcGePoint3d p;
  ASSERT_EQ(line.getPointAtParam(2.5, p), Acad::eOk);
  EXPECT_TRUE(pointsNear(p, AcGePoint3d(1.5, 2.0, 0.0)));  // 2.5 · (0.6, 0.8)
  double param = 0.0;
  ASSERT_EQ(line.getParamAtPoint(AcGePoint3d(1.5, 2.0, 0.0), param), Acad::eOk);
  EXPECT_NEAR(param, 2.5, 1e-12);
  double dist = 0.0;
  ASSERT_EQ(line.getDistAtPoint(AcGePoint3d(3, 4, 0), dist), Acad::eOk);
  EXPECT_NEAR(dist, 5.0, 1e-12);
  ASSERT_EQ(line.getPointAtDist(5.0, p), Acad::eOk);
  EXPECT_TRUE(pointsNear(p, AcGePoint3d(3, 4, 0)));
}

TEST(LineCurve, RefusesWhatIsOffTheLine) {
  const AcDbLine line = line345();
  double param = 0.0;
  AcGePoint3d p;
  EXPECT_EQ(line.getParamAtPoint(AcGePoint3d(1, 0, 0), param), Acad::eInvalidInput);
  EXPECT_EQ(line.getParamAtPoint(AcGePoint3d(6, 8, 0), param), Acad::eInvalidInput)
      << "on the infinite line but past the end";
  EXPECT_EQ(line.getPointAtParam(5.5, p), Acad::eInvalidInput);
  EXPECT_EQ(line.getPointAtParam(-0.5, p), Acad::eInvalidInput);
}

TEST(LineCurve, ClosestPointIsTheClampedFoot) {
  struct Case {
    const char* name;
    AcGePoint3d given;
    bool extend;
    AcGePoint3d expected;
  };
  // Foot of p: t = p·(3,4)/25 along (3,4).
  const Case cases[] = {
      {"beside the middle", {3, 0, 0}, false, {1.08, 1.44, 0}},      // t = 9/25
      {"before the start", {-5, 0, 0}, false, {0, 0, 0}},            // t = −15/25, clamped
      {"before the start, extended", {-5, 0, 0}, true, {-1.8, -2.4, 0}},
      {"above the plane", {3, 4, 7}, false, {3, 4, 0}},
  };
  const AcDbLine line = line345();
  for (const Case& c : cases) {
    AcGePoint3d closest;
    ASSERT_EQ(line.getClosestPointTo(c.given, closest, c.extend), Acad::eOk) << c.name;
    EXPECT_TRUE(pointsNear(closest, c.expected, 1e-12)) << c.name;
  }
}

TEST(LineEntity, ExtentsIncludeTheThickness) {
  AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 2, 0));
  ASSERT_EQ(line.setThickness(3.0), Acad::eOk);
  AcDbExtents box;
  ASSERT_EQ(line.getGeomExtents(box), Acad::eOk);
  EXPECT_EQ(box.minPoint(), AcGePoint3d(0, 0, 0));
  EXPECT_EQ(box.maxPoint(), AcGePoint3d(1, 2, 3));
}

TEST(LineEntity, TransformMovesBothEnds) {
  AcDbLine line(AcGePoint3d(1, 0, 0), AcGePoint3d(2, 0, 0));
  ASSERT_EQ(line.transformBy(AcGeMatrix3d::rotation(kHalfPi, AcGeVector3d::kZAxis)), Acad::eOk);
  EXPECT_TRUE(pointsNear(line.startPoint(), AcGePoint3d(0, 1, 0), 1e-15));
  EXPECT_TRUE(pointsNear(line.endPoint(), AcGePoint3d(0, 2, 0), 1e-15));
  ASSERT_EQ(line.transformBy(AcGeMatrix3d::scaling(2.0)), Acad::eOk);
  EXPECT_TRUE(pointsNear(line.endPoint(), AcGePoint3d(0, 4, 0), 1e-15));
}

TEST(LineEntity, CrossesOnlyWhereTheSegmentIs) {
  // The segment's extents [0.5, 2]² overlap the box [0, 1]², the segment does not.
  const AcDbLine diagonal(AcGePoint3d(0.5, 2, 0), AcGePoint3d(2, 0.5, 0));
  const AcDbExtents box(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0));
  EXPECT_FALSE(diagonal.crossesBox(box));
  const AcDbLine through(AcGePoint3d(0.5, 2, 0), AcGePoint3d(0.5, -1, 0));
  EXPECT_TRUE(through.crossesBox(box));
}

TEST(LineEntity, MiddleGripMovesTheWholeLine) {
  AcDbLine line = line345();
  AcGePoint3dArray grips;
  ASSERT_EQ(line.getGripPoints(grips), Acad::eOk);
  ASSERT_EQ(grips.length(), 3);
  EXPECT_EQ(grips[1], AcGePoint3d(1.5, 2, 0));
  ASSERT_EQ(line.moveGripPointsAt(AcDbIntArray{1}, AcGeVector3d(1, 1, 0)), Acad::eOk);
  EXPECT_EQ(line.startPoint(), AcGePoint3d(1, 1, 0));
  EXPECT_EQ(line.endPoint(), AcGePoint3d(4, 5, 0));
  ASSERT_EQ(line.moveGripPointsAt(AcDbIntArray{2}, AcGeVector3d(0, 0, 1)), Acad::eOk);
  EXPECT_EQ(line.startPoint(), AcGePoint3d(1, 1, 0)) << "the end grip leaves the start alone";
  EXPECT_EQ(line.endPoint(), AcGePoint3d(4, 5, 1));
}

const Groups kLineR2000 = {
    {0, "LINE"}, {5, "2A"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbLine"},
    {39, "2.5"}, {10, "1.0"}, {20, "2.0"}, {30, "3.0"}, {11, "4.0"}, {21, "6.0"}, {31, "3.0"},
    {90, "7"},  // a group the line does not know
    {210, "0.0"}, {220, "0.0"}, {230, "-1.0"}};
const Groups kLineR12 = {
    {0, "LINE"}, {8, "0"}, {10, "1.0"}, {20, "2.0"}, {30, "3.0"}, {11, "4.0"}, {21, "6.0"},
    {31, "3.0"}, {39, "2.5"}, {210, "0.0"}, {220, "0.0"}, {230, "-1.0"}};

void expectReadLine(AcDbDatabase& db, const char* form) {
  const std::vector<AcDbObjectId> ids = modelSpaceIds(db);
  ASSERT_EQ(ids.size(), 1u) << form;
  Opened<AcDbLine> line(ids[0]);
  ASSERT_EQ(line.status(), Acad::eOk) << form;
  EXPECT_EQ(line->startPoint(), AcGePoint3d(1, 2, 3)) << form;
  EXPECT_EQ(line->endPoint(), AcGePoint3d(4, 6, 3)) << form;
  EXPECT_EQ(line->thickness(), 2.5) << form;
  EXPECT_EQ(line->normal(), AcGeVector3d(0, 0, -1)) << form;
}

TEST(LineDxf, R12AndR2000FormsReadAlike) {
  auto r2000 = readEntities(kLineR2000, "AC1015");
  auto r12 = readEntities(kLineR12, "AC1009");
  ASSERT_TRUE(r2000 && r12);
  expectReadLine(*r2000, "R2000");
  expectReadLine(*r12, "R12");
}

TEST(LineDxf, RoundTripKeepsFieldsAndUnknownGroups) {
  auto db = readEntities(kLineR2000, "AC1015");
  ASSERT_TRUE(db);
  const Groups written = entityGroups(writeDxf(*db, DxfVersion::R2000), "LINE");
  const int marker = positionOf(written, 100, "AcDbLine");
  ASSERT_GE(marker, 0);
  EXPECT_GT(positionOf(written, 90, "7"), marker) << "the unknown group stays in its section";
  EXPECT_EQ(valuesOf(written, 39), std::vector<std::string>{"2.5"});
  EXPECT_EQ(valuesOf(written, 230), std::vector<std::string>{"-1.0"});
  auto reread = readDxfString(writeDxf(*db, DxfVersion::R2000), "again.dxf");
  ASSERT_TRUE(reread.ok());
  expectReadLine(*reread.value(), "reread");
}

TEST(LineDxf, DefaultsAreNotWritten) {
  auto db = readEntities({{0, "LINE"}, {8, "0"}, {10, "0"}, {20, "0"}, {11, "1"}, {21, "0"}});
  ASSERT_TRUE(db);
  const Groups written = entityGroups(writeDxf(*db, DxfVersion::R2018), "LINE");
  EXPECT_TRUE(valuesOf(written, 39).empty()) << "no thickness";
  EXPECT_TRUE(valuesOf(written, 210).empty()) << "no extrusion for the Z axis";
  EXPECT_EQ(valuesOf(written, 11), std::vector<std::string>{"1.0"});
}

TEST(LineFiling, BinaryCopyKeepsEveryField) {
  AcDbLine line(AcGePoint3d(1, 2, 3), AcGePoint3d(-4, 5, 6));
  ASSERT_EQ(line.setThickness(0.75), Acad::eOk);
  ASSERT_EQ(line.setNormal(AcGeVector3d(0, 1, 0)), Acad::eOk);
  const auto copy = dwgCopy(line);
  EXPECT_EQ(copy->startPoint(), line.startPoint());
  EXPECT_EQ(copy->endPoint(), line.endPoint());
  EXPECT_EQ(copy->thickness(), 0.75);
  EXPECT_EQ(copy->normal(), AcGeVector3d(0, 1, 0));
}

}  // namespace
}  // namespace zek::test
