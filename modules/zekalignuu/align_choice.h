// What the alignment front end remembers while it is loaded (the two codes
// and the offsets), and the offsets as the dialog writes and reads them.
#pragma once

#include <string>

namespace zek {

struct AlignChoice {
  int fromCode = 1;
  int toCode = 1;
  double dx = 0.0;
  double dy = 0.0;
};

// The module's one choice.
AlignChoice& alignChoice();

// An offset as its edit box shows it: 12 significant digits.
std::string offsetText(double value);
// The number an edit box's text starts with; 0 for text that is no number.
double offsetFromText(const std::string& text);

}  // namespace zek
