// Tests of AcGePoint2d and AcGePoint3d: arithmetic against vectors, rotation
// and scaling about a point, transformation, exact and tolerant equality.
#include "ge_point.h"

#include <gtest/gtest.h>

#include <numbers>

#include "ge_expect.h"
#include "ge_matrix.h"

namespace {

using zek::test::nearXy;
using zek::test::nearXyz;
constexpr double kPi = std::numbers::pi;

TEST(Point3d, ArithmeticWithVectors) {
  const AcGePoint3d a(1, 2, 3);
  const AcGePoint3d b(4, 6, 3);
  EXPECT_EQ(b - a, AcGeVector3d(3, 4, 0));
  EXPECT_EQ(a + AcGeVector3d(3, 4, 0), b);
  EXPECT_EQ(b - AcGeVector3d(3, 4, 0), a);
  EXPECT_DOUBLE_EQ(a.distanceTo(b), 5.0);
  EXPECT_EQ(a.convert2d(), AcGePoint2d(1, 2));
  EXPECT_EQ(a.asVector(), AcGeVector3d(1, 2, 3));
}

struct Rotate3dCase {
  const char* name;
  AcGePoint3d p;
  double angle;
  AcGeVector3d axis;
  AcGePoint3d about, expected;
};
const Rotate3dCase kRotate3dCases[] = {
    {"quarter turn about Z at (1,1)", {2, 1, 0}, kPi / 2, {0, 0, 1}, {1, 1, 0}, {1, 2, 0}},
    {"half turn about Z at (1,1)", {2, 1, 0}, kPi, {0, 0, 1}, {1, 1, 0}, {0, 1, 0}},
    {"clockwise quarter turn", {2, 1, 0}, -kPi / 2, {0, 0, 1}, {1, 1, 0}, {1, 0, 0}},
    {"z kept under a turn about Z", {2, 1, 7}, kPi / 2, {0, 0, 1}, {1, 1, 0}, {1, 2, 7}},
    {"about the X axis through (0,1,1)", {5, 1, 2}, kPi / 2, {1, 0, 0}, {0, 1, 1}, {5, 0, 1}},
    {"about the origin by default", {3, 0, 0}, kPi / 2, {0, 0, 1}, {0, 0, 0}, {0, 3, 0}},
};

TEST(Point3d, RotateByAboutAPoint) {
  for (const auto& c : kRotate3dCases) {
    AcGePoint3d p = c.p;
    EXPECT_TRUE(nearXyz(p.rotateBy(c.angle, c.axis, c.about), c.expected)) << c.name;
  }
  AcGePoint3d p(3, 0, 0);
  EXPECT_TRUE(nearXyz(p.rotateBy(kPi / 2, AcGeVector3d::kZAxis), AcGePoint3d(0, 3, 0)))
      << "the default centre is the origin";
}

TEST(Point3d, ScaleAndTransform) {
  AcGePoint3d p(3, 3, 3);
  EXPECT_EQ(p.scaleBy(2.0, AcGePoint3d(1, 1, 1)), AcGePoint3d(5, 5, 5));
  AcGePoint3d q(1, 0, 0);
  q.transformBy(AcGeMatrix3d::translation({0, 0, 4}));
  EXPECT_EQ(q, AcGePoint3d(1, 0, 4));
  EXPECT_TRUE(nearXyz(AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis) * q,
                      AcGePoint3d(0, 1, 4)));
}

TEST(Point2d, RotateScaleTransform) {
  AcGePoint2d p(3, 1);
  EXPECT_TRUE(nearXy(p.rotateBy(kPi / 2, AcGePoint2d(1, 1)), AcGePoint2d(1, 3)));
  AcGePoint2d q(3, 3);
  EXPECT_EQ(q.scaleBy(-1.0, AcGePoint2d(1, 1)), AcGePoint2d(-1, -1));
  AcGePoint2d r(1, 0);
  EXPECT_TRUE(nearXy(r.transformBy(AcGeMatrix2d::rotation(kPi, AcGePoint2d(2, 0))),
                     AcGePoint2d(3, 0)));
}

struct PointEqualityCase {
  const char* name;
  AcGePoint3d a, b;
  double equalPoint;
  bool exact, tolerant;
};
constexpr PointEqualityCase kPointEqualityCases[] = {
    {"identical", {10, 20, 0}, {10, 20, 0}, 1e-10, true, true},
    {"3e-11 apart: one point at the default", {10, 20, 0}, {10, 20 + 3e-11, 0}, 1e-10, false,
     true},
    {"1e-9 apart: two points at the default", {10, 20, 0}, {10, 20, 1e-9}, 1e-10, false, false},
    {"1e-9 apart at a drafting tolerance", {10, 20, 0}, {10, 20, 1e-9}, 1e-6, false, true},
    {"3-4-5 apart: distance, not per axis", {0, 0, 0}, {3e-7, 4e-7, 0}, 4.5e-7, false, false},
};

TEST(Point3d, EqualityIsExactUnlessToleranceGiven) {
  for (const auto& c : kPointEqualityCases) {
    AcGeTol tol;
    tol.setEqualPoint(c.equalPoint);
    EXPECT_EQ(c.a == c.b, c.exact) << c.name;
    EXPECT_EQ(c.a != c.b, !c.exact) << c.name;
    EXPECT_EQ(c.a.isEqualTo(c.b, tol), c.tolerant) << c.name;
  }
}

TEST(Point2d, EqualityIsExactUnlessToleranceGiven) {
  const AcGePoint2d a(5, 5);
  const AcGePoint2d b(5, 5 + 5e-11);
  EXPECT_FALSE(a == b);
  EXPECT_TRUE(a.isEqualTo(b));
  EXPECT_FALSE(a.isEqualTo(AcGePoint2d(5, 5 + 2e-10)));
}

TEST(Tolerance, DefaultsAndGlobalContext) {
  const AcGeTol tol;
  EXPECT_EQ(tol.equalPoint(), 1e-10);
  EXPECT_EQ(tol.equalVector(), 1e-12);
  // The global tolerance is what isEqualTo uses without an argument.
  const AcGeTol saved = AcGeContext::gTol;
  const AcGePoint3d a(0, 0, 0);
  const AcGePoint3d b(0, 0, 1e-6);
  EXPECT_FALSE(a.isEqualTo(b));
  AcGeContext::gTol.setEqualPoint(1e-5);
  EXPECT_TRUE(a.isEqualTo(b));
  AcGeContext::gTol = saved;
}

}  // namespace
