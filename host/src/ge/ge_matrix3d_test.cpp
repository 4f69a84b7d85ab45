// Tests of AcGeMatrix3d: composition order, inverse, determinant and
// singularity, scale factors, the elementary transformations and equality.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "ge_expect.h"
#include "ge_matrix.h"

namespace {

using zek::test::nearEntries;
using zek::test::nearXyz;
constexpr double kPi = std::numbers::pi;

AcGeMatrix3d fromRows(const double (&rows)[4][4]) {
  AcGeMatrix3d m;
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c)
      m.entry[r][c] = rows[r][c];
  return m;
}

// p = (1,0,0); T moves 10 along X, R turns a quarter turn about Z.
// Translate then rotate: (11,0,0) → (0,11,0). Rotate then translate:
// (0,1,0) → (10,1,0).
TEST(Matrix3d, CompositionOrderMatters) {
  const AcGeMatrix3d t = AcGeMatrix3d::translation({10, 0, 0});
  const AcGeMatrix3d r = AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis);
  const AcGePoint3d p(1, 0, 0);
  struct Case {
    const char* name;
    AcGeMatrix3d m;
    AcGePoint3d expected;
  };
  AcGeMatrix3d pre = t;
  pre.preMultBy(r);
  AcGeMatrix3d post = t;
  post.postMultBy(r);
  AcGeMatrix3d times = t;
  times *= r;
  const Case cases[] = {
      {"R*T: translate, then rotate", r * t, {0, 11, 0}},
      {"T*R: rotate, then translate", t * r, {10, 1, 0}},
      {"T.preMultBy(R) is R*T", pre, {0, 11, 0}},
      {"T.postMultBy(R) is T*R", post, {10, 1, 0}},
      {"T *= R is T*R", times, {10, 1, 0}},
  };
  for (const auto& c : cases)
    EXPECT_TRUE(nearXyz(c.m * p, c.expected)) << c.name;
}

// The linear part [[1,2,3],[0,1,4],[5,6,0]] has determinant 1 and the
// integer inverse [[-24,18,5],[20,-15,-4],[-5,4,1]]; with t = (1,2,3) the
// inverse's translation is −A⁻¹·t = (−27, 22, −6).
TEST(Matrix3d, InverseOfGeneralAffineMatrix) {
  const AcGeMatrix3d m = fromRows({{1, 2, 3, 1}, {0, 1, 4, 2}, {5, 6, 0, 3}, {0, 0, 0, 1}});
  const double expected[4][4] = {
      {-24, 18, 5, -27}, {20, -15, -4, 22}, {-5, 4, 1, -6}, {0, 0, 0, 1}};
  EXPECT_TRUE(nearEntries(m.inverse(), expected));
  AcGeMatrix3d viaBool;
  ASSERT_TRUE(m.inverse(viaBool, 1e-12));
  EXPECT_TRUE(nearEntries(viaBool, expected));
  AcGeMatrix3d inverted = m;
  EXPECT_TRUE(nearEntries(inverted.invert(), expected));
  EXPECT_NEAR(m.det(), 1.0, 1e-12);
  EXPECT_FALSE(m.isSingular());
}

TEST(Matrix3d, InverseUndoesRotationAboutAPoint) {
  const AcGeMatrix3d m = AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis, {5, 0, 0});
  // The inverse turns a quarter turn back about (5,0,0): the offset (0,1,0)
  // becomes (1,0,0), so (5,1,0) → (6,0,0).
  EXPECT_TRUE(nearXyz(m.inverse() * AcGePoint3d(5, 1, 0), AcGePoint3d(6, 0, 0)));
}

