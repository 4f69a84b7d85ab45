// The forms of an AutoLISP line as read, before they mean anything: atoms,
// texts, lists (dotted or not) and quoted forms, each with where it was
// typed; and the spelling rules of atoms (numbers, nil, T, names).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "zek/result.h"

namespace zek {

// Lists and quotes nest at most this deep, a form at the top of the line
// being the first level: (F '((1))) uses four.
constexpr int kMaxLispDepth = 32;

struct LispForm {
  enum class Kind { Atom, Text, List, Quote };
  Kind kind = Kind::Atom;
  std::string value;            // an atom as typed, a text's characters
  std::vector<LispForm> items;  // a list's items, a quote's one form
  bool dotted = false;          // the list's last item is a dotted pair's tail
  std::size_t begin = 0;        // where the form was typed in the line
  std::size_t end = 0;
};

// Reads every form of the line; ";" starts a comment. A text takes
// AutoLISP's escapes (\" \\ \n \t \r \e, \nnn octal). The failure's message
// is AutoLISP's reading error ("; error: malformed list on input", "; error:
// extra right paren on input", "; error: malformed string on input", ";
// error: misplaced dot on input"), or says the nesting went too deep.
Result<std::vector<LispForm>> readLispForms(std::string_view line);

// Whether an atom spells a number, AutoLISP's way: [+-] digits [. digits]
// or [+-] . digits, then an optional exponent; an integer has neither point
// nor exponent. Any other atom is a name.
bool spellsLispNumber(std::string_view atom, bool& isInteger);
bool isLispNil(const LispForm& form);
bool isLispT(const LispForm& form);
// A name in upper case (ASCII letters only), as AutoLISP shows names.
std::string lispUpperCase(std::string_view name);
// The form as typed, shortened to 60 characters for a message.
std::string typedText(std::string_view line, const LispForm& form);

}  // namespace zek
