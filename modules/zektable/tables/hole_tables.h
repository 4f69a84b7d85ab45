// The tables the hole-table commands read, built once when zektable.arx is
// loaded: hole types, machining notes and size classes of zektable.dat, the
// concentric pairing rules of zekamn.dat's "[ASSUMPTION_2]" section, and the
// layer codes of zeklayer0.dat with the module's own counter for layers the
// file does not name.
#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "layers/layer_code_table.h"

namespace zek::table {

// Hole type numbers of "[HOLE_TYPE]"; a code the table lacks is a bore.
enum HoleType : int {
  kBore = 10,
  kBlind = 20,
  kWireCut = 30,  // WEC
  kCut = 40,
  kScrew = 50,
  kSink = 60,
};

// Code (at most 4 characters) → hole type. An existing code keeps its first type.
using HoleTypeTable = std::map<std::string, int, std::less<>>;

// The key of a note record: code, layer name ("**" for any layer), diameter ×
// 100 truncated (0 for any diameter), compared field by field, texts by byte.
struct HoleNoteKey {
  std::string code;
  std::string layer;
  int diameter100 = 0;
  auto operator<=>(const HoleNoteKey&) const = default;
};

// One note record: the first prompt and its four case templates, the second
// prompt and its four, and per case of the first prompt whether the second
// stage follows. An empty prompt means there is none.
struct HoleNoteRecord {
  std::array<bool, 4> secondStage{};
  std::string firstPrompt;
  std::string secondPrompt;
  std::array<std::string, 4> firstCases;
  std::array<std::string, 4> secondCases;
};

using HoleNoteTable = std::map<HoleNoteKey, HoleNoteRecord>;

// "[SP_DIAMETER]": limits and names in file order, both of one length.
struct SpDiameterTable {
  std::vector<double> limits;
  std::vector<std::string> names;

  bool empty() const { return names.empty(); }
  // The name of the first row whose limit is greater than x, else the last
  // row's name; empty when the table is.
  [[nodiscard]] std::string nameFor(double x) const;
};

// One "[ASSUMPTION_2]" line: the pair of concentric holes it describes and
// the pairing values it gives them.
struct PairRuleKey {
  double innerRadius = 0;
  double outerRadius = 0;
  int innerShape = 0;
  int outerShape = 0;
  int innerLayerKey = 0;  // 0 matches any layer key
  int outerLayerKey = 0;
};

struct PairValues {
  int inner = 0;  // 0: the inner hole takes no label
  int outer = 0;
};

// Radii within 0.001 each, shapes exactly, a layer key compared only when
// the two values share a bit (so 0 matches any). Rules are kept in file
// order and the first equal rule answers a lookup: the tolerance and the
// wildcard keys make "equal" no equivalence, so an ordered tree could answer
// a different rule depending on its shape.
class PairRuleTable {
public:
  [[nodiscard]] static bool sameKey(const PairRuleKey& a, const PairRuleKey& b);
  // Adds the rule unless an equal key is there already (the first one stays).
  void insert(const PairRuleKey& key, const PairValues& values);
  [[nodiscard]] std::optional<PairValues> find(const PairRuleKey& key) const;
  std::size_t size() const { return rules_.size(); }
  bool empty() const { return rules_.empty(); }

private:
  std::vector<std::pair<PairRuleKey, PairValues>> rules_;
};

// The files and sections read, and the layer names of note records: "**"
// any layer; "DC" the layer of records before any "LAYER==" word.
constexpr char kHoleTableFileName[] = "zektable.dat";
constexpr char kPairRuleFileName[] = "zekamn.dat";
constexpr char kHoleTypeHeader[] = "[HOLE_TYPE]";
constexpr char kHoleNotesHeader[] = "[HOLE_NOTES]";
constexpr char kSpDiameterHeader[] = "[SP_DIAMETER]";
constexpr char kPairRuleHeader[] = "[ASSUMPTION_2]";
constexpr char kAnyLayer[] = "**";
constexpr char kFirstNoteLayer[] = "DC";
// Codes of "[HOLE_TYPE]" and "CODEIS=" keep this many characters (UTF-8
// characters, never a part of one); prompts and case texts keep 79.
constexpr std::size_t kCodeCharacters = 4;
constexpr std::size_t kNoteTextCharacters = 79;

// The code of a label as the tables know it: its first character and up to
// three more, up to its first digit ("B12" → "B", "1A" → "1", "ABCDE" →
// "ABCD").
[[nodiscard]] std::string labelCode(std::string_view labelText);

// A diameter as a note key: × 100, truncated, with a millionth of a key unit
// allowed for the binary fraction, so that "DIAMET=10.2" and a hole of
// diameter 10.2 both give 1020 (not 1019.99999... truncated to 1019).
[[nodiscard]] int diameterKey(double diameter);

// Everything the module loads, kept for as long as it is loaded.
struct HoleTables {
  LayerCodeTable layers;  // zeklayer0.dat, with this module's counter
  HoleTypeTable types;
  HoleNoteTable notes;
  SpDiameterTable sp;
  PairRuleTable pairs;

  // The type of a label: its leading characters up to its first digit (the
  // first character always counts), looked up in types; kBore when missing.
  [[nodiscard]] int holeTypeOf(std::string_view labelText) const;
};

// The module's tables (empty until loadHoleTables).
HoleTables& holeTables();

// Reads zeklayer0.dat, zektable.dat and zekamn.dat from the support path
// into holeTables(), printing the messages of each file.
void loadHoleTables();

// The readers on a file's text (tests give texts directly). Messages go to
// the host's command line.
void readHoleTableText(std::string_view text, HoleTables& tables);
void readPairRuleText(std::string_view text, PairRuleTable& pairs);

// Line classes of an entity's linetype name: 0 for BYL*,CON* (any case), 1
// for HID*,DAS*, else 5.
[[nodiscard]] int lineClassOf(std::string_view linetype);

// The digits of a layer key (layer code + line class).
constexpr int tensDigitOfKey(int key) { return static_cast<int>(key * 0.1) % 10; }
constexpr bool isFrontKey(int key) { return key > 10 && tensDigitOfKey(key) == 0; }
constexpr bool isBackKey(int key) { return key > 10 && tensDigitOfKey(key) == 1; }
constexpr bool isContinuousKey(int key) { return key % 10 == 0; }

// A layer name is a back layer when the file names it and its code's tens
// digit is 1 (counted names are never back layers).
[[nodiscard]] bool isBackLayer(const HoleTables& tables, std::string_view layerName);

// The code of a layer name: the file's, or the counter's next value (kept
// for the life of the module).
int layerCodeFor(HoleTables& tables, std::string_view layerName);

}  // namespace zek::table
