// The free-room index: boxes in a hashed grid, and the walk along a leader.
#include "placement/geometry_index.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zek::adxy1 {

namespace {

// A sloped segment is entered as pieces no longer than this in x or y.
constexpr double kPieceLength = 0.5;
// A segment or arc is cut into at most this many pieces: a line or arc far
// larger than the plate (a construction line a kilometre long, an arc about a
// far-off centre) is entered as coarser pieces instead of millions of boxes.
constexpr double kMostPieces = 4096.0;
// Boxes that only touch a strip do not occupy it.
constexpr double kTouch = 1e-7;
// A box over more cells than this is a big one, not listed in cells.
constexpr double kBigBoxCells = 4096.0;

bool isIgnored(int owner, std::span<const int> ignored) {
  return std::find(ignored.begin(), ignored.end(), owner) != ignored.end();
}

struct Stretch {
  double low;
  double high;
};

}  // namespace

GeometryIndex::GeometryIndex(double cellSize) : cellSize_(cellSize > 0.0 ? cellSize : 1.0) {}

GeometryIndex::CellKey GeometryIndex::keyOf(std::int64_t column, std::int64_t row) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(column)) << 32) |
         static_cast<std::uint32_t>(row);
}

std::int64_t GeometryIndex::cellOf(double coordinate) const {
  if (!std::isfinite(coordinate))
    coordinate = 0.0;  // a walk from nowhere looks at the origin's cells
  const double cell = std::floor(coordinate / cellSize_);
  return static_cast<std::int64_t>(std::clamp(cell, -1.0e9, 1.0e9));
}

template <class F>
void GeometryIndex::forEachInCell(std::int64_t column, std::int64_t row, F&& f) const {
  const std::int64_t c = column - packedColumn0_;
  const std::int64_t r = row - packedRow0_;
  if (c >= 0 && c < packedColumns_ && r >= 0 && r < packedRows_) {
    const std::size_t at = static_cast<std::size_t>(c * packedRows_ + r);
    for (std::uint32_t i = packedStart_[at]; i < packedStart_[at + 1]; ++i)
      f(packedBoxes_[i]);
  }
  if (cells_.empty())
    return;
  auto found = cells_.find(keyOf(column, row));
  if (found != cells_.end())
    for (std::uint32_t index : found->second)
      f(index);
}

bool GeometryIndex::isBig(const OccupiedBox& box) const {
  const double columns = std::floor(box.x1 / cellSize_) - std::floor(box.x0 / cellSize_) + 1.0;
  const double rows = std::floor(box.y1 / cellSize_) - std::floor(box.y0 / cellSize_) + 1.0;
  return columns * rows > kBigBoxCells;
}

void GeometryIndex::pack() const {
  if (packed_)
    return;
  packed_ = true;
  if (boxes_.empty())
    return;
  // A drawing far wider than its texts are high gets larger cells: at most
  // kMostCellsAcross along its longer side.
  constexpr double kMostCellsAcross = 1024.0;
  const double extent = std::max(maxX_ - minX_, maxY_ - minY_);
  if (std::isfinite(extent))
    cellSize_ = std::max(cellSize_, extent / kMostCellsAcross);
  auto* self = const_cast<GeometryIndex*>(this);
  std::vector<bool> big(boxes_.size(), false);
  for (std::uint32_t i = 0; i < boxes_.size(); ++i)
    if (isBig(boxes_[i])) {
      self->bigBoxes_.push_back(i);
      big[i] = true;
    }
  packedColumn0_ = cellOf(minX_);
  packedRow0_ = cellOf(minY_);
  packedColumns_ = cellOf(maxX_) - packedColumn0_ + 1;
  packedRows_ = cellOf(maxY_) - packedRow0_ + 1;
  // A drawing spread so wide that the packed cells would take more room
  // than its boxes keeps every box in the hashed cells.
  constexpr std::int64_t kMostPackedCells = 1 << 22;
  if (packedColumns_ * packedRows_ > kMostPackedCells ||
      packedColumns_ * packedRows_ > static_cast<std::int64_t>(boxes_.size()) * 64) {
    packedColumns_ = packedRows_ = 0;
    for (std::uint32_t i = 0; i < boxes_.size(); ++i)
      if (!big[i])
        self->enterIntoCells(i);
    return;
  }
  const auto cells = static_cast<std::size_t>(packedColumns_ * packedRows_);
  packedStart_.assign(cells + 1, 0);
  const auto eachCell = [&](const OccupiedBox& box, auto&& f) {
    for (std::int64_t column = cellOf(box.x0); column <= cellOf(box.x1); ++column)
      for (std::int64_t row = cellOf(box.y0); row <= cellOf(box.y1); ++row)
        f(static_cast<std::size_t>((column - packedColumn0_) * packedRows_ + row - packedRow0_));
  };
  for (std::uint32_t i = 0; i < boxes_.size(); ++i)
    if (!big[i])
      eachCell(boxes_[i], [&](std::size_t at) { ++packedStart_[at + 1]; });
  for (std::size_t at = 0; at < cells; ++at)
    packedStart_[at + 1] += packedStart_[at];
  packedBoxes_.assign(packedStart_[cells], 0);
  std::vector<std::uint32_t> next(packedStart_.begin(), packedStart_.end() - 1);
  for (std::uint32_t i = 0; i < boxes_.size(); ++i)
    if (!big[i])
      eachCell(boxes_[i], [&](std::size_t at) { packedBoxes_[next[at]++] = i; });
}

