// Text of DXF files and UTF-8, the form the database holds: decoding a
// drawing's code page ($DWGCODEPAGE) and the \U+XXXX and \M+NXXXX escapes,
// and encoding back for the generations that keep text in a code page.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zek::dxf {

struct CodePage;  // one $DWGCODEPAGE name and its conversion (text_codec.cpp)
class Iconv;      // one direction of the C library's iconv

// The $DWGCODEPAGE name as the format spells it ("ANSI_1252", "DOS932",
// "UTF-8") for a name in any case ("ansi_1252", "dos932"), or nothing for a
// name we do not know.
[[nodiscard]] std::optional<std::string> canonicalCodePage(std::string_view dwgCodePage);

// Turns value text of a DXF file into UTF-8. Bytes below 0x80 are ASCII in
// every code page. A decoder is cheap to keep per reader and not shared
// between threads.
class TextDecoder {
public:
  TextDecoder();  // ANSI_1252, not UTF-8
  ~TextDecoder();
  TextDecoder(const TextDecoder&) = delete;
  TextDecoder& operator=(const TextDecoder&) = delete;

  // Decodes bytes in the named code page from now on ("ANSI_936", any case;
  // "UTF-8" turns UTF-8 mode on instead). An unknown name answers false and
  // falls back to ANSI_1252, so that the caller can warn. UTF-8 mode, once
  // on, stays on: the code page is then the fallback for text that is not
  // valid UTF-8.
  [[nodiscard]] bool setCodePage(std::string_view dwgCodePage);

  // R2007 and later files hold UTF-8; a string that is not valid UTF-8 (an
  // older writer's bytes) is decoded with the code page instead.
  void setUtf8();

  // `raw` as UTF-8: `raw` itself when it needs no change (ASCII without
  // escapes, or valid UTF-8 in UTF-8 mode), else the text decoded into
  // `scratch`. Bytes the code page does not define become U+FFFD.
  [[nodiscard]] std::string_view decode(std::string_view raw, std::string& scratch) const;

private:
  struct Utf8Char {
    char bytes[3];
    std::uint8_t length;
  };

  void appendPlain(std::string_view bytes, bool asUtf8, std::string& out) const;
  [[nodiscard]] std::size_t appendEscape(std::string_view text, std::size_t at,
                                         std::string& out) const;

  const CodePage* page_ = nullptr;
  bool utf8_ = false;
  std::array<Utf8Char, 256> table_{};              // single-byte pages
  std::unique_ptr<Iconv> doubleByte_;              // double-byte pages
  mutable std::array<std::unique_ptr<Iconv>, 5> escapePages_;  // \M+1 ... \M+5, opened on use
};

// Turns UTF-8 into the text of a DXF file in a code page. A character the code
// page cannot hold is written as \U+XXXX (upper-case hex); one beyond U+FFFF
// as its two UTF-16 surrogates, each a \U+ escape, which is how CAD hosts
// write them and how TextDecoder reads them back. A character whose bytes
// would read back as another one (U+2014 in Shift-JIS reads as U+2015) is
// escaped too, so that text survives a round trip. Not shared between
// threads.
class TextEncoder {
public:
  TextEncoder();  // ANSI_1252
  ~TextEncoder();
  TextEncoder(const TextEncoder&) = delete;
  TextEncoder& operator=(const TextEncoder&) = delete;

  // Encodes into the named code page from now on; "UTF-8" means setUtf8().
  // An unknown name answers false and falls back to ANSI_1252. UTF-8 mode,
  // once on, stays on, as in TextDecoder.
  [[nodiscard]] bool setCodePage(std::string_view dwgCodePage);

  // R2007 and later: text is written as UTF-8, unchanged.
  void setUtf8();

  // Replaces `out` with `utf8` encoded. Bytes that are not valid UTF-8 are
  // written as \U+FFFD.
  void encode(std::string_view utf8, std::string& out) const;

private:
  void encodeSingleByte(std::string_view utf8, std::string& out) const;
  void encodeDoubleByte(std::string_view utf8, std::string& out) const;

  const CodePage* page_ = nullptr;
  bool utf8_ = false;
  std::vector<std::pair<char32_t, unsigned char>> reverse_;  // sorted, single-byte pages
  std::unique_ptr<Iconv> doubleByte_;  // UTF-8 to a double-byte page
  std::unique_ptr<Iconv> readBack_;    // and back, to check each character
  // The text each character encodes to: its bytes where they read back to
  // the same character, else its escape.
  mutable std::unordered_map<char32_t, std::string> encoded_;
};

}  // namespace zek::dxf
