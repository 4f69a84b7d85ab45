// The plate office layer standard used by generated drawings.
#include "plate_layers.h"

#include <algorithm>
#include <cstdio>

namespace zek::plategen {

namespace {

struct StandardLayer {
  const char* name;
  int colour;
  const char* linetype;
};

// One row per LayerRole, in the same order.
constexpr StandardLayer kStandard[kStandardLayerCount] = {
    {"OUTLINE", 7, "Continuous"},   {"HOLE-DRILL", 1, "Continuous"},
    {"HOLE-TAP", 3, "Continuous"},  {"HOLE-DOWEL", 5, "Continuous"},
    {"HOLE-CBORE", 4, "Continuous"}, {"HOLE-EJECT", 6, "Continuous"},
    {"HOLE-WATER", 140, "HIDDEN"},  {"HOLE-GUIDE", 200, "Continuous"},
    {"WIRE-CUT", 2, "Continuous"},  {"MILL-FRONT", 30, "Continuous"},
    {"MILL-BACK", 32, "HIDDEN"},    {"POCKET", 34, "Continuous"},
    {"SLOT", 40, "Continuous"},     {"THREAD", 3, "DASHED"},
    {"CENTER", 1, "CENTER"},        {"DATUM", 10, "Continuous"},
    {"DIM", 3, "Continuous"},       {"TEXT", 7, "Continuous"},
    {"HIDDEN", 8, "HIDDEN"},        {"CHAMFER", 50, "Continuous"},
};

}  // namespace

PlateLayers::PlateLayers(int count) {
  count = std::max(count, 1);
  for (int i = 0; i < count; ++i) {
    if (i < kStandardLayerCount) {
      const StandardLayer& s = kStandard[i];
      layers_.push_back({s.name, s.colour, s.linetype});
      continue;
    }
    char name[32];
    std::snprintf(name, sizeof name, "DRILL-OP%02d", i - kStandardLayerCount + 1);
    layers_.push_back({name, 1 + (i * 37) % 254, "Continuous"});
  }
}

const std::string& PlateLayers::nameFor(LayerRole role) const {
  auto index = static_cast<std::size_t>(role);
  return layers_[index % layers_.size()].name;
}

const std::string& PlateLayers::drillLayer(std::size_t n) const {
  if (layers_.size() <= static_cast<std::size_t>(kStandardLayerCount))
    return nameFor(LayerRole::HoleDrill);
  std::size_t extra = layers_.size() - kStandardLayerCount;
  std::size_t pick = n % (extra + 1);
  return pick == 0 ? nameFor(LayerRole::HoleDrill) : layers_[kStandardLayerCount + pick - 1].name;
}

}  // namespace zek::plategen
