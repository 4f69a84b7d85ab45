// A uniform grid over the bounds of a set of boxes: each cell lists the
// boxes reaching into it, so that the geometry near a text is found without
// looking at every text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "layoutcheck/layout_geometry.h"

namespace zek::adxy1 {

class BoxGrid {
public:
  // A grid over `items` with cells of about `cellSize` (made larger when the
  // items are spread so thinly that the cells would far outnumber them).
  BoxGrid(std::span<const Bounds2d> items, double cellSize);

  // The grid's own bounds (those of all items); nothing outside is listed.
  [[nodiscard]] const Bounds2d& bounds() const { return bounds_; }
  [[nodiscard]] double cellSize() const { return cell_; }
  [[nodiscard]] bool isEmpty() const { return columns_ == 0; }

  // Every item whose bounds meet `query`, each once, as `visit(index)`;
  // items of cells the query touches but whose bounds miss it are left out.
  template <class Visit>
  void forEachMeeting(const Bounds2d& query, Visit&& visit) {
    if (isEmpty() || !query.meets(bounds_))
      return;
    ++stamp_;
    const CellRange range = cellsOf(query);
    for (std::size_t row = range.firstRow; row <= range.lastRow; ++row)
      for (std::size_t column = range.firstColumn; column <= range.lastColumn; ++column) {
        const std::size_t cell = row * columns_ + column;
        for (std::uint32_t k = cellStart_[cell]; k < cellStart_[cell + 1]; ++k) {
          const std::uint32_t item = members_[k];
          if (seen_[item] == stamp_ || !query.meets(items_[item]))
            continue;
          seen_[item] = stamp_;
          visit(static_cast<std::size_t>(item));
        }
      }
  }

private:
  struct CellRange {
    std::size_t firstColumn = 0;
    std::size_t lastColumn = 0;
    std::size_t firstRow = 0;
    std::size_t lastRow = 0;
  };
  [[nodiscard]] CellRange cellsOf(const Bounds2d& box) const;
  [[nodiscard]] std::size_t columnOf(double x) const;
  [[nodiscard]] std::size_t rowOf(double y) const;

  std::vector<Bounds2d> items_;
  Bounds2d bounds_;
  double cell_ = 1.0;
  std::size_t columns_ = 0;
  std::size_t rows_ = 0;
  std::vector<std::uint32_t> cellStart_;  // members of cell c: [cellStart_[c], cellStart_[c + 1])
  std::vector<std::uint32_t> members_;
  std::vector<std::uint32_t> seen_;  // the query that last visited each item
  std::uint32_t stamp_ = 0;
};

}  // namespace zek::adxy1
