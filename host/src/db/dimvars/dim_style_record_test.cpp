// Dimension style records: typed values of records read from R12 and R2018
// files, round trips that keep every group in place, the arrow blocks in
// both generations' forms, setters and their range checks, binary filing.
#include <gtest/gtest.h>

#include <memory>

#include "db/dimvars/dimvars_test_support.h"
#include "db_symtab.h"

namespace zek {
namespace {

// ISO-25 as a CAD host files it (values that differ from the format's
// defaults only), with DIMBLK set to the "_DOT" block and other applications'
// data after it.
const char* kIso25Record =
    "0\nDIMSTYLE\n105\n27\n330\nA\n100\nAcDbSymbolTableRecord\n100\nAcDbDimStyleTableRecord\n"
    "2\nISO-25\n70\n0\n41\n2.5\n42\n0.625\n43\n3.75\n44\n1.25\n73\n0\n74\n0\n77\n1\n78\n8\n"
    "140\n2.5\n141\n2.5\n143\n0.03937007874016\n147\n0.625\n171\n3\n172\n1\n271\n2\n272\n2\n"
    "274\n3\n278\n44\n283\n0\n284\n8\n340\n11\n342\n80\n"
    "1001\nACAD_DSTYLE_DIMJAG\n1070\n388\n1040\n1.5\n";

// Groups of the format's later generations the table does not know (DIMFXL
// 49, DIMTFILL 69, DIMFXLON 290, DIMTXTDIRECTION 294) between known ones.
const char* kUnknownCodesRecord =
    "0\nDIMSTYLE\n105\n28\n330\nA\n100\nAcDbSymbolTableRecord\n100\nAcDbDimStyleTableRecord\n"
    "2\nMixed\n70\n0\n3\n\n4\n\n40\n1.0\n49\n1.0\n41\n2.5\n69\n0\n290\n0\n294\n1\n340\n11\n"
    "173\n0\n";

// Some writers put the text style's name where its handle belongs and leave
// DIMLDRBLK empty.
const char* kNamesForHandlesRecord =
    "0\nDIMSTYLE\n105\n29\n330\nA\n100\nAcDbSymbolTableRecord\n100\nAcDbDimStyleTableRecord\n"
    "2\nNames\n70\n0\n41\n2.5\n340\nStandard\n341\n\n";

// Flags after other groups (as one writer files them), and a second 70 (a
// newer variable, the text fill colour) that is not the flags.
const char* kLateFlagsRecord =
    "0\nDIMSTYLE\n105\n2A\n330\nA\n100\nAcDbSymbolTableRecord\n100\nAcDbDimStyleTableRecord\n"
    "2\nLate\n41\n2.5\n42\n0.625\n70\n0\n73\n0\n69\n2\n70\n97\n340\n11\n";

// An R12 record lists every variable; DIMBLK names the block BOXBLANK.
const char* kR12Record =
    "0\nDIMSTYLE\n2\nARROWS\n70\n0\n3\n\n4\n\n5\nBOXBLANK\n6\n\n7\n\n40\n1.0\n41\n0.18\n"
    "42\n0.0625\n43\n0.38\n44\n0.18\n45\n0.0\n46\n0.0\n47\n0.0\n48\n0.0\n140\n0.18\n141\n0.09\n"
    "142\n0.0\n143\n25.3999999999999986\n144\n1.0\n145\n0.0\n146\n1.0\n147\n0.09\n71\n0\n72\n0\n"
    "73\n1\n74\n1\n75\n0\n76\n0\n77\n0\n78\n0\n170\n0\n171\n2\n172\n0\n173\n0\n174\n0\n175\n0\n"
    "176\n0\n177\n0\n178\n3\n";

test::Groups recordGroups(const std::string& dxf, int index = 0) {
  return test::objectGroups(dxf, "TABLES", "DIMSTYLE", index);
}

// The record's own groups: everything before its extended data.
test::Groups beforeXdata(const test::Groups& groups) {
  test::Groups own;
  for (const auto& g : groups) {
    if (g.first == 1001)
      break;
    own.push_back(g);
  }
  return own;
}

TEST(DimStyleRecord, ReadsTheValuesAFileGivesAndTheDefaultsOfTheRest) {
  auto db = test::readDxf(test::r2018Drawing(kIso25Record));
  ASSERT_TRUE(db);
  test::Opened<AcDbDimStyleTableRecord> iso(test::recordNamed(db->dimStyleTableId(), "ISO-25"));
  ASSERT_TRUE(iso);
  EXPECT_EQ(iso->dimasz(), 2.5);
  EXPECT_EQ(iso->dimaltf(), 0.03937007874016);
  EXPECT_FALSE(iso->dimtih());
  EXPECT_EQ(iso->dimtad(), 1);
  EXPECT_EQ(iso->dimzin(), 8);
  EXPECT_EQ(iso->dimdsep(), ',');
  EXPECT_EQ(iso->dimtolj(), 0);
  EXPECT_EQ(iso->dimtxsty(), test::recordNamed(db->textStyleTableId(), "Standard"));
  EXPECT_EQ(iso->dimblk(), test::recordNamed(db->blockTableId(), "_DOT"));
  // Not filed: the format's defaults.
  EXPECT_EQ(iso->dimscale(), 1.0) << "DIMSCALE";
  EXPECT_EQ(iso->dimlunit(), 2) << "DIMLUNIT";
  EXPECT_EQ(iso->dimatfit(), 3) << "DIMATFIT";
  EXPECT_EQ(iso->dimlwd(), AcDb::kLnWtByBlock) << "DIMLWD";
  EXPECT_TRUE(iso->dimblk1().isNull()) << "DIMBLK1: the closed filled arrow";
  EXPECT_EQ(iso->dimpost(), "") << "DIMPOST";
}

TEST(DimStyleRecord, R2018RoundTripKeepsEveryGroupInPlace) {
  for (const char* record : {kIso25Record, kUnknownCodesRecord, kNamesForHandlesRecord,
                             kLateFlagsRecord}) {
    std::string in = test::r2018Drawing(record);
    auto db = test::readDxf(in);
    ASSERT_TRUE(db);
    std::string out = test::writeDxf(*db);
    EXPECT_EQ(recordGroups(out), recordGroups(in)) << record;
  }
}

TEST(DimStyleRecord, FlagsAreTheFirstSeventyAndNamesStandForReferences) {
  auto db =
      test::readDxf(test::r2018Drawing(std::string(kNamesForHandlesRecord) + kLateFlagsRecord));
  ASSERT_TRUE(db);
  test::Opened<AcDbDimStyleTableRecord> late(test::recordNamed(db->dimStyleTableId(), "Late"));
  ASSERT_TRUE(late);
  EXPECT_EQ(late->flags(), 0) << "97 is the second 70, not the flags";
  EXPECT_FALSE(late->isDependent());
  test::Opened<AcDbDimStyleTableRecord> names(test::recordNamed(db->dimStyleTableId(), "Names"));
  ASSERT_TRUE(names);
  EXPECT_EQ(names->dimtxsty(), test::recordNamed(db->textStyleTableId(), "Standard"))
      << "the style named where its handle belongs";
  EXPECT_TRUE(names->dimldrblk().isNull());
}

TEST(DimStyleRecord, R12RoundTripKeepsTheArrowNames) {
  std::string in = test::r12Drawing(kR12Record);
  auto db = test::readDxf(in);
  ASSERT_TRUE(db);
  test::Groups written = recordGroups(test::writeDxf(*db));
  EXPECT_EQ(test::withoutHead(written), test::withoutHead(recordGroups(in)))
      << "group 5 (DIMBLK) is not a handle in an R12 record";
  test::Opened<AcDbDimStyleTableRecord> style(test::recordNamed(db->dimStyleTableId(), "ARROWS"));
  ASSERT_TRUE(style);
  EXPECT_EQ(style->dimblk(), test::recordNamed(db->blockTableId(), "BOXBLANK"));
  EXPECT_EQ(style->dimclrt().colorIndex(), 3);
}

TEST(DimStyleRecord, R12ArrowNamesBecomeReferencesInLaterGenerations) {
  auto db = test::readDxf(test::r12Drawing(kR12Record));
  ASSERT_TRUE(db);
  test::Groups written = recordGroups(test::writeDxf(*db, DxfVersion::R2018));
  AcDbObjectId boxblank = test::recordNamed(db->blockTableId(), "BOXBLANK");
  ASSERT_FALSE(boxblank.isNull());
  EXPECT_EQ(test::valuesOf(written, 342), std::vector<std::string>{boxblank.handle().ascii()});
  for (int code : {5, 343, 344})
    EXPECT_TRUE(test::valuesOf(written, code).empty()) << "group " << code;
  for (int code : {6, 7})
    EXPECT_EQ(test::valuesOf(written, code), std::vector<std::string>{""})
        << "the default arrow stays as filed, group " << code;
  // The reference takes the place of the name: right after DIMAPOST.
  test::Groups body = test::withoutHead(written);
  ASSERT_GE(body.size(), 5u);
  EXPECT_EQ(body[3].first, 4);
  EXPECT_EQ(body[4].first, 342);
}

TEST(DimStyleRecord, LaterRecordsWrittenAsR12KeepOnlyWhatR12Holds) {
  auto db = test::readDxf(test::r2018Drawing(kIso25Record));
  ASSERT_TRUE(db);
  test::Groups written = beforeXdata(test::withoutHead(
      test::objectGroups(test::writeDxf(*db, DxfVersion::R12), "TABLES", "DIMSTYLE", 0)));
  std::vector<int> codes;
  for (const auto& g : written)
    codes.push_back(g.first);
  EXPECT_EQ(codes, (std::vector<int>{2, 70, 41, 42, 43, 44, 73, 74, 77, 78, 140, 141, 143, 147,
                                     171, 172, 5}));
  EXPECT_EQ(test::valuesOf(written, 5), std::vector<std::string>{"_DOT"});
}

TEST(DimStyleRecord, SettersReplaceInPlaceOrAppend) {
  auto db = test::readDxf(test::r2018Drawing(kIso25Record));
  ASSERT_TRUE(db);
  AcDbObjectId id = test::recordNamed(db->dimStyleTableId(), "ISO-25");
  {
    test::Opened<AcDbDimStyleTableRecord> iso(id, AcDb::kForWrite);
    ASSERT_TRUE(iso);
    ASSERT_EQ(iso->setDimdec(3), Acad::eOk);
    ASSERT_EQ(iso->setDimscale(2.0), Acad::eOk);
    ASSERT_EQ(iso->setDimdsep('.'), Acad::eOk);
    ASSERT_EQ(iso->setDimpost("<> mm"), Acad::eOk);
  }
  test::Groups out = beforeXdata(recordGroups(test::writeDxf(*db)));
  test::Groups in = beforeXdata(recordGroups(test::r2018Drawing(kIso25Record)));
  // In place: the same codes in the same order, three values changed; then
  // the new ones at the end.
  ASSERT_EQ(out.size(), in.size() + 2);
  for (std::size_t i = 0; i < in.size(); ++i) {
    EXPECT_EQ(out[i].first, in[i].first) << "group " << i;
    if (in[i].first == 271)
      EXPECT_EQ(out[i].second, "3");
    else if (in[i].first == 278)
      EXPECT_EQ(out[i].second, "46");
    else
      EXPECT_EQ(out[i].second, in[i].second) << "group " << in[i].first;
  }
  EXPECT_EQ(out[in.size()], (test::Group{40, "2.0"}));
  EXPECT_EQ(out[in.size() + 1], (test::Group{3, "<> mm"}));
}

TEST(DimStyleRecord, SettersRefuseValuesOutOfRange) {
  AcDbDimStyleTableRecord style;
  struct Row { const char* why; Acad::ErrorStatus got; Acad::ErrorStatus expected; };
  const Row rows[] = {
      {"DIMASZ -1", style.setDimasz(-1.0), Acad::eInvalidInput},
      {"DIMTXT 0 (the text style's height)", style.setDimtxt(0.0), Acad::eOk},
      {"DIMGAP -1 boxes the text", style.setDimgap(-1.0), Acad::eOk},
      {"DIMCEN -2.5 draws centre lines", style.setDimcen(-2.5), Acad::eOk},
      {"DIMLFAC 0", style.setDimlfac(0.0), Acad::eInvalidInput},
      {"DIMALTF 0", style.setDimaltf(0.0), Acad::eInvalidInput},
      {"DIMSCALE 0 (scale to the viewport)", style.setDimscale(0.0), Acad::eOk},
      {"DIMTAD 4", style.setDimtad(4), Acad::eOk},
      {"DIMTAD 5", style.setDimtad(5), Acad::eInvalidInput},
      {"DIMDEC 8", style.setDimdec(8), Acad::eOk},
      {"DIMDEC 9", style.setDimdec(9), Acad::eInvalidInput},
      {"DIMZIN 16", style.setDimzin(16), Acad::eInvalidInput},
      {"DIMLUNIT 0", style.setDimlunit(0), Acad::eInvalidInput},
      {"DIMLUNIT 6", style.setDimlunit(6), Acad::eOk},
      {"DIMDSEP NUL", style.setDimdsep('\0'), Acad::eInvalidInput},
      {"DIMLWD 0.25 mm", style.setDimlwd(AcDb::kLnWt025), Acad::eOk},
      {"DIMLWD 26", style.setDimlwd(static_cast<AcDb::LineWeight>(26)), Acad::eInvalidInput},
      {"DIMTXSTY null: the drawing's STANDARD", style.setDimtxsty(AcDbObjectId()), Acad::eOk},
  };
  for (const Row& r : rows)
    EXPECT_EQ(r.got, r.expected) << r.why;
  EXPECT_EQ(style.dimasz(), 0.18) << "a refused value leaves the record alone";
  EXPECT_EQ(style.dimdec(), 8);
}

TEST(DimStyleRecord, AnArrowBlockByNameWaitsForItsBlock) {
  auto db = test::readDxf(test::r2018Drawing(kIso25Record));
  ASSERT_TRUE(db);
  AcDbObjectId id = test::recordNamed(db->dimStyleTableId(), "ISO-25");
  {
    test::Opened<AcDbDimStyleTableRecord> iso(id, AcDb::kForWrite);
    ASSERT_EQ(iso->setDimblk1("_OPEN"), Acad::eOk);
    ASSERT_EQ(iso->setDimblk("."), Acad::eOk) << "back to the closed filled arrow";
    EXPECT_TRUE(iso->dimblk1().isNull()) << "no such block yet";
    EXPECT_TRUE(iso->dimblk().isNull());
  }
  test::Groups before = recordGroups(test::writeDxf(*db));
  EXPECT_TRUE(test::valuesOf(before, 343).empty()) << "no block to refer to";
  EXPECT_TRUE(test::valuesOf(before, 342).empty()) << "the default arrow files nothing";
  EXPECT_EQ(test::valuesOf(test::objectGroups(test::writeDxf(*db, DxfVersion::R12), "TABLES",
                                              "DIMSTYLE", 0), 6),
            std::vector<std::string>{"_OPEN"})
      << "R12 files the name";

  AcDbObjectId open;
  {
    test::Opened<AcDbBlockTable> blocks(db->blockTableId(), AcDb::kForWrite);
    auto* block = new AcDbBlockTableRecord;
    ASSERT_EQ(block->setName("_OPEN"), Acad::eOk);
    ASSERT_EQ(blocks->add(open, block), Acad::eOk);
    block->close();
  }
  test::Groups after = recordGroups(test::writeDxf(*db));
  EXPECT_EQ(test::valuesOf(after, 343), std::vector<std::string>{open.handle().ascii()});
  test::Opened<AcDbDimStyleTableRecord> iso(id);
  EXPECT_EQ(iso->dimblk1(), open);
}

TEST(DimStyleRecord, BinaryFilingKeepsTheGroups) {
  auto db = test::readDxf(test::r2018Drawing(kUnknownCodesRecord));
  ASSERT_TRUE(db);
  test::Opened<AcDbDimStyleTableRecord> mixed(test::recordNamed(db->dimStyleTableId(), "Mixed"));
  ASSERT_TRUE(mixed);
  std::unique_ptr<AcDbDimStyleTableRecord> copy(
      AcDbDimStyleTableRecord::cast(mixed->clone()));
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->dimStyleGroups(), mixed->dimStyleGroups());
  EXPECT_EQ(copy->dimasz(), 2.5);
  EXPECT_EQ(copy->dimtxsty(), mixed->dimtxsty());
}

}  // namespace
}  // namespace zek
