// A generated die plate of about N holes (`--holes N`): the sample's hole
// kinds on a lattice of hole lines, as a plate office lays out large plates,
// so that many holes share an x or a y and there is room between them for
// dimension texts; its size grows with the square root of N.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "plate_drawing.h"
#include "plate_generator.h"

namespace zek::plategen {

struct HolePlateOptions {
  std::uint64_t holes = 1000;  // holes on the plate, wire start holes included
  std::uint64_t seed = 1;
  LabelStyle labels = LabelStyle::BesideHole;  // OnHole: codes where a hole table reads them
};

// The plate's layout: an outline with C5 chamfers; guide bushes (A1) inside
// the corners and inner guides (A2) beside them; counterbores, dowels and
// tapped holes on the border lines; clusters of one kind (ejectors, pilot
// clearances, tapped, counterbored, through and back-drilled holes) inside;
// a few wire-cut openings, each with its start hole on a hole line. Hole lines lie 25 to 40 mm
// apart; every hole keeps at least 3 mm of wall to the outline, the openings and every other hole.
// The plate holds exactly `holes` holes when that is at least 16, else 16.
[[nodiscard]] PlateLayout holePlate(const HolePlateOptions& options);

// Writes the plate (its datum at 0,0) on the sample drawings' layers, the
// codes in the options' label style.
[[nodiscard]] std::optional<DrawingSummary> writeHolePlate(const HolePlateOptions& options,
                                                           std::ostream& out);
[[nodiscard]] std::optional<DrawingSummary> writeHolePlateFile(const HolePlateOptions& options,
                                                               const std::string& path);

}  // namespace zek::plategen
