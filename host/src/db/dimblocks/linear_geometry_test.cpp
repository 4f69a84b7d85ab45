// Linear geometry with figures worked by hand: extension lines, arrow
// solids, the dimension line (whole, broken round centred text, run on to
// text outside), the fit rules, ticks, aligned slopes, and where the line
// goes when the text is moved.
#include "db/dimblocks/linear_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "db/dimblocks/geometry_test_support.h"

namespace zek {
namespace {

using test::Segment;

struct ArrowTip {
  AcGePoint2d tip, baseA, baseB;
};

struct LinearCase {
  const char* name;
  AcGePoint2d x1, x2, line;
  double rotation;
  int dimtad;
  double dimscale;
  const char* shown;
  std::vector<Segment> lines;
  std::vector<ArrowTip> solids;
  AcGePoint2d text;
  double textRotation;
};

constexpr double kHead = 2.5 / 6.0;  // half the base of a 2.5 arrow head
constexpr double kDeg90 = std::numbers::pi / 2;

const LinearCase kLinearCases[] = {
    // 40 long at height 15; "40.00" is 10 wide, 2.5 high. Extension lines
    // 0.625 off the features and 1.25 past the line; the line between the
    // heads' bases; the text 0.625 + 1.25 above the middle.
    {"horizontal, DIMTAD 1", {0, 0}, {40, 0}, {40, 15}, 0.0, 1, 1.0, "40.00",
     {{0, 0.625, 0, 16.25}, {40, 0.625, 40, 16.25}, {2.5, 15, 37.5, 15}},
     {{{0, 15}, {2.5, 15 + kHead}, {2.5, 15 - kHead}}, {{40, 15}, {37.5, 15 + kHead}, {37.5, 15 - kHead}}},
     {20, 16.875}, 0.0},
    // Centred text breaks the line 0.625 clear of its 10-wide box.
    {"horizontal, DIMTAD 0", {0, 0}, {40, 0}, {40, 15}, 0.0, 0, 1.0, "40.00",
     {{0, 0.625, 0, 16.25}, {40, 0.625, 40, 16.25}, {2.5, 15, 14.375, 15}, {25.625, 15, 37.5, 15}},
     {{{0, 15}, {2.5, 15 + kHead}, {2.5, 15 - kHead}}, {{40, 15}, {37.5, 15 + kHead}, {37.5, 15 - kHead}}},
     {20, 15}, 0.0},
    // Every size doubled: heads 5, offsets 1.25 and 2.5, text 20 × 5.
    {"horizontal, DIMSCALE 2", {0, 0}, {40, 0}, {40, 15}, 0.0, 1, 2.0, "40.00",
     {{0, 1.25, 0, 17.5}, {40, 1.25, 40, 17.5}, {5, 15, 35, 15}},
     {{{0, 15}, {5, 15 + 2 * kHead}, {5, 15 - 2 * kHead}}, {{40, 15}, {35, 15 + 2 * kHead}, {35, 15 - 2 * kHead}}},
     {20, 18.75}, 0.0},
    // Vertical: the text reads upwards, its top towards -X.
    {"vertical, DIMTAD 1", {0, 0}, {0, 30}, {-10, 30}, kDeg90, 1, 1.0, "30.00",
     {{-0.625, 0, -11.25, 0}, {-0.625, 30, -11.25, 30}, {-10, 2.5, -10, 27.5}},
     {{{-10, 0}, {-10 - kHead, 2.5}, {-10 + kHead, 2.5}}, {{-10, 30}, {-10 - kHead, 27.5}, {-10 + kHead, 27.5}}},
     {-11.875, 15}, kDeg90},
    // 6 long: neither "6.00" (8 + 2 gaps) nor the heads (3 arrow sizes)
    // fit. Heads outside pointing in, the line 2 arrow sizes past each
    // foot, the line between kept (DIMTOFL 1), the text beyond the second
    // foot (2 arrow sizes + gap + half its width) with the line under it.
    {"narrow: heads and text outside", {0, 0}, {6, 0}, {6, 10}, 0.0, 1, 1.0, "6.00",
     {{0, 0.625, 0, 11.25}, {6, 0.625, 6, 11.25}, {-2.5, 10, -5, 10}, {8.5, 10, 11, 10},
      {0, 10, 6, 10}, {11, 10, 19.625, 10}},
     {{{0, 10}, {-2.5, 10 + kHead}, {-2.5, 10 - kHead}}, {{6, 10}, {8.5, 10 + kHead}, {8.5, 10 - kHead}}},
     {15.625, 11.875}, 0.0},
    // 9 long: the heads fit (7.5), the text (9.25) does not: it goes
    // outside, the line runs from the second foot to its far end.
    {"heads inside, text outside", {0, 0}, {9, 0}, {9, 10}, 0.0, 1, 1.0, "9.00",
     {{0, 0.625, 0, 11.25}, {9, 0.625, 9, 11.25}, {2.5, 10, 6.5, 10}, {9, 10, 22.625, 10}},
     {{{0, 10}, {2.5, 10 + kHead}, {2.5, 10 - kHead}}, {{9, 10}, {6.5, 10 + kHead}, {6.5, 10 - kHead}}},
     {18.625, 11.875}, 0.0},
    // Aligned 3-4-5: 50 long, offset 10 along (-0.8, 0.6); the text turned
    // 53.13° and lifted 1.875 along its up side from the middle (7, 26).
    {"aligned slope", {0, 0}, {30, 40}, {-8, 6}, std::atan2(40.0, 30.0), 1, 1.0, "50.00",
     {{-0.5, 0.375, -9, 6.75}, {29.5, 40.375, 21, 46.75}, {-6.5, 8, 20.5, 44}},
     {{{-8, 6}, {-6.5 - 0.8 * kHead, 8 + 0.6 * kHead}, {-6.5 + 0.8 * kHead, 8 - 0.6 * kHead}},
      {{22, 46}, {20.5 - 0.8 * kHead, 44 + 0.6 * kHead}, {20.5 + 0.8 * kHead, 44 - 0.6 * kHead}}},
     {5.5, 27.125}, std::atan2(40.0, 30.0)},
};

TEST(LinearGeometry, LinesHeadsAndText) {
  for (const LinearCase& c : kLinearCases) {
    DimVars vars = test::metricVars();
    vars.dimtad = c.dimtad;
    vars.dimscale = c.dimscale;
    LinearInput in{c.x1, c.x2, c.line, c.rotation};
    DimGeometry g = linearGeometry(in, vars, c.shown);
    EXPECT_TRUE(test::hasLines(g.lines, c.lines)) << c.name;
    ASSERT_EQ(g.solids.size(), c.solids.size()) << c.name;
    for (const ArrowTip& a : c.solids)
      EXPECT_TRUE(test::hasSolid(g.solids, a.tip, a.baseA, a.baseB)) << c.name;
    ASSERT_TRUE(g.text) << c.name;
    EXPECT_NEAR(g.text->position.x, c.text.x, 1e-9) << c.name;
    EXPECT_NEAR(g.text->position.y, c.text.y, 1e-9) << c.name;
    EXPECT_NEAR(g.text->rotation, c.textRotation, 1e-9) << c.name;
    EXPECT_EQ(g.text->contents, std::string("\\A1;") + c.shown) << c.name;
  }
}

TEST(LinearGeometry, TicksRunTheLineOnByDimdle) {
  DimVars vars = test::metricVars();
  vars.dimtsz = 1.5;
  vars.dimdle = 1.0;
  LinearInput in{{0, 0}, {40, 0}, {40, 15}, 0.0};
  DimGeometry g = linearGeometry(in, vars, "40.00");
  EXPECT_TRUE(g.solids.empty());
  // Strokes 1.5 along and across through each foot, leaning forwards.
  EXPECT_TRUE(test::hasLines(g.lines, {{0, 0.625, 0, 16.25}, {40, 0.625, 40, 16.25},
                                       {0.75, 15.75, -0.75, 14.25}, {39.25, 14.25, 40.75, 15.75},
                                       {-1, 15, 41, 15}}));
}

TEST(LinearGeometry, NamedArrowBlocksAndColours) {
  DimVars vars = test::metricVars();
  vars.dimblk = "_BoxBlank";
  vars.dimclrd = 1;
  vars.dimclre = 3;
  LinearInput in{{0, 0}, {40, 0}, {40, 15}, 0.0};
  DimGeometry g = linearGeometry(in, vars, "40.00");
  ASSERT_EQ(g.arrows.size(), 2u);
  // The first points back along the line (half a turn), the second along it.
  EXPECT_EQ(g.arrows[0].name, "_BoxBlank");
  EXPECT_NEAR(std::fabs(g.arrows[0].rotation), std::numbers::pi, 1e-12);
  EXPECT_NEAR(g.arrows[1].rotation, 0.0, 1e-12);
  EXPECT_NEAR(g.arrows[1].scale, 2.5, 1e-12);
  EXPECT_EQ(g.arrows[1].colour, 1);
  // A box head: the line stops an arrow size short of each foot.
  EXPECT_TRUE(test::hasLines(g.lines, {{0, 0.625, 0, 16.25}, {40, 0.625, 40, 16.25},
                                       {2.5, 15, 37.5, 15}}));
  EXPECT_EQ(g.lines[0].colour, 3);
  EXPECT_EQ(g.lines[2].colour, 1);
}

TEST(LinearGeometry, UserTextBeyondTheFeetIsReachedByTheLine) {
  DimVars vars = test::metricVars();
  LinearInput in{{0, 0}, {40, 0}, {40, 15}, 0.0, 0.0, AcGePoint2d(60, 16.875)};
  DimGeometry g = linearGeometry(in, vars, "40.00");
  ASSERT_TRUE(g.text);
  EXPECT_EQ(g.text->position, AcGePoint2d(60, 16.875));
  EXPECT_TRUE(test::hasLines(g.lines, {{0, 0.625, 0, 16.25}, {40, 0.625, 40, 16.25},
                                       {2.5, 15, 37.5, 15}, {40, 15, 65, 15}}));
}

TEST(LinearGeometry, MovedTextTakesTheLineAlong) {
  DimVars vars = test::metricVars();
  LinearInput in{{0, 0}, {40, 0}, {40, 15}, 0.0};
  // Text moved to (25, 30): the line passes 0.625 + 1.25 below it.
  AcGePoint2d line = linearDimLinePointForText(in, {25, 30}, vars, "40.00");
  EXPECT_NEAR(line.x, 40.0, 1e-12);
  EXPECT_NEAR(line.y, 28.125, 1e-12);
  vars.dimtad = 0;
  line = linearDimLinePointForText(in, {25, 30}, vars, "40.00");
  EXPECT_NEAR(line.y, 30.0, 1e-12) << "centred text sits on the line";
}

TEST(LinearGeometry, ReadableAngles) {
  struct Case { double in, out; };
  const double pi = std::numbers::pi;
  const Case cases[] = {{0, 0}, {pi / 2, pi / 2}, {pi, 0}, {-pi / 2, pi / 2},
                        {3 * pi / 4, -pi / 4}, {pi / 6 + 2 * pi, pi / 6}};
  for (const Case& c : cases)
    EXPECT_NEAR(readableAngle(c.in), c.out, 1e-12) << c.in;
}

}  // namespace
}  // namespace zek
