// Reading and setting system variables: the table's variables where they
// live (header, document, session, computed) and the dimension variables
// through the dimension-variable table. acedGetVar and acedSetVar call these.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ads.h"
#include "editor/vars/sysvar_table.h"

namespace zek {

// Why a value was refused (the command prompt prints the matching message).
enum class SysvarRefusal {
  None,
  Unknown,         // no variable of that name
  NoDocument,      // the variable needs a drawing and none is open
  ReadOnly,
  WrongType,       // a real for an integer variable, a number for a text ...
  OutOfRange,      // an integer or real outside the variable's range
  NotPositive,     // zero or less for a size that must be above zero
  NoSuchLayer,
  FrozenLayer,     // CLAYER may not name a frozen layer
  NoSuchLinetype,
  NoSuchTextStyle,
  BadColor,
  BadLineWeight,
  Rejected,        // the dimension variables refused it
};

// Who sets: a module through acedSetVar (read-only variables refused) or the
// host itself (UNDO keeps UNDOCTL, ZOOM the view ...).
enum class SysvarWriter { Module, Host };

// The current value of a variable of the current document (session variables
// also without one). Strings are new copies made with acutNewString: the
// caller frees them with acutDelString (acutRelRb when the resbuf is part of a
// list). rbnext is left as it was. RTNORM, or RTERROR for an unknown name or
// when no document is open for a document's variable.
[[nodiscard]] int getSysvar(std::string_view name, resbuf& value);
// Sets a variable; RTNORM, or RTERROR for an unknown name, a read-only
// variable (for modules), a wrong type or a value out of range. Integers come
// as RTSHORT or as RTLONG within the short range; reals as RTREAL (integers
// accepted); 2D and 3D points as RTPOINT or RT3DPOINT (a 2D point's z is 0);
// texts as RTSTR. Prints nothing.
[[nodiscard]] int setSysvar(std::string_view name, const resbuf& value,
                            SysvarWriter writer = SysvarWriter::Module);
// As setSysvar, answering why it refused.
[[nodiscard]] SysvarRefusal trySetSysvar(std::string_view name, const resbuf& value,
                                         SysvarWriter writer = SysvarWriter::Module);

// The value of a table variable (not a dimension variable), or nothing.
std::optional<SysvarValue> sysvarValue(std::string_view name);
// Host shortcuts: an integer or real variable, or the fallback when it cannot
// be read (unknown, no document). Dimension variables included.
short sysvarShort(std::string_view name, short fallback);
double sysvarReal(std::string_view name, double fallback);

// A name is a system variable (of the table or a dimension variable).
bool isSysvar(std::string_view name);

// Puts every session variable (OSMODE, PICKBOX, PICKFIRST, FILEDIA, CMDDIA)
// back to its default: tests start from a fresh host with it.
void resetSessionSysvars();

// The variables a cancelled command must leave as it found them: a command
// that turns snapping, ortho or echo off for its picks puts them back.
inline constexpr std::array<std::string_view, 3> kCancelRestoredSysvars = {"OSMODE", "ORTHOMODE",
                                                                           "CMDECHO"};
// Their current values, in that order, as decimal text; "?" for one that
// cannot be read as a short (ORTHOMODE and CMDECHO without a document).
std::vector<std::string> cancelRestoredSysvarValues();

// resbuf ↔ value.
void toResbuf(const SysvarValue& value, resbuf& rb);

}  // namespace zek
