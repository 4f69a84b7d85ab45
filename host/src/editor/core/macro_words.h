// The words of a command macro, read as a CAD host reads a menu macro: a
// blank or ";" ends a word (two in a row give an empty word, an Enter), the
// text's own end ends the last word, and an AutoLISP expression "(...)" at
// the start of a word runs to its closing parenthesis as one word.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zek {

// Whether a command-position text is a macro rather than one answer: it holds
// a blank or ";" outside an AutoLISP expression, or starts with "^C".
bool isMacroText(std::string_view text);

// Splits a macro into its answers.
// - "^C" marks at the very start are dropped: at the command position there
//   is nothing to cancel, as a menu macro's leading "^C^C" finds.
// - A word that starts with "(" holds everything up to the parenthesis that
//   closes it, blanks included; parentheses inside "..." strings do not count
//   and a ";" inside the expression is a blank, as a menu's Enter is between
//   AutoLISP words. An expression left open runs to the end of the text.
// - "\" stays a word of its own kind: the caller treats it as a pause.
std::vector<std::string> splitMacroWords(std::string_view text);

}  // namespace zek
