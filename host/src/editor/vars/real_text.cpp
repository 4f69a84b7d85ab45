// Distances as text in the five linear unit forms, and back.
#include "editor/vars/real_text.h"

#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zek {
namespace {

// Rounds half away from zero; the nudge of a few ulps makes 2.675 (stored a
// hair below) round as the drafter typed it, to 2.68.
double roundedScaled(double value, double scale) {
  double scaled = std::fabs(value) * scale;
  return std::round(scaled * (1.0 + 8 * DBL_EPSILON));
}

std::string trimmed(std::string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
    ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
    --end;
  return std::string(text.substr(begin, end - begin));
}

long long gcd(long long a, long long b) {
  while (b != 0) {
    long long t = a % b;
    a = b;
    b = t;
  }
  return a;
}

// "3 1/2", "1/2", "3" for whole and eighths (or any power of two).
std::string wholeAndFraction(long long whole, long long numerator, long long denominator) {
  if (numerator == 0)
    return std::to_string(whole);
  long long g = gcd(numerator, denominator);
  std::string fraction = std::to_string(numerator / g) + "/" + std::to_string(denominator / g);
  return whole == 0 ? fraction : std::to_string(whole) + " " + fraction;
}

// Feet and inches joined by the zero rules of DIMZIN's two low bits: 0
// drops zero feet and exactly zero inches, 1 keeps both, 2 keeps zero feet
// and drops zero inches, 3 keeps zero inches and drops zero feet.
std::string feetAndInches(bool negative, long long feet, const std::string& inches,
                          bool inchesZero, int dimzin) {
  const int rule = dimzin & 3;
  const bool showFeet = feet != 0 || rule == 1 || rule == 2;
  const bool showInches = !inchesZero || rule == 1 || rule == 3 || !showFeet;
  std::string text = negative ? "-" : "";
  if (showFeet)
    text += std::to_string(feet) + "'";
  if (showFeet && showInches)
    text += "-";
  if (showInches)
    text += inches + "\"";
  return text;
}

std::string engineering(double value, int prec, int dimzin) {
  const double scale = std::pow(10.0, prec);
  double units = roundedScaled(value, scale);  // hundredths of an inch, say
  const double perFoot = 12.0 * scale;
  long long feet = static_cast<long long>(std::floor(units / perFoot));
  double inches = (units - feet * perFoot) / scale;
  bool negative = value < 0 && units != 0.0;
  return feetAndInches(negative, feet, decimalText(inches, prec, dimzin & ~kDimzinNoLeadingZero),
                       units - feet * perFoot == 0.0, dimzin);
}

std::string architectural(double value, int prec, int dimzin) {
  const long long denominator = 1LL << prec;
  long long n = static_cast<long long>(roundedScaled(value, static_cast<double>(denominator)));
  long long perFoot = 12 * denominator;
  long long feet = n / perFoot, rest = n % perFoot;
  std::string inches = wholeAndFraction(rest / denominator, rest % denominator, denominator);
  return feetAndInches(value < 0 && n != 0, feet, inches, rest == 0, dimzin);
}

std::string fractional(double value, int prec) {
  const long long denominator = 1LL << prec;
  long long n = static_cast<long long>(roundedScaled(value, static_cast<double>(denominator)));
  std::string text = wholeAndFraction(n / denominator, n % denominator, denominator);
  return value < 0 && n != 0 ? "-" + text : text;
}

std::string scientific(double value, int prec, int dimzin) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*E", prec, value);
  std::string text = buffer;
  if ((dimzin & kDimzinNoTrailingZeros) != 0) {
    std::size_t e = text.find('E');
    std::string mantissa = text.substr(0, e);
    if (mantissa.find('.') != std::string::npos) {
      while (mantissa.back() == '0')
        mantissa.pop_back();
      if (mantissa.back() == '.')
        mantissa.pop_back();
    }
    text = mantissa + text.substr(e);
  }
  return text;
}

// "1'-3 1/2\"", "1'3.5\"", "3.5\"", "1'" into inches.
std::optional<double> feetInchesFromText(const std::string& text, bool allowFractions);

// "3 1/2", "3-1/2", "1/2", "3" (no sign).
std::optional<double> fractionFromText(const std::string& text) {
  std::size_t slash = text.find('/');
  if (slash == std::string::npos)
    return plainNumber(text);
  std::size_t split = text.find_last_of(" -", slash);
  std::string whole = split == std::string::npos ? "" : trimmed(text.substr(0, split));
  std::string numerator = trimmed(text.substr(split == std::string::npos ? 0 : split + 1,
                                              slash - (split == std::string::npos ? 0 : split + 1)));
  std::string denominator = trimmed(text.substr(slash + 1));
  auto isDigits = [](const std::string& s) {
    if (s.empty())
      return false;
    for (char c : s)
      if (!std::isdigit(static_cast<unsigned char>(c)))
        return false;
    return true;
  };
  if (!isDigits(numerator) || !isDigits(denominator) || (!whole.empty() && !isDigits(whole)))
    return std::nullopt;
  double d = std::atof(denominator.c_str());
  if (d == 0.0)
    return std::nullopt;
  return (whole.empty() ? 0.0 : std::atof(whole.c_str())) + std::atof(numerator.c_str()) / d;
}

