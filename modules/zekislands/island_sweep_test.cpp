// The island sweep, row by row: boxes in, islands (rectangles, members, list
// order) out, every expected rectangle worked out by hand.
#include "island_sweep.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zek {
namespace {

struct Rect {
  double minX, maxX, minY, maxY;
  std::vector<std::size_t> members;
};

std::string describe(const std::vector<Island>& islands) {
  std::string text;
  for (const Island& island : islands) {
    text += "[" + std::to_string(island.minX) + "," + std::to_string(island.maxX) + "]x[" +
            std::to_string(island.minY) + "," + std::to_string(island.maxY) + "] {";
    for (std::size_t member : island.members)
      text += " " + std::to_string(member);
    text += " }\n";
  }
  return text;
}

void expectIslands(const std::vector<Island>& islands, const std::vector<Rect>& expected,
                   const std::string& row) {
  ASSERT_EQ(islands.size(), expected.size()) << row << "\n" << describe(islands);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(islands[i].minX, expected[i].minX, 1e-9) << row << ", island " << i;
    EXPECT_NEAR(islands[i].maxX, expected[i].maxX, 1e-9) << row << ", island " << i;
    EXPECT_NEAR(islands[i].minY, expected[i].minY, 1e-9) << row << ", island " << i;
    EXPECT_NEAR(islands[i].maxY, expected[i].maxY, 1e-9) << row << ", island " << i;
    EXPECT_EQ(islands[i].members, expected[i].members) << row << ", island " << i;
  }
}

// Boxes given as they are (already widened), so the rows read in round numbers.
struct SweepCase {
  const char* row;
  std::vector<Box> boxes;  // minX, maxX, minY, maxY
  std::vector<Rect> islands;
};

// Two islands stacked in y to start from: I0 x 0..10, y 0..10 (box 0) and
// I1 x 0..10, y 20..30 (box 1); box 2 starts at x 5 and is the case.
std::vector<Box> stackedAnd(Box third) { return {{0, 10, 0, 10}, {0, 10, 20, 30}, third}; }

const std::vector<SweepCase>& placementCases() {
  static const std::vector<SweepCase> cases = {
      {"inside one candidate: that island grows in x only", stackedAnd({5, 15, 2, 8}),
       {{0, 15, 0, 10, {0, 2}}, {0, 10, 20, 30, {1}}}},
      {"in the gap between two candidates: a new island between them", stackedAnd({5, 15, 12, 18}),
       {{0, 10, 0, 10, {0}}, {5, 15, 12, 18, {2}}, {0, 10, 20, 30, {1}}}},
      {"in the gap before the first candidate: a new island before the head",
       stackedAnd({5, 15, -5, -2}),
       {{5, 15, -5, -2, {2}}, {0, 10, 0, 10, {0}}, {0, 10, 20, 30, {1}}}},
      {"in the gap after the last candidate: a new island after it", stackedAnd({5, 15, 32, 40}),
       {{0, 10, 0, 10, {0}}, {0, 10, 20, 30, {1}}, {5, 15, 32, 40, {2}}}},
      {"from the gap before into a candidate: it grows in x and y", stackedAnd({5, 15, -5, 5}),
       {{0, 15, -5, 10, {0, 2}}, {0, 10, 20, 30, {1}}}},
      {"from a candidate into the gap after: it grows in x and y", stackedAnd({5, 15, 5, 15}),
       {{0, 15, 0, 15, {0, 2}}, {0, 10, 20, 30, {1}}}},
      {"from a gap into the next candidate up: that one grows", stackedAnd({5, 15, 12, 25}),
       {{0, 10, 0, 10, {0}}, {0, 15, 12, 30, {1, 2}}}},
      {"from inside one candidate to inside the next: merged into the first",
       stackedAnd({5, 15, 5, 25}), {{0, 15, 0, 30, {0, 2, 1}}}},
      {"from the gap before the first to the gap after the last: all merged",
       stackedAnd({5, 15, -5, 35}), {{0, 15, -5, 35, {0, 2, 1}}}},
      {"from inside the first to the gap before the second: no merge", stackedAnd({5, 15, 5, 19}),
       {{0, 15, 0, 19, {0, 2}}, {0, 10, 20, 30, {1}}}},
      {"several candidates merged, the top inside the third",
       {{0, 10, 0, 10}, {0, 10, 20, 30}, {0, 10, 40, 50}, {5, 15, 5, 45}},
       {{0, 15, 0, 50, {0, 3, 1, 2}}}},
      {"an island ending left of the box is no candidate and stays between them",
       {{0, 10, 0, 10}, {0, 3, 20, 30}, {0, 10, 40, 50}, {5, 15, 5, 45}},
       {{0, 15, 0, 50, {0, 3, 2}}, {0, 3, 20, 30, {1}}}},
  };
  return cases;
}

TEST(IslandSweep, PlacesEachBoxAmongTheCandidates) {
  for (const SweepCase& c : placementCases())
    expectIslands(sweepIslands(c.boxes, true), c.islands, c.row);
}

