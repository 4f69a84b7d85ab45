// The grid of boxes: cells counted, then filled (one array of members in
// cell order), so a grid of 20,000 texts is two allocations.
#include "layoutcheck/layout_grid.h"

#include <algorithm>
#include <cmath>

namespace zek::adxy1 {

namespace {

// Cells at most this many times the items (and a floor for small sets).
constexpr double kCellsPerItem = 4.0;
constexpr double kMinimumCells = 1024.0;

}  // namespace

BoxGrid::BoxGrid(std::span<const Bounds2d> items, double cellSize)
    : items_(items.begin(), items.end()), seen_(items.size(), 0) {
  if (items_.empty())
    return;
  bounds_ = items_.front();
  for (const Bounds2d& b : items_) {
    bounds_.minX = std::min(bounds_.minX, b.minX);
    bounds_.minY = std::min(bounds_.minY, b.minY);
    bounds_.maxX = std::max(bounds_.maxX, b.maxX);
    bounds_.maxY = std::max(bounds_.maxY, b.maxY);
  }
  const double width = bounds_.maxX - bounds_.minX, height = bounds_.maxY - bounds_.minY;
  const double most = std::max(kMinimumCells, kCellsPerItem * static_cast<double>(items_.size()));
  cell_ = cellSize > 0.0 ? cellSize : 1.0;
  // Cells of the whole span: never more than `most` (nor so small that the
  // counts overflow), never zero.
  const double wanted = std::sqrt(std::max(width * height, 0.0) / most);
  cell_ = std::max({cell_, wanted, std::max(width, height) / most, 1e-9});
  columns_ = static_cast<std::size_t>(width / cell_) + 1;
  rows_ = static_cast<std::size_t>(height / cell_) + 1;

  cellStart_.assign(columns_ * rows_ + 1, 0);
  for (const Bounds2d& b : items_) {
    const CellRange r = cellsOf(b);
    for (std::size_t row = r.firstRow; row <= r.lastRow; ++row)
      for (std::size_t column = r.firstColumn; column <= r.lastColumn; ++column)
        ++cellStart_[row * columns_ + column + 1];
  }
  for (std::size_t c = 1; c < cellStart_.size(); ++c)
    cellStart_[c] += cellStart_[c - 1];
  members_.resize(cellStart_.back());
  std::vector<std::uint32_t> next(cellStart_.begin(), cellStart_.end() - 1);
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const CellRange r = cellsOf(items_[i]);
    for (std::size_t row = r.firstRow; row <= r.lastRow; ++row)
      for (std::size_t column = r.firstColumn; column <= r.lastColumn; ++column)
        members_[next[row * columns_ + column]++] = static_cast<std::uint32_t>(i);
  }
}

std::size_t BoxGrid::columnOf(double x) const {
  const double at = std::floor((x - bounds_.minX) / cell_);
  if (!(at > 0.0))
    return 0;
  return std::min(columns_ - 1, static_cast<std::size_t>(at));
}

std::size_t BoxGrid::rowOf(double y) const {
  const double at = std::floor((y - bounds_.minY) / cell_);
  if (!(at > 0.0))
    return 0;
  return std::min(rows_ - 1, static_cast<std::size_t>(at));
}

BoxGrid::CellRange BoxGrid::cellsOf(const Bounds2d& box) const {
  return {columnOf(box.minX), columnOf(box.maxX), rowOf(box.minY), rowOf(box.maxY)};
}

}  // namespace zek::adxy1
