// Circles and arcs from given points, against hand-worked figures.
#include "editor/commands/arc_fitting.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zek {
namespace {

constexpr double kPi = 3.14159265358979323846;

TEST(ArcFitting, CircleThroughThreePoints) {
  // (0,0), (4,0), (0,2): a right angle at the origin, so the hypotenuse
  // (4,0)-(0,2) is a diameter: centre (2,1), radius √5.
  auto circle = circleThroughPoints({0, 0}, {4, 0}, {0, 2});
  ASSERT_TRUE(circle);
  EXPECT_NEAR(circle->centre.x, 2.0, 1e-12);
  EXPECT_NEAR(circle->centre.y, 1.0, 1e-12);
  EXPECT_NEAR(circle->radius, std::sqrt(5.0), 1e-12);
  EXPECT_FALSE(circleThroughPoints({0, 0}, {1, 1}, {3, 3})) << "points on one line";
  EXPECT_FALSE(circleThroughPoints({0, 0}, {0, 0}, {3, 1})) << "two points the same";
}

struct ArcCase {
  const char* name;
  AcGePoint2d p1, p2, p3;
  double cx, cy, r, start, end;
};
const ArcCase kArcCases[] = {
    // The upper half of the unit circle, drawn left to right over the top:
    // clockwise, so the arc runs from the right end (0) to the left end (π).
    {"clockwise over the top", {-1, 0}, {0, 1}, {1, 0}, 0, 0, 1, 0, kPi},
    // The same points the other way round: counter-clockwise from (1,0).
    {"counter-clockwise over the top", {1, 0}, {0, 1}, {-1, 0}, 0, 0, 1, 0, kPi},
    // Through the bottom: from (1,0) clockwise under to (-1,0) is
    // counter-clockwise from π to 2π.
    {"under the bottom", {1, 0}, {0, -1}, {-1, 0}, 0, 0, 1, kPi, 0},
    // A quarter from (3,0) to (0,3) about the origin through 45°.
    {"a quarter", {3, 0}, {3 / std::sqrt(2.0), 3 / std::sqrt(2.0)}, {0, 3}, 0, 0, 3, 0, kPi / 2},
};

TEST(ArcFitting, ArcThroughThreePointsRunsCounterClockwise) {
  for (const ArcCase& c : kArcCases) {
    auto arc = arcThroughPoints(c.p1, c.p2, c.p3);
    ASSERT_TRUE(arc) << c.name;
    EXPECT_NEAR(arc->centre.x, c.cx, 1e-12) << c.name;
    EXPECT_NEAR(arc->centre.y, c.cy, 1e-12) << c.name;
    EXPECT_NEAR(arc->radius, c.r, 1e-12) << c.name;
    EXPECT_NEAR(arc->startAngle, c.start, 1e-12) << c.name;
    EXPECT_NEAR(arc->endAngle, c.end, 1e-12) << c.name;
  }
}

TEST(ArcFitting, ArcsAboutACentre) {
  // Centre (1,1), start (3,1): radius 2 at angle 0; the end point only gives
  // the direction (far out at 90°).
  auto arc = arcFromCentre({1, 1}, {3, 1}, {1, 10});
  ASSERT_TRUE(arc);
  EXPECT_NEAR(arc->radius, 2.0, 1e-12);
  EXPECT_NEAR(arc->startAngle, 0.0, 1e-12);
  EXPECT_NEAR(arc->endAngle, kPi / 2, 1e-12);
  EXPECT_FALSE(arcFromCentre({1, 1}, {1, 1}, {2, 2})) << "the start on the centre";

  auto clockwise = arcFromCentreAngle({0, 0}, {0, 2}, -kPi / 2);
  ASSERT_TRUE(clockwise);
  EXPECT_NEAR(clockwise->startAngle, 0.0, 1e-12) << "-90° from the top ends at the right";
  EXPECT_NEAR(clockwise->endAngle, kPi / 2, 1e-12);
  EXPECT_FALSE(arcFromCentreAngle({0, 0}, {0, 2}, 0.0));
}

}  // namespace
}  // namespace zek
