// MTEXT inline codes stripped to the plain text the metrics model measures.
#include <string>
#include <string_view>
#include <vector>

#include "db/annotations/utf8.h"
#include "zek/text_metrics.h"

namespace zek {

namespace {

bool isHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Codes whose argument runs up to a ';' (font, height, colour, alignment,
// width, oblique, tracking, paragraph, and the rarer ones CAD hosts write).
bool takesArgument(char code) {
  switch (code) {
    case 'f': case 'F': case 'H': case 'h': case 'C': case 'c': case 'A': case 'a':
    case 'W': case 'w': case 'Q': case 'q': case 'T': case 't': case 'p':
      return true;
    default:
      return false;
  }
}

// The end (exclusive) of a code's argument: just past its ';', or the end of
// the text when the ';' is missing.
std::size_t argumentEnd(std::string_view text, std::size_t from) {
  std::size_t semicolon = text.find(';', from);
  return semicolon == std::string_view::npos ? text.size() : semicolon + 1;
}

// A stack \Sa^b; (or a/b, a#b) as its wider part, measured at unit height.
// `from` points just after "\S"; answers the end of the stack.
std::size_t appendStack(std::string_view text, std::size_t from, std::string& out) {
  std::string upper, lower;
  std::string* part = &upper;
  std::size_t i = from;
  while (i < text.size() && text[i] != ';') {
    char c = text[i];
    if (c == '\\' && i + 1 < text.size()) {
      part->push_back(text[i + 1]);  // an escaped separator or ';'
      i += 2;
      continue;
    }
    if (part == &upper && (c == '^' || c == '/' || c == '#')) {
      part = &lower;
      ++i;
      continue;
    }
    part->push_back(c);
    ++i;
  }
  bool lowerWider = textAdvance(lower, 1.0, 1.0) > textAdvance(upper, 1.0, 1.0);
  out += lowerWider ? lower : upper;
  return i < text.size() ? i + 1 : i;
}

// A \U+XXXX escape the reader left in place: decoded so that it measures
// as the character it stands for. Answers the bytes taken (0: not one).
std::size_t appendUnicodeEscape(std::string_view text, std::size_t at, std::string& out) {
  // text[at] == '\\', text[at + 1] == 'U'
  if (at + 7 > text.size() || text[at + 2] != '+')
    return 0;
  char32_t code = 0;
  for (std::size_t k = at + 3; k < at + 7; ++k) {
    if (!isHexDigit(text[k]))
      return 0;
    char c = text[k];
    code = code * 16 + static_cast<char32_t>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
  }
  appendUtf8(out, code);
  return 7;
}

}  // namespace

std::string mtextPlainText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c == '{' || c == '}') {
      ++i;
      continue;
    }
    if (c == '^' && i + 1 < text.size() && (text[i + 1] == 'J' || text[i + 1] == 'I')) {
      out += text[i + 1] == 'J' ? '\n' : ' ';  // caret forms of line feed and tab
      i += 2;
      continue;
    }
    if (c != '\\' || i + 1 >= text.size()) {
      out += c;
      ++i;
      continue;
    }
    char code = text[i + 1];
    switch (code) {
      case 'P': case 'X': case 'N':
        out += '\n';
        i += 2;
        break;
      case '~':
        out += ' ';
        i += 2;
        break;
      case '\\': case '{': case '}':
        out += code;
        i += 2;
        break;
      case 'L': case 'l': case 'O': case 'o': case 'K': case 'k':
        i += 2;
        break;
      case 'S':
        i = appendStack(text, i + 2, out);
        break;
      case 'U': {
        std::size_t taken = appendUnicodeEscape(text, i, out);
        if (taken == 0) {
          out += code;
          taken = 2;
        }
        i += taken;
        break;
      }
      default:
        if (takesArgument(code)) {
          i = argumentEnd(text, i + 2);
        } else {
          out += code;  // an unknown code: its character stays
          i += 2;
        }
        break;
    }
  }
  return out;
}

std::vector<std::string> mtextLines(std::string_view contents) {
  std::string plain = mtextPlainText(contents);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    std::size_t end = plain.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(plain.substr(start));
      break;
    }
    lines.push_back(plain.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace zek
