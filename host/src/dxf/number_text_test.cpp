// Number text as other writers produce it, and the shortest exact text we
// write; expected values are worked out by hand.
#include "dxf/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace zek::dxf {
namespace {

constexpr double kUntouched = -12345.0;

struct DoubleCase {
  const char* text;
  NumberParse outcome;
  double value;  // kUntouched where the parse must leave the value alone
};

constexpr DoubleCase kDoubleCases[] = {
    {"1.5", NumberParse::Ok, 1.5},
    {"  -2.25  ", NumberParse::Ok, -2.25},          // ASCII files pad values
    {"\t3\t", NumberParse::Ok, 3.0},
    {"1e3", NumberParse::Ok, 1000.0},
    {".5", NumberParse::Ok, 0.5},
    {"-.5", NumberParse::Ok, -0.5},
    {"+1.5", NumberParse::Ok, 1.5},                 // a leading plus from some writers
    {"1,5", NumberParse::DecimalComma, 1.5},        // a locale's decimal comma
    {"-6,63671875", NumberParse::DecimalComma, -6.63671875},
    {"nan", NumberParse::Bad, kUntouched},
    {"inf", NumberParse::Bad, kUntouched},
    {"-inf", NumberParse::Bad, kUntouched},
    {"infinity", NumberParse::Bad, kUntouched},
    {"", NumberParse::Bad, kUntouched},
    {"   ", NumberParse::Bad, kUntouched},
    {"abc", NumberParse::Bad, kUntouched},
    {"1.5x", NumberParse::Bad, kUntouched},         // trailing garbage is not ignored
    {"1 2", NumberParse::Bad, kUntouched},
    {"1,000.5", NumberParse::Bad, kUntouched},      // a thousands separator is no decimal comma
    {"1,2,3", NumberParse::Bad, kUntouched},
    {"1e400", NumberParse::Bad, kUntouched},        // beyond the range of a double
    {"0x10", NumberParse::Bad, kUntouched},
    {"+-1", NumberParse::Bad, kUntouched},
};

TEST(NumberText, ParsesRealsAsWritersWriteThem) {
  for (const auto& c : kDoubleCases) {
    double value = kUntouched;
    EXPECT_EQ(parseDouble(c.text, value), c.outcome) << '"' << c.text << '"';
    EXPECT_EQ(value, c.value) << '"' << c.text << '"';
  }
}

struct IntegerCase {
  const char* text;
  bool ok;
  long long value;
};

constexpr IntegerCase kIntegerCases[] = {
    {"42", true, 42},
    {"  -7 ", true, -7},
    {"+5", true, 5},
    {"1.0", true, 1},        // a writer keeping every number as a real
    {"2.000", true, 2},
    {"-3.0", true, -3},
    {"9223372036854775807", true, 9223372036854775807LL},
    {"1.5", false, 0},       // a fraction is not an integer
    {"", false, 0},
    {"abc", false, 0},
    {"12abc", false, 0},
    {"nan", false, 0},
};

TEST(NumberText, ParsesIntegersAndWholeReals) {
  for (const auto& c : kIntegerCases) {
    long long value = 0;
    EXPECT_EQ(parseInteger(c.text, value), c.ok) << '"' << c.text << '"';
    EXPECT_EQ(value, c.value) << '"' << c.text << '"';
  }
}

struct HandleCase {
  const char* text;
  bool ok;
  std::uint64_t value;
};

constexpr HandleCase kHandleCases[] = {
    {"1A5A", true, 0x1A5A},
    {"ff", true, 0xFF},                                 // either case
    {" 0 ", true, 0},
    {"FFFFFFFFFFFFFFFF", true, 0xFFFFFFFFFFFFFFFFULL},  // 16 digits, the most
    {"10000000000000000", false, 0},                    // 17 digits
    {"", false, 0},
    {"G1", false, 0},
    {"-1", false, 0},
};

TEST(NumberText, ParsesHandles) {
  for (const auto& c : kHandleCases) {
    std::uint64_t value = 0;
    EXPECT_EQ(parseHandle(c.text, value), c.ok) << '"' << c.text << '"';
    EXPECT_EQ(value, c.value) << '"' << c.text << '"';
  }
}

std::string formatted(double value) {
  char text[kNumberTextMax];
  return std::string(text, formatDouble(value, text));
}

struct FormatCase {
  double value;
  const char* text;
};

const FormatCase kFormatCases[] = {
    {1.0, "1.0"},                    // a whole number still reads as a real
    {0.0, "0.0"},
    {-0.0, "-0.0"},                  // the sign of zero survives
    {1.5, "1.5"},
    {-2.25, "-2.25"},
    {0.1, "0.1"},                    // shortest, not 0.1000000000000000055511
    {0.1 + 0.2, "0.30000000000000004"},
    {123.456, "123.456"},
    {1000.0, "1000.0"},
    {10000.0, "10000.0"},            // fixed and exponent are equally short: fixed
    {100000.0, "1e+05"},             // the exponent form is shorter
    {1e-20, "1e-20"},
    {1e21, "1e+21"},
    {std::numeric_limits<double>::quiet_NaN(), "0.0"},  // no DXF text for NaN
    {std::numeric_limits<double>::infinity(), "0.0"},
};

TEST(NumberText, FormatsTheShortestExactText) {
  for (const auto& c : kFormatCases)
    EXPECT_EQ(formatted(c.value), c.text) << "value " << c.value;
}

TEST(NumberText, FormattedDoublesReadBackBitForBit) {
  std::mt19937_64 random(20240607);
  std::uniform_real_distribution<double> plate(-2000.0, 2000.0);
  int checked = 0;
  for (int i = 0; i < 200000; ++i) {
    // Every other value is an arbitrary bit pattern (subnormals included),
    // the rest coordinates of a plate.
    double value = i % 2 ? std::bit_cast<double>(random()) : plate(random);
    if (!std::isfinite(value))
      continue;
    const std::string text = formatted(value);
    double back = 0.0;
    ASSERT_EQ(parseDouble(text, back), NumberParse::Ok) << text;
    ASSERT_EQ(std::bit_cast<std::uint64_t>(back), std::bit_cast<std::uint64_t>(value)) << text;
    ++checked;
  }
  EXPECT_GT(checked, 190000);
}

// Values with a few decimals take a shortcut past std::to_chars; std::to_chars
// is the reference for what the shortest text is, so both must agree.
TEST(NumberText, FewDecimalsWriteWhatToCharsWrites) {
  std::mt19937_64 random(7);
  const double scales[] = {1.0, 10.0, 100.0, 1e3, 1e4, 1e5, 1e6, 1e7};
  for (int i = 0; i < 300000; ++i) {
    const double scale = scales[random() % std::size(scales)];
    // Up to 1e12 units over 1 to 1e7: values on both sides of the shortcut's
    // bounds (1e-3 and 1e9); every third value small, as most of a plate is.
    long long units = static_cast<long long>(random() % 2000000000000ULL) - 1000000000000LL;
    if (i % 3 == 0)
      units %= 100000;
    if (i % 5 == 0)  // round values, whose exponent form may be shorter: 3e+08
      units = static_cast<long long>(1 + random() % 9) * 1000000000LL;
    const double value = static_cast<double>(units) / scale;
    char reference[kNumberTextMax];
    char* end = std::to_chars(reference, reference + kNumberTextMax, value).ptr;
    std::string expected(reference, end);
    if (expected.find_first_of(".e") == std::string::npos)
      expected += ".0";
    if (value == 0.0)
      expected = std::signbit(value) ? "-0.0" : "0.0";
    ASSERT_EQ(formatted(value), expected) << units << " / " << scale;
  }
}

TEST(NumberText, FormatsIntegersAndHandles) {
  struct Case {
    long long value;
    const char* text;
  };
  const Case integers[] = {{0, "0"}, {-12, "-12"}, {256, "256"},
                           {std::numeric_limits<long long>::min(), "-9223372036854775808"}};
  for (const auto& c : integers) {
    char text[kNumberTextMax];
    EXPECT_EQ(std::string(text, formatInteger(c.value, text)), c.text) << c.value;
  }
  struct HandleText {
    std::uint64_t value;
    const char* text;
  };
  const HandleText handles[] = {{0, "0"}, {0x10, "10"}, {0x1A5A, "1A5A"},
                                {0xFFFFFFFFFFFFFFFFULL, "FFFFFFFFFFFFFFFF"}};
  for (const auto& c : handles) {
    char text[kNumberTextMax];
    EXPECT_EQ(std::string(text, formatHandle(c.value, text)), c.text) << c.text;
  }
}

}  // namespace
}  // namespace zek::dxf
