// zekcommand.dat lines split into label and macro, and a whole file read in
// order with comments, short labels and lines without "#" left out.
#include "macro_list.h"

#include <gtest/gtest.h>

#include <string>

namespace zek {
namespace {

struct LineCase {
  const char* line;
  std::optional<CommandMacro> entry;
};

TEST(MacroLine, SplitsAtTheFirstMark) {
  const LineCase cases[] = {
      {"AB#LINE ", CommandMacro{"AB", "LINE "}},  // the trailing blank is the macro's Enter
      {"Zoom all#ZOOM E", CommandMacro{"Zoom all", "ZOOM E"}},
      {"Hash##A#B", CommandMacro{"Hash", "#A#B"}},
      {"Empty#", CommandMacro{"Empty", ""}},
      {"中心线#ZEKCENLINE1", CommandMacro{"中心线", "ZEKCENLINE1"}},
      {"A#LINE", std::nullopt},  // a label of one character
      {"#LINE", std::nullopt},
      {"no mark at all", std::nullopt},
      {"", std::nullopt},
  };
  for (const LineCase& c : cases)
    EXPECT_EQ(macroFromLine(c.line), c.entry) << "line [" << c.line << "]";
}

TEST(MacroFile, ReadsEntriesInFileOrder) {
  const std::string text =
      "; the office's macros\n"
      "Zoom all#ZOOM E\n"
      "\n"
      "   Lines#LINE 0,0 10,0 \n"
      ";Hidden#LINE\n"
      "X#ONE LETTER\n"
      "nothing here\n"
      "Circle#CIRCLE 0,0 5\n";
  const std::vector<CommandMacro> expected = {
      {"Zoom all", "ZOOM E"}, {"Lines", "LINE 0,0 10,0 "}, {"Circle", "CIRCLE 0,0 5"}};
  EXPECT_EQ(macrosFromText(text), expected);
}

TEST(MacroFile, ReadsAtMost2000Lines) {
  std::string text;
  for (int i = 0; i < 2100; ++i)
    text += "M" + std::to_string(i) + "#LINE\n";
  const std::vector<CommandMacro> macros = macrosFromText(text);
  ASSERT_EQ(macros.size(), 2000u);
  EXPECT_EQ(macros.back().label, "M1999");
}

TEST(MacroFile, LinesThatAreNoEntriesStillCount) {
  std::string text;
  for (int i = 0; i < 1999; ++i)
    text += "no mark\n";
  text += "Last#LINE\nBeyond#LINE\n";
  const std::vector<CommandMacro> macros = macrosFromText(text);
  ASSERT_EQ(macros.size(), 1u);
  EXPECT_EQ(macros.front().label, "Last");
}

}  // namespace
}  // namespace zek
