// The drawing the selection tests and golden scripts select from: a small
// plate with lines, holes, an arc, a text, a bulged polyline, a block
// reference and entities on frozen, off and locked layers. Coordinates are
// chosen so that each selection mode has one clear answer (see README.md).
#pragma once

#include <map>
#include <string>

#include "db_database.h"

namespace zek::test {

// Builds the plate into the drawing (model space) and answers its entities by
// name: "bottom", "right" (lines), "hole1", "hole2" (circles on HOLES),
// "arc", "label" (TEXT on TEXT), "frozen", "off" (circles on the frozen and
// the off layer), "locked" (a line on LOCKED), "slot" (LWPOLYLINE with a
// bulge), "pin" (INSERT of block PIN), "paper" (a line in paper space).
std::map<std::string, AcDbObjectId> buildSelectionPlate(AcDbDatabase& db);

// A new empty block of that name, or the null id.
AcDbObjectId addBlock(AcDbDatabase& db, const char* name);
// Appends an entity to a block (taking the drawing's current properties
// where it has none) and closes it.
void appendToBlock(AcDbDatabase& db, AcDbObjectId block, AcDbEntity* entity);
// The block a block reference places.
AcDbObjectId blockOf(AcDbObjectId reference);

// "CIRCLE 2A": an entity's DXF type and handle, as the probes print them.
std::string describeEntity(AcDbObjectId id);

}  // namespace zek::test
