// MTEXT contents as DXF files carry them: pieces of at most 250 bytes in
// group 3 and the rest in group 1, never cut inside a UTF-8 character.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace zek {

constexpr std::size_t kMTextPieceBytes = 250;

// The pieces in order: all but the last go to group 3, the last (at most
// 250 bytes, possibly empty) to group 1. A text of up to 250 bytes is one
// piece.
[[nodiscard]] std::vector<std::string_view> splitMTextContents(std::string_view text);

}  // namespace zek
