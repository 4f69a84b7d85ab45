// The rows a hole table of a plate must find: for each code written on the
// plate, how many holes carry it and the sizes of its kind, known from the
// layout itself rather than read back from a drawing.
#pragma once

#include <map>
#include <string>

#include "plate_drawing.h"

namespace zek::plategen {

struct LabelledHoles {
  int count = 0;             // holes labelled with the code
  double diameter = 0;       // the through, drill or bore circle
  double outerDiameter = 0;  // the largest circle or arc the hole draws: the
                             // counterbore or thread, else the bore itself
  std::string layer;         // the layer of the hole's circles
};

// Every code of `plate`'s holes, one entry each, in byte order of the codes.
[[nodiscard]] std::map<std::string, LabelledHoles> labelledHoles(const PlateLayout& plate);

}  // namespace zek::plategen
