// Outline geometry: arcs from bulges, areas, distances, repeated vertices
// and the self-crossing check, with figures worked out by hand.
#include "outline_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "outline_checks.h"

namespace zek {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kQuarter = 0.41421356237309503;  // tan(π/8)

TEST(Segment, ArcsFromBulges) {
  // A half circle turning left from (0,0) to (2,0) passes below the chord.
  const Segment half{{0, 0}, {2, 0}, 1.0};
  EXPECT_NEAR(half.centre().x, 1.0, 1e-12);
  EXPECT_NEAR(half.centre().y, 0.0, 1e-12);
  EXPECT_NEAR(half.radius(), 1.0, 1e-12);
  EXPECT_NEAR(half.sweep(), kPi, 1e-12);
  EXPECT_NEAR(half.pointAt(0.5).x, 1.0, 1e-12);
  EXPECT_NEAR(half.pointAt(0.5).y, -1.0, 1e-12);
  EXPECT_NEAR(half.startTangent().x, 0.0, 1e-12);
  EXPECT_NEAR(half.startTangent().y, -1.0, 1e-12);
  EXPECT_NEAR(half.endTangent().y, 1.0, 1e-12);

  // The quarter circle of a rounded corner: (9,0) to (10,1) about (9,1).
  const Segment corner{{9, 0}, {10, 1}, kQuarter};
  EXPECT_NEAR(corner.centre().x, 9.0, 1e-12);
  EXPECT_NEAR(corner.centre().y, 1.0, 1e-12);
  EXPECT_NEAR(corner.radius(), 1.0, 1e-12);
  EXPECT_NEAR(corner.pointAt(0.5).x, 9.0 + std::sqrt(0.5), 1e-12);
  EXPECT_NEAR(corner.pointAt(0.5).y, 1.0 - std::sqrt(0.5), 1e-12);

  // Turning right, three quarters of a circle: the centre lies left of the chord.
  const Segment major{{0, 0}, {2, 0}, -std::tan(3.0 * kPi / 8.0)};
  EXPECT_NEAR(major.centre().x, 1.0, 1e-12);
  EXPECT_NEAR(major.centre().y, 1.0, 1e-12);
  EXPECT_NEAR(major.radius(), std::sqrt(2.0), 1e-12);
  EXPECT_NEAR(major.sweep(), -1.5 * kPi, 1e-12);
}

const Outline kRectangle{{0, 0, 0}, {10, 0, 0}, {10, 4, 0}, {0, 4, 0}};
const Outline kRoundedRectangle{{1, 0, 0}, {9, 0, kQuarter}, {10, 1, 0}, {10, 3, kQuarter},
                                {9, 4, 0}, {1, 4, kQuarter}, {0, 3, 0}, {0, 1, kQuarter}};
const Outline kCircle{{5, 0, 1.0}, {-5, 0, 1.0}};  // radius 5 about the origin

struct AreaCase {
  const char* name;
  Outline outline;
  double area;
};
const AreaCase kAreaCases[] = {
    {"rectangle 10 x 4", kRectangle, 40.0},
    {"the same clockwise", {{0, 0, 0}, {0, 4, 0}, {10, 4, 0}, {10, 0, 0}}, -40.0},
    {"rounded with R1: 40 - 4 + π", kRoundedRectangle, 36.0 + kPi},
    {"a circle of radius 5", kCircle, 25.0 * kPi},
    {"a slot 10 x 2 with half-circle ends", {{0, 0, 0}, {10, 0, 1.0}, {10, 2, 0}, {0, 2, 1.0}},
     20.0 + kPi},
    {"a rectangle 10 x 2 with a half circle cut into the top",
     {{0, 0, 0}, {10, 0, 0}, {10, 2, 0}, {6, 2, -1.0}, {4, 2, 0}, {0, 2, 0}}, 20.0 - kPi / 2.0},
    {"the same with the half circle standing up",
     {{0, 0, 0}, {10, 0, 0}, {10, 2, 0}, {6, 2, 1.0}, {4, 2, 0}, {0, 2, 0}}, 20.0 + kPi / 2.0},
};

TEST(SignedArea, CountsArcsAndDirection) {
  for (const AreaCase& c : kAreaCases) {
    EXPECT_NEAR(signedArea(c.outline), c.area, 1e-9) << c.name;
    EXPECT_NEAR(signedArea(reversed(c.outline)), -c.area, 1e-9) << c.name << " reversed";
  }
}

TEST(Reversed, KeepsTheFirstVertexAndTurnsTheBulges) {
  const Outline back = reversed({{0, 0, 0.1}, {10, 0, 0.2}, {10, 4, 0.3}});
  ASSERT_EQ(back.size(), 3u);
  EXPECT_EQ(back[0].x, 0.0);
  EXPECT_EQ(back[0].bulge, -0.3);  // back along the segment from (10,4)
  EXPECT_EQ(back[1].x, 10.0);
  EXPECT_EQ(back[1].y, 4.0);
  EXPECT_EQ(back[1].bulge, -0.2);
  EXPECT_EQ(back[2].y, 0.0);
  EXPECT_EQ(back[2].bulge, -0.1);
}

struct DistanceCase {
  const char* name;
  Point2 point;
  double distance;
};
const DistanceCase kDistanceCases[] = {
    {"below the bottom side", {5, -2}, 2.0},
    {"inside, nearest the top", {5, 3.5}, 0.5},
    {"beyond the corner arc", {9 + 3 * std::sqrt(0.5), 1 - 3 * std::sqrt(0.5)}, 2.0},
    {"at the arc's centre", {9, 1}, 1.0},
    {"off the end of an arc, nearest its end", {11, 2}, 1.0},
};

TEST(DistanceToOutline, ReachesSidesAndArcs) {
  for (const DistanceCase& c : kDistanceCases)
    EXPECT_NEAR(distanceToOutline(c.point, kRoundedRectangle), c.distance, 1e-12) << c.name;
}

TEST(WithoutRepeatedVertices, DropsSegmentsOfNoLength) {
  const Outline kept =
      withoutRepeatedVertices({{0, 0, 0.5}, {0, 0, 0}, {10, 0, 0}, {10, 4, 0}, {0, 4, 0}, {0, 0, 0}});
  ASSERT_EQ(kept.size(), 4u);
  EXPECT_EQ(kept[0].x, 0.0);
  EXPECT_EQ(kept[0].bulge, 0.0);  // the bulge of the segment that goes on
  EXPECT_EQ(kept[3].y, 4.0);
}

struct CrossingCase {
  const char* name;
  Outline outline;
  bool crosses;
};
const CrossingCase kCrossingCases[] = {
    {"rectangle", kRectangle, false},
    {"rounded rectangle", kRoundedRectangle, false},
    {"a circle of two halves", kCircle, false},
    {"a D of a line and a half circle", {{0, 0, 0}, {0, 4, 1.0}}, false},
    {"a bow tie", {{0, 0, 0}, {10, 10, 0}, {10, 0, 0}, {0, 10, 0}}, true},
    {"two squares touching at a corner",
     {{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {4, 2, 0}, {4, 4, 0}, {2, 4, 0}, {2, 2, 0}, {0, 2, 0}}, true},
    {"a side running back over the one before", {{0, 0, 0}, {10, 0, 0}, {5, 0, 0}, {5, 5, 0}}, true},
    {"two straight segments on top of each other", {{0, 0, 0}, {10, 0, 0}}, true},
    {"a bottom arc bulging through the top side", {{0, 0, -0.5}, {10, 0, 0}, {10, 1, 0}, {0, 1, 0}},
     true},
    {"a bottom arc bulging in short of the top", {{0, 0, -0.1}, {10, 0, 0}, {10, 1, 0}, {0, 1, 0}},
     false},
    {"an arc side sweeping back across its neighbour",
     {{0, 0, 0}, {10, 0, -2.0}, {10, 4, 0}, {0, 4, 0}}, true},
    // Drawn tangents are rarely exact: the side meets the corner arc 1e-5
    // off its tangent, which is no crossing.
    {"a corner arc met almost tangentially",
     {{1, 0, 0}, {9, 0, kQuarter}, {10, 1.00001, 0}, {10, 4, 0}, {0, 4, 0}}, false},
};

TEST(CrossesItself, FindsCrossingsTouchesAndOverlaps) {
  for (const CrossingCase& c : kCrossingCases)
    EXPECT_EQ(crossesItself(c.outline), c.crosses) << c.name;
}

}  // namespace
}  // namespace zek
