// ZEKXY, ZEKXYY, ZEKXXY and ZEKXY6: one placement run each, differing in the
// zero-point mode and in ZEKXY6's second selection.
#include "placement/placement.h"
#include "settings/ordinate_settings.h"

namespace zek::adxy1 {

void dimensionPlate() { runOrdinatePlacement(); }

void dimensionPlateFromCentre() {
  ordinateSettings().zeroMode = kPlateCentre;
  runOrdinatePlacement();
}

void dimensionPlateFromNearestPoint() {
  ordinateSettings().zeroMode = kNearestPoint;
  runOrdinatePlacement();
}

void dimensionPlateWithProfiles() { runOrdinatePlacement(true); }

}  // namespace zek::adxy1
