// Small text rules the table readers share: cutting a UTF-8 text to a
// number of characters without splitting one, and the digit test of codes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "deffiles/utf8_chars.h"

namespace zek::table {

// The first `characters` characters of text (all of it when shorter); a
// character the text ends inside of is dropped whole.
constexpr std::string_view firstCharacters(std::string_view text, std::size_t characters) {
  return utf8Prefix(text, characters);
}

// Digits as codes and labels count them: the ASCII ones only.
constexpr bool isCodeDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace zek::table
