// The AutoLISP functions of zekislands: the island the drafter points at,
// as a rectangle (ZEKISLANDS, ZEKISLANDS2) or as its objects (ZEKISLANDS1),
// and the switch that closes and opens the islands (ZEKISLANDSSET).
#pragma once

#include "ads.h"

namespace zek {

// (ZEKISLANDS), (ZEKISLANDS2): finds the islands in view and asks for a
// point; hands back ((minX minY 0.0) (maxX maxY 0.0)) in the UCS for the
// island holding it, nil for a point outside every island ("\npick
// nothing"), for Esc or Enter, and while islands are closed; nothing at all
// when no object in view passes the filter. Arguments are ignored. Answers
// RTNORM.
[[nodiscard]] int pickIslandRectangle(const resbuf* args);

// (ZEKISLANDS1 [n]): finds the islands and asks for up to n points (a short,
// 100 when missing or of another type), stopping at Enter or Esc; hands back
// a selection set of the objects of every island hit, held until the next
// call or until the islands close; nil when no point hit an island, for n
// below 1 and while islands are closed. Answers RTNORM.
[[nodiscard]] int pickIslandMembers(const resbuf* args);

// (ZEKISLANDSSET): closes the islands ("\nislands closed", the held
// selection set released) or opens them again ("\nislands opened"). Hands
// back nothing. Answers RTNORM.
[[nodiscard]] int toggleIslands(const resbuf* args);

// Hands back nil; RTNORM (RTERROR outside an AutoLISP call).
[[nodiscard]] int returnNil();

}  // namespace zek
