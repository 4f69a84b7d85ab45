// Plates of a generated sheet: how many entities each plate gets, what it
// holds, how large it is and where it sits, so the plates tile the plane.
#pragma once

#include <cstdint>
#include <vector>

#include "drawing_frame.h"
#include "entity_writer.h"
#include "plate_features.h"
#include "plate_layers.h"

namespace zek::plategen {

// What one plate holds, decided from its seed and entity budget alone, so the
// planning pass and the writing pass agree without keeping every feature.
struct PlateContent {
  int outlineEntities = 0;      // 4 LINE and 4 ARC for the rounded rectangle, fewer
                                // only in a drawing of under 8 entities
  bool titled = false;          // plate name and size note (2 TEXT)
  std::vector<Feature> features;
  std::vector<int> cellOf;      // the grid cell of each feature
  int columns = 0;
  int rows = 0;
  double width = 0;
  double height = 0;
  double cornerRadius = 5;
  double degrees = 0;           // some plates lie turned on the sheet, as nested
};

// The content of a plate of exactly `budget` entities.
[[nodiscard]] PlateContent plateContent(std::uint64_t seed, std::uint32_t budget);

struct PlatePlan {
  std::uint64_t seed = 0;
  std::uint32_t budget = 0;  // entities the plate writes
  double x = 0;              // lower-left corner of the plate's box on the sheet
  double y = 0;
  double width = 0;          // the plate's own size
  double height = 0;
  double degrees = 0;        // turned about its centre by this much
  double boxWidth = 0;       // the box the turned plate takes on the sheet
  double boxHeight = 0;
  std::uint32_t reserved = 0; // of the budget, for entities drawn over the content
                              // (ordinate dimensions): the content gets the rest
};

struct SheetPlan {
  std::vector<PlatePlan> plates;
  Extents2d extents;
};

// Splits `entities` over plates (40 to 179 entities each) and packs the plates
// in rows with a 20 mm gap; the same seed gives the same sheet.
[[nodiscard]] SheetPlan planSheet(std::uint64_t entities, std::uint64_t seed);

// How many of a plate's `budget` entities to keep for additions; the plate's
// content is then laid out for the rest.
using ReserveFn = std::uint32_t (*)(std::uint32_t budget);

// planSheet with `reserve(budget)` entities of each plate kept for additions.
[[nodiscard]] SheetPlan planSheet(std::uint64_t entities, std::uint64_t seed, ReserveFn reserve);

// The content a plate of the sheet writes (its budget less what it reserved).
[[nodiscard]] PlateContent contentOf(const PlatePlan& plate);

// Where the plate's own coordinates (its lower-left corner at 0,0) land on the sheet.
[[nodiscard]] Placement placementOf(const PlatePlan& plate);

// The centre of feature `i` of a plate, offset from its cell centre as drawn.
struct Point2 {
  double x = 0;
  double y = 0;
};
[[nodiscard]] Point2 featureCentre(const PlateContent& content, std::size_t i);

// How a plate's outline turns its corners: arcs of the plate's corner
// radius, or 45° chamfers of that size (a LINE for each ARC, so the plate
// keeps its entity count).
enum class OutlineCorners { Rounded, Chamfered };

// Writes plate number `number` (from 1) of a sheet.
void writePlate(EntityWriter& out, const PlateLayers& layers, const PlatePlan& plate,
                std::size_t number, OutlineCorners corners = OutlineCorners::Rounded);

}  // namespace zek::plategen
