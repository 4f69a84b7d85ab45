// Reading zekislands.dat: pairs, comments, the atoi rule for codes, the
// limits (59 pairs, 30 characters, 300 tokens), and the filter list built
// from the pairs.
#include "island_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zek {
namespace {

// n pairs "62 1", "62 2", ... one a line.
std::string pairsText(int n) {
  std::string text;
  for (int i = 1; i <= n; ++i)
    text += "62 " + std::to_string(i) + "\n";
  return text;
}

// n comment tokens.
std::string commentsText(int n) {
  std::string text;
  for (int i = 0; i < n; ++i)
    text += ";c ";
  return text + "\n";
}

// n Chinese characters (three UTF-8 bytes each).
std::string chinese(int n) {
  std::string text;
  for (int i = 0; i < n; ++i)
    text += "\xE6\x9D\xBF";  // 板
  return text;
}

struct ReadCase {
  const char* row;
  std::string text;
  bool valid;
  std::vector<std::pair<int, std::string>> pairs;  // checked when not empty
  std::size_t count;
};

TEST(IslandFilterRead, PairsCommentsAndLimits) {
  const std::string thirty(30, 'L');
  const std::string thirtyOne(31, 'L');
  const ReadCase cases[] = {
      {"code and value alternate", "0 LINE\n8 PLATE\n", true, {{0, "LINE"}, {8, "PLATE"}}, 2},
      {"comments anywhere, even between a code and its value", ";types 0 ;the-type CIRCLE", true,
       {{0, "CIRCLE"}}, 1},
      {"each word of a comment must start with ';': the others are data",
       "; plate outlines\n0 LINE", true, {{0, "outlines"}, {0, "LINE"}}, 2},
      {"codes by atoi: signs, digits up to the first other character, else 0",
       "-4 <OR 8abc HOLES abc X -4 OR>", true, {{-4, "<OR"}, {8, "HOLES"}, {0, "X"}, {-4, "OR>"}}, 4},
      {"values stay text whatever the code", "62 1 40 2.5", true, {{62, "1"}, {40, "2.5"}}, 2},
      {"a code left without a value at the end is dropped", "0 LINE 8", true, {{0, "LINE"}}, 1},
      {"an empty file: no pairs, every object qualifies", "", true, {}, 0},
      {"59 pairs are read", pairsText(59), true, {}, 59},
      {"a 60th pair makes the file invalid", pairsText(60), false, {}, 0},
      {"a value of 30 characters is read", "8 " + thirty, true, {{8, thirty}}, 1},
      {"a value of 31 characters makes the file invalid", "8 " + thirtyOne, false, {}, 0},
      {"a code of 31 characters makes the file invalid", std::string(30, '0') + "8 X", false, {}, 0},
      {"a long comment is no code or value: read past", ";" + thirtyOne + " 0 LINE", true,
       {{0, "LINE"}}, 1},
      {"30 characters in 50 bytes (ten Chinese ones) are read", "8 " + chinese(10) + std::string(20, 'x'),
       true, {}, 1},
      {"31 characters in 51 bytes make the file invalid", "8 " + chinese(10) + std::string(21, 'x'),
       false, {}, 0},
      {"299 tokens with comments are read", pairsText(59) + commentsText(299 - 118), true, {}, 59},
      {"the 300th token, comments counted, makes the file invalid",
       pairsText(59) + commentsText(300 - 118), false, {}, 0},
      {"300 tokens are refused even when the file ends there", commentsText(300), false, {}, 0},
  };
  for (const ReadCase& c : cases) {
    const FilterReading reading = readIslandFilter(c.text);
    EXPECT_EQ(reading.valid, c.valid) << c.row;
    ASSERT_EQ(reading.pairs.size(), c.count) << c.row;
    for (std::size_t i = 0; i < c.pairs.size(); ++i) {
      EXPECT_EQ(reading.pairs[i].code, c.pairs[i].first) << c.row << ", pair " << i;
      EXPECT_EQ(reading.pairs[i].value, c.pairs[i].second) << c.row << ", pair " << i;
    }
  }
}

TEST(IslandFilterRead, ALongTokenIsRefusedNotCut) {
  // Beyond the 1024-byte buffer the token is cut; the cut token is still far
  // past 30 characters.
  const FilterReading reading = readIslandFilter("8 " + std::string(5000, 'W'));
  EXPECT_FALSE(reading.valid);
  EXPECT_TRUE(reading.pairs.empty());
}

TEST(IslandFilterList, OneEntryAPairTypedByItsCodeHoldingText) {
  const std::vector<FilterPair> pairs = {{-4, "<OR"}, {0, "LINE"}, {62, "1"}, {-4, "OR>"}};
  ResbufList list = filterListOf(pairs);
  const resbuf* entry = list.get();
  for (const FilterPair& pair : pairs) {
    ASSERT_NE(entry, nullptr) << pair.value;
    EXPECT_EQ(entry->restype, pair.code) << pair.value;
    ASSERT_NE(entry->resval.rstring, nullptr) << pair.value;
    EXPECT_STREQ(entry->resval.rstring, pair.value.c_str());
    entry = entry->rbnext;
  }
  EXPECT_EQ(entry, nullptr) << "no entry beyond the pairs";
  EXPECT_EQ(filterListOf({}).get(), nullptr) << "no pairs: no filter";
}

}  // namespace
}  // namespace zek
