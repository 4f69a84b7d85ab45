// A whole count given on a generator's command line ("--entities 100000").
#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zek::plategen {

// The count the whole text spells in decimal digits; nothing for anything else.
inline std::optional<std::uint64_t> parseCount(std::string_view text) {
  std::uint64_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size())
    return std::nullopt;
  return value;
}

}  // namespace zek::plategen
