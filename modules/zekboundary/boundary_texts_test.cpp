// The settings line ZEKBDY prints and the dialog's boxes read back.
#include "boundary_texts.h"

#include <gtest/gtest.h>

#include <optional>

namespace zek {
namespace {

struct LineCase {
  BoundarySettings settings;
  const char* line;
};
const LineCase kLineCases[] = {
    {{3.0, {1.0, 1.0, 2.0, 1.0}}, "\nOFFSET= 3.0,  R1= 1.0,  R2= 1.0,  R3= 2.0,  R4= 1.0"},
    {{2.0, {1.0, -1.0, 3.0, 0.0}}, "\nOFFSET= 2.0,  R1= 1.0,  C2= 1.0,  R3= 3.0,  R4= 0.0"},
    {{0.25, {-0.5, -2.0, -3.0, -4.25}}, "\nOFFSET= 0.2,  C1= 0.5,  C2= 2.0,  C3= 3.0,  C4= 4.2"},
    // Down to -0.001 a value still shows as a radius; -0.001 is a chamfer.
    {{3.0, {-0.0005, -0.001, 0.0, 0.0}}, "\nOFFSET= 3.0,  R1= -0.0,  C2= 0.0,  R3= 0.0,  R4= 0.0"},
};

TEST(SettingsLine, ShowsRadiiAndChamfers) {
  for (const LineCase& c : kLineCases)
    EXPECT_EQ(settingsLine(c.settings), c.line);
}

struct CornerTextCase {
  const char* text;
  std::optional<double> value;
};
const CornerTextCase kCornerTexts[] = {
    {"R2.5", 2.5},         {"r2.5", 2.5},       {"C1.5", -1.5},    {"c1.5", -1.5},
    {"3", 3.0},            // no letter: a radius
    {"abc", 0.0},          // no number reads as 0
    {"", 0.0},             {"C", -0.0},         {"R999.9", 999.9}, {"C-999.9", 999.9},
    {"R1000", std::nullopt},                    // out of range: the setting stays
    {"C-1000", std::nullopt},                   {"-1000", std::nullopt},
    {"C-2", 2.0},          // the number after C is stored negated
    {"  C2", -2.0},        // blanks before the letter are skipped
    {"R0.0", 0.0},         {"2x", 2.0},         {"R 4", 4.0},
};

TEST(CornerFromText, ReadsTheLetterAndTheNumber) {
  for (const CornerTextCase& c : kCornerTexts) {
    const std::optional<double> value = cornerFromText(c.text);
    ASSERT_EQ(value.has_value(), c.value.has_value()) << '"' << c.text << '"';
    if (value) {
      EXPECT_DOUBLE_EQ(*value, *c.value) << '"' << c.text << '"';
    }
  }
}

struct OffsetTextCase {
  const char* text;
  std::optional<double> value;
};
const OffsetTextCase kOffsetTexts[] = {
    {"3", 3.0},
    {"2.500", 2.5},
    {"-0.000001", -0.000001},  // above -0.00001
    {"-0.0001", std::nullopt},
    {"99999.9", 99999.9},
    {"100000", std::nullopt},
    {"abc", 0.0},
};

TEST(OffsetFromText, TakesValuesInRange) {
  for (const OffsetTextCase& c : kOffsetTexts) {
    const std::optional<double> value = offsetFromText(c.text);
    ASSERT_EQ(value.has_value(), c.value.has_value()) << '"' << c.text << '"';
    if (value) {
      EXPECT_DOUBLE_EQ(*value, *c.value) << '"' << c.text << '"';
    }
  }
}

TEST(CornerLetter, RForZeroAndMoreCForLess) {
  EXPECT_EQ(cornerLetter(0.0), 'R');
  EXPECT_EQ(cornerLetter(2.0), 'R');
  EXPECT_EQ(cornerLetter(-0.0005), 'C');
}

}  // namespace
}  // namespace zek
