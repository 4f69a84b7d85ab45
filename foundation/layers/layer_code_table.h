// The layer code table: layer names and their integer codes from the
// "[LAYERS]" section of zeklayer0.dat, and codes for unlisted names from a
// counter.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "deffiles/definition_file.h"

namespace zek::inline foundation {

constexpr char kLayerCodeFileName[] = "zeklayer0.dat";
constexpr char kLayersHeader[] = "[LAYERS]";
// Codes for unlisted names: 99000, 99100, ..., 998900, then 99000 again.
constexpr int kFirstNewLayerCode = 99000;
constexpr int kNewLayerCodeStep = 100;
constexpr int kLastNewLayerCodeBound = 998990;  // the counter never passes it

// Two ordered maps built from the records in file order, first record
// winning in each: name → code (exact names, case included) and code → name.
// Each module keeps one for as long as it is loaded.
class LayerCodeTable {
public:
  // An empty table: every name is missing.
  LayerCodeTable() = default;

  // The table of a zeklayer0.dat text: "[LAYERS]" looked for within the
  // first 2000 tokens (comments passed over), then records "%s %i" to the
  // end of the text, at most maxRecords of them. A record whose code is no C
  // integer within 32 bits is passed over (it counts toward the limit). No
  // header: an empty table.
  [[nodiscard]] static LayerCodeTable fromText(std::string_view text,
                                               int maxRecords = kDefinitionRecordLimit);
  // Finds and reads fileName on the support path (printing "\nThe file
  // zeklayer0.dat not been found" or "\nDefinition file not open"); an empty
  // table when it cannot.
  [[nodiscard]] static LayerCodeTable load(const char* fileName = kLayerCodeFileName);

  // The code of a name; none for a missing name (the table is not changed).
  [[nodiscard]] std::optional<int> layerCodeOf(std::string_view name) const;
  // The name of a code; none for a code no record gave.
  [[nodiscard]] std::optional<std::string> layerNameOf(int code) const;
  // The code of a name; a missing name gets the counter's value, entered in
  // name → code only, and the counter moves on by 100 (after 998900 it starts
  // again at 99000, so names past the 9000th share codes with earlier ones).
  int assignLayerCode(std::string_view name);
  // True when the name has a code whose tens digit is 1; false for a missing
  // name (no code is assigned).
  [[nodiscard]] bool layerHasTensDigitOne(std::string_view name) const;

  // Names with a code, counted ones included.
  std::size_t size() const { return codeOfName_.size(); }
  bool empty() const { return codeOfName_.empty(); }
  // The code the next unlisted name will get.
  int nextNewCode() const { return counter_; }

private:
  void enter(std::string_view name, int code);

  std::map<std::string, int, std::less<>> codeOfName_;
  std::map<int, std::string> nameOfCode_;
  int counter_ = kFirstNewLayerCode;
};

}  // namespace zek::inline foundation
