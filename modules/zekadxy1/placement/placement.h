// The placement run: ordinate dimensions of every hole and outline feature of
// a plate, from its zero point, with their texts in free room.
#pragma once

namespace zek::adxy1 {

// One run with zeroMode as it is set; withProfiles adds ZEKXY6's second
// selection of profile lines, arcs and polylines.
void runOrdinatePlacement(bool withProfiles = false);

// The commands.
void dimensionPlate();                  // ZEKXY
void dimensionPlateFromCentre();        // ZEKXYY: zeroMode 9, kept
void dimensionPlateFromNearestPoint();  // ZEKXXY: zeroMode 10, kept
void dimensionPlateWithProfiles();      // ZEKXY6

}  // namespace zek::adxy1
