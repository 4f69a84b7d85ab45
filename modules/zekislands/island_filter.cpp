// zekislands.dat: the token reading with its limits, and the filter list
// built from the pairs.
#include "island_filter.h"

#include <optional>

#include "aced_output.h"
#include "deffiles/definition_file.h"

namespace zek {

namespace {

// Characters, not bytes: a UTF-8 continuation byte adds none.
std::size_t characterCount(std::string_view token) {
  std::size_t count = 0;
  for (const char byte : token) {
    if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80)
      ++count;
  }
  return count;
}

FilterReading invalidReading() {
  FilterReading reading;
  reading.valid = false;
  return reading;
}

}  // namespace

FilterReading readIslandFilter(std::string_view text) {
  TokenReader reader(text);
  FilterReading reading;
  std::optional<int> code;  // a code read, its value still to come
  while (std::optional<std::string_view> token = reader.nextToken()) {
    if (reader.tokensRead() >= kMaxFilterTokens)
      return invalidReading();
    if (isCommentToken(*token))
      continue;
    if (reader.lastWasCut() || characterCount(*token) > kMaxFilterTokenCharacters)
      return invalidReading();
    if (code) {
      reading.pairs.push_back(FilterPair{*code, std::string(*token)});
      code.reset();
      continue;
    }
    if (reading.pairs.size() == kMaxFilterPairs)
      return invalidReading();  // the 60th pair starts here
    code = static_cast<int>(scanDecimalInt(*token).value_or(0));
  }
  return reading;
}

std::vector<FilterPair> loadIslandFilter() {
  const std::optional<DefinitionText> file = openDefinitionFile(kIslandFilterFile);
  if (!file)
    return {};  // the reader printed why
  FilterReading reading = readIslandFilter(file->text);
  if (!reading.valid) {
    acutPrintf("%s", kSomeItemInvalid);
    return {};
  }
  return std::move(reading.pairs);
}

ResbufList filterListOf(const std::vector<FilterPair>& pairs) {
  ResbufList list;
  resbuf* last = nullptr;
  for (const FilterPair& pair : pairs) {
    resbuf* entry = acutNewRb(pair.code);
    // The value goes as text whatever the code: the selection reads a text
    // given for a numeric code as the number it spells.
    entry->resval.rstring = acutNewString(pair.value.c_str());
    if (last == nullptr)
      list.reset(entry);
    else
      last->rbnext = entry;
    last = entry;
  }
  return list;
}

}  // namespace zek
