// The packed R-tree: what a query finds, against a plain scan of the same
// boxes, and the rounding of boxes to floats.
#include "editor/select/spatial_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <set>

namespace zek {
namespace {

std::set<std::uint32_t> found(const SpatialIndex& index, double x1, double y1, double x2, double y2) {
  std::set<std::uint32_t> orders;
  index.query(x1, y1, x2, y2, [&](const SpatialIndex::Entry& e) { orders.insert(e.order); });
  return orders;
}

TEST(SpatialIndex, FindsTheBoxesAWindowMeets) {
  SpatialIndex index;
  index.build({
      SpatialIndex::makeEntry(0, 0, 10, 10, 0, {}),
      SpatialIndex::makeEntry(20, 0, 30, 10, 1, {}),
      SpatialIndex::makeEntry(-5, -5, 100, 100, 2, {}),  // a plate outline round everything
      SpatialIndex::makeEntry(50, 50, 50, 50, 3, {}),    // a point
  });
  EXPECT_EQ(found(index, 1, 1, 2, 2), (std::set<std::uint32_t>{0, 2})) << "inside one box and the outline";
  EXPECT_EQ(found(index, 10, 0, 20, 5), (std::set<std::uint32_t>{0, 1, 2})) << "touching edges count";
  EXPECT_EQ(found(index, 49, 49, 51, 51), (std::set<std::uint32_t>{2, 3})) << "a box round a point";
  EXPECT_EQ(found(index, 200, 200, 300, 300), (std::set<std::uint32_t>{})) << "far off";
}

TEST(SpatialIndex, AgreesWithAPlainScanOnManyBoxes) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> at(-1000.0, 1000.0);
  std::uniform_real_distribution<double> size(0.0, 30.0);
  std::vector<SpatialIndex::Entry> entries;
  for (std::uint32_t i = 0; i < 5000; ++i) {
    double x = at(random), y = at(random);
    // Every hundredth box is large, as outlines and title frames are.
    double w = i % 100 == 0 ? 800.0 : size(random), h = i % 100 == 0 ? 600.0 : size(random);
    entries.push_back(SpatialIndex::makeEntry(x, y, x + w, y + h, i, {}));
  }
  SpatialIndex index;
  index.build(entries);
  ASSERT_EQ(index.size(), entries.size());
  for (int q = 0; q < 200; ++q) {
    double x = at(random), y = at(random), w = q % 10 == 0 ? 500.0 : size(random), h = size(random);
    std::set<std::uint32_t> scanned;
    for (const auto& e : entries)
      if (e.minX <= x + w && e.maxX >= x && e.minY <= y + h && e.maxY >= y)
        scanned.insert(e.order);
    EXPECT_EQ(found(index, x, y, x + w, y + h), scanned) << "query " << q;
  }
}

TEST(SpatialIndex, FloatBoxesHoldTheExactBox) {
  // 0.1 has no exact float: the stored box must still hold it.
  SpatialIndex::Entry e = SpatialIndex::makeEntry(0.1, 0.1, 1234567.1, 1234567.1, 0, {});
  EXPECT_LE(static_cast<double>(e.minX), 0.1);
  EXPECT_LE(static_cast<double>(e.minY), 0.1);
  EXPECT_GE(static_cast<double>(e.maxX), 1234567.1);
  EXPECT_GE(static_cast<double>(e.maxY), 1234567.1);
}

TEST(SpatialIndex, EmptyAndClearedIndexesFindNothing) {
  SpatialIndex index;
  EXPECT_TRUE(found(index, -1e9, -1e9, 1e9, 1e9).empty());
  index.build({SpatialIndex::makeEntry(0, 0, 1, 1, 0, {})});
  EXPECT_EQ(found(index, 0, 0, 1, 1).size(), 1u);
  index.clear();
  EXPECT_TRUE(found(index, -1e9, -1e9, 1e9, 1e9).empty());
}

}  // namespace
}  // namespace zek
