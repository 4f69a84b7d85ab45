// The commands and the AutoLISP function of zekboundary: the plate boundary
// rectangle (ZEKBDY, ZEKBDY1), its settings dialog (ZEKBDYS) and the offset
// of a picked outline (ZEKBDY2).
#pragma once

#include "ads.h"

namespace zek {

// ZEKBDY: prints the settings, asks for a selection and draws the boundary
// rectangle round it as a closed polyline in model space. Nothing selected,
// or nothing whose extents read, ends it; corners too big for the sides
// print "\nRadius or Chamfer is too big" and draw nothing.
void drawPlateBoundary();

// ZEKBDYS: the settings dialog (resource 101); its "ZEKBDY" button stores
// the settings and then runs ZEKBDY.
void editBoundarySettings();

// (ZEKBDY1 offset c1 c2 c3 c4): stores the numbers given (in range) and,
// with all five, draws as ZEKBDY does; without arguments every setting
// becomes 0. A non-number prints "argument should be an real." and answers
// RTERROR; otherwise hands back nothing and answers RTNORM.
[[nodiscard]] int setBoundaryAndDraw(const resbuf* args);

// ZEKBDY2: asks for outlines ("Skip selection to set offset value") and
// draws each closed one offset by the offset setting, outwards for a
// positive value; Enter instead of a selection asks for the offset value.
void offsetSelectedOutlines();

}  // namespace zek
