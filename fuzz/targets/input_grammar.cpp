// Fuzz target: the answer grammar the drafter types. The whole input is one
// answer line for the number, integer, point and angle readers, a dialog
// answer line and a command macro; split at its first line end it is a
// keyword list (acedInitGet's) and an answer matched against it.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/answer_parser.h"
#include "editor/core/macro_words.h"
#include "editor/prompts/answer_parsing.h"

namespace {

using namespace zek;

void check(bool holds, const char* what, std::string_view input) {
  if (holds)
    return;
  std::fprintf(stderr, "%s: \"%.*s\"\n", what, static_cast<int>(input.size()), input.data());
  std::abort();
}

void readNumbers(std::string_view line) {
  if (const std::optional<double> real = parseRealAnswer(line)) {
    check(std::isfinite(*real), "a real answer that is no finite number", line);
    // The text acedCommand hands over for the number must read back as the same number.
    const std::string text = numberAnswerText(*real);
    const std::optional<double> again = parseRealAnswer(text);
    check(again && *again == *real, "numberAnswerText does not read back", text);
  }
  if (const std::optional<long long> integer = parseIntegerAnswer(line)) {
    check(*integer >= std::numeric_limits<std::int32_t>::min() &&
              *integer <= std::numeric_limits<std::int32_t>::max(),
          "an integer answer beyond 32 bits", line);
    check(parseRealAnswer(line).has_value(), "an integer answer that is no real answer", line);
  }
  if (const std::optional<double> angle = parseAngleAnswer(line))
    check(std::isfinite(*angle), "an angle that is no finite number", line);
}

void readPoint(std::string_view line) {
  const std::optional<TypedPoint> typed = parsePointAnswer(line);
  if (!typed)
    return;
  const AcGePoint3d placed = placeTypedPoint(*typed, AcGePoint3d::kOrigin, AcGeMatrix3d());
  check(std::isfinite(placed.x) && std::isfinite(placed.y) && std::isfinite(placed.z),
        "a point answer placed off the finite plane", line);
  if (!typed->hasZ)
    check(typed->value.z == 0.0, "a point without z has a z", line);
}

void matchKeyword(std::string_view list, std::string_view answer) {
  const KeywordList keywords(list);
  check(keywords.size() <= splitWords(list).size(), "more keywords than words", list);
  const std::optional<std::size_t> index = keywords.match(answer);
  if (!index)
    return;
  check(*index < keywords.size(), "a keyword index past the list", answer);
  check(!keywords.localName(*index).empty(), "a matched keyword without name", answer);
  (void)keywords.globalName(*index);
}

void readDialogLine(std::string_view line) {
  using Kind = DialogRequest::Kind;
  const DialogRequest request = parseDialogAnswer(line);
  check(request.kind != Kind::Cancel, "a typed dialog line read as Esc", line);
  if (request.kind == Kind::Check)
    check(request.argument == "0" || request.argument == "1", "a check that is no 0 or 1", line);
  if (request.kind == Kind::Invalid)
    check(!request.argument.empty(), "an invalid dialog line without a reason", line);
}

void readMacro(std::string_view text) {
  (void)isMacroText(text);
  const std::vector<std::string> words = splitMacroWords(text);
  check(words.size() <= text.size() + 1, "more macro words than characters", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  (void)trimmedAnswer(input);
  readNumbers(input);
  readPoint(input);
  readDialogLine(input);
  readMacro(input);
  const std::size_t lineEnd = input.find('\n');
  if (lineEnd == std::string_view::npos)
    matchKeyword(input, input);
  else
    matchKeyword(input.substr(0, lineEnd), input.substr(lineEnd + 1));
  return 0;
}
