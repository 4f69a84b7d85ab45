// Dialog answer lines read into requests.
#include "dialogs/answer_parser.h"

#include <charconv>
#include <string>

namespace zek {
namespace {

using Kind = DialogRequest::Kind;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

// The first word of text; text keeps what follows it (its blank included).
std::string_view takeWord(std::string_view& text) {
  while (!text.empty() && isBlank(text.front()))
    text.remove_prefix(1);
  std::size_t end = 0;
  while (end < text.size() && !isBlank(text[end]))
    ++end;
  std::string_view word = text.substr(0, end);
  text.remove_prefix(end);
  return word;
}

std::string lowered(std::string_view word) {
  std::string text(word);
  for (char& c : text)
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  return text;
}

struct Form {
  const char* verb;
  Kind kind;
  const char* usage;
};

constexpr Form kForms[] = {
    {"set", Kind::Set, "set ID TEXT"},
    {"check", Kind::Check, "check ID 0|1"},
    {"select", Kind::Select, "select ID INDEX"},
    {"dblclick", Kind::DoubleClick, "dblclick ID INDEX"},
    {"click", Kind::Click, "click ID"},
};

DialogRequest invalid(std::string why) { return {Kind::Invalid, 0, std::move(why)}; }

DialogRequest expects(const Form& form) { return invalid(std::string("Expects ") + form.usage + "."); }

// The argument of a form after its id: the rest of the line for set (one
// separating blank dropped), else the words, checked for their number.
DialogRequest withArgument(const Form& form, int id, std::string_view rest) {
  if (form.kind == Kind::Set) {
    if (!rest.empty())
      rest.remove_prefix(1);
    return {form.kind, id, std::string(rest)};
  }
  std::string_view words = trimmed(rest);
  std::string_view probe = words;
  const std::string_view first = takeWord(probe);
  const bool several = !trimmed(probe).empty();
  switch (form.kind) {
    case Kind::Click:
      return words.empty() ? DialogRequest{form.kind, id, {}} : expects(form);
    case Kind::Check:
      if (several || (first != "0" && first != "1"))
        return expects(form);
      return {form.kind, id, std::string(first)};
    case Kind::DoubleClick:
      if (first.empty() || several)
        return expects(form);
      return {form.kind, id, std::string(first)};
    default:
      if (first.empty())
        return expects(form);
      return {form.kind, id, std::string(words)};
  }
}

}  // namespace

DialogRequest parseDialogAnswer(std::string_view line) {
  std::string_view rest = line;
  const std::string verb = lowered(takeWord(rest));
  if (verb.empty())
    return {Kind::Enter, 0, {}};
  for (const Form& form : kForms) {
    if (verb != form.verb)
      continue;
    const std::string_view idWord = takeWord(rest);
    int id = 0;
    auto [end, error] = std::from_chars(idWord.data(), idWord.data() + idWord.size(), id);
    if (idWord.empty() || error != std::errc() || end != idWord.data() + idWord.size())
      return invalid(std::string("Requires a control id: ") + form.usage + ".");
    return withArgument(form, id, rest);
  }
  return invalid(
      "Expects set ID TEXT, check ID 0|1, select ID INDEX, dblclick ID INDEX or click ID.");
}

}  // namespace zek
