// A dimension's own variables: DSTYLE data read and written back unchanged,
// setters that keep other data in place, removal, arrow blocks, and the
// capture of the drawing's current values when a dimension is appended.
#include <gtest/gtest.h>

#include "db/dimvars/dimvars_test_support.h"
#include "db_dimension.h"
#include "zek/dim_vars.h"

namespace zek {
namespace {

const char* kStandardRecord =
    "0\nDIMSTYLE\n105\n27\n330\nA\n100\nAcDbSymbolTableRecord\n100\nAcDbDimStyleTableRecord\n"
    "2\nStandard\n70\n0\n340\n11\n";

const char* kLinear =
    "0\nDIMENSION\n5\n90\n330\n1F\n100\nAcDbEntity\n8\n0\n100\nAcDbDimension\n280\n0\n"
    "10\n30.0\n20\n40.0\n30\n0.0\n11\n15.0\n21\n42.0\n31\n0.0\n70\n32\n71\n5\n42\n10.0\n"
    "3\nStandard\n100\nAcDbAlignedDimension\n13\n0.0\n23\n0.0\n33\n0.0\n14\n10.0\n24\n0.0\n"
    "34\n0.0\n100\nAcDbRotatedDimension\n";

const char* kOverrides =
    "1001\nACAD\n1000\nDSTYLE\n1002\n{\n1070\n271\n1070\n3\n1070\n147\n1040\n1.5\n"
    "1070\n3\n1000\n<> mm\n1002\n}\n"
    "1001\nACAD_DSTYLE_DIMRADIAL_EXTENSION\n1070\n387\n1070\n1\n";

// The groups of the first DIMENSION from its XDATA on.
test::Groups xdataGroups(const std::string& dxf) {
  test::Groups all = test::objectGroups(dxf, "ENTITIES", "DIMENSION", 0);
  test::Groups xdata;
  bool in = false;
  for (const auto& g : all) {
    in = in || g.first == 1001;
    if (in)
      xdata.push_back(g);
  }
  return xdata;
}

test::Groups keptXdata(const AcDbObject& object) {
  test::Groups groups;
  if (const ObjectExtras* e = object.extras())
    for (const KeptGroup& g : e->xdata)
      groups.emplace_back(g.code, g.text);
  return groups;
}

std::unique_ptr<AcDbDatabase> drawingWithOverrides() {
  return test::readDxf(test::r2018Drawing(kStandardRecord, std::string(kLinear) + kOverrides));
}

TEST(DimOverrides, ReadAndWrittenBackUnchanged) {
  std::string in = test::r2018Drawing(kStandardRecord, std::string(kLinear) + kOverrides);
  auto db = test::readDxf(in);
  ASSERT_TRUE(db);
  {
    test::Opened<AcDbDimension> dim(test::modelSpaceIds(*db).at(0));
    ASSERT_TRUE(dim);
    EXPECT_EQ(dimOverridesOf(*dim.get()),
              (std::vector<DimOverride>{{271, 1070, "3"}, {147, 1040, "1.5"}, {3, 1000, "<> mm"}}));
    DimVars vars = dimVarsOf(*dim.get());
    EXPECT_EQ(vars.dimdec, 3);
    EXPECT_EQ(vars.dimgap, 1.5);
    EXPECT_EQ(vars.dimpost, "<> mm");
    EXPECT_EQ(vars.dimtxt, 0.18) << "not overridden: the style's (unfiled: the format's)";
    EXPECT_EQ(dim->dimdec(), 3);
    EXPECT_EQ(dim->dimgap(), 1.5);
    EXPECT_EQ(dim->dimpost(), "<> mm");
    EXPECT_EQ(dim->dimtxt(), 0.18);
  }
  EXPECT_EQ(xdataGroups(test::writeDxf(*db)), xdataGroups(in));
}

TEST(DimOverrides, ReadingLeavesAStyleOpenForWriteAsItIs) {
  auto db = drawingWithOverrides();
  ASSERT_TRUE(db);
  test::Opened<AcDbDimStyleTableRecord> style(db->dimstyle(), AcDb::kForWrite);
  ASSERT_TRUE(style);
  ASSERT_EQ(style->setDimtxt(3.5), Acad::eOk);
  test::Opened<AcDbDimension> dim(test::modelSpaceIds(*db).at(0));
  EXPECT_EQ(dimVarsOf(*dim.get()).dimtxt, 3.5) << "the style's new value";
  EXPECT_EQ(dim->dimtxt(), 3.5);
  EXPECT_TRUE(style->isWriteEnabled()) << "peeking at the style must not close its writer";
  EXPECT_EQ(style->setDimasz(3.0), Acad::eOk);
}

TEST(DimOverrides, SettersReplaceInPlaceAndAddBeforeTheBrace) {
  auto db = drawingWithOverrides();
  ASSERT_TRUE(db);
  {
    test::Opened<AcDbDimension> dim(test::modelSpaceIds(*db).at(0), AcDb::kForWrite);
    ASSERT_EQ(dim->setDimdec(4), Acad::eOk);
    ASSERT_EQ(dim->setDimtad(1), Acad::eOk);
    EXPECT_EQ(dim->dimdec(), 4);
    EXPECT_EQ(dim->dimtad(), 1);
  }
  EXPECT_EQ(xdataGroups(test::writeDxf(*db)),
            (test::Groups{{1001, "ACAD"}, {1000, "DSTYLE"}, {1002, "{"}, {1070, "271"},
                          {1070, "4"}, {1070, "147"}, {1040, "1.5"}, {1070, "3"},
                          {1000, "<> mm"}, {1070, "77"}, {1070, "1"}, {1002, "}"},
                          {1001, "ACAD_DSTYLE_DIMRADIAL_EXTENSION"}, {1070, "387"},
                          {1070, "1"}}));
}

TEST(DimOverrides, RemovingTheLastOneDropsDstyleAndTheApplication) {
  auto db = drawingWithOverrides();
  ASSERT_TRUE(db);
  test::Opened<AcDbDimension> dim(test::modelSpaceIds(*db).at(0), AcDb::kForWrite);
  EXPECT_EQ(removeDimOverride(*dim.get(), "DIMTXT"), Acad::eKeyNotFound);
  EXPECT_EQ(removeDimOverride(*dim.get(), "DIMDEC"), Acad::eOk);
  EXPECT_EQ(dim->dimdec(), 4) << "the style's (unfiled: the format's) again";
  EXPECT_EQ(removeDimOverride(*dim.get(), "$dimgap"), Acad::eOk);
  EXPECT_EQ(removeDimOverride(*dim.get(), "DIMPOST"), Acad::eOk);
  EXPECT_EQ(keptXdata(*dim.get()),
            (test::Groups{{1001, "ACAD_DSTYLE_DIMRADIAL_EXTENSION"}, {1070, "387"}, {1070, "1"}}));
}

TEST(DimOverrides, ANewDimensionGetsItsOwnAcadData) {
  AcDbDatabase db;
  auto* made = new AcDbRotatedDimension(0.0, {0, 0, 0}, {10, 0, 0}, {0, 5, 0});
  AcDbObjectId id = test::appendToModelSpace(db, made);
  ASSERT_FALSE(id.isNull());
  test::Opened<AcDbDimension> dim(id, AcDb::kForWrite);
  EXPECT_TRUE(keptXdata(*dim.get()).empty()) << "nothing differs from STANDARD";
  ASSERT_EQ(dim->setDimtxt(5.0), Acad::eOk);
  ASSERT_EQ(dim->setDimasz(2.5), Acad::eOk) << "the style's own value is filed all the same";
  EXPECT_EQ(dim->setDimdec(9), Acad::eInvalidInput);
  EXPECT_EQ(dim->setDimclrd(AcCmColor()), Acad::eOk) << "BYLAYER, 256";
  EXPECT_EQ(keptXdata(*dim.get()),
            (test::Groups{{1001, "ACAD"}, {1000, "DSTYLE"}, {1002, "{"}, {1070, "140"},
                          {1040, "5.0"}, {1070, "41"}, {1040, "2.5"}, {1070, "176"},
                          {1070, "256"}, {1002, "}"}}));
  EXPECT_EQ(dim->dimtxt(), 5.0);
  EXPECT_EQ(dim->dimclrd().colorIndex(), 256);
}

TEST(DimOverrides, ArrowBlocksByReferenceOrByName) {
  auto db = drawingWithOverrides();
  ASSERT_TRUE(db);
  AcDbObjectId dot = test::recordNamed(db->blockTableId(), "_DOT");
  test::Opened<AcDbDimension> dim(test::modelSpaceIds(*db).at(0), AcDb::kForWrite);
  ASSERT_EQ(dim->setDimblk("_DOT"), Acad::eOk);
  EXPECT_EQ(dim->dimblk(), dot);
  ASSERT_EQ(dim->setDimblk1("_OPEN"), Acad::eOk) << "no such block: kept by name";
  EXPECT_TRUE(dim->dimblk1().isNull());
  EXPECT_EQ(dim->setDimldrblk("_OPEN"), Acad::eInvalidInput) << "DIMLDRBLK has no name form";
  std::vector<DimOverride> overrides = dimOverridesOf(*dim.get());
  ASSERT_EQ(overrides.size(), 5u);
  EXPECT_EQ(overrides[3], (DimOverride{342, 1005, dot.handle().ascii()}));
  EXPECT_EQ(overrides[4], (DimOverride{6, 1000, "_OPEN"}));
  EXPECT_EQ(dimVarsOf(*dim.get()).dimblk1, "_OPEN");
  // Once the block exists the reference replaces the name.
  ASSERT_EQ(dim->setDimblk1(dot), Acad::eOk);
  overrides = dimOverridesOf(*dim.get());
  ASSERT_EQ(overrides.size(), 5u);
  EXPECT_EQ(overrides[4], (DimOverride{343, 1005, dot.handle().ascii()}));
}

// Appends a linear dimension of `style` (null: STANDARD) to a new drawing,
// `before` runs on it first; answers its overrides.
template <typename Before>
std::vector<DimOverride> appendedOverrides(AcDbDatabase& db, AcDbObjectId style, Before before) {
  auto* made = new AcDbRotatedDimension(0.0, {0, 0, 0}, {10, 0, 0}, {0, 5, 0}, nullptr, style);
  before(*made);
  AcDbObjectId id = test::appendToModelSpace(db, made);
  test::Opened<AcDbDimension> dim(id);
  return dim ? dimOverridesOf(*dim.get()) : std::vector<DimOverride>{};
}

void setShort(AcDbDatabase& db, const char* name, short value) {
  resbuf rb{};
  rb.restype = RTSHORT;
  rb.resval.rint = value;
  ASSERT_EQ(setDimSysvar(db, name, rb), RTNORM) << name;
}

TEST(DimOverrideCapture, TheDrawingsCurrentValuesBecomeOverrides) {
  AcDbDatabase db;
  auto nothing = [](AcDbDimension&) {};
  EXPECT_TRUE(appendedOverrides(db, {}, nothing).empty()) << "header equal to the style";
  setShort(db, "DIMDEC", 3);
  EXPECT_EQ(appendedOverrides(db, {}, nothing), (std::vector<DimOverride>{{271, 1070, "3"}}))
      << "DIMDEC 3 at the command line, then dimensioning";
  EXPECT_EQ(appendedOverrides(db, {},
                              [](AcDbDimension& d) { EXPECT_EQ(d.setDimdec(2), Acad::eOk); }),
            (std::vector<DimOverride>{{271, 1070, "2"}}))
      << "a module's explicit value wins";
}

TEST(DimOverrideCapture, AnotherStyleGetsTheHeaderValuesThatDifferFromIt) {
  AcDbDatabase db;
  AcDbObjectId iso = test::recordNamed(db.dimStyleTableId(), "ISO-25");
  ASSERT_FALSE(iso.isNull());
  // The header holds STANDARD's values; ISO-25 differs in seven of them.
  EXPECT_EQ(appendedOverrides(db, iso, [](AcDbDimension&) {}),
            (std::vector<DimOverride>{{143, 1040, "25.4"}, {78, 1070, "0"}, {171, 1070, "2"},
                                      {274, 1070, "2"}, {278, 1070, "46"}, {283, 1070, "1"},
                                      {284, 1070, "0"}}));
}

TEST(DimOverrideCapture, TextStyleByReference) {
  AcDbDatabase db;
  AcDbObjectId notes;
  {
    test::Opened<AcDbTextStyleTable> styles(db.textStyleTableId(), AcDb::kForWrite);
    auto* style = new AcDbTextStyleTableRecord;
    ASSERT_EQ(style->setName("Notes"), Acad::eOk);
    ASSERT_EQ(styles->add(notes, style), Acad::eOk);
    style->close();
  }
  resbuf rb{};
  rb.restype = RTSTR;
  rb.resval.rstring = const_cast<char*>("Notes");
  ASSERT_EQ(setDimSysvar(db, "DIMTXSTY", rb), RTNORM);
  EXPECT_EQ(appendedOverrides(db, {}, [](AcDbDimension&) {}),
            (std::vector<DimOverride>{{340, 1005, notes.handle().ascii()}}));
}

TEST(DimOverrideCapture, ADimensionReadFromAFileKeepsExactlyItsOwn) {
  std::string in = test::r2018Drawing(kStandardRecord, kLinear, "9\n$DIMDEC\n70\n3\n");
  auto db = test::readDxf(in);
  ASSERT_TRUE(db);
  {
    test::Opened<AcDbDimension> dim(test::modelSpaceIds(*db).at(0));
    EXPECT_TRUE(dimOverridesOf(*dim.get()).empty());
    EXPECT_EQ(dim->dimdec(), 4) << "the style's, not the header's";
  }
  EXPECT_TRUE(xdataGroups(test::writeDxf(*db)).empty());
}

}  // namespace
}  // namespace zek
