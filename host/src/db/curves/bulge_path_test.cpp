// Tests of polyline paths: lengths with bulges and the closing segment,
// points and parameters inside bulged segments, nearest points, areas,
// extents, crossing tests and the OCS of a flipped normal.
#include "db/curves/bulge_path.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "db/curves/curve_test_support.h"

namespace zek::curve {
namespace {

using test::pointsNear;

// A slot 10 long and 10 wide: two straight sides and two half circles of
// radius 5 (bulge 1), counter-clockwise.
const std::vector<PolylineVertex> kSlot = {
    {{0, 0}, 0.0}, {{10, 0}, 1.0}, {{10, 10}, 0.0}, {{0, 10}, 1.0}};
// A half circle below the chord (0,0)–(2,0): bulge 1 turns counter-clockwise
// from (0,0) through (1,−1) to (2,0).
const std::vector<PolylineVertex> kHalfCircle = {{{0, 0}, 1.0}, {{2, 0}, 0.0}};
// The unit square, counter-clockwise.
const std::vector<PolylineVertex> kSquare = {
    {{0, 0}, 0.0}, {{1, 0}, 0.0}, {{1, 1}, 0.0}, {{0, 1}, 0.0}};

TEST(BulgePathLength, SlotCountsBothHalfCircles) {
  const BulgePath slot{kSlot, true};
  EXPECT_EQ(slot.segmentCount(), 4);
  EXPECT_NEAR(slot.length(), 20.0 + 10.0 * test::kPi, 1e-12);  // 2·10 + 2·(π·5)
}

TEST(BulgePathLength, ClosingSegmentCountsOnlyWhenClosed) {
  EXPECT_NEAR((BulgePath{kSquare, false}).length(), 3.0, 1e-15);
  EXPECT_NEAR((BulgePath{kSquare, true}).length(), 4.0, 1e-15);
  // The slot's last half circle is its closing segment: open, it is a U.
  EXPECT_NEAR((BulgePath{kSlot, false}).length(), 20.0 + 5.0 * test::kPi, 1e-12);
}

TEST(BulgePathParams, MiddleOfABulgedSegment) {
  const BulgePath half{kHalfCircle, false};
  AcGePoint3d p;
  ASSERT_TRUE(half.pointAt(0.5, p));
  EXPECT_TRUE(pointsNear(p, AcGePoint3d(1, -1, 0), 1e-15));
  ASSERT_TRUE(half.pointAt(0.25, p));
  // A quarter of the way round from angle π: angle 5π/4.
  EXPECT_TRUE(pointsNear(p, AcGePoint3d(1 - std::sqrt(0.5), -std::sqrt(0.5), 0), 1e-15));
  double param = 0.0;
  ASSERT_TRUE(half.paramAtPoint(AcGePoint3d(1, -1, 0), param));
  EXPECT_NEAR(param, 0.5, 1e-15);
  EXPECT_FALSE(half.paramAtPoint(AcGePoint3d(1, 1, 0), param)) << "on the circle, off the arc";
  EXPECT_NEAR(half.lengthTo(0.5), test::kHalfPi, 1e-15);
  EXPECT_NEAR(half.paramAtLength(test::kHalfPi), 0.5, 1e-15);
  EXPECT_FALSE(half.pointAt(1.5, p)) << "past the last vertex";
}

TEST(BulgePathParams, QuarterArcOfTanPiOver8) {
  // (1,0) to (0,1) with bulge tan(π/8): the quarter of the unit circle.
  const std::vector<PolylineVertex> quarter = {{{1, 0}, 0.41421356237309503}, {{0, 1}, 0.0}};
  AcGePoint3d p;
  ASSERT_TRUE((BulgePath{quarter, false}).pointAt(0.5, p));
  EXPECT_TRUE(pointsNear(p, AcGePoint3d(std::sqrt(0.5), std::sqrt(0.5), 0), 1e-15));
}

TEST(BulgePathArea, BulgesAddOrTakeAway) {
  EXPECT_NEAR((BulgePath{kSlot, true}).area(), 100.0 + 25.0 * test::kPi, 1e-12);
  EXPECT_NEAR((BulgePath{kHalfCircle, false}).area(), test::kHalfPi, 1e-15)
      << "the half disc closed by its chord";
  // The unit square with its bottom edge bulging inwards by a half circle
  // (bulge −1 turns clockwise, into the square): 1 − π/8.
  std::vector<PolylineVertex> bitten = kSquare;
  bitten[0].bulge = -1.0;
  EXPECT_NEAR((BulgePath{bitten, true}).area(), 1.0 - test::kPi / 8.0, 1e-15);
}

TEST(BulgePathGeometry, ExtentsReachTheArcs) {
  AcDbExtents box = (BulgePath{kSlot, true}).extents(0.0);
  EXPECT_TRUE(pointsNear(box.minPoint(), AcGePoint3d(-5, 0, 0), 1e-12));
  EXPECT_TRUE(pointsNear(box.maxPoint(), AcGePoint3d(15, 10, 0), 1e-12));
  box = (BulgePath{kHalfCircle, false, AcGeVector3d::kZAxis, 3.0}).extents(2.0);
  EXPECT_TRUE(pointsNear(box.minPoint(), AcGePoint3d(0, -1, 3), 1e-12));
  EXPECT_TRUE(pointsNear(box.maxPoint(), AcGePoint3d(2, 0, 5), 1e-12)) << "elevation 3, thickness 2";
}

TEST(BulgePathGeometry, ClosestPointOnArcsAndLines) {
  const BulgePath slot{kSlot, true};
  EXPECT_TRUE(pointsNear(slot.closestPoint(AcGePoint3d(20, 5, 0)), AcGePoint3d(15, 5, 0), 1e-12));
  EXPECT_TRUE(pointsNear(slot.closestPoint(AcGePoint3d(5, -3, 0)), AcGePoint3d(5, 0, 0), 1e-12));
}

TEST(BulgePathGeometry, CrossesOnlyWhereTheSegmentsAre) {
  const BulgePath slot{kSlot, true};
  // Inside the slot, clear of every side.
  EXPECT_FALSE(slot.crossesBox(AcDbExtents(AcGePoint3d(2, 2, 0), AcGePoint3d(8, 8, 0))));
  // In the corner of the extents beyond the right half circle.
  EXPECT_FALSE(slot.crossesBox(AcDbExtents(AcGePoint3d(14, 9, 0), AcGePoint3d(15, 10, 0))));
  EXPECT_TRUE(slot.crossesBox(AcDbExtents(AcGePoint3d(14.5, 4, 0), AcGePoint3d(16, 6, 0))));
}

TEST(BulgePathOcs, FlippedNormalMirrorsX) {
  // Normal −Z: OCS (x, y, elevation) is world (−x, y, −elevation).
  const BulgePath half{kHalfCircle, false, AcGeVector3d(0, 0, -1), 2.0};
  AcGePoint3d p;
  ASSERT_TRUE(half.pointAt(0.5, p));
  EXPECT_TRUE(pointsNear(p, AcGePoint3d(-1, -1, -2), 1e-15));
  double param = 0.0;
  ASSERT_TRUE(half.paramAtPoint(AcGePoint3d(-1, -1, -2), param));
  EXPECT_NEAR(param, 0.5, 1e-15);
  const AcDbExtents box = half.extents(0.0);
  EXPECT_TRUE(pointsNear(box.minPoint(), AcGePoint3d(-2, -1, -2), 1e-15));
  EXPECT_TRUE(pointsNear(box.maxPoint(), AcGePoint3d(0, 0, -2), 1e-15));
}

}  // namespace
}  // namespace zek::curve
