// The plate generator: DXF drawings (R2018, AC1032) of a sheet of mould plates
// with a chosen number of entities, and the sample die plate alone (labelled
// beside its holes or, for the hole table, on them) or with its stripper plate. It writes the DXF text itself, independent of the host
// library, so its drawings are an independent check of our reader as well as
// benchmark input.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "entity_writer.h"

namespace zek::plategen {

struct PlateOptions {
  std::uint64_t entities = 10000;  // model-space entities, exactly
  int layers = 20;                 // plate layers besides "0"
  std::uint64_t seed = 1;
};

// What a written drawing holds, as the generator counted it.
struct DrawingSummary {
  std::uint64_t entities = 0;
  std::array<std::uint64_t, kEntityTypeCount> byType{};  // indexed by EntityType
  std::uint64_t plates = 0;
  std::uint64_t handSeed = 0;  // $HANDSEED: every handle is below it
  std::uint64_t bytes = 0;

  [[nodiscard]] std::uint64_t of(EntityType type) const {
    return byType[static_cast<std::size_t>(type)];
  }
};

// The summary of a drawing whose entities `entities` wrote.
[[nodiscard]] DrawingSummary summaryOf(const EntityWriter& entities, std::uint64_t handSeed,
                                       std::uint64_t plates, std::uint64_t bytes);

// Writes a sheet of plates to `out`; nothing when the stream fails.
[[nodiscard]] std::optional<DrawingSummary> writePlates(const PlateOptions& options,
                                                        std::ostream& out);

// Writes the sample die plate (400 x 300, 71 holes of 13 kinds) to `out`.
[[nodiscard]] std::optional<DrawingSummary> writeSamplePlate(std::ostream& out);

// Writes the sample die plate and its stripper plate (320 x 200) 30 mm to its
// right, as two plates of one drawing.
[[nodiscard]] std::optional<DrawingSummary> writeSamplePair(std::ostream& out);

// Writes the sample die plate with each hole's code on the hole (2.5 high),
// where a hole table matches codes to holes.
[[nodiscard]] std::optional<DrawingSummary> writeSampleTablePlate(std::ostream& out);

// The same drawings written to a file; nothing when it cannot be written.
[[nodiscard]] std::optional<DrawingSummary> writePlatesFile(const PlateOptions& options,
                                                            const std::string& path);
[[nodiscard]] std::optional<DrawingSummary> writeSamplePlateFile(const std::string& path);
[[nodiscard]] std::optional<DrawingSummary> writeSamplePairFile(const std::string& path);
[[nodiscard]] std::optional<DrawingSummary> writeSampleTablePlateFile(const std::string& path);

}  // namespace zek::plategen
