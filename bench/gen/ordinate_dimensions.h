// Ordinate dimensions of a generated plate: from the plate's datum corner (its
// lower-left corner, 0,0 in the plate's own coordinates) to hole centres, each
// with the anonymous block (*D) that draws its leader and text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "entity_writer.h"
#include "plate_layout.h"

namespace zek::benchgen {

// How many of a plate's entities are its ordinate dimensions: none on plates
// of under 20 entities, else 2 to 4 (2 + budget / 60).
[[nodiscard]] std::uint32_t dimensionsFor(std::uint32_t budget);

struct OrdinateDimension {
  bool xType = true;          // measures x (its leader runs down past the bottom edge)
  plategen::Point2 feature;   // the hole centre (or a plate corner), plate coordinates
  plategen::Point2 leaderEnd; // outside the plate
  plategen::Point2 textMiddle;
  double measurement = 0;     // the feature's x or y from the datum
  std::string text;           // the measurement as written, two decimals at most
};

// The dimensions of a plate: `count` of them in x and y pairs over holes
// spread through the plate, then the plate's far corners where it has too
// few holes. All in the plate's own coordinates.
[[nodiscard]] std::vector<OrdinateDimension> plateDimensions(const plategen::PlateContent& content,
                                                             std::uint32_t count);

// The measurement text: two decimals, trailing zeros dropped ("46.5", "120").
[[nodiscard]] std::string measurementText(double value);

// Writes the DIMENSION entity referencing block `blockName` with the current
// placement of `out` (the plate's), on `layer`; `plateDegrees` is the plate's turn,
// so the dimension measures along the plate's own axes.
void writeDimensionEntity(plategen::EntityWriter& out, std::string_view layer,
                          std::string_view blockName, const OrdinateDimension& dimension,
                          double plateDegrees);

// Writes the entities of a dimension's block (leader LINE and TEXT) through `out`.
void writeDimensionGeometry(plategen::EntityWriter& out, std::string_view layer,
                            const OrdinateDimension& dimension);

// Entities inside each dimension block.
inline constexpr std::uint64_t kEntitiesPerDimensionBlock = 2;

}  // namespace zek::benchgen
