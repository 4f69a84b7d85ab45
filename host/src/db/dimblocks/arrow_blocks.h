// The blocks of named arrow heads (DIMBLK, DIMBLK1, DIMBLK2, DIMLDRBLK):
// the drawing's own, or the standard shape made when a drawing names a
// standard arrow head it does not define.
#pragma once

#include <string>

#include "db_core.h"

class AcDbDatabase;

namespace zek {

// The block of the arrow head `name` (case ignored). A standard name the
// drawing lacks ("_BoxBlank", "_ArchTick", "_Dot" ...) gets its block,
// drawn one unit long with the tip at the origin pointing along +X, on
// layer "0" in colour and linetype BYBLOCK. Null for any other name the
// drawing lacks (the caller then draws the closed filled arrow).
[[nodiscard]] AcDbObjectId arrowBlock(AcDbDatabase& db, const std::string& name);

}  // namespace zek
