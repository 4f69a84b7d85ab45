// The sample drawings' layer table. Colours follow the groups of the standard:
// every dimension layer (the hole labels) is green (3), which no other layer
// uses; centre-line layers are red with the CENTER linetype; a back layer has
// its front layer's colour and the HIDDEN linetype. Cooling channels run
// inside the plate, so HOLE-WATER is HIDDEN as well.
#include "sample_layers.h"

#include <vector>

namespace zek::plategen {

std::span<const LayerSpec> sampleLayers() {
  static const std::vector<LayerSpec> layers = {
      {"OUTLINE", 7, "Continuous"},
      {"CENTER", 1, "CENTER"},
      {"TEXT", 7, "Continuous"},
      {"DATUM", 10, "Continuous"},
      {"MILL-FRONT", 30, "Continuous"},
      {"WIRE-START", 211, "Continuous"},
      {"WIRE-CUT", 6, "Continuous"},
      {"WIRE-DIM", 3, "Continuous"},
      {"HOLE-DRILL", 5, "Continuous"},
      {"HOLE-DRILL-BACK", 5, "HIDDEN"},
      {"HOLE-DRILL-DIM", 3, "Continuous"},
      {"HOLE-TAP", 2, "Continuous"},
      {"HOLE-TAP-DIM", 3, "Continuous"},
      {"THREAD", 42, "Continuous"},
      {"HOLE-DOWEL", 140, "Continuous"},
      {"HOLE-DOWEL-DIM", 3, "Continuous"},
      {"HOLE-DOWEL-CENTER", 1, "CENTER"},
      {"HOLE-CBORE", 4, "Continuous"},
      {"HOLE-CBORE-DIM", 3, "Continuous"},
      {"HOLE-EJECT", 200, "Continuous"},
      {"HOLE-EJECT-DIM", 3, "Continuous"},
      {"HOLE-WATER", 150, "HIDDEN"},
      {"HOLE-GUIDE", 174, "Continuous"},
      {"HOLE-GUIDE-DIM", 3, "Continuous"},
      {"HOLE-GUIDE-CENTER", 1, "CENTER"},
  };
  return layers;
}

}  // namespace zek::plategen
