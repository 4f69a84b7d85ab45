// Distances and angles as text and back: hand-worked values per unit form.
#include "editor/vars/real_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zek {
namespace {

constexpr double kPi = 3.14159265358979323846;
double degrees(double d) { return d * kPi / 180.0; }

struct DistanceCase {
  double value;
  int unit;
  int prec;
  int dimzin;
  const char* text;
};

constexpr DistanceCase kDistanceCases[] = {
    // Decimal.
    {12.5, 2, 4, 0, "12.5000"},       // DIMZIN 0 keeps trailing zeros
    {12.5, 2, 4, 8, "12.5"},          // DIMZIN 8 drops them
    {12.0, 2, 2, 8, "12"},            // ...and then the lone decimal point
    {0.25, 2, 2, 4, ".25"},           // DIMZIN 4 drops the leading zero
    {0.5, 2, 4, 12, ".5"},            // both
    {0.0, 2, 4, 12, "0"},             // zero never vanishes
    {-0.5, 2, 1, 4, "-.5"},
    {-0.0004, 2, 2, 0, "0.00"},       // a value rounding to zero never reads "-0.00"
    {2.675, 2, 2, 0, "2.68"},         // stored a hair below 2.675, rounded as typed
    {-3.14159, 2, 3, 0, "-3.142"},
    {1234567.891, 2, 0, 0, "1234568"},
    {0.05, 2, 1, 0, "0.1"},
    // Scientific.
    {15.5, 1, 4, 0, "1.5500E+01"},
    {15.5, 1, 4, 8, "1.55E+01"},
    {0.00123, 1, 2, 0, "1.23E-03"},
    {-250.0, 1, 1, 0, "-2.5E+02"},
    {0.0, 1, 2, 0, "0.00E+00"},
    // Engineering: feet and decimal inches.
    {15.5, 3, 2, 0, "1'-3.50\""},
    {15.5, 3, 2, 8, "1'-3.5\""},
    {-15.5, 3, 1, 0, "-1'-3.5\""},
    {6.0, 3, 2, 0, "6.00\""},         // DIMZIN 0 drops zero feet
    {6.0, 3, 2, 1, "0'-6.00\""},      // 1 keeps them
    {12.0, 3, 2, 0, "1'"},            // 0 drops exactly zero inches
    {12.0, 3, 2, 1, "1'-0.00\""},
    {12.0, 3, 2, 2, "1'"},            // 2 keeps zero feet, drops zero inches
    {12.0, 3, 2, 3, "1'-0.00\""},     // 3 keeps zero inches
    {6.0, 3, 2, 2, "0'-6.00\""},
    {6.0, 3, 2, 3, "6.00\""},
    {11.999, 3, 2, 0, "1'"},          // 11.999 rounds up to a whole foot
    {0.0, 3, 2, 0, "0.00\""},
    // Architectural: feet, inches and sixteenths.
    {15.5, 4, 4, 0, "1'-3 1/2\""},
    {15.5, 4, 0, 0, "1'-4\""},        // whole inches: 15.5 rounds up
    {0.75, 4, 3, 0, "3/4\""},
    {24.0, 4, 2, 0, "2'"},
    {24.0, 4, 2, 1, "2'-0\""},
    {3.0, 4, 4, 1, "0'-3\""},
    {-1.25, 4, 2, 0, "-1 1/4\""},
    {35.99, 4, 2, 0, "3'"},           // 35.99 rounds to 36 in quarters
    // Fractional.
    {15.5, 5, 4, 0, "15 1/2"},
    {0.375, 5, 3, 0, "3/8"},
    {0.375, 5, 2, 0, "1/2"},          // 1.5 quarters round up to 2/4
    {7.0, 5, 3, 0, "7"},
    {-2.25, 5, 2, 0, "-2 1/4"},
    {0.001, 5, 2, 0, "0"},
};

TEST(DistanceText, FollowsUnitPrecisionAndDimzin) {
  for (const auto& c : kDistanceCases)
    EXPECT_EQ(distanceText(c.value, c.unit, c.prec, c.dimzin).value_or("<none>"), c.text)
        << c.value << " unit " << c.unit << " prec " << c.prec << " DIMZIN " << c.dimzin;
}

TEST(DistanceText, RefusesUnitsAndPrecisionsOutOfRange) {
  EXPECT_FALSE(distanceText(1.0, 0, 2, 0));
  EXPECT_FALSE(distanceText(1.0, 6, 2, 0));
  EXPECT_FALSE(distanceText(1.0, 2, -1, 0));
  EXPECT_FALSE(distanceText(1.0, 2, 9, 0));
  EXPECT_FALSE(distanceText(std::nan(""), 2, 2, 0));
  EXPECT_FALSE(distanceText(INFINITY, 2, 2, 0));
  EXPECT_FALSE(distanceText(1e300, 4, 8, 0)) << "more sixteenths than a counter holds";
  EXPECT_FALSE(distanceText(-1e300, 3, 2, 0));
  EXPECT_TRUE(distanceText(1e300, 1, 2, 0)) << "scientific holds any size";
}

struct ParseCase {
  const char* text;
  int unit;
  double value;  // NAN: refused
};

const ParseCase kDistanceParses[] = {
    {"12.5", 2, 12.5},
    {" 12.5 ", 2, 12.5},             // blanks around are no part of the number
    {".5", 2, 0.5},                  // as DIMZIN 4 writes it
    {"-0.25", 2, -0.25},
    {"7.", 2, 7.0},
    {"1.55E+01", 1, 15.5},
    {"1.55E+01", 2, 15.5},           // plain numbers in every unit
    {"15 1/2", 5, 15.5},
    {"3/8", 5, 0.375},
    {"-2 1/4", 5, -2.25},
    {"15 1/2", 2, NAN},              // no fractions in decimal units
    {"1'-3 1/2\"", 4, 15.5},
    {"-1'-3 1/2\"", 4, -15.5},
    {"1'", 4, 12.0},
    {"3/4\"", 4, 0.75},
    {"2 1/4", 4, 2.25},
    {"1'3\"", 3, 15.0},
    {"1'-3.50\"", 3, 15.5},
    {"6.00\"", 3, 6.0},
    {"1'-3 1/2\"", 2, NAN},          // no feet in decimal units
    {"1'-3 1/2\"", 3, NAN},          // engineering inches are decimal
    {"", 2, NAN},
    {"abc", 2, NAN},
    {"12.5mm", 2, NAN},              // trailing garbage
    {"1.2.3", 2, NAN},
    {"1e", 2, NAN},
    {"1/0", 5, NAN},
    {"'", 4, NAN},
    {"12", 0, NAN},                  // no unit 0
};

TEST(DistanceFromText, ReadsEachUnitsForms) {
  for (const auto& c : kDistanceParses) {
    std::optional<double> read = distanceFromText(c.text, c.unit);
    if (std::isnan(c.value))
      EXPECT_FALSE(read) << "\"" << c.text << "\" unit " << c.unit << " read " << read.value_or(0);
    else
      EXPECT_EQ(read.value_or(NAN), c.value) << "\"" << c.text << "\" unit " << c.unit;
  }
}

TEST(DistanceFromText, ReadsBackWhatDistanceTextWrites) {
  for (const auto& c : kDistanceCases) {
    const std::string text = distanceText(c.value, c.unit, c.prec, c.dimzin).value_or("");
    std::optional<double> read = distanceFromText(text, c.unit);
    ASSERT_TRUE(read) << text;
    const double step = c.unit >= 4 ? 1.0 / (1 << c.prec) : std::pow(10.0, -c.prec);
    const double tolerance = c.unit == 1 ? std::fabs(c.value) * step : step;
    EXPECT_NEAR(*read, c.value, tolerance / 2 + 1e-12) << text;
  }
}

struct AngleCase {
  double radians;
  int unit;
  int prec;
  int dimzin;
  const char* text;
};

const AngleCase kAngleCases[] = {
    {degrees(45), 0, 4, 0, "45.0000"},
    {degrees(45), 0, 4, 8, "45"},
    {degrees(45), 0, 0, 0, "45"},
    {degrees(-90), 0, 2, 0, "270.00"},      // brought into one turn
    {2 * kPi - 1e-12, 0, 2, 0, "0.00"},     // never "360.00"
    {degrees(45.5), 1, 4, 0, "45d30'0\""},
    {degrees(45.5), 1, 2, 0, "45d30'"},
    {degrees(45.5), 1, 0, 0, "46d"},
    {degrees(10.2575), 1, 4, 0, "10d15'27\""},
    {degrees(10.2575), 1, 6, 0, "10d15'27.00\""},
    {degrees(359.9999), 1, 2, 0, "0d0'"},   // rounds up to a whole turn
    {degrees(90), 2, 2, 0, "100.00g"},
    {1.0, 3, 4, 0, "1.0000r"},
    {kPi, 3, 2, 0, "3.14r"},
    {degrees(45), 4, 4, 0, "N 45d0'0\" E"},
    {0.0, 4, 4, 0, "E"},
    {degrees(90), 4, 4, 0, "N"},
    {degrees(180), 4, 2, 0, "W"},
    {degrees(270), 4, 2, 0, "S"},
    {degrees(120), 4, 2, 0, "N 30d0' W"},
    {degrees(200), 4, 0, 0, "S 70d W"},
    {degrees(300), 4, 0, 0, "S 30d E"},
};

TEST(AngleText, FollowsUnitAndPrecision) {
  for (const auto& c : kAngleCases)
    EXPECT_EQ(angleText(c.radians, c.unit, c.prec, c.dimzin).value_or("<none>"), c.text)
        << c.radians << " unit " << c.unit << " prec " << c.prec;
  EXPECT_FALSE(angleText(1.0, 5, 2, 0));
  EXPECT_FALSE(angleText(1.0, 0, 9, 0));
}

const ParseCase kAngleParses[] = {
    {"45", 0, degrees(45)},
    {"45d30'", 1, degrees(45.5)},
    {"45d30'15\"", 1, degrees(45 + 30 / 60.0 + 15 / 3600.0)},
    {"-45d30'", 1, degrees(-45.5)},
    {"100g", 2, degrees(90)},
    {"100", 2, degrees(90)},                 // a plain number in the unit
    {"1.5r", 0, 1.5},                        // a marked unit wins
    {"1.5", 3, 1.5},
    {"N 45d E", 4, degrees(45)},
    {"N 30d0' W", 4, degrees(120)},
    {"S 45d0'0\" W", 4, degrees(225)},
    {"S 30d E", 4, degrees(300)},
    {"S", 4, degrees(270)},
    {"N 95d E", 4, NAN},                     // a bearing lies within 90° of N or S
    {"E 45d N", 4, NAN},
    {"abc", 0, NAN},
    {"45x", 0, NAN},
    {"45d30", 1, NAN},                       // minutes need their mark
    {"", 0, NAN},
};

TEST(AngleFromText, ReadsEachUnitsForms) {
  for (const auto& c : kAngleParses) {
    std::optional<double> read = angleFromText(c.text, c.unit);
    if (std::isnan(c.value))
      EXPECT_FALSE(read) << "\"" << c.text << "\" unit " << c.unit;
    else
      EXPECT_NEAR(read.value_or(NAN), c.value, 1e-12) << "\"" << c.text << "\" unit " << c.unit;
  }
}

}  // namespace
}  // namespace zek
