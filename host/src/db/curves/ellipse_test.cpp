// Tests of AcDbEllipse: lengths by quadrature against independent values,
// parameters and angles, extents, areas, transformations that re-find the
// axes, the crossing test, DXF and binary filing.
#include "db_curves.h"

#include <cmath>

#include <gtest/gtest.h>

#include "db/curves/curve_test_support.h"

namespace zek::test {
namespace {

// The ellipse about the origin with semi-axes a along X and b = a·ratio along Y.
AcDbEllipse ellipse(double a, double ratio, double startAngle = 0.0, double endAngle = kTwoPi) {
  return AcDbEllipse(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(a, 0, 0), ratio,
                     startAngle, endAngle);
}

TEST(EllipseLength, FullEllipseToOnePartInABillion) {
  // a = 1, b = 0.5: 4·a·E(e² = 3/4) = 4.844224110273838, from the Gauss–Kummer
  // series π(a + b)·Σ C(1/2, n)²·hⁿ with h = ((a − b)/(a + b))² = 1/9.
  const AcDbEllipse e = ellipse(1.0, 0.5);
  double end = 0.0, length = 0.0;
  ASSERT_EQ(e.getEndParam(end), Acad::eOk);
  ASSERT_EQ(e.getDistAtParam(end, length), Acad::eOk);
  EXPECT_NEAR(length / 4.844224110273838, 1.0, 1e-9);
  double half = 0.0;
  ASSERT_EQ(e.getParamAtDist(length / 2.0, half), Acad::eOk);
  EXPECT_NEAR(half, kPi, 1e-9) << "half the length is half the turn, by symmetry";
}

TEST(EllipseLength, QuarterArc) {
  // a = 2, b = 1 from parameter 0 to π/2: a quarter of 2 × 4.844224110273838.
  AcDbEllipse e = ellipse(2.0, 0.5);
  ASSERT_EQ(e.setEndParam(kHalfPi), Acad::eOk);
  double end = 0.0, length = 0.0;
  ASSERT_EQ(e.getEndParam(end), Acad::eOk);
  ASSERT_EQ(e.getDistAtParam(end, length), Acad::eOk);
  EXPECT_NEAR(length, 2.422112055136919, 1e-12);
  AcGePoint3d start, finish;
  ASSERT_EQ(e.getStartPoint(start), Acad::eOk);
  ASSERT_EQ(e.getEndPoint(finish), Acad::eOk);
  EXPECT_TRUE(pointsNear(start, AcGePoint3d(2, 0, 0)));
  EXPECT_TRUE(pointsNear(finish, AcGePoint3d(0, 1, 0)));
  EXPECT_FALSE(e.isClosed());
}

TEST(EllipseCurve, ParametersAndAngles) {
  const AcDbEllipse e = ellipse(2.0, 0.5);
  AcGePoint3d p;
  ASSERT_EQ(e.getPointAtParam(kPi / 3.0, p), Acad::eOk);
  EXPECT_TRUE(pointsNear(p, AcGePoint3d(1.0, 0.8660254037844386, 0)));  // (2·cos 60°, sin 60°)
  double param = 0.0;
  ASSERT_EQ(e.getParamAtPoint(AcGePoint3d(0, -1, 0), param), Acad::eOk);
  EXPECT_NEAR(param, 1.5 * kPi, 1e-12);
  EXPECT_EQ(e.getParamAtPoint(AcGePoint3d(1, 1, 0), param), Acad::eInvalidInput);
  // The point at 45° from the major axis: tan t = (a/b)·tan 45° = 2.
  EXPECT_NEAR(e.paramAtAngle(kPi / 4.0), std::atan(2.0), 1e-15);
  EXPECT_NEAR(e.angleAtParam(std::atan(2.0)), kPi / 4.0, 1e-15);
  EXPECT_TRUE(e.isClosed());
}

TEST(EllipseCurve, AreaWithTheClosingChord) {
  double area = 0.0;
  ASSERT_EQ(ellipse(2.0, 0.5).getArea(area), Acad::eOk);
  EXPECT_NEAR(area, 2.0 * kPi, 1e-12);  // π·a·b
  ASSERT_EQ(ellipse(2.0, 0.5, 0.0, kPi).getArea(area), Acad::eOk);
  EXPECT_NEAR(area, kPi, 1e-12) << "the half ellipse above its major axis";
}

TEST(EllipseEntity, ExtentsOfARotatedEllipse) {
  // Major (3, 4), ratio 0.5: minor Z × (3, 4)·0.5 = (−2, 1.5). Along x the
  // curve reaches √(3² + 2²) = 3.605551275463989, along y √(4² + 1.5²) =
  // 4.272001872658765.
  AcDbEllipse e;
  ASSERT_EQ(e.set(AcGePoint3d(1, 1, 0), AcGeVector3d::kZAxis, AcGeVector3d(3, 4, 0), 0.5),
            Acad::eOk);
  AcDbExtents box;
  ASSERT_EQ(e.getGeomExtents(box), Acad::eOk);
  EXPECT_TRUE(pointsNear(box.minPoint(), AcGePoint3d(1 - 3.605551275463989, 1 - 4.272001872658765, 0)));
  EXPECT_TRUE(pointsNear(box.maxPoint(), AcGePoint3d(1 + 3.605551275463989, 1 + 4.272001872658765, 0)));
}

TEST(EllipseEntity, StretchingFindsTheNewAxes) {
  // A circle-like ellipse stretched 3× in x: major (3, 0, 0), ratio 1/3.
  AcDbEllipse round = ellipse(1.0, 1.0);
  AcGeMatrix3d stretchX;
  stretchX.entry[0][0] = 3.0;
  ASSERT_EQ(round.transformBy(stretchX), Acad::eOk);
  EXPECT_TRUE(pointsNear(AcGePoint3d::kOrigin + round.majorAxis(), AcGePoint3d(3, 0, 0)));
  EXPECT_NEAR(round.radiusRatio(), 1.0 / 3.0, 1e-15);

  // The arc from (2, 0) to (0, 1) of a = 2, b = 1, stretched 4× in y: the
  // new major axis is (0, 4), the minor (−2, 0), and the arc keeps its end
  // points (2, 0) and (0, 4).
  AcDbEllipse arc = ellipse(2.0, 0.5, 0.0, kHalfPi);
  AcGeMatrix3d stretchY;
  stretchY.entry[1][1] = 4.0;
  ASSERT_EQ(arc.transformBy(stretchY), Acad::eOk);
  EXPECT_TRUE(pointsNear(AcGePoint3d::kOrigin + arc.majorAxis(), AcGePoint3d(0, 4, 0), 1e-12));
  EXPECT_NEAR(arc.radiusRatio(), 0.5, 1e-15);
  EXPECT_EQ(arc.normal(), AcGeVector3d::kZAxis);
  AcGePoint3d start, end;
  ASSERT_EQ(arc.getStartPoint(start), Acad::eOk);
  ASSERT_EQ(arc.getEndPoint(end), Acad::eOk);
  EXPECT_TRUE(pointsNear(start, AcGePoint3d(2, 0, 0), 1e-12));
  EXPECT_TRUE(pointsNear(end, AcGePoint3d(0, 4, 0), 1e-12));
}

TEST(EllipseEntity, MirroringKeepsTheEndPoints) {
  AcDbEllipse arc = ellipse(2.0, 0.5, 0.0, kHalfPi);
  ASSERT_EQ(arc.transformBy(AcGeMatrix3d::mirroring(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 1, 0))),
            Acad::eOk);
  AcGePoint3d start, end;
  ASSERT_EQ(arc.getStartPoint(start), Acad::eOk);
  ASSERT_EQ(arc.getEndPoint(end), Acad::eOk);
  EXPECT_TRUE(pointsNear(start, AcGePoint3d(-2, 0, 0), 1e-12));
  EXPECT_TRUE(pointsNear(end, AcGePoint3d(0, 1, 0), 1e-12));
  EXPECT_EQ(arc.normal(), AcGeVector3d(0, 0, -1)) << "the mirrored curve turns the other way";
}

TEST(EllipseEntity, CrossesOnlyWhereTheCurveIs) {
  const AcDbEllipse e = ellipse(2.0, 0.5);
  EXPECT_FALSE(e.crossesBox(AcDbExtents(AcGePoint3d(-0.5, -0.5, 0), AcGePoint3d(0.5, 0.5, 0))));
  EXPECT_TRUE(e.crossesBox(AcDbExtents(AcGePoint3d(1.9, -0.1, 0), AcGePoint3d(2.1, 0.1, 0))));
  EXPECT_FALSE(e.crossesBox(AcDbExtents(AcGePoint3d(1.8, 0.8, 0), AcGePoint3d(2.0, 1.0, 0))))
      << "the corner of the extents, off the curve";
}

TEST(EllipseEntity, SetRefusesBadAxes) {
  AcDbEllipse e;
  EXPECT_EQ(e.set(AcGePoint3d(), AcGeVector3d(1, 0, 1), AcGeVector3d(1, 0, 0), 0.5),
            Acad::eInvalidInput) << "a normal not perpendicular to the major axis";
  EXPECT_EQ(e.set(AcGePoint3d(), AcGeVector3d::kZAxis, AcGeVector3d(1, 0, 0), 1.5),
            Acad::eInvalidInput) << "a ratio above 1";
  EXPECT_EQ(e.set(AcGePoint3d(), AcGeVector3d::kZAxis, AcGeVector3d(), 0.5), Acad::eInvalidInput);
}

const Groups kEllipseR2000 = {
    {0, "ELLIPSE"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbEllipse"}, {10, "1.0"},
    {20, "2.0"}, {30, "0.0"}, {11, "0.0"}, {21, "3.0"}, {31, "0.0"}, {40, "0.25"},
    {41, "0.5"}, {42, "6.283185307179586"}, {90, "4"}};

TEST(EllipseDxf, RoundTripKeepsEveryNumber) {
  auto db = readEntities(kEllipseR2000, "AC1015");
  ASSERT_TRUE(db);
  {
    Opened<AcDbEllipse> e(modelSpaceIds(*db).at(0));
    ASSERT_EQ(e.status(), Acad::eOk);
    EXPECT_EQ(e->center(), AcGePoint3d(1, 2, 0));
    EXPECT_EQ(e->majorAxis(), AcGeVector3d(0, 3, 0));
    EXPECT_TRUE(pointsNear(AcGePoint3d::kOrigin + e->minorAxis(), AcGePoint3d(-0.75, 0, 0)));
    EXPECT_EQ(e->startParam(), 0.5);
    EXPECT_EQ(e->endParam(), kTwoPi);
  }
  const Groups written = entityGroups(writeDxf(*db, DxfVersion::R2000), "ELLIPSE");
  EXPECT_EQ(valuesOf(written, 41), std::vector<std::string>{"0.5"});
  EXPECT_EQ(valuesOf(written, 42), std::vector<std::string>{"6.283185307179586"});
  EXPECT_EQ(valuesOf(written, 21), std::vector<std::string>{"3.0"});
  EXPECT_GT(positionOf(written, 90, "4"), positionOf(written, 100, "AcDbEllipse"));
}

TEST(EllipseFiling, BinaryCopyKeepsEveryField) {
  AcDbEllipse e;
  ASSERT_EQ(e.set(AcGePoint3d(1, 2, 3), AcGeVector3d(0, 0, -1), AcGeVector3d(0, 5, 0), 0.3, 0.5,
                  2.5),
            Acad::eOk);
  const auto copy = dwgCopy(e);
  EXPECT_EQ(copy->center(), e.center());
  EXPECT_EQ(copy->majorAxis(), e.majorAxis());
  EXPECT_EQ(copy->normal(), e.normal());
  EXPECT_EQ(copy->radiusRatio(), 0.3);
  EXPECT_EQ(copy->startParam(), e.startParam());
  EXPECT_EQ(copy->endParam(), e.endParam());
}

}  // namespace
}  // namespace zek::test
