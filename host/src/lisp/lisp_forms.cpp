// Reading the forms of an AutoLISP line: tokens first, then the tree.
#include "lisp/lisp_forms.h"

namespace zek {
namespace {

Failure fault(std::string message) { return Failure{"", 0, std::move(message), false}; }

constexpr const char* kMalformedList = "; error: malformed list on input";
constexpr const char* kMalformedString = "; error: malformed string on input";
constexpr const char* kExtraParen = "; error: extra right paren on input";
constexpr const char* kMisplacedDot = "; error: misplaced dot on input";

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}
bool endsAtom(char c) {
  return isBlank(c) || c == '(' || c == ')' || c == '\'' || c == '"' || c == ';';
}

enum class TokenKind { Open, Close, Quote, Dot, Text, Atom };
struct Token {
  TokenKind kind;
  std::string value;  // an atom as typed, a text with its escapes resolved
  std::size_t begin;
  std::size_t end;
};

// Reads a text from its opening quote at `at`; false when the line ends first.
bool readText(std::string_view line, std::size_t& at, std::string& value) {
  ++at;
  while (at < line.size()) {
    char c = line[at++];
    if (c == '"')
      return true;
    if (c != '\\') {
      value += c;
      continue;
    }
    if (at >= line.size())
      return false;
    char escaped = line[at++];
    switch (escaped) {
      case 'n': value += '\n'; break;
      case 't': value += '\t'; break;
      case 'r': value += '\r'; break;
      case 'e': value += '\x1b'; break;
      default:
        if (escaped >= '0' && escaped <= '7') {  // \nnn: a character code in octal
          int code = escaped - '0';
          for (int digits = 1; digits < 3 && at < line.size() && line[at] >= '0' &&
                               line[at] <= '7'; ++digits)
            code = code * 8 + (line[at++] - '0');
          value += static_cast<char>(code & 0xff);
        } else {
          value += escaped;  // \" \\ and any other character stand for themselves
        }
    }
  }
  return false;
}

Result<std::vector<Token>> tokenize(std::string_view line) {
  std::vector<Token> tokens;
  std::size_t at = 0;
  while (at < line.size()) {
    char c = line[at];
    std::size_t begin = at;
    if (isBlank(c)) {
      ++at;
    } else if (c == ';') {
      break;  // a comment runs to the end of the line
    } else if (c == '(' || c == ')' || c == '\'') {
      ++at;
      TokenKind kind = c == '(' ? TokenKind::Open : c == ')' ? TokenKind::Close : TokenKind::Quote;
      tokens.push_back({kind, {}, begin, at});
    } else if (c == '"') {
      std::string value;
      if (!readText(line, at, value))
        return fault(kMalformedString);
      tokens.push_back({TokenKind::Text, std::move(value), begin, at});
    } else {
      while (at < line.size() && !endsAtom(line[at]))
        ++at;
      std::string atom(line.substr(begin, at - begin));
      TokenKind kind = atom == "." ? TokenKind::Dot : TokenKind::Atom;
      tokens.push_back({kind, std::move(atom), begin, at});
    }
  }
  return tokens;
}

class FormParser {
public:
  explicit FormParser(const std::vector<Token>& tokens) : tokens_(tokens) {}

  // Reads the form at the current token; an empty answer means it read.
  std::string parse(LispForm& form, int depth) {
    if (pos_ >= tokens_.size())
      return kMalformedList;
    const Token& token = tokens_[pos_++];
    form.begin = token.begin;
    form.end = token.end;
    const bool nests = token.kind == TokenKind::Open || token.kind == TokenKind::Quote;
    if (nests && depth > kMaxLispDepth)
      return "; error: lists nest deeper than " + std::to_string(kMaxLispDepth) +
             " levels on input";
    switch (token.kind) {
      case TokenKind::Atom: form.kind = LispForm::Kind::Atom; form.value = token.value; return {};
      case TokenKind::Text: form.kind = LispForm::Kind::Text; form.value = token.value; return {};
      case TokenKind::Close: return kExtraParen;
      case TokenKind::Dot: return kMisplacedDot;
      case TokenKind::Quote: {
        form.kind = LispForm::Kind::Quote;
        form.items.emplace_back();
        std::string error = parse(form.items.back(), depth + 1);
        form.end = form.items.back().end;
        return error;
      }
      case TokenKind::Open: return parseList(form, depth);
    }
    return kMalformedList;
  }
  bool atEnd() const { return pos_ >= tokens_.size(); }

private:
  std::string parseList(LispForm& form, int depth) {
    form.kind = LispForm::Kind::List;
    while (true) {
      if (pos_ >= tokens_.size())
        return kMalformedList;
      const Token& token = tokens_[pos_];
      if (token.kind == TokenKind::Close) {
        ++pos_;
        form.end = token.end;
        return {};
      }
      if (form.dotted)
        return kMisplacedDot;  // one form only after the dot
      if (token.kind == TokenKind::Dot) {
        if (form.items.empty())
          return kMisplacedDot;
        ++pos_;
        form.dotted = true;
        if (pos_ < tokens_.size() && tokens_[pos_].kind == TokenKind::Close)
          return kMisplacedDot;  // nothing after the dot
      }
      form.items.emplace_back();
      if (std::string error = parse(form.items.back(), depth + 1); !error.empty())
        return error;
    }
  }

  const std::vector<Token>& tokens_;
  std::size_t pos_ = 0;
};

}  // namespace

Result<std::vector<LispForm>> readLispForms(std::string_view line) {
  auto tokens = tokenize(line);
  if (!tokens)
    return tokens.failure();
  FormParser parser(tokens.value());
  std::vector<LispForm> forms;
  while (!parser.atEnd()) {
    forms.emplace_back();
    if (std::string error = parser.parse(forms.back(), 1); !error.empty())
      return fault(std::move(error));
  }
  return forms;
}

bool spellsLispNumber(std::string_view text, bool& isInteger) {
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-'))
    ++at;
  std::size_t digits = 0;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9')
    ++at, ++digits;
  isInteger = true;
  if (at < text.size() && text[at] == '.') {
    isInteger = false;
    ++at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9')
      ++at, ++digits;
  }
  if (digits == 0)
    return false;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    isInteger = false;
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
      ++at;
    std::size_t exponentDigits = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9')
      ++at, ++exponentDigits;
    if (exponentDigits == 0)
      return false;
  }
  return at == text.size();
}

bool isLispNil(const LispForm& form) {
  return form.kind == LispForm::Kind::Atom && lispUpperCase(form.value) == "NIL";
}

bool isLispT(const LispForm& form) {
  return form.kind == LispForm::Kind::Atom && lispUpperCase(form.value) == "T";
}

std::string lispUpperCase(std::string_view name) {
  std::string upper(name);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

std::string typedText(std::string_view line, const LispForm& form) {
  constexpr std::size_t kShown = 60;
  std::string_view text = line.substr(form.begin, form.end - form.begin);
  return text.size() <= kShown ? std::string(text) : std::string(text.substr(0, kShown)) + "...";
}

}  // namespace zek
