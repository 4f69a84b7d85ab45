// The dimension variable table: every DIM* variable of R2000 and later
// DIMSTYLE records with its group code, type, the format's default, header
// group code, accepted values and field of zek::DimVars.
#include "db/dimvars/dim_var_table.h"

#include <array>
#include <cctype>
#include <strings.h>

#include "db/database_core.h"
#include "db_block.h"
#include "db_symtab.h"

namespace zek {
namespace {

using Type = DimVarInfo::Type;
using Check = DimVarCheck;

DimVarEntry real(const char* name, int code, double fileDefault, bool r12, Check check,
                 double DimVars::*field) {
  DimVarEntry e{{name, code, Type::Real, fileDefault, 40, r12}, check};
  e.real = field;
  return e;
}

DimVarEntry integer(const char* name, int code, int fileDefault, bool r12, int minimum,
                    int maximum, int DimVars::*field, Check check = Check::Range) {
  DimVarEntry e{{name, code, Type::Int, static_cast<double>(fileDefault), 70, r12}, check,
                minimum, maximum};
  e.integer = field;
  return e;
}

DimVarEntry text(const char* name, int code, bool r12, std::string DimVars::*field) {
  DimVarEntry e{{name, code, Type::Text, 0.0, 1, r12}, Check::AnyText};
  e.text = field;
  return e;
}

DimVarEntry arrow(const char* name, int code, std::string DimVars::*field) {
  DimVarEntry e{{name, code, Type::Handle, 0.0, 1, false}, Check::Block};
  e.text = field;
  return e;
}

DimVarEntry arrowName(const char* name, int code, std::string DimVars::*field) {
  DimVarEntry e{{name, code, Type::Text, 0.0, 0, true}, Check::Block};
  e.text = field;
  e.r12Name = true;
  return e;
}

DimVarEntry obsolete(DimVarEntry e) {
  e.obsolete = true;
  return e;
}

// Defaults as the DXF reference's DIMSTYLE records have them: a record that
// leaves a group out has this value (the imperial defaults of the format).
// Made on first use, so no other file's start-up code meets it unmade.
const auto& entries() {
  static const auto kEntries = std::array{
      text("DIMPOST", 3, true, &DimVars::dimpost),
      text("DIMAPOST", 4, true, &DimVars::dimapost),
      real("DIMSCALE", 40, 1.0, true, Check::NonNegative, &DimVars::dimscale),
      real("DIMASZ", 41, 0.18, true, Check::NonNegative, &DimVars::dimasz),
      real("DIMEXO", 42, 0.0625, true, Check::NonNegative, &DimVars::dimexo),
      real("DIMDLI", 43, 0.38, true, Check::NonNegative, &DimVars::dimdli),
      real("DIMEXE", 44, 0.18, true, Check::NonNegative, &DimVars::dimexe),
      real("DIMRND", 45, 0.0, true, Check::NonNegative, &DimVars::dimrnd),
      real("DIMDLE", 46, 0.0, true, Check::NonNegative, &DimVars::dimdle),
      real("DIMTP", 47, 0.0, true, Check::Any, &DimVars::dimtp),
      real("DIMTM", 48, 0.0, true, Check::Any, &DimVars::dimtm),
      real("DIMTXT", 140, 0.18, true, Check::NonNegative, &DimVars::dimtxt),
      real("DIMCEN", 141, 0.09, true, Check::Any, &DimVars::dimcen),
      real("DIMTSZ", 142, 0.0, true, Check::NonNegative, &DimVars::dimtsz),
      real("DIMALTF", 143, 25.4, true, Check::Positive, &DimVars::dimaltf),
      real("DIMLFAC", 144, 1.0, true, Check::NonZero, &DimVars::dimlfac),
      real("DIMTVP", 145, 0.0, true, Check::Any, &DimVars::dimtvp),
      real("DIMTFAC", 146, 1.0, true, Check::Positive, &DimVars::dimtfac),
      real("DIMGAP", 147, 0.09, true, Check::Any, &DimVars::dimgap),
      real("DIMALTRND", 148, 0.0, false, Check::NonNegative, &DimVars::dimaltrnd),
      integer("DIMTOL", 71, 0, true, 0, 1, &DimVars::dimtol),
      integer("DIMLIM", 72, 0, true, 0, 1, &DimVars::dimlim),
      integer("DIMTIH", 73, 1, true, 0, 1, &DimVars::dimtih),
      integer("DIMTOH", 74, 1, true, 0, 1, &DimVars::dimtoh),
      integer("DIMSE1", 75, 0, true, 0, 1, &DimVars::dimse1),
      integer("DIMSE2", 76, 0, true, 0, 1, &DimVars::dimse2),
      integer("DIMTAD", 77, 0, true, 0, 4, &DimVars::dimtad),
      integer("DIMZIN", 78, 0, true, 0, 15, &DimVars::dimzin),
      integer("DIMAZIN", 79, 0, false, 0, 3, &DimVars::dimazin),
      integer("DIMALT", 170, 0, true, 0, 1, &DimVars::dimalt),
      integer("DIMALTD", 171, 2, true, 0, 8, &DimVars::dimaltd),
      integer("DIMTOFL", 172, 0, true, 0, 1, &DimVars::dimtofl),
      integer("DIMSAH", 173, 0, true, 0, 1, &DimVars::dimsah),
      integer("DIMTIX", 174, 0, true, 0, 1, &DimVars::dimtix),
      integer("DIMSOXD", 175, 0, true, 0, 1, &DimVars::dimsoxd),
      integer("DIMCLRD", 176, 0, true, 0, 256, &DimVars::dimclrd, Check::Colour),
      integer("DIMCLRE", 177, 0, true, 0, 256, &DimVars::dimclre, Check::Colour),
      integer("DIMCLRT", 178, 0, true, 0, 256, &DimVars::dimclrt, Check::Colour),
      integer("DIMADEC", 179, 0, false, -1, 8, &DimVars::dimadec),
      obsolete(integer("DIMUNIT", 270, 2, false, 1, 8, &DimVars::dimunit)),
      integer("DIMDEC", 271, 4, false, 0, 8, &DimVars::dimdec),
      integer("DIMTDEC", 272, 4, false, 0, 8, &DimVars::dimtdec),
      integer("DIMALTU", 273, 2, false, 1, 8, &DimVars::dimaltu),
      integer("DIMALTTD", 274, 2, false, 0, 8, &DimVars::dimalttd),
      integer("DIMAUNIT", 275, 0, false, 0, 4, &DimVars::dimaunit),
      integer("DIMFRAC", 276, 0, false, 0, 2, &DimVars::dimfrac),
      integer("DIMLUNIT", 277, 2, false, 1, 6, &DimVars::dimlunit),
      integer("DIMDSEP", 278, '.', false, 1, 255, &DimVars::dimdsep, Check::Separator),
      integer("DIMTMOVE", 279, 0, false, 0, 2, &DimVars::dimtmove),
      integer("DIMJUST", 280, 0, false, 0, 4, &DimVars::dimjust),
      integer("DIMSD1", 281, 0, false, 0, 1, &DimVars::dimsd1),
      integer("DIMSD2", 282, 0, false, 0, 1, &DimVars::dimsd2),
      integer("DIMTOLJ", 283, 1, false, 0, 2, &DimVars::dimtolj),
      integer("DIMTZIN", 284, 0, false, 0, 15, &DimVars::dimtzin),
      integer("DIMALTZ", 285, 0, false, 0, 15, &DimVars::dimaltz),
      integer("DIMALTTZ", 286, 0, false, 0, 15, &DimVars::dimalttz),
      obsolete(integer("DIMFIT", 287, 3, false, 0, 5, &DimVars::dimfit)),
      integer("DIMUPT", 288, 0, false, 0, 1, &DimVars::dimupt),
      integer("DIMATFIT", 289, 3, false, 0, 3, &DimVars::dimatfit),
      [] {
        DimVarEntry e{{"DIMTXSTY", 340, Type::Handle, 0.0, 7, false}, Check::TextStyle};
        e.id = &DimVars::dimtxsty;
        return e;
      }(),
      arrow("DIMLDRBLK", 341, &DimVars::dimldrblk),
      arrow("DIMBLK", 342, &DimVars::dimblk),
      arrow("DIMBLK1", 343, &DimVars::dimblk1),
      arrow("DIMBLK2", 344, &DimVars::dimblk2),
      integer("DIMLWD", 371, -2, false, -3, 211, &DimVars::dimlwd, Check::Lineweight),
      integer("DIMLWE", 372, -2, false, -3, 211, &DimVars::dimlwe, Check::Lineweight),
      arrowName("DIMBLK", 5, &DimVars::dimblk),
      arrowName("DIMBLK1", 6, &DimVars::dimblk1),
      arrowName("DIMBLK2", 7, &DimVars::dimblk2),
  };
  return kEntries;
}

constexpr int kMaxCode = 400;

// Table index by group code (-1: not a dimension variable).
const std::array<short, kMaxCode>& indexByCode() {
  static const std::array<short, kMaxCode> index = [] {
    std::array<short, kMaxCode> made;
    made.fill(-1);
    for (std::size_t i = 0; i < entries().size(); ++i)
      made[static_cast<std::size_t>(entries()[i].info.code)] = static_cast<short>(i);
    return made;
  }();
  return index;
}

std::string_view withoutUnderscore(std::string_view name) {
  return !name.empty() && name.front() == '_' ? name.substr(1) : name;
}

bool isStandardLineweight(int value) {
  static constexpr int kWeights[] = {-3, -2, -1, 0, 5, 9, 13, 15, 18, 20, 25, 30, 35, 40,
                                     50, 53, 60, 70, 80, 90, 100, 106, 120, 140, 158, 200, 211};
  for (int w : kWeights)
    if (w == value)
      return true;
  return false;
}

}  // namespace

std::string recordName(AcDbObjectId id) {
  auto* record = peekObject<AcDbSymbolTableRecord>(id);
  if (record == nullptr)
    return {};
  PeekRead<AcDbSymbolTableRecord> reading(record);
  return record->name();
}

const DimVarEntry* dimVarEntry(int code) {
  if (code < 0 || code >= kMaxCode)
    return nullptr;
  short index = indexByCode()[static_cast<std::size_t>(code)];
  return index < 0 ? nullptr : &entries()[static_cast<std::size_t>(index)];
}

const DimVarEntry* dimVarEntry(std::string_view name) {
  if (!name.empty() && name.front() == '$')
    name.remove_prefix(1);
  for (const DimVarEntry& e : entries())
    if (sameName(e.info.name, name))
      return &e;  // the record form comes first: DIMBLK answers 342, not 5
  return nullptr;
}

const DimVarEntry& dimVarEntryAt(int index) { return entries()[static_cast<std::size_t>(index)]; }

const DimVarEntry& entryOf(const DimVarInfo& info) { return *dimVarEntry(info.code); }

const DimVarInfo* findDimVar(std::string_view name) {
  const DimVarEntry* e = dimVarEntry(name);
  return e ? &e->info : nullptr;
}

const DimVarInfo* findDimVarByCode(int code) {
  const DimVarEntry* e = dimVarEntry(code);
  return e ? &e->info : nullptr;
}

int dimVarCount() { return static_cast<int>(entries().size()); }

const DimVarInfo& dimVarAt(int index) { return dimVarEntryAt(index).info; }

DimVars fileDefaultDimVars() {
  DimVars vars;
  for (const DimVarEntry& e : entries()) {
    DimValue value;
    value.number = e.info.fileDefault;
    applyDimValue(vars, e, value);
  }
  return vars;
}

int arrowNameCode(int handleCode) {
  return handleCode >= 342 && handleCode <= 344 ? handleCode - 337 : 0;
}

int arrowHandleCode(int nameCode) { return nameCode >= 5 && nameCode <= 7 ? nameCode + 337 : 0; }

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

bool isAcceptableNumber(const DimVarEntry& entry, double value) {
  switch (entry.check) {
    case Check::Any: return true;
    case Check::NonNegative: return value >= 0.0;
    case Check::Positive: return value > 0.0;
    case Check::NonZero: return value != 0.0;
    case Check::Range:
    case Check::Colour:
    case Check::Separator:
      return value == static_cast<double>(static_cast<int>(value)) && value >= entry.minimum &&
             value <= entry.maximum;
    case Check::Lineweight:
      return value == static_cast<double>(static_cast<int>(value)) &&
             isStandardLineweight(static_cast<int>(value));
    default: return false;
  }
}

bool isAcceptable(const DimVarEntry& entry, const DimValue& value, const AcDbDatabase* db) {
  switch (entry.check) {
    case Check::AnyText: return true;
    case Check::TextStyle:
      if (value.id.isNull())
        return true;  // the drawing's STANDARD
      if (peekObject<AcDbTextStyleTableRecord>(value.id) == nullptr)
        return false;
      return db == nullptr || value.id.database() == db;
    case Check::Block:
      if (value.id.isNull())
        return true;  // by name, or the default arrow
      if (peekObject<AcDbBlockTableRecord>(value.id) == nullptr)
        return false;
      return db == nullptr || value.id.database() == db;
    default:
      return isAcceptableNumber(entry, value.number);
  }
}

void applyDimValue(DimVars& vars, const DimVarEntry& entry, const DimValue& value) {
  if (entry.real)
    vars.*entry.real = value.number;
  else if (entry.integer)
    vars.*entry.integer = static_cast<int>(value.number);
  else if (entry.id)
    vars.*entry.id = value.id;
  else if (entry.text)
    vars.*entry.text = entry.info.type == Type::Handle && value.text.empty()
                           ? recordName(value.id)
                           : value.text;
}

DimValue dimValueOf(const DimVars& vars, const DimVarEntry& entry) {
  DimValue value;
  if (entry.real)
    value.number = vars.*entry.real;
  else if (entry.integer)
    value.number = vars.*entry.integer;
  else if (entry.id) {
    value.id = vars.*entry.id;
    value.text = recordName(value.id);
  } else if (entry.text)
    value.text = vars.*entry.text;
  return value;
}

bool sameDimValue(const DimVarEntry& entry, const DimValue& a, const DimValue& b) {
  switch (entry.check) {
    case Check::AnyText: return a.text == b.text;
    case Check::TextStyle:
      if (!a.id.isNull() && !b.id.isNull())
        return a.id == b.id;
      return sameName(a.text.empty() ? recordName(a.id) : a.text,
                      b.text.empty() ? recordName(b.id) : b.text);
    case Check::Block: {
      if (!a.id.isNull() && !b.id.isNull())
        return a.id == b.id;
      std::string an = a.text.empty() ? recordName(a.id) : a.text;
      std::string bn = b.text.empty() ? recordName(b.id) : b.text;
      return sameName(withoutUnderscore(an), withoutUnderscore(bn));
    }
    default: return a.number == b.number;
  }
}

}  // namespace zek
