// The settings line and the dialog's boxes read back.
#include "boundary_texts.h"

#include <cstdio>
#include <cstdlib>

namespace zek {

namespace {

constexpr double kRadiusLimit = -0.001;

// "R1= %.1f,  " or "C1= %.1f,  " (the last corner without the separator).
std::string cornerPart(int number, double value, bool last) {
  char text[96];
  const char letter = value > kRadiusLimit ? 'R' : 'C';
  const double shown = value > kRadiusLimit ? value : -value;
  std::snprintf(text, sizeof text, last ? "%c%d= %.1f" : "%c%d= %.1f,  ", letter, number, shown);
  return text;
}

// The number a text starts with, as the C library reads it; 0 for none.
double leadingNumber(const char* text) { return std::strtod(text, nullptr); }

const char* skipBlanks(const char* text) {
  while (*text == ' ' || *text == '\t')
    ++text;
  return text;
}

}  // namespace

std::string settingsLine(const BoundarySettings& settings) {
  char offset[96];
  std::snprintf(offset, sizeof offset, "\nOFFSET= %.1f,  ", settings.offset);
  std::string line = offset;
  for (int i = 0; i < 4; ++i)
    line += cornerPart(i + 1, settings.corners[i], i == 3);
  return line;
}

char cornerLetter(double value) { return value >= 0.0 ? 'R' : 'C'; }

std::optional<double> cornerFromText(const std::string& text) {
  const char* start = skipBlanks(text.c_str());
  bool chamfer = false;
  if (*start == 'C' || *start == 'c') {
    chamfer = true;
    ++start;
  } else if (*start == 'R' || *start == 'r') {
    ++start;
  }
  const double number = leadingNumber(start);
  if (!isCornerValue(number))
    return std::nullopt;
  return chamfer ? 0.0 - number : number;  // "C0" is a sharp 0, not -0
}

std::optional<double> offsetFromText(const std::string& text) {
  const double number = leadingNumber(skipBlanks(text.c_str()));
  if (!isDialogOffset(number))
    return std::nullopt;
  return number;
}

}  // namespace zek
