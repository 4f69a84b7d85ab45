// ZEKGETPOINT: the AutoLISP function that drags a box of a given size and
// answers the picked point.
#pragma once

#include "ads.h"

namespace zek {

// (ZEKGETPOINT width height [centred]): width and height reals or shorts; any
// third argument centres the box on the cursor. Hands back the picked point
// in the current UCS, or nil when the drafter cancels, and answers RTNORM;
// wrong arguments print their message and answer RTERROR.
[[nodiscard]] int pickBoxPoint(const resbuf* args);

}  // namespace zek
