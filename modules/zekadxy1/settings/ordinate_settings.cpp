// The module's settings record, its layer code table, and the rules by which
// the dialog's entries are taken into the record.
#include "settings/ordinate_settings.h"

#include "deffiles/definition_file.h"

namespace zek::adxy1 {

namespace {

// A number read as atof reads it, kept only strictly between the bounds. A
// text with no leading number is no value at all (atof's 0 lies outside
// every one of these ranges, so the two readings agree).
std::optional<double> realBetween(std::string_view text, double lower, double upper) {
  const std::optional<double> value = scanReal(text);
  if (!value || !(*value > lower && *value < upper))
    return std::nullopt;  // NaN fails both comparisons as well
  return value;
}

}  // namespace

OrdinateSettings& ordinateSettings() {
  static OrdinateSettings settings;
  return settings;
}

LayerCodeTable& ordinateLayerCodes() {
  static LayerCodeTable table;
  return table;
}

std::optional<double> acceptedLeaderFactor(std::string_view text) {
  return realBetween(text, 9.9, 1000.1);
}

std::optional<double> acceptedOutsideFactor(std::string_view text) {
  return realBetween(text, 5.0, 1000.1);
}

std::optional<double> acceptedCentreGap(std::string_view text) {
  return realBetween(text, 0.01, 100000.0);
}

bool isCentreColour(long colour) { return colour > 0 && colour < 255; }

std::optional<int> acceptedCentreColour(std::string_view text) {
  // atoi: blanks, a sign and decimal digits; "12abc" is 12. A number too
  // large for a long reads as LONG_MAX, which is no colour either.
  const std::optional<long> colour = scanDecimalInt(text);
  if (!colour || !isCentreColour(*colour))
    return std::nullopt;
  return static_cast<int>(*colour);
}

std::optional<int> acceptedZeroMode(int index) {
  if (index < 0 || index >= kZeroModeCount)
    return std::nullopt;
  return index;
}

std::optional<int> acceptedDecimals(int index) {
  if (index < 0 || index > 4)
    return std::nullopt;
  return index;
}

void takeDialogEntries(const SettingsDialogEntries& entries, OrdinateSettings& settings) {
  if (const auto decimals = acceptedDecimals(entries.millingIndex))
    settings.millingDecimals = *decimals;
  if (const auto decimals = acceptedDecimals(entries.wireCutIndex))
    settings.wireCutDecimals = *decimals;
  if (const auto mode = acceptedZeroMode(entries.zeroModeIndex))
    settings.zeroMode = *mode;
  if (const auto gap = acceptedCentreGap(entries.centreGap))
    settings.centreGap = *gap;
  if (const auto factor = acceptedLeaderFactor(entries.leaderFactor))
    settings.leaderFactor = *factor;
  if (const auto factor = acceptedOutsideFactor(entries.outsideFactor))
    settings.outsideFactor = *factor;
  if (const auto colour = acceptedCentreColour(entries.centreColour))
    settings.centreColour = *colour;
  settings.centreLines = entries.centreLines;
  settings.addSigns = entries.addSigns;
}

}  // namespace zek::adxy1
