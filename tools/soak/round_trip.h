// The round trip every soak command ends with: the drawing written, read
// back and written again must give the same text.
#pragma once

#include <optional>
#include <string>

#include "zek/dxf_io.h"

class AcDbDatabase;

namespace zek::soak {

// The first line where two texts part, with the lines themselves.
std::string firstDifference(const std::string& a, const std::string& b);
// The text with the value of $HANDSEED left out.
std::string withoutHandleSeed(const std::string& text);
// Whether two texts differ only in numbers that agree to 1e-9 of their size
// (a value that does not survive its text, as degrees of an angle in radians).
bool onlyLastDigits(const std::string& a, const std::string& b);

// Reloads whose text differed only in $HANDSEED (counted, not faults).
struct SeedDrift {
  long count = 0;
  std::string example;
};
SeedDrift& seedDrift();

// The detail of a round trip whose texts differ only in last digits starts
// with this.
inline constexpr const char* kLastDigits = "last digits: ";

// What went wrong in the round trip, or nothing; written in the given
// generation, else in the drawing's own (as SAVE writes it).
std::optional<std::string> roundTripProblem(AcDbDatabase& db, std::optional<DxfVersion> version);

}  // namespace zek::soak
