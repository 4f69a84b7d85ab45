// The island sweep against the rule written plainly: each box compared with
// every island from the head on, the islands kept in one vector. Sheets of
// plates in a grid (many islands above each other, all overlapping a box in
// x) and random boxes (edges on whole numbers, so every tie of the strict
// comparisons occurs) must give the same islands, members and order.
#include "island_sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace zek {
namespace {

// Where a y value lies among the candidates, in their order: 2i the gap
// before candidate i, 2i + 1 inside it, 2k above all k.
std::size_t plainLocate(const std::vector<Island>& list, const std::vector<std::size_t>& candidates, double y) {
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    if (y < list[candidates[i]].minY)
      return 2 * i;
    if (y < list[candidates[i]].maxY)
      return 2 * i + 1;
  }
  return 2 * candidates.size();
}

void grow(Island& island, double minX, double maxX, double minY, double maxY) {
  island.minX = std::min(island.minX, minX);
  island.maxX = std::max(island.maxX, maxX);
  island.minY = std::min(island.minY, minY);
  island.maxY = std::max(island.maxY, maxY);
}

std::vector<Island> plainSweep(const std::vector<Box>& boxes, bool keepMembers) {
  std::vector<std::size_t> order(boxes.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return boxes[a].minX < boxes[b].minX; });
  std::vector<Island> list;
  std::size_t head = 0;
  for (std::size_t position : order) {
    const Box& box = boxes[position];
    Island made{box.minX, box.maxX, box.minY, box.maxY, {}};
    if (keepMembers)
      made.members.push_back(position);
    while (head < list.size() && list[head].maxX < box.minX)
      ++head;
    if (head == list.size()) {
      list.push_back(made);
      continue;
    }
    std::vector<std::size_t> candidates{head};
    for (std::size_t p = head + 1; p < list.size() && list[p].minX <= box.maxX; ++p)
      if (list[p].maxX > box.minX)
        candidates.push_back(p);
    const std::size_t low = plainLocate(list, candidates, box.minY);
    const std::size_t high = plainLocate(list, candidates, box.maxY);
    if (low == high && low % 2 == 0) {
      const std::size_t at = low / 2 < candidates.size() ? candidates[low / 2] : candidates.back() + 1;
      list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), made);
      continue;
    }
    const std::size_t first = low / 2, last = (high - 1) / 2;
    Island& target = list[candidates[first]];
    grow(target, box.minX, box.maxX, box.minY, box.maxY);
    if (keepMembers)
      target.members.push_back(position);
    for (std::size_t j = first + 1; j <= last; ++j) {
      const Island& merged = list[candidates[j]];
      grow(target, merged.minX, merged.maxX, merged.minY, merged.maxY);
      target.members.insert(target.members.end(), merged.members.begin(), merged.members.end());
    }
    for (std::size_t j = last; j > first; --j)  // from the back, so the earlier places hold
      list.erase(list.begin() + static_cast<std::ptrdiff_t>(candidates[j]));
  }
  std::erase_if(list, [](const Island& island) {
    return island.maxX - island.minX < kMinIslandSize || island.maxY - island.minY < kMinIslandSize;
  });
  return list;
}

testing::AssertionResult sameIslands(const std::vector<Island>& found, const std::vector<Island>& expected) {
  if (found.size() != expected.size())
    return testing::AssertionFailure() << found.size() << " islands, the plain sweep finds " << expected.size();
  for (std::size_t i = 0; i < found.size(); ++i) {
    const Island& a = found[i];
    const Island& b = expected[i];
    if (a.minX != b.minX || a.maxX != b.maxX || a.minY != b.minY || a.maxY != b.maxY)
      return testing::AssertionFailure() << "island " << i << " is [" << a.minX << "," << a.maxX << "]x["
                                         << a.minY << "," << a.maxY << "], the plain sweep's [" << b.minX
                                         << "," << b.maxX << "]x[" << b.minY << "," << b.maxY << "]";
    if (a.members != b.members)
      return testing::AssertionFailure() << "island " << i << " has other members (" << a.members.size()
                                         << " against " << b.members.size() << ")";
  }
  return testing::AssertionSuccess();
}

// A plate as a drafter draws it: four edges, a hole near each corner and one
// in the middle, all widened.
void addPlate(std::vector<Box>& boxes, double x, double y, double w, double h) {
  boxes.push_back(widenedBox(x, y, x + w, y));
  boxes.push_back(widenedBox(x + w, y, x + w, y + h));
  boxes.push_back(widenedBox(x, y + h, x + w, y + h));
  boxes.push_back(widenedBox(x, y, x, y + h));
  for (const double fx : {0.2, 0.8})
    for (const double fy : {0.2, 0.8})
      boxes.push_back(widenedBox(x + fx * w - 1, y + fy * h - 1, x + fx * w + 1, y + fy * h + 1));
  boxes.push_back(widenedBox(x + w / 2 - 2, y + h / 2 - 2, x + w / 2 + 2, y + h / 2 + 2));
}

// Plates 30 by 20 in `columns` by `rows`, `gapX` and `gapY` apart, given row
// after row (the order a sheet is drawn in, not the sweep's).
std::vector<Box> plateGrid(int columns, int rows, double gapX, double gapY) {
  std::vector<Box> boxes;
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column)
      addPlate(boxes, column * (30 + gapX), row * (20 + gapY), 30, 20);
  return boxes;
}

