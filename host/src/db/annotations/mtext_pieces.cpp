// Splitting MTEXT contents into group 3 pieces at UTF-8 character bounds.
#include "db/annotations/mtext_pieces.h"

#include "db/annotations/utf8.h"

namespace zek {

std::vector<std::string_view> splitMTextContents(std::string_view text) {
  std::vector<std::string_view> pieces;
  while (text.size() > kMTextPieceBytes) {
    std::size_t cut = kMTextPieceBytes;
    // Back up to the start of the character the cut would split; a run of
    // stray continuation bytes longer than a character is cut where it is.
    std::size_t back = 0;
    while (back < 3 && cut - back > 0 && isUtf8Continuation(text[cut - back]))
      ++back;
    if (back < 3 || !isUtf8Continuation(text[cut - back]))
      cut -= back;
    pieces.push_back(text.substr(0, cut));
    text.remove_prefix(cut);
  }
  pieces.push_back(text);
  return pieces;
}

}  // namespace zek
