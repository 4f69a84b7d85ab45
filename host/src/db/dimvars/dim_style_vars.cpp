// The typed variables of AcDbDimStyleTableRecord over its groups: values
// with the format's defaults, range checks, and both forms of arrow blocks.
#include "db/dimvars/dim_style_access.h"

#include <cmath>

#include "db/annotations/annotation_filing.h"
#include "db/database_core.h"
#include "db/kept_groups.h"
#include "db_block.h"
#include "db_database.h"
#include "dxf/number_text.h"

namespace zek {

AcDbObjectId textStyleNamed(AcDbDatabase* db, const std::string& name) {
  auto* table = db ? peekObject<AcDbSymbolTable>(db->textStyleTableId()) : nullptr;
  AcDbObjectId id;
  if (table == nullptr || name.empty() || table->getAt(name.c_str(), id) != Acad::eOk)
    return {};
  return id;
}

double parseNumber(const std::string& text) {
  double value = 0.0;
  if (dxf::parseDouble(text, value) == dxf::NumberParse::Bad)
    return 0.0;
  return value;
}

std::string numberText(const DimVarEntry& entry, double value) {
  if (entry.info.type == DimVarInfo::Type::Real)
    return formatReal(value);
  return std::to_string(static_cast<long long>(value));
}

DimValue groupValue(const DimVarEntry& entry, const DimStyleGroup& group, AcDbDatabase* db) {
  DimValue value;
  switch (entry.info.type) {
    case DimVarInfo::Type::Real:
    case DimVarInfo::Type::Int: value.number = parseNumber(group.text); break;
    case DimVarInfo::Type::Text:
      value.text = group.text;
      if (entry.r12Name && !value.text.empty())
        value.id = blockByName(db, value.text);
      break;
    case DimVarInfo::Type::Handle:
      value.id = group.id;
      if (value.id.isNull() && !group.name.empty())
        value.id = entry.check == DimVarCheck::Block ? blockByName(db, group.name)
                                                     : textStyleNamed(db, group.name);
      value.text = value.id.isNull() ? group.name : recordName(value.id);
      break;
  }
  return value;
}

DimValue styleValue(const AcDbDimStyleTableRecord& record, const DimVarEntry& entry) {
  AcDbDatabase* db = record.database();
  if (const DimStyleGroup* g = record.findDimStyleGroup(entry.info.code))
    return groupValue(entry, *g, db);
  // An arrow block in its other form: the R12 name or the later reference.
  int other = entry.r12Name ? arrowHandleCode(entry.info.code) : arrowNameCode(entry.info.code);
  if (other != 0)
    if (const DimStyleGroup* g = record.findDimStyleGroup(other))
      return groupValue(*dimVarEntry(other), *g, db);
  DimValue value;
  value.number = entry.info.fileDefault;
  return value;
}

double styleNumber(const AcDbDimStyleTableRecord& record, int code) {
  return styleValue(record, *dimVarEntry(code)).number;
}

std::string styleText(const AcDbDimStyleTableRecord& record, int code) {
  return styleValue(record, *dimVarEntry(code)).text;
}

AcDbObjectId styleId(const AcDbDimStyleTableRecord& record, int code) {
  return styleValue(record, *dimVarEntry(code)).id;
}

namespace {

// An arrow block: kept in the form the record has (R12 name or reference).
Acad::ErrorStatus setArrow(AcDbDimStyleTableRecord& record, const DimVarEntry& entry,
                           const DimValue& value) {
  int handleCode = entry.r12Name ? arrowHandleCode(entry.info.code) : entry.info.code;
  int nameCode = arrowNameCode(handleCode);
  std::string name = value.id.isNull() ? value.text : recordName(value.id);
  if (name.empty() || name == ".") {
    record.removeDimStyleGroup(handleCode);
    record.removeDimStyleGroup(nameCode);
    return Acad::eOk;
  }
  if (nameCode != 0 && record.findDimStyleGroup(nameCode) != nullptr &&
      record.findDimStyleGroup(handleCode) == nullptr) {
    record.setDimStyleGroup({nameCode, name, {}, {}});
    return Acad::eOk;
  }
  DimStyleGroup group{handleCode, {}, value.id, {}};
  if (value.id.isNull())
    group.name = name;  // kept by name until the drawing holds the block
  record.setDimStyleGroup(std::move(group));
  return Acad::eOk;
}

}  // namespace

Acad::ErrorStatus setStyleValue(AcDbDimStyleTableRecord& record, const DimVarEntry& entry,
                                const DimValue& value) {
  record.assertWriteEnabled();
  if (!isAcceptable(entry, value, record.database()))
    return Acad::eInvalidInput;
  switch (entry.info.type) {
    case DimVarInfo::Type::Real:
    case DimVarInfo::Type::Int:
      record.setDimStyleGroup({entry.info.code, numberText(entry, value.number), {}, {}});
      return Acad::eOk;
    case DimVarInfo::Type::Text:
      if (entry.r12Name)
        return setArrow(record, entry, value);
      record.setDimStyleGroup({entry.info.code, value.text, {}, {}});
      return Acad::eOk;
    case DimVarInfo::Type::Handle:
      if (entry.check == DimVarCheck::Block)
        return setArrow(record, entry, value);
      if (value.id.isNull())
        record.removeDimStyleGroup(entry.info.code);
      else
        record.setDimStyleGroup({entry.info.code, {}, value.id, {}});
      return Acad::eOk;
  }
  return Acad::eInvalidInput;
}

Acad::ErrorStatus setStyleNumber(AcDbDimStyleTableRecord& record, int code, double number) {
  DimValue value;
  value.number = number;
  return setStyleValue(record, *dimVarEntry(code), value);
}

Acad::ErrorStatus setStyleText(AcDbDimStyleTableRecord& record, int code, const char* text) {
  DimValue value;
  value.text = text ? text : "";
  return setStyleValue(record, *dimVarEntry(code), value);
}

Acad::ErrorStatus setStyleId(AcDbDimStyleTableRecord& record, int code, AcDbObjectId id) {
  DimValue value;
  value.id = id;
  return setStyleValue(record, *dimVarEntry(code), value);
}

Acad::ErrorStatus setStyleArrowName(AcDbDimStyleTableRecord& record, int code, const char* name) {
  DimValue value;
  value.text = name ? name : "";
  if (!value.text.empty() && value.text != ".")
    value.id = blockByName(record.database(), value.text);
  return setStyleValue(record, *dimVarEntry(code), value);
}

}  // namespace zek

