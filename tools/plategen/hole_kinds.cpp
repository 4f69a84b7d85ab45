// The hole catalogue: standard sizes of the shop's die sets. Counterbores are
// those of ISO 4762 socket-head screws (M8 9/14, M10 11/17.5, M12 13.5/20),
// tap drills the usual coarse-thread ones (M6 5, M8 6.8); no two kinds share a
// diameter.
#include "hole_kinds.h"

#include <algorithm>
#include <cassert>

namespace zek::plategen {

namespace {

constexpr HoleKind kKinds[] = {
    {HoleCode::A1, "A1", HoleForm::Centred, 32.0, 0.0, "HOLE-GUIDE", "HOLE-GUIDE-DIM",
     "HOLE-GUIDE-CENTER"},
    {HoleCode::A2, "A2", HoleForm::Centred, 20.0, 0.0, "HOLE-GUIDE", "HOLE-GUIDE-DIM",
     "HOLE-GUIDE-CENTER"},
    {HoleCode::B1, "B1", HoleForm::Counterbore, 9.0, 14.0, "HOLE-CBORE", "HOLE-CBORE-DIM",
     nullptr},
    {HoleCode::B2, "B2", HoleForm::Counterbore, 11.0, 17.5, "HOLE-CBORE", "HOLE-CBORE-DIM",
     nullptr},
    {HoleCode::B3, "B3", HoleForm::Counterbore, 13.5, 20.0, "HOLE-CBORE", "HOLE-CBORE-DIM",
     nullptr},
    {HoleCode::C1, "C1", HoleForm::Tapped, 5.0, 6.0, "HOLE-TAP", "HOLE-TAP-DIM", "THREAD"},
    {HoleCode::C2, "C2", HoleForm::Tapped, 6.8, 8.0, "HOLE-TAP", "HOLE-TAP-DIM", "THREAD"},
    {HoleCode::D, "D", HoleForm::Centred, 10.0, 0.0, "HOLE-DOWEL", "HOLE-DOWEL-DIM",
     "HOLE-DOWEL-CENTER"},
    {HoleCode::E, "E", HoleForm::Plain, 6.5, 0.0, "HOLE-EJECT", "HOLE-EJECT-DIM", nullptr},
    {HoleCode::F1, "F1", HoleForm::Plain, 5.5, 0.0, "HOLE-DRILL", "HOLE-DRILL-DIM", nullptr},
    {HoleCode::F2, "F2", HoleForm::Plain, 12.0, 0.0, "HOLE-DRILL", "HOLE-DRILL-DIM", nullptr},
    {HoleCode::G, "G", HoleForm::Plain, 7.0, 0.0, "HOLE-DRILL-BACK", "HOLE-DRILL-DIM", nullptr},
    {HoleCode::W, "W", HoleForm::Plain, 3.0, 0.0, "WIRE-START", "WIRE-DIM", nullptr},
};

}  // namespace

const HoleKind& holeKind(HoleCode code) {
  const HoleKind& kind = kKinds[static_cast<std::size_t>(code)];
  assert(kind.code == code && "the catalogue is in code order");
  return kind;
}

std::span<const HoleKind> holeKinds() { return kKinds; }

double outerRadius(const HoleKind& kind) { return std::max(kind.diameter, kind.outerDiameter) / 2; }

}  // namespace zek::plategen
