// The texts of the boundary settings: the line ZEKBDY prints before it
// selects, and the corner and offset boxes of the ZEKBDYS dialog read back
// into values. Plain strings, no host calls.
#pragma once

#include <optional>
#include <string>

#include "boundary_settings.h"

namespace zek {

// "\nOFFSET= 3.0,  R1= 1.0,  R2= 1.0,  R3= 2.0,  R4= 1.0": a corner above
// -0.001 shows as a radius, any other as a chamfer of its size.
std::string settingsLine(const BoundarySettings& settings);

// The letter a corner box opens with: 'R' for a value of 0 or more, else 'C'
// (the box then shows the chamfer's size).
char cornerLetter(double value);

// A corner box read back: blanks first are skipped; a leading "C" or "c"
// makes a chamfer (the number after it is stored negated), "R" or "r" or no
// letter a radius. Text that is no number reads as 0. Nothing when the
// number lies outside -1000 .. 1000 (the setting then stays as it was).
std::optional<double> cornerFromText(const std::string& text);

// The offset box read back: a number (text that is none reads as 0), or
// nothing outside -0.00001 .. 100000.
std::optional<double> offsetFromText(const std::string& text);

}  // namespace zek
