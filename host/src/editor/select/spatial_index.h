// A spatial index of entity boxes in the xy plane: a packed R-tree built in
// one go (sort-tile-recursive), so that a window over a drawing of a million
// entities visits only the few hundred whose boxes meet it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "db_core.h"

namespace zek {

class SpatialIndex {
public:
  // One entity: its box (rounded outward to floats: a conservative first
  // test, the true geometry decides), its place in drawing order and its id.
  struct Entry {
    float minX, minY, maxX, maxY;
    std::uint32_t order;
    AcDbObjectId id;
  };

  // Replaces the content by these entries (boxes with NaN are left out).
  void build(std::vector<Entry> entries);
  // Makes an entry from a double box, rounding outward.
  static Entry makeEntry(double minX, double minY, double maxX, double maxY, std::uint32_t order,
                         AcDbObjectId id);
  void clear();
  std::size_t size() const { return entries_.size(); }

  // Calls visit(entry) for every entry whose box meets the query box
  // (touching counts), in no particular order.
  template <typename Visit>
  void query(double minX, double minY, double maxX, double maxY, Visit&& visit) const;

private:
  struct Box {
    float minX, minY, maxX, maxY;
  };
  static constexpr std::size_t kFanout = 16;

  static bool meets(const Box& box, double minX, double minY, double maxX, double maxY) {
    return box.minX <= maxX && box.maxX >= minX && box.minY <= maxY && box.maxY >= minY;
  }

  std::vector<Entry> entries_;
  // levels_[0] bounds groups of kFanout entries, levels_[k] groups of kFanout
  // boxes of levels_[k - 1]; the last level has at most kFanout boxes.
  std::vector<std::vector<Box>> levels_;
};

template <typename Visit>
void SpatialIndex::query(double minX, double minY, double maxX, double maxY, Visit&& visit) const {
  if (levels_.empty())
    return;
  struct Pending {
    std::size_t level;
    std::size_t index;
  };
  std::vector<Pending> stack;
  const std::vector<Box>& top = levels_.back();
  for (std::size_t i = 0; i < top.size(); ++i)
    if (meets(top[i], minX, minY, maxX, maxY))
      stack.push_back({levels_.size() - 1, i});
  while (!stack.empty()) {
    Pending at = stack.back();
    stack.pop_back();
    std::size_t first = at.index * kFanout;
    if (at.level == 0) {
      std::size_t last = std::min(first + kFanout, entries_.size());
      for (std::size_t i = first; i < last; ++i) {
        const Entry& e = entries_[i];
        if (e.minX <= maxX && e.maxX >= minX && e.minY <= maxY && e.maxY >= minY)
          visit(e);
      }
      continue;
    }
    const std::vector<Box>& below = levels_[at.level - 1];
    std::size_t last = std::min(first + kFanout, below.size());
    for (std::size_t i = first; i < last; ++i)
      if (meets(below[i], minX, minY, maxX, maxY))
        stack.push_back({at.level - 1, i});
  }
}

}  // namespace zek
