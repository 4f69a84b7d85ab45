// The measured text of a dimension: DIMLFAC, DIMRND, the unit forms of
// DIMLUNIT with DIMDEC places or fractions, DIMZIN, DIMDSEP and DIMPOST; and
// the text shown for an override.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <numeric>

#include "zek/dim_vars.h"

namespace zek {
namespace {

// Rounding forgives a few units in the last place, so that 2.675 (filed as
// 2.67499999999999982236431605997495353221893310546875) rounds to 2.68 as a
// drafter reads it. Halves round away from zero.
constexpr double kSlack = 8 * DBL_EPSILON;
// Above this a double holds no fraction digits worth rounding.
constexpr double kExactLimit = 4.0e15;

double roundHalfAway(double magnitude) {
  return std::floor(magnitude + 0.5 + magnitude * kSlack);
}

// The digits of round(magnitude × 10^places), as text.
std::string roundedDigits(double magnitude, int places) {
  double scaled = magnitude * std::pow(10.0, places);
  char buffer[512];
  if (scaled >= kExactLimit) {
    std::snprintf(buffer, sizeof buffer, "%.*f", places, magnitude);
    std::string text(buffer);
    text.erase(std::remove(text.begin(), text.end(), '.'), text.end());
    return text;
  }
  std::snprintf(buffer, sizeof buffer, "%.0f", roundHalfAway(scaled));
  return buffer;
}

// "1250" with 2 places is "12.50"; "5" with 2 places "0.05".
std::string withPoint(std::string digits, int places) {
  if (places <= 0)
    return digits;
  std::size_t need = static_cast<std::size_t>(places) + 1;
  if (digits.size() < need)
    digits.insert(0, need - digits.size(), '0');
  digits.insert(digits.size() - static_cast<std::size_t>(places), ".");
  return digits;
}

bool readsZero(const std::string& text) {
  return text.find_first_not_of("0.") == std::string::npos;
}

// DIMZIN 8 drops trailing zeros (and then a lone point), 4 the zero before
// the point; what is left of nothing reads "0".
std::string suppressZeros(std::string text, int dimzin) {
  if ((dimzin & 8) != 0 && text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (!text.empty() && text.back() == '.')
      text.pop_back();
  }
  if ((dimzin & 4) != 0 && text.size() > 1 && text[0] == '0' && text[1] == '.')
    text.erase(0, 1);
  if (text.empty())
    text = "0";
  return text;
}

std::string withSeparator(std::string text, int dimdsep) {
  char separator = dimdsep > 0 && dimdsep < 256 ? static_cast<char>(dimdsep) : '.';
  std::replace(text.begin(), text.end(), '.', separator);
  return text;
}

std::string signed_(bool negative, const std::string& text) {
  return negative ? "-" + text : text;
}

std::string decimalForm(double value, int places, const DimVars& vars) {
  std::string text = withPoint(roundedDigits(std::fabs(value), places), places);
  bool zero = readsZero(text);
  text = suppressZeros(text, vars.dimzin);
  return signed_(value < 0.0 && !zero, withSeparator(text, vars.dimdsep));
}

// 4177.654 with 2 places: "4.18E+03".
std::string scientificForm(double value, int places, const DimVars& vars) {
  double magnitude = std::fabs(value);
  int exponent = 0;
  std::string mantissa = withPoint(roundedDigits(0.0, places), places);
  if (magnitude > 0.0) {
    exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    mantissa = withPoint(roundedDigits(magnitude / std::pow(10.0, exponent), places), places);
    if (mantissa.size() > 1 && mantissa[0] == '1' && mantissa[1] == '0') {  // rounded up to 10
      ++exponent;
      mantissa = withPoint(roundedDigits(magnitude / std::pow(10.0, exponent), places), places);
    }
  }
  bool zero = readsZero(mantissa);
  mantissa = suppressZeros(mantissa, vars.dimzin & 8);
  char power[16];
  std::snprintf(power, sizeof power, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
  return signed_(value < 0.0 && !zero, withSeparator(mantissa, vars.dimdsep) + power);
}

// DIMZIN 0..3 for feet and inches: 0 drops zero feet and zero inches, 1
// keeps both, 2 keeps zero feet and drops zero inches, 3 keeps zero inches
// and drops zero feet. A value of nothing at all still reads 0".
std::string feetAndInches(long long feet, bool zeroInches, const std::string& inches, int dimzin) {
  int rule = dimzin & 3;
  bool showFeet = feet != 0 || rule == 1 || rule == 2;
  bool showInches = !zeroInches || rule == 1 || rule == 3;
  if (!showFeet && !showInches)
    showInches = true;
  std::string text;
  if (showFeet)
    text = std::to_string(feet) + "'";
  if (showFeet && showInches)
    text += "-";
  if (showInches)
    text += inches + "\"";
  return text;
}

// Engineering: feet and decimal inches, 4'-2.50".
std::string engineeringForm(double value, int places, const DimVars& vars) {
  double magnitude = std::fabs(value);
  double unit = std::pow(10.0, places);
  if (magnitude * unit >= kExactLimit)
    return decimalForm(value, places, vars);
  auto total = static_cast<long long>(roundHalfAway(magnitude * unit));
  auto perFoot = static_cast<long long>(12 * unit);
  long long feet = total / perFoot;
  long long inchUnits = total % perFoot;
  std::string inches = withPoint(std::to_string(inchUnits), places);
  inches = withSeparator(suppressZeros(inches, vars.dimzin & 12), vars.dimdsep);
  std::string text = feetAndInches(feet, inchUnits == 0, inches, vars.dimzin);
  return signed_(value < 0.0 && total != 0, text);
}

struct Fraction {
  long long whole = 0, numerator = 0, denominator = 1;
};

// A magnitude in whole units and the nearest 1/2^places, reduced.
Fraction fractionOf(long long units, int places) {
  long long denominator = 1LL << places;
  Fraction f{units / denominator, units % denominator, denominator};
  long long divisor = std::gcd(f.numerator, f.denominator);
  if (divisor > 1) {
    f.numerator /= divisor;
    f.denominator /= divisor;
  }
  return f;
}

std::string fractionText(const Fraction& f, bool wholeIfZero) {
  std::string part = std::to_string(f.numerator) + "/" + std::to_string(f.denominator);
  if (f.numerator == 0)
    return std::to_string(f.whole);
  if (f.whole == 0 && !wholeIfZero)
    return part;
  return std::to_string(f.whole) + " " + part;
}

// Architectural: feet, inches and a fraction of an inch, 4'-2 1/2".
std::string architecturalForm(double value, int places, const DimVars& vars) {
  double magnitude = std::fabs(value);
  long long denominator = 1LL << places;
  if (magnitude * static_cast<double>(denominator) >= kExactLimit)
    return decimalForm(value, 0, vars);
  auto total = static_cast<long long>(roundHalfAway(magnitude * static_cast<double>(denominator)));
  long long perFoot = 12 * denominator;
  long long feet = total / perFoot;
  long long rest = total % perFoot;
  int rule = vars.dimzin & 3;
  bool feetShown = feet != 0 || rule == 1 || rule == 2;
  std::string inches = fractionText(fractionOf(rest, places), feetShown);
  return signed_(value < 0.0 && total != 0, feetAndInches(feet, rest == 0, inches, vars.dimzin));
}

// Fractional: whole units and a fraction, 2 1/2.
std::string fractionalForm(double value, int places, const DimVars& vars) {
  double magnitude = std::fabs(value);
  long long denominator = 1LL << places;
  if (magnitude * static_cast<double>(denominator) >= kExactLimit)
    return decimalForm(value, 0, vars);
  auto total = static_cast<long long>(roundHalfAway(magnitude * static_cast<double>(denominator)));
  return signed_(value < 0.0 && total != 0, fractionText(fractionOf(total, places), false));
}

// DIMRND: the nearest multiple of the rounding value.
double roundToMultiple(double value, double step) {
  if (!(step > 0.0))
    return value;
  double multiples = roundHalfAway(std::fabs(value / step));
  return std::copysign(multiples * step, value);
}

std::string withPost(const std::string& text, const std::string& post) {
  if (post.empty())
    return text;
  std::string shown = post;
  std::size_t at = shown.find("<>");
  if (at == std::string::npos)
    return text + post;
  shown.replace(at, 2, text);
  return shown;
}

}  // namespace

std::string formatMeasurement(double value, const DimVars& vars) {
  double v = roundToMultiple(value * vars.dimlfac, vars.dimrnd);
  int places = std::clamp(vars.dimdec, 0, 8);
  std::string text;
  switch (vars.dimlunit) {
    case 1: text = scientificForm(v, places, vars); break;
    case 3: text = engineeringForm(v, places, vars); break;
    case 4: text = architecturalForm(v, places, vars); break;
    case 5: text = fractionalForm(v, places, vars); break;
    default: text = decimalForm(v, places, vars); break;  // 2 decimal, 6 Windows desktop
  }
  return withPost(text, vars.dimpost);
}

std::string dimensionDisplayText(std::string_view override, double measurement,
                                 const DimVars& vars) {
  if (override.empty())
    return formatMeasurement(measurement, vars);
  if (override == " ")
    return {};
  std::string text(override);
  std::size_t at = text.find("<>");
  if (at != std::string::npos)
    text.replace(at, 2, formatMeasurement(measurement, vars));
  return text;
}

}  // namespace zek
