// Edge ends and arc extremes: which points an outline's segments give.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "placement/outline_features.h"

namespace zek::adxy1 {
namespace {

constexpr double kPi = std::numbers::pi;

// "X@value/perp" per feature, in order.
std::string describe(const std::vector<FeaturePoint>& features) {
  std::string text;
  char buffer[64];
  for (const FeaturePoint& f : features) {
    std::snprintf(buffer, sizeof buffer, "%s%c%g/%g", text.empty() ? "" : " ",
                  f.axis == Axis::X ? 'X' : 'Y', std::round(f.value * 1000) / 1000,
                  std::round(f.perp * 1000) / 1000);
    text += buffer;
  }
  return text;
}

TEST(OutlineFeatures, ArcsGiveTheExtremesTheyPass) {
  struct Case {
    const char* name;
    double start, end;
    const char* expected;
  };
  // Circle centre (0, 0), radius 10.
  const Case cases[] = {
      {"quarter 0..90: ends before the top test", 0.0, kPi / 2, ""},
      {"0..180 passes the top", 0.0, kPi, "Y10/0"},
      {"0..270 passes top and left", 0.0, 1.5 * kPi, "Y10/0 X-10/0"},
      {"full turn from 0: top, left, bottom (right is its start)", 0.0, 2 * kPi - 1e-9,
       "Y10/0 X-10/0 Y-10/0"},
      {"starting at 100°: no top, then left, bottom", 100.0 / 180 * kPi, 300.0 / 180 * kPi,
       "X-10/0 Y-10/0"},
      {"270..90 wraps: the right point; it ends at the top", 1.5 * kPi, kPi / 2, "X10/0"},
      {"start within 0.001 of 2π counts as 0", 2 * kPi - 0.0005, kPi, "Y10/0"},
      {"200..100 wraps past 360: bottom, right, top", 200.0 / 180 * kPi, 100.0 / 180 * kPi,
       "Y-10/0 X10/0 Y10/0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<FeaturePoint> out;
    addArcExtremeFeatures(0.0, 0.0, 10.0, c.start, c.end, out);
    EXPECT_EQ(describe(out), c.expected);
    for (const FeaturePoint& f : out)
      EXPECT_DOUBLE_EQ(f.radius, kArcExtremeRadius);
  }
}

TEST(OutlineFeatures, StraightEdgesGiveTheirEndsWhenAxisParallel) {
  struct Case {
    const char* name;
    double x0, y0, x1, y1;
    const char* expected;
  };
  const Case cases[] = {
      {"vertical", 5, 0, 5, 40, "X5/0 X5/40"},
      {"vertical within 0.01", 5, 0, 5.01, 40, "X5/0 X5.01/40"},
      {"horizontal", 0, 7, 30, 7, "Y7/0 Y7/30"},
      {"sloped by 0.02: nothing", 5, 0, 5.02, 40, ""},
      {"chamfer: nothing", 0, 5, 5, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<FeaturePoint> out;
    addStraightEdgeFeatures(c.x0, c.y0, c.x1, c.y1, out);
    EXPECT_EQ(describe(out), c.expected);
  }
}

TEST(OutlineFeatures, BulgedSegmentsAreArcsEitherWayRound) {
  // A semicircle bulging up from (10,0) to (-10,0) counter-clockwise (bulge 1)
  // passes the top; clockwise from (-10,0) to (10,0) (bulge -1) the same arc.
  for (double bulge : {1.0, -1.0}) {
    SCOPED_TRACE(bulge);
    const double px = bulge > 0 ? 10.0 : -10.0;
    const BulgeArc arc = arcOfBulge(px, 0.0, -px, 0.0, bulge);
    EXPECT_NEAR(arc.cx, 0.0, 1e-12);
    EXPECT_NEAR(arc.cy, 0.0, 1e-12);
    EXPECT_NEAR(arc.radius, 10.0, 1e-12);
    std::vector<FeaturePoint> out;
    addBulgeSegmentFeatures(px, 0.0, -px, 0.0, bulge, out);
    EXPECT_EQ(describe(out), "Y10/0");
  }
  // Quarter arc (1,0) → (0,1) about the origin: bulge tan(22.5°).
  const BulgeArc quarter = arcOfBulge(1.0, 0.0, 0.0, 1.0, std::tan(kPi / 8));
  EXPECT_NEAR(quarter.cx, 0.0, 1e-12);
  EXPECT_NEAR(quarter.cy, 0.0, 1e-12);
  EXPECT_NEAR(quarter.radius, 1.0, 1e-12);
  std::vector<FeaturePoint> straight;
  addBulgeSegmentFeatures(0, 0, 0, 9, 0.00009, straight);
  EXPECT_EQ(describe(straight), "X0/0 X0/9");
}

TEST(OutlineFeatures, PolylinesIncludeTheSegmentBackToTheStart) {
  // An open U of three segments: the closing segment (0,30)→(0,0) is vertical
  // too and is taken.
  const PolylineVertex u[] = {{0, 30, 0}, {20, 30, 0}, {20, 0, 0}, {0, 0, 0}};
  std::vector<FeaturePoint> out;
  addPolylineFeatures(u, out);
  EXPECT_EQ(describe(out), "Y30/0 Y30/20 X20/30 X20/0 Y0/20 Y0/0 X0/0 X0/30");
  // A slot: two straight sides and two half circles of radius 5.
  const PolylineVertex slot[] = {{0, 0, 0}, {20, 0, 1}, {20, 10, 0}, {0, 10, 1}};
  out.clear();
  addPolylineFeatures(slot, out);
  EXPECT_EQ(describe(out), "Y0/0 Y0/20 X25/5 Y10/20 Y10/0 X-5/5");
}

}  // namespace
}  // namespace zek::adxy1
