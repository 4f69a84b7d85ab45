// The benchmark drawing: plategen's sheet of plates with ordinate dimensions
// on every plate of 20 entities or more, written as DXF R2004 (AC1018) or R12
// (AC1009) with an exact number of model-space entities.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "plate_generator.h"

namespace zek::benchgen {

enum class DxfVersion { R2004, R12 };

// "R2004" or "R12"; nothing for any other name.
[[nodiscard]] std::optional<DxfVersion> parseVersion(std::string_view name);
[[nodiscard]] const char* versionName(DxfVersion version);  // "R2004"
[[nodiscard]] const char* acadVer(DxfVersion version);      // "AC1018"

struct BenchOptions {
  std::uint64_t entities = 10000;  // model-space entities, dimensions included
  DxfVersion version = DxfVersion::R2004;
  std::uint64_t seed = 1;
};

// Layers of the benchmark drawings: plategen's twenty standard layers.
inline constexpr int kBenchLayers = 20;

struct BenchSummary {
  plategen::DrawingSummary drawing;  // entities counts DIMENSION; byType does not
  std::uint64_t dimensions = 0;      // DIMENSION entities in model space
  std::uint64_t blockEntities = 0;   // inside the dimension blocks, not counted above
  DxfVersion version = DxfVersion::R2004;
};

// Writes the drawing to `out`; nothing when the stream fails.
[[nodiscard]] std::optional<BenchSummary> writeBenchDrawing(const BenchOptions& options,
                                                            std::ostream& out);
// The same to a file; nothing when it cannot be written.
[[nodiscard]] std::optional<BenchSummary> writeBenchDrawingFile(const BenchOptions& options,
                                                                const std::string& path);

// The one summary line: entities, bytes and entities by type, as the drawing's
// version names them.
[[nodiscard]] std::string summaryLine(const std::string& path, const BenchSummary& summary);

}  // namespace zek::benchgen
