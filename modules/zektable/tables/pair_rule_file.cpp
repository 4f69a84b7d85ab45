// Reading the "[ASSUMPTION_2]" section of zekamn.dat: lines of a name and
// "%le %le %i %i %i %i %i %i" (inner and outer radius, shape and layer key,
// then the two pairing values), a number a line lacks keeping the value of
// the line before.
#include <optional>
#include <string_view>

#include "deffiles/definition_file.h"
#include "tables/hole_tables.h"

namespace zek::table {
namespace {

// The header is looked for within this many words, and the section gives
// at most this many lines.
constexpr int kPairRuleWords = 1000;
constexpr int kPairRuleLines = 1000;

// One line's numbers, as far as they convert; the fields after the first
// that does not keep what they held. The rest of the line is passed over.
void readRuleNumbers(TokenReader& line, PairRuleKey& key, PairValues& values) {
  double* const reals[] = {&key.innerRadius, &key.outerRadius};
  int* const integers[] = {&key.innerShape,    &key.outerShape, &key.innerLayerKey,
                           &key.outerLayerKey, &values.inner,   &values.outer};
  for (double* field : reals) {
    const std::optional<std::string_view> word = line.nextToken();
    const std::optional<double> value = word ? scanReal(*word) : std::nullopt;
    if (!value)
      return;
    *field = *value;
  }
  for (int* field : integers) {
    const std::optional<std::string_view> word = line.nextToken();
    const std::optional<long> value = word ? scanInt(*word) : std::nullopt;
    if (!value)
      return;
    *field = static_cast<int>(*value);
  }
}

}  // namespace

void readPairRuleText(std::string_view text, PairRuleTable& pairs) {
  TokenReader reader(text);
  if (!findSection(reader, kPairRuleHeader, kPairRuleWords))
    return;
  // Each rule is one line: a line short of numbers must not take the next
  // line's name for one.
  std::string_view rest = text.substr(reader.position());
  PairRuleKey key{1.0, 2.0, 3, 3, 1, 1};
  PairValues values{0, 83};
  int lines = 0;
  while (!rest.empty() && lines < kPairRuleLines) {
    const std::size_t lineEnd = rest.find('\n');
    const std::string_view lineText = rest.substr(0, lineEnd);
    rest = lineEnd == std::string_view::npos ? std::string_view() : rest.substr(lineEnd + 1);
    TokenReader line(lineText);
    const std::optional<std::string_view> name = line.nextToken();
    if (!name || isCommentToken(*name))
      continue;  // blank and comment lines hold no rule
    if (beginsSection(*name))
      return;
    ++lines;
    readRuleNumbers(line, key, values);
    pairs.insert(key, values);
  }
}

}  // namespace zek::table
