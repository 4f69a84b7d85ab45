// Tests of rounding polygon corners into bulged polyline vertices, against
// vertices worked out by hand.
#include "rounded_contour.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zek::plategen {
namespace {

constexpr double kQuarter = 0.41421356237309503;  // tan(22.5 degrees): a 90-degree arc

struct RoundCase {
  const char* name;
  std::vector<Point2> corners;
  double radius;
  std::vector<PolyVertex> expected;
};

TEST(PlateGenerator, RoundsEachContourCornerIntoATangentArc) {
  const RoundCase cases[] = {
      {"a 10 x 10 square with R2 corners, counter-clockwise from its lower-left corner",
       {{0, 0}, {10, 0}, {10, 10}, {0, 10}},
       2.0,
       {{0, 2, kQuarter}, {2, 0, 0}, {8, 0, kQuarter}, {10, 2, 0},
        {10, 8, kQuarter}, {8, 10, 0}, {2, 10, kQuarter}, {0, 8, 0}}},
      // The inner corner of an L turns right: its arc runs clockwise.
      {"an L with R1 corners: the concave corner at 4,2 bulges the other way",
       {{0, 0}, {6, 0}, {6, 2}, {4, 2}, {4, 6}, {0, 6}},
       1.0,
       {{0, 1, kQuarter}, {1, 0, 0}, {5, 0, kQuarter}, {6, 1, 0},
        {6, 1, kQuarter}, {5, 2, 0}, {5, 2, -kQuarter}, {4, 3, 0},
        {4, 5, kQuarter}, {3, 6, 0}, {1, 6, kQuarter}, {0, 5, 0}}},
  };
  for (const RoundCase& c : cases) {
    std::vector<PolyVertex> got = roundedPolygon(c.corners, c.radius);
    ASSERT_EQ(got.size(), c.expected.size()) << c.name;
    for (std::size_t i = 0; i < got.size(); ++i) {
      EXPECT_DOUBLE_EQ(got[i].x, c.expected[i].x) << c.name << ", vertex " << i;
      EXPECT_DOUBLE_EQ(got[i].y, c.expected[i].y) << c.name << ", vertex " << i;
      EXPECT_DOUBLE_EQ(got[i].bulge, c.expected[i].bulge) << c.name << ", vertex " << i;
    }
  }
}

// A 45-degree corner of a triangle: the tangent points lie r tan(67.5) from
// the corner, the arc turns 135 degrees (bulge tan 33.75).
TEST(PlateGenerator, SetsBackContourTangentPointsByTheTurnAtTheCorner) {
  const std::vector<Point2> triangle = {{0, 0}, {10, 0}, {0, 10}};
  std::vector<PolyVertex> got = roundedPolygon(triangle, 1.0);
  ASSERT_EQ(got.size(), 6u);
  const double setBack = 2.414213562373095;  // tan(67.5 degrees)
  EXPECT_NEAR(got[2].x, 10 - setBack, 1e-12) << "in along the bottom edge";
  EXPECT_NEAR(got[2].y, 0.0, 1e-12);
  EXPECT_NEAR(got[2].bulge, 0.6681786379192989, 1e-12) << "tan(33.75 degrees)";
  EXPECT_NEAR(got[3].x, 10 - setBack * 0.7071067811865476, 1e-12) << "out along the slope";
  EXPECT_NEAR(got[3].y, setBack * 0.7071067811865476, 1e-12);
}

}  // namespace
}  // namespace zek::plategen