void GeometryIndex::enterIntoCells(std::uint32_t index) {
  const OccupiedBox& box = boxes_[index];
  for (std::int64_t column = cellOf(box.x0); column <= cellOf(box.x1); ++column)
    for (std::int64_t row = cellOf(box.y0); row <= cellOf(box.y1); ++row)
      cells_[keyOf(column, row)].push_back(index);
}

void GeometryIndex::enter(const OccupiedBox& box) {
  if (!std::isfinite(box.x0) || !std::isfinite(box.y0) || !std::isfinite(box.x1) ||
      !std::isfinite(box.y1))
    return;
  const auto index = static_cast<std::uint32_t>(boxes_.size());
  boxes_.push_back(box);
  removed_.push_back(false);
  if (packed_) {
    if (isBig(box))
      bigBoxes_.push_back(index);
    else
      enterIntoCells(index);
  }
  if (box.owner != kDrawn && box.owner != kMargin)
    boxesOfOwner_[box.owner].push_back(index);
  if (!hasBoxes_) {
    minX_ = box.x0, minY_ = box.y0, maxX_ = box.x1, maxY_ = box.y1;
    hasBoxes_ = true;
  } else {
    minX_ = std::min(minX_, box.x0), minY_ = std::min(minY_, box.y0);
    maxX_ = std::max(maxX_, box.x1), maxY_ = std::max(maxY_, box.y1);
  }
  if (box.owner == kDrawn) {
    if (!hasDrawn_) {
      drawn_ = {box.x0, box.y0, box.x1, box.y1};
      hasDrawn_ = true;
    } else {
      drawn_.minX = std::min(drawn_.minX, box.x0), drawn_.minY = std::min(drawn_.minY, box.y0);
      drawn_.maxX = std::max(drawn_.maxX, box.x1), drawn_.maxY = std::max(drawn_.maxY, box.y1);
    }
  }
}

void GeometryIndex::addBox(double x0, double y0, double x1, double y1, int owner) {
  enter({std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1), owner});
}

void GeometryIndex::addSegment(double x0, double y0, double x1, double y1, int owner) {
  const double dx = x1 - x0;
  const double dy = y1 - y0;
  const double shorter = std::min(std::fabs(dx), std::fabs(dy));
  // Along an axis a segment is its own box; a sloped one is cut so that each
  // piece's box stays close to it.
  const int pieces = shorter <= kPieceLength
                         ? 1
                         : static_cast<int>(std::min(kMostPieces, std::ceil(shorter / kPieceLength)));
  for (int i = 0; i < pieces; ++i) {
    const double t0 = static_cast<double>(i) / pieces;
    const double t1 = static_cast<double>(i + 1) / pieces;
    addBox(x0 + dx * t0, y0 + dy * t0, x0 + dx * t1, y0 + dy * t1, owner);
  }
}

void GeometryIndex::addArc(double cx, double cy, double radius, double start, double end,
                           int owner) {
  // Chords every 10° (closer on large arcs, so that no chord is longer than
  // kLongestChord), each entered as its own box grown by the arc's rise over
  // it: the boxes hold the whole arc and little room beside it.
  constexpr double kTenDegrees = std::numbers::pi / 18.0;
  constexpr double kLongestChord = 2.0;
  while (end <= start)
    end += 2.0 * std::numbers::pi;
  double step = kTenDegrees;
  if (radius * step > kLongestChord)
    step = kLongestChord / radius;
  const int steps = std::max(
      1, static_cast<int>(std::min(kMostPieces, std::ceil((end - start) / step - 1e-9))));
  step = (end - start) / steps;
  const double rise = radius * (1.0 - std::cos(step / 2.0));
  double px = cx + radius * std::cos(start);
  double py = cy + radius * std::sin(start);
  for (int i = 1; i <= steps; ++i) {
    const double angle = i == steps ? end : start + step * i;
    const double qx = cx + radius * std::cos(angle);
    const double qy = cy + radius * std::sin(angle);
    addBox(std::min(px, qx) - rise, std::min(py, qy) - rise, std::max(px, qx) + rise,
           std::max(py, qy) + rise, owner);
    px = qx, py = qy;
  }
}

void GeometryIndex::addCircle(double cx, double cy, double radius, int owner) {
  // A hole is no room for a text: its rim, and the square within it (what
  // that leaves by the rim is too thin for a text).
  addArc(cx, cy, radius, 0.0, 2.0 * std::numbers::pi, owner);
  const double half = radius * std::numbers::sqrt2 / 2.0;
  addBox(cx - half, cy - half, cx + half, cy + half, owner);
}

