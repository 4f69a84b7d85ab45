// The plate office's hole catalogue for the sample drawings: each kind of hole
// with its hole-table code ("A1", "B2"), its layers and its standard sizes.
// One code means one hole on every plate of a die set, so a hole table finds
// the same kind by its layer and diameter on each plate.
#pragma once

#include <cstdint>
#include <span>

namespace zek::plategen {

enum class HoleCode : std::uint8_t {
  A1, A2,      // guide bush holes: main guides, inner guides of the stripper
  B1, B2, B3,  // counterbored socket-head screws M8, M10, M12
  C1, C2,      // tapped holes M6, M8
  D,           // dowel holes
  E,           // ejector (kicker pin) holes
  F1, F2,      // drilled through holes: pilot clearance, stripper bolt clearance
  G,           // holes drilled from the back face
  W,           // wire start holes of the wire-cut openings
};

// How a hole of a kind is drawn.
enum class HoleForm : std::uint8_t {
  Plain,        // one circle
  Counterbore,  // the through hole and the counterbore, concentric, on one layer
  Tapped,       // the tap drill circle and the thread as a three-quarter arc
  Centred,      // one circle with a centre cross
};

struct HoleKind {
  HoleCode code;
  const char* label;        // the hole-table code written beside each hole
  HoleForm form;
  double diameter;          // the through, drill or bore diameter
  double outerDiameter;     // counterbore or thread diameter; 0 when the form has none
  const char* layer;        // the hole's circles
  const char* labelLayer;   // its group's dimension layer
  const char* extraLayer;   // the thread arc or the centre cross; nullptr when none
};

// The kind of `code`.
[[nodiscard]] const HoleKind& holeKind(HoleCode code);

// All kinds, in code order.
[[nodiscard]] std::span<const HoleKind> holeKinds();

// The largest radius a hole of `kind` draws: counterbore, thread or bore.
[[nodiscard]] double outerRadius(const HoleKind& kind);

}  // namespace zek::plategen
