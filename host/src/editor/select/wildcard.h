// CAD wildcard patterns, compiled once and matched many times: selection
// filters test every entity of a drawing against the same few patterns.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zek {

// A comma list of wildcard patterns, matched without regard to case. Each
// alternative may start with "~" (anything but the rest of it); the list
// matches when any alternative does. Characters are UTF-8 code points: "?"
// takes one Chinese character as it takes one letter; characters outside
// ASCII count as letters for "@" and "." and compare exactly.
class Wildcard {
public:
  Wildcard() = default;
  explicit Wildcard(std::string_view pattern);

  bool matches(std::string_view text) const;
  // The pattern has no wildcard characters: one plain name.
  bool isPlain() const { return plain_; }

private:
  enum class Kind { Literal, AnyOne, Digit, Letter, NonAlphanumeric, AnyRun, Class };
  struct Token {
    Kind kind = Kind::Literal;
    char32_t ch = 0;  // Literal: the character, folded to upper case
    bool negated = false;                            // Class: "[~...]"
    std::vector<std::pair<char32_t, char32_t>> ranges;  // Class members, folded
  };
  struct Alternative {
    std::vector<Token> tokens;
    bool negated = false;
  };

  static Alternative compileAlternative(const std::u32string& text);
  static bool matchAlternative(const std::vector<Token>& tokens, const std::u32string& text);
  static bool matchToken(const Token& token, char32_t ch);

  std::vector<Alternative> alternatives_;
  bool plain_ = true;
};

// One UTF-8 text as code points (bytes that are no UTF-8 stand for themselves).
std::u32string decodeUtf8(std::string_view text);
// ASCII letters in upper case; other characters as they are.
char32_t foldCase(char32_t ch);

}  // namespace zek