struct RandomBoxes {
  int count;
  double field;              // edges within 0..field
  int minSize, maxSize;      // width and height in whole numbers, or (wholeNumbers false) scaled
  bool wholeNumbers;         // edges on whole numbers: ties everywhere
  double flatShare;          // share of boxes of no height
  double backwardShare;      // share of boxes whose left edge lies right of the right edge
  unsigned seed;
};

std::vector<Box> randomBoxes(const RandomBoxes& r) {
  std::mt19937 random(r.seed);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  const auto coordinate = [&] {
    const double v = unit(random) * r.field;
    return r.wholeNumbers ? std::floor(v) : v;
  };
  const auto size = [&] {
    const double v = r.minSize + unit(random) * (r.maxSize - r.minSize + (r.wholeNumbers ? 1 : 0));
    return r.wholeNumbers ? std::floor(v) : v;
  };
  std::vector<Box> boxes;
  for (int i = 0; i < r.count; ++i) {
    const double x = coordinate(), y = coordinate();
    double w = size(), h = std::max(size(), 1.0);
    if (unit(random) < r.flatShare)
      h = 0;
    if (unit(random) < r.backwardShare)
      w = -std::max(w, 1.0);
    boxes.push_back(Box{x, x + w, y, y + h});
  }
  return boxes;
}

// Long bars across the field (rows and columns of a title block, say) among
// small boxes: boxes that merge many candidates at once.
std::vector<Box> barsAndBoxes(unsigned seed) {
  std::vector<Box> boxes = randomBoxes({3000, 400, 1, 4, true, 0.0, 0.0, seed});
  std::mt19937 random(seed + 1);
  std::uniform_int_distribution<int> at(0, 400);
  for (int i = 0; i < 40; ++i) {
    const double a = at(random), b = at(random);
    boxes.push_back(i % 2 ? Box{a, a + 1, 0, 400} : Box{0, 400, b, b + 1});
    boxes.push_back(Box{a, a + 120, b, b + 2});
  }
  return boxes;
}

struct Layout {
  const char* row;
  std::function<std::vector<Box>()> boxes;
  int islands;  // -1: not counted by hand
};

const std::vector<Layout>& layouts() {
  static const std::vector<Layout> cases = {
      {"a grid of 12 by 40 plates 5 apart: one island each", [] { return plateGrid(12, 40, 5, 5); }, 480},
      {"a grid whose columns stand 0.015 apart: each row one island",
       [] { return plateGrid(10, 30, 0.015, 5); }, 30},
      {"a grid whose rows stand 0.015 apart: each column one island",
       [] { return plateGrid(10, 30, 5, 0.015); }, 10},
      {"a grid of plates overlapping their neighbours by 3 in x and y: one island",
       [] { return plateGrid(8, 20, -3, -3); }, 1},
      {"random boxes on whole numbers, dense", [] { return randomBoxes({4000, 300, 0, 6, true, 0, 0, 1}); }, -1},
      {"random boxes on whole numbers, sparse", [] { return randomBoxes({3000, 2000, 0, 5, true, 0, 0, 2}); },
       -1},
      {"random boxes on whole numbers, tiny field (ties on every edge)",
       [] { return randomBoxes({600, 20, 0, 2, true, 0, 0, 3}); }, -1},
      {"random real boxes", [] { return randomBoxes({5000, 1000, 0, 12, false, 0, 0, 4}); }, -1},
      {"random boxes, some of no height", [] { return randomBoxes({3000, 300, 0, 6, true, 0.1, 0, 5}); }, -1},
      {"random boxes, some running backwards in x",
       [] { return randomBoxes({3000, 300, 0, 6, true, 0, 0.05, 6}); }, -1},
      {"long bars among small boxes", [] { return barsAndBoxes(7); }, -1},
  };
  return cases;
}

TEST(IslandSweepReference, SameIslandsAsThePlainSweep) {
  for (const Layout& layout : layouts()) {
    const std::vector<Box> boxes = layout.boxes();
    for (const bool keepMembers : {true, false}) {
      const std::vector<Island> expected = plainSweep(boxes, keepMembers);
      if (layout.islands >= 0) {
        EXPECT_EQ(expected.size(), static_cast<std::size_t>(layout.islands)) << layout.row;
      }
      EXPECT_TRUE(sameIslands(sweepIslands(boxes, keepMembers), expected))
          << layout.row << (keepMembers ? ", with members" : ", without members");
    }
  }
}

// Boxes with no place on the sheet are left out; the others sweep as alone.
TEST(IslandSweepReference, LeavesOutBoxesWithoutAPlace) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<Box> plates = {{0, 10, 0, 10}, {0, 10, 20, 30}, {5, 15, 5, 25}, {40, 50, 0, 10}};
  struct Case {
    const char* row;
    Box bad;
  };
  const Case cases[] = {
      {"a left edge that is no number", {nan, 12, 2, 22}},
      {"a right edge that is no number", {3, nan, 2, 22}},
      {"a bottom that is no number", {3, 12, nan, 22}},
      {"a top that is no number", {3, 12, 2, nan}},
      {"a bottom above the top (it would span both plates backwards)", {3, 12, 25, 5}},
  };
  const std::vector<Island> alone = sweepIslands(plates, true);
  ASSERT_EQ(alone.size(), 2u);
  for (const Case& c : cases) {
    std::vector<Box> boxes = plates;
    boxes.insert(boxes.begin() + 1, c.bad);
    std::vector<Island> found = sweepIslands(boxes, true);
    for (Island& island : found)  // positions after the bad box move up by one
      for (std::size_t& member : island.members)
        member = member > 1 ? member - 1 : member;
    EXPECT_TRUE(sameIslands(found, alone)) << c.row;
  }
}

}  // namespace
}  // namespace zek
