// Answer text: which texts are numbers, integers, points and keywords, and
// what they stand for.
#include "editor/prompts/answer_parsing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zek {
namespace {

struct RealCase {
  const char* text;
  bool valid;
  double value;
};
constexpr RealCase kRealCases[] = {
    {"12", true, 12.0},        {"-3.5", true, -3.5},     {".5", true, 0.5},
    {"5.", true, 5.0},         {"+2", true, 2.0},        {"1e3", true, 1000.0},
    {"2.5E-2", true, 0.025},   {"  7 ", true, 7.0},      {"", false, 0},
    {".", false, 0},           {"1,5", false, 0},        {"1e", false, 0},
    {"0x10", false, 0},        {"inf", false, 0},        {"nan", false, 0},
    {"12a", false, 0},         {"- 3", false, 0},        {"1e400", false, 0},
};

TEST(AnswerParsing, RealNumbers) {
  for (const auto& c : kRealCases) {
    auto value = parseRealAnswer(c.text);
    EXPECT_EQ(value.has_value(), c.valid) << '"' << c.text << '"';
    if (value && c.valid) {
      EXPECT_DOUBLE_EQ(*value, c.value) << '"' << c.text << '"';
    }
  }
}

struct IntegerCase {
  const char* text;
  bool valid;
  long long value;
};
constexpr IntegerCase kIntegerCases[] = {
    {"12", true, 12},
    {"-7", true, -7},
    {"+3", true, 3},
    {"2147483647", true, 2147483647},
    {"2147483648", false, 0},  // beyond 32 bits
    {"12.0", false, 0},        // a real is no integer, even a whole one
    {"1e3", false, 0},
    {"++3", false, 0},
    {"+-3", false, 0},         // one sign at most
    {"", false, 0},
};

TEST(AnswerParsing, Integers) {
  for (const auto& c : kIntegerCases) {
    auto value = parseIntegerAnswer(c.text);
    EXPECT_EQ(value.has_value(), c.valid) << '"' << c.text << '"';
    if (value && c.valid) {
      EXPECT_EQ(*value, c.value) << '"' << c.text << '"';
    }
  }
}

struct PointCase {
  const char* text;
  bool valid;
  double x, y, z;
  bool relative, world, hasZ;
};
const PointCase kPointCases[] = {
    {"10,20", true, 10, 20, 0, false, false, false},
    {"10,20,5", true, 10, 20, 5, false, false, true},
    {" 1.5 , -2 ", true, 1.5, -2, 0, false, false, false},
    {"@5,0", true, 5, 0, 0, true, false, false},
    {"@", true, 0, 0, 0, true, false, false},  // the last point itself
    {"@1,2,3", true, 1, 2, 3, true, false, true},
    {"*3,4", true, 3, 4, 0, false, true, false},
    {"10<90", true, 0, 10, 0, false, false, false},   // polar: 10 straight up
    {"@2<180", true, -2, 0, 0, true, false, false},   // polar, relative: 2 to the left
    {"10", false, 0, 0, 0, false, false, false},      // one number is no point
    {"1,2,3,4", false, 0, 0, 0, false, false, false},
    {"1,,2", false, 0, 0, 0, false, false, false},
    {"a,b", false, 0, 0, 0, false, false, false},
    {"1,2x", false, 0, 0, 0, false, false, false},
    {"<45", false, 0, 0, 0, false, false, false},
    {"", false, 0, 0, 0, false, false, false},
};

TEST(AnswerParsing, Points) {
  for (const auto& c : kPointCases) {
    auto typed = parsePointAnswer(c.text);
    ASSERT_EQ(typed.has_value(), c.valid) << '"' << c.text << '"';
    if (!typed)
      continue;
    EXPECT_NEAR(typed->value.x, c.x, 1e-12) << '"' << c.text << '"';
    EXPECT_NEAR(typed->value.y, c.y, 1e-12) << '"' << c.text << '"';
    EXPECT_NEAR(typed->value.z, c.z, 1e-12) << '"' << c.text << '"';
    EXPECT_EQ(typed->relative, c.relative) << '"' << c.text << '"';
    EXPECT_EQ(typed->world, c.world) << '"' << c.text << '"';
    EXPECT_EQ(typed->hasZ, c.hasZ) << '"' << c.text << '"';
  }
}

TEST(AnswerParsing, PlacedPointsUseTheLastPointAndTheWorld) {
  // The UCS is the world moved by (100, 0, 0): world (3, 4) is UCS (-97, 4).
  AcGeMatrix3d worldToUcs = AcGeMatrix3d::translation({-100.0, 0.0, 0.0});
  const AcGePoint3d last(10.0, 10.0, 2.0);
  struct Case {
    const char* text;
    AcGePoint3d expected;
  } cases[] = {
      {"1,2", {1, 2, 0}},          // absolute: z 0, not the last point's
      {"@1,2", {11, 12, 2}},       // relative keeps the last point's z
      {"@", {10, 10, 2}},
      {"*3,4", {-97, 4, 0}},
  };
  for (const auto& c : cases) {
    auto typed = parsePointAnswer(c.text);
    ASSERT_TRUE(typed) << c.text;
    AcGePoint3d placed = placeTypedPoint(*typed, last, worldToUcs);
    EXPECT_TRUE(placed.isEqualTo(c.expected)) << c.text << " gave " << placed.x << ","
                                              << placed.y << "," << placed.z;
  }
}

TEST(AnswerParsing, AnglesAreDegreesAnsweredInRadians) {
  EXPECT_NEAR(*parseAngleAnswer("90"), M_PI / 2, 1e-12);
  EXPECT_NEAR(*parseAngleAnswer("-45"), -M_PI / 4, 1e-12);
  EXPECT_FALSE(parseAngleAnswer("ninety"));
}

struct KeywordCase {
  const char* list;
  const char* answer;
  int index;  // -1: no keyword
  const char* global;
};
const KeywordCase kKeywordCases[] = {
    {"Arc Radius", "A", 0, "Arc"},
    {"Arc Radius", "r", 1, "Radius"},
    {"Arc Radius", "ARC", 0, "Arc"},
    {"Arc Radius", "Ar", 0, "Arc"},           // any prefix holding the capitals
    {"Arc Radius", "Arcs", -1, ""},           // longer than the keyword
    {"Arc Radius", "X", -1, ""},
    {"LType LWeight", "LT", 0, "LType"},
    {"LType LWeight", "L", -1, ""},           // "L" is short of both abbreviations
    {"LType LWeight", "lwe", 1, "LWeight"},
    {"ON OFF", "O", -1, ""},                  // all capitals: typed whole
    {"ON OFF", "of", -1, ""},
    {"ON OFF", "off", 1, "OFF"},
    {"eXit Undo", "x", 0, "eXit"},            // a capital inside the word
    {"eXit Undo", "ex", 0, "eXit"},
    {"eXit Undo", "e", -1, ""},
    {"LTYPE,LT Color", "lt", 0, "LTYPE"},     // keyword, comma, abbreviation
    {"LTYPE,LT Color", "LTY", 0, "LTYPE"},
    {"exit", "ex", -1, ""},                   // no capitals: typed whole
    {"exit", "EXIT", 0, "exit"},
    {"Ja Nein _Yes No", "j", 0, "Yes"},       // local answer, global name handed out
    {"Ja Nein _Yes No", "_no", 1, "No"},      // "_" answers match global names only
    {"Ja Nein _Yes No", "_j", -1, ""},
    {"Color C", "c", 1, "C"},                 // a whole name wins over an abbreviation
    {"3P 2P Ttr", "3p", 0, "3P"},
    {"3P 2P Ttr", "t", 2, "Ttr"},
    {"Arc Radius", "", -1, ""},
};

TEST(AnswerParsing, KeywordsMatchByTheirCapitals) {
  for (const auto& c : kKeywordCases) {
    KeywordList keywords(c.list);
    auto index = keywords.match(c.answer);
    if (c.index < 0) {
      EXPECT_FALSE(index) << '"' << c.answer << "\" in \"" << c.list << '"';
      continue;
    }
    ASSERT_TRUE(index) << '"' << c.answer << "\" in \"" << c.list << '"';
    EXPECT_EQ(*index, static_cast<std::size_t>(c.index)) << c.answer << " in " << c.list;
    EXPECT_EQ(keywords.globalName(*index), c.global) << c.answer << " in " << c.list;
  }
}

TEST(AnswerParsing, NumbersAsAnswerText) {
  EXPECT_EQ(numberAnswerText(10.0), "10");
  EXPECT_EQ(numberAnswerText(0.1), "0.1");
  EXPECT_EQ(numberAnswerText(-2.5), "-2.5");
  EXPECT_EQ(numberAnswerText(-0.0), "0");
}

}  // namespace
}  // namespace zek
