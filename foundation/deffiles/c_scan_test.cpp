// The C scan rules on tokens: "%i" in its three notations, "%d", "%le",
// KEY=value prefixes and whole records read with a format.
#include <gtest/gtest.h>

#include <climits>

#include "deffiles/definition_file.h"

namespace zek {
namespace {

struct IntCase {
  const char* token;
  std::optional<long> value;
};

TEST(ScanInt, ReadsDecimalHexadecimalAndOctalAsPercentI) {
  const IntCase cases[] = {
      {"1012", 1012},
      {"-1012", -1012},
      {"+7", 7},
      {"0x3F4", 1012},      // hexadecimal
      {"0X3f4", 1012},      // either case
      {"01764", 1012},      // a leading zero: octal
      {"0", 0},
      {"08", 0},            // 8 is no octal digit: the number ends after the 0
      {"0x", 0},            // no hexadecimal digit: the 0 alone
      {"1012abc", 1012},    // stops at the first character that is no digit
      {"10.5", 10},
      {"-0x10", -16},
      {"abc", std::nullopt},  // no number: the scan fails
      {"", std::nullopt},
      {"-", std::nullopt},
      {"+x", std::nullopt},
      {"99999999999999999999999", LONG_MAX},  // out of range: clamped as the C library does
  };
  for (const IntCase& c : cases)
    EXPECT_EQ(scanInt(c.token), c.value) << '"' << c.token << '"';
}

TEST(ScanDecimalInt, ReadsOnlyDecimalDigits) {
  const IntCase cases[] = {
      {"010", 10}, {"-25", -25}, {"0x1F", 0}, {"62abc", 62}, {"abc", std::nullopt}, {"", std::nullopt},
  };
  for (const IntCase& c : cases)
    EXPECT_EQ(scanDecimalInt(c.token), c.value) << '"' << c.token << '"';
}

TEST(ScanReal, ReadsAsPercentLe) {
  struct RealCase {
    const char* token;
    std::optional<double> value;
  };
  const RealCase cases[] = {
      {"2.5", 2.5},       {"-0.25", -0.25}, {".5", 0.5},       {"3", 3.0},
      {"1e3", 1000.0},    {"2.5E-1", 0.25}, {"+4.", 4.0},      {"1.5,2", 1.5},
      {"0.05mm", 0.05},   {"x1", std::nullopt}, {".", std::nullopt}, {"", std::nullopt},
  };
  for (const RealCase& c : cases)
    EXPECT_EQ(scanReal(c.token), c.value) << '"' << c.token << '"';
}

TEST(KeyPrefix, MatchesTheFirstFiveCharactersExactly) {
  struct KeyCase {
    const char* token;
    const char* key;
    bool matches;
    const char* value;
  };
  const KeyCase cases[] = {
      {"LAYA=OUTLINE", "LAYA=", true, "OUTLINE"},
      {"LAYB=HOLE-DRILL-DIM", "LAYB=", true, "HOLE-DRILL-DIM"},
      {"LAYA=", "LAYA=", true, ""},   // the module decides whether an empty value counts
      {"laya=OUTLINE", "LAYA=", false, "OUTLINE"},
      {"LAYB=OUTLINE", "LAYA=", false, "OUTLINE"},
      {"LAYA", "LAYA=", false, ""},
      {"LAYA:OUTLINE", "LAYA=", false, "OUTLINE"},
  };
  for (const KeyCase& c : cases) {
    EXPECT_EQ(hasKeyPrefix(c.token, c.key), c.matches) << c.token;
    EXPECT_EQ(keyValue(c.token), c.value) << c.token;
  }
  // Longer keywords are compared over their own length.
  EXPECT_TRUE(hasKeyPrefix("CODEIS=A1", "CODEIS="));
  EXPECT_EQ(keyValue("CODEIS=A1", 7), "A1");
}

TEST(ScanRecord, ReadsOneTokenPerConversion) {
  TokenReader reader("OUTLINE 0x3E8 HOLE x 1.5 2.5 1 2 3 4 5 6 tail");
  const auto first = scanRecord(reader, "%s %i");
  ASSERT_TRUE(first);
  EXPECT_EQ(std::get<std::string>((*first)[0]), "OUTLINE");
  EXPECT_EQ(std::get<long>((*first)[1]), 1000);

  EXPECT_FALSE(scanRecord(reader, "%s %i"));  // "x" is no integer: the record is not read

  const auto numbers = scanRecord(reader, "%le %le %i %i %i %i %i %i");
  ASSERT_TRUE(numbers);
  ASSERT_EQ(numbers->size(), 8u);
  EXPECT_EQ(std::get<double>((*numbers)[1]), 2.5);
  EXPECT_EQ(std::get<long>((*numbers)[7]), 6);

  EXPECT_FALSE(scanRecord(reader, "%s %i"));  // the text ends after "tail"
}

TEST(ScanFields, AnswersTheFieldsThatConvertedAsSscanfCountsThem) {
  struct FieldsCase {
    const char* name;
    const char* line;
    std::size_t count;
  };
  const FieldsCase cases[] = {
      {"all three", "1.5 2.5 3", 3},
      {"a short line", "1.5 2.5", 2},
      {"a word stops the scan", "1.5 x 3", 1},
      {"nothing", "", 0},
  };
  for (const FieldsCase& c : cases) {
    TokenReader line(c.line);
    EXPECT_EQ(scanFields(line, "%le %le %i").size(), c.count) << c.name;
  }
}

}  // namespace
}  // namespace zek
