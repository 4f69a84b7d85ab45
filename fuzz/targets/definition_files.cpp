// Fuzz target: definition files, from their bytes to the tables the modules
// build. Every input is decoded as a file is (UTF-8, else GBK) and the
// decoded text goes through the foundation's readers (tokens, lines,
// sections, the C scan rules, KEY= prefixes) and through each module reader
// that is a plain function of a text: zeklayer0.dat, zektable.dat, zekamn.dat,
// zekadxy1.dat, zekcommand.dat, zekregister.dat and zekislands.dat. The
// first byte picks the scan format the records are read with.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "deffiles/definition_file.h"
#include "deffiles/utf8_chars.h"
#include "editor/transcript.h"
#include "island_filter.h"
#include "layers/layer_code_table.h"
#include "macro_list.h"
#include "registration_plan.h"
#include "settings/settings_file.h"
#include "tables/hole_tables.h"

namespace {

using namespace zek;

[[noreturn]] void fail(const char* what, std::string_view detail = {}) {
  std::fprintf(stderr, "%s: %.*s\n", what, static_cast<int>(detail.size()), detail.data());
  std::abort();
}

void check(bool holds, const char* what, std::string_view detail = {}) {
  if (!holds)
    fail(what, detail);
}

constexpr std::string_view kScanFormats[] = {
    "%s %i", "%le %le %i %i %i %i %i %i", "%d %s", "%lf %lg %s", "%i", "%s %s %le"};

bool hasBlank(std::string_view text) {
  return text.find_first_of(" \t\n\v\f\r") != std::string_view::npos;
}

// Tokens: never empty, never longer than the C buffer, never blank inside,
// whole UTF-8 characters; each number rule answers without fault.
void readTokens(std::string_view text) {
  TokenReader reader(text);
  std::size_t tokens = 0;
  while (const std::optional<std::string_view> token = reader.nextToken()) {
    check(++tokens <= text.size(), "more tokens than bytes");
    check(!token->empty(), "an empty token");
    check(token->size() < kDefinitionBufferBytes, "a token longer than the buffer", *token);
    check(!hasBlank(*token), "a token holds white space", *token);
    check(isValidUtf8(*token), "a token cut inside a character", *token);
    (void)scanInt(*token);
    (void)scanDecimalInt(*token);
    (void)scanReal(*token);
    if (hasKeyPrefix(*token, "LAYA="))
      check(keyValue(*token) == token->substr(kKeyPrefixLength), "keyValue after LAYA=", *token);
    if (hasKeyPrefix(*token, "CODEIS="))
      (void)keyValue(*token, 7);
  }
  check(reader.atEnd(), "tokens ended before the text");
}

// Lines: never empty, never longer than the buffer, whole characters.
void readLinesOf(std::string_view text) {
  TokenReader reader(text);
  std::size_t lines = 0;
  while (const std::optional<std::string_view> line = reader.nextLine()) {
    check(++lines <= text.size(), "more lines than bytes");
    check(!line->empty(), "an empty line");
    check(line->size() < kDefinitionBufferBytes, "a line longer than the buffer", *line);
    check(line->find('\n') == std::string_view::npos, "a line holds a line end", *line);
    check(isValidUtf8(*line), "a line cut inside a character", *line);
  }
  const std::vector<std::string> records = readLines(text, 50);
  check(records.size() <= 50, "readLines read past its limit");
  for (const std::string& record : records)
    check(!isCommentToken(record), "readLines kept a comment line", record);
}

// Sections and records as the modules read them: a header, then records of
// one scan format up to the next header.
void readSections(std::string_view text, std::string_view format) {
  TokenReader reader(text);
  if (findSection(reader, "[LAYERS]", 200)) {
    for (int n = 0; n < kDefinitionRecordLimit && !reader.atEnd() && !reader.atSectionHeader(); ++n)
      if (const auto record = scanRecord(reader, format))
        check(!record->empty(), "a record read with no fields");
  }
  TokenReader fixedOrder(text);
  if (findFirstHeader(fixedOrder, "[FIRST]")) {
    for (int n = 0; n < 100 && !fixedOrder.atEnd() && !fixedOrder.atSectionHeader(); ++n)
      (void)scanFields(fixedOrder, format);
    (void)readHeader(fixedOrder, "[SECOND]");
  }
}

void readModuleTables(std::string_view text) {
  const LayerCodeTable layers = LayerCodeTable::fromText(text);
  (void)layers.layerCodeOf("0");

  table::HoleTables tables;
  table::readHoleTableText(text, tables);
  check(tables.sp.limits.size() == tables.sp.names.size(), "size classes without names");
  for (const auto& [code, type] : tables.types)
    check(utf8CharCount(code) <= table::kCodeCharacters, "a hole code too long", code);
  for (const auto& [key, record] : tables.notes) {
    check(utf8CharCount(key.code) <= table::kCodeCharacters, "a note code too long", key.code);
    check(utf8CharCount(record.firstPrompt) <= table::kNoteTextCharacters, "a prompt too long",
          record.firstPrompt);
    check(utf8CharCount(record.secondPrompt) <= table::kNoteTextCharacters, "a prompt too long",
          record.secondPrompt);
  }
  (void)tables.holeTypeOf("B12");
  (void)tables.sp.nameFor(10.0);
  table::readPairRuleText(text, tables.pairs);

  adxy1::OrdinateSettings settings;
  adxy1::readLineNameSection(text, settings);
  check(settings.centreColour > 0 && settings.centreColour < 255, "a centre colour out of range");

  const std::vector<CommandMacro> macros = macrosFromText(text);
  check(macros.size() <= static_cast<std::size_t>(kDefinitionRecordLimit), "too many macros");
  for (const CommandMacro& macro : macros) {
    check(macro.label.size() >= 2, "a macro label shorter than two characters", macro.label);
    check(macro.label.find('#') == std::string::npos, "a macro label holds \"#\"", macro.label);
  }

  for (const AppRecord& record : readAppRecords(text))
    check(!record.name.empty() && record.name != kRecordEnd, "an application record without name");

  const FilterReading filter = readIslandFilter(text);
  check(filter.valid || filter.pairs.empty(), "an invalid filter kept pairs");
  check(filter.pairs.size() <= kMaxFilterPairs, "too many filter pairs");
  for (const FilterPair& pair : filter.pairs)
    check(utf8CharCount(pair.value) <= kMaxFilterTokenCharacters, "a filter value too long",
          pair.value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  bool usedGbk = false;
  const std::string text = decodeDefinitionBytes(bytes, &usedGbk);
  check(isValidUtf8(text), "the decoded text is no UTF-8");
  if (isValidUtf8(bytes))
    check(!usedGbk && text == bytes, "valid UTF-8 was changed by decoding");

  const std::string_view format =
      kScanFormats[size == 0 ? 0 : data[0] % std::size(kScanFormats)];
  readTokens(text);
  readLinesOf(text);
  readSections(text, format);
  readModuleTables(text);
  Transcript::instance().clear();  // the readers' messages would pile up across inputs
  return 0;
}