std::optional<double> feetInchesFromText(const std::string& text, bool allowFractions) {
  auto inchesOf = [&](std::string part) -> std::optional<double> {
    part = trimmed(part);
    if (!part.empty() && part.back() == '"')
      part = trimmed(part.substr(0, part.size() - 1));
    if (part.empty())
      return std::nullopt;
    return allowFractions ? fractionFromText(part) : plainNumber(part);
  };
  std::size_t foot = text.find('\'');
  if (foot == std::string::npos) {
    if (text.empty() || text.back() != '"')
      return std::nullopt;
    return inchesOf(text);
  }
  std::optional<double> feet = plainNumber(trimmed(text.substr(0, foot)));
  if (!feet || *feet < 0)
    return std::nullopt;
  std::string rest = trimmed(text.substr(foot + 1));
  if (rest.empty())
    return *feet * 12.0;
  if (rest.front() == '-')
    rest = rest.substr(1);
  std::optional<double> inches = inchesOf(rest);
  if (!inches)
    return std::nullopt;
  return *feet * 12.0 + *inches;
}

}  // namespace

std::string decimalText(double value, int prec, int dimzin) {
  std::string text;
  const double scale = std::pow(10.0, prec);
  const double n = roundedScaled(value, scale);
  if (n < 1e15) {
    std::string digits = std::to_string(static_cast<long long>(n));
    if (digits.size() < static_cast<std::size_t>(prec) + 1)
      digits.insert(0, static_cast<std::size_t>(prec) + 1 - digits.size(), '0');
    text = prec > 0 ? digits.substr(0, digits.size() - prec) + "." + digits.substr(digits.size() - prec)
                    : digits;
    if (value < 0 && n != 0.0)
      text.insert(0, "-");
  } else {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", prec, value);
    text = buffer;
  }
  if ((dimzin & kDimzinNoTrailingZeros) != 0 && text.find('.') != std::string::npos) {
    while (text.back() == '0')
      text.pop_back();
    if (text.back() == '.')
      text.pop_back();
  }
  if ((dimzin & kDimzinNoLeadingZero) != 0) {
    std::size_t zero = text[0] == '-' ? 1 : 0;
    if (text.compare(zero, 2, "0.") == 0)
      text.erase(zero, 1);
  }
  if (text.empty() || text == "-")
    text = "0";
  return text;
}

std::optional<double> plainNumber(std::string_view text) {
  std::size_t i = 0, digits = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-'))
    ++i;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
    ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
      ++i, ++digits;
  }
  if (digits == 0)
    return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1, exponentDigits = 0;
    if (j < text.size() && (text[j] == '+' || text[j] == '-'))
      ++j;
    while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j])))
      ++j, ++exponentDigits;
    if (exponentDigits == 0)
      return std::nullopt;
    i = j;
  }
  if (i != text.size())
    return std::nullopt;
  double value = std::strtod(std::string(text).c_str(), nullptr);
  if (!std::isfinite(value))
    return std::nullopt;
  return value;
}

std::optional<std::string> distanceText(double value, int unit, int prec, int dimzin) {
  if (prec < 0 || prec > 8 || !std::isfinite(value))
    return std::nullopt;
  // Feet, inches and fractions count whole steps in 64-bit integers.
  if (unit >= 3 && unit <= 5 && std::fabs(value) * std::pow(10.0, prec) * 256 > 9e15)
    return std::nullopt;
  switch (unit) {
    case 1: return scientific(value, prec, dimzin);
    case 2: return decimalText(value, prec, dimzin);
    case 3: return engineering(value, prec, dimzin);
    case 4: return architectural(value, prec, dimzin);
    case 5: return fractional(value, prec);
    default: return std::nullopt;
  }
}

std::optional<double> distanceFromText(std::string_view input, int unit) {
  if (unit < 1 || unit > 5)
    return std::nullopt;
  std::string text = trimmed(input);
  if (std::optional<double> plain = plainNumber(text))
    return plain;
  if (unit < 3)
    return std::nullopt;
  double sign = 1.0;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    sign = text[0] == '-' ? -1.0 : 1.0;
    text = trimmed(text.substr(1));
  }
  std::optional<double> value;
  if (unit == 5)
    value = fractionFromText(text);
  else if (text.find_first_of("'\"") != std::string::npos)
    value = feetInchesFromText(text, unit == 4);
  else if (unit == 4)
    value = fractionFromText(text);
  if (!value)
    return std::nullopt;
  return sign * *value;
}

}  // namespace zek
