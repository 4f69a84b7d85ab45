// Tests of AcDbPoint: extents with thickness, transformation, grips, DXF
// (R12 and R2000 forms, the display rotation in degrees) and binary filing.
#include "db_curves.h"

#include <tuple>

#include <gtest/gtest.h>

#include "db/curves/curve_test_support.h"

namespace zek::test {
namespace {

TEST(PointEntity, ExtentsTransformAndGrip) {
  AcDbPoint point(AcGePoint3d(1, 2, 3));
  ASSERT_EQ(point.setThickness(-1.0), Acad::eOk);
  AcDbExtents box;
  ASSERT_EQ(point.getGeomExtents(box), Acad::eOk);
  EXPECT_EQ(box.minPoint(), AcGePoint3d(1, 2, 2)) << "extruded one unit down the Z axis";
  EXPECT_EQ(box.maxPoint(), AcGePoint3d(1, 2, 3));
  ASSERT_EQ(point.transformBy(AcGeMatrix3d::translation(AcGeVector3d(-1, -2, -3))), Acad::eOk);
  EXPECT_EQ(point.position(), AcGePoint3d(0, 0, 0));
  ASSERT_EQ(point.moveGripPointsAt(AcDbIntArray{0}, AcGeVector3d(5, 0, 0)), Acad::eOk);
  EXPECT_EQ(point.position(), AcGePoint3d(5, 0, 0));
}

TEST(PointDxf, R12AndR2000FormsReadAlike) {
  const Groups r12 = {{0, "POINT"}, {8, "0"}, {10, "4"}, {20, "5"}, {30, "6"}, {39, "2"},
                      {50, "-45"}};
  const Groups r2000 = {{0, "POINT"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbPoint"},
                        {10, "4"}, {20, "5"}, {30, "6"}, {39, "2"}, {50, "-45"}};
  for (const auto& [form, groups, version] :
       {std::tuple{"R12", r12, "AC1009"}, std::tuple{"R2000", r2000, "AC1015"}}) {
    auto db = readEntities(groups, version);
    ASSERT_TRUE(db) << form;
    Opened<AcDbPoint> point(modelSpaceIds(*db).at(0));
    ASSERT_EQ(point.status(), Acad::eOk) << form;
    EXPECT_EQ(point->position(), AcGePoint3d(4, 5, 6)) << form;
    EXPECT_EQ(point->thickness(), 2.0) << form;
    EXPECT_NEAR(point->ecsRotation(), 1.75 * kPi, 1e-15) << form << ": −45° is 315°";
  }
}

TEST(PointDxf, RotationIsWrittenInDegrees) {
  auto db = readEntities({{0, "POINT"}, {8, "0"}, {10, "0"}, {20, "0"}, {50, "30"}}, "AC1009");
  ASSERT_TRUE(db);
  const Groups written = entityGroups(writeDxf(*db, DxfVersion::R2018), "POINT");
  EXPECT_EQ(valuesOf(written, 50), std::vector<std::string>{"30.0"});
  EXPECT_TRUE(valuesOf(written, 39).empty());
}

TEST(PointFiling, BinaryCopyKeepsEveryField) {
  AcDbPoint point(AcGePoint3d(1, 2, 3));
  ASSERT_EQ(point.setThickness(4.0), Acad::eOk);
  ASSERT_EQ(point.setNormal(AcGeVector3d(0, 0, -2)), Acad::eOk);
  ASSERT_EQ(point.setEcsRotation(0.5), Acad::eOk);
  const auto copy = dwgCopy(point);
  EXPECT_EQ(copy->position(), point.position());
  EXPECT_EQ(copy->thickness(), 4.0);
  EXPECT_EQ(copy->normal(), AcGeVector3d(0, 0, -1));
  EXPECT_EQ(copy->ecsRotation(), 0.5);
}

}  // namespace
}  // namespace zek::test
