// Angles as text in the five angular unit forms, and back.
#include <cctype>
#include <cfloat>
#include <cmath>
#include <string>

#include "editor/vars/real_text.h"

namespace zek {
namespace {

constexpr double kPi = 3.14159265358979323846;

std::string trimmed(std::string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
    ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
    --end;
  return std::string(text.substr(begin, end - begin));
}

// Degrees, minutes and seconds: precision 0 whole degrees, 1-2 minutes, 3-4
// seconds, 5-8 seconds with prec − 4 decimals. `full` is set when the angle
// rounds up to a whole turn of `turn` degrees.
std::string dmsText(double degrees, int prec, int dimzin, double turn, bool& full) {
  const int secondDecimals = prec > 4 ? prec - 4 : 0;
  const double perDegree = prec == 0 ? 1.0 : prec <= 2 ? 60.0 : 3600.0 * std::pow(10.0, secondDecimals);
  const double units = std::round(degrees * perDegree * (1.0 + 8 * DBL_EPSILON));
  full = units >= turn * perDegree;
  const double shown = full ? 0.0 : units;
  const long long wholeDegrees = static_cast<long long>(std::floor(shown / perDegree));
  std::string text = std::to_string(wholeDegrees) + "d";
  if (prec == 0)
    return text;
  double rest = shown - wholeDegrees * perDegree;
  if (prec <= 2)
    return text + std::to_string(static_cast<long long>(rest)) + "'";
  const double perMinute = perDegree / 60.0;
  const long long minutes = static_cast<long long>(std::floor(rest / perMinute));
  const double seconds = (rest - minutes * perMinute) / std::pow(10.0, secondDecimals);
  return text + std::to_string(minutes) + "'" +
         decimalText(seconds, secondDecimals, dimzin & ~kDimzinNoLeadingZero) + "\"";
}

// A surveyor's bearing: N or S, the angle off that direction, E or W.
std::string bearingText(double degrees, int prec, int dimzin) {
  const char* from = degrees <= 180.0 ? "N" : "S";
  double off;
  const char* to;
  if (degrees <= 90.0) {
    off = 90.0 - degrees;
    to = "E";
  } else if (degrees <= 180.0) {
    off = degrees - 90.0;
    to = "W";
  } else if (degrees <= 270.0) {
    off = 270.0 - degrees;
    to = "W";
  } else {
    off = degrees - 270.0;
    to = "E";
  }
  bool full = false;
  std::string angle = dmsText(off, prec, dimzin, 90.0, full);
  if (full)
    return to;    // a hair off due east or west
  if (angle.find_first_not_of("0d'\".") == std::string::npos)
    return from;  // due north or south
  return std::string(from) + " " + angle + " " + to;
}

// "45d30'15.5\"", "45d30'", "45d", "45" into degrees.
std::optional<double> dmsFromText(const std::string& text) {
  std::size_t d = text.find_first_of("dD");
  std::size_t m = text.find('\'');
  std::size_t s = text.find('"');
  if (d == std::string::npos)
    return m == std::string::npos && s == std::string::npos ? plainNumber(text) : std::nullopt;
  std::optional<double> degrees = plainNumber(trimmed(text.substr(0, d)));
  if (!degrees)
    return std::nullopt;
  double value = *degrees;
  std::size_t next = d + 1;
  if (m != std::string::npos) {
    std::optional<double> minutes = plainNumber(trimmed(text.substr(next, m - next)));
    if (m < next || !minutes || *minutes < 0)
      return std::nullopt;
    value += std::copysign(*minutes / 60.0, value == 0.0 && text[0] == '-' ? -1.0 : value);
    next = m + 1;
  }
  if (s != std::string::npos) {
    std::optional<double> seconds = plainNumber(trimmed(text.substr(next, s - next)));
    if (s < next || !seconds || *seconds < 0)
      return std::nullopt;
    value += std::copysign(*seconds / 3600.0, value == 0.0 && text[0] == '-' ? -1.0 : value);
    next = s + 1;
  }
  if (!trimmed(text.substr(next)).empty())
    return std::nullopt;
  return value;
}

// "N 45d30' E", "S 12d W", "N", "E" into degrees counter-clockwise from east.
std::optional<double> bearingFromText(const std::string& text) {
  const char first = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  if (text.size() == 1) {
    switch (first) {
      case 'E': return 0.0;
      case 'N': return 90.0;
      case 'W': return 180.0;
      case 'S': return 270.0;
      default: return std::nullopt;
    }
  }
  const char last = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
  if ((first != 'N' && first != 'S') || (last != 'E' && last != 'W'))
    return std::nullopt;
  std::optional<double> off = dmsFromText(trimmed(text.substr(1, text.size() - 2)));
  if (!off || *off < 0 || *off > 90)
    return std::nullopt;
  if (first == 'N')
    return last == 'E' ? 90.0 - *off : 90.0 + *off;
  return last == 'W' ? 270.0 - *off : 270.0 + *off;
}

}  // namespace

std::optional<std::string> angleText(double radians, int unit, int prec, int dimzin) {
  if (prec < 0 || prec > 8 || unit < 0 || unit > 4 || !std::isfinite(radians))
    return std::nullopt;
  double turn = std::fmod(radians, 2 * kPi);
  if (turn < 0)
    turn += 2 * kPi;
  const double degrees = turn * 180.0 / kPi;
  // A whole turn after rounding reads as zero, never "360.0000".
  auto decimalOfTurn = [&](double value, double full, const char* suffix) {
    std::string text = decimalText(value, prec, dimzin);
    if (decimalText(value - full, prec, 0) == decimalText(0.0, prec, 0))
      text = decimalText(0.0, prec, dimzin);
    return text + suffix;
  };
  switch (unit) {
    case 0: return decimalOfTurn(degrees, 360.0, "");
    case 1: {
      bool full = false;
      std::string text = dmsText(degrees, prec, dimzin, 360.0, full);
      return text;
    }
    case 2: return decimalOfTurn(degrees * 400.0 / 360.0, 400.0, "g");
    case 3: return decimalOfTurn(turn, 2 * kPi, "r");
    default: return bearingText(degrees, prec, dimzin);
  }
}

std::optional<double> angleFromText(std::string_view input, int unit) {
  if (unit < 0 || unit > 4)
    return std::nullopt;
  std::string text = trimmed(input);
  if (text.empty())
    return std::nullopt;
  std::optional<double> degrees;
  const char last = static_cast<char>(std::tolower(static_cast<unsigned char>(text.back())));
  if (std::isalpha(static_cast<unsigned char>(text[0])))
    degrees = bearingFromText(text);
  else if (last == 'g') {
    if (auto grads = plainNumber(trimmed(text.substr(0, text.size() - 1))))
      degrees = *grads * 360.0 / 400.0;
  } else if (last == 'r') {
    if (auto rad = plainNumber(trimmed(text.substr(0, text.size() - 1))))
      return *rad;
  } else if (auto plain = plainNumber(text)) {
    if (unit == 3)
      return *plain;
    degrees = unit == 2 ? *plain * 360.0 / 400.0 : *plain;
  } else {
    degrees = dmsFromText(text);
  }
  if (!degrees)
    return std::nullopt;
  return *degrees * kPi / 180.0;
}

}  // namespace zek
