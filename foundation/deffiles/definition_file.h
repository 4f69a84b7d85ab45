// Definition files: finding a ".dat" file on the support path, reading it
// whole, decoding it to UTF-8, and reading it by tokens, sections or lines
// with the C scan rules the files are written for.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zek::inline foundation {

// A token or line is scanned into a buffer of this many bytes (the last one
// holds the terminating zero): a longer one is cut to 1023 bytes, at the end
// of the last whole UTF-8 character, and the rest of it is passed over.
constexpr std::size_t kDefinitionBufferBytes = 1024;
// A section or file yields at most this many records unless a module sets
// a smaller limit.
constexpr int kDefinitionRecordLimit = 2000;
// A section header must lie within this many tokens, comments included.
constexpr int kHeaderSearchTokens = 2000;
// Files with several sections in a fixed order: the first "[" token must
// come within this many tokens.
constexpr int kFirstHeaderTokens = 100;

// A definition file read whole and decoded to UTF-8 (line ends "\r\n" read
// as "\n", as text mode does; a UTF-8 byte-order mark at the start dropped).
struct DefinitionText {
  std::string path;              // the full path the support path search gave
  std::string text;              // the contents in UTF-8
  bool decodedFromGbk = false;   // the bytes were not UTF-8 and were read as GBK
};

// Reads the whole file at a full path into bytes; none when it cannot be
// opened for reading. The default opener uses the C library; tests inject a
// failure through it.
using DefinitionFileOpener = std::function<std::optional<std::string>(const std::string& path)>;

// Finds fileName (a bare name such as "zeklayer0.dat") on the support path
// and reads it. Not found: prints "\nThe file <name> not been found"; found
// but not readable: prints "\nDefinition file not open"; both answer none.
// The file is closed on every path.
[[nodiscard]] std::optional<DefinitionText> openDefinitionFile(const char* fileName);
[[nodiscard]] std::optional<DefinitionText> openDefinitionFile(const char* fileName,
                                                               const DefinitionFileOpener& open);

// Why openDefinitionFileQuietly gave none.
enum class DefinitionFileFailure { None, NotFound, NotReadable };
// As openDefinitionFile, but prints nothing, for a file whose absence is no
// fault or whose module words its own messages; failure, when given, tells
// why none came (None when the file was read). Uses the same opener.
[[nodiscard]] std::optional<DefinitionText> openDefinitionFileQuietly(
    const char* fileName, DefinitionFileFailure* failure = nullptr);

// Replaces the opener that openDefinitionFile(fileName) uses while it lives
// (tests of module code that loads its file itself), then puts the earlier
// one back.
class ScopedDefinitionFileOpener {
public:
  explicit ScopedDefinitionFileOpener(DefinitionFileOpener open);
  ~ScopedDefinitionFileOpener();
  ScopedDefinitionFileOpener(const ScopedDefinitionFileOpener&) = delete;
  ScopedDefinitionFileOpener& operator=(const ScopedDefinitionFileOpener&) = delete;

private:
  DefinitionFileOpener previous_;
};

// Valid UTF-8 stays as it is; other bytes are read as GBK (code page 936)
// and converted to UTF-8; bytes that are neither become U+FFFD each.
// usedGbk, when given, tells whether the GBK reading was used.
[[nodiscard]] std::string decodeDefinitionBytes(std::string_view bytes, bool* usedGbk = nullptr);
[[nodiscard]] bool isValidUtf8(std::string_view bytes);

// True for a comment token or line: its first character is ";".
[[nodiscard]] bool isCommentToken(std::string_view token);
// True for a token that begins with "[" (where a section's records end).
[[nodiscard]] bool beginsSection(std::string_view token);

// Reads a text by white-space separated tokens (the "%s" rule) and, from the
// same position, by lines (the "\n%[^\n]" rule). Tokens and lines are views
// into the text, which must outlive the reader; each is at most 1023 bytes.
class TokenReader {
public:
  explicit TokenReader(std::string_view text) : text_(text) {}
  explicit TokenReader(const char* text) : text_(text) {}
  // A temporary string would be gone before its first token: keep the text.
  explicit TokenReader(std::string&& text) = delete;

  // The next token, comments included; none at the end of the text.
  [[nodiscard]] std::optional<std::string_view> nextToken();
  // The next token that is not a comment (comments passed over are counted).
  [[nodiscard]] std::optional<std::string_view> nextDataToken();
  // The next token without reading it.
  [[nodiscard]] std::optional<std::string_view> peekToken() const;
  // True when the next token begins with "[" (a section's records end there).
  [[nodiscard]] bool atSectionHeader() const;
  // True when no token is left.
  [[nodiscard]] bool atEnd() const;

