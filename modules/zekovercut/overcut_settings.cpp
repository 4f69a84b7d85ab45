// The module's overcut values and their checks.
#include "overcut_settings.h"

namespace zek {

OvercutSettings& overcutSettings() {
  static OvercutSettings settings;
  return settings;
}

const char* settingsRefusal(const OvercutSettings& settings) {
  // An arc below 0.05 cannot be cut; an overcut deeper than R1 + 0.1 would
  // leave the arc's centre well beyond the second line.
  if (settings.r1 < 0.05 || settings.r1 + 0.1 < settings.s)
    return "\nRadius1 invalid";
  if (settings.r3 < 0.05)
    return "\nRadius3 invalid";
  if (settings.w < 0.05)
    return "\nW-value invalid";
  if (settings.s < 0.009)
    return "\nS-value invalid";
  return nullptr;
}

}  // namespace zek
