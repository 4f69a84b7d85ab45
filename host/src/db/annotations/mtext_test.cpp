// AcDbMText: extents, transformation, the group 3 pieces of long contents,
// the embedded column data of R2018 files, and the binary round trip.
#include "db_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "db/annotations/annotation_test_support.h"
#include "db/annotations/mtext_pieces.h"
#include "db/annotations/utf8.h"
#include "db/memory_filer.h"

namespace zek {
namespace {

constexpr double kTol = 1e-9;

TEST(MTextExtents, LinesAndAttachment) {
  // "Ø8\PM10x1" at height 2.5, attached middle centre at (50,50): lines of 2
  // and 5 characters, 5 × 0.8 × 2.5 = 10 wide; 2.5 + 5/3 × 2.5 = 6.6667 high.
  AcDbMText mtext;
  mtext.setLocation(AcGePoint3d(50, 50, 0));
  mtext.setTextHeight(2.5);
  mtext.setAttachment(AcDbMText::kMiddleCenter);
  mtext.setContents("Ø8\\PM10x1");
  AcDbExtents extents;
  ASSERT_EQ(mtext.getGeomExtents(extents), Acad::eOk);
  double half = (2.5 + 5.0 / 3.0 * 2.5) / 2.0;
  EXPECT_NEAR(extents.minPoint().x, 45.0, kTol);
  EXPECT_NEAR(extents.maxPoint().x, 55.0, kTol);
  EXPECT_NEAR(extents.minPoint().y, 50.0 - half, kTol);
  EXPECT_NEAR(extents.maxPoint().y, 50.0 + half, kTol);
}

TEST(MTextDirection, RotationAndDirectionAgree) {
  AcDbMText mtext;
  ASSERT_EQ(mtext.setRotation(std::numbers::pi / 2), Acad::eOk);
  EXPECT_TRUE(mtext.direction().isEqualTo(AcGeVector3d(0, 1, 0))) << "90 degrees points up";
  ASSERT_EQ(mtext.setDirection(AcGeVector3d(-3, 0, 0)), Acad::eOk);
  EXPECT_NEAR(mtext.rotation(), std::numbers::pi, kTol) << "-X is half a turn";
  EXPECT_EQ(mtext.setDirection(AcGeVector3d(0, 0, 2)), Acad::eInvalidInput) << "along the normal";
}

TEST(MTextTransform, ScalesHeightAndWidthAndTurns) {
  AcDbMText mtext;
  mtext.setLocation(AcGePoint3d(1, 0, 0));
  mtext.setTextHeight(2.0);
  mtext.setWidth(10.0);
  AcGeMatrix3d xform = AcGeMatrix3d::rotation(std::numbers::pi / 2, AcGeVector3d::kZAxis) *
                       AcGeMatrix3d::scaling(3.0);
  ASSERT_EQ(mtext.transformBy(xform), Acad::eOk);
  EXPECT_TRUE(mtext.location().isEqualTo(AcGePoint3d(0, 3, 0))) << "(1,0) × 3, turned";
  EXPECT_NEAR(mtext.textHeight(), 6.0, kTol);
  EXPECT_NEAR(mtext.width(), 30.0, kTol);
  EXPECT_TRUE(mtext.direction().isEqualTo(AcGeVector3d(0, 1, 0)));
}

std::string mtextEntity(const std::string& contentGroups) {
  return "0\nMTEXT\n5\n40\n100\nAcDbEntity\n8\n0\n100\nAcDbMText\n10\n1.0\n20\n2.0\n30\n0.0\n"
         "40\n2.5\n41\n0.0\n71\n1\n72\n1\n" + contentGroups + "73\n1\n44\n1.0\n";
}

TEST(MTextDxf, PiecesRejoinOnReading) {
  std::string first(250, 'a'), second(250, 'b');
  auto db = test::readDrawing(
      test::entitiesDxf(mtextEntity("3\n" + first + "\n3\n" + second + "\n1\nrest\n")));
  ASSERT_TRUE(db);
  test::Opened<AcDbMText> mtext(test::modelSpaceIds(*db).at(0));
  ASSERT_TRUE(mtext);
  EXPECT_EQ(std::string(mtext->contentsConst()), first + second + "rest");
}

// 600 bytes of three-byte characters: 250 bytes would cut the 84th
// character, so each piece holds 83 characters (249 bytes): 249 + 249 + 102.
TEST(MTextPieces, NeverCutACharacter) {
  std::string text;
  for (int i = 0; i < 200; ++i)
    text += "中";
  ASSERT_EQ(text.size(), 600u);
  std::vector<std::string_view> pieces = splitMTextContents(text);
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(pieces[0].size(), 249u);
  EXPECT_EQ(pieces[1].size(), 249u);
  EXPECT_EQ(pieces[2].size(), 102u);

  struct Case { const char* name; std::size_t bytes; std::vector<std::size_t> sizes; };
  const Case cases[] = {
      {"short text: one piece", 10, {10}},
      {"exactly 250 bytes: still one piece", 250, {250}},
      {"251 bytes: a piece and a rest of 1", 251, {250, 1}},
      {"600 ASCII bytes", 600, {250, 250, 100}},
      {"empty", 0, {0}},
  };
  for (const Case& c : cases) {
    std::vector<std::size_t> sizes;
    for (std::string_view piece : splitMTextContents(std::string(c.bytes, 'x')))
      sizes.push_back(piece.size());
    EXPECT_EQ(sizes, c.sizes) << c.name;
  }
}

TEST(MTextDxf, LongContentsGoOutInPiecesAndReadBackEqual) {
  // Mixed: "Ø" (2 bytes), "中" (3 bytes), "A": 6 bytes a round, 100 rounds.
  std::string text;
  for (int i = 0; i < 100; ++i)
    text += "Ø中A";
  ASSERT_EQ(text.size(), 600u);
  AcDbDatabase db;
  AcDbBlockTableRecord* space = nullptr;
  ASSERT_EQ(acdbOpenObject(space, db.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
  auto mtext = std::make_unique<AcDbMText>();
  mtext->setContents(text.c_str());
  mtext->setTextHeight(2.5);
  ASSERT_EQ(space->appendAcDbEntity(mtext.get()), Acad::eOk);
  mtext.release()->close();
  space->close();

  std::string out = test::writeDrawing(db, DxfVersion::R2018);
  test::Groups groups = test::entityGroups(out, "MTEXT");
  std::vector<std::string> pieces = test::valuesOf(groups, 3);
  std::vector<std::string> rest = test::valuesOf(groups, 1);
  ASSERT_EQ(pieces.size(), 2u) << "600 bytes: two pieces and a rest";
  ASSERT_EQ(rest.size(), 1u);
  for (const std::string& piece : pieces) {
    EXPECT_LE(piece.size(), 250u);
    // Every piece is whole UTF-8: decoding it meets no replacement character.
    for (std::size_t i = 0; i < piece.size();) {
      Utf8Char ch = decodeUtf8(piece, i);
      ASSERT_NE(ch.code, 0xFFFDu) << "a piece cut inside a character at byte " << i;
      i += ch.length;
    }
  }
  EXPECT_EQ(pieces[0] + pieces[1] + rest[0], text);

  auto again = test::readDrawing(out);
  ASSERT_TRUE(again);
  test::Opened<AcDbMText> read(test::modelSpaceIds(*again).at(0));
  ASSERT_TRUE(read);
  EXPECT_EQ(std::string(read->contentsConst()), text);
}

TEST(MTextDxf, EmbeddedColumnDataStaysAfterTheTextGroups) {
  // R2018 column data after "101 Embedded Object" repeats codes of the text
  // (10, 40, 71, 73): they must not change the text and must come back last.
  std::string embedded =
      "101\nEmbedded Object\n70\n1\n10\n1.0\n20\n0.0\n30\n0.0\n40\n15.7\n71\n2\n73\n0\n";
  auto db = test::readDrawing(test::entitiesDxf(mtextEntity("1\nhello\n") + embedded));
  ASSERT_TRUE(db);
  {
    test::Opened<AcDbMText> mtext(test::modelSpaceIds(*db).at(0));
    ASSERT_TRUE(mtext);
    EXPECT_TRUE(mtext->location().isEqualTo(AcGePoint3d(1, 2, 0))) << "10 of the columns ignored";
    EXPECT_EQ(mtext->textHeight(), 2.5) << "40 of the columns ignored";
    EXPECT_EQ(mtext->attachment(), AcDbMText::kTopLeft) << "71 of the columns ignored";
  }
  test::Groups groups = test::entityGroups(test::writeDrawing(*db, DxfVersion::R2018), "MTEXT");
  int marker = test::indexOf(groups, 101, "Embedded Object");
  int spacing = test::indexOf(groups, 44, "1.0");
  ASSERT_GE(marker, 0);
  EXPECT_GT(marker, spacing) << "the embedded part after the text's own groups";
  // 101, then 70, 10/20/30, 40, 71, 73: eight groups from the marker on.
  ASSERT_EQ(static_cast<int>(groups.size()), marker + 8) << "every embedded group is back";
  EXPECT_EQ(groups[marker + 6], (std::pair<int, std::string>{71, "2"}));
}

TEST(MTextDxf, RotationWithoutDirection) {
  std::string entity = "0\nMTEXT\n8\n0\n10\n0\n20\n0\n30\n0\n40\n1\n1\nx\n50\n90.0\n";
  auto db = test::readDrawing(test::entitiesDxf(entity));
  ASSERT_TRUE(db);
  test::Opened<AcDbMText> mtext(test::modelSpaceIds(*db).at(0));
  ASSERT_TRUE(mtext);
  EXPECT_TRUE(mtext->direction().isEqualTo(AcGeVector3d(0, 1, 0))) << "50 = 90 degrees";
}

TEST(MTextBinaryFiler, RoundTripGivesEqualFields) {
  AcDbMText source;
  source.setLocation(AcGePoint3d(1, 2, 3));
  source.setNormal(AcGeVector3d(0, 0, -1));
  source.setDirection(AcGeVector3d(0, 1, 0));
  source.setTextHeight(3.5);
  source.setWidth(40);
  source.setAttachment(AcDbMText::kBottomRight);
  source.setFlowDirection(AcDbMText::kTtoB);
  source.setLineSpacingStyle(AcDb::kExactly);
  source.setLineSpacingFactor(1.5);
  source.setContents("{\\C1;A}\\PB");
  MemoryDwgFiler filer(AcDb::kCopyFiler, nullptr);
  ASSERT_EQ(source.dwgOutFields(&filer), Acad::eOk);
  filer.rewind();
  AcDbMText copy;
  ASSERT_EQ(copy.dwgInFields(&filer), Acad::eOk);
  EXPECT_TRUE(filer.atEnd());
  EXPECT_EQ(copy.location(), source.location());
  EXPECT_EQ(copy.normal(), source.normal());
  EXPECT_EQ(copy.direction(), source.direction());
  EXPECT_EQ(copy.textHeight(), 3.5);
  EXPECT_EQ(copy.width(), 40.0);
  EXPECT_EQ(copy.attachment(), AcDbMText::kBottomRight);
  EXPECT_EQ(copy.flowDirection(), AcDbMText::kTtoB);
  EXPECT_EQ(copy.lineSpacingStyle(), AcDb::kExactly);
  EXPECT_EQ(copy.lineSpacingFactor(), 1.5);
  EXPECT_STREQ(copy.contentsConst(), "{\\C1;A}\\PB");
}

}  // namespace
}  // namespace zek
