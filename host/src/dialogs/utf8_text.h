// UTF-8 text as dialogs need it: the columns a text takes on a terminal (CJK
// characters two), and cutting a text at a character boundary.
#pragma once

#include <string>
#include <string_view>

namespace zek {

// Terminal columns: wide characters (CJK ideographs, kana, hangul, full-width
// forms) 2, combining marks 0, everything else 1; a byte that does not start
// a valid sequence counts as one column.
int displayWidth(std::string_view text);

// The text padded with blanks to at least width columns.
std::string padToWidth(std::string_view text, int width);

// The longest start of text of at most maxBytes bytes that ends on a
// character boundary.
std::string_view prefixOfBytes(std::string_view text, std::size_t maxBytes);
// The first maxChars characters of text.
std::string_view prefixOfChars(std::string_view text, std::size_t maxChars);

// Copies text into a buffer of size bytes, cut at a character boundary and
// terminated; answers the bytes copied (0 for a null buffer or size < 1).
int copyToBuffer(std::string_view text, char* buffer, int size);

}  // namespace zek
