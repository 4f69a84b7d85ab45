// Creating a standard layer that a drawing lacks: linetype looked up (and
// loaded from "acadiso.lin" when missing), an existing layer left as it is.
#pragma once

#include "db_database.h"
#include "db_symtab.h"

namespace zek::inline foundation {

constexpr char kLinetypeFileName[] = "acadiso.lin";
constexpr char kFallbackLinetype[] = "CONTINUOUS";

// The drawing's linetype of that name; when the drawing lacks it, it is
// loaded from "acadiso.lin" and looked up again; when it is still missing
// (or the name is empty), "CONTINUOUS". A null id only when the linetype
// table cannot be opened.
[[nodiscard]] AcDbObjectId findOrLoadLinetype(AcDbDatabase& db, const char* linetypeName);

// The layer of that name in db: created when missing (thawed, on, not frozen
// in new viewports, unlocked, the colour index, the lineweight and the
// linetype of findOrLoadLinetype); an existing layer keeps its colour,
// linetype, lineweight and states, frozen included. Answers the layer's id,
// or a null id when the layer table cannot be opened or the record is
// refused (an invalid name). Every table and record is closed on every path.
[[nodiscard]] AcDbObjectId ensureLayer(AcDbDatabase& db, const char* name, int colourIndex,
                                       const char* linetypeName, AcDb::LineWeight lineweight);
// The same in the working drawing (a null id when there is none).
[[nodiscard]] AcDbObjectId ensureLayer(const char* name, int colourIndex, const char* linetypeName,
                                       AcDb::LineWeight lineweight);

}  // namespace zek::inline foundation
