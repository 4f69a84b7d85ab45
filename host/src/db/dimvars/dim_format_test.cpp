// Measured text: every unit form with hand-worked values, zero suppression,
// separators, DIMLFAC, DIMRND, DIMPOST, and the text an override shows.
#include <gtest/gtest.h>

#include <string>

#include "zek/dim_vars.h"

namespace zek {
namespace {

struct FormatCase {
  const char* why;
  double value;
  int dimlunit;
  int dimdec;
  int dimzin;
  char dimdsep;
  const char* text;
};

DimVars varsFor(const FormatCase& c) {
  DimVars vars;
  vars.dimlunit = c.dimlunit;
  vars.dimdec = c.dimdec;
  vars.dimzin = c.dimzin;
  vars.dimdsep = c.dimdsep;
  return vars;
}

constexpr FormatCase kDecimalCases[] = {
    {"DIMZIN 8 drops trailing zeros", 12.5, 2, 3, 8, '.', "12.5"},
    {"...and then the lone decimal point", 12.0, 2, 2, 8, '.', "12"},
    {"DIMZIN 4 drops the leading zero", 0.25, 2, 2, 4, '.', ".25"},
    {"a zero ordinate never reads -0.00", -0.0004, 2, 2, 0, '.', "0.00"},
    {"DIMZIN 0 keeps every place", 12.5, 2, 4, 0, '.', "12.5000"},
    {"DIMZIN 12 drops both", 0.5, 2, 4, 12, '.', ".5"},
    {"zero with both dropped still reads 0", 0.0, 2, 2, 12, '.', "0"},
    {"a negative value keeps its sign, leading zero dropped", -0.25, 2, 2, 4, '.', "-.25"},
    {"DIMDSEP comma", 4177.654, 2, 2, 0, ',', "4177,65"},
    {"comma and DIMZIN 8", 12.5, 2, 3, 8, ',', "12,5"},
    {"halves round away from zero", 2.5, 2, 0, 0, '.', "3"},
    {"negative halves too", -0.5, 2, 0, 0, '.', "-1"},
    {"2.675 reads 2.68 as the drafter typed it", 2.675, 2, 2, 0, '.', "2.68"},
    {"rounding carries into the units", 99.996, 2, 2, 0, '.', "100.00"},
    {"DIMDEC 0", 1234.4, 2, 0, 0, '.', "1234"},
    {"DIMDEC 8", 1.0 / 3.0, 2, 8, 0, '.', "0.33333333"},
    {"Windows desktop units read as decimal", 4177.654, 6, 2, 0, ',', "4177,65"},
};

constexpr FormatCase kScientificCases[] = {
    {"thousands", 4177.654, 1, 2, 0, '.', "4.18E+03"},
    {"thousandths", 0.00125, 1, 2, 0, '.', "1.25E-03"},
    {"a mantissa rounding up to ten moves the exponent", 9.999, 1, 2, 0, '.', "1.00E+01"},
    {"negative", -4177.654, 1, 1, 0, '.', "-4.2E+03"},
    {"zero", 0.0, 1, 2, 0, '.', "0.00E+00"},
    {"DIMZIN 8 trims the mantissa", 1500.0, 1, 3, 8, '.', "1.5E+03"},
    {"comma in the mantissa", 1500.0, 1, 1, 0, ',', "1,5E+03"},
};

// Engineering: the value is inches, shown as feet and decimal inches. DIMZIN
// 0 drops zero feet and zero inches, 1 keeps both, 2 keeps zero feet, 3
// keeps zero inches.
constexpr FormatCase kEngineeringCases[] = {
    {"4 feet 2.5 inches", 50.5, 3, 2, 0, '.', "4'-2.50\""},
    {"DIMZIN 0 drops zero feet", 6.5, 3, 2, 0, '.', "6.50\""},
    {"DIMZIN 0 drops zero inches", 48.0, 3, 2, 0, '.', "4'"},
    {"DIMZIN 1 keeps zero feet", 6.5, 3, 2, 1, '.', "0'-6.50\""},
    {"DIMZIN 1 keeps zero inches", 48.0, 3, 2, 1, '.', "4'-0.00\""},
    {"DIMZIN 2 keeps zero feet", 6.5, 3, 2, 2, '.', "0'-6.50\""},
    {"DIMZIN 2 drops zero inches", 48.0, 3, 2, 2, '.', "4'"},
    {"DIMZIN 3 drops zero feet", 6.5, 3, 2, 3, '.', "6.50\""},
    {"DIMZIN 3 keeps zero inches", 48.0, 3, 2, 3, '.', "4'-0.00\""},
    {"DIMZIN 8 trims the inches", 50.5, 3, 2, 8, '.', "4'-2.5\""},
    {"comma in the inches", 50.5, 3, 2, 0, ',', "4'-2,50\""},
    {"inches rounding to 12 carry into the feet", 47.999, 3, 2, 0, '.', "4'"},
    {"negative", -50.5, 3, 2, 0, '.', "-4'-2.50\""},
    {"nothing at all reads zero inches, unsigned", -0.004, 3, 2, 0, '.', "0.00\""},
};

// Architectural: feet, inches and a fraction in 1/2^DIMDEC.
constexpr FormatCase kArchitecturalCases[] = {
    {"4 feet 2 1/2 inches in sixteenths", 50.5, 4, 4, 0, '.', "4'-2 1/2\""},
    {"DIMDEC 0 rounds to whole inches", 50.5, 4, 0, 0, '.', "4'-3\""},
    {"a fraction alone with zero feet dropped", 0.75, 4, 2, 0, '.', "3/4\""},
    {"DIMZIN 1 shows zero feet and zero whole inches", 0.75, 4, 2, 1, '.', "0'-0 3/4\""},
    {"zero whole inches after feet", 48.5, 4, 3, 0, '.', "4'-0 1/2\""},
    {"DIMZIN 0 drops zero inches", 48.0, 4, 3, 0, '.', "4'"},
    {"DIMZIN 1 keeps them", 48.0, 4, 3, 1, '.', "4'-0\""},
    {"a sixteenth", 12.0625, 4, 4, 0, '.', "1'-0 1/16\""},
    {"eighths round the sixteenth up", 12.0625, 4, 3, 0, '.', "1'-0 1/8\""},
    {"negative", -50.5, 4, 4, 0, '.', "-4'-2 1/2\""},
};

constexpr FormatCase kFractionalCases[] = {
    {"two and a half", 2.5, 5, 4, 0, '.', "2 1/2"},
    {"a fraction alone", 0.375, 5, 3, 0, '.', "3/8"},
    {"a whole number", 3.0, 5, 4, 0, '.', "3"},
    {"quarters round 2.4375 up to a half", 2.4375, 5, 2, 0, '.', "2 1/2"},
    {"negative", -2.5, 5, 1, 0, '.', "-2 1/2"},
    {"a negative value rounding to nothing is unsigned", -0.01, 5, 2, 0, '.', "0"},
};

void expectAll(const char* form, const FormatCase* cases, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    const FormatCase& c = cases[i];
    EXPECT_EQ(formatMeasurement(c.value, varsFor(c)), c.text)
        << form << ": " << c.why << " (" << c.value << " DIMLUNIT " << c.dimlunit << " DIMDEC "
        << c.dimdec << " DIMZIN " << c.dimzin << ")";
  }
}

TEST(MeasuredText, DecimalFollowsDimdecDimzinAndDimdsep) {
  expectAll("decimal", kDecimalCases, std::size(kDecimalCases));
}

TEST(MeasuredText, Scientific) {
  expectAll("scientific", kScientificCases, std::size(kScientificCases));
}

TEST(MeasuredText, EngineeringFeetAndDecimalInches) {
  expectAll("engineering", kEngineeringCases, std::size(kEngineeringCases));
}

TEST(MeasuredText, ArchitecturalFeetInchesAndFractions) {
  expectAll("architectural", kArchitecturalCases, std::size(kArchitecturalCases));
}

TEST(MeasuredText, Fractional) {
  expectAll("fractional", kFractionalCases, std::size(kFractionalCases));
}

struct ScaleCase {
  const char* why;
  double value;
  double dimlfac;
  double dimrnd;
  int dimdec;
  const char* text;
};

TEST(MeasuredText, DimlfacScalesThenDimrndRounds) {
  const ScaleCase cases[] = {
      {"DIMLFAC 2.5", 10.0, 2.5, 0.0, 2, "25.00"},
      {"DIMRND 0.5 to the nearest half", 4177.654, 1.0, 0.5, 2, "4177.50"},
      {"DIMRND 0.25", 4177.654, 1.0, 0.25, 2, "4177.75"},
      {"DIMRND 5 rounds 12.3 down", 12.3, 1.0, 5.0, 0, "10"},
      {"DIMRND 5 rounds 12.5 up (a half)", 12.5, 1.0, 5.0, 0, "15"},
      {"scaled first: 10.1 x 2 = 20.2, then to the half: 20.0", 10.1, 2.0, 0.5, 1, "20.0"},
      {"a negative value rounds away from zero", -12.5, 1.0, 5.0, 0, "-15"},
  };
  for (const ScaleCase& c : cases) {
    DimVars vars;
    vars.dimlfac = c.dimlfac;
    vars.dimrnd = c.dimrnd;
    vars.dimdec = c.dimdec;
    EXPECT_EQ(formatMeasurement(c.value, vars), c.text) << c.why;
  }
}

struct PostCase {
  const char* why;
  const char* dimpost;
  const char* text;
};

TEST(MeasuredText, DimpostPlacesTheValue) {
  const PostCase cases[] = {
      {"<> is replaced by the value", "<> mm", "12.5 mm"},
      {"without <> the text is a suffix", "mm", "12.5mm"},
      {"prefix with a control code kept as written", "%%C<>", "%%C12.5"},
      {"only the first <> takes the value", "<>/<>", "12.5/<>"},
  };
  for (const PostCase& c : cases) {
    DimVars vars;
    vars.dimdec = 1;
    vars.dimpost = c.dimpost;
    EXPECT_EQ(formatMeasurement(12.5, vars), c.text) << c.why;
  }
}

struct OverrideCase {
  const char* why;
  const char* override;
  const char* dimpost;
  const char* text;
};

TEST(DimensionDisplayText, OverridesStandForOrHideTheMeasurement) {
  const OverrideCase cases[] = {
      {"an empty override is the measurement", "", "", "12.50"},
      {"<> alone is the measurement", "<>", "", "12.50"},
      {"<> with a fit", "<> H7", "", "12.50 H7"},
      {"a diameter sign stays a code", "%%C<>", "", "%%C12.50"},
      {"a single blank shows nothing", " ", "", ""},
      {"a text without <> replaces the measurement", "TYP", "", "TYP"},
      {"<> stands for the measurement with its DIMPOST", "2x <>", "<> mm", "2x 12.50 mm"},
      {"plus-minus stays a code", "%%P0.1", "", "%%P0.1"},
  };
  for (const OverrideCase& c : cases) {
    DimVars vars;
    vars.dimpost = c.dimpost;
    EXPECT_EQ(dimensionDisplayText(c.override, 12.5, vars), c.text) << c.why;
  }
}

}  // namespace
}  // namespace zek
