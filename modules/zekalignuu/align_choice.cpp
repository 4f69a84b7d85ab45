// The remembered choice and the offsets' text (see align_choice.h).
#include "align_choice.h"

#include <cstdio>
#include <cstdlib>

namespace zek {

AlignChoice& alignChoice() {
  static AlignChoice choice;
  return choice;
}

std::string offsetText(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.12g", value);
  return text;
}

double offsetFromText(const std::string& text) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  return end == text.c_str() ? 0.0 : value;
}

}  // namespace zek