  // The next line: blank lines and leading white space passed over, the line
  // up to its end (a comment line is answered too; the caller tells it by
  // isCommentToken). None at the end of the text.
  [[nodiscard]] std::optional<std::string_view> nextLine();

  // Tokens and lines read so far (comments included).
  int tokensRead() const { return tokensRead_; }
  // True when the last token or line read was longer than 1023 bytes and cut.
  bool lastWasCut() const { return lastWasCut_; }
  // Byte offset of the next unread character.
  std::size_t position() const { return position_; }

private:
  std::string_view text_;
  std::size_t position_ = 0;
  int tokensRead_ = 0;
  bool lastWasCut_ = false;
};

// Reads tokens until one equals header exactly (case included), comments
// passed over, at most maxTokens tokens counted with comments. True when
// found: the reader then stands after the header. False at the end of the
// text or when the header lies beyond maxTokens (the section counts as
// missing; the reader stands after the maxTokens tokens it read, for a
// module that reads on from there).
[[nodiscard]] bool findSection(TokenReader& reader, std::string_view header,
                               int maxTokens = kHeaderSearchTokens);

// The first of several sections in a fixed order: passes over tokens up to
// the first one that begins with "[", at most maxTokens; true when that token
// is header. False otherwise (the file is to be ignored).
[[nodiscard]] bool findFirstHeader(TokenReader& reader, std::string_view header,
                                   int maxTokens = kFirstHeaderTokens);
// Reads the next token and answers whether it is header (the next section of
// a fixed order, where the records of the section before ended).
[[nodiscard]] bool readHeader(TokenReader& reader, std::string_view header);

// Every line of a line-style text from the reader's position (blank lines
// and leading white space passed over, comment lines left out when
// skipComments), at most maxRecords lines counted after comments are left
// out.
[[nodiscard]] std::vector<std::string> readLines(TokenReader& reader,
                                                 int maxRecords = kDefinitionRecordLimit,
                                                 bool skipComments = true);
[[nodiscard]] std::vector<std::string> readLines(std::string_view text,
                                                 int maxRecords = kDefinitionRecordLimit,
                                                 bool skipComments = true);

// The C scan rules on one token. Each answers none when the token does not
// begin with what the conversion needs (the scan fails: the record is not
// read); otherwise the number as far as the token holds it ("12abc" is 12).
// "%i": sign, then decimal, 0x/0X hexadecimal or leading-0 octal ("010" is 8).
[[nodiscard]] std::optional<long> scanInt(std::string_view token);
// "%d" and the atoi rule of a whole token: sign and decimal digits only.
[[nodiscard]] std::optional<long> scanDecimalInt(std::string_view token);
// "%le" (also "%lf", "%lg"): the strtod rule.
[[nodiscard]] std::optional<double> scanReal(std::string_view token);

// KEY=value tokens are matched by their first five characters:
// hasKeyPrefix("LAYA=FRONT", "LAYA=") is true (a token is compared over the
// length of key, five characters in the KEY=value files; a token shorter
// than key never matches). keyValue answers what follows the key: "FRONT".
constexpr std::size_t kKeyPrefixLength = 5;
[[nodiscard]] bool hasKeyPrefix(std::string_view token, std::string_view key);
[[nodiscard]] std::string_view keyValue(std::string_view token,
                                        std::size_t keyLength = kKeyPrefixLength);

// One field of a scanned record: "%s" gives text, "%i" and "%d" an integer,
// "%le" and the other real conversions a real.
using ScannedValue = std::variant<std::string, long, double>;

// Reads one record with a scan format of white-space separated conversions
// ("%s %i", "%le %le %i %i %i %i %i %i"), one token per conversion. None when
// the text ends first or a conversion fails; the tokens read stay read.
[[nodiscard]] std::optional<std::vector<ScannedValue>> scanRecord(TokenReader& reader,
                                                                  std::string_view format);
// As scanRecord, but answers the leading fields that converted, as sscanf
// counts them: a line "2.5 3.5" read with "%le %le %i" gives two reals (the
// caller keeps its earlier values for the rest). A token that fails to
// convert is read all the same.
[[nodiscard]] std::vector<ScannedValue> scanFields(TokenReader& reader, std::string_view format);

}  // namespace zek::inline foundation
