// Reading the radius or diameter typed at ZEKDIAMETER.
#include "radius_answer.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace zek {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The number the text begins with, as atof reads it, in the C locale
// whatever the drafter's locale says (a drawing's numbers use a decimal
// point); 0 when there is none.
double leadingNumber(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && isBlank(text[at]))
    ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  // One sign only: from_chars would take a second minus.
  if (at >= text.size() || text[at] == '+' || text[at] == '-')
    return 0.0;
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data() + at, text.data() + text.size(), value);
  (void)end;  // what follows the number ("mm", a second number) is not read
  if (error != std::errc() || !std::isfinite(value))
    return 0.0;
  return negative ? -value : value;
}

}  // namespace

double radiusFromAnswer(std::string_view answer) {
  if (!answer.empty() && (answer.front() == 'r' || answer.front() == 'R'))
    return leadingNumber(answer.substr(1));
  return leadingNumber(answer) / 2.0;
}

}  // namespace zek
