// The 256-colour index palette of CAD drawings (ACI): 1 red ... 7 white,
// 8 and 9 greys, 10–249 the hue wheel in five shades, 250–255 greys.
#pragma once

#include <cstdint>

namespace zek::render {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const Rgb&) const = default;
};

// The colour of index 1..255 (0 and 256, BYBLOCK and BYLAYER, answer white).
Rgb aciColour(int index);

}  // namespace zek::render
