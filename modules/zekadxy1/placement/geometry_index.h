// The free-room index of a placement run: the occupied boxes of everything
// drawn in the selection, of the margin round the plate, and of the leaders
// and texts placed so far, with the search for room for a text along a
// leader.
#pragma once

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "placement/ordinate_model.h"
#include "settings/ordinate_settings.h"

namespace zek::adxy1 {

// Who entered a box: the drawing (kDrawn), the margin (kMargin), or a
// placed dimension (its placement number, 0 and up).
inline constexpr int kDrawn = -1;
inline constexpr int kMargin = -2;

struct OccupiedBox {
  double x0, y0, x1, y1;
  int owner;
};

// A stretch to search: across the leader from acrossLow to acrossHigh, along
// it from `start` in `direction` (+1 or −1), for a free stretch longer than
// `need`.
struct LeaderStrip {
  Axis along;  // Axis::Y: the leader runs along y (an X ordinate)
  double acrossLow;
  double acrossHigh;
  double start;
  int direction;
  double need;
};

// Boxes in a grid of square cells, each cell listing the boxes that reach
// into it. Sloped segments and curves go in as short pieces, so a box never
// holds much free room.
class GeometryIndex {
public:
  explicit GeometryIndex(double cellSize);

  void addSegment(double x0, double y0, double x1, double y1, int owner = kDrawn);
  // Sampled every 10°, counter-clockwise from start to end (radians).
  void addArc(double cx, double cy, double radius, double start, double end, int owner = kDrawn);
  // The rim sampled every 10°, and the inside filled.
  void addCircle(double cx, double cy, double radius, int owner = kDrawn);
  void addBox(double x0, double y0, double x1, double y1, int owner = kDrawn);
  // Room for about this many boxes more (a selection's entities give some
  // forty each at most), so that filling the index does not copy it.
  void reserve(std::size_t boxes);
  // Takes every box of a placement out again.
  void remove(int owner);

  // The bounds of what the drawing entered (none: all zero).
  bool hasDrawn() const { return hasDrawn_; }
  PlateBounds drawnBounds() const { return drawn_; }

  // The end of the occupied stretch before the first free stretch longer
  // than strip.need, walking from strip.start; strip.start itself when room
  // begins there. Boxes of the owners ignored do not count. A box counts
  // when it reaches strictly into the strip across and strictly beyond the
  // start along.
  double lastOccupiedBeforeRoom(const LeaderStrip& strip,
                                std::span<const int> ignored = {}) const;
  // Whether nothing reaches into the box (ignoring those owners).
  bool isFree(double x0, double y0, double x1, double y1, std::span<const int> ignored = {}) const;

  std::size_t boxCount() const { return boxes_.size(); }

private:
  using CellKey = std::uint64_t;
  static CellKey keyOf(std::int64_t column, std::int64_t row);
  std::int64_t cellOf(double coordinate) const;
  void enter(const OccupiedBox& box);
  void enterIntoCells(std::uint32_t index);
  bool isBig(const OccupiedBox& box) const;
  // The boxes entered before the first walk, packed cell by cell into one
  // array (read far more often than written); later boxes go into the
  // hashed cells. Built on the first walk or removal.
  void pack() const;
  // Calls f(index) for every box listed in the cell.
  template <class F>
  void forEachInCell(std::int64_t column, std::int64_t row, F&& f) const;

  mutable double cellSize_;  // grown once, when the drawing is packed
  std::vector<OccupiedBox> boxes_;
  std::vector<bool> removed_;
  mutable std::unordered_map<CellKey, std::vector<std::uint32_t>> cells_;
  mutable bool packed_ = false;
  mutable std::int64_t packedColumn0_ = 0, packedRow0_ = 0, packedColumns_ = 0, packedRows_ = 0;
  mutable std::vector<std::uint32_t> packedStart_;  // per cell, into packedBoxes_
  mutable std::vector<std::uint32_t> packedBoxes_;
  // Boxes over many cells (a title block's extents, a text across the
  // sheet): listed once and met by every walk that crosses them.
  std::vector<std::uint32_t> bigBoxes_;
  std::unordered_map<int, std::vector<std::uint32_t>> boxesOfOwner_;
  double minX_ = 0.0, minY_ = 0.0, maxX_ = 0.0, maxY_ = 0.0;  // of every box
  bool hasBoxes_ = false;
  PlateBounds drawn_;
  bool hasDrawn_ = false;
};

}  // namespace zek::adxy1
