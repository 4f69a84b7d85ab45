// Tests of the NURBS evaluator: basis derivatives against known curves, span
// handling at repeated knots, and the interpolating cubic through fit points.
#include "db/curves/nurbs.h"

#include <cmath>

#include <gtest/gtest.h>

#include "db/curves/curve_test_support.h"

namespace zek::curve {
namespace {

using test::pointsNear;

TEST(NurbsEvaluation, CubicBezierPointAndDerivative) {
  // (0,0), (1,2), (2,−2), (3,0): x = 3t, y = 6t − 18t² + 12t³, so at t = ½
  // the point is (1.5, 0) and the derivative (3, 6 − 18 + 9) = (3, −3).
  Nurbs bezier{3, {0, 0, 0, 0, 1, 1, 1, 1}, {}, {{0, 0, 0}, {1, 2, 0}, {2, -2, 0}, {3, 0, 0}}};
  ASSERT_TRUE(bezier.isValid());
  AcGeVector3d d;
  EXPECT_TRUE(pointsNear(bezier.pointAt(0.5, &d), AcGePoint3d(1.5, 0, 0), 1e-15));
  EXPECT_TRUE(pointsNear(AcGePoint3d::kOrigin + d, AcGePoint3d(3, -3, 0), 1e-14));
  // At the ends the derivative is 3·(P1 − P0) and 3·(P3 − P2).
  bezier.pointAt(0.0, &d);
  EXPECT_TRUE(pointsNear(AcGePoint3d::kOrigin + d, AcGePoint3d(3, 6, 0), 1e-14));
  bezier.pointAt(1.0, &d);
  EXPECT_TRUE(pointsNear(AcGePoint3d::kOrigin + d, AcGePoint3d(3, 6, 0), 1e-14));
}

TEST(NurbsEvaluation, RationalDerivativeIsTheCirclesTangent) {
  // The rational quarter circle: at the middle the tangent is perpendicular
  // to the radius, pointing along (−1, 1).
  Nurbs quarter{2, {0, 0, 0, 1, 1, 1}, {1.0, std::sqrt(0.5), 1.0},
                {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}}};
  AcGeVector3d d;
  const AcGePoint3d p = quarter.pointAt(0.5, &d);
  EXPECT_NEAR(p.asVector().dotProduct(d), 0.0, 1e-14);
  EXPECT_GT(d.y, 0.0);
  EXPECT_LT(d.x, 0.0);
}

TEST(NurbsEvaluation, RepeatedInteriorKnotsAndTheEnd) {
  // Degree 1 with a doubled interior knot: a polyline (0,0)–(1,0)–(1,1)–(2,1)
  // whose middle span [1, 1] is empty. The end parameter falls in the last
  // non-empty span.
  Nurbs steps{1, {0, 0, 1, 1, 2, 2}, {}, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {2, 1, 0}}};
  ASSERT_TRUE(steps.isValid());
  EXPECT_TRUE(pointsNear(steps.pointAt(0.5), AcGePoint3d(0.5, 0, 0), 1e-15));
  EXPECT_TRUE(pointsNear(steps.pointAt(1.5), AcGePoint3d(1.5, 1, 0), 1e-15));
  EXPECT_TRUE(pointsNear(steps.pointAt(2.0), AcGePoint3d(2, 1, 0), 1e-15));
  EXPECT_EQ(steps.breakpoints(), (std::vector<double>{0, 1, 2}));
  EXPECT_NEAR(steps.length(0, 2), 2.0, 1e-12) << "the jump at the doubled knot has no length";
}

TEST(NurbsValidity, RefusesInconsistentData) {
  struct Case {
    const char* name;
    Nurbs curve;
  };
  const Case cases[] = {
      {"too few knots", {1, {0, 0, 1}, {}, {{0, 0, 0}, {1, 0, 0}}}},
      {"decreasing knots", {1, {0, 1, 0, 1}, {}, {{0, 0, 0}, {1, 0, 0}}}},
      {"empty range", {1, {0, 0, 0, 0}, {}, {{0, 0, 0}, {1, 0, 0}}}},
      {"weight count", {1, {0, 0, 1, 1}, {1.0}, {{0, 0, 0}, {1, 0, 0}}}},
      {"too few points for the degree", {3, {0, 0, 0, 1, 1, 1}, {}, {{0, 0, 0}, {1, 0, 0}}}},
  };
  for (const Case& c : cases)
    EXPECT_FALSE(c.curve.isValid()) << c.name;
}

TEST(FitInterpolation, PassesThroughEveryFitPoint) {
  const std::vector<AcGePoint3d> fit = {{0, 0, 0}, {1, 2, 0}, {3, 3, 1}, {4, 0, 0}, {6, 1, 0}};
  const Nurbs curve = interpolateFitPoints(fit, 3, AcGeVector3d(), AcGeVector3d());
  ASSERT_TRUE(curve.isValid());
  double u = 0.0;
  for (std::size_t i = 0; i < fit.size(); ++i) {
    if (i > 0)
      u += fit[i].distanceTo(fit[i - 1]);
    EXPECT_TRUE(pointsNear(curve.pointAt(u), fit[i], 1e-12)) << "fit point " << i;
  }
}

TEST(FitInterpolation, IsSmoothAcrossTheFitPoints) {
  // First derivatives from either side of an interior fit point agree: the
  // pieces join with one tangent.
  const std::vector<AcGePoint3d> fit = {{0, 0, 0}, {1, 2, 0}, {3, 3, 0}, {4, 0, 0}};
  const Nurbs curve = interpolateFitPoints(fit, 3, AcGeVector3d(), AcGeVector3d());
  const double joint = fit[1].distanceTo(fit[0]);
  AcGeVector3d before, after;
  curve.pointAt(joint - 1e-9, &before);
  curve.pointAt(joint + 1e-9, &after);
  EXPECT_TRUE(pointsNear(AcGePoint3d::kOrigin + before, AcGePoint3d::kOrigin + after, 1e-6));
}

TEST(FitInterpolation, RepeatedAndTooFewPoints) {
  EXPECT_FALSE(interpolateFitPoints({{1, 1, 0}, {1, 1, 0}}, 3, AcGeVector3d(), AcGeVector3d())
                   .isValid())
      << "one distinct point spans nothing";
  const Nurbs line =
      interpolateFitPoints({{0, 0, 0}, {0, 0, 0}, {4, 3, 0}}, 3, AcGeVector3d(), AcGeVector3d());
  ASSERT_TRUE(line.isValid());
  EXPECT_NEAR(line.length(line.startParam(), line.endParam()), 5.0, 1e-12)
      << "two distinct points: the straight cubic between them";
}

}  // namespace
}  // namespace zek::curve
