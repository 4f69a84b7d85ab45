// The dimension variables of AcDbDimension: each getter answers the
// dimension's own override or its style's value, each setter files an
// override (see db_dimension.h).
#include "db_dimension.h"

#include "db/annotations/annotation_filing.h"
#include "db/dimvars/dim_current.h"

namespace {

double numberOf(const AcDbDimension& dimension, int code) {
  return zek::dimensionValue(dimension, *zek::dimVarEntry(code)).number;
}

Acad::ErrorStatus setNumber(AcDbDimension& dimension, int code, double number) {
  zek::DimValue value;
  value.number = number;
  return zek::setDimensionValue(dimension, *zek::dimVarEntry(code), value);
}

AcDbObjectId idOf(const AcDbDimension& dimension, int code) {
  return zek::dimensionValue(dimension, *zek::dimVarEntry(code)).id;
}

Acad::ErrorStatus setId(AcDbDimension& dimension, int code, AcDbObjectId id) {
  zek::DimValue value;
  value.id = id;
  return zek::setDimensionValue(dimension, *zek::dimVarEntry(code), value);
}

// An arrow block by name: the drawing's block of that name, else the name.
Acad::ErrorStatus setArrowName(AcDbDimension& dimension, int code, const char* name) {
  zek::DimValue value;
  value.text = name ? name : "";
  if (value.text == ".")
    value.text.clear();
  if (!value.text.empty())
    value.id = zek::blockByName(dimension.database(), value.text);
  return zek::setDimensionValue(dimension, *zek::dimVarEntry(code), value);
}

}  // namespace

#define ZEK_DIMENSION_REAL(get, set, code)                            \
  double AcDbDimension::get() const { return numberOf(*this, code); } \
  Acad::ErrorStatus AcDbDimension::set(double value) { return setNumber(*this, code, value); }
#define ZEK_DIMENSION_BOOL(get, set, code)                                 \
  bool AcDbDimension::get() const { return numberOf(*this, code) != 0.0; } \
  Acad::ErrorStatus AcDbDimension::set(bool value) {                       \
    return setNumber(*this, code, value ? 1.0 : 0.0);                      \
  }
#define ZEK_DIMENSION_INT(get, set, code)                                            \
  int AcDbDimension::get() const { return static_cast<int>(numberOf(*this, code)); } \
  Acad::ErrorStatus AcDbDimension::set(int value) { return setNumber(*this, code, value); }
#define ZEK_DIMENSION_COLOUR(get, set, code)                                      \
  AcCmColor AcDbDimension::get() const {                                          \
    AcCmColor color;                                                              \
    (void)color.setColorIndex(static_cast<Adesk::UInt16>(numberOf(*this, code))); \
    return color;                                                                 \
  }                                                                               \
  Acad::ErrorStatus AcDbDimension::set(const AcCmColor& color) {                  \
    return setNumber(*this, code, color.colorIndex());                            \
  }
#define ZEK_DIMENSION_WEIGHT(get, set, code)                                       \
  AcDb::LineWeight AcDbDimension::get() const {                                    \
    return static_cast<AcDb::LineWeight>(static_cast<int>(numberOf(*this, code))); \
  }                                                                                \
  Acad::ErrorStatus AcDbDimension::set(AcDb::LineWeight weight) {                  \
    return setNumber(*this, code, static_cast<int>(weight));                       \
  }
#define ZEK_DIMENSION_TEXT(get, set, code)                                \
  std::string AcDbDimension::get() const {                                \
    return zek::dimensionValue(*this, *zek::dimVarEntry(code)).text;      \
  }                                                                       \
  Acad::ErrorStatus AcDbDimension::set(const char* text) {                \
    zek::DimValue value;                                                  \
    value.text = text ? text : "";                                        \
    return zek::setDimensionValue(*this, *zek::dimVarEntry(code), value); \
  }
#define ZEK_DIMENSION_ARROW(get, set, code)                                                      \
  AcDbObjectId AcDbDimension::get() const { return idOf(*this, code); }                          \
  Acad::ErrorStatus AcDbDimension::set(AcDbObjectId block) { return setId(*this, code, block); } \
  Acad::ErrorStatus AcDbDimension::set(const char* name) { return setArrowName(*this, code, name); }

