// The frame of a generated drawing: everything around the model-space
// entities (HEADER, CLASSES, TABLES, BLOCKS, OBJECTS) with a fixed handle plan,
// so the handle seed is known before the first entity is written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
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
inline constexpr std::uint64_t kBlockRecordTable = 0x9;
inline constexpr std::uint64_t kFirstLayerHandle = 0x30;
}  // namespace frame

// The DXF version a frame is written for. R2004 has the R2018 frame with its
// own $ACADVER; R12 has no handles, subclass markers, CLASSES, BLOCK_RECORD
// table or OBJECTS.
enum class FrameVersion { R2018, R2004, R12 };

struct FrameInfo {
  std::span<const LayerSpec> layers;  // besides "0", in table order
  Extents2d extents;             // of everything in model space
  std::uint64_t entityCount = 0; // model-space entities between head and tail
  FrameVersion version = FrameVersion::R2018;
  // Handles the caller's blocks use, after those of the entities.
  std::uint64_t extraHandles = 0;
  // Further block records (their number and a writer of them, after
  // *Paper_Space's; not in R12) and their blocks (after *Paper_Space's).
  std::size_t extraBlockRecords = 0;
  std::function<void(DxfTextWriter&)> writeBlockRecords;
  std::function<void(DxfTextWriter&)> writeBlocks;
};

// The handle of the first model-space entity of a drawing with these layers.
[[nodiscard]] std::uint64_t firstEntityHandle(std::span<const LayerSpec> layers);

// $HANDSEED: one past the last handle the drawing uses.
[[nodiscard]] std::uint64_t handSeedOf(const FrameInfo& info);

// Writes HEADER to BLOCKS and opens the ENTITIES section.
void writeFrameHead(DxfTextWriter& out, const FrameInfo& info);

// Closes the ENTITIES section, writes OBJECTS (not in R12) and the end of file.
void writeFrameTail(DxfTextWriter& out, FrameVersion version = FrameVersion::R2018);

}  // namespace zek::plategen
