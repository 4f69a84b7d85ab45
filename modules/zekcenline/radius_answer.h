// What a ZEKDIAMETER answer asks for: a radius after "R" or "r", otherwise
// a diameter. No host calls.
#pragma once

#include <string_view>

namespace zek {

// Radii this small or smaller leave the circle or arc as it is.
constexpr double kLeastRadius = 1e-7;

// The new radius an answer asks for: "R4" or "r4" gives 4, "10" gives 5 (a
// diameter, halved). The number is read as the C library's atof reads it
// (leading blanks, a sign, then as much of a decimal number as there is);
// text that does not begin with a number reads 0, and so does a value that
// is no finite number.
double radiusFromAnswer(std::string_view answer);

}  // namespace zek
