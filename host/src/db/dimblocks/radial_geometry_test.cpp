// Radius and diameter geometry with figures worked by hand: text outside
// along the radius (DIMTOFL 1: the radius drawn), horizontal text on a
// landing (DIMTOFL 0: a centre mark instead), both with the head outside
// pointing in; text inside a diameter with the head inside pointing out.
#include "db/dimblocks/radial_geometry.h"

#include <gtest/gtest.h>

#include "db/dimblocks/geometry_test_support.h"

namespace zek {
namespace {

constexpr double kHead = 2.5 / 6.0;

TEST(RadialGeometry, TextOutsideAlongTheRadius) {
  DimVars vars = test::metricVars();  // DIMTAD 1, DIMTOFL 1
  RadialInput in{{0, 0}, {10, 0}};
  DimGeometry g = radialGeometry(in, vars, "R10");
  ASSERT_TRUE(g.text);
  // Two arrow sizes past the chord point, a gap, half of "R10" (6 wide).
  EXPECT_NEAR(g.text->position.x, 18.625, 1e-12);
  EXPECT_NEAR(g.text->position.y, 1.875, 1e-12);
  EXPECT_TRUE(test::hasSolid(g.solids, {10, 0}, {12.5, kHead}, {12.5, -kHead}))
      << "the head outside, pointing at the circle";
  // The radius inside (DIMTOFL) and the leader; no centre mark where the
  // radius is drawn.
  EXPECT_TRUE(test::hasLines(g.lines, {{0, 0, 10, 0}, {12.5, 0, 21.625, 0}}));
  ASSERT_EQ(g.definitionPoints.size(), 2u);
  EXPECT_EQ(g.definitionPoints[0], AcGePoint2d(10, 0));
  EXPECT_EQ(g.definitionPoints[1], AcGePoint2d(0, 0));
}

TEST(RadialGeometry, HorizontalTextOnALanding) {
  DimVars vars = test::metricVars();
  vars.dimtad = 0;
  vars.dimtoh = 1;
  vars.dimtofl = 0;
  // Chord point (-6, -8): the radius points along (-0.6, -0.8).
  RadialInput in{{0, 0}, {-6, -8}};
  DimGeometry g = radialGeometry(in, vars, "R10");
  ASSERT_TRUE(g.text);
  // The knee 5 along the radius at (-9, -12); the landing runs one arrow
  // size left, then a gap and half the text's width.
  EXPECT_NEAR(g.text->position.x, -15.125, 1e-12);
  EXPECT_NEAR(g.text->position.y, -12.0, 1e-12);
  EXPECT_NEAR(g.text->rotation, 0.0, 1e-12);
  EXPECT_EQ(g.text->contents, "\\A1;R10");
  EXPECT_TRUE(test::hasSolid(g.solids, {-6, -8}, {-7.5 - 0.8 * kHead, -10 + 0.6 * kHead},
                             {-7.5 + 0.8 * kHead, -10 - 0.6 * kHead}))
      << "the head outside, pointing in";
  // No radius (DIMTOFL 0); the leader from the head's base to the knee, the
  // landing, the centre mark.
  EXPECT_TRUE(test::hasLines(g.lines, {{-7.5, -10, -9, -12}, {-9, -12, -11.5, -12},
                                       {-2.5, 0, 2.5, 0}, {0, -2.5, 0, 2.5}}));
}

TEST(RadialGeometry, DiameterTextInside) {
  DimVars vars = test::metricVars();
  vars.dimtix = 1;
  RadialInput in{{}, {10, 0}, AcGePoint2d(-10, 0)};
  DimGeometry g = radialGeometry(in, vars, "\u220520");
  ASSERT_TRUE(g.text);
  EXPECT_NEAR(g.text->position.x, 0.0, 1e-12);
  EXPECT_NEAR(g.text->position.y, 1.875, 1e-12) << "above the diameter at the centre";
  EXPECT_TRUE(test::hasSolid(g.solids, {10, 0}, {7.5, kHead}, {7.5, -kHead}));
  // From the far end of the text (3 wide each side of the centre) to the head.
  EXPECT_TRUE(test::hasLines(g.lines, {{-3, 0, 7.5, 0}}));
  EXPECT_EQ(g.definitionPoints[1], AcGePoint2d(-10, 0)) << "the far chord point";
}

}  // namespace
}  // namespace zek
