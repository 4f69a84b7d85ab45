// What every drawing holds: the nine symbol tables, layer "0", the BYBLOCK,
// BYLAYER and CONTINUOUS linetypes, the STANDARD text and dimension styles,
// the ACAD application, the *Active viewport, model and paper space, and for
// R2000 and later the root dictionary with groups and layouts.
#pragma once

class AcDbDatabase;

namespace zek {

// Header variables, tables, records and objects of a new drawing.
void buildDefaultDrawing(AcDbDatabase& db);
// Adds what is missing of the standard tables and records (after reading a
// file that lacks some) and sets the database's well-known ids.
void ensureStandardContent(AcDbDatabase& db);
// Adds the root dictionary, ACAD_GROUP and ACAD_LAYOUT with the Model and
// Layout1 layouts when the objects section is empty (R12 drawings written as
// R2000 or later).
void ensureStandardObjects(AcDbDatabase& db);

}  // namespace zek
