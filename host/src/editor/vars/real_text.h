// Distances and angles as text and back, in the unit forms of the drawing
// (scientific, decimal, engineering, architectural, fractional; degrees,
// degrees/minutes/seconds, grads, radians, surveyor's bearings). Plain
// functions: the zero rules (DIMZIN) and units are given, nothing is read
// from a drawing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zek {

// DIMZIN bits that shape numbers.
constexpr int kDimzinNoLeadingZero = 4;
constexpr int kDimzinNoTrailingZeros = 8;

// A distance: unit 1..5, prec 0..8, dimzin as the variable holds it (0..15);
// nothing for a unit or precision out of range or a value that is not finite.
std::optional<std::string> distanceText(double value, int unit, int prec, int dimzin);
// A distance read in a unit 1..5 (see acdbDisToF for the forms); nothing on garbage.
std::optional<double> distanceFromText(std::string_view text, int unit);

// An angle in radians: unit 0..4, prec 0..8; nothing when out of range.
std::optional<std::string> angleText(double radians, int unit, int prec, int dimzin);
// An angle read in a unit 0..4 into radians; nothing on garbage.
std::optional<double> angleFromText(std::string_view text, int unit);

// The value rounded to prec decimals as text ("-0.50"), never "-0" for a
// value that rounds to zero; then DIMZIN's leading and trailing zero rules.
std::string decimalText(double value, int prec, int dimzin);
// A plain number ("12", "-0.5", ".25", "1.55E+01"): sign, digits, an optional
// decimal point and exponent, nothing else; nothing on anything else.
std::optional<double> plainNumber(std::string_view text);

}  // namespace zek
