// The hole table's rows of a plate layout: one code one kind, so a code's
// sizes are its kind's and its count the holes of that kind.
#include "labelled_holes.h"

namespace zek::plategen {

std::map<std::string, LabelledHoles> labelledHoles(const PlateLayout& plate) {
  std::map<std::string, LabelledHoles> rows;
  for (const Hole& hole : plate.holes) {
    const HoleKind& kind = holeKind(hole.code);
    LabelledHoles& row = rows[kind.label];
    if (row.count++ == 0) {
      row.diameter = kind.diameter;
      row.outerDiameter = 2 * outerRadius(kind);
      row.layer = kind.layer;
    }
  }
  return rows;
}

}  // namespace zek::plategen
