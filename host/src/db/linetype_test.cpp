// Tests of loading linetypes from the shipped acadiso.lin: one by name (case
// ignored), all of them with "*", a linetype already there, a name the file
// lacks; the dashes and the pattern length of what was loaded.
#include <gtest/gtest.h>

#include "db/testing/db_test_support.h"
#include "db_symtab.h"

namespace zek::test {
namespace {

constexpr const char* kLinFile = "acadiso.lin";

AcDbObjectId linetypeId(AcDbDatabase& db, const char* name) {
  Opened<AcDbLinetypeTable> table(db.linetypeTableId());
  AcDbObjectId id;
  return table && table->getAt(name, id) == Acad::eOk ? id : AcDbObjectId();
}

std::size_t linetypeCount(AcDbDatabase& db) {
  Opened<AcDbLinetypeTable> table(db.linetypeTableId());
  std::size_t count = 0;
  for (AcDbObjectId id : table->recordIds())
    count += !id.isErased();
  return count;
}

// Expected dashes in millimetres and their pattern length, added up by hand.
struct PatternCase {
  const char* name;
  std::vector<double> dashes;
  double patternLength;
};
const PatternCase kPatterns[] = {
    {"DASHED", {12.7, -6.35}, 19.05},
    {"HIDDEN2", {3.175, -1.5875}, 4.7625},
    {"PHANTOM", {31.75, -6.35, 6.35, -6.35, 6.35, -6.35}, 63.5},
    {"ACAD_ISO02W100", {12, -3}, 15},
    {"ACAD_ISO05W100", {24, -3, 0, -3, 0, -3}, 33},
    {"ACAD_ISO07W100", {0, -3}, 3},  // a dot is a dash of length zero
    {"ACAD_ISO15W100", {12, -3, 12, -3, 0, -3, 0, -3, 0, -3}, 39},
};

TEST(LinetypeFile, LoadsOneLinetypeWithItsDashes) {
  for (const PatternCase& c : kPatterns) {
    AcDbDatabase db;
    const std::size_t before = linetypeCount(db);
    ASSERT_EQ(acdbLoadLineTypeFile(c.name, kLinFile, &db), Acad::eOk) << c.name;
    EXPECT_EQ(linetypeCount(db), before + 1) << c.name << ": only the one asked for";
    Opened<AcDbLinetypeTableRecord> linetype(linetypeId(db, c.name));
    ASSERT_TRUE(linetype) << c.name;
    EXPECT_EQ(linetype->name(), c.name);
    ASSERT_EQ(linetype->numDashes(), static_cast<int>(c.dashes.size())) << c.name;
    for (int i = 0; i < linetype->numDashes(); ++i)
      EXPECT_NEAR(linetype->dashLengthAt(i), c.dashes[static_cast<std::size_t>(i)], 1e-12)
          << c.name << " dash " << i;
    EXPECT_NEAR(linetype->patternLength(), c.patternLength, 1e-9)
        << c.name << ": the pattern is as long as its dashes and gaps together";
    EXPECT_FALSE(linetype->comments().empty()) << c.name << ": the description is kept";
  }
}

TEST(LinetypeFile, NamesAreMatchedWithoutRegardToCase) {
  AcDbDatabase db;
  ASSERT_EQ(db.loadLineTypeFile("center", kLinFile), Acad::eOk);
  Opened<AcDbLinetypeTableRecord> linetype(linetypeId(db, "CENTER"));
  ASSERT_TRUE(linetype);
  EXPECT_EQ(linetype->name(), "CENTER") << "the record takes the file's spelling";
}

TEST(LinetypeFile, StarLoadsEveryLinetype) {
  AcDbDatabase db;
  const std::size_t before = linetypeCount(db);
  ASSERT_EQ(acdbLoadLineTypeFile("*", kLinFile, &db), Acad::eOk);
  EXPECT_EQ(linetypeCount(db), before + 38) << "14 ISO linetypes and 24 classic ones";
  for (const char* name : {"ACAD_ISO02W100", "ACAD_ISO15W100", "BORDER", "BORDERX2", "CENTER2",
                           "DASHDOT", "DIVIDE2", "DOTX2", "HIDDEN", "PHANTOMX2"})
    EXPECT_FALSE(linetypeId(db, name).isNull()) << name;
  EXPECT_EQ(acdbLoadLineTypeFile("*", kLinFile, &db), Acad::eOk)
      << "loading everything again leaves what is there and is no error";
  EXPECT_EQ(linetypeCount(db), before + 38);
  EXPECT_TRUE(db.openObjects().empty());
}

TEST(LinetypeFile, RefusesWhatItCannotLoad) {
  AcDbDatabase db;
  ASSERT_EQ(acdbLoadLineTypeFile("DASHED", kLinFile, &db), Acad::eOk);
  AcDbObjectId first = linetypeId(db, "DASHED");
  struct Case {
    const char* name;
    const char* file;
    Acad::ErrorStatus expected;
  };
  const Case cases[] = {
      {"DASHED", kLinFile, Acad::eDuplicateKey},
      {"dashed", kLinFile, Acad::eDuplicateKey},
      {"ZEK_NO_SUCH_LINETYPE", kLinFile, Acad::eKeyNotFound},
      {"DASHED", "zek-no-such-file.lin", Acad::eFileNotFound},
  };
  for (const Case& c : cases)
    EXPECT_EQ(acdbLoadLineTypeFile(c.name, c.file, &db), c.expected) << c.name << " from " << c.file;
  EXPECT_EQ(linetypeId(db, "DASHED"), first) << "the linetype already there stays as it was";
  EXPECT_TRUE(db.openObjects().empty());
}

TEST(LinetypeFile, LoadedLinetypeIsWrittenWithItsPattern) {
  AcDbDatabase db;
  ASSERT_EQ(acdbLoadLineTypeFile("ACAD_ISO10W100", kLinFile, &db), Acad::eOk);
  std::string written = writeDxf(db);
  Groups record;
  for (const DxfObject& object : dxfObjects(written))
    if (object.type == "LTYPE" && valuesOf(object.groups, 2) == std::vector<std::string>{"ACAD_ISO10W100"})
      record = object.groups;
  ASSERT_FALSE(record.empty()) << written;
  EXPECT_EQ(valuesOf(record, 73), std::vector<std::string>{"4"});
  ASSERT_EQ(valuesOf(record, 40).size(), 1u);
  EXPECT_DOUBLE_EQ(std::stod(valuesOf(record, 40)[0]), 18.0);
  std::vector<double> dashes;
  for (const std::string& v : valuesOf(record, 49))
    dashes.push_back(std::stod(v));
  EXPECT_EQ(dashes, (std::vector<double>{12, -3, 0, -3}));
}

}  // namespace
}  // namespace zek::test
