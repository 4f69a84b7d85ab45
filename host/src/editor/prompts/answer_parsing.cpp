// Answer text: numbers, points, angles and keyword lists.
#include "editor/prompts/answer_parsing.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace zek {

static bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmedAnswer(std::string_view text) {
  while (!text.empty() && isBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && (isBlank(text.back()) || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) !=
        std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

std::string upperCased(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

std::vector<std::string> splitWords(std::string_view text) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && isBlank(text[i]))
      ++i;
    std::size_t start = i;
    while (i < text.size() && !isBlank(text[i]))
      ++i;
    if (i > start)
      words.emplace_back(text.substr(start, i - start));
  }
  return words;
}

// The number grammar of the prompts, checked by hand so that strtod's extras
// (hexadecimal, "inf", "nan", leading blanks inside components) stay out.
static bool isNumberText(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-'))
    ++i;
  std::size_t digits = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
    ++i;
    ++digits;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
      ++i;
      ++digits;
    }
  }
  if (digits == 0)
    return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
      ++i;
    std::size_t exponentDigits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
      ++i;
      ++exponentDigits;
    }
    if (exponentDigits == 0)
      return false;
  }
  return i == text.size();
}

std::optional<double> parseRealAnswer(std::string_view text) {
  text = trimmedAnswer(text);
  if (!isNumberText(text))
    return std::nullopt;
  if (text.front() == '+')
    text.remove_prefix(1);
  double value = 0.0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::optional<long long> parseIntegerAnswer(std::string_view text) {
  text = trimmedAnswer(text);
  const bool plus = !text.empty() && text.front() == '+';
  if (plus)
    text.remove_prefix(1);
  // One sign at most: "++3" and "+-3" are no integers, as they are no reals.
  if (text.empty() || text.front() == '+' || (plus && text.front() == '-'))
    return std::nullopt;
  long long value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size())
    return std::nullopt;
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return value;
}

static constexpr double kDegree = 3.14159265358979323846 / 180.0;

std::optional<TypedPoint> parsePointAnswer(std::string_view text) {
  text = trimmedAnswer(text);
  TypedPoint typed;
  if (!text.empty() && text.front() == '@') {
    typed.relative = true;
    text = trimmedAnswer(text.substr(1));
    if (text.empty())
      return typed;  // "@": the last point itself
  } else if (!text.empty() && text.front() == '*') {
    typed.world = true;
    text = trimmedAnswer(text.substr(1));
  }
  if (std::size_t angleMark = text.find('<'); angleMark != std::string_view::npos) {
    auto distance = parseRealAnswer(text.substr(0, angleMark));
    auto angle = parseRealAnswer(text.substr(angleMark + 1));
    if (!distance || !angle)
      return std::nullopt;
    typed.value = {*distance * std::cos(*angle * kDegree), *distance * std::sin(*angle * kDegree),
                   0.0};
    return typed;
  }
  double coordinates[3] = {0.0, 0.0, 0.0};
  int count = 0;
  std::size_t start = 0;
  while (true) {
    std::size_t comma = text.find(',', start);
    std::string_view part =
        text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
    auto value = parseRealAnswer(part);
    if (!value || count == 3)
      return std::nullopt;
    coordinates[count++] = *value;
    if (comma == std::string_view::npos)
      break;
    start = comma + 1;
  }
  if (count < 2)
    return std::nullopt;
  typed.value = {coordinates[0], coordinates[1], coordinates[2]};
  typed.hasZ = count == 3;
  return typed;
}

AcGePoint3d placeTypedPoint(const TypedPoint& typed, const AcGePoint3d& lastPointUcs,
                            const AcGeMatrix3d& worldToUcs) {
  if (typed.relative)
    return lastPointUcs + typed.value.asVector();
  if (typed.world)
    return worldToUcs * typed.value;
  return typed.value;
}

std::optional<double> parseAngleAnswer(std::string_view text) {
  auto degrees = parseRealAnswer(text);
  if (!degrees)
    return std::nullopt;
  return *degrees * kDegree;
}

// ---- Keywords ---------------------------------------------------------------

KeywordList::Name KeywordList::makeName(std::string_view word) {
  Name name;
  if (std::size_t comma = word.find(','); comma != std::string_view::npos && comma > 0) {
    name.text = std::string(word.substr(0, comma));
    name.abbreviation = upperCased(word.substr(comma + 1));
    if (name.abbreviation.empty())
      name.abbreviation = upperCased(name.text);
    name.needed = name.abbreviation.size();
    return name;
  }
  name.text = std::string(word);
  // The capitals (and digits) are the abbreviation, and a typed prefix must
  // reach the last capital: "LType" takes "LT", "LTY"; "eXit" takes "X",
  // "EX". A word without capitals is typed whole.
  for (std::size_t i = 0; i < name.text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(name.text[i]);
    if (std::isupper(c) || std::isdigit(c)) {
      name.abbreviation += name.text[i];
      if (std::isupper(c))
        name.needed = i + 1;
    }
  }
  if (name.needed == 0) {
    name.abbreviation = upperCased(name.text);
    name.needed = name.text.size();
  }
  return name;
}

KeywordList::KeywordList(std::string_view list) {
  std::vector<std::string> words = splitWords(list);
  std::vector<std::string> globals;
  bool inGlobals = false;
  for (std::string& word : words) {
    if (!inGlobals && word.front() == '_') {
      inGlobals = true;
      word.erase(0, 1);
      if (word.empty())
        continue;
    }
    if (inGlobals) {
      globals.push_back(word);
      continue;
    }
    Keyword keyword;
    keyword.local = makeName(word);
    keyword.global = keyword.local;
    keywords_.push_back(std::move(keyword));
  }
  for (std::size_t i = 0; i < keywords_.size() && i < globals.size(); ++i)
    keywords_[i].global = makeName(globals[i]);
}

bool KeywordList::matchesName(std::string_view answer, const Name& name) {
  if (answer.empty() || answer.size() > name.text.size())
    return false;
  if (equalsNoCase(answer, name.abbreviation))
    return true;
  return answer.size() >= name.needed &&
         equalsNoCase(answer, std::string_view(name.text).substr(0, answer.size()));
}

std::optional<std::size_t> KeywordList::match(std::string_view answer) const {
  answer = trimmedAnswer(answer);
  bool globalOnly = false;
  if (!answer.empty() && answer.front() == '_') {
    globalOnly = true;
    answer.remove_prefix(1);
  }
  if (answer.empty())
    return std::nullopt;
  auto nameOf = [globalOnly](const Keyword& keyword) -> const Name& {
    return globalOnly ? keyword.global : keyword.local;
  };
  // A keyword typed in full wins over another keyword it abbreviates.
  for (std::size_t i = 0; i < keywords_.size(); ++i) {
    if (equalsNoCase(answer, nameOf(keywords_[i]).text))
      return i;
  }
  for (std::size_t i = 0; i < keywords_.size(); ++i) {
    if (matchesName(answer, nameOf(keywords_[i])))
      return i;
  }
  return std::nullopt;
}

std::string numberAnswerText(double value) {
  if (value == 0.0)
    return "0";
  char buffer[64];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  if (error != std::errc())
    return "0";
  return std::string(buffer, end);
}

}  // namespace zek
