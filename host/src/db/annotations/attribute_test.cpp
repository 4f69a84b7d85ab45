// AcDbAttributeDefinition and AcDbAttribute: their section in every form
// (version and lock 280s, field length and vertical mode), the embedded
// multi-line part of R2018 files, attributes made from definitions, and the
// binary round trip.
#include "db_text.h"

#include <gtest/gtest.h>

#include <numbers>

#include "db/annotations/annotation_test_support.h"
#include "db/memory_filer.h"

namespace zek {
namespace {

constexpr double kTol = 1e-9;

// R2018 ATTDEF: version 280 before the tag, lock 280 after it, then groups
// of the multi-line form and an embedded MTEXT whose 73 must not become the
// field length.
const char* kAttdefR2018 =
    "0\nATTDEF\n5\n90\n100\nAcDbEntity\n8\n0\n100\nAcDbText\n10\n1\n20\n2\n30\n0\n40\n2.5\n1\nDEF\n"
    "100\nAcDbAttributeDefinition\n280\n0\n3\nDiameter?\n2\nDIA\n70\n12\n73\n4\n74\n3\n280\n1\n"
    "71\n4\n72\n0\n101\nEmbedded Object\n10\n1\n20\n2\n30\n0\n40\n2.5\n73\n1\n44\n1.0\n";
// The same definition as R12 writes it: one list; 73 is the field length
// and 74 the vertical mode.
const char* kAttdefR12 =
    "0\nATTDEF\n5\n90\n8\n0\n10\n1\n20\n2\n30\n0\n40\n2.5\n1\nDEF\n3\nDiameter?\n2\nDIA\n70\n12\n"
    "73\n4\n74\n3\n";

TEST(AttributeDefinitionDxf, SectionFieldsInEveryForm) {
  struct Form { const char* name; const char* dxf; bool lock; };
  for (const Form& f : {Form{"R2018", kAttdefR2018, true}, Form{"R12", kAttdefR12, false}}) {
    auto db = test::readDrawing(test::entitiesDxf(f.dxf));
    ASSERT_TRUE(db) << f.name;
    test::Opened<AcDbAttributeDefinition> def(test::modelSpaceIds(*db).at(0));
    ASSERT_TRUE(def) << f.name;
    EXPECT_STREQ(def->tagConst(), "DIA") << f.name;
    EXPECT_STREQ(def->promptConst(), "Diameter?") << f.name;
    EXPECT_STREQ(def->textStringConst(), "DEF") << f.name;
    EXPECT_FALSE(def->isInvisible()) << f.name << ": 70 = 12 is verify + preset";
    EXPECT_FALSE(def->isConstant()) << f.name;
    EXPECT_TRUE(def->isVerifiable()) << f.name;
    EXPECT_TRUE(def->isPreset()) << f.name;
    EXPECT_EQ(def->fieldLength(), 4) << f.name << ": not the embedded 73";
    EXPECT_EQ(def->verticalMode(), AcDb::kTextTop) << f.name << ": 74";
    EXPECT_EQ(def->lockPositionInBlock(), f.lock) << f.name;
  }
}

TEST(AttributeDefinitionDxf, EmbeddedPartComesBackAfterTheOwnGroups) {
  auto db = test::readDrawing(test::entitiesDxf(kAttdefR2018));
  ASSERT_TRUE(db);
  test::Groups groups = test::entityGroups(test::writeDrawing(*db, DxfVersion::R2018), "ATTDEF");
  int marker = test::indexOf(groups, 100, "AcDbAttributeDefinition");
  int tag = test::indexOf(groups, 2, "DIA");
  int embedded = test::indexOf(groups, 101, "Embedded Object");
  ASSERT_GE(marker, 0);
  EXPECT_EQ(groups[marker + 1], (std::pair<int, std::string>{280, "0"})) << "version first";
  EXPECT_GT(tag, marker);
  EXPECT_GT(embedded, tag) << "the embedded part after the definition's own groups";
  EXPECT_EQ(test::valuesOf(groups, 280), (std::vector<std::string>{"0", "1"})) << "version, lock";
  // After 101: 10/20/30, 40, 73, 44 as filed.
  test::Groups tail(groups.begin() + embedded, groups.end());
  test::Groups expected = {{101, "Embedded Object"}, {10, "1"}, {20, "2"}, {30, "0"},
                           {40, "2.5"}, {73, "1"}, {44, "1.0"}};
  EXPECT_EQ(tail, expected);
  // R2000 has neither version nor lock.
  test::Groups older = test::entityGroups(test::writeDrawing(*db, DxfVersion::R2000), "ATTDEF");
  EXPECT_TRUE(test::valuesOf(older, 280).empty());
}

TEST(AttributeFromDefinition, TakesTextTagAndPlacement) {
  AcDbAttributeDefinition def(AcGePoint3d(2, 0, 0), "7", "NO", "Number?");
  def.setHeight(2.0);
  def.setInvisible(true);
  def.setFieldLength(3);
  AcDbAttribute attribute;
  AcGeMatrix3d place = AcGeMatrix3d::translation(AcGeVector3d(100, 50, 0)) *
                       AcGeMatrix3d::rotation(std::numbers::pi / 2, AcGeVector3d::kZAxis);
  ASSERT_EQ(attribute.setAttributeFromBlock(&def, place), Acad::eOk);
  EXPECT_STREQ(attribute.tagConst(), "NO");
  EXPECT_STREQ(attribute.textStringConst(), "7");
  EXPECT_TRUE(attribute.isInvisible());
  EXPECT_EQ(attribute.fieldLength(), 3);
  EXPECT_TRUE(attribute.position().isEqualTo({100, 52, 0})) << "(2,0) turned to (0,2), moved";
  EXPECT_NEAR(attribute.rotation(), std::numbers::pi / 2, kTol);
  EXPECT_NEAR(attribute.height(), 2.0, kTol);
  EXPECT_EQ(attribute.setTag("TWO WORDS"), Acad::eInvalidInput) << "a tag holds no space";
}

TEST(AttributeBinaryFiler, RoundTripGivesEqualFields) {
  AcDbAttribute source(AcGePoint3d(1, 2, 0), "ø12", "DIA");
  source.setHeight(3.0);
  source.setInvisible(true);
  source.setFieldLength(5);
  source.setLockPositionInBlock(true);
  source.setVerticalMode(AcDb::kTextVertMid);
  MemoryDwgFiler filer(AcDb::kCopyFiler, nullptr);
  ASSERT_EQ(source.dwgOutFields(&filer), Acad::eOk);
  filer.rewind();
  AcDbAttribute copy;
  ASSERT_EQ(copy.dwgInFields(&filer), Acad::eOk);
  EXPECT_TRUE(filer.atEnd());
  EXPECT_STREQ(copy.tagConst(), "DIA");
  EXPECT_STREQ(copy.textStringConst(), "ø12");
  EXPECT_EQ(copy.height(), 3.0);
  EXPECT_TRUE(copy.isInvisible());
  EXPECT_EQ(copy.fieldLength(), 5);
  EXPECT_TRUE(copy.lockPositionInBlock());
  EXPECT_EQ(copy.verticalMode(), AcDb::kTextVertMid);
}

}  // namespace
}  // namespace zek
