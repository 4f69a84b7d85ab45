// Typed access to the variables of a dimension style record over its groups:
// what the record's getters, dimVarsOf and the DSTYLE overrides share.
#pragma once

#include <string>

#include "db/dimvars/dim_var_table.h"
#include "db_symtab.h"

namespace zek {

// The value a record's group holds for the variable: numbers parsed from the
// text as filed, names as filed, references as their object (an arrow block
// filed by name is looked up in the record's drawing).
DimValue groupValue(const DimVarEntry& entry, const DimStyleGroup& group, AcDbDatabase* db);

// The record's value of a variable: its group (an arrow block in either of
// its forms), else the format's default.
DimValue styleValue(const AcDbDimStyleTableRecord& record, const DimVarEntry& entry);
double styleNumber(const AcDbDimStyleTableRecord& record, int code);
std::string styleText(const AcDbDimStyleTableRecord& record, int code);
AcDbObjectId styleId(const AcDbDimStyleTableRecord& record, int code);

// Sets a variable of the record (open for write); eInvalidInput for a value
// the variable does not accept. A reference set to null and an arrow block
// set to "" or "." drop the group: the record then has the default.
[[nodiscard]] Acad::ErrorStatus setStyleValue(AcDbDimStyleTableRecord& record,
                                              const DimVarEntry& entry, const DimValue& value);
[[nodiscard]] Acad::ErrorStatus setStyleNumber(AcDbDimStyleTableRecord& record, int code,
                                               double value);
[[nodiscard]] Acad::ErrorStatus setStyleText(AcDbDimStyleTableRecord& record, int code,
                                             const char* text);
[[nodiscard]] Acad::ErrorStatus setStyleId(AcDbDimStyleTableRecord& record, int code,
                                           AcDbObjectId id);
// An arrow block by name: the block of that name when the drawing has one,
// else the name is kept until it does.
[[nodiscard]] Acad::ErrorStatus setStyleArrowName(AcDbDimStyleTableRecord& record, int code,
                                                  const char* name);

// A text style of the drawing by name, or null.
AcDbObjectId textStyleNamed(AcDbDatabase* db, const std::string& name);

// The text of a number as a group of the variable's type holds it.
std::string numberText(const DimVarEntry& entry, double value);
// A number from a group's text (integers written as reals included); 0 for
// text that is no number.
double parseNumber(const std::string& text);

}  // namespace zek
