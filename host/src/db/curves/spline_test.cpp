// Tests of AcDbSpline: de Boor evaluation of known curves (a straight
// degree-1 spline, the rational quarter circle, a cubic Bézier), lengths,
// extents, splines given by fit points only, transformation, the crossing
// test, DXF and binary filing.
#include "db_curves.h"

#include <cmath>

#include <gtest/gtest.h>

#include "db/curves/curve_test_support.h"

namespace zek::test {
namespace {

AcDbSpline nurbs(int degree, bool rational, AcGePoint3dArray points, AcGeDoubleArray knots,
                 AcGeDoubleArray weights = {}) {
  return AcDbSpline(degree, rational, false, false, points, knots, weights);
}

// Degree 1 through (0,0), (3,4), (6,8): two straight spans of length 5.
AcDbSpline straight() {
  return nurbs(1, false, {{0, 0, 0}, {3, 4, 0}, {6, 8, 0}}, {0, 0, 1, 2, 2});
}

// The quarter of the unit circle from (1, 0) to (0, 1): a rational quadratic
// with the corner (1, 1) weighted √2/2.
AcDbSpline quarterCircle() {
  return nurbs(2, true, {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {0, 0, 0, 1, 1, 1},
               {1.0, std::sqrt(0.5), 1.0});
}

double lengthOf(const AcDbSpline& spline) {
  double end = 0.0, length = -1.0;
  EXPECT_EQ(spline.getEndParam(end), Acad::eOk);
  EXPECT_EQ(spline.getDistAtParam(end, length), Acad::eOk);
  return length;
}

TEST(SplineCurve, StraightDegreeOneSpline) {
  const AcDbSpline spline = straight();
  AcGePoint3d start, end, middle;
  ASSERT_EQ(spline.getStartPoint(start), Acad::eOk);
  ASSERT_EQ(spline.getEndPoint(end), Acad::eOk);
  EXPECT_TRUE(pointsNear(start, AcGePoint3d(0, 0, 0)));
  EXPECT_TRUE(pointsNear(end, AcGePoint3d(6, 8, 0)));
  ASSERT_EQ(spline.getPointAtParam(0.5, middle), Acad::eOk);
  EXPECT_TRUE(pointsNear(middle, AcGePoint3d(1.5, 2, 0)));
  EXPECT_NEAR(lengthOf(spline), 10.0, 1e-12);
  double param = 0.0;
  ASSERT_EQ(spline.getParamAtDist(7.5, param), Acad::eOk);
  EXPECT_NEAR(param, 1.5, 1e-10);  // 5 along the first span, 2.5 into the second
}

TEST(SplineCurve, RationalQuarterCircle) {
  const AcDbSpline spline = quarterCircle();
  AcGePoint3d start, end;
  ASSERT_EQ(spline.getStartPoint(start), Acad::eOk);
  ASSERT_EQ(spline.getEndPoint(end), Acad::eOk);
  EXPECT_TRUE(pointsNear(start, AcGePoint3d(1, 0, 0)));
  EXPECT_TRUE(pointsNear(end, AcGePoint3d(0, 1, 0)));
  for (double u : {0.1, 0.25, 0.5, 0.8}) {
    AcGePoint3d p;
    ASSERT_EQ(spline.getPointAtParam(u, p), Acad::eOk);
    EXPECT_NEAR(p.asVector().length(), 1.0, 1e-14) << "every point on the unit circle, u = " << u;
  }
  AcGePoint3d middle;
  ASSERT_EQ(spline.getPointAtParam(0.5, middle), Acad::eOk);
  EXPECT_TRUE(pointsNear(middle, AcGePoint3d(std::sqrt(0.5), std::sqrt(0.5), 0), 1e-14));
  EXPECT_NEAR(lengthOf(spline), kHalfPi, 1e-10);
  double area = 0.0;
  ASSERT_EQ(spline.getArea(area), Acad::eOk);
  EXPECT_NEAR(area, kPi / 4.0 - 0.5, 1e-10) << "the segment under the chord";
  AcGePoint3d closest;
  ASSERT_EQ(spline.getClosestPointTo(AcGePoint3d(2, 2, 0), closest), Acad::eOk);
  EXPECT_TRUE(pointsNear(closest, AcGePoint3d(std::sqrt(0.5), std::sqrt(0.5), 0), 1e-9));
}

TEST(SplineExtents, AreTheCurvesBoxNotTheControlPoints) {
  AcDbExtents box;
  ASSERT_EQ(quarterCircle().getGeomExtents(box), Acad::eOk);
  EXPECT_TRUE(pointsNear(box.minPoint(), AcGePoint3d(0, 0, 0), 1e-6));
  EXPECT_TRUE(pointsNear(box.maxPoint(), AcGePoint3d(1, 1, 0), 1e-6));

  // The cubic Bézier (0,0), (1,2), (2,−2), (3,0): x = 3t, y = 6t(1−t)(1−2t),
  // whose extremes lie where t² − t + 1/6 = 0, at y = ±(1 − 2t) = ±1/√3.
  const AcDbSpline bezier = nurbs(3, false, {{0, 0, 0}, {1, 2, 0}, {2, -2, 0}, {3, 0, 0}},
                                  {0, 0, 0, 0, 1, 1, 1, 1});
  ASSERT_EQ(bezier.getGeomExtents(box), Acad::eOk);
  EXPECT_TRUE(pointsNear(box.minPoint(), AcGePoint3d(0, -0.5773502691896258, 0), 1e-6));
  EXPECT_TRUE(pointsNear(box.maxPoint(), AcGePoint3d(3, 0.5773502691896258, 0), 1e-6));
}

TEST(SplineFit, CubicThroughTheFitPoints) {
  // Fit points (0,0), (1,1), (2,0), parameterised by chord length 0, √2, 2√2.
  // x is linear in that parameter, and the natural cubic reproduces it; y is
  // concave and symmetric, so the box is exactly [0, 2] × [0, 1].
  AcDbSpline spline;
  ASSERT_EQ(spline.setFitData({{0, 0, 0}, {1, 1, 0}, {2, 0, 0}}, 3, 0.0, AcGeVector3d(),
                              AcGeVector3d()),
            Acad::eOk);
  AcGePoint3d p;
  ASSERT_EQ(spline.getPointAtParam(std::sqrt(2.0), p), Acad::eOk);
  EXPECT_TRUE(pointsNear(p, AcGePoint3d(1, 1, 0), 1e-12));
  ASSERT_EQ(spline.getEndPoint(p), Acad::eOk);
  EXPECT_TRUE(pointsNear(p, AcGePoint3d(2, 0, 0), 1e-12));
  AcDbExtents box;
  ASSERT_EQ(spline.getGeomExtents(box), Acad::eOk);
  EXPECT_TRUE(pointsNear(box.minPoint(), AcGePoint3d(0, 0, 0), 1e-9));
  EXPECT_TRUE(pointsNear(box.maxPoint(), AcGePoint3d(2, 1, 0), 1e-9));
  double param = 0.0;
  ASSERT_EQ(spline.getParamAtPoint(AcGePoint3d(1, 1, 0), param), Acad::eOk);
  EXPECT_NEAR(param, std::sqrt(2.0), 1e-6);
}

TEST(SplineFit, DegreeOneIsThePolylineThroughThem) {
  AcDbSpline spline;
  ASSERT_EQ(spline.setFitData({{0, 0, 0}, {1, 1, 0}, {2, 0, 0}}, 1, 0.0, AcGeVector3d(),
                              AcGeVector3d()),
            Acad::eOk);
  EXPECT_NEAR(lengthOf(spline), 2.0 * std::sqrt(2.0), 1e-12);
}

TEST(SplineFit, GivenTangentsAreFollowed) {
  // Two fit points with both tangents along +Y: the curve leaves (0,0)
  // upwards, so it rises above the chord.
  AcDbSpline spline;
  ASSERT_EQ(spline.setFitData({{0, 0, 0}, {1, 0, 0}}, 3, 0.0, AcGeVector3d(0, 1, 0),
                              AcGeVector3d(0, -1, 0)),
            Acad::eOk);
  AcGePoint3d p;
  ASSERT_EQ(spline.getPointAtParam(0.5, p), Acad::eOk);
  // Hermite cubic, h = 1: y(½) = (m0 − m1)·h/8 = (1 − (−1))/8 = 0.25.
  EXPECT_TRUE(pointsNear(p, AcGePoint3d(0.5, 0.25, 0), 1e-12));
}

TEST(SplineEntity, TransformMovesTheCurve) {
  AcDbSpline spline = quarterCircle();
  ASSERT_EQ(spline.transformBy(AcGeMatrix3d::translation(AcGeVector3d(10, 0, 0))), Acad::eOk);
  AcGePoint3d start;
  ASSERT_EQ(spline.getStartPoint(start), Acad::eOk);
  EXPECT_TRUE(pointsNear(start, AcGePoint3d(11, 0, 0)));
  AcDbExtents box;
  ASSERT_EQ(spline.getGeomExtents(box), Acad::eOk);
  EXPECT_TRUE(pointsNear(box.maxPoint(), AcGePoint3d(11, 1, 0), 1e-6)) << "no stale evaluation";
}

TEST(SplineEntity, CrossesOnlyWhereTheCurveIs) {
  const AcDbSpline spline = quarterCircle();
  EXPECT_FALSE(spline.crossesBox(AcDbExtents(AcGePoint3d(0.3, 0.3, 0), AcGePoint3d(0.5, 0.5, 0))));
  EXPECT_TRUE(spline.crossesBox(AcDbExtents(AcGePoint3d(0.6, 0.6, 0), AcGePoint3d(0.8, 0.8, 0))));
}

TEST(SplineEntity, RefusesInconsistentControlData) {
  AcDbSpline spline;
  EXPECT_EQ(spline.setNurbsData(2, false, false, false, {{0, 0, 0}, {1, 1, 0}, {2, 0, 0}},
                                {0, 0, 1, 1}, {}),
            Acad::eInvalidInput)
      << "three points of degree 2 need six knots";
  EXPECT_EQ(spline.setNurbsData(1, true, false, false, {{0, 0, 0}, {1, 1, 0}}, {0, 0, 1, 1},
                                {1.0, -1.0}),
            Acad::eInvalidInput)
      << "a negative weight";
  EXPECT_EQ(spline.numControlPoints(), 0) << "a refused setting changes nothing";
}

const Groups kSplineR2000 = {
    {0, "SPLINE"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbSpline"},
    {210, "0.0"}, {220, "0.0"}, {230, "1.0"},
    {70, "12"}, {71, "2"}, {72, "6"}, {73, "3"}, {74, "0"},
    {42, "1e-10"}, {43, "1e-10"},
    {40, "0.0"}, {40, "0.0"}, {40, "0.0"}, {40, "1.0"}, {40, "1.0"}, {40, "1.0"},
    {41, "1.0"}, {41, "0.7071067811865476"}, {41, "1.0"},
    {10, "1.0"}, {20, "0.0"}, {30, "0.0"},
    {10, "1.0"}, {20, "1.0"}, {30, "0.0"},
    {10, "0.0"}, {20, "1.0"}, {30, "0.0"},
    {1001, "ACAD"}, {1000, "kept"}};

TEST(SplineDxf, ReadsTheQuarterCircleAndWritesItBack) {
  auto db = readEntities(kSplineR2000, "AC1015");
  ASSERT_TRUE(db);
  {
    Opened<AcDbSpline> spline(modelSpaceIds(*db).at(0));
    ASSERT_EQ(spline.status(), Acad::eOk);
    EXPECT_EQ(spline->degree(), 2);
    EXPECT_TRUE(spline->isRational());
    EXPECT_TRUE(spline->isPlanar());
    EXPECT_EQ(spline->numControlPoints(), 3);
    EXPECT_EQ(spline->weightAt(1), 0.7071067811865476);
    EXPECT_NEAR(lengthOf(*spline.get()), kHalfPi, 1e-10);
  }
  const Groups written = entityGroups(writeDxf(*db, DxfVersion::R2000), "SPLINE");
  EXPECT_EQ(valuesOf(written, 40).size(), 6u);
  EXPECT_EQ(valuesOf(written, 41),
            (std::vector<std::string>{"1.0", "0.7071067811865476", "1.0"}));
  EXPECT_EQ(valuesOf(written, 10), (std::vector<std::string>{"1.0", "1.0", "0.0"}));
  EXPECT_EQ(valuesOf(written, 73), std::vector<std::string>{"3"});
  EXPECT_EQ(valuesOf(written, 230), std::vector<std::string>{"1.0"})
      << "the normal the file gave is written back";
  EXPECT_EQ(valuesOf(written, 1000), std::vector<std::string>{"kept"});
}

TEST(SplineDxf, FitPointsOnlyAreReadAndEvaluated) {
  auto db = readEntities({{0, "SPLINE"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbSpline"},
                          {70, "8"}, {71, "3"}, {72, "0"}, {73, "0"}, {74, "3"}, {44, "1e-10"},
                          {11, "0"}, {21, "0"}, {31, "0"}, {11, "1"}, {21, "1"}, {31, "0"},
                          {11, "2"}, {21, "0"}, {31, "0"}},
                         "AC1015");
  ASSERT_TRUE(db);
  Opened<AcDbSpline> spline(modelSpaceIds(*db).at(0));
  ASSERT_EQ(spline.status(), Acad::eOk);
  EXPECT_EQ(spline->numFitPoints(), 3);
  AcGePoint3d end;
  ASSERT_EQ(spline->getEndPoint(end), Acad::eOk);
  EXPECT_TRUE(pointsNear(end, AcGePoint3d(2, 0, 0), 1e-12));
}

TEST(SplineFiling, BinaryCopyKeepsEveryField) {
  const AcDbSpline spline = quarterCircle();
  const auto copy = dwgCopy(spline);
  int degree = 0;
  bool rational = false, closed = false, periodic = false;
  AcGePoint3dArray points;
  AcGeDoubleArray knots, weights;
  double controlTol = 0.0, knotTol = 0.0;
  ASSERT_EQ(copy->getNurbsData(degree, rational, closed, periodic, points, knots, weights,
                               controlTol, knotTol),
            Acad::eOk);
  EXPECT_EQ(degree, 2);
  EXPECT_TRUE(rational);
  EXPECT_EQ(points, (AcGePoint3dArray{{1, 0, 0}, {1, 1, 0}, {0, 1, 0}}));
  EXPECT_EQ(knots, (AcGeDoubleArray{0, 0, 0, 1, 1, 1}));
  EXPECT_EQ(weights, (AcGeDoubleArray{1.0, std::sqrt(0.5), 1.0}));
  EXPECT_NEAR(lengthOf(*copy), kHalfPi, 1e-10);
}

}  // namespace
}  // namespace zek::test
