// The dimension styles of a new drawing: STANDARD's metric values, ISO-25 as
// CAD hosts ship it, the header equal to the current style, the template
// values of zek::DimVars, and the records as written.
#include <gtest/gtest.h>

#include "db/dimvars/dim_var_table.h"
#include "db/dimvars/dimvars_test_support.h"
#include "db_symtab.h"

namespace zek {
namespace {

struct StyleRow {
  const char* name;
  double standard;
  double iso25;
};

// From our template (STANDARD) and from ISO-25 as CAD hosts ship it.
constexpr StyleRow kStyleRows[] = {
    {"DIMTXT", 2.5, 2.5},    {"DIMASZ", 2.5, 2.5},   {"DIMEXO", 0.625, 0.625},
    {"DIMEXE", 1.25, 1.25},  {"DIMGAP", 0.625, 0.625}, {"DIMCEN", 2.5, 2.5},
    {"DIMDLI", 3.75, 3.75},  {"DIMTAD", 1, 1},       {"DIMTIH", 0, 0},
    {"DIMTOH", 0, 0},        {"DIMDEC", 2, 2},       {"DIMZIN", 0, 8},
    {"DIMDSEP", '.', ','},   {"DIMLUNIT", 2, 2},     {"DIMTOFL", 1, 1},
    {"DIMJUST", 0, 0},       {"DIMSCALE", 1, 1},     {"DIMTDEC", 2, 2},
    {"DIMALTD", 2, 3},       {"DIMALTF", 25.4, 0.03937007874016},
};

TEST(DefaultDimStyles, StandardAndIso25HaveTheirValues) {
  AcDbDatabase db;
  AcDbObjectId standardId = db.dimstyle();
  AcDbObjectId isoId = test::recordNamed(db.dimStyleTableId(), "ISO-25");
  ASSERT_EQ(standardId, test::recordNamed(db.dimStyleTableId(), "Standard"))
      << "STANDARD is current";
  ASSERT_FALSE(isoId.isNull());
  DimVars standard, iso;
  {
    test::Opened<AcDbDimStyleTableRecord> s(standardId), i(isoId);
    standard = dimVarsOf(*s.get());
    iso = dimVarsOf(*i.get());
    EXPECT_EQ(s->dimtxsty(), test::recordNamed(db.textStyleTableId(), "Standard"));
  }
  for (const StyleRow& row : kStyleRows) {
    const DimVarEntry& entry = *dimVarEntry(row.name);
    EXPECT_EQ(dimValueOf(standard, entry).number, row.standard) << "STANDARD " << row.name;
    EXPECT_EQ(dimValueOf(iso, entry).number, row.iso25) << "ISO-25 " << row.name;
  }
}

TEST(DefaultDimStyles, TheHeaderHoldsTheCurrentStylesValues) {
  AcDbDatabase db;
  test::Opened<AcDbDimStyleTableRecord> standard(db.dimstyle());
  DimVars style = dimVarsOf(*standard.get());
  for (int i = 0; i < dimVarCount(); ++i) {
    const DimVarEntry& entry = dimVarEntryAt(i);
    if (entry.r12Name || entry.obsolete)
      continue;
    std::string name = std::string("$") + entry.info.name;
    ASSERT_TRUE(db.header().has(name)) << name;
    resbuf rb{};
    ASSERT_EQ(getDimSysvar(db, entry.info.name, rb), RTNORM) << name;
    DimValue fromStyle = dimValueOf(style, entry);
    if (rb.restype == RTREAL) {
      EXPECT_EQ(rb.resval.rreal, fromStyle.number) << name;
    } else if (rb.restype == RTSHORT) {
      EXPECT_EQ(rb.resval.rint, fromStyle.number) << name;
    } else {
      ASSERT_EQ(rb.restype, RTSTR) << name;
      std::string text = rb.resval.rstring;
      acutDelString(rb.resval.rstring);
      if (entry.check == DimVarCheck::Separator)
        EXPECT_EQ(text, std::string(1, static_cast<char>(fromStyle.number))) << name;
      else
        EXPECT_EQ(text, fromStyle.text) << name;
    }
  }
  EXPECT_EQ(db.header().text("$DIMZIN"), std::optional<std::string>("0")) << "the editor's rule";
}

TEST(DefaultDimStyles, TheTemplateValuesAreWhatStandardResolvesTo) {
  AcDbDatabase db;
  test::Opened<AcDbDimStyleTableRecord> standard(db.dimstyle());
  DimVars resolved = dimVarsOf(*standard.get());
  DimVars plain;
  plain.dimtxsty = resolved.dimtxsty;  // the drawing's STANDARD text style, null in DimVars{}
  for (int i = 0; i < dimVarCount(); ++i) {
    const DimVarEntry& entry = dimVarEntryAt(i);
    EXPECT_TRUE(sameDimValue(entry, dimValueOf(plain, entry), dimValueOf(resolved, entry)))
        << entry.info.name << " of DimVars{} differs from the new drawing's STANDARD";
  }
}

TEST(DefaultDimStyles, WrittenAsCadHostsWriteThem) {
  AcDbDatabase db;
  std::string out = test::writeDxf(db);
  test::Groups standard = test::withoutHead(test::objectGroups(out, "TABLES", "DIMSTYLE", 0));
  std::string textStyle = test::recordNamed(db.textStyleTableId(), "Standard").handle().ascii();
  EXPECT_EQ(standard,
            (test::Groups{{2, "Standard"}, {70, "0"},     {40, "1.0"},   {41, "2.5"},
                          {42, "0.625"},   {43, "3.75"},  {44, "1.25"},  {73, "0"},
                          {74, "0"},       {77, "1"},     {78, "0"},     {140, "2.5"},
                          {141, "2.5"},    {147, "0.625"}, {172, "1"},   {271, "2"},
                          {272, "2"},      {277, "2"},    {278, "46"},   {280, "0"},
                          {340, textStyle}}));
  test::Groups iso = test::withoutHead(test::objectGroups(out, "TABLES", "DIMSTYLE", 1));
  EXPECT_EQ(test::valuesOf(iso, 2), std::vector<std::string>{"ISO-25"});
  EXPECT_EQ(test::valuesOf(iso, 278), std::vector<std::string>{"44"});
  EXPECT_EQ(test::valuesOf(iso, 143), std::vector<std::string>{"0.03937007874016"});
  // R12 has no DIMDEC, DIMTDEC or text style reference in its records.
  test::Groups r12 = test::withoutHead(
      test::objectGroups(test::writeDxf(db, DxfVersion::R12), "TABLES", "DIMSTYLE", 0));
  for (int code : {271, 272, 340})
    EXPECT_TRUE(test::valuesOf(r12, code).empty()) << "R12 group " << code;
  EXPECT_EQ(test::valuesOf(r12, 140), std::vector<std::string>{"2.5"});
}

}  // namespace
}  // namespace zek
