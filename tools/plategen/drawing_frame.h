// The frame of a generated drawing: everything around the model-space
// entities (HEADER, CLASSES, TABLES, BLOCKS, OBJECTS) with a fixed handle plan,
// so the handle seed is known before the first entity is written.
#pragma once

#include <cstdint>
#include <span>

#include "dxf_text_writer.h"
#include "plate_layers.h"

namespace zek::plategen {

struct Extents2d {
  double minX = 0;
  double minY = 0;
  double maxX = 0;
  double maxY = 0;
};

// Handles of the frame's records; the layers follow from kFirstLayerHandle on
// ("0" first), then the entities.
namespace frame {
inline constexpr std::uint64_t kModelSpaceRecord = 0x14;
inline constexpr std::uint64_t kPaperSpaceRecord = 0x15;
inline constexpr std::uint64_t kFirstLayerHandle = 0x30;
}  // namespace frame

struct FrameInfo {
  std::span<const LayerSpec> layers;  // besides "0", in table order
  Extents2d extents;             // of everything in model space
  std::uint64_t entityCount = 0; // model-space entities between head and tail
};

// The handle of the first model-space entity of a drawing with these layers.
[[nodiscard]] std::uint64_t firstEntityHandle(std::span<const LayerSpec> layers);

// $HANDSEED: one past the last handle the drawing uses.
[[nodiscard]] std::uint64_t handSeedOf(const FrameInfo& info);

// Writes HEADER to BLOCKS and opens the ENTITIES section.
void writeFrameHead(DxfTextWriter& out, const FrameInfo& info);

// Closes the ENTITIES section, writes OBJECTS and the end of file.
void writeFrameTail(DxfTextWriter& out);

}  // namespace zek::plategen
