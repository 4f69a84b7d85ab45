// zekadxy1.dat: the linetype and colour a newly created centre-line layer
// gets, read once when the module loads.
#pragma once

#include <string_view>

#include "settings/ordinate_settings.h"

namespace zek::adxy1 {

inline constexpr char kOrdinateSettingsFileName[] = "zekadxy1.dat";
inline constexpr char kLineNameHeader[] = "[LINE_NAME]";
// The words after the header that are looked at, skipped ones included.
inline constexpr int kLineNameWordLimit = 2000;
// Words shorter than this are passed over: "NAME=" or "COLOR=" and at least
// two characters more.
inline constexpr std::size_t kShortestLineNameWord = 8;

// Reads the "[LINE_NAME]" section of a zekadxy1.dat text into the settings:
// "NAME=..." sets centreLinetype, "COLOR=nn" centreColour (0 < c < 255).
// Without the header (within the first 2000 words) nothing changes.
void readLineNameSection(std::string_view text, OrdinateSettings& settings);

// Finds zekadxy1.dat on the support path and reads it into the settings.
// Not found: "\nThe file zekadxy1.dat not been found"; not readable:
// "\nDefinition file not open"; the settings are then left as they are.
void loadOrdinateSettingsFile(OrdinateSettings& settings);

}  // namespace zek::adxy1
