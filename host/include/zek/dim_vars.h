// The dimension variables (DIM*): one table of every variable with its DXF
// group code, type and default; the values a dimension shows with (its style
// plus its own overrides); the drawing's current values (header $DIM*); and
// the measured text built from a value and those variables.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ads.h"
#include "db_core.h"

class AcDbDatabase;
class AcDbDimension;
class AcDbDimStyleTableRecord;

namespace zek {

// The resolved variables of one dimension (or of a style, or of the drawing).
// Field names are the variables' own in lower case; colours are ACI numbers
// (0 BYBLOCK, 256 BYLAYER); DIMDSEP is the separator's character code.
struct DimVars {
  // Sizes (drawing units before DIMSCALE).
  double dimscale = 1.0;
  double dimasz = 2.5;
  double dimexo = 0.625;
  double dimexe = 1.25;
  double dimtxt = 2.5;
  double dimgap = 0.625;
  double dimdle = 0.0;
  double dimdli = 3.75;
  double dimcen = 2.5;
  double dimtsz = 0.0;
  double dimtvp = 0.0;
  double dimtfac = 1.0;
  double dimlfac = 1.0;
  double dimrnd = 0.0;
  double dimaltf = 25.4;
  // Placement and formatting.
  int dimtad = 1;
  int dimjust = 0;
  int dimtih = 0;
  int dimtoh = 0;
  int dimtix = 0;
  int dimtofl = 1;
  int dimsoxd = 0;
  int dimse1 = 0;
  int dimse2 = 0;
  int dimsd1 = 0;
  int dimsd2 = 0;
  int dimsah = 0;
  int dimatfit = 3;
  int dimtmove = 0;
  int dimupt = 0;
  int dimdec = 2;
  int dimzin = 0;
  int dimlunit = 2;
  int dimfrac = 0;
  int dimdsep = '.';
  int dimaunit = 0;
  int dimadec = 0;
  int dimazin = 0;
  int dimclrd = 0;
  int dimclre = 0;
  int dimclrt = 0;
  int dimlwd = -2;  // BYBLOCK
  int dimlwe = -2;
  int dimtolj = 1;
  int dimtol = 0;
  int dimlim = 0;
  int dimalt = 0;
  // Tolerances and alternate units: read, kept and resolved, not formatted.
  double dimtp = 0.0;
  double dimtm = 0.0;
  double dimaltrnd = 0.0;
  int dimaltd = 2;
  int dimtdec = 2;
  int dimaltu = 2;
  int dimalttd = 2;
  int dimtzin = 0;
  int dimaltz = 0;
  int dimalttz = 0;
  // Filed by R13 and R14 drawings only (DIMLUNIT/DIMFRAC and DIMATFIT/DIMTMOVE
  // took their place).
  int dimunit = 2;
  int dimfit = 3;
  // Texts: DIMPOST ("<>" marks where the value goes), arrow block names
  // ("" is the closed filled arrow).
  std::string dimpost;
  std::string dimapost;
  std::string dimblk;
  std::string dimblk1;
  std::string dimblk2;
  std::string dimldrblk;
  // The text style (DIMTXSTY); null means the drawing's STANDARD style.
  AcDbObjectId dimtxsty;
};

// One variable of the table.
struct DimVarInfo {
  enum class Type { Real, Int, Text, Handle };
  const char* name;  // "DIMTAD"
  int code;          // group code in DIMSTYLE records and in DSTYLE override data
  Type type;
  // The value of a record that does not file the group (the format's
  // defaults: R2000 and later records file only what differs from them).
  // Reals and integers; texts default to "" and handles to null.
  double fileDefault = 0.0;
  // Group code of the $ variable in the HEADER section (40 reals, 70
  // integers, 1 texts and arrow names, 7 the text style name); 0 for none.
  int headerCode = 0;
  // R12 records file it (R12 files arrow blocks by name under 5, 6 and 7).
  bool inR12 = false;
};

// The variable of this name (case-insensitive, with or without "$"), or null.
const DimVarInfo* findDimVar(std::string_view name);
// The variable filed under this DIMSTYLE group code, or null. Codes 5, 6
// and 7 answer DIMBLK, DIMBLK1 and DIMBLK2 in their R12 form (a name).
const DimVarInfo* findDimVarByCode(int code);
// Every variable of the table, in DXF reference order (the R12 name forms of
// the arrow blocks last): count and entry by index.
int dimVarCount();
const DimVarInfo& dimVarAt(int index);
// The values of a record that files no group at all (the format's defaults:
// DIMTXT 0.18, DIMDEC 4, ...). DimVars{} is our metric template instead.
DimVars fileDefaultDimVars();

// The values of a dimension: its style's, then its own overrides. A
// dimension outside a database (or whose style is gone) starts from DimVars{}.
DimVars dimVarsOf(const AcDbDimension& dimension);
// The values of a style record.
DimVars dimVarsOf(const AcDbDimStyleTableRecord& style);
// The drawing's current values (its header variables, else its current style).
DimVars currentDimVars(const AcDbDatabase& db);

// The drawing's current value of one variable as a resbuf (RTREAL, RTSHORT or
// RTSTR); RTNORM, or RTERROR for a name that is not a dimension variable.
// A string (RTSTR) is made with acutNewString: the caller frees it with
// acutDelString. DIMSTYLE answers the current style's name.
[[nodiscard]] int getDimSysvar(const AcDbDatabase& db, std::string_view name, resbuf& value);
// Sets it; RTERROR for an unknown name, a wrong type or a value out of range.
[[nodiscard]] int setDimSysvar(AcDbDatabase& db, std::string_view name, const resbuf& value);
// True for DIMSTYLE and the names of the table (with or without "$").
bool isDimSysvar(std::string_view name);

// Makes a style the current one, as restoring a style at the command line
// does: $DIMSTYLE names it and every header $DIM* variable takes its value.
// eInvalidInput for an id that is not a dimension style of this drawing.
[[nodiscard]] Acad::ErrorStatus restoreDimStyle(AcDbDatabase& db, AcDbObjectId style);

// One override of a dimension as its DSTYLE data files it: the variable's
// group code, then the group that holds the value (1040 real, 1070 integer,
// 1000 text, 1005 handle) with its text as filed.
struct DimOverride {
  int code = 0;
  int valueCode = 0;
  std::string text;
  bool operator==(const DimOverride&) const = default;
};
// The overrides of a dimension in the order they are filed.
std::vector<DimOverride> dimOverridesOf(const AcDbDimension& dimension);
// Drops the override of one variable (the dimension open for write); the
// dimension shows its style's value again. eKeyNotFound when it had none.
[[nodiscard]] Acad::ErrorStatus removeDimOverride(AcDbDimension& dimension, std::string_view name);
// Capture at creation: every header $DIM* variable of the dimension's
// drawing whose value differs from the dimension's style becomes an override
// of the dimension, unless it has its own override of that variable already
// (a module's explicit setDimdec before appending wins). Called when a
// dimension that was never in a drawing is appended.
void captureDimOverrides(AcDbDimension& dimension);

// The measured value as text: DIMLFAC, DIMRND, DIMLUNIT, DIMDEC, DIMZIN,
// DIMDSEP, then DIMPOST ("4177,65" for 4177.654 with DIMDEC 2 and a comma).
std::string formatMeasurement(double value, const DimVars& vars);
// The text a dimension shows: an empty override is the measurement, "<>" in
// an override stands for it, a blank override (" ") shows nothing.
std::string dimensionDisplayText(std::string_view override, double measurement,
                                 const DimVars& vars);

}  // namespace zek
