// The module's tables and the questions the hole model asks of them: size
// classes, pairing rules, hole types of labels, line classes, back layers
// and layer codes; and loading all of them when the module is loaded.
#include "tables/hole_tables.h"

#include <algorithm>
#include <cmath>

#include "aced_output.h"
#include "aced_select.h"
#include "deffiles/definition_file.h"
#include "tables/table_text.h"

namespace zek::table {
namespace {

// Radii of a pairing rule are equal within this much.
constexpr double kPairRadiusTolerance = 0.001;

bool radiiEqual(double a, double b) {
  return !(a + kPairRadiusTolerance < b) && !(b + kPairRadiusTolerance < a);
}

// Layer keys that share no bit are not compared, so a 0 in a rule matches
// any key; keys that share one must be the same key.
bool layerKeysEqual(int a, int b) { return (a & b) == 0 || a == b; }

bool matchesWildcard(std::string_view text, const char* pattern) {
  return acutWcMatch(std::string(text).c_str(), pattern) == RTNORM;
}

}  // namespace

std::string SpDiameterTable::nameFor(double x) const {
  const std::size_t rows = std::min(limits.size(), names.size());
  if (rows == 0)
    return {};
  for (std::size_t row = 0; row < rows; ++row)
    if (limits[row] > x)
      return names[row];
  return names[rows - 1];
}

bool PairRuleTable::sameKey(const PairRuleKey& a, const PairRuleKey& b) {
  return radiiEqual(a.innerRadius, b.innerRadius) && radiiEqual(a.outerRadius, b.outerRadius) &&
         a.innerShape == b.innerShape && a.outerShape == b.outerShape &&
         layerKeysEqual(a.innerLayerKey, b.innerLayerKey) &&
         layerKeysEqual(a.outerLayerKey, b.outerLayerKey);
}

void PairRuleTable::insert(const PairRuleKey& key, const PairValues& values) {
  if (!find(key))
    rules_.emplace_back(key, values);
}

std::optional<PairValues> PairRuleTable::find(const PairRuleKey& key) const {
  for (const auto& [ruleKey, values] : rules_)
    if (sameKey(ruleKey, key))
      return values;
  return std::nullopt;
}

std::string labelCode(std::string_view labelText) {
  const std::string_view first = firstCharacters(labelText, 1);
  std::string_view rest = labelText.substr(first.size());
  std::size_t digit = 0;
  while (digit < rest.size() && !isCodeDigit(rest[digit]))
    ++digit;
  rest = firstCharacters(rest.substr(0, digit), kCodeCharacters - 1);
  return std::string(first) + std::string(rest);
}

int diameterKey(double diameter) {
  const double key = diameter * 100.0 + (diameter < 0 ? -1e-6 : 1e-6);
  // A value that is no number or lies beyond an int (a damaged file or
  // drawing) keys as "any diameter" rather than overflowing the conversion.
  if (!(std::fabs(key) < 2e9))
    return 0;
  return static_cast<int>(key);
}

int HoleTables::holeTypeOf(std::string_view labelText) const {
  const auto found = types.find(labelCode(labelText));
  return found == types.end() ? kBore : found->second;
}

HoleTables& holeTables() {
  static HoleTables tables;
  return tables;
}

void loadHoleTables() {
  HoleTables& tables = holeTables();
  tables = HoleTables{};
  tables.layers = LayerCodeTable::load();
  if (const std::optional<DefinitionText> file = openDefinitionFile(kHoleTableFileName))
    readHoleTableText(file->text, tables);
  // The pairing rules are optional: a missing file is no news to the drafter,
  // one that will not open is.
  DefinitionFileFailure failure = DefinitionFileFailure::None;
  if (const std::optional<DefinitionText> file =
          openDefinitionFileQuietly(kPairRuleFileName, &failure))
    readPairRuleText(file->text, tables.pairs);
  else if (failure == DefinitionFileFailure::NotReadable)
    acutPrintf("\nFile not opened");
}

int lineClassOf(std::string_view linetype) {
  if (matchesWildcard(linetype, "BYL*,CON*"))
    return 0;
  if (matchesWildcard(linetype, "HID*,DAS*"))
    return 1;
  return 5;
}

bool isBackLayer(const HoleTables& tables, std::string_view layerName) {
  return tables.layers.layerHasTensDigitOne(layerName);
}

int layerCodeFor(HoleTables& tables, std::string_view layerName) {
  return tables.layers.assignLayerCode(layerName);
}

}  // namespace zek::table
