// Dialog answer lines read into requests, and the terminal widths and cuts
// of the UTF-8 texts dialogs show.
#include "dialogs/answer_parser.h"

#include <gtest/gtest.h>

#include "dialogs/utf8_text.h"

namespace zek {
namespace {

using Kind = DialogRequest::Kind;

struct ParseCase {
  const char* line;
  Kind kind;
  int id;
  const char* argument;
};

constexpr ParseCase kParseCases[] = {
    {"", Kind::Enter, 0, ""},
    {"   ", Kind::Enter, 0, ""},  // blanks only are still Enter
    {"click 1", Kind::Click, 1, ""},
    {"CLICK 1013", Kind::Click, 1013, ""},  // answer words ignore case
    {"  click   3  ", Kind::Click, 3, ""},
    {"set 1003 25.5", Kind::Set, 1003, "25.5"},
    {"set 1003 加中心线  颜色 ", Kind::Set, 1003, "加中心线  颜色 "},  // the rest, blanks kept
    {"set 1003", Kind::Set, 1003, ""},  // an emptied edit box
    {"set 1003  x", Kind::Set, 1003, " x"},  // one separating blank only
    {"check 1012 1", Kind::Check, 1012, "1"},
    {"check 1012 0", Kind::Check, 1012, "0"},
    {"select 1009 26", Kind::Select, 1009, "26"},
    {"select 1009 0 2 5", Kind::Select, 1009, "0 2 5"},
    {"select 1009 x", Kind::Select, 1009, "x"},  // the list knows its range: checked there
    {"select 1009 -1", Kind::Select, 1009, "-1"},
    {"dblclick 1009 40", Kind::DoubleClick, 1009, "40"},
    {"click -1", Kind::Click, -1, ""},
    {"click 9999", Kind::Click, 9999, ""},  // whether it exists is the dialog's to say
    {"press 1", Kind::Invalid, 0,
     "Expects set ID TEXT, check ID 0|1, select ID INDEX, dblclick ID INDEX or click ID."},
    {"OK", Kind::Invalid, 0,
     "Expects set ID TEXT, check ID 0|1, select ID INDEX, dblclick ID INDEX or click ID."},
    {"click", Kind::Invalid, 0, "Requires a control id: click ID."},
    {"click one", Kind::Invalid, 0, "Requires a control id: click ID."},
    {"click 12x", Kind::Invalid, 0, "Requires a control id: click ID."},
    {"set", Kind::Invalid, 0, "Requires a control id: set ID TEXT."},
    {"click 1 now", Kind::Invalid, 0, "Expects click ID."},
    {"check 1012", Kind::Invalid, 0, "Expects check ID 0|1."},
    {"check 1012 2", Kind::Invalid, 0, "Expects check ID 0|1."},
    {"check 1012 1 1", Kind::Invalid, 0, "Expects check ID 0|1."},
    {"select 1009", Kind::Invalid, 0, "Expects select ID INDEX."},
    {"dblclick 1009", Kind::Invalid, 0, "Expects dblclick ID INDEX."},
    {"dblclick 1009 1 2", Kind::Invalid, 0, "Expects dblclick ID INDEX."},
};

TEST(DialogAnswerParser, ReadsEachFormAndSaysWhyALineIsNone) {
  for (const auto& c : kParseCases) {
    const DialogRequest request = parseDialogAnswer(c.line);
    EXPECT_EQ(request.kind, c.kind) << '"' << c.line << '"';
    EXPECT_EQ(request.id, c.id) << '"' << c.line << '"';
    EXPECT_EQ(request.argument, c.argument) << '"' << c.line << '"';
  }
}

struct WidthCase {
  const char* text;
  int width;
};

constexpr WidthCase kWidthCases[] = {
    {"", 0},
    {"OK", 2},
    {"宏命令01", 8},           // three ideographs and two digits
    {"加中心线; 颜色", 14},    // the ASCII "; " counts one a character
    {"（R1）", 6},             // full-width parentheses are wide
    {"e\xcc\x81", 1},          // e with a combining acute accent
    {"\xff", 1},               // a byte that starts nothing
    {"\xe5\xae", 2},           // a cut sequence: each byte one column
    {"\xf0\xa0\x80\x80", 2},   // an ideograph beyond the basic plane
};

TEST(DialogText, WidthCountsWideCharactersTwice) {
  for (const auto& c : kWidthCases)
    EXPECT_EQ(displayWidth(c.text), c.width) << c.text;
  EXPECT_EQ(padToWidth("宏命令", 8), "宏命令  ");
  EXPECT_EQ(padToWidth("宏命令", 4), "宏命令") << "never cut";
}

TEST(DialogText, CutsOnlyAtCharacterBoundaries) {
  EXPECT_EQ(prefixOfBytes("宏命令", 4), "宏");
  EXPECT_EQ(prefixOfBytes("宏命令", 6), "宏命");
  EXPECT_EQ(prefixOfBytes("ab", 9), "ab");
  EXPECT_EQ(prefixOfChars("宏命令01", 4), "宏命令0");
  EXPECT_EQ(prefixOfChars("ab", 0), "");
  char buffer[5];
  EXPECT_EQ(copyToBuffer("宏命令", buffer, sizeof buffer), 3);
  EXPECT_STREQ(buffer, "宏");
  EXPECT_EQ(copyToBuffer("abcdef", buffer, 1), 0);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(copyToBuffer("x", nullptr, 4), 0);
}

}  // namespace
}  // namespace zek
