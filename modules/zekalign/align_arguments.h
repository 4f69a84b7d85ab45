// Checking the arguments of the alignment functions, with their messages.
#pragma once

#include <optional>

#include "ads.h"

namespace zek {

struct AlignArguments {
  int fromCode = 0;
  int toCode = 0;
  double dx = 0.0;
  double dy = 0.0;
  bool ratio = false;
};

// The two codes (and with offsets, dx, dy and the ratio flag) of a call;
// prints the message of the first argument that does not fit and answers
// nothing. lineCodesOnly refuses point codes as invalid.
std::optional<AlignArguments> readAlignArguments(const resbuf* args, bool withOffsets,
                                                 bool lineCodesOnly);

// The gap of ZEKALIGN3; prints its message and answers nothing when it is
// missing or not a number.
std::optional<double> readGapArgument(const resbuf* args);

}  // namespace zek
