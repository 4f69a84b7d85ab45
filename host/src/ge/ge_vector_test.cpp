// Tests of AcGeVector2d and AcGeVector3d: angles, cross products, rotation,
// normalisation, parallel and perpendicular tests, exact and tolerant
// equality.
#include "ge_vector.h"

#include <gtest/gtest.h>

#include <numbers>

#include "ge_expect.h"
#include "ge_matrix.h"

namespace {

using zek::test::nearXy;
using zek::test::nearXyz;
constexpr double kPi = std::numbers::pi;

struct Angle2dCase {
  const char* name;
  AcGeVector2d v;
  double angle;
};
constexpr Angle2dCase kAngle2dCases[] = {
    {"along +X", {3.0, 0.0}, 0.0},
    {"along +Y", {0.0, 2.0}, kPi / 2},
    {"along -X", {-1.0, 0.0}, kPi},
    {"along -Y", {0.0, -5.0}, 3 * kPi / 2},
    {"fourth quadrant diagonal", {1.0, -1.0}, 7 * kPi / 4},
    {"second quadrant diagonal", {-2.0, 2.0}, 3 * kPi / 4},
    {"just below +X reads 0, never 2π", {1.0, -1e-300}, 0.0},
    {"zero vector", {0.0, 0.0}, 0.0},
};

TEST(Vector2d, AngleFromXAxisCounterClockwise) {
  for (const auto& c : kAngle2dCases) {
    const double a = c.v.angle();
    EXPECT_NEAR(a, c.angle, 1e-12) << c.name;
    EXPECT_LT(a, 2 * kPi) << c.name;
  }
}

TEST(Vector2d, PerpendicularCrossAndRotation) {
  EXPECT_EQ(AcGeVector2d(1.0, 2.0).perpVector(), AcGeVector2d(-2.0, 1.0));
  // Positive when the second vector lies counter-clockwise of the first.
  EXPECT_EQ(AcGeVector2d(1.0, 0.0).crossProduct({0.0, 1.0}), 1.0);
  EXPECT_EQ(AcGeVector2d(0.0, 1.0).crossProduct({1.0, 0.0}), -1.0);
  AcGeVector2d v(2.0, 0.0);
  EXPECT_TRUE(nearXy(v.rotateBy(kPi / 2), AcGeVector2d(0.0, 2.0)));
  EXPECT_NEAR(AcGeVector2d(1.0, 0.0).angleTo({-1.0, -1.0}), 3 * kPi / 4, 1e-12)
      << "angleTo is unsigned";
}

TEST(Vector2d, TransformIgnoresTranslation) {
  AcGeVector2d v(1.0, 0.0);
  v.transformBy(AcGeMatrix2d::translation({5.0, 7.0}) * AcGeMatrix2d::scaling(3.0));
  EXPECT_EQ(v, AcGeVector2d(3.0, 0.0));
}

struct CrossCase {
  const char* name;
  AcGeVector3d a, b, cross;
};
constexpr CrossCase kCrossCases[] = {
    {"X x Y = Z", {1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
    {"Y x Z = X", {0, 1, 0}, {0, 0, 1}, {1, 0, 0}},
    {"Z x X = Y", {0, 0, 1}, {1, 0, 0}, {0, 1, 0}},
    {"Y x X = -Z", {0, 1, 0}, {1, 0, 0}, {0, 0, -1}},
    {"general", {1, 2, 3}, {4, 5, 6}, {-3, 6, -3}},
};

TEST(Vector3d, CrossProductIsRightHanded) {
  for (const auto& c : kCrossCases)
    EXPECT_EQ(c.a.crossProduct(c.b), c.cross) << c.name;
}

struct AngleToCase {
  const char* name;
  AcGeVector3d from, to, ref;
  double unsignedAngle, refAngle;
};
constexpr AngleToCase kAngleToCases[] = {
    {"X to Y about Z", {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, kPi / 2, kPi / 2},
    {"X to Y about -Z", {1, 0, 0}, {0, 1, 0}, {0, 0, -1}, kPi / 2, 3 * kPi / 2},
    {"X to -X", {2, 0, 0}, {-3, 0, 0}, {0, 0, 1}, kPi, kPi},
    {"same direction", {1, 1, 0}, {2, 2, 0}, {0, 0, 1}, 0.0, 0.0},
    {"X to -Y about Z", {1, 0, 0}, {0, -1, 0}, {0, 0, 1}, kPi / 2, 3 * kPi / 2},
};

TEST(Vector3d, AngleToUnsignedAndAboutReference) {
  for (const auto& c : kAngleToCases) {
    EXPECT_NEAR(c.from.angleTo(c.to), c.unsignedAngle, 1e-12) << c.name;
    EXPECT_NEAR(c.from.angleTo(c.to, c.ref), c.refAngle, 1e-12) << c.name;
  }
}

struct RotateCase {
  const char* name;
  AcGeVector3d v;
  double angle;
  AcGeVector3d axis, expected;
};
const RotateCase kRotateCases[] = {
    {"X a quarter turn about Z", {1, 0, 0}, kPi / 2, {0, 0, 1}, {0, 1, 0}},
    {"X a quarter turn about -Z", {1, 0, 0}, kPi / 2, {0, 0, -1}, {0, -1, 0}},
    {"Y a quarter turn about X", {0, 1, 0}, kPi / 2, {1, 0, 0}, {0, 0, 1}},
    {"axis length does not matter", {0, 2, 0}, kPi, {0, 0, 7}, {0, -2, 0}},
    {"a third turn about (1,1,1) cycles the axes", {1, 0, 0}, 2 * kPi / 3, {1, 1, 1}, {0, 1, 0}},
    {"a zero axis leaves the vector", {1, 2, 3}, 1.0, {0, 0, 0}, {1, 2, 3}},
};

TEST(Vector3d, RotateByRightHanded) {
  for (const auto& c : kRotateCases) {
    AcGeVector3d v = c.v;
    EXPECT_TRUE(nearXyz(v.rotateBy(c.angle, c.axis), c.expected)) << c.name;
  }
}

TEST(Vector3d, NormalAndZeroLength) {
  EXPECT_TRUE(nearXyz(AcGeVector3d(3, 0, 4).normal(), AcGeVector3d(0.6, 0, 0.8)));
  EXPECT_EQ(AcGeVector3d(0, 0, 0).normal(), AcGeVector3d(0, 0, 0)) << "zero stays zero";
  AcGeVector3d v(0, -2, 0);
  v.normalize();
  EXPECT_EQ(v, AcGeVector3d(0, -1, 0));
  EXPECT_TRUE(AcGeVector3d(1e-13, 0, 0).isZeroLength());
  EXPECT_FALSE(AcGeVector3d(1e-11, 0, 0).isZeroLength());
  EXPECT_DOUBLE_EQ(AcGeVector3d(1, 2, 2).length(), 3.0);
  EXPECT_DOUBLE_EQ(AcGeVector3d(1, 2, 2).lengthSqrd(), 9.0);
}

struct RelationCase {
  const char* name;
  AcGeVector3d a, b;
  bool parallel, codirectional, perpendicular;
};
constexpr RelationCase kRelationCases[] = {
    {"opposite multiples", {1, 2, 3}, {-2, -4, -6}, true, false, false},
    {"same direction, other length", {1, 2, 3}, {3, 6, 9}, true, true, false},
    {"slightly off parallel", {1, 2, 3}, {1, 2, 3.001}, false, false, false},
    {"axes", {1, 0, 0}, {0, 1, 0}, false, false, true},
    {"perpendicular off the axes", {1, 1, 0}, {1, -1, 5}, false, false, true},
    {"45 degrees", {1, 0, 0}, {1, 1, 0}, false, false, false},
    {"a zero vector is neither", {0, 0, 0}, {1, 0, 0}, false, false, false},
};

TEST(Vector3d, ParallelCodirectionalPerpendicular) {
  for (const auto& c : kRelationCases) {
    EXPECT_EQ(c.a.isParallelTo(c.b), c.parallel) << c.name;
    EXPECT_EQ(c.a.isCodirectionalTo(c.b), c.codirectional) << c.name;
    EXPECT_EQ(c.a.isPerpendicularTo(c.b), c.perpendicular) << c.name;
  }
}

struct PerpCase {
  const char* name;
  AcGeVector3d v, perp;
};
constexpr PerpCase kPerpCases[] = {
    {"Z axis: Y x v", {0, 0, 2}, {2, 0, 0}},
    {"-Z axis", {0, 0, -1}, {-1, 0, 0}},
    {"X axis: Z x v", {1, 0, 0}, {0, 1, 0}},
    {"tilted past 1/64: Z x v, scaled to the length", {3, 0, 4}, {0, 5, 0}},
    {"zero", {0, 0, 0}, {0, 0, 0}},
};

TEST(Vector3d, PerpVectorFollowsArbitraryAxisRule) {
  for (const auto& c : kPerpCases)
    EXPECT_TRUE(nearXyz(c.v.perpVector(), c.perp)) << c.name;
}

TEST(Vector3d, TransformIgnoresTranslation) {
  AcGeVector3d v(1, 0, 0);
  v.transformBy(AcGeMatrix3d::translation({5, 5, 5}));
  EXPECT_EQ(v, AcGeVector3d(1, 0, 0));
  v.transformBy(AcGeMatrix3d::scaling(2.0, AcGePoint3d(9, 9, 9)));
  EXPECT_EQ(v, AcGeVector3d(2, 0, 0)) << "the scaling centre moves points, not vectors";
}

struct EqualityCase {
  const char* name;
  AcGeVector3d a, b;
  double equalVector;
  bool exact, tolerant;
};
constexpr EqualityCase kEqualityCases[] = {
    {"identical", {1, 2, 3}, {1, 2, 3}, 1e-12, true, true},
    {"1e-13 apart: equal within the default", {1, 2, 3}, {1, 2, 3 + 1e-13}, 1e-12, false, true},
    {"1e-11 apart: outside the default", {1, 2, 3}, {1, 2, 3 + 1e-11}, 1e-12, false, false},
    {"1e-11 apart within a wider tolerance", {1, 2, 3}, {1, 2, 3 + 1e-11}, 1e-10, false, true},
};

TEST(Vector3d, EqualityIsExactUnlessToleranceGiven) {
  for (const auto& c : kEqualityCases) {
    AcGeTol tol;
    tol.setEqualVector(c.equalVector);
    EXPECT_EQ(c.a == c.b, c.exact) << c.name;
    EXPECT_EQ(c.a != c.b, !c.exact) << c.name;
    EXPECT_EQ(c.a.isEqualTo(c.b, tol), c.tolerant) << c.name;
  }
}

}  // namespace
