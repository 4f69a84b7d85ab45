// Building the packed R-tree: entries sorted into tiles (by x into vertical
// slices, by y within each slice), then boxes of kFanout at every level.
#include "editor/select/spatial_index.h"

#include <cmath>
#include <limits>

namespace zek {

static float floatBelow(double value) {
  auto f = static_cast<float>(value);
  if (static_cast<double>(f) > value)
    f = std::nextafter(f, -std::numeric_limits<float>::infinity());
  return f;
}

static float floatAbove(double value) {
  auto f = static_cast<float>(value);
  if (static_cast<double>(f) < value)
    f = std::nextafter(f, std::numeric_limits<float>::infinity());
  return f;
}

SpatialIndex::Entry SpatialIndex::makeEntry(double minX, double minY, double maxX, double maxY,
                                            std::uint32_t order, AcDbObjectId id) {
  return {floatBelow(minX), floatBelow(minY), floatAbove(maxX), floatAbove(maxY), order, id};
}

void SpatialIndex::clear() {
  entries_.clear();
  entries_.shrink_to_fit();
  levels_.clear();
}

void SpatialIndex::build(std::vector<Entry> entries) {
  std::erase_if(entries, [](const Entry& e) {
    return std::isnan(e.minX) || std::isnan(e.minY) || std::isnan(e.maxX) || std::isnan(e.maxY);
  });
  entries_ = std::move(entries);
  levels_.clear();
  if (entries_.empty())
    return;

  auto centreX = [](const Entry& e) { return 0.5f * e.minX + 0.5f * e.maxX; };
  auto centreY = [](const Entry& e) { return 0.5f * e.minY + 0.5f * e.maxY; };
  std::sort(entries_.begin(), entries_.end(),
            [&](const Entry& a, const Entry& b) { return centreX(a) < centreX(b); });
  std::size_t leaves = (entries_.size() + kFanout - 1) / kFanout;
  auto slices = static_cast<std::size_t>(std::ceil(std::sqrt(static_cast<double>(leaves))));
  std::size_t sliceSize = slices * kFanout;
  for (std::size_t start = 0; start < entries_.size(); start += sliceSize) {
    auto end = entries_.begin() + static_cast<std::ptrdiff_t>(std::min(start + sliceSize, entries_.size()));
    std::sort(entries_.begin() + static_cast<std::ptrdiff_t>(start), end,
              [&](const Entry& a, const Entry& b) { return centreY(a) < centreY(b); });
  }

  std::vector<Box> level;
  level.reserve(leaves);
  for (std::size_t first = 0; first < entries_.size(); first += kFanout) {
    Box box = {entries_[first].minX, entries_[first].minY, entries_[first].maxX, entries_[first].maxY};
    for (std::size_t i = first + 1; i < std::min(first + kFanout, entries_.size()); ++i) {
      box.minX = std::min(box.minX, entries_[i].minX);
      box.minY = std::min(box.minY, entries_[i].minY);
      box.maxX = std::max(box.maxX, entries_[i].maxX);
      box.maxY = std::max(box.maxY, entries_[i].maxY);
    }
    level.push_back(box);
  }
  levels_.push_back(std::move(level));
  while (levels_.back().size() > kFanout) {
    const std::vector<Box>& below = levels_.back();
    std::vector<Box> above;
    above.reserve((below.size() + kFanout - 1) / kFanout);
    for (std::size_t first = 0; first < below.size(); first += kFanout) {
      Box box = below[first];
      for (std::size_t i = first + 1; i < std::min(first + kFanout, below.size()); ++i) {
        box.minX = std::min(box.minX, below[i].minX);
        box.minY = std::min(box.minY, below[i].minY);
        box.maxX = std::max(box.maxX, below[i].maxX);
        box.maxY = std::max(box.maxY, below[i].maxY);
      }
      above.push_back(box);
    }
    levels_.push_back(std::move(above));
  }
}

}  // namespace zek
