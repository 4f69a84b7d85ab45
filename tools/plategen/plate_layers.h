// The layers of a generated plate drawing: a plate office's layer standard
// (name, colour, linetype) and which layer each kind of feature goes on.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zek::plategen {

// What a layer holds; the order is the order of the standard layer list.
enum class LayerRole {
  Outline, HoleDrill, HoleTap, HoleDowel, HoleCbore, HoleEject, HoleWater, HoleGuide,
  WireCut, MillFront, MillBack, Pocket, Slot, Thread, Center, Datum, Dim, Text, Hidden,
  Chamfer,
};

inline constexpr int kStandardLayerCount = 20;

struct LayerSpec {
  std::string name;
  int colour = 7;  // ACI colour number
  std::string linetype = "Continuous";
};

// The plate layers of a drawing (layer "0" comes on top of these). With fewer
// than the standard twenty, roles past the list share the first layers; with
// more, the extra layers are further drilling operations.
class PlateLayers {
public:
  explicit PlateLayers(int count);

  [[nodiscard]] const std::vector<LayerSpec>& layers() const { return layers_; }
  // The layer a feature of `role` goes on.
  [[nodiscard]] const std::string& nameFor(LayerRole role) const;
  // The layer of the n-th plain drill hole: HOLE-DRILL, or spread over the
  // extra drilling layers when the drawing has any.
  [[nodiscard]] const std::string& drillLayer(std::size_t n) const;

private:
  std::vector<LayerSpec> layers_;
};

}  // namespace zek::plategen
