// The variable table against the DXF reference's DIMSTYLE group codes, its
// look-ups, and the format's defaults a record without groups has.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "zek/dim_vars.h"

namespace zek {
namespace {

using Type = DimVarInfo::Type;

struct ReferenceRow {
  const char* name;
  int code;
  Type type;
  double fileDefault;  // reals and integers
};

// The DXF reference's DIMSTYLE group codes; the defaults are the values
// R2000 and later records leave out (the imperial defaults of the format).
constexpr ReferenceRow kReference[] = {
    {"DIMPOST", 3, Type::Text, 0},      {"DIMAPOST", 4, Type::Text, 0},
    {"DIMSCALE", 40, Type::Real, 1.0},  {"DIMASZ", 41, Type::Real, 0.18},
    {"DIMEXO", 42, Type::Real, 0.0625}, {"DIMDLI", 43, Type::Real, 0.38},
    {"DIMEXE", 44, Type::Real, 0.18},   {"DIMRND", 45, Type::Real, 0},
    {"DIMDLE", 46, Type::Real, 0},      {"DIMTP", 47, Type::Real, 0},
    {"DIMTM", 48, Type::Real, 0},       {"DIMTXT", 140, Type::Real, 0.18},
    {"DIMCEN", 141, Type::Real, 0.09},  {"DIMTSZ", 142, Type::Real, 0},
    {"DIMALTF", 143, Type::Real, 25.4}, {"DIMLFAC", 144, Type::Real, 1.0},
    {"DIMTVP", 145, Type::Real, 0},     {"DIMTFAC", 146, Type::Real, 1.0},
    {"DIMGAP", 147, Type::Real, 0.09},  {"DIMALTRND", 148, Type::Real, 0},
    {"DIMTOL", 71, Type::Int, 0},       {"DIMLIM", 72, Type::Int, 0},
    {"DIMTIH", 73, Type::Int, 1},       {"DIMTOH", 74, Type::Int, 1},
    {"DIMSE1", 75, Type::Int, 0},       {"DIMSE2", 76, Type::Int, 0},
    {"DIMTAD", 77, Type::Int, 0},       {"DIMZIN", 78, Type::Int, 0},
    {"DIMAZIN", 79, Type::Int, 0},      {"DIMALT", 170, Type::Int, 0},
    {"DIMALTD", 171, Type::Int, 2},     {"DIMTOFL", 172, Type::Int, 0},
    {"DIMSAH", 173, Type::Int, 0},      {"DIMTIX", 174, Type::Int, 0},
    {"DIMSOXD", 175, Type::Int, 0},     {"DIMCLRD", 176, Type::Int, 0},
    {"DIMCLRE", 177, Type::Int, 0},     {"DIMCLRT", 178, Type::Int, 0},
    {"DIMADEC", 179, Type::Int, 0},     {"DIMUNIT", 270, Type::Int, 2},
    {"DIMDEC", 271, Type::Int, 4},      {"DIMTDEC", 272, Type::Int, 4},
    {"DIMALTU", 273, Type::Int, 2},     {"DIMALTTD", 274, Type::Int, 2},
    {"DIMAUNIT", 275, Type::Int, 0},    {"DIMFRAC", 276, Type::Int, 0},
    {"DIMLUNIT", 277, Type::Int, 2},    {"DIMDSEP", 278, Type::Int, 46},
    {"DIMTMOVE", 279, Type::Int, 0},    {"DIMJUST", 280, Type::Int, 0},
    {"DIMSD1", 281, Type::Int, 0},      {"DIMSD2", 282, Type::Int, 0},
    {"DIMTOLJ", 283, Type::Int, 1},     {"DIMTZIN", 284, Type::Int, 0},
    {"DIMALTZ", 285, Type::Int, 0},     {"DIMALTTZ", 286, Type::Int, 0},
    {"DIMFIT", 287, Type::Int, 3},      {"DIMUPT", 288, Type::Int, 0},
    {"DIMATFIT", 289, Type::Int, 3},    {"DIMTXSTY", 340, Type::Handle, 0},
    {"DIMLDRBLK", 341, Type::Handle, 0}, {"DIMBLK", 342, Type::Handle, 0},
    {"DIMBLK1", 343, Type::Handle, 0},  {"DIMBLK2", 344, Type::Handle, 0},
    {"DIMLWD", 371, Type::Int, -2},     {"DIMLWE", 372, Type::Int, -2},
};

TEST(DimVarTable, EveryVariableHasTheReferenceCodeTypeAndDefault) {
  for (const ReferenceRow& row : kReference) {
    const DimVarInfo* byName = findDimVar(row.name);
    ASSERT_NE(byName, nullptr) << row.name;
    EXPECT_EQ(byName->code, row.code) << row.name;
    EXPECT_EQ(byName->type, row.type) << row.name;
    EXPECT_EQ(byName->fileDefault, row.fileDefault) << row.name;
    const DimVarInfo* byCode = findDimVarByCode(row.code);
    ASSERT_NE(byCode, nullptr) << row.name << " by code " << row.code;
    EXPECT_STREQ(byCode->name, row.name) << "code " << row.code;
  }
}

TEST(DimVarTable, HoldsNothingBeyondTheReferenceButTheR12ArrowNames) {
  std::set<int> reference;
  for (const ReferenceRow& row : kReference)
    reference.insert(row.code);
  std::set<int> others;
  for (int i = 0; i < dimVarCount(); ++i)
    if (reference.count(dimVarAt(i).code) == 0)
      others.insert(dimVarAt(i).code);
  EXPECT_EQ(others, (std::set<int>{5, 6, 7}));
}

TEST(DimVarTable, R12FilesArrowBlocksByName) {
  struct Row { int code; const char* name; };
  for (const Row& r : {Row{5, "DIMBLK"}, Row{6, "DIMBLK1"}, Row{7, "DIMBLK2"}}) {
    const DimVarInfo* info = findDimVarByCode(r.code);
    ASSERT_NE(info, nullptr) << r.code;
    EXPECT_STREQ(info->name, r.name) << r.code;
    EXPECT_EQ(info->type, Type::Text) << r.code << " holds a name";
    EXPECT_TRUE(info->inR12) << r.code;
  }
  // By name the record form answers: a reference to a block record.
  EXPECT_EQ(findDimVar("DIMBLK")->code, 342);
  EXPECT_FALSE(findDimVar("DIMBLK")->inR12);
}

TEST(DimVarTable, R12RecordsHoldTheOlderVariablesOnly) {
  struct Row { const char* name; bool inR12; };
  const Row rows[] = {{"DIMTXT", true}, {"DIMCLRT", true}, {"DIMGAP", true}, {"DIMTAD", true},
                      {"DIMDEC", false}, {"DIMLUNIT", false}, {"DIMDSEP", false},
                      {"DIMAZIN", false}, {"DIMALTRND", false}, {"DIMTXSTY", false}};
  for (const Row& r : rows)
    EXPECT_EQ(findDimVar(r.name)->inR12, r.inR12) << r.name;
}

TEST(DimVarTable, HeaderCodesByType) {
  struct Row { const char* name; int headerCode; };
  const Row rows[] = {{"DIMTXT", 40}, {"DIMTAD", 70}, {"DIMDSEP", 70}, {"DIMLWD", 70},
                      {"DIMPOST", 1}, {"DIMBLK", 1},  {"DIMLDRBLK", 1}, {"DIMTXSTY", 7}};
  for (const Row& r : rows)
    EXPECT_EQ(findDimVar(r.name)->headerCode, r.headerCode) << r.name;
}

TEST(DimVarTable, NamesAreFoundWithOrWithoutDollarInAnyCase) {
  struct Row { const char* asked; int code; };
  const Row rows[] = {{"DIMTXT", 140}, {"$DIMTXT", 140}, {"dimtxt", 140}, {"$DimDec", 271}};
  for (const Row& r : rows) {
    const DimVarInfo* info = findDimVar(r.asked);
    ASSERT_NE(info, nullptr) << r.asked;
    EXPECT_EQ(info->code, r.code) << r.asked;
  }
  for (const char* unknown : {"DIMFOO", "DIMSTYLE", "", "$", "TEXTSIZE", "DIMTX"})
    EXPECT_EQ(findDimVar(unknown), nullptr) << '"' << unknown << '"';
  for (int code : {0, 2, 70, 100, 105, 330, 399, 1000, -1})
    EXPECT_EQ(findDimVarByCode(code), nullptr) << code;
}

TEST(DimVarTable, FileDefaultsAreTheImperialFormat) {
  DimVars d = fileDefaultDimVars();
  EXPECT_EQ(d.dimtxt, 0.18);
  EXPECT_EQ(d.dimasz, 0.18);
  EXPECT_EQ(d.dimgap, 0.09);
  EXPECT_EQ(d.dimtih, 1);
  EXPECT_EQ(d.dimtoh, 1);
  EXPECT_EQ(d.dimtad, 0);
  EXPECT_EQ(d.dimdec, 4);
  EXPECT_EQ(d.dimdsep, '.');
  EXPECT_EQ(d.dimtofl, 0);
  EXPECT_EQ(d.dimatfit, 3);
  EXPECT_EQ(d.dimlwd, -2);
  EXPECT_EQ(d.dimaltf, 25.4);
  EXPECT_EQ(d.dimblk, "");
  EXPECT_TRUE(d.dimtxsty.isNull());
}

}  // namespace
}  // namespace zek