// ---- The classic getters and setters, one pair per variable ---------------

#define ZEK_DIMSTYLE_REAL(get, set, code)                                               \
  double AcDbDimStyleTableRecord::get() const { return zek::styleNumber(*this, code); } \
  Acad::ErrorStatus AcDbDimStyleTableRecord::set(double value) {                        \
    return zek::setStyleNumber(*this, code, value);                                     \
  }
#define ZEK_DIMSTYLE_BOOL(get, set, code)                                                    \
  bool AcDbDimStyleTableRecord::get() const { return zek::styleNumber(*this, code) != 0.0; } \
  Acad::ErrorStatus AcDbDimStyleTableRecord::set(bool value) {                               \
    return zek::setStyleNumber(*this, code, value ? 1.0 : 0.0);                              \
  }
#define ZEK_DIMSTYLE_INT(get, set, code)                      \
  int AcDbDimStyleTableRecord::get() const {                  \
    return static_cast<int>(zek::styleNumber(*this, code));   \
  }                                                           \
  Acad::ErrorStatus AcDbDimStyleTableRecord::set(int value) { \
    return zek::setStyleNumber(*this, code, value);           \
  }
#define ZEK_DIMSTYLE_COLOUR(get, set, code)                                               \
  AcCmColor AcDbDimStyleTableRecord::get() const {                                        \
    AcCmColor color;                                                                      \
    (void)color.setColorIndex(static_cast<Adesk::UInt16>(zek::styleNumber(*this, code))); \
    return color;                                                                         \
  }                                                                                       \
  Acad::ErrorStatus AcDbDimStyleTableRecord::set(const AcCmColor& color) {                \
    return zek::setStyleNumber(*this, code, color.colorIndex());                          \
  }