struct SingularCase {
  const char* name;
  double rows[4][4];
  bool singular;
};
const SingularCase kSingularCases[] = {
    {"flattening onto XY", {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 1}}, true},
    {"two equal columns", {{1, 1, 0, 0}, {2, 2, 0, 0}, {3, 3, 1, 0}, {0, 0, 0, 1}}, true},
    {"identity", {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}, false},
    // A test of |det| against a fixed number would call these singular.
    {"tiny uniform scaling (det 1e-18)",
     {{1e-6, 0, 0, 0}, {0, 1e-6, 0, 0}, {0, 0, 1e-6, 0}, {0, 0, 0, 1}}, false},
    // A test over whole 4x4 rows would see 1e9 in each and call it singular.
    {"far translation", {{0, -1, 0, 1e9}, {1, 0, 0, 1e9}, {0, 0, 1, 1e9}, {0, 0, 0, 1}}, false},
};

TEST(Matrix3d, SingularityIsScaleFree) {
  for (const auto& c : kSingularCases) {
    const AcGeMatrix3d m = fromRows(c.rows);
    EXPECT_EQ(m.isSingular(), c.singular) << c.name;
    AcGeMatrix3d result = AcGeMatrix3d::translation({7, 7, 7});
    EXPECT_EQ(m.inverse(result, 1e-12), !c.singular) << c.name;
    if (c.singular) {
      EXPECT_EQ(result, AcGeMatrix3d::translation({7, 7, 7})) << c.name << ": result untouched";
      EXPECT_EQ(m.inverse(), AcGeMatrix3d::kIdentity) << c.name;
    }
  }
}

TEST(Matrix3d, Determinant) {
  EXPECT_NEAR(AcGeMatrix3d::scaling(2.0, {1, 2, 3}).det(), 8.0, 1e-12);
  EXPECT_NEAR(AcGeMatrix3d::mirroring(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)).det(), -1.0,
              1e-12);
  EXPECT_NEAR(AcGeMatrix3d::rotation(0.3, {1, 2, 3}).det(), 1.0, 1e-12);
  // A row swap inside the elimination must flip the sign: this permutation
  // of the axes (x→y→z→x) is a rotation, det +1; swapping two axes gives −1.
  EXPECT_NEAR(fromRows({{0, 0, 1, 0}, {1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 0, 1}}).det(), 1.0, 0);
  EXPECT_NEAR(fromRows({{0, 1, 0, 0}, {1, 0, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}).det(), -1.0, 0);
}

struct ScaleCase {
  const char* name;
  double rows[4][4];
  double scale;
  bool uniScaledOrtho;
};
const double kRoot2 = std::sqrt(2.0);
const ScaleCase kScaleCases[] = {
    {"non-uniform 2, 3, 0.5: the largest", {{2, 0, 0, 0}, {0, 3, 0, 0}, {0, 0, 0.5, 0}, {0, 0, 0, 1}},
     3.0, false},
    {"non-uniform, turned a quarter turn: columns (0,2,0), (-3,0,0)",
     {{0, -3, 0, 0}, {2, 0, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}, 3.0, false},
    {"shear: column (1,1,0)", {{1, 1, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}, kRoot2,
     false},
    {"uniform 2 turned 45 degrees",
     {{kRoot2, -kRoot2, 0, 5}, {kRoot2, kRoot2, 0, 0}, {0, 0, 2, 0}, {0, 0, 0, 1}}, 2.0, true},
    {"mirroring in the YZ plane", {{-1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}, 1.0,
     true},
    {"uniform -2 (point mirror and scale)",
     {{-2, 0, 0, 0}, {0, -2, 0, 0}, {0, 0, -2, 0}, {0, 0, 0, 1}}, 2.0, true},
    {"zero", {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 1}}, 0.0, false},
    {"projective row", {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0.5, 1}}, 1.0, false},
};

TEST(Matrix3d, ScaleIsLongestColumn) {
  for (const auto& c : kScaleCases) {
    const AcGeMatrix3d m = fromRows(c.rows);
    EXPECT_NEAR(m.scale(), c.scale, 1e-12) << c.name;
    EXPECT_EQ(m.isUniScaledOrtho(), c.uniScaledOrtho) << c.name;
  }
}

struct TransformCase {
  const char* name;
  AcGeMatrix3d m;
  AcGePoint3d p, expected;
};

TEST(Matrix3d, ElementaryTransformations) {
  const TransformCase cases[] = {
      {"half turn about (1,0,0)", AcGeMatrix3d::rotation(kPi, {0, 0, 1}, {1, 0, 0}), {0, 0, 0},
       {2, 0, 0}},
      {"third turn about (1,1,1): X goes to Y", AcGeMatrix3d::rotation(2 * kPi / 3, {1, 1, 1}),
       {4, 0, 0}, {0, 4, 0}},
      {"scaling 3 about (1,1,1)", AcGeMatrix3d::scaling(3.0, {1, 1, 1}), {2, 1, 0}, {4, 1, -2}},
      {"point mirror through (1,1,1)", AcGeMatrix3d::mirroring(AcGePoint3d(1, 1, 1)), {2, 3, 4},
       {0, -1, -2}},
      {"mirror in the line y = x keeps z",
       AcGeMatrix3d::mirroring(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)), {3, 1, 7}, {1, 3, 7}},
      {"mirror in the line x = 5", AcGeMatrix3d::mirroring(AcGePoint3d(5, 0, 0), AcGePoint3d(5, 1, 0)),
       {2, 4, 1}, {8, 4, 1}},
      {"mirror line given at another z", AcGeMatrix3d::mirroring(AcGePoint3d(0, 2, 9), AcGePoint3d(4, 2, 9)),
       {1, 5, 0}, {1, -1, 0}},
      {"coincident mirror points: identity",
       AcGeMatrix3d::mirroring(AcGePoint3d(3, 3, 0), AcGePoint3d(3, 3, 5)), {1, 2, 3}, {1, 2, 3}},
  };
  for (const auto& c : cases)
    EXPECT_TRUE(nearXyz(c.m * c.p, c.expected)) << c.name;
}

