// Decoding drawing text into UTF-8 and encoding it back. The bytes of each
// code page are taken from the code page charts (GBK 中 = D6 D0, Shift-JIS
// 日 = 93 FA, ANSI_1250 ł = B3 ...), not from the converter under test.
#include "dxf/text_codec.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace zek::dxf {
namespace {

struct DecodeCase {
  const char* name;
  const char* codePage;
  bool utf8;
  std::string raw;
  std::string expected;
};

const DecodeCase kDecodeCases[] = {
    {"GBK bytes of 中文", "ANSI_936", false, "\xD6\xD0\xCE\xC4", "中文"},
    {"GBK among ASCII", "ANSI_936", false, "M8 \xD6\xD0", "M8 中"},
    {"GBK byte no character starts with", "ANSI_936", false, "a\xFF" "b", "a\uFFFDb"},
    {"ANSI_1252 0xFC", "ANSI_1252", false, "\xFC", "ü"},
    {"ANSI_1252 euro sign", "ANSI_1252", false, "\x80", "€"},
    {"ANSI_1252 undefined byte keeps its C1 code point", "ANSI_1252", false, "\x81", "\u0081"},
    {"lower-case page name", "ansi_1252", false, "Gr\xFC\xDF", "Grüß"},
    {"ASCII drawing with 8-bit bytes", "ASCII", false, "\xB1" "0.02", "±0.02"},
    {"Shift-JIS 日本", "dos932", false, "\x93\xFA\x96\x7B", "日本"},
    {"Shift-JIS second byte 0x5C is no escape", "DOS932", false, "\x95\x5CU+0041", "表U+0041"},
    {"ANSI_1250 Polish", "ANSI_1250", false, "Cz\xEA\x9C\xE6 \xB3\xF3" "d\x9F", "Część łódź"},
    {"ANSI_1251 Cyrillic", "ANSI_1251", false, "\xCF\xEB\xE8\xF2\xE0", "Плита"},
    {"\\U+ escape", "ANSI_1252", false, "a\\U+00FCb", "aüb"},
    {"\\U+ escape of a CJK character", "ANSI_1252", false, "\\U+4E2D", "中"},
    {"\\U+ lower-case hex", "ANSI_1252", false, "\\U+00fc", "ü"},
    {"\\U+ surrogate pair", "ANSI_1252", false, "\\U+D83D\\U+DE00", "😀"},
    {"\\U+ lone surrogate", "ANSI_1252", false, "\\U+D800x", "\uFFFDx"},
    {"\\U+ without four hex digits stays text", "ANSI_1252", false, "\\U+00G1", "\\U+00G1"},
    {"\\U+ escape beside code page bytes", "ANSI_1252", false, "\xFC\\U+00FC", "üü"},
    {"\\M+1 Shift-JIS", "ANSI_1252", false, "\\M+193FA", "日"},
    {"\\M+2 Big5", "ANSI_1252", false, "\\M+2A4A4", "中"},
    {"\\M+3 Wansung", "ANSI_1252", false, "\\M+3C7D1", "한"},
    {"\\M+5 GB2312", "ANSI_1252", false, "x\\M+5D6D0y", "x中y"},
    {"\\M+ with an unknown page stays text", "ANSI_1252", false, "\\M+9D6D0", "\\M+9D6D0"},
    {"other backslashes stay", "ANSI_1252", false, "\\P\\A1;", "\\P\\A1;"},
    {"UTF-8 text in UTF-8 mode", "ANSI_1252", true, "中文 ü", "中文 ü"},
    {"UTF-8 mode decodes escapes", "ANSI_1252", true, "中\\U+00FC", "中ü"},
    {"invalid UTF-8 falls back to ANSI_1252", "ANSI_1252", true, "\xFC", "ü"},
    {"invalid UTF-8 falls back to GBK", "ANSI_936", true, "\xD6\xD0\xCE\xC4", "中文"},
};

TEST(TextDecoder, DecodesCodePagesAndEscapes) {
  for (const auto& c : kDecodeCases) {
    TextDecoder decoder;
    EXPECT_TRUE(decoder.setCodePage(c.codePage)) << c.name;
    if (c.utf8)
      decoder.setUtf8();
    std::string scratch;
    EXPECT_EQ(decoder.decode(c.raw, scratch), c.expected) << c.name;
  }
}

TEST(TextDecoder, AnswersPlainTextItself) {
  const std::string cases[] = {"LINE", "", "AcDbEntity and more than eight bytes", "C:\\plates\\"};
  TextDecoder decoder;
  for (const std::string& raw : cases) {
    std::string scratch = "untouched";
    const std::string_view decoded = decoder.decode(raw, scratch);
    EXPECT_EQ(decoded.data(), raw.data()) << raw;
    EXPECT_EQ(scratch, "untouched") << raw;
  }
  decoder.setUtf8();
  const std::string utf8 = "Ø12 中";
  std::string scratch;
  EXPECT_EQ(decoder.decode(utf8, scratch).data(), utf8.data()) << "valid UTF-8 in UTF-8 mode";
}

TEST(TextDecoder, UnknownCodePageFallsBackToAnsi1252) {
  TextDecoder decoder;
  EXPECT_FALSE(decoder.setCodePage("ANSI_9999"));
  std::string scratch;
  EXPECT_EQ(decoder.decode("\xFC", scratch), "ü");
  ASSERT_TRUE(decoder.setCodePage("ANSI_936"));
  EXPECT_FALSE(decoder.setCodePage("KOI8-R")) << "a page the format has no name for";
  EXPECT_EQ(decoder.decode("\xFC", scratch), "ü") << "after an unknown name: ANSI_1252 again";
}

// Escapes cut off by the end of the value: the decoder must not look past
// it (the text sits in an exact-size heap block, where a sanitizer build
// sees any read beyond).
TEST(TextDecoder, ReadsNothingPastAnEscapeCutShort) {
  struct Case {
    std::string raw;
    std::string expected;
  };
  const Case cases[] = {{"\\U+D83D", "\uFFFD"}, {"a\\U+00F", "a\\U+00F"},
                        {"\\M+1", "\\M+1"},     {"\xFC\\", "ü\\"},
                        {"\\U+", "\\U+"}};
  TextDecoder decoder;
  for (const auto& c : cases) {
    auto exact = std::make_unique<char[]>(c.raw.size());
    c.raw.copy(exact.get(), c.raw.size());
    std::string scratch;
    EXPECT_EQ(decoder.decode(std::string_view(exact.get(), c.raw.size()), scratch), c.expected)
        << c.raw;
  }
}

struct EncodeCase {
  const char* name;
  const char* codePage;  // nullptr: UTF-8 mode
  std::string utf8;
  std::string expected;
};

const EncodeCase kEncodeCases[] = {
    {"ü in ANSI_1252", "ANSI_1252", "ü", "\xFC"},
    {"euro sign in ANSI_1252", "ANSI_1252", "€", "\x80"},
    {"C1 code point back to its byte", "ANSI_1252", "\u0081", "\x81"},
    {"中 outside ANSI_1252", "ANSI_1252", "中", "\\U+4E2D"},
    {"beyond U+FFFF: two surrogate escapes", "ANSI_1252", "😀", "\\U+D83D\\U+DE00"},
    {"ASCII unchanged", "ANSI_1252", "LINE 10", "LINE 10"},
    {"Polish in ANSI_1250", "ANSI_1250", "Część", "Cz\xEA\x9C\xE6"},
    {"中 in ANSI_936", "ANSI_936", "中", "\xD6\xD0"},
    {"GBK with a character beyond it", "ANSI_936", "中😀", "\xD6\xD0\\U+D83D\\U+DE00"},
    {"Shift-JIS", "DOS932", "日本", "\x93\xFA\x96\x7B"},
    {"bytes that would read back as another character", "DOS932", "—", "\\U+2014"},
    {"not UTF-8", "ANSI_1252", "a\xFF", "a\\U+FFFD"},
    {"UTF-8 mode copies", nullptr, "中 ü 😀", "中 ü 😀"},
};

TEST(TextEncoder, EncodesIntoTheCodePage) {
  for (const auto& c : kEncodeCases) {
    TextEncoder encoder;
    if (c.codePage)
      EXPECT_TRUE(encoder.setCodePage(c.codePage)) << c.name;
    else
      encoder.setUtf8();
    std::string out = "old content";
    encoder.encode(c.utf8, out);
    EXPECT_EQ(out, c.expected) << c.name;
  }
}

TEST(TextCodec, EncodedTextDecodesToTheSameText) {
  const std::string text = "Ø10 H7 ± 0,02 — 中心孔 😀 Część \\P";
  for (const char* page : {"ANSI_1252", "ANSI_1250", "ANSI_936", "DOS932", "ANSI_949"}) {
    TextEncoder encoder;
    TextDecoder decoder;
    ASSERT_TRUE(encoder.setCodePage(page)) << page;
    ASSERT_TRUE(decoder.setCodePage(page)) << page;
    std::string encoded;
    std::string scratch;
    encoder.encode(text, encoded);
    EXPECT_EQ(decoder.decode(encoded, scratch), text) << page;
  }
}

TEST(TextCodec, CanonicalCodePageNames) {
  struct Case {
    const char* name;
    const char* canonical;  // nullptr: unknown
  };
  const Case cases[] = {{"ansi_1252", "ANSI_1252"}, {"dos932", "DOS932"},
                        {"iso8859-1", "ISO8859-1"}, {"utf8", "UTF-8"},
                        {"UTF-8", "UTF-8"},         {"ANSI_1259", nullptr},
                        {"", nullptr}};
  for (const auto& c : cases) {
    const auto canonical = canonicalCodePage(c.name);
    if (c.canonical)
      EXPECT_EQ(canonical.value_or("(none)"), c.canonical) << c.name;
    else
      EXPECT_FALSE(canonical.has_value()) << c.name;
  }
}

}  // namespace
}  // namespace zek::dxf