TEST(IslandSweep, HeadAndEdgesCompareStrictly) {
  const std::vector<SweepCase> cases = {
      {"a box starting where the head ends still meets it (maxX not less than minX)",
       {{0, 10, 0, 10}, {10, 20, 0, 10}}, {{0, 20, 0, 10, {0, 1}}}},
      {"a later island ending where the box starts is no candidate (maxX must be greater)",
       {{0, 10, 0, 10}, {0, 5, 20, 30}, {5, 15, 5, 25}},
       {{0, 15, 0, 25, {0, 2}}, {0, 5, 20, 30, {1}}}},
      {"a box starting just right of every island starts the next one",
       {{0, 10, 0, 10}, {10.5, 20, 0, 10}}, {{0, 10, 0, 10, {0}}, {10.5, 20, 0, 10, {1}}}},
      {"a box whose bottom equals the candidate's top lies above it",
       {{0, 10, 0, 10}, {5, 15, 10, 20}}, {{0, 10, 0, 10, {0}}, {5, 15, 10, 20, {1}}}},
      {"a box whose top equals the candidate's bottom reaches into it (not below its minY)",
       {{0, 10, 10, 20}, {5, 15, 0, 10}}, {{0, 15, 0, 20, {0, 1}}}},
      {"boxes given in any order are swept by their left edges",
       {{30, 40, 0, 10}, {0, 10, 0, 10}, {5, 35, 4, 6}}, {{0, 40, 0, 10, {1, 2, 0}}}},
      {"boxes with one left edge keep their order", {{0, 10, 20, 30}, {0, 10, 0, 10}},
       {{0, 10, 0, 10, {1}}, {0, 10, 20, 30, {0}}}},
      {"no boxes, no islands", {}, {}},
  };
  for (const SweepCase& c : cases)
    expectIslands(sweepIslands(c.boxes, true), c.islands, c.row);
}

// Extents of the drawn objects widened by 0.01, as the search takes them.
TEST(IslandSweep, WidenedExtentsJoinCloseObjectsAndDropSmallOnes) {
  struct Extents {
    double minX, minY, maxX, maxY;
  };
  struct Case {
    const char* row;
    std::vector<Extents> objects;
    std::vector<Rect> islands;
  };
  const Case cases[] = {
      {"two rectangles 0.015 apart: one island (10.01 reaches past 10.005)",
       {{0, 0, 10, 10}, {10.015, 0, 20, 10}}, {{-0.01, 20.01, -0.01, 10.01, {0, 1}}}},
      {"two rectangles 0.03 apart: two islands (10.01 ends left of 10.02)",
       {{0, 0, 10, 10}, {10.03, 0, 20, 10}},
       {{-0.01, 10.01, -0.01, 10.01, {0}}, {10.02, 20.01, -0.01, 10.01, {1}}}},
      {"a short line, 0.4 by 0.3 (0.42 by 0.32 widened): no island", {{0, 0, 0.4, 0.3}}, {}},
      {"a line 0.5 by 0.5 (0.52 widened both ways): an island", {{0, 0, 0.5, 0.5}},
       {{-0.01, 0.51, -0.01, 0.51, {0}}}},
      {"a line 0.49 by 0.49 is 0.51 widened: exactly the minimum is kept",
       {{0, 0, 0.49, 0.49}}, {{-0.01, 0.50, -0.01, 0.50, {0}}}},
      {"a long horizontal line alone is only 0.02 high: no island", {{0, 5, 100, 5}}, {}},
      {"a plate of four edges and a hole: one island",
       {{0, 0, 0, 50}, {0, 0, 80, 0}, {0, 50, 80, 50}, {80, 0, 80, 50}, {35, 20, 45, 30}},
       {{-0.01, 80.01, -0.01, 50.01, {0, 1, 2, 4, 3}}}},
  };
  for (const Case& c : cases) {
    std::vector<Box> boxes;
    for (const Extents& e : c.objects)
      boxes.push_back(widenedBox(e.minX, e.minY, e.maxX, e.maxY));
    expectIslands(sweepIslands(boxes, true), c.islands, c.row);
  }
}

TEST(IslandSweep, MembersOnlyWhenAsked) {
  const std::vector<Box> boxes = {{0, 10, 0, 10}, {5, 15, 5, 15}};
  const std::vector<Island> islands = sweepIslands(boxes, false);
  ASSERT_EQ(islands.size(), 1u);
  EXPECT_TRUE(islands[0].members.empty());
  EXPECT_NEAR(islands[0].maxX, 15, 1e-12);
}

TEST(IslandAt, TheFirstIslandHoldingThePointStrictly) {
  const std::vector<Island> islands = {{0, 10, 0, 10, {}}, {5, 20, 5, 20, {}}};
  struct Case {
    const char* row;
    double x, y;
    int island;  // -1: none
  };
  const Case cases[] = {
      {"inside the first", 2, 2, 0},
      {"inside both: the first in list order", 7, 7, 0},
      {"inside the second only", 15, 15, 1},
      {"on the first's left edge", 0, 5, -1},
      {"on the first's top edge, outside the second", 2, 10, -1},
      {"on a corner", 20, 20, -1},
      {"on the second's edge, inside neither", 12, 5, -1},
      {"outside every island", 30, 30, -1},
  };
  for (const Case& c : cases) {
    const Island* hit = islandAt(islands, c.x, c.y);
    if (c.island < 0)
      EXPECT_EQ(hit, nullptr) << c.row;
    else
      EXPECT_EQ(hit, &islands[static_cast<std::size_t>(c.island)]) << c.row;
  }
}

}  // namespace
}  // namespace zek
