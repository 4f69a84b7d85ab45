// Tests of AcDbCircle: the OCS centre of non-Z normals, parameters,
// extents, transformation, grips, the crossing test, DXF and binary filing.
#include "db_curves.h"

#include <cmath>
#include <tuple>

#include <gtest/gtest.h>

#include "db/curves/curve_test_support.h"

namespace zek::test {
namespace {

// A circle filed with normal (0, 0, −1): the OCS X axis is Wy × N = (−1, 0, 0)
// and the Y axis N × X = (0, 1, 0), so the OCS centre (5, 3, 2) is the world
// point (−5, 3, −2).
const Groups kFlippedCircle = {{0, "CIRCLE"}, {8, "0"}, {100, "AcDbCircle"}, {10, "5.0"},
                               {20, "3.0"}, {30, "2.0"}, {40, "1.0"}, {210, "0.0"},
                               {220, "0.0"}, {230, "-1.0"}};

TEST(CircleOcs, FlippedNormalMirrorsTheWorldCentreInX) {
  auto db = readEntities(kFlippedCircle, "AC1015");
  ASSERT_TRUE(db);
  Opened<AcDbCircle> circle(modelSpaceIds(*db).at(0));
  ASSERT_EQ(circle.status(), Acad::eOk);
  EXPECT_EQ(circle->center(), AcGePoint3d(-5, 3, -2));
  AcGePoint3d start;
  ASSERT_EQ(circle->getStartPoint(start), Acad::eOk);
  EXPECT_TRUE(pointsNear(start, AcGePoint3d(-6, 3, -2))) << "param 0 lies along the OCS X axis";
  double param = 0.0;
  ASSERT_EQ(circle->getParamAtPoint(AcGePoint3d(-5, 4, -2), param), Acad::eOk);
  EXPECT_NEAR(param, kHalfPi, 1e-12) << "OCS (5, 4) is a quarter turn from OCS X";
  AcDbExtents box;
  ASSERT_EQ(circle->getGeomExtents(box), Acad::eOk);
  EXPECT_TRUE(pointsNear(box.minPoint(), AcGePoint3d(-6, 2, -2)));
  EXPECT_TRUE(pointsNear(box.maxPoint(), AcGePoint3d(-4, 4, -2)));
}

TEST(CircleOcs, WritesTheOcsCentreBack) {
  auto db = readEntities(kFlippedCircle, "AC1015");
  ASSERT_TRUE(db);
  const Groups written = entityGroups(writeDxf(*db, DxfVersion::R2000), "CIRCLE");
  EXPECT_EQ(valuesOf(written, 10), std::vector<std::string>{"5.0"});
  EXPECT_EQ(valuesOf(written, 30), std::vector<std::string>{"2.0"});
  EXPECT_EQ(valuesOf(written, 230), std::vector<std::string>{"-1.0"});
}

TEST(CircleCurve, ParametersAreAngles) {
  const AcDbCircle circle(AcGePoint3d(1, 1, 0), AcGeVector3d::kZAxis, 2.0);
  AcGePoint3d p;
  ASSERT_EQ(circle.getPointAtParam(kHalfPi, p), Acad::eOk);
  EXPECT_TRUE(pointsNear(p, AcGePoint3d(1, 3, 0)));
  double dist = 0.0;
  ASSERT_EQ(circle.getDistAtParam(kPi, dist), Acad::eOk);
  EXPECT_NEAR(dist, 2.0 * kPi, 1e-12);  // half of 2π·2
  double param = 0.0;
  ASSERT_EQ(circle.getParamAtDist(kPi, param), Acad::eOk);
  EXPECT_NEAR(param, kHalfPi, 1e-12);   // π along a radius of 2
  EXPECT_EQ(circle.getParamAtPoint(AcGePoint3d(1, 1, 0), param), Acad::eInvalidInput)
      << "the centre is not on the circle";
  EXPECT_NEAR(circle.circumference(), 4.0 * kPi, 1e-12);
  double area = 0.0;
  ASSERT_EQ(circle.getArea(area), Acad::eOk);
  EXPECT_NEAR(area, 4.0 * kPi, 1e-12);
  AcGePoint3d closest;
  ASSERT_EQ(circle.getClosestPointTo(AcGePoint3d(4, 5, 9), closest), Acad::eOk);
  // Direction (3, 4)/5 from the centre, at radius 2: (1 + 1.2, 1 + 1.6).
  EXPECT_TRUE(pointsNear(closest, AcGePoint3d(2.2, 2.6, 0)));
}

TEST(CircleEntity, MirroringKeepsTheCircle) {
  AcDbCircle circle(AcGePoint3d(2, 0, 0), AcGeVector3d::kZAxis, 1.0);
  const AcGeMatrix3d mirror = AcGeMatrix3d::mirroring(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 1, 0));
  ASSERT_EQ(circle.transformBy(mirror), Acad::eOk);
  EXPECT_TRUE(pointsNear(circle.center(), AcGePoint3d(-2, 0, 0), 1e-15));
  EXPECT_EQ(circle.radius(), 1.0);
  EXPECT_EQ(circle.normal(), AcGeVector3d::kZAxis) << "a mirrored plan-view circle keeps +Z";
}

TEST(CircleEntity, ScalingScalesTheRadiusAndStretchingIsRefused) {
  AcDbCircle circle(AcGePoint3d(1, 0, 0), AcGeVector3d::kZAxis, 1.0);
  ASSERT_EQ(circle.transformBy(AcGeMatrix3d::scaling(3.0)), Acad::eOk);
  EXPECT_DOUBLE_EQ(circle.radius(), 3.0);
  EXPECT_TRUE(pointsNear(circle.center(), AcGePoint3d(3, 0, 0)));
  AcGeMatrix3d stretch;
  stretch.entry[0][0] = 2.0;  // x doubled only: the circle would become an ellipse
  EXPECT_EQ(circle.transformBy(stretch), Acad::eNotApplicable);
  EXPECT_DOUBLE_EQ(circle.radius(), 3.0) << "a refused transform changes nothing";
}

TEST(CircleEntity, CrossesOnlyWhereTheCurveIs) {
  const AcDbCircle circle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.0);
  // Inside the circle: the extents test says yes, the curve says no.
  EXPECT_FALSE(circle.crossesBox(AcDbExtents(AcGePoint3d(-0.5, -0.5, 0), AcGePoint3d(0.5, 0.5, 0))));
  EXPECT_TRUE(circle.crossesBox(AcDbExtents(AcGePoint3d(0.5, -0.1, 0), AcGePoint3d(1.5, 0.1, 0))));
  EXPECT_FALSE(circle.crossesBox(AcDbExtents(AcGePoint3d(0.8, 0.8, 0), AcGePoint3d(1, 1, 0))))
      << "the box's corner region beyond the curve";
}

