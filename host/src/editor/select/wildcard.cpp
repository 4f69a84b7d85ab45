// CAD wildcard patterns and acutWcMatch.
#include "editor/select/wildcard.h"

#include "aced_select.h"

namespace zek {

std::u32string decodeUtf8(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    auto byte = static_cast<unsigned char>(text[i]);
    int length = byte < 0x80 ? 1 : (byte >> 5) == 6 ? 2 : (byte >> 4) == 14 ? 3 : (byte >> 3) == 30 ? 4 : 0;
    char32_t ch = length == 1 ? byte : length == 2 ? byte & 0x1F : length == 3 ? byte & 0x0F : byte & 0x07;
    bool valid = length > 0 && i + length <= text.size();
    for (int k = 1; valid && k < length; ++k) {
      auto next = static_cast<unsigned char>(text[i + k]);
      valid = (next >> 6) == 2;
      ch = (ch << 6) | (next & 0x3F);
    }
    if (!valid) {
      out.push_back(byte);  // not UTF-8: the byte stands for itself
      ++i;
      continue;
    }
    out.push_back(ch);
    i += static_cast<std::size_t>(length);
  }
  return out;
}

char32_t foldCase(char32_t ch) { return ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : ch; }

static bool isDigit(char32_t ch) { return ch >= '0' && ch <= '9'; }
// Letters: ASCII letters and every character beyond ASCII (names in Chinese
// are words, not punctuation).
static bool isLetter(char32_t ch) {
  return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || ch >= 0x80;
}

// Splits a pattern at the commas that separate alternatives: not those inside
// brackets or after the escape character.
static std::vector<std::u32string> splitAlternatives(const std::u32string& pattern) {
  std::vector<std::u32string> parts(1);
  bool inClass = false;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    char32_t ch = pattern[i];
    if (ch == '`' && i + 1 < pattern.size()) {
      parts.back() += ch;
      parts.back() += pattern[++i];
      continue;
    }
    if (inClass) {
      if (ch == ']')
        inClass = false;
    } else if (ch == '[' && pattern.find(']', i + 2) != std::u32string::npos) {
      inClass = true;
      parts.back() += ch;
      // A "]" right after "[" or "[~" is a member, not the end.
      if (i + 1 < pattern.size() && pattern[i + 1] == '~')
        parts.back() += pattern[++i];
      if (i + 1 < pattern.size() && pattern[i + 1] == ']')
        parts.back() += pattern[++i];
      continue;
    } else if (ch == ',') {
      parts.emplace_back();
      continue;
    }
    parts.back() += ch;
  }
  return parts;
}

Wildcard::Wildcard(std::string_view pattern) {
  for (const std::u32string& part : splitAlternatives(decodeUtf8(pattern))) {
    alternatives_.push_back(compileAlternative(part));
    const Alternative& added = alternatives_.back();
    if (added.negated)
      plain_ = false;
    for (const Token& token : added.tokens)
      if (token.kind != Kind::Literal)
        plain_ = false;
  }
  if (alternatives_.size() > 1)
    plain_ = false;
}

Wildcard::Alternative Wildcard::compileAlternative(const std::u32string& text) {
  Alternative alternative;
  std::size_t i = 0;
  if (!text.empty() && text[0] == '~') {
    alternative.negated = true;
    i = 1;
  }
  auto literal = [&](char32_t ch) {
    Token token;
    token.ch = foldCase(ch);
    alternative.tokens.push_back(token);
  };
  auto simple = [&](Kind kind) {
    Token token;
    token.kind = kind;
    alternative.tokens.push_back(token);
  };
  for (; i < text.size(); ++i) {
    char32_t ch = text[i];
    switch (ch) {
      case '`':
        literal(i + 1 < text.size() ? text[++i] : ch);
        break;
      case '*':
        if (alternative.tokens.empty() || alternative.tokens.back().kind != Kind::AnyRun)
          simple(Kind::AnyRun);
        break;
      case '?': simple(Kind::AnyOne); break;
      case '#': simple(Kind::Digit); break;
      case '@': simple(Kind::Letter); break;
      case '.': simple(Kind::NonAlphanumeric); break;
      case '[': {
        Token token;
        token.kind = Kind::Class;
        std::size_t j = i + 1;
        if (j < text.size() && text[j] == '~') {
          token.negated = true;
          ++j;
        }
        bool first = true;
        bool closed = false;
        for (; j < text.size(); ++j) {
          char32_t member = text[j];
          if (member == ']' && !first) {
            closed = true;
            break;
          }
          first = false;
          if (member == '`' && j + 1 < text.size())
            member = text[++j];
          char32_t last = member;
          if (j + 2 < text.size() && text[j + 1] == '-' && text[j + 2] != ']') {
            last = text[j + 2];
            j += 2;
          }
          token.ranges.emplace_back(foldCase(member), foldCase(last));
        }
        if (!closed) {
          literal(ch);  // an unclosed "[" is itself
          break;
        }
        alternative.tokens.push_back(std::move(token));
        i = j;
        break;
      }
      default:
        literal(ch);
        break;
    }
  }
  return alternative;
}

bool Wildcard::matchToken(const Token& token, char32_t ch) {
  switch (token.kind) {
    case Kind::Literal: return foldCase(ch) == token.ch;
    case Kind::AnyOne: return true;
    case Kind::Digit: return isDigit(ch);
    case Kind::Letter: return isLetter(ch);
    case Kind::NonAlphanumeric: return !isDigit(ch) && !isLetter(ch);
    case Kind::AnyRun: return true;
    case Kind::Class: {
      char32_t folded = foldCase(ch);
      bool member = false;
      for (const auto& [low, high] : token.ranges)
        if ((folded >= low && folded <= high) || (ch >= low && ch <= high))
          member = true;
      return member != token.negated;
    }
  }
  return false;
}

// Tokens match one character each, except runs ("*"), which take any number:
// on a mismatch the last run takes one character more and matching goes on.
bool Wildcard::matchAlternative(const std::vector<Token>& tokens, const std::u32string& text) {
  std::size_t t = 0, s = 0;
  std::size_t runToken = std::u32string::npos, runText = 0;
  while (s < text.size()) {
    if (t < tokens.size() && tokens[t].kind == Kind::AnyRun) {
      runToken = t++;
      runText = s;
      continue;
    }
    if (t < tokens.size() && matchToken(tokens[t], text[s])) {
      ++t;
      ++s;
      continue;
    }
    if (runToken == std::u32string::npos)
      return false;
    t = runToken + 1;
    s = ++runText;
  }
  while (t < tokens.size() && tokens[t].kind == Kind::AnyRun)
    ++t;
  return t == tokens.size();
}

bool Wildcard::matches(std::string_view text) const {
  std::u32string decoded = decodeUtf8(text);
  for (const Alternative& alternative : alternatives_)
    if (matchAlternative(alternative.tokens, decoded) != alternative.negated)
      return true;
  return false;
}

}  // namespace zek

int acutWcMatch(const char* string, const char* pattern) {
  if (string == nullptr || pattern == nullptr)
    return RTERROR;
  return zek::Wildcard(pattern).matches(string) ? RTNORM : RTERROR;
}
