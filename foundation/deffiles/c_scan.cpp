// The C scan conversions of the definition files, one token at a time:
// "%i", "%d", "%le", "%s", and KEY=value prefixes.
#include "deffiles/definition_file.h"

#include <cassert>
#include <cerrno>
#include <cstdlib>
#include <locale.h>

namespace zek::inline foundation {
namespace {

enum class Conversion { Text, Integer, DecimalInteger, Real, Unknown };

Conversion conversionOf(std::string_view piece) {
  if (piece == "%s")
    return Conversion::Text;
  if (piece == "%i" || piece == "%li")
    return Conversion::Integer;
  if (piece == "%d" || piece == "%ld")
    return Conversion::DecimalInteger;
  for (std::string_view real : {"%le", "%lf", "%lg", "%e", "%f", "%g"})
    if (piece == real)
      return Conversion::Real;
  return Conversion::Unknown;
}

// The conversions of a format, in order: pieces separated by blanks.
std::vector<Conversion> conversionsOf(std::string_view format) {
  std::vector<Conversion> conversions;
  std::size_t at = 0;
  while (at < format.size()) {
    const std::size_t start = format.find_first_not_of(" \t\n", at);
    if (start == std::string_view::npos)
      break;
    std::size_t end = format.find_first_of(" \t\n", start);
    if (end == std::string_view::npos)
      end = format.size();
    conversions.push_back(conversionOf(format.substr(start, end - start)));
    assert(conversions.back() != Conversion::Unknown && "a record format of %s, %i, %d, %le");
    at = end;
  }
  return conversions;
}

std::optional<long> scanLong(std::string_view token, int base) {
  const std::string text(token);  // the C functions need the terminating zero
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(text.c_str(), &end, base);
  if (end == text.c_str())
    return std::nullopt;  // no digits: the conversion fails
  return value;           // out of range: LONG_MIN or LONG_MAX, as sscanf gives
}

std::optional<ScannedValue> convert(Conversion conversion, std::string_view token) {
  switch (conversion) {
    case Conversion::Text: return ScannedValue(std::string(token));
    case Conversion::Integer:
      if (const std::optional<long> value = scanInt(token))
        return ScannedValue(*value);
      return std::nullopt;
    case Conversion::DecimalInteger:
      if (const std::optional<long> value = scanDecimalInt(token))
        return ScannedValue(*value);
      return std::nullopt;
    case Conversion::Real:
      if (const std::optional<double> value = scanReal(token))
        return ScannedValue(*value);
      return std::nullopt;
    case Conversion::Unknown: return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

std::optional<long> scanInt(std::string_view token) { return scanLong(token, 0); }

std::optional<long> scanDecimalInt(std::string_view token) { return scanLong(token, 10); }

std::optional<double> scanReal(std::string_view token) {
  // The files write a decimal point whatever the drafter's locale says.
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  const std::string text(token);
  char* end = nullptr;
  const double value = cLocale != static_cast<locale_t>(nullptr)
                           ? strtod_l(text.c_str(), &end, cLocale)
                           : std::strtod(text.c_str(), &end);
  if (end == text.c_str())
    return std::nullopt;
  return value;
}

bool hasKeyPrefix(std::string_view token, std::string_view key) {
  return token.size() >= key.size() && token.substr(0, key.size()) == key;
}

std::string_view keyValue(std::string_view token, std::size_t keyLength) {
  return token.size() <= keyLength ? std::string_view() : token.substr(keyLength);
}

std::vector<ScannedValue> scanFields(TokenReader& reader, std::string_view format) {
  std::vector<ScannedValue> fields;
  for (Conversion conversion : conversionsOf(format)) {
    const std::optional<std::string_view> token = reader.nextToken();
    if (!token)
      break;
    std::optional<ScannedValue> value = convert(conversion, *token);
    if (!value)
      break;
    fields.push_back(std::move(*value));
  }
  return fields;
}

std::optional<std::vector<ScannedValue>> scanRecord(TokenReader& reader, std::string_view format) {
  const std::size_t wanted = conversionsOf(format).size();
  std::vector<ScannedValue> fields = scanFields(reader, format);
  if (fields.size() != wanted)
    return std::nullopt;
  return fields;
}

}  // namespace zek::inline foundation
