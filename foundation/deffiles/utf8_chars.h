// Counting and cutting UTF-8 text by characters, so that a limit "at most n
// characters" never splits a character. Bytes that are no valid lead byte
// count as one character each.
#pragma once

#include <cstddef>
#include <string_view>

namespace zek::inline foundation {

// The length in bytes of the character that begins with lead: 1 for a byte
// that begins none (a continuation byte, 0xC0, 0xC1, 0xF5 and above), so
// broken text still moves on.
constexpr std::size_t utf8CharBytes(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4)
    return 4;
  if (lead >= 0xE0)
    return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC2)
    return 2;
  return 1;
}

// The number of characters of text.
constexpr std::size_t utf8CharCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++count)
    i += utf8CharBytes(static_cast<unsigned char>(text[i]));
  return count;
}

// The first n characters of text (all of it when it is shorter); a last
// character the text ends inside of is left out.
constexpr std::string_view utf8Prefix(std::string_view text, std::size_t n) {
  std::size_t end = 0;
  for (std::size_t count = 0; count < n && end < text.size(); ++count) {
    const std::size_t next = end + utf8CharBytes(static_cast<unsigned char>(text[end]));
    if (next > text.size())
      break;
    end = next;
  }
  return text.substr(0, end);
}

}  // namespace zek::inline foundation
