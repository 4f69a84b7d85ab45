// The drawing's current dimension variables (header $DIM*) and a
// dimension's resolved values, for the getters, setters and system variables.
#pragma once

#include <optional>

#include "db/dimvars/dim_var_table.h"

class AcDbDatabase;
class AcDbDimension;
class AcDbDimStyleTableRecord;

namespace zek {

// The header's value of a variable, when the header has it (names of text
// styles and arrow blocks resolve to their records where the drawing has them).
std::optional<DimValue> headerValue(const AcDbDatabase& db, const DimVarEntry& entry);
// Sets the header variable ($DIMTXT 40, $DIMTAD 70, $DIMPOST 1, $DIMTXSTY 7 ...);
// a variable the header lacks is added after the other $DIM* variables.
void setHeaderValue(AcDbDatabase& db, const DimVarEntry& entry, const DimValue& value);

// The style record a dimension shows with, or null (outside a database, or
// the style is gone).
const AcDbDimStyleTableRecord* styleOf(const AcDbDimension& dimension);
// One variable of a dimension: its override, else its style's, else our
// template's (DimVars{}).
DimValue dimensionValue(const AcDbDimension& dimension, const DimVarEntry& entry);
// Files a value as the dimension's override; see the AcDbDimension setters.
[[nodiscard]] Acad::ErrorStatus setDimensionValue(AcDbDimension& dimension,
                                                  const DimVarEntry& entry,
                                                  const DimValue& value);
// The "ACAD" application, made a real record of the drawing when missing.
void ensureAcadRegApp(AcDbDatabase& db);

}  // namespace zek
