// The machining features of a generated plate (holes, counterbores, tapped
// holes, slots, pockets, bolt circles, wire-cut openings): which one a cell
// gets, and the entities that draw it.
#pragma once

#include <cstdint>
#include <string>

#include "entity_writer.h"
#include "plate_layers.h"
#include "rng.h"

namespace zek::plategen {

// Features sit in a grid of square cells inside the plate's margin.
inline constexpr double kCellSize = 30.0;

enum class FeatureKind : std::uint8_t {
  Drill, CodedHole, Counterbore, Tap, Dowel, Guide, Ejector, Water, Slot, Pocket,
  RoundPocket, BoltCircle, WireCut,
};

// A size as drafters write it: "8", "6.5", never "8.0".
[[nodiscard]] std::string sizeText(double value);

// How many entities a feature of `kind` writes.
[[nodiscard]] int entityCostOf(FeatureKind kind);

struct Feature {
  FeatureKind kind = FeatureKind::Drill;
  std::uint8_t size = 0;   // index into the kind's table of standard sizes
  std::int16_t dx = 0;     // offset from the cell centre in micrometres
  std::int16_t dy = 0;
  bool reversed = false;   // slots run clockwise, some entities override colour
};

// A feature drawn at random from the plate office's mix, writing at most
// `maxEntities` entities (a plain drill hole when nothing larger fits).
[[nodiscard]] Feature randomFeature(Rng& rng, int maxEntities);

// Numbers the coded holes and guide holes of one plate ("A1", "G2").
struct HoleCounters {
  int coded = 0;
  int guide = 0;
  int ejector = 0;
  std::size_t drill = 0;
};

// Writes the entities of `feature` centred on the cell centre (cx, cy).
void writeFeature(EntityWriter& out, const PlateLayers& layers, const Feature& feature,
                  double cx, double cy, HoleCounters& counters);

}  // namespace zek::plategen
