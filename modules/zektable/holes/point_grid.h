// PointGrid: values at points, hashed in square cells, so that the values
// near a point are found without walking them all. The hole-table passes use
// it for centres within a tolerance, marks inside circles and labels near
// holes.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace zek::table {

template <class Value>
class PointGrid {
public:
  // Cells of `cell` drawing units (a non-positive or non-finite size is taken
  // as 1).
  explicit PointGrid(double cell) : cell_(cell > 0 && std::isfinite(cell) ? cell : 1.0) {}

  void insert(double x, double y, Value value) {
    cells_[keyOf(cellOf(x), cellOf(y))].push_back({x, y, std::move(value)});
  }

  // Calls visit(value) for every value whose point lies within reach of (x, y)
  // in x and in y (a square; visit tests the true distance), cell by cell.
  template <class Visit>
  void forEachNear(double x, double y, double reach, Visit&& visit) const {
    const std::int64_t span = static_cast<std::int64_t>(std::ceil(std::fabs(reach) / cell_));
    const std::int64_t cx = cellOf(x), cy = cellOf(y);
    for (std::int64_t dx = -span; dx <= span; ++dx)
      for (std::int64_t dy = -span; dy <= span; ++dy) {
        const auto cell = cells_.find(keyOf(cx + dx, cy + dy));
        if (cell == cells_.end())
          continue;
        for (const Entry& entry : cell->second)
          if (std::fabs(entry.x - x) <= reach && std::fabs(entry.y - y) <= reach)
            visit(entry.value);
      }
  }

  // The smallest value (values are indices in the caller's order) whose
  // distance(value) is at most reach; null when none is.
  template <class Distance>
  const Value* findWithin(double x, double y, double reach, Distance&& distance) const {
    const Value* best = nullptr;
    forEachNear(x, y, reach, [&](const Value& value) {
      if ((best == nullptr || value < *best) && distance(value) <= reach)
        best = &value;
    });
    return best;
  }

  // Whether any value near (x, y) satisfies test.
  template <class Test>
  bool anyWithin(double x, double y, double reach, Test&& test) const {
    bool any = false;
    forEachNear(x, y, reach, [&](const Value& value) { any = any || test(value); });
    return any;
  }

  bool empty() const { return cells_.empty(); }

private:
  struct Entry {
    double x;
    double y;
    Value value;
  };

  std::int64_t cellOf(double v) const {
    const double c = std::floor(v / cell_);
    // Non-finite and far-off coordinates share the outermost cells.
    if (!(c > -1e15))
      return static_cast<std::int64_t>(-1e15);
    return static_cast<std::int64_t>(std::min(c, 1e15));
  }
  static std::uint64_t keyOf(std::int64_t cx, std::int64_t cy) {
    return static_cast<std::uint64_t>(cx) * 0x9E3779B97F4A7C15ull ^ static_cast<std::uint64_t>(cy);
  }

  double cell_;
  std::unordered_map<std::uint64_t, std::vector<Entry>> cells_;
};

}  // namespace zek::table