#define ZEK_DIMSTYLE_WEIGHT(get, set, code)                                                \
  AcDb::LineWeight AcDbDimStyleTableRecord::get() const {                                  \
    return static_cast<AcDb::LineWeight>(static_cast<int>(zek::styleNumber(*this, code))); \
  }                                                                                        \
  Acad::ErrorStatus AcDbDimStyleTableRecord::set(AcDb::LineWeight weight) {                \
    return zek::setStyleNumber(*this, code, static_cast<int>(weight));                     \
  }
#define ZEK_DIMSTYLE_TEXT(get, set, code)                                                  \
  std::string AcDbDimStyleTableRecord::get() const { return zek::styleText(*this, code); } \
  Acad::ErrorStatus AcDbDimStyleTableRecord::set(const char* text) {                       \
    return zek::setStyleText(*this, code, text);                                           \
  }
#define ZEK_DIMSTYLE_ARROW(get, set, code)                                                \
  AcDbObjectId AcDbDimStyleTableRecord::get() const { return zek::styleId(*this, code); } \
  Acad::ErrorStatus AcDbDimStyleTableRecord::set(AcDbObjectId block) {                    \
    return zek::setStyleId(*this, code, block);                                           \
  }                                                                                       \
  Acad::ErrorStatus AcDbDimStyleTableRecord::set(const char* name) {                      \
    return zek::setStyleArrowName(*this, code, name);                                     \
  }

ZEK_DIMSTYLE_REAL(dimscale, setDimscale, 40)
ZEK_DIMSTYLE_REAL(dimasz, setDimasz, 41)
ZEK_DIMSTYLE_REAL(dimexo, setDimexo, 42)
ZEK_DIMSTYLE_REAL(dimdli, setDimdli, 43)
ZEK_DIMSTYLE_REAL(dimexe, setDimexe, 44)
ZEK_DIMSTYLE_REAL(dimrnd, setDimrnd, 45)
ZEK_DIMSTYLE_REAL(dimdle, setDimdle, 46)
ZEK_DIMSTYLE_REAL(dimtp, setDimtp, 47)
ZEK_DIMSTYLE_REAL(dimtm, setDimtm, 48)
ZEK_DIMSTYLE_REAL(dimtxt, setDimtxt, 140)
ZEK_DIMSTYLE_REAL(dimcen, setDimcen, 141)
ZEK_DIMSTYLE_REAL(dimtsz, setDimtsz, 142)
ZEK_DIMSTYLE_REAL(dimaltf, setDimaltf, 143)
ZEK_DIMSTYLE_REAL(dimlfac, setDimlfac, 144)
ZEK_DIMSTYLE_REAL(dimtvp, setDimtvp, 145)
ZEK_DIMSTYLE_REAL(dimtfac, setDimtfac, 146)
ZEK_DIMSTYLE_REAL(dimgap, setDimgap, 147)
ZEK_DIMSTYLE_REAL(dimaltrnd, setDimaltrnd, 148)

ZEK_DIMSTYLE_BOOL(dimtol, setDimtol, 71)
ZEK_DIMSTYLE_BOOL(dimlim, setDimlim, 72)
ZEK_DIMSTYLE_BOOL(dimtih, setDimtih, 73)
ZEK_DIMSTYLE_BOOL(dimtoh, setDimtoh, 74)
ZEK_DIMSTYLE_BOOL(dimse1, setDimse1, 75)
ZEK_DIMSTYLE_BOOL(dimse2, setDimse2, 76)
ZEK_DIMSTYLE_BOOL(dimalt, setDimalt, 170)
ZEK_DIMSTYLE_BOOL(dimtofl, setDimtofl, 172)
ZEK_DIMSTYLE_BOOL(dimsah, setDimsah, 173)
ZEK_DIMSTYLE_BOOL(dimtix, setDimtix, 174)
ZEK_DIMSTYLE_BOOL(dimsoxd, setDimsoxd, 175)
ZEK_DIMSTYLE_BOOL(dimsd1, setDimsd1, 281)
ZEK_DIMSTYLE_BOOL(dimsd2, setDimsd2, 282)
ZEK_DIMSTYLE_BOOL(dimupt, setDimupt, 288)

