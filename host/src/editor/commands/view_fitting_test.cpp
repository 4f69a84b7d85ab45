// Views for ZOOM on the 1600 × 1000 screen: windows fitted whole, scaling,
// scale answers.
#include "editor/commands/view_fitting.h"

#include <gtest/gtest.h>

namespace zek {
namespace {

TEST(ViewFitting, AWindowIsShownWhole) {
  View current;  // 1600 × 1000 pixels: 1.6 times as wide as high
  // A window 100 wide and 10 high needs the width: height 100 / 1.6 = 62.5.
  View wide = viewOfWindow(current, {0, 0}, {100, 10});
  EXPECT_DOUBLE_EQ(wide.height, 62.5);
  EXPECT_TRUE(wide.centre.isEqualTo({50, 5, 0}));
  // A window 10 wide and 40 high needs its height.
  View tall = viewOfWindow(current, {10, 50}, {0, 10});
  EXPECT_DOUBLE_EQ(tall.height, 40.0);
  EXPECT_TRUE(tall.centre.isEqualTo({5, 30, 0})) << "corners in any order";
  View dot = viewOfWindow(current, {3, 3}, {3, 3});
  EXPECT_DOUBLE_EQ(dot.height, current.height) << "a box of no size keeps the height";
}

TEST(ViewFitting, ScalesAndScaleAnswers) {
  View current;
  current.height = 100;
  EXPECT_DOUBLE_EQ(viewScaled(current, 2).height, 50.0);
  EXPECT_DOUBLE_EQ(viewScaled(current, 0.5).height, 200.0);
  auto relative = zoomScaleOfAnswer("2x");
  ASSERT_TRUE(relative);
  EXPECT_TRUE(relative->relative);
  EXPECT_DOUBLE_EQ(relative->factor, 2.0);
  auto paper = zoomScaleOfAnswer("0.5XP");
  ASSERT_TRUE(paper);
  EXPECT_TRUE(paper->relative);
  auto absolute = zoomScaleOfAnswer("4");
  ASSERT_TRUE(absolute);
  EXPECT_FALSE(absolute->relative);
  EXPECT_FALSE(zoomScaleOfAnswer("0x"));
  EXPECT_FALSE(zoomScaleOfAnswer("x"));
  EXPECT_FALSE(zoomScaleOfAnswer("-2x"));
}

}  // namespace
}  // namespace zek