ZEK_DIMENSION_REAL(dimscale, setDimscale, 40)
ZEK_DIMENSION_REAL(dimasz, setDimasz, 41)
ZEK_DIMENSION_REAL(dimexo, setDimexo, 42)
ZEK_DIMENSION_REAL(dimdli, setDimdli, 43)
ZEK_DIMENSION_REAL(dimexe, setDimexe, 44)
ZEK_DIMENSION_REAL(dimrnd, setDimrnd, 45)
ZEK_DIMENSION_REAL(dimdle, setDimdle, 46)
ZEK_DIMENSION_REAL(dimtp, setDimtp, 47)
ZEK_DIMENSION_REAL(dimtm, setDimtm, 48)
ZEK_DIMENSION_REAL(dimtxt, setDimtxt, 140)
ZEK_DIMENSION_REAL(dimcen, setDimcen, 141)
ZEK_DIMENSION_REAL(dimtsz, setDimtsz, 142)
ZEK_DIMENSION_REAL(dimaltf, setDimaltf, 143)
ZEK_DIMENSION_REAL(dimlfac, setDimlfac, 144)
ZEK_DIMENSION_REAL(dimtvp, setDimtvp, 145)
ZEK_DIMENSION_REAL(dimtfac, setDimtfac, 146)
ZEK_DIMENSION_REAL(dimgap, setDimgap, 147)
ZEK_DIMENSION_REAL(dimaltrnd, setDimaltrnd, 148)

ZEK_DIMENSION_BOOL(dimtol, setDimtol, 71)
ZEK_DIMENSION_BOOL(dimlim, setDimlim, 72)
ZEK_DIMENSION_BOOL(dimtih, setDimtih, 73)
ZEK_DIMENSION_BOOL(dimtoh, setDimtoh, 74)
ZEK_DIMENSION_BOOL(dimse1, setDimse1, 75)
ZEK_DIMENSION_BOOL(dimse2, setDimse2, 76)
ZEK_DIMENSION_BOOL(dimalt, setDimalt, 170)
ZEK_DIMENSION_BOOL(dimtofl, setDimtofl, 172)
ZEK_DIMENSION_BOOL(dimsah, setDimsah, 173)
ZEK_DIMENSION_BOOL(dimtix, setDimtix, 174)
ZEK_DIMENSION_BOOL(dimsoxd, setDimsoxd, 175)
ZEK_DIMENSION_BOOL(dimsd1, setDimsd1, 281)
ZEK_DIMENSION_BOOL(dimsd2, setDimsd2, 282)
ZEK_DIMENSION_BOOL(dimupt, setDimupt, 288)

ZEK_DIMENSION_INT(dimtad, setDimtad, 77)
ZEK_DIMENSION_INT(dimzin, setDimzin, 78)
ZEK_DIMENSION_INT(dimazin, setDimazin, 79)
ZEK_DIMENSION_INT(dimaltd, setDimaltd, 171)
ZEK_DIMENSION_INT(dimadec, setDimadec, 179)
ZEK_DIMENSION_INT(dimdec, setDimdec, 271)
ZEK_DIMENSION_INT(dimtdec, setDimtdec, 272)
ZEK_DIMENSION_INT(dimaltu, setDimaltu, 273)
ZEK_DIMENSION_INT(dimalttd, setDimalttd, 274)
ZEK_DIMENSION_INT(dimaunit, setDimaunit, 275)
ZEK_DIMENSION_INT(dimfrac, setDimfrac, 276)
ZEK_DIMENSION_INT(dimlunit, setDimlunit, 277)
ZEK_DIMENSION_INT(dimtmove, setDimtmove, 279)
ZEK_DIMENSION_INT(dimjust, setDimjust, 280)
ZEK_DIMENSION_INT(dimtolj, setDimtolj, 283)
ZEK_DIMENSION_INT(dimtzin, setDimtzin, 284)
ZEK_DIMENSION_INT(dimaltz, setDimaltz, 285)
ZEK_DIMENSION_INT(dimalttz, setDimalttz, 286)
ZEK_DIMENSION_INT(dimatfit, setDimatfit, 289)

ZEK_DIMENSION_COLOUR(dimclrd, setDimclrd, 176)
ZEK_DIMENSION_COLOUR(dimclre, setDimclre, 177)
ZEK_DIMENSION_COLOUR(dimclrt, setDimclrt, 178)
ZEK_DIMENSION_WEIGHT(dimlwd, setDimlwd, 371)
ZEK_DIMENSION_WEIGHT(dimlwe, setDimlwe, 372)

ZEK_DIMENSION_TEXT(dimpost, setDimpost, 3)
ZEK_DIMENSION_TEXT(dimapost, setDimapost, 4)

ZEK_DIMENSION_ARROW(dimldrblk, setDimldrblk, 341)
ZEK_DIMENSION_ARROW(dimblk, setDimblk, 342)
ZEK_DIMENSION_ARROW(dimblk1, setDimblk1, 343)
ZEK_DIMENSION_ARROW(dimblk2, setDimblk2, 344)

char AcDbDimension::dimdsep() const {
  return static_cast<char>(static_cast<int>(numberOf(*this, 278)));
}

Acad::ErrorStatus AcDbDimension::setDimdsep(char value) {
  return setNumber(*this, 278, static_cast<unsigned char>(value));
}

AcDbObjectId AcDbDimension::dimtxsty() const { return idOf(*this, 340); }

Acad::ErrorStatus AcDbDimension::setDimtxsty(AcDbObjectId style) {
  return setId(*this, 340, style);
}
