// The plane geometry of the overcut: sides and their tolerance, the offset
// sign convention, crossings, feet, circles on vertical, horizontal and
// sloped lines with the discriminant's thresholds.
#include "overcut_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace zek {
namespace {

constexpr double kTight = 1e-9;

void expectPoint(Point2 actual, Point2 expected, const char* row) {
  EXPECT_NEAR(actual.x, expected.x, kTight) << row;
  EXPECT_NEAR(actual.y, expected.y, kTight) << row;
}

struct SideCase {
  const char* row;
  Line2 line;
  Point2 point;
  int side;
};
constexpr SideCase kSideCases[] = {
    {"left of a line running right", {{0, 0}, {10, 0}}, {5, 1}, -1},
    {"right of a line running right", {{0, 0}, {10, 0}}, {5, -1}, 1},
    {"the same point, line drawn the other way", {{10, 0}, {0, 0}}, {5, -1}, -1},
    {"right of a line running up", {{0, 0}, {0, 10}}, {3, 5}, 1},
    {"on the line beyond its end", {{0, 0}, {10, 0}}, {25, 0}, 0},
    // cross product 10 × 5e-8 = 5e-7: within 1e-6, on the line
    {"within the cross tolerance", {{0, 0}, {10, 0}}, {5, 5e-8}, 0},
    // cross product 10 × 2e-7 = 2e-6: off the line
    {"just past the cross tolerance", {{0, 0}, {10, 0}}, {5, 2e-7}, -1},
};

TEST(OvercutGeometry, SideOfAPoint) {
  for (const auto& c : kSideCases)
    EXPECT_EQ(sideOf(c.line, c.point), c.side) << c.row;
}

// The offset convention: a positive distance moves a line to its right, so
// side × distance moves it towards a point on that side.
struct OffsetCase {
  const char* row;
  Line2 line;
  double distance;
  Line2 moved;
};
constexpr OffsetCase kOffsetCases[] = {
    {"running right, +2 moves down", {{0, 0}, {10, 0}}, 2, {{0, -2}, {10, -2}}},
    {"running right, -2 moves up", {{0, 0}, {10, 0}}, -2, {{0, 2}, {10, 2}}},
    {"running up, +1 × 2 towards (3, 5) on its right", {{0, 0}, {0, 10}}, 2, {{2, 0}, {2, 10}}},
    {"running down, -1 × 2 towards (3, 5) on its left", {{0, 10}, {0, 0}}, -2, {{2, 10}, {2, 0}}},
    {"diagonal, +√2 moves by (1, -1)", {{0, 0}, {4, 4}}, std::numbers::sqrt2, {{1, -1}, {5, 3}}},
    {"a line shorter than 1e-6 stays", {{1, 1}, {1, 1 + 5e-7}}, 3, {{1, 1}, {1, 1 + 5e-7}}},
};

TEST(OvercutGeometry, OffsetMovesToTheRightForPositiveDistances) {
  for (const auto& c : kOffsetCases) {
    const Line2 moved = offsetLine(c.line, c.distance);
    expectPoint(moved.start, c.moved.start, c.row);
    expectPoint(moved.end, c.moved.end, c.row);
  }
}

struct DistanceCase {
  const char* row;
  Line2 line;
  Point2 point;
  double distance;
};
constexpr DistanceCase kDistanceCases[] = {
    {"right of a line running right is positive", {{0, 0}, {10, 0}}, {3, -4}, 4},
    {"left is negative", {{0, 0}, {10, 0}}, {3, 4}, -4},
    {"measured from the infinite line", {{0, 0}, {10, 0}}, {-30, 4}, -4},
    {"diagonal", {{0, 0}, {3, 4}}, {4, -3}, 5},
    {"a line shorter than 1e-6 measures nothing", {{2, 2}, {2, 2}}, {5, 5}, 0},
};

TEST(OvercutGeometry, SignedDistanceIsPositiveOnTheRight) {
  for (const auto& c : kDistanceCases)
    EXPECT_NEAR(signedDistance(c.line, c.point), c.distance, kTight) << c.row;
}

TEST(OvercutGeometry, LinesCrossUnlessParallel) {
  Point2 crossing;
  ASSERT_TRUE(intersectLines({{0, 0}, {10, 0}}, {{3, -5}, {3, 5}}, crossing));
  expectPoint(crossing, {3, 0}, "a vertical line across a horizontal one");
  ASSERT_TRUE(intersectLines({{0, 0}, {1, 1}}, {{10, 0}, {9, 1}}, crossing));
  expectPoint(crossing, {5, 5}, "crossing beyond both drawn segments");
  EXPECT_FALSE(intersectLines({{0, 0}, {10, 0}}, {{0, 1}, {-5, 1}}, crossing))
      << "antiparallel lines";
  // determinant 10 × 10 × sin(5e-9) = 5e-7: below 1e-6, parallel
  EXPECT_FALSE(intersectLines({{0, 0}, {10, 0}}, {{0, 1}, {10, 1 + 5e-8}}, crossing))
      << "nearly parallel";
}

TEST(OvercutGeometry, FootOfThePerpendicular) {
  expectPoint(footOnLine({{0, 0}, {10, 0}}, {4, 7}), {4, 0}, "onto a horizontal line");
  expectPoint(footOnLine({{0, 0}, {10, 0}}, {-4, 7}), {-4, 0}, "beyond the start");
  expectPoint(footOnLine({{0, 0}, {2, 2}}, {0, 4}), {2, 2}, "onto a diagonal");
  expectPoint(footOnLine({{1, 1}, {1, 1}}, {5, 5}), {1, 1}, "a point line answers its start");
}

struct CircleCase {
  const char* row;
  Point2 centre;
  double radius;
  Line2 line;
  std::vector<Point2> hits;  // in the order answered
};

TEST(OvercutGeometry, CircleMeetsLine) {
  const std::vector<CircleCase> cases = {
      {"vertical through the centre", {0, 0}, 5, {{0, -9}, {0, 9}}, {{0, -5}, {0, 5}}},
      {"vertical off the centre: 3-4-5", {1, 1}, 5, {{4, 0}, {4, 1}}, {{4, -3}, {4, 5}}},
      {"vertical touching", {0, 0}, 1, {{1, 0}, {1, 1}}, {{1, 0}}},
      // r² − (x − cx)² = 1 − (1 + 4e-7)² ≈ -8e-7: within 1e-6, touching
      {"vertical just outside, within the threshold", {0, 0}, 1, {{1 + 4e-7, 0}, {1 + 4e-7, 1}},
       {{1 + 4e-7, 0}}},
      // 1 − (1 + 6e-7)² ≈ -1.2e-6: below -1e-6, missing
      {"vertical just past the threshold", {0, 0}, 1, {{1 + 6e-7, 0}, {1 + 6e-7, 1}}, {}},
      {"vertical missing", {0, 0}, 1, {{2, 0}, {2, 1}}, {}},
      // x differs by 5e-5 < 0.0001 along the line: solved as x = 3 (its start)
      {"nearly vertical is vertical", {0, 0}, 5, {{3, -10}, {3.00005, 10}}, {{3, -4}, {3, 4}}},
      {"horizontal", {0, 0}, 5, {{-9, 3}, {9, 3}}, {{-4, 3}, {4, 3}}},
      {"horizontal touching", {0, 2}, 2, {{-9, 0}, {9, 0}}, {{0, 0}}},
      {"horizontal missing", {0, 0}, 1, {{-9, -3}, {9, -3}}, {}},
      // y = x + 5 on r 5: 2x² + 10x = 0
      {"sloped", {0, 0}, 5, {{-10, -5}, {10, 15}}, {{-5, 0}, {0, 5}}},
      // x + y = 2 touches r √2 at (1, 1)
      {"sloped touching", {0, 0}, std::numbers::sqrt2, {{0, 2}, {2, 0}}, {{1, 1}}},
      {"sloped missing", {0, 0}, 1, {{0, 2}, {2, 0}}, {}},
  };
  for (const auto& c : cases) {
    const std::vector<Point2> hits = intersectCircleLine(c.centre, c.radius, c.line);
    ASSERT_EQ(hits.size(), c.hits.size()) << c.row;
    for (std::size_t i = 0; i < hits.size(); ++i)
      expectPoint(hits[i], c.hits[i], c.row);
  }
}

TEST(OvercutGeometry, SlopedDiscriminantThreshold) {
  // The line x − y = c lies c/√2 from the centre; with slope 1 the
  // discriminant of the slope form is 8 (r² − distance²).
  const double touching = std::numbers::sqrt2;  // distance 1 = r
  const double within = touching * (1 + 5e-8);  // 8 (1 − (1 + 5e-8)²) ≈ -8e-7
  const double beyond = touching * (1 + 2e-7);   // ≈ -3.2e-6
  EXPECT_EQ(intersectCircleLine({0, 0}, 1, {{within, 0}, {within + 1, 1}}).size(), 1u);
  EXPECT_EQ(intersectCircleLine({0, 0}, 1, {{beyond, 0}, {beyond + 1, 1}}).size(), 0u);
}

TEST(OvercutGeometry, DirectionAngles) {
  const double pi = std::numbers::pi;
  EXPECT_NEAR(directionAngle({0, 0}, {1, 0}), 0, kTight);
  EXPECT_NEAR(directionAngle({0, 0}, {0, 1}), pi / 2, kTight);
  EXPECT_NEAR(directionAngle({0, 0}, {-1, 0}), pi, kTight);
  EXPECT_NEAR(directionAngle({0, 0}, {0, -1}), 1.5 * pi, kTight) << "never negative";
  EXPECT_NEAR(directionAngle({2, 2}, {1, 1}), 1.25 * pi, kTight);
  EXPECT_EQ(directionAngle({3, 3}, {3, 3}), 0.0) << "coinciding points";
  EXPECT_NEAR(distanceBetween({1, 1}, {4, 5}), 5, kTight);
}

}  // namespace
}  // namespace zek
