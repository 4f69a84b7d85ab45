// The system variables that live in the drawing's header: reading them
// (a variable the file lacks reads as its default) and writing them, the
// name-valued ones (CLAYER, CELTYPE, TEXTSTYLE) through the database so that
// the header holds the record's own spelling.
#pragma once

#include "editor/vars/sysvars.h"

class AcDbDatabase;

namespace zek {

SysvarValue readHeaderVariable(const SysvarInfo& info, AcDbDatabase& db);
// Writes a checked value; refuses a missing or frozen layer, a missing
// linetype or text style and a colour that is no colour.
SysvarRefusal writeHeaderVariable(const SysvarInfo& info, AcDbDatabase& db,
                                  const SysvarValue& value);
// -3 (default), -2 (BYBLOCK), -1 (BYLAYER) or a standard weight in 1/100 mm.
bool isLineWeight(int weight);

}  // namespace zek
