// Ordinate geometry with figures worked by hand: the leader with and
// without a jog, in each direction, DIMTAD 0 and 1, DIMSCALE 1 and 2, a
// user's text position, and the leader end that follows a moved text.
#include "db/dimblocks/ordinate_geometry.h"

#include <gtest/gtest.h>

#include <numbers>

#include "db/dimblocks/geometry_test_support.h"

namespace zek {
namespace {

using test::Segment;

struct OrdinateCase {
  const char* name;
  bool usesX;
  AcGePoint2d feature, leaderEnd;
  int dimtad;
  double dimscale;
  const char* shown;
  std::vector<Segment> lines;
  AcGePoint2d text;
  double rotation;
  const char* contents;
};

// Text widths: 0.8 × height a character; the box is one text height tall.
// The MTEXT starts with "\\A1;" (centred on its line) whatever DIMTAD says.
const OrdinateCase kOrdinateCases[] = {
    // "30.00" is 10 wide: text 0.625 + 5 past the leader end, 0.625 + 1.25
    // above it; the leader runs on under the text to its far end.
    {"Y, no jog, DIMTAD 1", false, {10, 20}, {40, 20}, 1, 1.0, "30.00",
     {{10.625, 20, 50.625, 20}}, {45.625, 21.875}, 0.0, "\\A1;30.00"},
    // Centred: the leader stops at its end, the text sits on its line.
    {"Y, no jog, DIMTAD 0", false, {10, 20}, {40, 20}, 0, 1.0, "30.00",
     {{10.625, 20, 40, 20}}, {45.625, 20}, 0.0, "\\A1;30.00"},
    // Every size doubled: offset 1.25, gap 1.25, text 20 wide and 5 high.
    {"Y, no jog, DIMSCALE 2", false, {10, 20}, {40, 20}, 1, 2.0, "30.00",
     {{11.25, 20, 61.25, 20}}, {51.25, 23.75}, 0.0, "\\A1;30.00"},
    // X: the leader runs up; the jog leaves the feature's axis 10 (4 arrow
    // sizes) before the leader end and reaches its axis 5 before it. The
    // text reads upwards, its top towards -X: 1.875 left of the leader.
    {"X, jog, DIMTAD 1", true, {95, 20}, {101.875, 54.375}, 1, 1.0, "12.50",
     {{95, 20.625, 95, 44.375}, {95, 44.375, 101.875, 49.375}, {101.875, 49.375, 101.875, 65}},
     {100, 60}, std::numbers::pi / 2, "\\A1;12.50"},
    {"X, jog, DIMTAD 0", true, {95, 20}, {101.875, 54.375}, 0, 1.0, "12.50",
     {{95, 20.625, 95, 44.375}, {95, 44.375, 101.875, 49.375}, {101.875, 49.375, 101.875, 54.375}},
     {101.875, 60}, std::numbers::pi / 2, "\\A1;12.50"},
    // Downwards: the text still reads upwards, still on the -X side.
    {"X, leader down", true, {50, 80}, {50, 40}, 1, 1.0, "8.5",
     {{50, 79.375, 50, 33.375}}, {48.125, 36.375}, std::numbers::pi / 2, "\\A1;8.5"},
    // To the left with a jog of -6.
    {"Y, leftwards jog", false, {0, 10}, {-30, 4}, 1, 1.0, "7",
     {{-0.625, 10, -20, 10}, {-20, 10, -25, 4}, {-25, 4, -32.625, 4}}, {-31.625, 5.875}, 0.0, "\\A1;7"},
    // A leader shorter than the jog's run: the jog starts at the offset
    // point and ends 2 arrow sizes back, or where it started.
    {"Y, short leader with a jog", false, {0, 0}, {6, 3}, 1, 1.0, "1",
     {{0.625, 0, 1, 3}, {1, 3, 8.625, 3}}, {7.625, 4.875}, 0.0, "\\A1;1"},
};

TEST(OrdinateGeometry, LeaderJogAndText) {
  for (const OrdinateCase& c : kOrdinateCases) {
    DimVars vars = test::metricVars();
    vars.dimtad = c.dimtad;
    vars.dimscale = c.dimscale;
    OrdinateInput in{{0, 0}, c.feature, c.leaderEnd, c.usesX};
    DimGeometry g = ordinateGeometry(in, vars, c.shown);
    EXPECT_TRUE(test::hasLines(g.lines, c.lines)) << c.name;
    ASSERT_TRUE(g.text) << c.name;
    EXPECT_NEAR(g.text->position.x, c.text.x, test::kGeomTol) << c.name;
    EXPECT_NEAR(g.text->position.y, c.text.y, test::kGeomTol) << c.name;
    EXPECT_NEAR(g.text->rotation, c.rotation, test::kGeomTol) << c.name;
    EXPECT_EQ(g.text->contents, c.contents) << c.name;
    EXPECT_NEAR(g.text->height, 2.5 * c.dimscale, test::kGeomTol) << c.name;
    EXPECT_TRUE(g.solids.empty() && g.arrows.empty()) << c.name << ": ordinates have no arrows";
    ASSERT_EQ(g.definitionPoints.size(), 3u) << c.name;
    EXPECT_EQ(g.definitionPoints[0], c.feature) << c.name;
    EXPECT_EQ(g.definitionPoints[1], c.leaderEnd) << c.name;
  }
}

TEST(OrdinateGeometry, UserTextKeepsItsPlaceAndTheLeaderRunsUnderIt) {
  DimVars vars = test::metricVars();
  OrdinateInput in{{0, 0}, {95, 20}, {101.875, 54.375}, true, AcGePoint2d(100, 62)};
  DimGeometry g = ordinateGeometry(in, vars, "12.50");
  ASSERT_TRUE(g.text);
  EXPECT_EQ(g.text->position, AcGePoint2d(100, 62));
  // The far edge of the text: 62 + 5 along the leader.
  EXPECT_TRUE(test::hasLines(g.lines, {{95, 20.625, 95, 44.375},
                                       {95, 44.375, 101.875, 49.375},
                                       {101.875, 49.375, 101.875, 67}}));
  EXPECT_TRUE(g.lines.back().endAtText) << "the far end follows the text's width";
}

TEST(OrdinateGeometry, ColoursAndTextBox) {
  DimVars vars = test::metricVars();
  vars.dimclre = 3;
  vars.dimclrt = 5;
  vars.dimgap = -0.625;  // a box round the text
  OrdinateInput in{{0, 0}, {10, 20}, {40, 20}, false};
  DimGeometry g = ordinateGeometry(in, vars, "30.00");
  ASSERT_TRUE(g.text);
  EXPECT_EQ(g.text->colour, 5);
  // The leader and the four sides of the box (0.625 clear of the text's
  // 10 × 2.5 box centred at (45.625, 21.875)).
  EXPECT_TRUE(test::hasLines(g.lines, {{10.625, 20, 50.625, 20},
                                       {40, 20, 51.25, 20},
                                       {51.25, 20, 51.25, 23.75},
                                       {51.25, 23.75, 40, 23.75},
                                       {40, 23.75, 40, 20}}));
  EXPECT_EQ(g.lines[0].colour, 3) << "the leader is an extension line: DIMCLRE";
}

struct LeaderEndCase {
  const char* name;
  bool usesX;
  int dimtad;
  AcGePoint2d text;
  AcGePoint2d leaderEnd;
};

// Feature (95, 20), text "12.50" (10 wide, 2.5 high), DIMGAP 0.625.
const LeaderEndCase kLeaderEndCases[] = {
    // Measuring X the leader runs along Y: the end lies 0.625 + 5 below
    // the text's middle and 0.625 + 1.25 to its +X side.
    {"X, DIMTAD 1, text above the feature", true, 1, {100, 60}, {101.875, 54.375}},
    {"X, DIMTAD 1, text below the feature", true, 1, {100, -10}, {101.875, -4.375}},
    {"X, DIMTAD 0", true, 0, {100, 60}, {100, 54.375}},
    {"Y, DIMTAD 1, text right of the feature", false, 1, {140, 30}, {134.375, 28.125}},
    {"Y, DIMTAD 1, text left of the feature", false, 1, {40, 30}, {45.625, 28.125}},
};

TEST(OrdinateGeometry, LeaderEndFollowsTheText) {
  for (const LeaderEndCase& c : kLeaderEndCases) {
    DimVars vars = test::metricVars();
    vars.dimtad = c.dimtad;
    OrdinateInput in{{0, 0}, {95, 20}, {95, 40}, c.usesX};
    AcGePoint2d end = ordinateLeaderEndForText(in, c.text, vars, "12.50");
    EXPECT_NEAR(end.x, c.leaderEnd.x, test::kGeomTol) << c.name;
    EXPECT_NEAR(end.y, c.leaderEnd.y, test::kGeomTol) << c.name;
    // And the default rule puts the text back where it was moved to.
    in.leaderEnd = end;
    DimGeometry g = ordinateGeometry(in, vars, "12.50");
    ASSERT_TRUE(g.text) << c.name;
    EXPECT_NEAR(g.text->position.distanceTo(c.text), 0.0, test::kGeomTol) << c.name;
  }
}

}  // namespace
}  // namespace zek
