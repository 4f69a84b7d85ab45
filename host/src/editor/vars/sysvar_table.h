// The table of system variables: each one's name, value type, default, range,
// read-only flag and where its value lives (the drawing's header, the
// document, the host session, or a value computed from the document).
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "ge_geometry.h"

namespace zek {

class Document;

enum class SysvarType {
  Short,    // RTSHORT
  Real,     // RTREAL
  Point2d,  // RTPOINT
  Point3d,  // RT3DPOINT
  Text,     // RTSTR
};

enum class SysvarHome {
  Header,    // the drawing's header variable "$NAME", saved with the drawing
  Document,  // kept by the document while it is open, not saved
  Session,   // kept by the host for every document, not saved
  Computed,  // read from (and written to) the document's view, UCS, name ...
};

// What a text value must name, or how a number is bounded.
enum class SysvarCheck {
  None,
  Positive,      // a real above zero
  Layer,         // an existing layer that is not frozen
  Linetype,      // an existing linetype
  TextStyle,     // an existing text style
  Color,         // BYLAYER, BYBLOCK, 1..255 or a colour name
  LineWeight,    // -3 (default), -2 (BYBLOCK), -1 (BYLAYER) or a standard weight
};

// A value of a variable of any type.
struct SysvarValue {
  SysvarType type = SysvarType::Short;
  short integer = 0;
  double real = 0.0;
  AcGePoint3d point;
  std::string text;
};

struct SysvarInfo {
  const char* name;  // upper case
  SysvarType type;
  SysvarHome home;
  bool readOnly;
  const char* defaultValue;  // as text: "0", "2.5", "0,0,0", "Standard"
  double low;                // range of numbers (inclusive), ignored for others
  double high;
  SysvarCheck check = SysvarCheck::None;
  int headerCode = 0;        // group code of the header variable's value
  bool isAngle = false;      // a real holding an angle in radians (ANGBASE)
  // Computed variables: read and write the document (write null when read-only).
  bool (*compute)(Document& document, SysvarValue& value) = nullptr;
  bool (*store)(Document& document, const SysvarValue& value) = nullptr;
};

// Every variable of the table except the dimension variables, sorted by name.
std::span<const SysvarInfo> sysvarTable();
// The row of a name (any case), or null. DIM* names other than DIMSTYLE are
// not in the table: they belong to the dimension variables.
const SysvarInfo* findSysvar(std::string_view name);
// The default of a row as a value.
SysvarValue defaultValueOf(const SysvarInfo& info);

}  // namespace zek
