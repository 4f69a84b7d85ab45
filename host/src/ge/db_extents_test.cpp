// Tests of AcDbExtents: the empty box, set's answer, growing by points,
// boxes and vectors, transformed boxes, containment and overlap.
#include "db_extents.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "ge_expect.h"

namespace {

using zek::test::nearBox;
constexpr double kPi = std::numbers::pi;

TEST(Extents, EmptyBoxHoldsNothingUntilAPointIsAdded) {
  AcDbExtents box;
  EXPECT_FALSE(box.isValid());
  EXPECT_FALSE(box.contains(AcGePoint3d(0, 0, 0)));
  EXPECT_FALSE(box.intersects(AcDbExtents({-1, -1, -1}, {1, 1, 1})));
  EXPECT_GT(box.minPoint().x, 1e300) << "min starts at +huge";
  EXPECT_LT(box.maxPoint().x, -1e300) << "max starts at -huge";
  box.expandBy({5, 5, 5});
  box.transformBy(AcGeMatrix3d::scaling(2.0));
  EXPECT_FALSE(box.isValid()) << "expanding or transforming nothing gives nothing";
  box.addPoint({3, -2, 1});
  EXPECT_TRUE(box.isValid());
  EXPECT_TRUE(nearBox(box, {3, -2, 1}, {3, -2, 1})) << "one point is a valid box";
}

TEST(Extents, SetRefusesAnInvertedBox) {
  AcDbExtents box({0, 0, 0}, {1, 1, 1});
  EXPECT_EQ(box.set({2, 0, 0}, {1, 1, 1}), Acad::eInvalidExtents) << "min.x > max.x";
  EXPECT_EQ(box.set({0, 0, 2}, {1, 1, 1}), Acad::eInvalidExtents) << "min.z > max.z";
  EXPECT_TRUE(nearBox(box, {0, 0, 0}, {1, 1, 1})) << "a refused set changes nothing";
  EXPECT_EQ(box.set({-1, -2, -3}, {-1, 5, 0}), Acad::eOk) << "flat in x is fine";
  EXPECT_TRUE(nearBox(box, {-1, -2, -3}, {-1, 5, 0}));
}

TEST(Extents, GrowsByPointsBoxesAndVectors) {
  AcDbExtents box;
  box.addPoint({1, 5, 0});
  box.addPoint({4, 2, -1});
  EXPECT_TRUE(nearBox(box, {1, 2, -1}, {4, 5, 0}));
  box.addExt(AcDbExtents());
  EXPECT_TRUE(nearBox(box, {1, 2, -1}, {4, 5, 0})) << "an empty box adds nothing";
  box.addExt(AcDbExtents({0, 3, 0}, {2, 9, 2}));
  EXPECT_TRUE(nearBox(box, {0, 2, -1}, {4, 9, 2}));

  AcDbExtents unit({0, 0, 0}, {1, 1, 1});
  unit.expandBy({2, -3, 0});
  EXPECT_TRUE(nearBox(unit, {0, -3, 0}, {3, 1, 1}))
      << "positive x grows the maximum, negative y the minimum";
}

struct TransformedBoxCase {
  const char* name;
  AcGePoint3d min, max;
  AcGeMatrix3d m;
  AcGePoint3d expectedMin, expectedMax;
};

TEST(Extents, TransformedBoxHoldsTheEightCorners) {
  const double h = std::sqrt(2.0) / 2.0;
  const TransformedBoxCase cases[] = {
      // Corners (0,0) (2,0) (0,1) (2,1) go to (0,0) (0,2) (−1,0) (−1,2).
      {"quarter turn", {0, 0, 0}, {2, 1, 0}, AcGeMatrix3d::rotation(kPi / 2, {0, 0, 1}),
       {-1, 0, 0}, {0, 2, 0}},
      // The unit square turned 45°: corners (0,0) (h,h) (−h,h) (0,2h).
      {"eighth turn grows the box", {0, 0, 0}, {1, 1, 0}, AcGeMatrix3d::rotation(kPi / 4, {0, 0, 1}),
       {-h, 0, 0}, {h, 2 * h, 0}},
      {"scaling 2", {1, 1, 1}, {2, 3, 4}, AcGeMatrix3d::scaling(2.0), {2, 2, 2}, {4, 6, 8}},
      {"mirror in y = x", {0, 0, 0}, {3, 1, 0},
       AcGeMatrix3d::mirroring(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)), {0, 0, 0}, {1, 3, 0}},
      // A quarter turn about X: y → z, z → −y.
      {"quarter turn about X", {0, 0, 0}, {1, 2, 3}, AcGeMatrix3d::rotation(kPi / 2, {1, 0, 0}),
       {0, -3, 0}, {1, 0, 2}},
      {"translation", {0, 0, 0}, {1, 1, 1}, AcGeMatrix3d::translation({10, -5, 2}), {10, -5, 2},
       {11, -4, 3}},
  };
  for (const auto& c : cases) {
    AcDbExtents box(c.min, c.max);
    box.transformBy(c.m);
    EXPECT_TRUE(nearBox(box, c.expectedMin, c.expectedMax)) << c.name;
  }
}

struct ContainsCase {
  const char* name;
  AcGePoint3d p;
  bool inside;
};
constexpr ContainsCase kContainsCases[] = {
    {"inside", {1, 1, 1}, true},
    {"on a face", {0, 1, 1}, true},
    {"a corner", {2, 2, 2}, true},
    {"just outside in x", {2.000001, 1, 1}, false},
    {"outside in z only", {1, 1, -0.5}, false},
};

TEST(Extents, ContainsIncludesTheBoundary) {
  const AcDbExtents box({0, 0, 0}, {2, 2, 2});
  for (const auto& c : kContainsCases)
    EXPECT_EQ(box.contains(c.p), c.inside) << c.name;
}

struct IntersectsCase {
  const char* name;
  AcGePoint3d min, max;
  bool meets;
};
constexpr IntersectsCase kIntersectsCases[] = {
    {"overlapping", {1, 1, 1}, {3, 3, 3}, true},
    {"touching at a face", {2, 0, 0}, {3, 2, 2}, true},
    {"inside", {0.5, 0.5, 0.5}, {1, 1, 1}, true},
    {"surrounding", {-1, -1, -1}, {5, 5, 5}, true},
    {"gap in x", {2.5, 0, 0}, {3, 2, 2}, false},
    {"apart in z only", {0, 0, 3}, {2, 2, 4}, false},
};

TEST(Extents, IntersectsCountsTouching) {
  const AcDbExtents box({0, 0, 0}, {2, 2, 2});
  for (const auto& c : kIntersectsCases) {
    const AcDbExtents other(c.min, c.max);
    EXPECT_EQ(box.intersects(other), c.meets) << c.name;
    EXPECT_EQ(other.intersects(box), c.meets) << c.name << " (reversed)";
  }
}

}  // namespace
