// UTF-8 decoding and encoding for measuring and splitting text: one code
// point at a time, never reading past the end, bad bytes as U+FFFD.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zek {

struct Utf8Char {
  char32_t code = 0;
  std::size_t length = 1;  // bytes taken, at least 1
};

// The code point starting at `at` (at < text.size()). A byte that does not
// start a valid, complete, shortest-form sequence answers U+FFFD, length 1.
[[nodiscard]] inline Utf8Char decodeUtf8(std::string_view text, std::size_t at) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(at);
  if (lead < 0x80)
    return {lead, 1};
  std::size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (lead >= 0xF5)
    length = 0;
  if (length == 0 || at + length > text.size())
    return {0xFFFD, 1};
  char32_t code = lead & (0xFF >> (length + 1));
  for (std::size_t i = 1; i < length; ++i) {
    unsigned char next = byte(at + i);
    if ((next & 0xC0) != 0x80)
      return {0xFFFD, 1};
    code = (code << 6) | (next & 0x3F);
  }
  bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
  bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  if (overlong || surrogate || code > 0x10FFFF)
    return {0xFFFD, 1};
  return {code, length};
}

// Whether a byte continues a UTF-8 sequence (10xxxxxx).
[[nodiscard]] inline bool isUtf8Continuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Appends the UTF-8 form of a code point.
inline void appendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace zek
