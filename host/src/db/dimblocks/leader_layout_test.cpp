// Leader display and annotation placement with figures worked by hand.
#include "db/dimblocks/leader_layout.h"

#include <gtest/gtest.h>

#include <numbers>

#include "db/dimblocks/geometry_test_support.h"

namespace zek {
namespace {

struct PlacementCase {
  const char* name;
  std::vector<AcGePoint3d> vertices;
  int dimtad;
  double dimscale;
  bool hook;
  AcGePoint3d hookEnd;
  AcGePoint3d text;
  AcDbMText::AttachmentPoint attachment;
};

const PlacementCase kPlacementCases[] = {
    // A steep last segment gets a hook of one arrow size (2.5) towards the
    // side it points to; the text stands 0.625 past it and 0.625 above.
    {"steep, DIMTAD 1", {{0, 0, 0}, {10, 20, 0}}, 1, 1.0, true, {12.5, 20, 0}, {13.125, 20.625, 0},
     AcDbMText::kBottomLeft},
    // Horizontal already: no hook; leftwards: attached on its right; centred:
    // the first line's middle on the hook line (top half a height above).
    {"horizontal leftwards, DIMTAD 0", {{0, 0, 0}, {-10, 5, 0}, {-20, 5, 0}}, 0, 1.0, false,
     {-20, 5, 0}, {-20.625, 6.25, 0}, AcDbMText::kTopRight},
    {"steep, DIMSCALE 2", {{0, 0, 0}, {10, 10, 0}}, 1, 2.0, true, {15, 10, 0}, {16.25, 11.25, 0},
     AcDbMText::kBottomLeft},
    {"steep, DIMTAD 4", {{0, 0, 0}, {10, 20, 0}}, 4, 1.0, true, {12.5, 20, 0}, {13.125, 19.375, 0},
     AcDbMText::kTopLeft},
};

TEST(LeaderPlacement, TextBesideTheLastVertex) {
  for (const PlacementCase& c : kPlacementCases) {
    DimVars vars = test::metricVars();
    vars.dimtad = c.dimtad;
    vars.dimscale = c.dimscale;
    LeaderPlacement p = placeLeaderAnnotation(c.vertices, 2.5, vars);
    EXPECT_EQ(p.hasHookLine, c.hook) << c.name;
    EXPECT_EQ(p.vertices.size(), c.vertices.size() + (c.hook ? 1 : 0)) << c.name;
    EXPECT_TRUE(p.vertices.back().isEqualTo(c.hookEnd)) << c.name;
    EXPECT_TRUE(p.textLocation.isEqualTo(c.text))
        << c.name << ": " << p.textLocation.x << ", " << p.textLocation.y;
    EXPECT_EQ(p.attachment, c.attachment) << c.name;
  }
}

TEST(LeaderGeometry, HeadAtTheFirstVertex) {
  DimVars vars = test::metricVars();
  LeaderInput in{{{0, 0}, {10, 0}, {10, 10}}, true};
  DimGeometry g = leaderGeometry(in, vars);
  EXPECT_TRUE(test::hasSolid(g.solids, {0, 0}, {2.5, 2.5 / 6}, {2.5, -2.5 / 6}));
  EXPECT_TRUE(test::hasLines(g.lines, {{2.5, 0, 10, 0}, {10, 0, 10, 10}}))
      << "the first segment starts at the head's base";

  in.hasArrow = false;
  g = leaderGeometry(in, vars);
  EXPECT_TRUE(g.solids.empty());
  EXPECT_TRUE(test::hasLines(g.lines, {{0, 0, 10, 0}, {10, 0, 10, 10}}));

  in.hasArrow = true;
  vars.dimldrblk = "_Dot";
  vars.dimscale = 2.0;
  g = leaderGeometry(in, vars);
  ASSERT_EQ(g.arrows.size(), 1u);
  EXPECT_EQ(g.arrows[0].name, "_Dot");
  EXPECT_NEAR(g.arrows[0].scale, 5.0, 1e-12) << "DIMASZ × DIMSCALE";
  EXPECT_NEAR(g.arrows[0].rotation, std::numbers::pi, 1e-12);
  EXPECT_TRUE(test::hasLines(g.lines, {{0, 0, 10, 0}, {10, 0, 10, 10}}))
      << "a dot sits on the line";
}

}  // namespace
}  // namespace zek
