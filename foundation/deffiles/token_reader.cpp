// Reading a definition text by tokens ("%s"), by lines ("\n%[^\n]") and by
// sections: the buffer limit, comments and headers.
#include "deffiles/definition_file.h"

namespace zek::inline foundation {
namespace {

// White space as the C library's "%s" and "\n" directives see it.
bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::size_t skipBlanks(std::string_view text, std::size_t at) {
  while (at < text.size() && isBlank(text[at]))
    ++at;
  return at;
}

// A token or line longer than the buffer keeps its first 1023 bytes, less
// the bytes of a UTF-8 character the cut would split.
std::string_view cutToBuffer(std::string_view piece) {
  constexpr std::size_t kRoom = kDefinitionBufferBytes - 1;
  if (piece.size() <= kRoom)
    return piece;
  // piece[end] continuing a character: cut before that character's lead
  // byte (at most three bytes back; text that is no UTF-8 is cut at 1023).
  std::size_t end = kRoom;
  while (end > kRoom - 3 && (static_cast<unsigned char>(piece[end]) & 0xC0) == 0x80)
    --end;
  if ((static_cast<unsigned char>(piece[end]) & 0xC0) == 0x80)
    end = kRoom;
  return piece.substr(0, end);
}

// The extent of the token starting at `at` (no blank there).
std::size_t tokenEnd(std::string_view text, std::size_t at) {
  while (at < text.size() && !isBlank(text[at]))
    ++at;
  return at;
}

}  // namespace

bool isCommentToken(std::string_view token) { return !token.empty() && token.front() == ';'; }

bool beginsSection(std::string_view token) { return !token.empty() && token.front() == '['; }

std::optional<std::string_view> TokenReader::nextToken() {
  const std::size_t start = skipBlanks(text_, position_);
  if (start == text_.size()) {
    position_ = start;
    return std::nullopt;
  }
  const std::size_t end = tokenEnd(text_, start);
  position_ = end;
  ++tokensRead_;
  const std::string_view whole = text_.substr(start, end - start);
  const std::string_view token = cutToBuffer(whole);
  lastWasCut_ = token.size() != whole.size();
  return token;
}

std::optional<std::string_view> TokenReader::nextDataToken() {
  for (;;) {
    std::optional<std::string_view> token = nextToken();
    if (!token || !isCommentToken(*token))
      return token;
  }
}

std::optional<std::string_view> TokenReader::peekToken() const {
  const std::size_t start = skipBlanks(text_, position_);
  if (start == text_.size())
    return std::nullopt;
  return cutToBuffer(text_.substr(start, tokenEnd(text_, start) - start));
}

bool TokenReader::atSectionHeader() const {
  const std::optional<std::string_view> next = peekToken();
  return next && beginsSection(*next);
}

bool TokenReader::atEnd() const { return skipBlanks(text_, position_) == text_.size(); }

std::optional<std::string_view> TokenReader::nextLine() {
  const std::size_t start = skipBlanks(text_, position_);
  if (start == text_.size()) {
    position_ = start;
    return std::nullopt;
  }
  std::size_t end = text_.find('\n', start);
  if (end == std::string_view::npos)
    end = text_.size();
  position_ = end;
  ++tokensRead_;
  const std::string_view whole = text_.substr(start, end - start);
  const std::string_view line = cutToBuffer(whole);
  lastWasCut_ = line.size() != whole.size();
  return line;
}

bool findSection(TokenReader& reader, std::string_view header, int maxTokens) {
  for (int read = 0; read < maxTokens; ++read) {
    const std::optional<std::string_view> token = reader.nextToken();
    if (!token)
      return false;
    if (!isCommentToken(*token) && *token == header)
      return true;
  }
  return false;
}

bool findFirstHeader(TokenReader& reader, std::string_view header, int maxTokens) {
  for (int read = 0; read < maxTokens; ++read) {
    const std::optional<std::string_view> token = reader.nextToken();
    if (!token)
      return false;
    if (beginsSection(*token))
      return *token == header;
  }
  return false;
}

bool readHeader(TokenReader& reader, std::string_view header) {
  const std::optional<std::string_view> token = reader.nextToken();
  return token && *token == header;
}

std::vector<std::string> readLines(TokenReader& reader, int maxRecords, bool skipComments) {
  std::vector<std::string> lines;
  while (static_cast<int>(lines.size()) < maxRecords) {
    const std::optional<std::string_view> line = reader.nextLine();
    if (!line)
      break;
    if (skipComments && isCommentToken(*line))
      continue;
    lines.emplace_back(*line);
  }
  return lines;
}

std::vector<std::string> readLines(std::string_view text, int maxRecords, bool skipComments) {
  TokenReader reader(text);
  return readLines(reader, maxRecords, skipComments);
}

}  // namespace zek::inline foundation