TEST(CircleEntity, QuadrantGripSetsTheRadius) {
  AcDbCircle circle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.0);
  AcGePoint3dArray grips;
  ASSERT_EQ(circle.getGripPoints(grips), Acad::eOk);
  ASSERT_EQ(grips.length(), 5);
  EXPECT_TRUE(pointsNear(grips[2], AcGePoint3d(0, 1, 0)));
  ASSERT_EQ(circle.moveGripPointsAt(AcDbIntArray{1}, AcGeVector3d(1, 0, 0)), Acad::eOk);
  EXPECT_DOUBLE_EQ(circle.radius(), 2.0);
  ASSERT_EQ(circle.moveGripPointsAt(AcDbIntArray{0}, AcGeVector3d(0, 5, 0)), Acad::eOk);
  EXPECT_EQ(circle.center(), AcGePoint3d(0, 5, 0));
  EXPECT_DOUBLE_EQ(circle.radius(), 2.0);
}

TEST(CircleEntity, RejectsNegativeRadius) {
  AcDbCircle circle;
  EXPECT_EQ(circle.setRadius(-1.0), Acad::eInvalidInput);
  EXPECT_EQ(circle.setNormal(AcGeVector3d()), Acad::eInvalidInput);
}

TEST(CircleDxf, R12AndR2000FormsReadAlike) {
  const Groups r12 = {{0, "CIRCLE"}, {8, "0"}, {10, "1.5"}, {20, "-2"}, {30, "0"},
                      {40, "3"}, {39, "0.5"}};
  const Groups r2000 = {{0, "CIRCLE"}, {5, "2B"}, {100, "AcDbEntity"}, {8, "0"},
                        {100, "AcDbCircle"}, {39, "0.5"}, {10, "1.5"}, {20, "-2"},
                        {30, "0"}, {40, "3"}};
  for (const auto& [form, groups, version] :
       {std::tuple{"R12", r12, "AC1009"}, std::tuple{"R2000", r2000, "AC1015"}}) {
    auto db = readEntities(groups, version);
    ASSERT_TRUE(db) << form;
    Opened<AcDbCircle> circle(modelSpaceIds(*db).at(0));
    ASSERT_EQ(circle.status(), Acad::eOk) << form;
    EXPECT_EQ(circle->center(), AcGePoint3d(1.5, -2, 0)) << form;
    EXPECT_EQ(circle->radius(), 3.0) << form;
    EXPECT_EQ(circle->thickness(), 0.5) << form;
  }
}

TEST(CircleDxf, UnknownGroupsSurviveInTheirSection) {
  auto db = readEntities({{0, "CIRCLE"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbCircle"},
                          {10, "0"}, {20, "0"}, {40, "1"}, {90, "12"}},
                         "AC1015");
  ASSERT_TRUE(db);
  const Groups written = entityGroups(writeDxf(*db, DxfVersion::R2000), "CIRCLE");
  ASSERT_GE(positionOf(written, 100, "AcDbCircle"), 0);
  EXPECT_GT(positionOf(written, 90, "12"), positionOf(written, 100, "AcDbCircle"));
}

TEST(CircleFiling, BinaryCopyKeepsEveryField) {
  AcDbCircle circle(AcGePoint3d(1, 2, 3), AcGeVector3d(1, 1, 1), 4.5);
  ASSERT_EQ(circle.setThickness(-2.0), Acad::eOk);
  const auto copy = dwgCopy(circle);
  EXPECT_EQ(copy->center(), circle.center());
  EXPECT_EQ(copy->normal(), circle.normal());
  EXPECT_EQ(copy->radius(), 4.5);
  EXPECT_EQ(copy->thickness(), -2.0);
}

}  // namespace
}  // namespace zek::test
