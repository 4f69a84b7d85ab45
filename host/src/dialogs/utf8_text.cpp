// Display widths and character-boundary cuts of UTF-8 text.
#include "dialogs/utf8_text.h"

#include <cstring>

namespace zek {
namespace {

struct Decoded {
  char32_t code;
  std::size_t length;  // bytes taken; 1 for an invalid byte
  bool valid;
};

Decoded decodeAt(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 1;
  char32_t code = lead;
  if (lead >= 0xF0 && lead < 0xF8) {
    length = 4;
    code = lead & 0x07;
  } else if (lead >= 0xE0) {
    length = lead < 0xF0 ? 3 : 1;
    code = lead & 0x0F;
  } else if (lead >= 0xC0) {
    length = 2;
    code = lead & 0x1F;
  } else if (lead >= 0x80) {
    return {lead, 1, false};  // a continuation byte where a character should start
  }
  if (length == 1)
    return {code, 1, lead < 0x80};
  if (at + length > text.size())
    return {lead, 1, false};
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0) != 0x80)
      return {lead, 1, false};
    code = (code << 6) | (next & 0x3F);
  }
  return {code, length, true};
}

bool isWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
         (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF) ||
         (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

bool isCombining(char32_t c) {
  return (c >= 0x0300 && c <= 0x036F) || (c >= 0x200B && c <= 0x200F) ||
         (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xFE20 && c <= 0xFE2F);
}

}  // namespace

int displayWidth(std::string_view text) {
  int width = 0;
  for (std::size_t at = 0; at < text.size();) {
    const Decoded d = decodeAt(text, at);
    at += d.length;
    if (!d.valid)
      width += 1;
    else if (isWide(d.code))
      width += 2;
    else if (!isCombining(d.code))
      width += 1;
  }
  return width;
}

std::string padToWidth(std::string_view text, int width) {
  std::string padded(text);
  const int missing = width - displayWidth(text);
  if (missing > 0)
    padded.append(static_cast<std::size_t>(missing), ' ');
  return padded;
}

std::string_view prefixOfBytes(std::string_view text, std::size_t maxBytes) {
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t next = end + decodeAt(text, end).length;
    if (next > maxBytes)
      break;
    end = next;
  }
  return text.substr(0, end);
}

std::string_view prefixOfChars(std::string_view text, std::size_t maxChars) {
  std::size_t end = 0;
  for (std::size_t chars = 0; end < text.size() && chars < maxChars; ++chars)
    end += decodeAt(text, end).length;
  return text.substr(0, end);
}

int copyToBuffer(std::string_view text, char* buffer, int size) {
  if (buffer == nullptr || size < 1)
    return 0;
  const std::string_view kept = prefixOfBytes(text, static_cast<std::size_t>(size - 1));
  std::memcpy(buffer, kept.data(), kept.size());
  buffer[kept.size()] = '\0';
  return static_cast<int>(kept.size());
}

}  // namespace zek