ZEK_DIMSTYLE_INT(dimtad, setDimtad, 77)
ZEK_DIMSTYLE_INT(dimzin, setDimzin, 78)
ZEK_DIMSTYLE_INT(dimazin, setDimazin, 79)
ZEK_DIMSTYLE_INT(dimaltd, setDimaltd, 171)
ZEK_DIMSTYLE_INT(dimadec, setDimadec, 179)
ZEK_DIMSTYLE_INT(dimunit, setDimunit, 270)
ZEK_DIMSTYLE_INT(dimdec, setDimdec, 271)
ZEK_DIMSTYLE_INT(dimtdec, setDimtdec, 272)
ZEK_DIMSTYLE_INT(dimaltu, setDimaltu, 273)
ZEK_DIMSTYLE_INT(dimalttd, setDimalttd, 274)
ZEK_DIMSTYLE_INT(dimaunit, setDimaunit, 275)
ZEK_DIMSTYLE_INT(dimfrac, setDimfrac, 276)
ZEK_DIMSTYLE_INT(dimlunit, setDimlunit, 277)
ZEK_DIMSTYLE_INT(dimtmove, setDimtmove, 279)
ZEK_DIMSTYLE_INT(dimjust, setDimjust, 280)
ZEK_DIMSTYLE_INT(dimtolj, setDimtolj, 283)
ZEK_DIMSTYLE_INT(dimtzin, setDimtzin, 284)
ZEK_DIMSTYLE_INT(dimaltz, setDimaltz, 285)
ZEK_DIMSTYLE_INT(dimalttz, setDimalttz, 286)
ZEK_DIMSTYLE_INT(dimfit, setDimfit, 287)
ZEK_DIMSTYLE_INT(dimatfit, setDimatfit, 289)

ZEK_DIMSTYLE_COLOUR(dimclrd, setDimclrd, 176)
ZEK_DIMSTYLE_COLOUR(dimclre, setDimclre, 177)
ZEK_DIMSTYLE_COLOUR(dimclrt, setDimclrt, 178)
ZEK_DIMSTYLE_WEIGHT(dimlwd, setDimlwd, 371)
ZEK_DIMSTYLE_WEIGHT(dimlwe, setDimlwe, 372)

ZEK_DIMSTYLE_TEXT(dimpost, setDimpost, 3)
ZEK_DIMSTYLE_TEXT(dimapost, setDimapost, 4)

ZEK_DIMSTYLE_ARROW(dimldrblk, setDimldrblk, 341)
ZEK_DIMSTYLE_ARROW(dimblk, setDimblk, 342)
ZEK_DIMSTYLE_ARROW(dimblk1, setDimblk1, 343)
ZEK_DIMSTYLE_ARROW(dimblk2, setDimblk2, 344)

char AcDbDimStyleTableRecord::dimdsep() const {
  return static_cast<char>(static_cast<int>(zek::styleNumber(*this, 278)));
}

Acad::ErrorStatus AcDbDimStyleTableRecord::setDimdsep(char value) {
  return zek::setStyleNumber(*this, 278, static_cast<unsigned char>(value));
}

AcDbObjectId AcDbDimStyleTableRecord::dimtxsty() const { return zek::styleId(*this, 340); }

Acad::ErrorStatus AcDbDimStyleTableRecord::setDimtxsty(AcDbObjectId style) {
  return zek::setStyleId(*this, 340, style);
}
