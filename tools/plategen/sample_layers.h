// The layers of the sample plate drawings: the plate office's shipped layer
// standard (data/zeklayer0.dat), each layer with its colour and linetype.
#pragma once

#include <span>

#include "plate_layers.h"

namespace zek::plategen {

// The layers the sample drawings use, in the order of the standard's groups;
// layer "0" comes on top of these. Every layer here holds entities.
[[nodiscard]] std::span<const LayerSpec> sampleLayers();

}  // namespace zek::plategen
