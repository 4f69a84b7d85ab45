// Macro texts split into answers as a menu macro's are: blanks and ";",
// Enter at the end, AutoLISP expressions kept whole, leading "^C" dropped.
#include "editor/core/macro_words.h"

#include <gtest/gtest.h>

namespace zek {
namespace {

struct SplitCase {
  const char* text;
  std::vector<std::string> words;
};

class MacroWords : public ::testing::TestWithParam<SplitCase> {};

TEST_P(MacroWords, SplitIntoAnswers) {
  const SplitCase& c = GetParam();
  EXPECT_EQ(splitMacroWords(c.text), c.words) << "macro [" << c.text << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MacroWords,
    ::testing::Values(
        SplitCase{"LINE", {"LINE"}},
        SplitCase{"", {""}},
        SplitCase{"LINE 0,0 10,0 ", {"LINE", "0,0", "10,0", ""}},
        SplitCase{"ZOOM;E;", {"ZOOM", "E", ""}},
        SplitCase{"CIRCLE;;5", {"CIRCLE", "", "5"}},
        SplitCase{"LINE \\ \\ ", {"LINE", "\\", "\\", ""}},
        SplitCase{"^C^CZOOM E", {"ZOOM", "E"}},
        SplitCase{"^c^CZOOM;E", {"ZOOM", "E"}},
        SplitCase{"ZOOM ^C", {"ZOOM", "^C"}},
        SplitCase{"(ZEKISLANDS)", {"(ZEKISLANDS)"}},
        SplitCase{"(ZEKGETPOINT 40 20) ", {"(ZEKGETPOINT 40 20)", ""}},
        SplitCase{"(ZEKBDY1 2 1);LIST", {"(ZEKBDY1 2 1)", "LIST"}},
        SplitCase{"(F (list 1 2) \"a ) b\") X", {"(F (list 1 2) \"a ) b\")", "X"}},
        SplitCase{"(F \"q\\\" )\" 1) X", {"(F \"q\\\" )\" 1)", "X"}},
        SplitCase{"(F 1;2) X", {"(F 1 2)", "X"}},
        SplitCase{"(F \"a;b\")", {"(F \"a;b\")"}},
        SplitCase{"(F (1 2", {"(F (1 2"}},
        SplitCase{"A(B C)", {"A(B", "C)"}},
        SplitCase{"(A)(B) C", {"(A)(B)", "C"}}));

struct MacroTextCase {
  const char* text;
  bool macro;
};

TEST(MacroText, TellsAMacroFromOneAnswer) {
  const MacroTextCase cases[] = {
      {"LINE", false},        {"", false},          {"(ZEKGETPOINT 40 20)", false},
      {"LINE 0,0", true},     {"ZOOM;", true},      {"(ZEKISLANDS) ", true},
      {"^C^CLINE", true},     {"(F \"a b\")", false},
  };
  for (const MacroTextCase& c : cases)
    EXPECT_EQ(isMacroText(c.text), c.macro) << "[" << c.text << "]";
}

}  // namespace
}  // namespace zek
