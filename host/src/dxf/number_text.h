// Numbers as DXF text: reading the values other programs wrote (spaces,
// decimal commas, integers written as reals) and writing the shortest text
// that reads back to the very same value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zek::dxf {

enum class NumberParse {
  Ok,            // a number in the form the format has
  DecimalComma,  // read, but written with a decimal comma ("1,5"): worth a warning
  Bad,           // not a number (garbage, empty, "nan", "inf", out of range)
};

// Room `out` must have for any of the format functions below.
constexpr std::size_t kNumberTextMax = 32;

// Reads a real number; spaces and tabs around it are allowed. Answers Bad and
// leaves `value` alone when the text is not a finite number.
[[nodiscard]] NumberParse parseDouble(std::string_view text, double& value);

// Reads a decimal integer; spaces and tabs around it are allowed. Some
// writers put reals into integer groups ("1.0" for a flag), so a real with
// no fraction reads as that integer; any other text answers false.
[[nodiscard]] bool parseInteger(std::string_view text, long long& value);

// Reads a handle: 1 to 16 hexadecimal digits of either case, spaces allowed.
[[nodiscard]] bool parseHandle(std::string_view text, std::uint64_t& value);

// Writes the shortest text that reads back to `value` bit for bit, with ".0"
// added to whole numbers so that the text reads as a real ("1.0", "1e-20",
// "-0.0"). A NaN or infinity, which DXF text cannot hold, is written "0.0".
// Answers the number of characters written (no terminating NUL).
[[nodiscard]] std::size_t formatDouble(double value, char* out);

// Writes a decimal integer ("-12"); answers the number of characters.
[[nodiscard]] std::size_t formatInteger(long long value, char* out);

// Writes a handle in upper-case hexadecimal without leading zeros ("1A5",
// "0"); answers the number of characters.
[[nodiscard]] std::size_t formatHandle(std::uint64_t value, char* out);

}  // namespace zek::dxf
