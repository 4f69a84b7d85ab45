// Chamfer directions, quadrants, leader ends, notes and the "VF"/"VC" rule,
// with figures worked out by hand.
#include "chamfers.h"

#include <gtest/gtest.h>

namespace zek {
namespace {

struct AngleCase {
  double angle;
  bool chamfer;
  const char* why;
};
constexpr AngleCase kDirectionCases[] = {
    {0.785398, true, "45 degrees"},
    {0.7951, true, "45 degrees plus 0.0097 rad"},
    {0.7744, false, "45 degrees less 0.0110 rad"},
    {0.767945, false, "44 degrees"},
    {0.802851, false, "46 degrees"},
    {2.356194, true, "135 degrees"},
    {3.926991, true, "225 degrees"},
    {5.497787, true, "315 degrees"},
    {0.0, false, "horizontal"},
    {1.570796, false, "vertical"},
};

TEST(ChamferDirection, DiagonalsWithinOneHundredthRadian) {
  for (const auto& c : kDirectionCases)
    EXPECT_EQ(isChamferDirection(c.angle), c.chamfer) << c.why;
}

struct QuadrantCase {
  double angle;
  int quadrant;
  const char* why;
};
constexpr QuadrantCase kQuadrantCases[] = {
    {0.7854, 1, "upper right diagonal"},
    {0.0855, 1, "just inside the window of 45 degrees"},
    {0.08, 5, "just above the X axis"},
    {1.48, 1, "0.6946 rad above 45 degrees"},
    {1.49, 5, "between the windows of quadrants 1 and 2"},
    {2.3562, 2, "upper left"},
    {3.1416, 5, "on the negative X axis"},
    {3.675, 3, "lower left of a 100 x 60 plate"},
    {4.6, 3, "0.673 rad above 225 degrees"},
    {4.7, 5, "just off the negative Y axis"},
    {5.0, 4, "0.4978 rad below 315 degrees"},
    {6.19, 4, "0.6922 rad above 315 degrees"},
    {6.2, 5, "just below the positive X axis"},
};

TEST(ChamferQuadrant, WindowsOfPointSevenRadian) {
  for (const auto& c : kQuadrantCases)
    EXPECT_EQ(chamferQuadrant(c.angle), c.quadrant) << c.angle << ": " << c.why;
}

TEST(ChamferLine, MidPointAndLegSize) {
  ChamferRecord chamfer;
  ASSERT_TRUE(chamferOf({2, 0, 0}, {0, 2, 0}, chamfer));  // a 2 x 2 chamfer
  EXPECT_DOUBLE_EQ(chamfer.mid.x, 1.0);
  EXPECT_DOUBLE_EQ(chamfer.mid.y, 1.0);
  EXPECT_NEAR(chamfer.size, 2.0, 1e-5);
  ASSERT_TRUE(chamferOf({0, 1, 0}, {1, 0, 0}, chamfer));  // length 1.4142136: C1.0
  EXPECT_NEAR(chamfer.size, 1.0, 1e-5);
  EXPECT_FALSE(chamferOf({0, 0, 0}, {10, 9.6569, 0}, chamfer)) << "a line at 44 degrees";
  EXPECT_FALSE(chamferOf({3, 3, 0}, {3, 3, 5}, chamfer)) << "no length in the plane";
}

TEST(PolylineChamfers, StraightSegmentsAndTheClosingOne) {
  // (0,10) (0,0) (10,0): only the closing segment (10,0) -> (0,10) is diagonal.
  const std::vector<AcGePoint3d> corner = {{0, 10, 0}, {0, 0, 0}, {10, 0, 0}};
  const std::vector<ChamferRecord> closed = polylineChamfers(corner, {0, 0, 0}, true);
  ASSERT_EQ(closed.size(), 1u);
  EXPECT_DOUBLE_EQ(closed[0].mid.x, 5.0);
  EXPECT_DOUBLE_EQ(closed[0].mid.y, 5.0);
  EXPECT_NEAR(closed[0].size, 10.0, 1e-5);
  EXPECT_TRUE(polylineChamfers(corner, {0, 0, 0}, false).empty()) << "open: no closing segment";
  EXPECT_TRUE(polylineChamfers(corner, {0, 0, 0.5}, true).empty()) << "the closing segment is an arc";
  EXPECT_EQ(polylineChamfers(corner, {0, 0, 0.00009}, true).size(), 1u) << "bulge below 0.0001";
  EXPECT_EQ(polylineChamfers(corner, {0, 0, -0.00009}, true).size(), 1u) << "negative bulge";

  // Vertex 0 onward: (0,0) (2,2) (4,0) (6,2) gives three, in order.
  const std::vector<ChamferRecord> zigzag =
      polylineChamfers({{0, 0, 0}, {2, 2, 0}, {4, 0, 0}, {6, 2, 0}}, {}, false);
  ASSERT_EQ(zigzag.size(), 3u);
  EXPECT_DOUBLE_EQ(zigzag[0].mid.x, 1.0);
  EXPECT_DOUBLE_EQ(zigzag[1].mid.x, 3.0);
  EXPECT_DOUBLE_EQ(zigzag[2].mid.x, 5.0);
  EXPECT_TRUE(polylineChamfers({{0, 0, 0}}, {0}, true).empty()) << "one vertex";
}

TEST(LeaderPlans, FourCornersOfAChamferedPlate) {
  // 100 x 60 plate, 2 x 2 chamfers: mid points 1 in from each corner; run
  // 2.5 x 1 x 2 x 1.414213 = 7.071065, which is 5.0000 across and 5.0000 up.
  const std::vector<ChamferRecord> chamfers = {
      {{1, 1, 0}, 2.0}, {{99, 1, 0}, 2.0}, {{99, 59, 0}, 2.0}, {{1, 59, 0}, 2.0}};
  const std::vector<LeaderPlan> plans = planLeaders(chamfers, {50, 30, 0}, 7.071065);
  struct Expected {
    int quadrant;
    double x, y;
  };
  const Expected expected[] = {{3, -4, -4}, {4, 104, -4}, {1, 104, 64}, {2, -4, 64}};
  ASSERT_EQ(plans.size(), 4u);
  for (std::size_t i = 0; i < plans.size(); ++i) {
    EXPECT_EQ(plans[i].quadrant, expected[i].quadrant) << "leader " << i;
    EXPECT_NEAR(plans[i].end.x, expected[i].x, 1e-4) << "leader " << i;
    EXPECT_NEAR(plans[i].end.y, expected[i].y, 1e-4) << "leader " << i;
    EXPECT_EQ(plans[i].start.x, chamfers[i].mid.x) << "leader " << i;
  }
}

TEST(LeaderPlans, EndsShareTheBoxAndQuadrantFiveIsSkipped) {
  // Run √2: provisional ends one unit out on each axis. (90,50) -> (91,51),
  // (80,58) -> (81,59), (5,5) -> (4,4); (100,30) lies on the X axis of the
  // centre (50,30): no leader, and it does not widen the box.
  const std::vector<ChamferRecord> chamfers = {
      {{90, 50, 0}, 1.0}, {{100, 30, 0}, 3.0}, {{80, 58, 0}, 1.5}, {{5, 5, 0}, 2.0}};
  const std::vector<LeaderPlan> plans = planLeaders(chamfers, {50, 30, 0}, 1.4142135623730951);
  ASSERT_EQ(plans.size(), 3u);
  EXPECT_DOUBLE_EQ(plans[0].size, 1.0);
  EXPECT_DOUBLE_EQ(plans[1].size, 1.5) << "later chamfers are still labelled";
  EXPECT_DOUBLE_EQ(plans[2].size, 2.0);
  EXPECT_NEAR(plans[0].end.x, 91, 1e-3);
  EXPECT_NEAR(plans[0].end.y, 59, 1e-3) << "both upper right leaders end on the same corner";
  EXPECT_NEAR(plans[1].end.x, 91, 1e-3);
  EXPECT_NEAR(plans[1].end.y, 59, 1e-3);
  EXPECT_NEAR(plans[2].end.x, 4, 1e-3);
  EXPECT_NEAR(plans[2].end.y, 4, 1e-3);
  EXPECT_TRUE(planLeaders({{{100, 30, 0}, 1.0}}, {50, 30, 0}, 1.0).empty());
}

struct NoteCase {
  const char* sizeText;
  const char* note;
};
constexpr NoteCase kNoteCases[] = {
    {"2.000", "C2.0"},   {"0.500", "C0.5"},     {"1.250", "C1.25"}, {"1.000", "C1.0"},
    {"1.234", "C1.234"}, {"10.000", "C10.0"},   {"12.340", "C12.34"}, {"0.000", "C0.0"},
    {"10", "C10"},  // three characters: kept whole
    {"0", "C0"},
};

TEST(ChamferNote, TrailingZerosTrimmed) {
  for (const auto& c : kNoteCases)
    EXPECT_EQ(chamferNote(c.sizeText), c.note) << c.sizeText;
}

struct LayerRuleCase {
  bool drawingHasBoth;
  std::vector<ViewLayer> layers;
  bool leavesOut;
  const char* why;
};

TEST(ViewLayerRule, BackLayerLeftOutOnlyWhenEverythingIsFrontOrBack) {
  using enum ViewLayer;
  const LayerRuleCase cases[] = {
      {true, {Front, Back}, true, "one on each"},
      {true, {Front, Back, Back, Front}, true, "several on each"},
      {true, {Front, Front}, false, "nothing on VC"},
      {true, {Back}, false, "nothing on VF"},
      {true, {Front, Back, Other}, false, "one on another layer"},
      {false, {Front, Back}, false, "the drawing lacks one of the layers"},
      {true, {}, false, "nothing selected"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(leavesOutBackLayer(c.drawingHasBoth, c.layers), c.leavesOut) << c.why;
}

}  // namespace
}  // namespace zek
