// The drawing's current dimension variables: header $DIM* variables, the
// DIM* system variables over them, and restoring a style into them.
#include <cstring>

#include "db/annotations/annotation_filing.h"
#include "db/database_core.h"
#include "db/dimvars/dim_current.h"
#include "db/dimvars/dim_overrides.h"
#include "db/dimvars/dim_style_access.h"
#include "db_database.h"
#include "zek/dim_vars.h"

namespace zek {
namespace {

std::string headerName(const DimVarEntry& entry) { return std::string("$") + entry.info.name; }

// The header variables of a new drawing in the order CAD hosts write them.
constexpr const char* kHeaderOrder[] = {
    "DIMSCALE", "DIMASZ",   "DIMEXO",   "DIMDLI",   "DIMRND",   "DIMDLE",   "DIMEXE",
    "DIMTP",    "DIMTM",    "DIMTXT",   "DIMCEN",   "DIMTSZ",   "DIMTOL",   "DIMLIM",
    "DIMTIH",   "DIMTOH",   "DIMSE1",   "DIMSE2",   "DIMTAD",   "DIMZIN",   "DIMBLK",
    "DIMPOST",  "DIMAPOST", "DIMALT",   "DIMALTD",  "DIMALTF",  "DIMLFAC",  "DIMTOFL",
    "DIMTVP",   "DIMTIX",   "DIMSOXD",  "DIMSAH",   "DIMBLK1",  "DIMBLK2",  "DIMCLRD",
    "DIMCLRE",  "DIMCLRT",  "DIMTFAC",  "DIMGAP",   "DIMJUST",  "DIMSD1",   "DIMSD2",
    "DIMTOLJ",  "DIMTZIN",  "DIMALTZ",  "DIMALTTZ", "DIMUPT",   "DIMDEC",   "DIMTDEC",
    "DIMALTU",  "DIMALTTD", "DIMTXSTY", "DIMAUNIT", "DIMADEC",  "DIMALTRND", "DIMAZIN",
    "DIMDSEP",  "DIMATFIT", "DIMFRAC",  "DIMLDRBLK", "DIMLUNIT", "DIMLWD",  "DIMLWE",
    "DIMTMOVE"};

AcDbObjectId textStyleNamed(const AcDbDatabase& db, const std::string& name) {
  return zek::textStyleNamed(const_cast<AcDbDatabase*>(&db), name);
}

const AcDbDimStyleTableRecord* currentStyle(const AcDbDatabase& db) {
  return peekObject<AcDbDimStyleTableRecord>(db.dimstyle());
}

char* newString(const std::string& text) { return acutNewString(text.c_str()); }

}  // namespace

std::optional<DimValue> headerValue(const AcDbDatabase& db, const DimVarEntry& entry) {
  if (entry.info.headerCode == 0)
    return std::nullopt;
  std::string name = headerName(entry);
  HeaderVariables& header = db.header();
  if (!header.has(name))
    return std::nullopt;
  DimValue value;
  switch (entry.info.type) {
    case DimVarInfo::Type::Real:
    case DimVarInfo::Type::Int: {
      std::optional<double> number = header.real(name);
      if (!number)
        return std::nullopt;
      value.number = *number;
      return value;
    }
    case DimVarInfo::Type::Text: value.text = header.text(name).value_or(""); return value;
    case DimVarInfo::Type::Handle:
      value.text = header.text(name).value_or("");
      value.id = entry.check == DimVarCheck::TextStyle
                     ? textStyleNamed(db, value.text)
                     : blockByName(const_cast<AcDbDatabase*>(&db), value.text);
      return value;
  }
  return std::nullopt;
}

void setHeaderValue(AcDbDatabase& db, const DimVarEntry& entry, const DimValue& value) {
  std::string name = headerName(entry);
  HeaderVariables& header = db.header();
  switch (entry.info.type) {
    case DimVarInfo::Type::Real: header.setReal(name, 40, value.number); return;
    case DimVarInfo::Type::Int:
      header.setInteger(name, 70, static_cast<long long>(value.number));
      return;
    case DimVarInfo::Type::Text: header.setText(name, 1, value.text); return;
    case DimVarInfo::Type::Handle: {
      std::string text = value.id.isNull() ? value.text : recordName(value.id);
      if (entry.check == DimVarCheck::TextStyle && text.empty())
        text = recordName(db.core().standardTextStyle);
      if (text == ".")
        text.clear();
      header.setText(name, entry.info.headerCode, text);
      return;
    }
  }
}

DimVars currentDimVars(const AcDbDatabase& db) {
  DimVars vars = fileDefaultDimVars();
  if (const AcDbDimStyleTableRecord* style = currentStyle(db))
    vars = dimVarsOf(*style);
  for (int i = 0; i < dimVarCount(); ++i) {
    const DimVarEntry& entry = dimVarEntryAt(i);
    if (std::optional<DimValue> value = headerValue(db, entry))
      applyDimValue(vars, entry, *value);
  }
  return vars;
}

bool isDimSysvar(std::string_view name) {
  if (!name.empty() && name.front() == '$')
    name.remove_prefix(1);
  const DimVarEntry* entry = dimVarEntry(name);
  return sameName(name, "DIMSTYLE") || (entry != nullptr && !entry->r12Name);
}

int getDimSysvar(const AcDbDatabase& db, std::string_view name, resbuf& value) {
  if (!name.empty() && name.front() == '$')
    name.remove_prefix(1);
  value.rbnext = nullptr;
  if (sameName(name, "DIMSTYLE")) {
    value.restype = RTSTR;
    value.resval.rstring = newString(recordName(db.dimstyle()));
    return RTNORM;
  }
  const DimVarEntry* entry = dimVarEntry(name);
  if (entry == nullptr)
    return RTERROR;
  DimValue current = dimValueOf(currentDimVars(db), *entry);
  switch (entry->info.type) {
    case DimVarInfo::Type::Real:
      value.restype = RTREAL;
      value.resval.rreal = current.number;
      return RTNORM;
    case DimVarInfo::Type::Int:
      if (entry->check == DimVarCheck::Separator) {
        char text[2] = {static_cast<char>(static_cast<int>(current.number)), '\0'};
        value.restype = RTSTR;
        value.resval.rstring = acutNewString(text);
        return RTNORM;
      }
      value.restype = RTSHORT;
      value.resval.rint = static_cast<short>(current.number);
      return RTNORM;
    case DimVarInfo::Type::Text:
    case DimVarInfo::Type::Handle:
      if (entry->check == DimVarCheck::TextStyle && current.text.empty())
        current.text = recordName(db.core().standardTextStyle);
      value.restype = RTSTR;
      value.resval.rstring = newString(current.text);
      return RTNORM;
  }
  return RTERROR;
}

// The value a system variable is given: numbers of the variable's type
// (integers also for reals), texts as texts, DIMDSEP one character, text
// styles by the name of one the drawing holds.
static std::optional<DimValue> sysvarValue(const AcDbDatabase& db, const DimVarEntry& entry,
                                           const resbuf& given) {
  DimValue value;
  bool isText = given.restype == RTSTR;
  const char* text = isText && given.resval.rstring ? given.resval.rstring : "";
  switch (entry.info.type) {
    case DimVarInfo::Type::Real:
      if (given.restype == RTREAL) value.number = given.resval.rreal;
      else if (given.restype == RTSHORT) value.number = given.resval.rint;
      else if (given.restype == RTLONG) value.number = given.resval.rlong;
      else return std::nullopt;
      return value;
    case DimVarInfo::Type::Int:
      if (entry.check == DimVarCheck::Separator) {
        if (!isText || std::strlen(text) != 1)
          return std::nullopt;
        value.number = static_cast<unsigned char>(text[0]);
        return value;
      }
      if (given.restype == RTSHORT) value.number = given.resval.rint;
      else if (given.restype == RTLONG) value.number = given.resval.rlong;
      else return std::nullopt;
      return value;
    case DimVarInfo::Type::Text:
      if (!isText)
        return std::nullopt;
      value.text = text;
      return value;
    case DimVarInfo::Type::Handle:
      if (!isText)
        return std::nullopt;
      value.text = text;
      if (entry.check == DimVarCheck::TextStyle) {
        value.id = textStyleNamed(db, value.text);
        if (value.id.isNull())
          return std::nullopt;  // no such text style
      } else if (value.text == ".") {
        value.text.clear();
      }
      return value;
  }
  return std::nullopt;
}

int setDimSysvar(AcDbDatabase& db, std::string_view name, const resbuf& value) {
  if (!name.empty() && name.front() == '$')
    name.remove_prefix(1);
  const DimVarEntry* entry = dimVarEntry(name);
  if (entry == nullptr || entry->r12Name)
    return RTERROR;  // DIMSTYLE too: it is read-only
  std::optional<DimValue> given = sysvarValue(db, *entry, value);
  if (!given || !isAcceptable(*entry, *given, &db))
    return RTERROR;
  setHeaderValue(db, *entry, *given);
  return RTNORM;
}

Acad::ErrorStatus restoreDimStyle(AcDbDatabase& db, AcDbObjectId styleId) {
  auto* style = peekObject<AcDbDimStyleTableRecord>(styleId);
  if (style == nullptr || styleId.database() != &db || styleId.isErased())
    return Acad::eInvalidInput;
  Acad::ErrorStatus es = db.setDimstyle(styleId);
  if (es != Acad::eOk)
    return es;
  PeekRead<AcDbDimStyleTableRecord> reading(style);
  for (const char* name : kHeaderOrder) {
    const DimVarEntry& entry = *dimVarEntry(name);
    setHeaderValue(db, entry, styleValue(*style, entry));
  }
  return Acad::eOk;
}

}  // namespace zek
