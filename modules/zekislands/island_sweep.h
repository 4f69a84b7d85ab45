// The island sweep: boxes of the visible objects merged, in order of their
// left edges, into islands, each summarised by one rectangle. Plain
// functions over numbers: no drawing needed.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace zek {

// How far each object's extents are widened on every side, so that objects
// drawn touching (or within 0.02 of each other) share an island.
constexpr double kBoxMargin = 0.01;
// Islands narrower or lower than this are dropped (a lone short line, a
// point).
constexpr double kMinIslandSize = 0.51;

// One object's extents, widened.
struct Box {
  double minX = 0.0;
  double maxX = 0.0;
  double minY = 0.0;
  double maxY = 0.0;
};

// One island: the rectangle round its boxes and, where asked for, the
// positions of its boxes in the list given to the sweep.
struct Island {
  double minX = 0.0;
  double maxX = 0.0;
  double minY = 0.0;
  double maxY = 0.0;
  std::vector<std::size_t> members;
};

// The box of an object whose extents run from (minX, minY) to (maxX, maxY),
// widened by kBoxMargin on every side.
Box widenedBox(double minX, double minY, double maxX, double maxY);

// Merges the boxes into islands: sorted by their left edges (ties keep
// their order), each box joins, extends, bridges or starts islands among
// those it overlaps in x (strict comparisons); islands whose width or height
// is less than kMinIslandSize are then dropped. An island grown by a merge
// is not compared again with islands it did not touch, so two islands may
// overlap. With keepMembers each island lists its boxes' positions.
std::vector<Island> sweepIslands(std::span<const Box> boxes, bool keepMembers);

// The first island, in the order sweepIslands gives them, that holds the
// point strictly inside (a point on an edge is outside); null when none does.
const Island* islandAt(std::span<const Island> islands, double x, double y);

}  // namespace zek
