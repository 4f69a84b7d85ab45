// The three reading styles and their limits: comments, headers matched
// whole, the header search, the fixed section order, lines, the record
// limit and the 1024-byte buffer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "deffiles/definition_file.h"

namespace zek {
namespace {

std::vector<std::string> dataTokensOf(std::string_view text) {
  TokenReader reader(text);
  std::vector<std::string> tokens;
  while (const std::optional<std::string_view> token = reader.nextDataToken())
    tokens.emplace_back(*token);
  return tokens;
}

// n copies of a word separated by blanks.
std::string repeatedWords(int n, const std::string& word) {
  std::string text;
  for (int i = 0; i < n; ++i)
    text += word + " ";
  return text;
}

struct TokenCase {
  const char* name;
  const char* text;
  std::vector<std::string> tokens;
};

TEST(TokenStyle, SplitsAtWhiteSpaceAndSkipsCommentTokensByThemselves) {
  const TokenCase cases[] = {
      {"blanks, tabs and line ends all separate", "A  B\tC\nD\r\nE", {"A", "B", "C", "D", "E"}},
      {"only the first word of a comment is one", "; milling layers\nX", {"milling", "layers", "X"}},
      {"a comment without blanks is skipped whole", ";milling_layers X", {"X"}},
      {"every word of a comment begins with ;", ";milling ;layers X", {"X"}},
      {"a ; inside a token is data", "A;B", {"A;B"}},
      {"a lone ; is a comment", "; X", {"X"}},
      {"an empty text has no token", "", {}},
      {"white space only has no token", " \n\t \n", {}},
  };
  for (const TokenCase& c : cases)
    EXPECT_EQ(dataTokensOf(c.text), c.tokens) << c.name;
}

TEST(TokenStyle, CountsCommentTokensAndPeeksWithoutReading) {
  TokenReader reader(";a ;b [X] Y");
  ASSERT_EQ(reader.peekToken(), std::optional<std::string_view>(";a"));
  EXPECT_FALSE(reader.atSectionHeader());
  EXPECT_EQ(reader.tokensRead(), 0);
  EXPECT_EQ(reader.nextDataToken(), std::optional<std::string_view>("[X]"));
  EXPECT_EQ(reader.tokensRead(), 3);  // both comments were read
  EXPECT_FALSE(reader.atEnd());
  EXPECT_EQ(reader.nextToken(), std::optional<std::string_view>("Y"));
  EXPECT_TRUE(reader.atEnd());
  EXPECT_EQ(reader.nextToken(), std::nullopt);
  EXPECT_EQ(reader.tokensRead(), 4);
}

TEST(TokenStyle, TokensLongerThanTheBufferAreCutAndTheRestPassedOver) {
  const std::string exact(1023, 'a');
  const std::string tooLong(1024, 'b');
  // 1022 bytes and a three-byte character: the cut at 1023 would split it.
  const std::string splitChar = std::string(1022, 'c') + "\xE4\xB8\xAD" + "d";
  const std::string text = exact + " " + tooLong + " " + splitChar + " NEXT";
  TokenReader reader(text);

  EXPECT_EQ(reader.nextToken(), std::optional<std::string_view>(exact));
  EXPECT_FALSE(reader.lastWasCut());
  EXPECT_EQ(reader.nextToken(), std::optional<std::string_view>(std::string(1023, 'b')));
  EXPECT_TRUE(reader.lastWasCut());
  EXPECT_EQ(reader.nextToken(), std::optional<std::string_view>(std::string(1022, 'c')));
  EXPECT_TRUE(reader.lastWasCut());
  EXPECT_EQ(reader.nextToken(), std::optional<std::string_view>("NEXT"));  // no "b" left over
  EXPECT_FALSE(reader.lastWasCut());
  EXPECT_EQ(reader.tokensRead(), 4);
}

TEST(SectionStyle, HeadersMatchWholeTokensCaseIncluded) {
  struct HeaderCase {
    const char* name;
    const char* text;
    bool found;
    const char* after;  // the token that follows the header
  };
  const HeaderCase cases[] = {
      {"the header", "x [LAYERS] OUTLINE 1000", true, "OUTLINE"},
      {"lower case is another header", "[layers] OUTLINE 1000", false, ""},
      {"a longer token is another header", "[LAYERS]x OUTLINE 1000", false, ""},
      {"a commented header is a comment", ";[LAYERS] OUTLINE 1000", false, ""},
      {"a comment before the header is passed over", "; standard [LAYERS] A", true, "A"},
      {"the first of two headers", "[LAYERS] A [LAYERS] B", true, "A"},
      {"no header at all", "OUTLINE 1000", false, ""},
  };
  for (const HeaderCase& c : cases) {
    TokenReader reader(c.text);
    EXPECT_EQ(findSection(reader, "[LAYERS]"), c.found) << c.name;
    if (c.found) {
      EXPECT_EQ(reader.nextToken(), std::optional<std::string_view>(c.after)) << c.name;
    }
  }
}

TEST(SectionStyle, TheHeaderMustLieWithinTheFirst2000TokensCommentsIncluded) {
  struct LimitCase {
    const char* name;
    std::string before;
    bool found;
  };
  const LimitCase cases[] = {
      {"the 2000th token", repeatedWords(1999, "x"), true},
      {"the 2001st token", repeatedWords(2000, "x"), false},
      {"comments count: the 2000th token", repeatedWords(1999, ";c"), true},
      {"comments count: the 2001st token", repeatedWords(2000, ";c"), false},
  };
  for (const LimitCase& c : cases) {
    const std::string text = c.before + "[LAYERS] A 1";
    TokenReader reader(text);
    EXPECT_EQ(findSection(reader, "[LAYERS]"), c.found) << c.name;
  }
  // Given up after 2000 tokens, the reader stands before the 2001st.
  const std::string late = repeatedWords(2000, "x") + "[LAYERS] A 1";
  TokenReader reader(late);
  ASSERT_FALSE(findSection(reader, "[LAYERS]"));
  EXPECT_EQ(reader.tokensRead(), 2000);
  EXPECT_EQ(reader.nextToken(), std::optional<std::string_view>("[LAYERS]"));
  // A module may search fewer tokens.
  TokenReader shortSearch("a b c [BLOCK] d");
  EXPECT_FALSE(findSection(shortSearch, "[BLOCK]", 3));
}

TEST(SectionStyle, RecordsEndAtTheNextBracketTokenWhereTheReaderLooks) {
  TokenReader reader("[A] 1 2 [B] 3");
  ASSERT_TRUE(findSection(reader, "[A]"));
  std::vector<std::string> records;
  while (!reader.atEnd() && !reader.atSectionHeader())
    records.emplace_back(*reader.nextToken());
  EXPECT_EQ(records, (std::vector<std::string>{"1", "2"}));
  EXPECT_TRUE(readHeader(reader, "[B]"));
  EXPECT_EQ(reader.nextToken(), std::optional<std::string_view>("3"));
}

TEST(SectionStyle, FixedOrderFilesBeginWithTheirFirstHeaderWithin100Tokens) {
  struct FirstHeaderCase {
    const char* name;
    std::string text;
    bool accepted;
  };
  const FirstHeaderCase cases[] = {
      {"the header first", "[LAYER_SWITCH1] LAYA=A", true},
      {"after words and comments", "; switch tables [LAYER_SWITCH1]", true},
      {"the 100th token", repeatedWords(99, "x") + "[LAYER_SWITCH1]", true},
      {"the 101st token", repeatedWords(100, "x") + "[LAYER_SWITCH1]", false},
      {"another header first", "[LAYER_SWITCH2] [LAYER_SWITCH1]", false},
      {"case differs", "[layer_switch1]", false},
      {"no header", "LAYA=A LAYB=B", false},
  };
  for (const FirstHeaderCase& c : cases) {
    TokenReader reader(c.text);
    EXPECT_EQ(findFirstHeader(reader, "[LAYER_SWITCH1]"), c.accepted) << c.name;
  }
  TokenReader reader("[LAYER_SWITCH1] LAYA=A [LAYER_SWITCH3]");
  ASSERT_TRUE(findFirstHeader(reader, "[LAYER_SWITCH1]"));
  EXPECT_EQ(reader.nextToken(), std::optional<std::string_view>("LAYA=A"));
  EXPECT_FALSE(readHeader(reader, "[LAYER_SWITCH2]"));  // the next header must be the second
}

TEST(LineStyle, PassesOverBlankLinesAndLeadingWhiteSpace) {
  struct LineCase {
    const char* name;
    const char* text;
    std::vector<std::string> lines;
  };
  const LineCase cases[] = {
      {"blank lines between", "one\n\n\n two words\n", {"one", "two words"}},
      {"leading tabs and blanks go, trailing ones stay", "\t  lead  \nx", {"lead  ", "x"}},
      {"comment lines are left out", "; note\nkept\n;x y\n", {"kept"}},
      {"a ; later in the line is text", "A ; B\n", {"A ; B"}},
      {"an indented comment is a comment", "   ; note\nkept", {"kept"}},
      {"the last line needs no line end", "a\nb", {"a", "b"}},
      {"labels and macros keep their #", "Line#_LINE ", {"Line#_LINE "}},
  };
  for (const LineCase& c : cases)
    EXPECT_EQ(readLines(std::string_view(c.text)), c.lines) << c.name;
  EXPECT_EQ(readLines(std::string_view("; note\nkept"), kDefinitionRecordLimit, false),
            (std::vector<std::string>{"; note", "kept"}));
}

TEST(LineStyle, LinesLongerThanTheBufferAreCutAndTheRestPassedOver) {
  const std::string text = std::string(1500, 'x') + " tail\nnext\n";
  TokenReader reader(text);
  EXPECT_EQ(reader.nextLine(), std::optional<std::string_view>(std::string(1023, 'x')));
  EXPECT_TRUE(reader.lastWasCut());
  EXPECT_EQ(reader.nextLine(), std::optional<std::string_view>("next"));
  EXPECT_FALSE(reader.lastWasCut());
  EXPECT_EQ(reader.nextLine(), std::nullopt);
}

TEST(LineStyle, LinesFollowAHeaderFoundByTokens) {
  TokenReader reader("[BLOCK] x\n[ZEKMNA_NOTES]\n  first note \n\nsecond\n");
  ASSERT_TRUE(findSection(reader, "[ZEKMNA_NOTES]"));
  EXPECT_EQ(readLines(reader), (std::vector<std::string>{"first note ", "second"}));
}

TEST(RecordLimit, AFileYieldsAtMost2000RecordsOrTheModulesSmallerLimit) {
  std::string text;
  for (int i = 1; i <= 2001; ++i)
    text += "line" + std::to_string(i) + "\n";
  const std::vector<std::string> lines = readLines(std::string_view(text));
  ASSERT_EQ(lines.size(), 2000u);
  EXPECT_EQ(lines.back(), "line2000");
  EXPECT_EQ(readLines(std::string_view(text), 10).size(), 10u);
  // Comment lines are no records: they do not use up the limit.
  EXPECT_EQ(readLines(std::string_view(";a\n;b\nc\nd\ne\n"), 2),
            (std::vector<std::string>{"c", "d"}));
}

}  // namespace
}  // namespace zek
