// The selection filter of every island search, read from zekislands.dat:
// pairs of a DXF group code and its value, the value always kept as text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "guards/resbuf_list.h"

namespace zek {

constexpr const char* kIslandFilterFile = "zekislands.dat";
constexpr const char* kSomeItemInvalid = "\nSome item is invalid";
// The file's limits: at most 59 pairs, tokens (comments included) fewer
// than 300, codes and values of at most 30 characters.
constexpr std::size_t kMaxFilterPairs = 59;
constexpr int kMaxFilterTokens = 300;
constexpr std::size_t kMaxFilterTokenCharacters = 30;

// One filter entry: the group code (the atoi rule: "8abc" is 8, "abc" 0) and
// the value's text.
struct FilterPair {
  int code = 0;
  std::string value;
};

// What the file's text gave: the pairs, or invalid (and then no pairs).
struct FilterReading {
  std::vector<FilterPair> pairs;
  bool valid = true;
};

// Reads the text of zekislands.dat: tokens alternate between a code and its
// value, comment tokens (";" first) skipped wherever they stand. A code or
// value longer than 30 characters, a 60th pair or a 300th token makes the
// reading invalid. A code left without its value at the end is dropped.
FilterReading readIslandFilter(std::string_view text);

// Finds and reads zekislands.dat on the support path, printing "\nThe file
// zekislands.dat not been found", "\nDefinition file not open" or "\nSome item
// is invalid" where it fails; the pairs, or none after any failure.
std::vector<FilterPair> loadIslandFilter();

// The pairs as a selection filter list: one entry a pair, typed by its group
// code and holding the value's text. Null for no pairs (no filter).
ResbufList filterListOf(const std::vector<FilterPair>& pairs);

}  // namespace zek
