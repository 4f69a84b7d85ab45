// Entry points of the plate generator: frame, plates, summary.
#include "plate_generator.h"

#include <cassert>
#include <fstream>

#include "drawing_frame.h"
#include "plate_layout.h"

namespace zek::plategen {

namespace {

template <typename WriteFn>
std::optional<DrawingSummary> writeToFile(const std::string& path, WriteFn write) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file)
    return std::nullopt;
  auto summary = write(file);
  file.close();
  if (!summary || !file)
    return std::nullopt;
  return summary;
}

}  // namespace

DrawingSummary summaryOf(const EntityWriter& entities, std::uint64_t handSeed,
                         std::uint64_t plates, std::uint64_t bytes) {
  DrawingSummary s;
  s.entities = entities.written();
  for (std::size_t t = 0; t < kEntityTypeCount; ++t)
    s.byType[t] = entities.writtenOf(static_cast<EntityType>(t));
  s.plates = plates;
  s.handSeed = handSeed;
  s.bytes = bytes;
  return s;
}

std::optional<DrawingSummary> writePlates(const PlateOptions& options, std::ostream& out) {
  PlateLayers layers(options.layers);
  SheetPlan sheet = planSheet(options.entities, options.seed);
  FrameInfo frame{layers.layers(), sheet.extents, options.entities};
  DxfTextWriter writer(out);
  writeFrameHead(writer, frame);
  EntityWriter entities(writer, firstEntityHandle(layers.layers()), frame::kModelSpaceRecord);
  for (std::size_t i = 0; i < sheet.plates.size(); ++i)
    writePlate(entities, layers, sheet.plates[i], i + 1);
  writeFrameTail(writer);
  assert(entities.written() == options.entities && "each plate writes exactly its budget");
  if (!writer.finish())
    return std::nullopt;
  return summaryOf(entities, handSeedOf(frame), sheet.plates.size(), writer.bytesWritten());
}

std::optional<DrawingSummary> writePlatesFile(const PlateOptions& options,
                                              const std::string& path) {
  return writeToFile(path, [&](std::ostream& out) { return writePlates(options, out); });
}

std::optional<DrawingSummary> writeSamplePlateFile(const std::string& path) {
  return writeToFile(path, [](std::ostream& out) { return writeSamplePlate(out); });
}

std::optional<DrawingSummary> writeSamplePairFile(const std::string& path) {
  return writeToFile(path, [](std::ostream& out) { return writeSamplePair(out); });
}

std::optional<DrawingSummary> writeSampleTablePlateFile(const std::string& path) {
  return writeToFile(path, [](std::ostream& out) { return writeSampleTablePlate(out); });
}

}  // namespace zek::plategen