TEST(Matrix3d, TranslationPartAndCoordSystem) {
  // Half turn about (1,0,0): t = c − R·c = (1,0,0) − (−1,0,0).
  EXPECT_TRUE(nearXyz(AcGeMatrix3d::rotation(kPi, {0, 0, 1}, {1, 0, 0}).translation(),
                      AcGeVector3d(2, 0, 0)));
  // A user system at (10,20,0) turned a quarter turn: (1,2,3) in it is
  // origin + 1·X' + 2·Y' + 3·Z' = (10 − 2, 20 + 1, 3).
  AcGeMatrix3d ucs;
  ucs.setCoordSystem({10, 20, 0}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1});
  EXPECT_EQ(ucs * AcGePoint3d(1, 2, 3), AcGePoint3d(8, 21, 3));
  AcGePoint3d origin;
  AcGeVector3d x, y, z;
  ucs.getCoordSystem(origin, x, y, z);
  EXPECT_EQ(origin, AcGePoint3d(10, 20, 0));
  EXPECT_EQ(y, AcGeVector3d(-1, 0, 0));
}

TEST(Matrix3d, EqualityIsExactUnlessToleranceGiven) {
  // sin(2π) is −2.4e-16, not 0: a full turn is the identity only within a tolerance.
  const AcGeMatrix3d fullTurn = AcGeMatrix3d::rotation(2 * kPi, AcGeVector3d::kZAxis);
  EXPECT_FALSE(fullTurn == AcGeMatrix3d::kIdentity);
  EXPECT_TRUE(fullTurn != AcGeMatrix3d::kIdentity);
  EXPECT_TRUE(fullTurn.isEqualTo(AcGeMatrix3d::kIdentity));
  EXPECT_FALSE(AcGeMatrix3d::translation({1e-9, 0, 0}).isEqualTo(AcGeMatrix3d::kIdentity));
  EXPECT_TRUE(AcGeMatrix3d::translation({1e-11, 0, 0}).isEqualTo(AcGeMatrix3d::kIdentity));
  AcGeMatrix3d m = AcGeMatrix3d::translation({1, 2, 3});
  EXPECT_EQ(m.setToIdentity(), AcGeMatrix3d::kIdentity);
}

}  // namespace
