// Number parsing and formatting through std::from_chars and std::to_chars:
// locale-free, exact and fast.
#include "dxf/number_text.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace zek::dxf {
namespace {

std::string_view trimBlanks(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && (text[first] == ' ' || text[first] == '\t'))
    ++first;
  while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\t'))
    --last;
  return text.substr(first, last - first);
}

// from_chars knows no leading '+', which some writers put before exponents'
// mantissas and coordinates alike ("+1.5"); a sign must be followed by a digit
// or a point for the text to be a number.
std::string_view dropPlus(std::string_view text) {
  if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+')
    return text.substr(1);
  return text;
}

// Reads the whole of `text` as a finite double; false for anything else.
bool readWholeDouble(std::string_view text, double& value) {
  if (text.empty())
    return false;
  const char first = text[0] == '-' ? (text.size() > 1 ? text[1] : '\0') : text[0];
  if (first != '.' && (first < '0' || first > '9'))
    return false;  // "nan", "inf", "infinity" and garbage
  double parsed = 0.0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(parsed))
    return false;
  value = parsed;
  return true;
}

}  // namespace

NumberParse parseDouble(std::string_view text, double& value) {
  text = dropPlus(trimBlanks(text));
  if (readWholeDouble(text, value))
    return NumberParse::Ok;
  // "1,5": a decimal comma from a writer that followed the desktop's locale.
  // Only one comma and no point, so that "1,000.5" or "1,2,3" stay garbage.
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos || text.size() >= 64 ||
      text.find(',', comma + 1) != std::string_view::npos ||
      text.find('.') != std::string_view::npos)
    return NumberParse::Bad;
  char copy[64];
  text.copy(copy, text.size());
  copy[comma] = '.';
  return readWholeDouble(std::string_view(copy, text.size()), value) ? NumberParse::DecimalComma
                                                                      : NumberParse::Bad;
}

bool parseInteger(std::string_view text, long long& value) {
  text = dropPlus(trimBlanks(text));
  long long parsed = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (ec == std::errc() && end == text.data() + text.size() && !text.empty()) {
    value = parsed;
    return true;
  }
  // Writers that keep every number as a real write "1.0" for 1; accept a
  // real that has no fraction and fits.
  double real = 0.0;
  if (parseDouble(text, real) == NumberParse::Bad || real != std::trunc(real) ||
      real < -9.2e18 || real > 9.2e18)
    return false;
  value = static_cast<long long>(real);
  return true;
}

bool parseHandle(std::string_view text, std::uint64_t& value) {
  text = trimBlanks(text);
  if (text.empty() || text.size() > 16)
    return false;
  std::uint64_t parsed = 0;
  for (char c : text) {
    unsigned digit;
    if (c >= '0' && c <= '9')
      digit = static_cast<unsigned>(c - '0');
    else if (c >= 'A' && c <= 'F')
      digit = static_cast<unsigned>(c - 'A' + 10);
    else if (c >= 'a' && c <= 'f')
      digit = static_cast<unsigned>(c - 'a' + 10);
    else
      return false;
    parsed = parsed << 4 | digit;
  }
  value = parsed;
  return true;
}

namespace {

constexpr std::uint64_t kIntegerPowers[] = {1, 10, 100, 1000, 10000, 100000, 1000000};

int decimalDigits(std::uint64_t n) {
  int digits = 1;
  while (n >= 10) {
    n /= 10;
    ++digits;
  }
  return digits;
}

char* writeDigits(char* out, std::uint64_t n, int width) {
  for (int i = width - 1; i >= 0; --i) {
    out[i] = static_cast<char>('0' + n % 10);
    n /= 10;
  }
  return out + width;
}

// Most numbers of a drawing have a few decimals (12.5, 0.25, 1200.0). Below
// 1e9 a double's spacing is under 1e-6, so at most one number of six
// decimals reads back as the value: if the nearest one does, its digits
// without trailing zeros are the shortest text (a correctly rounded division
// of exact values rounds as a correctly rounded parse does). The text is the
// one std::to_chars writes as long as the fixed form is not longer than the
// exponent form; where it is, or the value needs more decimals, this answers
// 0 and to_chars does the work.
std::size_t formatFewDecimals(double value, char* out) {
  const double magnitude = std::fabs(value);
  if (!(magnitude >= 1e-3 && magnitude < 1e9))
    return 0;
  const double scaled = std::nearbyint(magnitude * 1e6);
  if (scaled / 1e6 != magnitude)
    return 0;
  auto n = static_cast<std::uint64_t>(scaled);
  int decimals = 6;
  while (decimals > 0 && n % 10 == 0) {
    n /= 10;
    --decimals;
  }
  const std::uint64_t whole = n / kIntegerPowers[decimals];
  const std::uint64_t fraction = n % kIntegerPowers[decimals];
  // Lengths without the sign: "123.45" against "1.2345e+02".
  const int wholeDigits = decimalDigits(whole);
  const int fixedLength = wholeDigits + (decimals > 0 ? 1 + decimals : 0);
  std::uint64_t significant = n;
  while (significant % 10 == 0)
    significant /= 10;
  const int digits = decimalDigits(significant);
  if (fixedLength > digits + (digits > 1 ? 1 : 0) + 4)  // exponents here have two digits
    return 0;
  char* at = out;
  if (std::signbit(value))
    *at++ = '-';
  at = writeDigits(at, whole, wholeDigits);
  *at++ = '.';
  at = decimals > 0 ? writeDigits(at, fraction, decimals) : writeDigits(at, 0, 1);
  return static_cast<std::size_t>(at - out);
}

}  // namespace

std::size_t formatDouble(double value, char* out) {
  if (value == 0.0 || !std::isfinite(value)) {
    const bool negative = value == 0.0 && std::signbit(value);
    std::memcpy(out, negative ? "-0.0" : "0.0", negative ? 4 : 3);
    return negative ? 4 : 3;
  }
  if (const std::size_t length = formatFewDecimals(value, out))
    return length;
  char* end = std::to_chars(out, out + kNumberTextMax, value).ptr;
  bool real = false;
  for (const char* p = out; p != end; ++p)
    real |= (*p == '.' || *p == 'e');
  if (!real) {
    *end++ = '.';
    *end++ = '0';
  }
  return static_cast<std::size_t>(end - out);
}

std::size_t formatInteger(long long value, char* out) {
  return static_cast<std::size_t>(std::to_chars(out, out + kNumberTextMax, value).ptr - out);
}

std::size_t formatHandle(std::uint64_t value, char* out) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  char reversed[16];
  std::size_t count = 0;
  do {
    reversed[count++] = kDigits[value & 0xF];
    value >>= 4;
  } while (value != 0);
  for (std::size_t i = 0; i < count; ++i)
    out[i] = reversed[count - 1 - i];
  return count;
}

}  // namespace zek::dxf
