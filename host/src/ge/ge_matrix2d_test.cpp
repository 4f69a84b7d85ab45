// Tests of AcGeMatrix2d: composition order, inverse, the elementary
// transformations of the plane and the scale factor.
#include <gtest/gtest.h>

#include <numbers>

#include "ge_expect.h"
#include "ge_matrix.h"

namespace {

using zek::test::nearEntries;
using zek::test::nearXy;
constexpr double kPi = std::numbers::pi;

TEST(Matrix2d, CompositionOrderMatters) {
  const AcGeMatrix2d t = AcGeMatrix2d::translation({10, 0});
  const AcGeMatrix2d r = AcGeMatrix2d::rotation(kPi / 2);
  AcGeMatrix2d pre = t;
  pre.preMultBy(r);
  AcGeMatrix2d post = t;
  post.postMultBy(r);
  struct Case {
    const char* name;
    AcGeMatrix2d m;
    AcGePoint2d expected;
  };
  const Case cases[] = {
      {"R*T: translate, then rotate", r * t, {0, 11}},
      {"T*R: rotate, then translate", t * r, {10, 1}},
      {"T.preMultBy(R) is R*T", pre, {0, 11}},
      {"T.postMultBy(R) is T*R", post, {10, 1}},
  };
  for (const auto& c : cases)
    EXPECT_TRUE(nearXy(c.m * AcGePoint2d(1, 0), c.expected)) << c.name;
}

// [[2,1],[1,1]] has determinant 1 and inverse [[1,-1],[-1,2]]; with
// t = (3,4) the inverse's translation is −A⁻¹·t = (1, −5).
TEST(Matrix2d, InverseOfGeneralAffineMatrix) {
  AcGeMatrix2d m;
  m.entry[0][0] = 2;
  m.entry[0][1] = 1;
  m.entry[0][2] = 3;
  m.entry[1][0] = 1;
  m.entry[1][1] = 1;
  m.entry[1][2] = 4;
  const double expected[3][3] = {{1, -1, 1}, {-1, 2, -5}, {0, 0, 1}};
  EXPECT_TRUE(nearEntries(m.inverse(), expected));
  EXPECT_NEAR(m.det(), 1.0, 1e-12);

  AcGeMatrix2d flat;
  flat.entry[1][1] = 0.0;  // everything onto the X axis
  EXPECT_TRUE(flat.isSingular());
  AcGeMatrix2d untouched = AcGeMatrix2d::translation({1, 1});
  EXPECT_FALSE(flat.inverse(untouched, 1e-12));
  EXPECT_EQ(untouched, AcGeMatrix2d::translation({1, 1}));
  EXPECT_EQ(flat.inverse(), AcGeMatrix2d::kIdentity);
}

struct Transform2dCase {
  const char* name;
  AcGeMatrix2d m;
  AcGePoint2d p, expected;
};

TEST(Matrix2d, ElementaryTransformations) {
  const Transform2dCase cases[] = {
      {"quarter turn about (1,1)", AcGeMatrix2d::rotation(kPi / 2, {1, 1}), {2, 1}, {1, 2}},
      {"scaling 2 about (1,1)", AcGeMatrix2d::scaling(2.0, {1, 1}), {3, 3}, {5, 5}},
      {"mirror in y = x", AcGeMatrix2d::mirroring({0, 0}, {1, 1}), {3, 1}, {1, 3}},
      {"mirror in x = 5", AcGeMatrix2d::mirroring({5, 0}, {5, 1}), {2, 4}, {8, 4}},
      {"mirror in y = 2", AcGeMatrix2d::mirroring({0, 2}, {7, 2}), {1, 5}, {1, -1}},
      {"mirror in a line not through the origin, y = x + 1",
       AcGeMatrix2d::mirroring({0, 1}, {2, 3}), {2, 0}, {-1, 3}},
      {"coincident mirror points: identity", AcGeMatrix2d::mirroring({2, 2}, {2, 2}), {4, 5},
       {4, 5}},
  };
  for (const auto& c : cases)
    EXPECT_TRUE(nearXy(c.m * c.p, c.expected)) << c.name;
}

TEST(Matrix2d, ScaleAndTranslation) {
  AcGeMatrix2d m;
  m.entry[0][0] = 2;
  m.entry[1][1] = 3;
  EXPECT_DOUBLE_EQ(m.scale(), 3.0) << "the longest column";
  EXPECT_NEAR(AcGeMatrix2d::rotation(0.7).scale(), 1.0, 1e-15);
  EXPECT_TRUE(nearXy(AcGeMatrix2d::rotation(kPi, {1, 0}).translation(), AcGeVector2d(2, 0)));
}

}  // namespace
