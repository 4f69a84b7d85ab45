// Merging targets into ordinate groups and the run's text sizes.
#include <gtest/gtest.h>

#include <cmath>

#include "placement/ordinate_model.h"

namespace zek::adxy1 {
namespace {

TEST(OrdinateCollection, MergesTargetsThatShareAnOrdinate) {
  struct Added {
    double value, perp, radius;
    int decimals;
  };
  struct Case {
    const char* name;
    std::vector<Added> added;
    std::vector<double> groupValues;
    std::vector<std::size_t> targetsPerGroup;
    double firstRadius;
    int firstDecimals;
  };
  const Case cases[] = {
      {"centres within 0.0001 are one target, the larger radius and decimals win",
       {{10.0, 20.0, 3.0, 2}, {10.00005, 20.00009, 4.0, 3}}, {10.0}, {1}, 4.0, 3},
      {"the smaller radius coming second changes nothing",
       {{10.0, 20.0, 4.0, 3}, {10.0, 20.0, 1.0, 1}}, {10.0}, {1}, 4.0, 3},
      {"0.0002 apart across: two targets of one group",
       {{10.0, 20.0, 3.0, 2}, {10.0, 20.0002, 3.0, 2}}, {10.0}, {2}, 3.0, 2},
      {"groups in ascending value, targets in ascending perp",
       {{30.0, 5.0, 1.0, 2}, {10.0, 9.0, 2.0, 2}, {10.0, 1.0, 3.0, 2}, {20.0, 0.0, 1.0, 2}},
       {10.0, 20.0, 30.0}, {2, 1, 1}, 3.0, 2},
      {"values 0.0002 apart are two groups", {{10.0, 0.0, 1.0, 2}, {10.0002, 0.0, 1.0, 2}},
       {10.0, 10.0002}, {1, 1}, 1.0, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OrdinateCollection collection(Axis::X);
    for (const Added& a : c.added)
      collection.add(a.value, a.perp, a.radius, a.decimals);
    collection.finish();
    ASSERT_EQ(collection.groups.size(), c.groupValues.size());
    for (std::size_t i = 0; i < c.groupValues.size(); ++i) {
      EXPECT_DOUBLE_EQ(collection.groups[i].value, c.groupValues[i]);
      EXPECT_EQ(collection.groups[i].targets.size(), c.targetsPerGroup[i]);
      const auto& ts = collection.groups[i].targets;
      for (std::size_t k = 1; k < ts.size(); ++k)
        EXPECT_LT(ts[k - 1].perp, ts[k].perp);
    }
    EXPECT_DOUBLE_EQ(collection.groups[0].targets[0].radius, c.firstRadius);
    EXPECT_EQ(collection.groups[0].targets[0].decimals, c.firstDecimals);
  }
}

TEST(LayoutSizes, TextGapFollowsTheTextPlacement) {
  const LayoutSizes centred = LayoutSizes::of(2.5, 1.0, 0, 0.625, 2.5);
  EXPECT_FALSE(centred.textAbove);
  EXPECT_DOUBLE_EQ(centred.textGap, 2.5);
  const LayoutSizes above = LayoutSizes::of(2.5, 1.0, 1, 0.625, 2.5);
  EXPECT_TRUE(above.textAbove);
  EXPECT_DOUBLE_EQ(above.textGap, 3.28125);
  const LayoutSizes scaled = LayoutSizes::of(2.5, 2.0, 0, 0.625, 2.5);
  EXPECT_DOUBLE_EQ(scaled.textHeight, 5.0);
  EXPECT_DOUBLE_EQ(scaled.longLeader(), 60.0);
  EXPECT_DOUBLE_EQ(LayoutSizes::of(2.5, 0.0, 0, 0.625, 2.5).textHeight, 2.5);
  // No size at all lays texts out 2.5 high rather than with nothing to go by.
  EXPECT_DOUBLE_EQ(LayoutSizes::of(0.0, 1.0, 0, 0.625, 2.5).textHeight, 2.5);
  EXPECT_DOUBLE_EQ(LayoutSizes::of(std::nan(""), 1.0, 1, 0.625, 2.5).textHeight, 2.5);
  EXPECT_DOUBLE_EQ(LayoutSizes::of(2.5, 1.0, 1, std::nan(""), 2.5).textGap, 1.05 * 2.5);
}

}  // namespace
}  // namespace zek::adxy1
