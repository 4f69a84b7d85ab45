// The commands of zekcenline.arx and the settings the cross commands share.
#pragma once

#include "centres.h"

namespace zek {

// ZEKCENLINE1: an axis-parallel cross on each selected circle (and arc);
// Enter at the selection shows and edits the settings instead.
void drawCentreCrosses();
// ZEKCENLINE2: the same crosses turned by π/4.
void drawTurnedCentreCrosses();
// ZEKDIAMETER: a new radius for one picked circle or arc, typed as a radius
// ("R4") or a diameter ("10").
void changeRadiusFromInput();

// The settings of ZEKCENLINE1 and ZEKCENLINE2 while the module is loaded.
CentreLineSettings& centreLineSettings();

}  // namespace zek
