// The DSTYLE extended data of a dimension: its own values of dimension
// variables, filed as CAD hosts file them under the "ACAD" application
// (1000 DSTYLE, 1002 {, pairs of 1070 code and value, 1002 }).
#pragma once

#include <string>
#include <vector>

#include "db/dimvars/dim_var_table.h"
#include "db_object.h"

namespace zek {

// The pairs in the order filed; pairs whose code is not a number are skipped.
std::vector<DimOverride> parseDimOverrides(const std::vector<KeptGroup>& xdata);
// Writes or replaces the pair of `code`: a pair already there keeps its
// place, a new one goes last; the "ACAD" application and the DSTYLE braces
// are made when missing. Other applications and other "ACAD" data stay as
// they are, in order.
void putDimOverride(std::vector<KeptGroup>& xdata, int code, int valueCode,
                    const std::string& text);
// Removes the pair of `code` (an emptied DSTYLE, and an emptied "ACAD"
// application, go too); false when there was none.
bool eraseDimOverride(std::vector<KeptGroup>& xdata, int code);

// The value an override gives its variable; handles resolve in `db`.
DimValue overrideValue(const DimVarEntry& entry, const DimOverride& override, AcDbDatabase* db);
// The pair a value is filed as: the code (an arrow block by name in its R12
// form, 5/6/7, when it has no block or the drawing is R12), value group code
// and text. DIMTXSTY null files the drawing's STANDARD text style, the
// default arrow files handle 0. Code 0: the value cannot be filed (DIMLDRBLK
// by the name of a block the drawing lacks).
DimOverride overrideOf(const DimVarEntry& entry, const DimValue& value, AcDbDatabase* db);

}  // namespace zek
