// The five values of the corner overcut (R1, R2, R3, W, S), kept from the
// module's load to its unload, and the checks ZEKGQ makes of them.
#pragma once

namespace zek {

// An R2 below this draws no fillet from the overcut arc back to line 2.
constexpr double kMinFilletRadius = 0.05;

struct OvercutSettings {
  double r1 = 0.4;   // radius of the overcut arc
  double r2 = 0.4;   // radius of the fillet back to the second line
  double r3 = 0.4;   // radius of the fillet of the step
  double w = 0.8;    // width of the step
  double s = 0.05;   // depth by which the overcut arc passes the second line
};

// The module's values, shared by ZEKGQ and the ZEKGQS dialog.
OvercutSettings& overcutSettings();

// The message of the first value ZEKGQ refuses ("\nRadius1 invalid", ...),
// or null when all five may be drawn with. An R2 below kMinFilletRadius is
// no fault: it only leaves the fillet out.
const char* settingsRefusal(const OvercutSettings& settings);

}  // namespace zek
