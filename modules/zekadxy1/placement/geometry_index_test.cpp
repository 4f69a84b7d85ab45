// The free-room walk along a leader.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "placement/geometry_index.h"

namespace zek::adxy1 {
namespace {

struct Segment {
  double x0, y0, x1, y1;
  int owner = kDrawn;
};

TEST(GeometryIndex, FindsTheFirstRoomAlongTheLeader) {
  struct Case {
    const char* name;
    std::vector<Segment> drawn;
    LeaderStrip strip;
    double expected;
  };
  // The strip: across x in [9, 11], from y = 0, needing more than 5 free.
  const LeaderStrip up{Axis::Y, 9.0, 11.0, 0.0, 1, 5.0};
  const LeaderStrip down{Axis::Y, 9.0, 11.0, 0.0, -1, 5.0};
  const LeaderStrip right{Axis::X, 9.0, 11.0, 0.0, 1, 5.0};
  const Case cases[] = {
      {"nothing drawn: room at the start", {}, up, 0.0},
      {"a line across at y 3: room after it (3 < 5 free before)", {{0, 3, 20, 3}}, up, 3.0},
      {"a line across at y 6: room begins at the start", {{0, 6, 20, 6}}, up, 0.0},
      {"lines at 3, 7, 11 (gaps of 4): past the last", {{0, 3, 20, 3}, {0, 7, 20, 7}, {0, 11, 20, 11}},
       up, 11.0},
      {"lines at 3 and 9.5: the gap of 6.5 is room", {{0, 3, 20, 3}, {0, 9.5, 20, 9.5}}, up, 3.0},
      {"a line beside the strip does not count", {{12, -5, 12, 50}}, up, 0.0},
      {"a line touching the strip's edge does not count", {{11, -5, 11, 50}}, up, 0.0},
      {"a vertical line in the strip occupies its length", {{10, -2, 10, 30}}, up, 30.0},
      {"below the start does not count upwards", {{0, -3, 20, -3}}, up, 0.0},
      {"downwards: the line at -3", {{0, -3, 20, -3}, {0, 3, 20, 3}}, down, -3.0},
      {"a sloped line crosses the strip between y 9.5 and 11.5", {{0, 0.5, 20, 20.5}},
       {Axis::Y, 9.0, 11.0, 0.0, 1, 10.0}, 11.5},
      {"along x: a vertical line at x 4 across the strip", {{4, 0, 4, 20}}, right, 4.0},
      {"far beyond cell rows: room before it", {{0, 500, 20, 500}}, up, 0.0},
      {"gaps across cell boundaries", {{0, 2.4, 20, 2.4}, {0, 7.3, 20, 7.3}, {0, 12.2, 20, 12.2}}, up,
       12.2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GeometryIndex index(2.5);
    for (const Segment& s : c.drawn)
      index.addSegment(s.x0, s.y0, s.x1, s.y1, s.owner);
    EXPECT_NEAR(index.lastOccupiedBeforeRoom(c.strip), c.expected, 0.3);
  }
}

TEST(GeometryIndex, IgnoresRemovedAndIgnoredOwners) {
  GeometryIndex index(2.5);
  index.addSegment(0, 3, 20, 3, 7);
  index.addSegment(0, 2, 20, 2, kMargin);
  const LeaderStrip up{Axis::Y, 9.0, 11.0, 0.0, 1, 5.0};
  EXPECT_DOUBLE_EQ(index.lastOccupiedBeforeRoom(up), 3.0);
  const int margin[] = {kMargin};
  EXPECT_DOUBLE_EQ(index.lastOccupiedBeforeRoom(up, margin), 3.0);
  const int both[] = {kMargin, 7};
  EXPECT_DOUBLE_EQ(index.lastOccupiedBeforeRoom(up, both), 0.0);
  index.remove(7);
  EXPECT_DOUBLE_EQ(index.lastOccupiedBeforeRoom(up), 2.0);
  EXPECT_DOUBLE_EQ(index.lastOccupiedBeforeRoom(up, margin), 0.0);
}

TEST(GeometryIndex, CirclesAndBoxesOccupyWhatTheyCover) {
  GeometryIndex index(2.5);
  index.addCircle(10, 10, 4);
  index.addBox(30, 30, 40, 34);
  EXPECT_FALSE(index.isFree(9, 13, 11, 15));    // the top of the circle
  EXPECT_TRUE(index.isFree(9, 14.2, 11, 20));   // just above it
  EXPECT_FALSE(index.isFree(9.5, 9.5, 10.5, 10.5));  // a hole is no room for a text
  EXPECT_FALSE(index.isFree(35, 20, 36, 31));
  EXPECT_TRUE(index.isFree(41, 20, 45, 40));
  // The rim's boxes reach the arc's rise over their chords beyond it.
  const double rise = 4 * (1 - std::cos(std::numbers::pi / 36));
  const PlateBounds b = index.drawnBounds();
  EXPECT_NEAR(b.minX, 6 - rise, 1e-9);
  EXPECT_NEAR(b.minY, 6 - rise, 1e-9);
  EXPECT_NEAR(b.maxX, 40, 1e-9);
  EXPECT_NEAR(b.maxY, 34, 1e-9);
  index.addSegment(-100, -100, -90, -90, kMargin);  // margins are no part of the drawing
  EXPECT_NEAR(index.drawnBounds().minX, 6 - rise, 1e-9);
}

// An arc about a far-off centre or a line kilometres long is entered as a few
// thousand coarse pieces, still covering where it runs, not as millions of
// boxes (a run over such a drawing once never returned).
TEST(GeometryIndex, HugeCurvesAndLinesEnterBoundedPiecesThatStillCoverThem) {
  struct Case {
    const char* name;
    double cx, cy, radius, start, end;
  };
  const Case arcs[] = {
      {"far-off centre", -1e9, 1e9, 1.4142e9, 5.4977, 6.0941},
      {"whole huge circle", 0.0, 0.0, 1e12, 0.0, 2.0 * std::numbers::pi},
  };
  for (const Case& arc : arcs) {
    GeometryIndex index(2.5);
    index.addArc(arc.cx, arc.cy, arc.radius, arc.start, arc.end);
    EXPECT_LE(index.boxCount(), 4096u) << arc.name;
    const double middle = (arc.start + arc.end) / 2.0;
    const double x = arc.cx + arc.radius * std::cos(middle);
    const double y = arc.cy + arc.radius * std::sin(middle);
    EXPECT_FALSE(index.isFree(x - 1, y - 1, x + 1, y + 1)) << arc.name;
  }
  GeometryIndex index(2.5);
  index.addSegment(-1e10, -1e10, 1e10, 2e10);
  EXPECT_LE(index.boxCount(), 4096u);
  EXPECT_FALSE(index.isFree(-1, 4999999999, 1, 5000000001));  // its middle
}

}  // namespace
}  // namespace zek::adxy1

namespace zek::adxy1 {
namespace {

// Boxes entered before the first walk are packed cell by cell, later ones
// hashed; a drawing spread far apart keeps all of them hashed. Each way the
// walk finds the same room.
TEST(GeometryIndex, PackedHashedAndSparseCellsAnswerAlike) {
  const LeaderStrip up{Axis::Y, 9.0, 11.0, 0.0, 1, 5.0};
  for (double far : {0.0, 1.0e6}) {
    SCOPED_TRACE(far);
    GeometryIndex index(2.5);
    index.addSegment(0, 3, 20, 3);
    if (far != 0.0)
      index.addSegment(far, far, far + 1, far + 1);  // far off: too sparse to pack
    EXPECT_DOUBLE_EQ(index.lastOccupiedBeforeRoom(up), 3.0);  // packs (or not)
    index.addSegment(0, 7, 20, 7, 4);                          // after: hashed
    EXPECT_DOUBLE_EQ(index.lastOccupiedBeforeRoom(up), 7.0);
    index.remove(4);
    EXPECT_DOUBLE_EQ(index.lastOccupiedBeforeRoom(up), 3.0);
    index.addSegment(0, 20, 20, 20, 5);
    EXPECT_DOUBLE_EQ(index.lastOccupiedBeforeRoom(up), 3.0);  // 17 free after 3
  }
}

}  // namespace
}  // namespace zek::adxy1

namespace zek::adxy1 {
namespace {

// A box over thousands of cells (a title block's extents) is met by every
// walk that crosses it, and taken out like any other.
TEST(GeometryIndex, BigBoxesOccupyTheirWholeArea) {
  const LeaderStrip up{Axis::Y, 9.0, 11.0, 0.0, 1, 5.0};
  GeometryIndex index(2.5);
  index.addSegment(0, 2, 20, 2);
  index.addBox(-1000, 6, 1000, 40, 3);  // 800 × 14 cells
  EXPECT_DOUBLE_EQ(index.lastOccupiedBeforeRoom(up), 40.0);
  const LeaderStrip beside{Axis::Y, 1009.0, 1011.0, 0.0, 1, 5.0};
  EXPECT_DOUBLE_EQ(index.lastOccupiedBeforeRoom(beside), 0.0);
  const LeaderStrip down{Axis::Y, 9.0, 11.0, 100.0, -1, 5.0};
  EXPECT_DOUBLE_EQ(index.lastOccupiedBeforeRoom(down), 100.0);  // 60 free above it
  const LeaderStrip downNeedy{Axis::Y, 9.0, 11.0, 45.0, -1, 5.0};
  EXPECT_DOUBLE_EQ(index.lastOccupiedBeforeRoom(downNeedy), 2.0);  // 4 free under it: too little
  index.remove(3);
  EXPECT_DOUBLE_EQ(index.lastOccupiedBeforeRoom(up), 2.0);
}

}  // namespace
}  // namespace zek::adxy1
