// The printable characters of TEXT values: every %% code, the lone "%%"
// rules, and as many characters out as the text metrics model counts.
#include "text_painter.h"

#include <gtest/gtest.h>

#include "db/annotations/utf8.h"

namespace zek::render {
namespace {

// The model's width of printable text, character by character (no codes).
double printedUnits(const std::string& printable) {
  double units = 0.0;
  for (std::size_t i = 0; i < printable.size();) {
    Utf8Char ch = decodeUtf8(printable, i);
    units += isWideCharacter(ch.code) ? kWideAdvance : kNarrowAdvance;
    i += ch.length;
  }
  return units;
}

struct PrintableCase {
  const char* raw;
  const char* printable;
  const char* why;
};
const PrintableCase kPrintableCases[] = {
    {"%%C9", "\u00D89", "diameter, upper case"},
    {"%%c12 H7", "\u00D812 H7", "diameter, lower case"},
    {"45%%D", "45\u00B0", "degree"},
    {"45%%d", "45\u00B0", "degree, lower case"},
    {"%%P0.02", "\u00B10.02", "plus-minus"},
    {"%%p0.02", "\u00B10.02", "plus-minus, lower case"},
    {"50%%%", "50%", "%%% is one percent sign"},
    {"%%176", "\u00B0", "%%nnn: character 176, the degree sign"},
    {"%%065BC", "ABC", "%%nnn: character 65, then plain text"},
    {"%%216", "\u00D8", "%%nnn: character 216"},
    {"%%123", "{", "%%nnn at the very end"},
    {"%%009", " ", "%%nnn of a control character: a space, still one character"},
    {"%%000", " ", "%%nnn of character 0: a space"},
    {"%%UM10%%U", "M10", "underline toggles vanish"},
    {"%%uM10", "M10", "underline toggle, lower case"},
    {"%%OTOP%%o", "TOP", "overline toggles vanish"},
    {"%%", "%%", "a lone %% at the end stays"},
    {"%%X", "%%X", "%% before anything else stays two percent signs"},
    {"%%1", "%%1", "one digit is not a %%nnn code"},
    {"%%12", "%%12", "two digits are not a %%nnn code"},
    {"%%12X", "%%12X", "two digits and a letter"},
    {"%%%%", "%%", "%%% then a lone percent sign"},
    {"%%%d", "%d", "%%% takes the third percent sign; the d stays"},
    {"%%%%%c", "%\u00D8", "%%% then %%c"},
    {"%%Q%%d", "%%Q\u00B0", "a lone %% then a code"},
    {"%%C%%D%%P", "\u00D8\u00B0\u00B1", "codes back to back"},
    {"a\xFF" "b", "a\uFFFDb", "a byte that is not UTF-8 is one replacement character"},
    {"\xE6\xB2", "\uFFFD\uFFFD", "a cut UTF-8 sequence: one replacement per byte"},
    {"TAB\tEND", "TAB END", "a control character is a space"},
    {"\u6C89\u5934\u5B54 %%C9 THRU", "\u6C89\u5934\u5B54 \u00D89 THRU", "Chinese with a code"},
    {"", "", "empty"},
};

TEST(PrintableText, ReplacesEveryControlCode) {
  for (const PrintableCase& c : kPrintableCases)
    EXPECT_EQ(printableText(c.raw), c.printable) << c.why << ": \"" << c.raw << "\"";
}

// The renderer fills the model's box with the printable run, so the run
// must hold the very characters textAdvance counted: a code lost or kept
// would squeeze or stretch every glyph.
TEST(PrintableText, GivesAsManyCharactersAsTheModelCounts) {
  for (const PrintableCase& c : kPrintableCases)
    EXPECT_NEAR(printedUnits(printableText(c.raw)), textAdvance(c.raw, 1.0, 1.0), 1e-12)
        << c.why << ": \"" << c.raw << "\"";
}

struct DecorationCase {
  const char* raw;
  const char* printable;
  std::vector<ByteRange> underlined;
  std::vector<ByteRange> overlined;
  const char* why;
};

TEST(PrintableText, ReportsWhereUnderlineAndOverlineAreOn) {
  const DecorationCase cases[] = {
      {"%%UM10%%U x", "M10 x", {{0, 3}}, {}, "on, then off"},
      {"%%uAB", "AB", {{0, 2}}, {}, "on to the end"},
      {"A%%UB%%U%%UC", "ABC", {{1, 3}}, {}, "off and on again between characters: one stretch"},
      {"%%U%%UAB", "AB", {}, {}, "on and off before any character: nothing"},
      {"%%OTOP%%O and %%Ubottom", "TOP and bottom", {{8, 14}}, {{0, 3}}, "both kinds"},
      {"%%U\u6C89\u5934%%U\u5B54", "\u6C89\u5934\u5B54", {{0, 6}}, {}, "in bytes of UTF-8"},
      {"%%U%%C9", "\u00D89", {{0, 3}}, {}, "over a code's character"},
      {"M%%%U", "M%U", {}, {}, "%%% then a plain U: no toggle"},
  };
  for (const DecorationCase& c : cases) {
    PrintableRun run = printableRun(c.raw);
    EXPECT_EQ(run.text, c.printable) << c.why;
    EXPECT_EQ(run.underlined, c.underlined) << c.why;
    EXPECT_EQ(run.overlined, c.overlined) << c.why;
  }
}

}  // namespace
}  // namespace zek::render
