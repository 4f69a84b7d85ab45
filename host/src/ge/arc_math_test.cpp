// Tests of arc arithmetic: angle normalisation, sweeps, bulge arcs in both
// turning directions, segment lengths and arc extents across the 0/2π seam.
#include "zek/arc_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "ge_expect.h"

namespace {

using zek::test::nearBox;
using zek::test::nearXy;
constexpr double kPi = std::numbers::pi;
const double kRoot2 = std::sqrt(2.0);

struct NormalizeCase {
  const char* name;
  double angle, expected;
};
constexpr NormalizeCase kNormalizeCases[] = {
    {"zero", 0.0, 0.0},
    {"a whole turn is 0", 2 * kPi, 0.0},
    {"negative quarter", -kPi / 2, 3 * kPi / 2},
    {"two and a half turns", 5 * kPi, kPi},
    {"7 radians", 7.0, 0.7168146928204138},
    {"a hair below zero is 0, never 2π", -1e-20, 0.0},
    {"three turns back", -6 * kPi + 1.0, 1.0},
};

TEST(ArcMath, NormalizeAngleIntoOneTurn) {
  for (const auto& c : kNormalizeCases) {
    const double a = zek::normalizeAngle(c.angle);
    EXPECT_NEAR(a, c.expected, 1e-12) << c.name;
    EXPECT_GE(a, 0.0) << c.name;
    EXPECT_LT(a, 2 * kPi) << c.name;
  }
}

struct SweepCase {
  const char* name;
  double start, end, sweep;
};
constexpr SweepCase kSweepCases[] = {
    {"quarter", 0.0, kPi / 2, kPi / 2},
    {"across the seam", 3 * kPi / 2, kPi / 2, kPi},
    {"the long way round", kPi / 2, 0.0, 3 * kPi / 2},
    {"negative start", -kPi / 2, kPi / 2, kPi},
    {"0 to 2π: the full circle", 0.0, 2 * kPi, 2 * kPi},
    {"equal angles: nothing", 1.0, 1.0, 0.0},
};

TEST(ArcMath, SweepRunsCounterClockwise) {
  for (const auto& c : kSweepCases)
    EXPECT_NEAR(zek::arcSweep(c.start, c.end), c.sweep, 1e-12) << c.name;
}

struct OnArcCase {
  const char* name;
  double angle, start, end;
  bool on;
};
constexpr OnArcCase kOnArcCases[] = {
    {"inside a quarter", kPi / 4, 0.0, kPi / 2, true},
    {"the start point", 0.0, 0.0, kPi / 2, true},
    {"the end point", kPi / 2, 0.0, kPi / 2, true},
    {"past the end", kPi, 0.0, kPi / 2, false},
    {"0 on an arc across the seam", 0.0, 3 * kPi / 2, kPi / 2, true},
    {"π off an arc across the seam", kPi, 3 * kPi / 2, kPi / 2, false},
    {"an angle given past a whole turn", 2 * kPi + kPi / 4, 0.0, kPi / 2, true},
    {"π to 0 is the lower half: π/2 is not on it", kPi / 2, kPi, 0.0, false},
    {"...and 3π/2 is", 3 * kPi / 2, kPi, 0.0, true},
    {"anything on a full circle", 4.0, 0.0, 2 * kPi, true},
};

TEST(ArcMath, AngleOnArc) {
  for (const auto& c : kOnArcCases)
    EXPECT_EQ(zek::angleOnArc(c.angle, c.start, c.end), c.on) << c.name;
}

struct BulgeCase {
  const char* name;
  AcGePoint2d p1, p2;
  double bulge;
  AcGePoint2d centre;
  double radius, start, end, sweep;
};
const double kQuarterBulge = std::tan(kPi / 8);  // 0.41421356...
const BulgeCase kBulgeCases[] = {
    // Chord √2, r = √2·(1 + b²)/(4b) = 1.
    {"quarter circle, counter-clockwise", {1, 0}, {0, 1}, kQuarterBulge, {0, 0}, 1, 0, kPi / 2,
     kPi / 2},
    // Counter-clockwise from (0,0) to (2,0) about (1,0) passes below, (1,−1).
    {"half circle, bulge 1", {0, 0}, {2, 0}, 1.0, {1, 0}, 1, kPi, 0, kPi},
    // Clockwise over the top: as an arc entity, from p2 (angle 0) to p1 (π).
    {"half circle, bulge -1", {0, 0}, {2, 0}, -1.0, {1, 0}, 1, 0, kPi, -kPi},
    {"quarter circle, clockwise", {0, 1}, {1, 0}, -kQuarterBulge, {0, 0}, 1, 0, kPi / 2,
     -kPi / 2},
    // b = tan(3π/8) = 1 + √2: the centre lies right of the chord.
    {"three quarters, past a half circle", {1, 0}, {0, -1}, 1 + kRoot2, {0, 0}, 1, 0,
     3 * kPi / 2, 3 * kPi / 2},
    {"half circle up the Y axis, away from the origin", {10, 5}, {10, 9}, 1.0, {10, 7}, 2,
     3 * kPi / 2, kPi / 2, kPi},
    {"straight segment", {0, 0}, {0, 4}, 0.0, {0, 2}, 0, kPi / 2, kPi / 2, 0},
};

TEST(ArcMath, ArcFromBulge) {
  for (const auto& c : kBulgeCases) {
    const zek::BulgeArc arc = zek::arcFromBulge(c.p1, c.p2, c.bulge);
    EXPECT_TRUE(nearXy(arc.centre, c.centre)) << c.name;
    EXPECT_NEAR(arc.radius, c.radius, 1e-12) << c.name;
    EXPECT_NEAR(arc.startAngle, c.start, 1e-12) << c.name << ": start";
    EXPECT_NEAR(arc.endAngle, c.end, 1e-12) << c.name << ": end";
    EXPECT_NEAR(arc.sweep, c.sweep, 1e-12) << c.name << ": sweep";
  }
}

TEST(ArcMath, BulgeFromArc) {
  EXPECT_NEAR(zek::bulgeFromArc(kPi), 1.0, 1e-15);
  EXPECT_NEAR(zek::bulgeFromArc(-kPi), -1.0, 1e-15);
  EXPECT_NEAR(zek::bulgeFromArc(kPi / 2), kRoot2 - 1, 1e-15);
  EXPECT_NEAR(zek::bulgeFromArc(3 * kPi / 2), kRoot2 + 1, 1e-14);
  EXPECT_EQ(zek::bulgeFromArc(0.0), 0.0);
}

struct LengthCase {
  const char* name;
  AcGePoint2d p1, p2;
  double bulge, length;
};
const LengthCase kLengthCases[] = {
    {"quarter of a unit circle", {1, 0}, {0, 1}, kQuarterBulge, kPi / 2},
    {"half circle of radius 1", {0, 0}, {2, 0}, 1.0, kPi},
    {"clockwise half circle", {0, 0}, {2, 0}, -1.0, kPi},
    {"three quarters of a unit circle", {1, 0}, {0, -1}, 1 + kRoot2, 3 * kPi / 2},
    {"straight 3-4-5", {0, 0}, {3, 4}, 0.0, 5.0},
    {"coincident vertices", {2, 2}, {2, 2}, 0.5, 0.0},
};

TEST(ArcMath, BulgeSegmentLength) {
  for (const auto& c : kLengthCases)
    EXPECT_NEAR(zek::bulgeSegmentLength(c.p1, c.p2, c.bulge), c.length, 1e-12) << c.name;
}

struct ArcBoxCase {
  const char* name;
  double start, end;
  AcGePoint3d min, max;
};
// Radius 2 about (10,10,5); 10 ± √2 = 8.5857864376, 11.4142135624.
const ArcBoxCase kArcBoxCases[] = {
    {"first quadrant: end points only", 0.0, kPi / 2, {10, 10, 5}, {12, 12, 5}},
    {"across the seam passes 0", 7 * kPi / 4, kPi / 4, {11.414213562373096, 8.585786437626904, 5},
     {12, 11.414213562373096, 5}},
    {"the other way passes π/2, π, 3π/2", kPi / 4, 7 * kPi / 4, {8, 8, 5},
     {11.414213562373096, 12, 5}},
    {"seam with a negative start", -kPi / 2, kPi / 2, {10, 8, 5}, {12, 12, 5}},
    {"full circle", 0.0, 2 * kPi, {8, 8, 5}, {12, 12, 5}},
    {"equal angles: the one point", kPi / 2, kPi / 2, {10, 12, 5}, {10, 12, 5}},
};

TEST(ArcMath, ArcExtentsAddQuadrantPointsPassed) {
  for (const auto& c : kArcBoxCases) {
    const AcDbExtents box = zek::arcExtents(AcGePoint3d(10, 10, 5), 2.0, c.start, c.end);
    EXPECT_TRUE(nearBox(box, c.min, c.max)) << c.name;
  }
  const AcDbExtents flat = zek::arcExtents(AcGePoint2d(0, 0), 1.0, kPi, 0.0);
  EXPECT_TRUE(nearBox(flat, {-1, -1, 0}, {1, 0, 0})) << "lower half, 2D centre at z 0";
}

}  // namespace
