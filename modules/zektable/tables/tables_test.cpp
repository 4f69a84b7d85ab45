// The hole-table data: the three sections of zektable.dat, the pairing
// rules of zekamn.dat, line classes, layer keys and codes, the module load
// with its messages, and the shipped files.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "aced_output.h"
#include "db/support_path.h"
#include "deffiles/definition_file.h"
#include "db/testing/db_test_support.h"
#include "editor/testing/editor_test_support.h"
#include "tables/hole_tables.h"

namespace zek::table {
namespace {

namespace fs = std::filesystem;

// n words that mean nothing to any section.
std::string words(int n, const std::string& word = "FILLER") {
  std::string text;
  for (int i = 0; i < n; ++i)
    text += word + " ";
  return text;
}

// The note records as one line each: code|layer|diameter, the first
// prompt and its cases, the flags of the second stage, the second prompt
// and its cases; empty cases as "-".
std::string describe(const HoleNoteTable& notes) {
  std::string text;
  const auto cases = [](const std::array<std::string, 4>& four) {
    std::string joined;
    for (const std::string& one : four)
      joined += (joined.empty() ? "" : ",") + (one.empty() ? std::string("-") : one);
    return joined;
  };
  for (const auto& [key, record] : notes) {
    std::string flags;
    for (bool flag : record.secondStage)
      flags += flag ? '1' : '0';
    text += key.code + "|" + key.layer + "|" + std::to_string(key.diameter100) + " 1:" +
            record.firstPrompt + "[" + cases(record.firstCases) + "] " + flags + " 2:" +
            record.secondPrompt + "[" + cases(record.secondCases) + "]\n";
  }
  return text;
}

// Reads a zektable.dat text with the transcript captured.
struct ReadResult {
  HoleTables tables;
  std::string transcript;
};

ReadResult readTableText(const std::string& text) {
  test::EditorSession session;
  ReadResult result;
  acutPrintf("Reading");  // so the transcript keeps a message's leading line break
  readHoleTableText(text, result.tables);
  result.transcript = session.transcript().substr(std::string_view("Reading").size());
  return result;
}

struct TypeCase {
  const char* row;
  std::string text;
  std::vector<std::pair<std::string, int>> types;  // the whole table, in key order
};

TEST(HoleTypeSection, PairsCodesCutAndSectionEnds) {
  const TypeCase cases[] = {
      {"each type word and its number",
       "[HOLE_TYPE] A BORE B BLIND C WEC D CUT E SCREW F SINK",
       {{"A", 10}, {"B", 20}, {"C", 30}, {"D", 40}, {"E", 50}, {"F", 60}}},
      {"any other word is a bore, the case of a word included",
       "[HOLE_TYPE] A DRILL B sink C 60",
       {{"A", 10}, {"B", 10}, {"C", 10}}},
      {"a code keeps four characters", "[HOLE_TYPE] ABCDEF SINK", {{"ABCD", 60}}},
      {"...four characters, not four bytes", "[HOLE_TYPE] 导套孔座位 WEC", {{"导套孔座", 30}}},
      {"a code that is cut meets one already there: the first type stays",
       "[HOLE_TYPE] ABCD SINK ABCDE BLIND A CUT A SCREW",
       {{"A", 40}, {"ABCD", 60}}},
      {"comment words before the header are passed over",
       ";zektable.dat ;[HOLE_TYPE] ;types [HOLE_TYPE] A SINK", {{"A", 60}}},
      {"words before the header are no pairs", "A SINK [HOLE_TYPE] B WEC", {{"B", 30}}},
      {"a header in lower case is none", "[hole_type] A SINK", {}},
      {"a bracket word ends the section, the half pair before it dropped",
       "[HOLE_TYPE] A SINK B [HOLE_NOTES] C WEC", {{"A", 60}}},
      {"a comment word inside the section is data: it takes a type word",
       "[HOLE_TYPE] ;x A SINK B", {{";x", 10}, {"SINK", 10}}},
      {"the header as the 2000th word is found", words(1999) + "[HOLE_TYPE] A SINK", {{"A", 60}}},
      {"a header beyond 2000 words counts as missing", words(2000) + "[HOLE_TYPE] A SINK", {}},
      {"the 2000th word of the section completes a pair",
       "[HOLE_TYPE] " + words(1998, "X") + "A SINK", {{"A", 60}, {"X", 10}}},
      {"words past the 2000th are not read",
       "[HOLE_TYPE] " + words(1999, "X") + "A SINK", {{"X", 10}}},
  };
  for (const TypeCase& c : cases) {
    const ReadResult read = readTableText(c.text);
    const std::vector<std::pair<std::string, int>> types(read.tables.types.begin(),
                                                         read.tables.types.end());
    EXPECT_EQ(types, c.types) << c.row;
    EXPECT_TRUE(read.tables.notes.empty()) << c.row;
    EXPECT_EQ(read.transcript, "") << c.row;
  }
}

struct NoteCase {
  const char* row;
  std::string section;  // the words after "[HOLE_NOTES]"
  const char* records;  // describe() of the notes read
};

TEST(HoleNotesSection, RecordsKeywordsAndThePromptCounter) {
  const std::string long80(80, 'x');
  const std::string cut79(79, 'x');
  const NoteCase cases[] = {
      {"a record of every field, read to the end of the text",
       "CODEIS=A LAYER==HOLE-TAP DIAMET=6.8 PROMPT=Depth: CASE11=M8@#S CASE20=M8 CASE31=THRU "
       "CASE40=T PROMPT=Drill: CASE10=,@#S",
       "A|HOLE-TAP|680 1:Depth:[M8@#S,M8,THRU,T] 1010 2:Drill:[,@#S,-,-,-]\n"},
      {"before the first record the layer is DC and the diameter 0",
       "CODEIS=A PROMPT=NOTHING CASE30=THRU", "A|DC|0 1:[-,-,THRU,-] 0000 2:[-,-,-,-]\n"},
      {"layer and diameter carry over to the next record (CODEIS= clears the rest)",
       "CODEIS=A LAYER==** DIAMET=5 PROMPT=P CASE11=x CODEIS=B CASE30=y",
       "A|**|500 1:P[x,-,-,-] 1000 2:[-,-,-,-]\nB|**|500 1:[-,-,-,-] 0000 2:[-,-,y,-]\n"},
      {"a layer or diameter after CODEIS= is the record's own, given before the next one",
       "LAYER==L1 CODEIS=A LAYER==L2 DIAMET=3 CODEIS=B DIAMET=4",
       "A|L2|300 1:[-,-,-,-] 0000 2:[-,-,-,-]\nB|L2|400 1:[-,-,-,-] 0000 2:[-,-,-,-]\n"},
      {"a key met again keeps its first record",
       "CODEIS=A LAYER==** DIAMET=0 PROMPT=NOTHING CASE30=first CODEIS=A PROMPT=NOTHING "
       "CASE30=second",
       "A|**|0 1:[-,-,first,-] 0000 2:[-,-,-,-]\n"},
      {"diameters: times 100 truncated, 10.2 giving 1020, no number giving 0",
       "CODEIS=A DIAMET=10.2 CODEIS=B DIAMET=6.559 CODEIS=C DIAMET=abc CODEIS=D DIAMET=4.35",
       "A|DC|1020 1:[-,-,-,-] 0000 2:[-,-,-,-]\nB|DC|655 1:[-,-,-,-] 0000 2:[-,-,-,-]\n"
       "C|DC|0 1:[-,-,-,-] 0000 2:[-,-,-,-]\nD|DC|435 1:[-,-,-,-] 0000 2:[-,-,-,-]\n"},
      {"a second PROMPT= is the second prompt, a third the first again",
       "CODEIS=A PROMPT=P1 CASE10=a PROMPT=P2 CASE10=b PROMPT=P3 CASE20=c CASE31=d",
       "A|DC|0 1:P3[a,c,d,-] 0010 2:P2[b,-,-,-]\n"},
      {"NOTHING leaves a prompt empty and still moves the counter",
       "CODEIS=A PROMPT=Depth: PROMPT=NOTHING CASE10=x PROMPT=NOTHING CASE10=y",
       "A|DC|0 1:[y,-,-,-] 0000 2:[x,-,-,-]\n"},
      {"cases before any prompt are cases of the second prompt",
       "CODEIS=A CASE11=x CASE41=y", "A|DC|0 1:[-,-,-,-] 0000 2:[x,-,-,y]\n"},
      {"CODEIS= starts the counter again at 0",
       "CODEIS=A PROMPT=P CODEIS=B CASE11=x PROMPT=Q CASE21=y",
       "A|DC|0 1:P[-,-,-,-] 0000 2:[-,-,-,-]\nB|DC|0 1:Q[-,y,-,-] 0100 2:[x,-,-,-]\n"},
      {"cases 1 to 4 only; a second-stage flag only for m = 1; any seventh character",
       "CODEIS=A PROMPT=P CASE01=a CASE51=b CASE12=c CASE21:d CASE3x=e",
       "A|DC|0 1:P[c,d,e,-] 0100 2:[-,-,-,-]\n"},
      {"words of seven characters or fewer and unknown keywords are passed over",
       "CODEIS= CODEIS=A CASE1= PROMPT= LAYER== ;comment ;CODEIS=X REMARK=x codeis=B",
       "A|DC|0 1:[-,-,-,-] 0000 2:[-,-,-,-]\n"},
      {"codes keep four characters", "CODEIS=ABCDE CODEIS=导套孔座位",
       "ABCD|DC|0 1:[-,-,-,-] 0000 2:[-,-,-,-]\n导套孔座|DC|0 1:[-,-,-,-] 0000 2:[-,-,-,-]\n"},
      {"prompts and cases keep 79 characters",
       "CODEIS=A PROMPT=" + long80 + " CASE10=" + long80,
       nullptr},  // checked below
      {"the last record followed directly by the next header is kept",
       "CODEIS=A PROMPT=NOTHING CASE30=THRU [SP_DIAMETER] 10 H7",
       "A|DC|0 1:[-,-,THRU,-] 0000 2:[-,-,-,-]\n"},
      {"no CODEIS=: no record", "LAYER==** DIAMET=5 PROMPT=P CASE10=x", ""},
      {"the 2000th word of the section is read", words(1998) + "CODEIS=A CASE30=x",
       "A|DC|0 1:[-,-,-,-] 0000 2:[-,-,x,-]\n"},
      {"words past the 2000th are not", words(1999) + "CODEIS=A CASE30=x",
       "A|DC|0 1:[-,-,-,-] 0000 2:[-,-,-,-]\n"},
  };
  for (const NoteCase& c : cases) {
    const ReadResult read = readTableText("[HOLE_TYPE] A SINK [HOLE_NOTES] " + c.section);
    EXPECT_EQ(read.transcript, "") << c.row;
    if (c.records) {
      EXPECT_EQ(describe(read.tables.notes), c.records) << c.row;
      continue;
    }
    ASSERT_EQ(read.tables.notes.size(), 1u) << c.row;
    const HoleNoteRecord& record = read.tables.notes.begin()->second;
    EXPECT_EQ(record.firstPrompt, cut79) << c.row;
    EXPECT_EQ(record.firstCases[0], cut79) << c.row;
  }
}

TEST(HoleNotesSection, IsFoundFromTheWordThatEndedTheTypes) {
  const struct {
    const char* row;
    std::string text;
    std::size_t records;
  } cases[] = {
      {"directly after the types", "[HOLE_TYPE] A SINK [HOLE_NOTES] CODEIS=A", 1},
      {"after another section", "[HOLE_TYPE] A SINK [OTHER] x y [HOLE_NOTES] CODEIS=A", 1},
      {"within 2000 words counted from the word that ended the types",
       "[HOLE_TYPE] A SINK [OTHER] " + words(1998) + "[HOLE_NOTES] CODEIS=A", 1},
      {"...and not beyond", "[HOLE_TYPE] A SINK [OTHER] " + words(1999) + "[HOLE_NOTES] CODEIS=A",
       0},
      {"no types section: nothing read at all", "[HOLE_NOTES] CODEIS=A", 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(readTableText(c.text).tables.notes.size(), c.records) << c.row;
}

struct SpCase {
  const char* row;
  std::string text;
  std::vector<double> limits;
  std::vector<std::string> names;
  const char* transcript;
};

TEST(SpDiameterSection, LimitsAndNamesInFileOrder) {
  const std::string head = "[HOLE_TYPE] A SINK [HOLE_NOTES] CODEIS=A ";
  const SpCase cases[] = {
      {"pairs of a limit and a name", head + "[SP_DIAMETER] 3 H7(+0.010/0) 6.005 H7(+0.012/0)",
       {3.0, 6.005}, {"H7(+0.010/0)", "H7(+0.012/0)"}, ""},
      {"an odd number of words empties both lists", head + "[SP_DIAMETER] 3 H7a 6",
       {}, {}, "\nSp Diameter is not definded"},
      {"a limit that is no number reads 0 (atof)", head + "[SP_DIAMETER] x A 4mm B",
       {0.0, 4.0}, {"A", "B"}, ""},
      {"a bracket word is a name like any other, to the end of the text",
       head + "[SP_DIAMETER] 3 [A] 6 B", {3.0, 6.0}, {"[A]", "B"}, ""},
      {"an empty section", head + "[SP_DIAMETER]", {}, {}, ""},
      {"no section: nothing and no message", head, {}, {}, ""},
      {"notes cut at their 2000th word: the search goes on from there",
       head + words(1999) + "[SP_DIAMETER] 3 A", {3.0}, {"A"}, ""},
      {"the header beyond 2000 words from the word that ended the notes counts as missing",
       head + "[OTHER] " + words(1999) + "[SP_DIAMETER] 3 A", {}, {}, ""},
      {"at most 2000 words: the 2001st would have made them unequal",
       head + "[SP_DIAMETER] " + words(1000, "1 N") + "9", std::vector<double>(1000, 1.0),
       std::vector<std::string>(1000, "N"), ""},
  };
  for (const SpCase& c : cases) {
    const ReadResult read = readTableText(c.text);
    EXPECT_EQ(read.tables.sp.limits, c.limits) << c.row;
    EXPECT_EQ(read.tables.sp.names, c.names) << c.row;
    EXPECT_EQ(read.transcript, c.transcript) << c.row;
    EXPECT_EQ(read.tables.notes.size(), 1u) << c.row << ": the notes before it stay";
  }
}

TEST(SpDiameterTable, NameOfTheFirstLimitAboveTheDiameter) {
  SpDiameterTable sp;
  EXPECT_EQ(sp.nameFor(5), "") << "an empty table has no name";
  sp.limits = {3.005, 6.005, 10.005};
  sp.names = {"H7(+0.010/0)", "H7(+0.012/0)", "H7(+0.015/0)"};
  const struct {
    double x;
    const char* name;
  } cases[] = {
      {0.5, "H7(+0.010/0)"},  {3.0, "H7(+0.010/0)"},  {3.005, "H7(+0.012/0)"},
      {6.0, "H7(+0.012/0)"},  {10.0, "H7(+0.015/0)"}, {10.01, "H7(+0.015/0)"},
      {400.0, "H7(+0.015/0)"},  // above every limit: the last name
  };
  for (const auto& c : cases)
    EXPECT_EQ(sp.nameFor(c.x), c.name) << c.x;
}

struct PairReadCase {
  const char* row;
  std::string text;
  std::vector<std::pair<PairRuleKey, PairValues>> rules;  // what lookups of these keys give
  std::size_t size;
};

PairRuleTable readPairs(const std::string& text) {
  PairRuleTable pairs;
  readPairRuleText(text, pairs);
  return pairs;
}

TEST(PairRuleSection, LinesAndTheNumbersTheyLack) {
  const PairReadCase cases[] = {
      {"a whole line", "[ASSUMPTION_2]\nM8 4.5 7 1 1 1600 1600 0 566\n",
       {{{4.5, 7.0, 1, 1, 1600, 1600}, {0, 566}}}, 1},
      {"a name alone takes the first values: 1.0 2.0 3 3 1 1, 0 83", "[ASSUMPTION_2]\nX\n",
       {{{1.0, 2.0, 3, 3, 1, 1}, {0, 83}}}, 1},
      {"numbers a line lacks keep those of the line before, not the next line's name",
       "[ASSUMPTION_2]\nM8 4.5 7 1 1 1600 1600 0 566\nM10 5.5 8.75\nTAP 2.5 3 1 2 1400 1400 1 83\n",
       {{{5.5, 8.75, 1, 1, 1600, 1600}, {0, 566}}, {{2.5, 3.0, 1, 2, 1400, 1400}, {1, 83}}}, 3},
      {"a number that does not convert ends the line's numbers",
       "[ASSUMPTION_2] A 4.5 7 1 1 1600 1600 0 566\nB 5.5 x 2 2 9 9 9 9\n",
       {{{5.5, 7.0, 1, 1, 1600, 1600}, {0, 566}}}, 2},
      {"integers in C notation: 0x640 is 1600",
       "[ASSUMPTION_2] A 4.5 7 1 1 0x640 0x640 0 0x236",
       {{{4.5, 7.0, 1, 1, 1600, 1600}, {0, 566}}}, 1},
      {"a bracket word ends the section",
       "[ASSUMPTION_2]\nA 4.5 7 1 1 1600 1600 0 566\n[ASSUMPTION_3]\nB 5.5 8.75 1 1 1600 1600 0 566",
       {{{5.5, 8.75, 1, 1, 1600, 1600}, {}}}, 1},
      {"other sections before it are passed over",
       "[ASSUMPTION_1]\nS 2.5 1 1300 65\n[ASSUMPTION_2]\nA 4.5 7 1 1 1600 1600 0 566",
       {{{4.5, 7.0, 1, 1, 1600, 1600}, {0, 566}}}, 1},
      {"blank and comment lines hold no rule",
       "[ASSUMPTION_2]\n\n; 9 9 1 1 1 1 1 1\nA 4.5 7 1 1 1600 1600 0 566\n",
       {{{9.0, 9.0, 1, 1, 1, 1}, {}}}, 1},
      {"the header within 1000 words", words(999) + "[ASSUMPTION_2] A 4.5 7 1 1 1600 1600 0 566",
       {}, 1},
      {"...and not beyond", words(1000) + "[ASSUMPTION_2] A 4.5 7 1 1 1600 1600 0 566", {}, 0},
      {"an existing key keeps its first values",
       "[ASSUMPTION_2]\nA 4.5 7 1 1 1600 1600 0 566\nB 4.5005 7 1 1 1600 1600 1 83\n",
       {{{4.5, 7.0, 1, 1, 1600, 1600}, {0, 566}}}, 1},
      {"no section, no rules", "[ASSUMPTION_1] A 4.5 7 1 1 1600 1600 0 566", {}, 0},
  };
  for (const PairReadCase& c : cases) {
    const PairRuleTable pairs = readPairs(c.text);
    EXPECT_EQ(pairs.size(), c.size) << c.row;
    for (const auto& [key, values] : c.rules) {
      const std::optional<PairValues> found = pairs.find(key);
      if (values.inner == 0 && values.outer == 0) {
        EXPECT_FALSE(found) << c.row << ": " << key.innerRadius;
        continue;
      }
      ASSERT_TRUE(found) << c.row << ": " << key.innerRadius;
      EXPECT_EQ(found->inner, values.inner) << c.row;
      EXPECT_EQ(found->outer, values.outer) << c.row;
    }
  }
}

TEST(PairRuleSection, AtMost1000Lines) {
  std::string text = "[ASSUMPTION_2]\n";
  for (int line = 0; line < 1001; ++line)
    text += "R " + std::to_string(1 + line) + " 100 1 1 0 0 0 566\n";
  const PairRuleTable pairs = readPairs(text);
  EXPECT_EQ(pairs.size(), 1000u);
  EXPECT_TRUE(pairs.find({1000.0, 100.0, 1, 1, 0, 0})) << "the 1000th line";
  EXPECT_FALSE(pairs.find({1001.0, 100.0, 1, 1, 0, 0})) << "the 1001st";
}

struct PairLookupCase {
  const char* row;
  PairRuleKey key;
  std::optional<int> inner;  // none: no rule answers
};

TEST(PairRuleTable, ToleranceWildcardKeysAndTheFirstRule) {
  PairRuleTable pairs;
  pairs.insert({4.5, 7.0, 1, 1, 1600, 1600}, {0, 566});
  pairs.insert({4.5, 7.0, 1, 1, 1610, 1610}, {2, 566});  // the back layer: a rule of its own
  pairs.insert({4.5, 7.0, 1, 1, 0, 0}, {5, 5});          // any layer: the first rule already
  pairs.insert({2.5, 3.0, 1, 2, 1400, 1400}, {1, 83});
  pairs.insert({2.5, 3.0, 1, 2, 1400, 1400}, {7, 7});    // the same key: not added
  pairs.insert({2.5005, 3.0, 1, 2, 1400, 0}, {8, 8});    // equal to the tapped rule too
  pairs.insert({11.0, 16.5, 1, 1, 0, 0}, {0, 566});      // any layer
  EXPECT_EQ(pairs.size(), 4u);
  const PairLookupCase cases[] = {
      {"the rule itself", {4.5, 7.0, 1, 1, 1600, 1600}, 0},
      {"radii within 0.001", {4.5009, 6.9991, 1, 1, 1600, 1600}, 0},
      {"a radius 0.0011 off falls to no rule", {4.5011, 7.0, 1, 1, 1600, 1600}, std::nullopt},
      {"a hidden counterbore (key 1601) is not the 1600 rule", {4.5, 7.0, 1, 1, 1600, 1601},
       std::nullopt},
      {"a back counterbore (1610) has its own", {4.5, 7.0, 1, 1, 1610, 1610}, 2},
      {"keys sharing no bit with 1600 are not compared: the first rule answers",
       {4.5, 7.0, 1, 1, 2048, 2048}, 0},
      {"a key of 0 in the lookup matches any rule key", {2.5, 3.0, 1, 2, 0, 0}, 1},
      {"shapes compare exactly", {2.5, 3.0, 1, 1, 1400, 1400}, std::nullopt},
      {"inner and outer are not swapped", {3.0, 2.5, 2, 1, 1400, 1400}, std::nullopt},
      {"a rule for any layer", {11.0, 16.5, 1, 1, 1300, 1311}, 0},
  };
  for (const PairLookupCase& c : cases) {
    const std::optional<PairValues> found = pairs.find(c.key);
    EXPECT_EQ(found ? std::optional<int>(found->inner) : std::nullopt, c.inner) << c.row;
  }
}

TEST(LineClass, ContinuousHiddenOrOtherInAnyCase) {
  const struct {
    const char* linetype;
    int lineClass;
  } cases[] = {
      {"BYLAYER", 0}, {"ByLayer", 0},    {"Continuous", 0}, {"CONTINUOUS", 0}, {"con", 0},
      {"HIDDEN", 1},  {"hidden2", 1},    {"DASHED", 1},     {"DashDot", 1},    {"BYBLOCK", 5},
      {"CENTER", 5},  {"PHANTOM", 5},    {"", 5},           {"XBYLAYER", 5},   {"HID", 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(lineClassOf(c.linetype), c.lineClass) << '"' << c.linetype << '"';
}

TEST(LayerKey, FrontBackAndContinuousDigits) {
  const struct {
    int key;
    bool front;
    bool back;
    bool continuous;
  } cases[] = {
      {1300, true, false, true},    // HOLE-DRILL, continuous
      {1301, true, false, false},   // ...drawn hidden
      {1305, true, false, false},   // ...in another linetype
      {1310, false, true, true},    // HOLE-DRILL-BACK
      {1311, false, true, false},
      {1320, false, false, true},   // a dimension layer: neither
      {99000, true, false, true},   // a counted layer reads as front
      {10, false, false, true},     // tens digit 1 but not above 10
      {11, false, true, false},     // the first back key
      {5, false, false, false},     // no layer code, line class 5
      {0, false, false, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(isFrontKey(c.key), c.front) << c.key;
    EXPECT_EQ(isBackKey(c.key), c.back) << c.key;
    EXPECT_EQ(isContinuousKey(c.key), c.continuous) << c.key;
  }
}

TEST(LayerCodes, BackLayersAndTheModulesCounter) {
  HoleTables tables;
  tables.layers = LayerCodeTable::fromText(
      "[LAYERS] HOLE-DRILL 1300 HOLE-DRILL-BACK 1310 NEGATIVE -1012 WIRE-CUT 0x4BA");
  const struct {
    const char* layer;
    bool back;
  } backCases[] = {
      {"HOLE-DRILL-BACK", true}, {"WIRE-CUT", true},     // 0x4BA is 1210
      {"HOLE-DRILL", false},     {"hole-drill-back", false},  // names compare with their case
      {"NEGATIVE", false},       {"UNLISTED", false},
  };
  for (const auto& c : backCases)
    EXPECT_EQ(isBackLayer(tables, c.layer), c.back) << c.layer;

  EXPECT_EQ(layerCodeFor(tables, "HOLE-DRILL-BACK"), 1310);
  EXPECT_EQ(layerCodeFor(tables, "NEW-A"), 99000);
  EXPECT_EQ(layerCodeFor(tables, "NEW-B"), 99100);
  EXPECT_EQ(layerCodeFor(tables, "NEW-C"), 99200);
  EXPECT_EQ(layerCodeFor(tables, "NEW-A"), 99000) << "a counted name keeps its code";
  EXPECT_EQ(layerCodeFor(tables, "NEW-D"), 99300) << "...and the counter did not move";
  EXPECT_FALSE(isBackLayer(tables, "NEW-A")) << "counted names are never back layers";
  for (int n = 4; n < 8999; ++n)
    (void)layerCodeFor(tables, "MORE-" + std::to_string(n));
  EXPECT_EQ(layerCodeFor(tables, "LAST"), 998900);
  EXPECT_EQ(layerCodeFor(tables, "WRAPPED"), 99000) << "past 998990 the counter starts again";
}

TEST(LabelCode, FirstCharacterThenLettersUpToADigit) {
  HoleTables tables;
  tables.types = {{"A", kBore}, {"B", kSink}, {"AB", kWireCut}, {"ABCD", kCut}, {"1", kScrew},
                  {"甲", kBlind}};
  const struct {
    const char* label;
    const char* code;
    int type;
  } cases[] = {
      {"A1", "A", kBore},     {"B12", "B", kSink},    {"AB3", "AB", kWireCut},
      {"ABCDE", "ABCD", kCut},  // four characters at most
      {"12", "1", kScrew},      // the first character counts even as a digit
      {"1A", "1A", kBore},      // ...and the letters after it still follow
      {"甲2", "甲", kBlind},    {"B", "B", kSink},      {"Z9", "Z", kBore},  // unknown: a bore
      {"", "", kBore},          {"b1", "b", kBore},  // codes compare with their case
  };
  for (const auto& c : cases) {
    EXPECT_EQ(labelCode(c.label), c.code) << c.label;
    EXPECT_EQ(tables.holeTypeOf(c.label), c.type) << c.label;
  }
}

TEST(DiameterKey, HundredthsTruncatedWithoutBinaryFractionLosses) {
  const struct {
    double diameter;
    int key;
  } cases[] = {
      {10.2, 1020}, {4.35, 435}, {6.8, 680}, {2 * 5.1, 1020}, {0.0, 0},
      {12.349, 1234}, {12.3499, 1234},  // truncated, never rounded
      {17.5, 1750},
      // Damaged sizes key as any diameter instead of overflowing.
      {std::nan(""), 0}, {1e300, 0}, {-1e300, 0}, {std::numeric_limits<double>::infinity(), 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(diameterKey(c.diameter), c.key) << c.diameter;
}

// A module load against a support folder of the test's own.
class HoleTablesLoad : public ::testing::Test {
protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("zek-table-tables-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_ / "support");
    fs::create_directories(folder_ / "nodata");
    setSupportFolders({(folder_ / "support").string()});
    // What an earlier load left behind.
    holeTables().types.emplace("OLD", kSink);
    holeTables().pairs.insert({1, 2, 1, 1, 0, 0}, {0, 1});
    (void)layerCodeFor(holeTables(), "COUNTED");
    acutPrintf("Loading");  // so the transcript shows the messages' leading line break
  }
  void TearDown() override {
    setSupportFolders({});
    holeTables() = HoleTables{};
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  void write(const std::string& name, const std::string& text) const {
    std::ofstream(folder_ / "support" / name, std::ios::binary) << text;
  }

  test::EditorSession session_;
  fs::path folder_;
};

TEST_F(HoleTablesLoad, ReadsTheThreeFilesIntoFreshTables) {
  test::ShippedDataElsewhere data((folder_ / "nodata").string());
  write("zeklayer0.dat", "[LAYERS]\r\nHOLE-DRILL-BACK 1310\r\n");
  write("zektable.dat", "[HOLE_TYPE]\r\nG BLIND\r\n[HOLE_NOTES]\r\nCODEIS=G\r\n"
                        "[SP_DIAMETER]\r\n10 H7\r\n");
  write("zekamn.dat", "[ASSUMPTION_2]\r\nM8 4.5 7 1 1 1600 1600 0 566\r\n");
  loadHoleTables();
  const HoleTables& tables = holeTables();
  EXPECT_EQ(tables.holeTypeOf("G1"), kBlind);
  EXPECT_EQ(tables.holeTypeOf("OLD"), kBore) << "the old tables are gone";
  EXPECT_EQ(tables.notes.size(), 1u);
  EXPECT_EQ(tables.sp.nameFor(7), "H7");
  EXPECT_EQ(tables.pairs.size(), 1u);
  EXPECT_TRUE(tables.pairs.find({4.5, 7, 1, 1, 1600, 1600}));
  EXPECT_TRUE(isBackLayer(tables, "HOLE-DRILL-BACK"));
  EXPECT_EQ(layerCodeFor(holeTables(), "COUNTED"), 99000) << "the counter starts again";
  EXPECT_EQ(session_.transcript(), "Loading") << "nothing to say";
}

TEST_F(HoleTablesLoad, AnOfficesOlderFileInGbkReadsAsItsNotes) {
  test::ShippedDataElsewhere data((folder_ / "nodata").string());
  // "导套孔@THRU" and the layer name "导柱层" as an older editor saved them (GBK).
  write("zektable.dat",
        "[HOLE_TYPE]\r\nA BORE\r\n[HOLE_NOTES]\r\nCODEIS=A LAYER==\xB5\xBC\xD6\xF9\xB2\xE3 "
        "DIAMET=0 PROMPT=NOTHING CASE30=\xB5\xBC\xCC\xD7\xBF\xD7@THRU\r\n");
  loadHoleTables();
  const auto found = holeTables().notes.find(HoleNoteKey{"A", "导柱层", 0});
  ASSERT_NE(found, holeTables().notes.end());
  EXPECT_EQ(found->second.firstCases[2], "导套孔@THRU");
}

TEST_F(HoleTablesLoad, MissingFilesAreNamedExceptThePairingRules) {
  test::ShippedDataElsewhere data((folder_ / "nodata").string());
  loadHoleTables();
  EXPECT_TRUE(holeTables().types.empty());
  EXPECT_TRUE(holeTables().notes.empty());
  EXPECT_TRUE(holeTables().sp.empty());
  EXPECT_TRUE(holeTables().pairs.empty());
  EXPECT_TRUE(holeTables().layers.empty());
  EXPECT_EQ(session_.transcript(),
            "Loading\nThe file zeklayer0.dat not been found\nThe file zektable.dat not been found");
}

TEST_F(HoleTablesLoad, FilesThatWillNotOpenSaySoEachInItsWords) {
  test::ShippedDataElsewhere data((folder_ / "nodata").string());
  write("zeklayer0.dat", "[LAYERS] HOLE-DRILL 1300");
  write("zektable.dat", "[HOLE_TYPE] G BLIND");
  write("zekamn.dat", "[ASSUMPTION_2] M8 4.5 7 1 1 1600 1600 0 566");
  ScopedDefinitionFileOpener refuseTwo([](const std::string& path) -> std::optional<std::string> {
    if (fs::path(path).filename() != "zeklayer0.dat")
      return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  });
  loadHoleTables();
  EXPECT_EQ(holeTables().layers.layerCodeOf("HOLE-DRILL"), 1300);
  EXPECT_TRUE(holeTables().types.empty());
  EXPECT_TRUE(holeTables().pairs.empty());
  EXPECT_EQ(session_.transcript(), "Loading\nDefinition file not open\nFile not opened");
}

// The shipped files, as a drawing office receives them.
class ShippedTables : public HoleTablesLoad {
protected:
  void SetUp() override {
    HoleTablesLoad::SetUp();
    setSupportFolders({});
    data_.emplace(ZEK_DATA_DIR);
    loadHoleTables();
  }
  void TearDown() override {
    data_.reset();
    HoleTablesLoad::TearDown();
  }
  std::optional<test::ShippedDataElsewhere> data_;
};

TEST_F(ShippedTables, LoadWithoutAWord) {
  EXPECT_EQ(session_.transcript(), "Loading");
}

TEST_F(ShippedTables, TypesOfTheSamplePlatesCodes) {
  const HoleTables& tables = holeTables();
  const struct {
    const char* label;
    int type;
  } cases[] = {
      {"A1", kBore}, {"A2", kBore},  {"B1", kSink},    {"B3", kSink}, {"C1", kScrew},
      {"C2", kScrew}, {"D", kWireCut}, {"E", kBore},  {"F1", kBore}, {"F2", kBore},
      {"G", kBlind},  {"W", kBore},    {"K1", kCut},
  };
  for (const auto& c : cases)
    EXPECT_EQ(tables.holeTypeOf(c.label), c.type) << c.label;
}

const HoleNoteRecord* noteOf(const std::string& code, const std::string& layer, int d100) {
  const auto found = holeTables().notes.find(HoleNoteKey{code, layer, d100});
  return found == holeTables().notes.end() ? nullptr : &found->second;
}

// Case n (1 to 4) of the first prompt of a record, "<none>" without the record.
std::string noteCase(const std::string& code, const std::string& layer, int d100, int n) {
  const HoleNoteRecord* record = noteOf(code, layer, d100);
  return record ? record->firstCases[static_cast<std::size_t>(n - 1)] : "<none>";
}

TEST_F(ShippedTables, NotesTheFileSays) {
  const HoleNoteRecord* m8 = noteOf("B", "**", 900);
  ASSERT_TRUE(m8);
  EXPECT_EQ(m8->firstPrompt, "");
  EXPECT_EQ(m8->firstCases[2], "M8@沉头螺丝@#F@THRU,@沉孔%%C14@DP8.6");
  EXPECT_EQ(noteCase("B", "**", 1350, 3), "M12@沉头螺丝@#F@THRU,@沉孔%%C20@DP13");
  ASSERT_TRUE(noteOf("B", "HOLE-CBORE-BACK", 900));

  const HoleNoteRecord* m12 = noteOf("C", "**", 1020);  // DIAMET=10.2
  ASSERT_TRUE(m12);
  EXPECT_EQ(m12->firstPrompt, "Tap_depth<THRU>:");
  EXPECT_EQ(m12->firstCases[0], "M12@攻牙@深#S");
  EXPECT_EQ(m12->firstCases[2], "M12@攻牙@THRU");
  EXPECT_EQ(m12->secondStage, (std::array<bool, 4>{true, true, false, false}));
  EXPECT_EQ(m12->secondPrompt, "Drill_depth:");
  EXPECT_EQ(m12->secondCases[0], ",@钻深#S");
  EXPECT_TRUE(noteOf("C", "**", 500)) << "M6 of the sample";
  EXPECT_TRUE(noteOf("C", "**", 680)) << "M8 of the sample";

  ASSERT_TRUE(noteOf("G", "HOLE-DRILL-BACK", 0));
  EXPECT_EQ(noteCase("G", "HOLE-DRILL-BACK", 0, 3), "背面钻孔@#F@深#S");
  EXPECT_EQ(noteCase("F", "**", 550, 3), "导正销让位孔@THRU");
  EXPECT_EQ(noteCase("W", "**", 0, 3), "穿丝孔@WIRE@START@THRU");
  EXPECT_EQ(noteCase("A", "**", 3200, 4), "主导套孔@THRU,@配H7/k6");
  EXPECT_FALSE(noteOf("C", "HOLE-TAP", 0))
      << "a code-and-layer record would hide the thread sizes on that layer";
}

// "#F" writes "%%C" and up to 5 more characters, an answer is taken as 5.
std::size_t longestExpansion(std::string_view text) {
  std::size_t characters = 0;
  for (std::size_t at = 0; at < text.size();) {
    if (text.substr(at, 2) == "#F") {
      characters += 8;
      at += 2;
    } else if (text.substr(at, 2) == "#S") {
      characters += 5;
      at += 2;
    } else {
      ++characters;
      at += (static_cast<unsigned char>(text[at]) >= 0xF0)   ? 4
            : (static_cast<unsigned char>(text[at]) >= 0xE0) ? 3
            : (static_cast<unsigned char>(text[at]) >= 0xC0) ? 2
                                                              : 1;
    }
  }
  return characters;
}

TEST_F(ShippedTables, EveryCodeHasANoteAndEveryNoteFitsItsColumn) {
  const HoleTables& tables = holeTables();
  ASSERT_GE(tables.types.size(), 13u);
  for (const auto& [code, type] : tables.types)
    EXPECT_TRUE(noteOf(code, "**", 0)) << code << " has no note for any layer and size";
  for (const auto& [key, record] : tables.notes) {
    std::size_t second = 0;
    for (const std::string& text : record.secondCases)
      second = std::max(second, longestExpansion(text));
    for (std::size_t n = 0; n < 4; ++n) {
      const std::size_t length =
          longestExpansion(record.firstCases[n]) + (record.secondStage[n] ? second : 0);
      EXPECT_LE(length, 49u) << key.code << "|" << key.layer << "|" << key.diameter100
                             << " case " << n + 1;
    }
    EXPECT_FALSE(record.firstCases[2].empty() && record.firstCases[3].empty())
        << key.code << "|" << key.layer << "|" << key.diameter100 << ": nothing without a depth";
  }
}

TEST_F(ShippedTables, SizeClassesAreTheH7Tolerances) {
  const SpDiameterTable& sp = holeTables().sp;
  ASSERT_EQ(sp.limits.size(), 13u);
  const struct {
    double diameter;
    const char* name;
  } cases[] = {
      {3.0, ".010"},  {5.5, ".012"},  {6.0, ".012"},
      {7.0, ".015"},  {10.0, ".015"}, {10.02, ".018"},
      {20.0, ".021"}, {32.0, ".025"}, {180.0, ".040"},
      {600.0, ".063"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(sp.nameFor(c.diameter), c.name) << c.diameter;
}

TEST_F(ShippedTables, PairsOfTheSamplePlate) {
  const PairRuleTable& pairs = holeTables().pairs;
  const PairLookupCase cases[] = {
      {"B1 M8 counterbore on HOLE-CBORE", {4.5, 7.0, 1, 1, 1600, 1600}, 0},
      {"B2 M10", {5.5, 8.75, 1, 1, 1600, 1600}, 0},
      {"B3 M12", {6.75, 10.0, 1, 1, 1600, 1600}, 0},
      {"an M8 counterbore on the back", {4.5, 7.0, 1, 1, 1610, 1610}, 0},
      {"C1 M6 drill circle and thread arc on HOLE-TAP and THREAD", {2.5, 3.0, 1, 2, 1400, 1400}, 1},
      {"C2 M8", {3.4, 4.0, 1, 2, 1400, 1400}, 1},
      {"a circle in a circle of no standard pair", {2.5, 3.0, 1, 1, 1400, 1400}, std::nullopt},
  };
  for (const PairLookupCase& c : cases) {
    const std::optional<PairValues> found = pairs.find(c.key);
    EXPECT_EQ(found ? std::optional<int>(found->inner) : std::nullopt, c.inner) << c.row;
    if (found) {
      EXPECT_EQ(found->outer, c.inner == 0 ? 566 : 83) << c.row;
    }
  }
  const std::optional<int> cbore = holeTables().layers.layerCodeOf("HOLE-CBORE");
  const std::optional<int> thread = holeTables().layers.layerCodeOf("THREAD");
  EXPECT_EQ(cbore, 1600) << "the keys the rules name are the shipped layers'";
  EXPECT_EQ(thread, 1400);
}

}  // namespace
}  // namespace zek::table
