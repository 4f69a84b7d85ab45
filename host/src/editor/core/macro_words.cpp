// Menu-style macro texts split into the answers they stand for.
#include "editor/core/macro_words.h"

namespace zek {
namespace {

bool endsWord(char c) { return c == ' ' || c == ';'; }

// The text after the leading "^C" marks ("^c" as well).
std::string_view withoutLeadingCancels(std::string_view text) {
  while (text.size() >= 2 && text[0] == '^' && (text[1] == 'C' || text[1] == 'c'))
    text.remove_prefix(2);
  return text;
}

// Reads an AutoLISP expression that starts at text[at] == '('; answers the
// position after its closing parenthesis (or the text's end) and appends
// the expression to word.
std::size_t readExpression(std::string_view text, std::size_t at, std::string& word) {
  int depth = 0;
  bool inString = false;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    if (inString) {
      word += c;
      if (c == '\\' && at + 1 < text.size())
        word += text[++at];  // an escaped character, "\"" included
      else if (c == '"')
        inString = false;
      continue;
    }
    word += c == ';' ? ' ' : c;
    if (c == '"')
      inString = true;
    else if (c == '(')
      ++depth;
    else if (c == ')' && --depth == 0)
      return at + 1;
  }
  return at;
}

}  // namespace

bool isMacroText(std::string_view text) {
  if (withoutLeadingCancels(text).size() != text.size())
    return true;
  return splitMacroWords(text).size() > 1;
}

std::vector<std::string> splitMacroWords(std::string_view text) {
  text = withoutLeadingCancels(text);
  std::vector<std::string> words;
  std::string word;
  std::size_t at = 0;
  while (at < text.size()) {
    const char c = text[at];
    if (endsWord(c)) {
      words.push_back(std::move(word));
      word.clear();
      ++at;
    } else if (c == '(' && word.empty()) {
      at = readExpression(text, at, word);
    } else {
      word += c;
      ++at;
    }
  }
  words.push_back(std::move(word));  // the text's own end answers too: "A B " ends in Enter
  return words;
}

}  // namespace zek
