// The host's side of the dimension variable table: where each variable goes
// in zek::DimVars, the values it accepts, and values moved between the
// places a variable lives (style records, DSTYLE overrides, header).
#pragma once

#include <string>
#include <string_view>

#include "db_object.h"
#include "zek/dim_vars.h"

namespace zek {

// Reads an object without opening it (host code): marks it open for read
// for the scope unless it is open already.
template <typename T>
class PeekRead {
public:
  explicit PeekRead(const T* object) : object_(const_cast<T*>(object)) {
    mark_ = object_ != nullptr && !object_->isReadEnabled();
    if (mark_)
      object_->markOpened(AcDb::kForRead);
  }
  ~PeekRead() {
    if (mark_)
      object_->markClosed();
  }
  PeekRead(const PeekRead&) = delete;
  PeekRead& operator=(const PeekRead&) = delete;
  T* get() const { return object_; }

private:
  T* object_;
  bool mark_ = false;
};

// The name of a symbol table record ("" for a null or dangling id); unlike a
// plain peek it leaves a record that is open for write as it is.
std::string recordName(AcDbObjectId id);

// What a variable accepts (the setters of records, dimensions and system
// variables check the same rule).
enum class DimVarCheck {
  Any,          // DIMTP, DIMTM, DIMTVP; DIMGAP, DIMCEN (negative: a box, centre lines)
  NonNegative,  // sizes, DIMSCALE, DIMRND
  Positive,     // DIMALTF, DIMTFAC
  NonZero,      // DIMLFAC
  Range,        // integers from minimum to maximum
  Separator,    // DIMDSEP: one character, not NUL
  Lineweight,   // DIMLWD, DIMLWE: -3, -2, -1 or a standard lineweight
  Colour,       // 0..256
  AnyText,      // DIMPOST, DIMAPOST
  TextStyle,    // DIMTXSTY: a text style of the drawing
  Block,        // arrow blocks: a block of the drawing, or the default
};

struct DimVarEntry {
  DimVarInfo info;
  DimVarCheck check = DimVarCheck::Any;
  int minimum = 0;
  int maximum = 0;
  // Where dimVarsOf puts it (one of them; arrow blocks go in by name).
  double DimVars::*real = nullptr;
  int DimVars::*integer = nullptr;
  std::string DimVars::*text = nullptr;
  AcDbObjectId DimVars::*id = nullptr;
  // DIMBLK, DIMBLK1, DIMBLK2 as R12 files them (names under 5, 6, 7).
  bool r12Name = false;
  // DIMUNIT and DIMFIT: filed by R13 and R14 only, no header variable of a
  // new drawing.
  bool obsolete = false;
};

const DimVarEntry* dimVarEntry(int code);
const DimVarEntry* dimVarEntry(std::string_view name);
const DimVarEntry& dimVarEntryAt(int index);
const DimVarEntry& entryOf(const DimVarInfo& info);

// The other form of an arrow block's code: 342 ↔ 5, 343 ↔ 6, 344 ↔ 7 (0 for
// any other code).
int arrowNameCode(int handleCode);
int arrowHandleCode(int nameCode);

// One value of a variable wherever it came from: reals and integers in
// `number`, texts and names in `text`, references in `id` (arrow blocks
// given by name have a text and maybe no id).
struct DimValue {
  double number = 0.0;
  std::string text;
  AcDbObjectId id;
};

// Whether a value is acceptable for the variable (see DimVarCheck). `db`
// resolves text styles and blocks; null accepts any id of the right class.
bool isAcceptable(const DimVarEntry& entry, const DimValue& value, const AcDbDatabase* db);
bool isAcceptableNumber(const DimVarEntry& entry, double value);

// Puts a value into the field of DimVars the entry names.
void applyDimValue(DimVars& vars, const DimVarEntry& entry, const DimValue& value);
// The value a DimVars holds for the entry (for comparing and for the header).
DimValue dimValueOf(const DimVars& vars, const DimVarEntry& entry);
// True when two values of the variable are the same (names case-insensitive,
// arrow names with or without their leading "_").
bool sameDimValue(const DimVarEntry& entry, const DimValue& a, const DimValue& b);

// ASCII case-insensitive comparison of names.
bool sameName(std::string_view a, std::string_view b);

}  // namespace zek