void GeometryIndex::reserve(std::size_t boxes) {
  boxes_.reserve(boxes_.size() + boxes);
  removed_.reserve(removed_.size() + boxes);
  cells_.reserve(cells_.size() + boxes / 4);
}

void GeometryIndex::remove(int owner) {
  auto found = boxesOfOwner_.find(owner);
  if (found == boxesOfOwner_.end())
    return;
  pack();
  // Out of every hashed cell it reached, so that the cells of texts moved
  // many times stay short (a packed box stays listed, marked removed).
  for (std::uint32_t index : found->second) {
    removed_[index] = true;
    if (std::find(bigBoxes_.begin(), bigBoxes_.end(), index) != bigBoxes_.end())
      continue;  // listed in no cell
    const OccupiedBox& box = boxes_[index];
    for (std::int64_t column = cellOf(box.x0); column <= cellOf(box.x1); ++column)
      for (std::int64_t row = cellOf(box.y0); row <= cellOf(box.y1); ++row) {
        auto members = cells_.find(keyOf(column, row));
        if (members == cells_.end())
          continue;
        std::vector<std::uint32_t>& list = members->second;
        auto at = std::find(list.begin(), list.end(), index);
        if (at != list.end()) {
          *at = list.back();
          list.pop_back();
        }
      }
  }
  boxesOfOwner_.erase(found);
}

double GeometryIndex::lastOccupiedBeforeRoom(const LeaderStrip& strip,
                                             std::span<const int> ignored) const {
  if (!hasBoxes_)
    return strip.start;
  pack();
  const bool alongY = strip.along == Axis::Y;
  const int dir = strip.direction < 0 ? -1 : 1;
  // Work in a frame where the walk goes towards larger `along` values.
  const double start = strip.start * dir;
  const double reach = alongY ? (dir > 0 ? maxY_ : -minY_) : (dir > 0 ? maxX_ : -minX_);
  const std::int64_t firstCross = cellOf(strip.acrossLow);
  const std::int64_t lastCross = cellOf(strip.acrossHigh);

  // The stretch along the walk that a box occupies, when it reaches into the
  // strip across and beyond the start.
  std::vector<Stretch> found;
  const auto visit = [&](std::uint32_t index) {
    if (removed_[index])
      return;
    const OccupiedBox& box = boxes_[index];
    if (isIgnored(box.owner, ignored))
      return;
    const double crossLow = alongY ? box.x0 : box.y0;
    const double crossHigh = alongY ? box.x1 : box.y1;
    if (crossHigh <= strip.acrossLow + kTouch || crossLow >= strip.acrossHigh - kTouch)
      return;
    double low = (alongY ? box.y0 : box.x0) * dir;
    double high = (alongY ? box.y1 : box.x1) * dir;
    if (low > high)
      std::swap(low, high);
    if (high <= start + kTouch)
      return;
    found.push_back({std::max(low, start), high});
  };
  const auto byLow = [](const Stretch& a, const Stretch& b) { return a.low < b.low; };
  // The big boxes the strip meets, taken in as the walk reaches them.
  for (std::uint32_t index : bigBoxes_)
    visit(index);
  std::vector<Stretch> big = std::move(found);
  found.clear();
  std::sort(big.begin(), big.end(), byLow);
  std::size_t nextBig = 0;

  double covered = start;
  std::int64_t line = cellOf(strip.start);
  for (;;) {
    found.clear();
    for (std::int64_t cross = firstCross; cross <= lastCross; ++cross) {
      if (alongY)
        forEachInCell(cross, line, visit);
      else
        forEachInCell(line, cross, visit);
    }
    // Boxes not met yet begin beyond this line of cells.
    const double lineEnd =
        dir > 0 ? static_cast<double>(line + 1) * cellSize_ : -static_cast<double>(line) * cellSize_;
    while (nextBig < big.size() && big[nextBig].low <= lineEnd)
      found.push_back(big[nextBig++]);
    std::sort(found.begin(), found.end(), byLow);
    for (const Stretch& stretch : found) {
      if (stretch.low - covered > strip.need)
        return covered * dir;
      covered = std::max(covered, stretch.high);
    }
    if (lineEnd - covered > strip.need || lineEnd > reach)
      return covered * dir;
    // Lines of cells wholly within the occupied stretch hold nothing new: a
    // box that reaches past it is listed in the cell that holds its end too.
    // (A centre line along the band would otherwise be walked cell by cell.)
    const std::int64_t coveredLine = cellOf(covered * dir);
    line = dir > 0 ? std::max(line + 1, coveredLine) : std::min(line - 1, coveredLine);
  }
}

bool GeometryIndex::isFree(double x0, double y0, double x1, double y1,
                           std::span<const int> ignored) const {
  const LeaderStrip strip{Axis::Y, std::min(x0, x1), std::max(x0, x1), std::min(y0, y1), 1,
                          std::fabs(y1 - y0)};
  const double start = std::min(y0, y1);
  return lastOccupiedBeforeRoom(strip, ignored) == start;
}

}  // namespace zek::adxy1
