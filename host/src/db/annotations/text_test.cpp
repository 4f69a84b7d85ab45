// AcDbText: extents through the entity's own fields, alignment adjustment,
// transformation, and the DXF and binary round trips.
#include "db_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "db/annotations/annotation_test_support.h"
#include "db/memory_filer.h"

namespace zek {
namespace {

constexpr double kTol = 1e-9;

void expectExtents(const AcDbExtents& e, AcGePoint3d min, AcGePoint3d max, const char* name) {
  EXPECT_NEAR(e.minPoint().x, min.x, kTol) << name << " min x";
  EXPECT_NEAR(e.minPoint().y, min.y, kTol) << name << " min y";
  EXPECT_NEAR(e.maxPoint().x, max.x, kTol) << name << " max x";
  EXPECT_NEAR(e.maxPoint().y, max.y, kTol) << name << " max y";
}

void expectPoint(const AcGePoint3d& p, AcGePoint3d expected, const char* name) {
  EXPECT_NEAR(p.x, expected.x, kTol) << name << " x";
  EXPECT_NEAR(p.y, expected.y, kTol) << name << " y";
  EXPECT_NEAR(p.z, expected.z, kTol) << name << " z";
}

// "M10" at height 2.5: 3 × 0.8 × 2.5 = 6 wide.
std::unique_ptr<AcDbText> m10(AcDb::TextHorzMode h, AcDb::TextVertMode v) {
  auto text = std::make_unique<AcDbText>(AcGePoint3d(0, 0, 0), "M10", AcDbObjectId::kNull, 2.5);
  text->setHorizontalMode(h);
  text->setVerticalMode(v);
  text->setAlignmentPoint(AcGePoint3d(100, 50, 0));
  return text;
}

TEST(TextExtents, FollowTheAlignment) {
  struct Case { const char* name; AcDb::TextHorzMode h; AcDb::TextVertMode v;
                AcGePoint3d min, max; };
  const Case cases[] = {
      {"left base: from the position", AcDb::kTextLeft, AcDb::kTextBase, {0, 0, 0}, {6, 2.5, 0}},
      {"center: 100 ∓ 3", AcDb::kTextCenter, AcDb::kTextBase, {97, 50, 0}, {103, 52.5, 0}},
      {"right: ends at 100", AcDb::kTextRight, AcDb::kTextBase, {94, 50, 0}, {100, 52.5, 0}},
      {"middle: 50 ∓ 1.25", AcDb::kTextMid, AcDb::kTextBase, {97, 48.75, 0}, {103, 51.25, 0}},
      {"top left: hangs below", AcDb::kTextLeft, AcDb::kTextTop, {100, 47.5, 0}, {106, 50, 0}},
      // Aligned: from (0,0) to (100,50), rotated atan(1/2); the top corners
      // are lifted by 2.5 × (-sin, cos) = 2.5 × (-0.4472, 0.8944).
      {"aligned", AcDb::kTextAlign, AcDb::kTextBase,
       {-2.5 / std::sqrt(5.0), 0, 0}, {100, 50 + 5.0 / std::sqrt(5.0), 0}},
  };
  for (const Case& c : cases) {
    auto text = m10(c.h, c.v);
    AcDbExtents extents;
    ASSERT_EQ(text->getGeomExtents(extents), Acad::eOk) << c.name;
    expectExtents(extents, c.min, c.max, c.name);
  }
}

TEST(TextExtents, MirrorBitsAndCrossingWindow) {
  AcDbText text(AcGePoint3d(0, 0, 0), "M10", AcDbObjectId::kNull, 2.5);
  text.mirrorInX(true);  // backwards: x from -6 to 0
  AcDbExtents extents;
  ASSERT_EQ(text.getGeomExtents(extents), Acad::eOk);
  expectExtents(extents, {-6, 0, 0}, {0, 2.5, 0}, "backwards");

  // Turned 45°, the box's extents reach (−1.77, 0)–(4.24, 6.01); a window at
  // the bare corner (3.5..4, 0..0.5) touches the extents but not the text.
  AcDbText turned(AcGePoint3d(0, 0, 0), "M10", AcDbObjectId::kNull, 2.5, std::numbers::pi / 4);
  EXPECT_FALSE(turned.crossesBox(AcDbExtents({3.5, 0, 0}, {4, 0.5, 0})))
      << "a window in the empty corner of the extents";
  EXPECT_TRUE(turned.crossesBox(AcDbExtents({1, 1, 0}, {1.5, 1.5, 0})))
      << "a window on the baseline's diagonal";
}

TEST(TextAlignment, AdjustPlacesTheInsertionPoint) {
  struct Case { const char* name; AcDb::TextHorzMode h; AcDb::TextVertMode v; AcGePoint3d position; };
  const Case cases[] = {
      {"center", AcDb::kTextCenter, AcDb::kTextBase, {97, 50, 0}},
      {"right top", AcDb::kTextRight, AcDb::kTextTop, {94, 47.5, 0}},
      {"middle", AcDb::kTextMid, AcDb::kTextBase, {97, 48.75, 0}},
  };
  for (const Case& c : cases) {
    auto text = m10(c.h, c.v);
    ASSERT_EQ(text->adjustAlignment(), Acad::eOk) << c.name;
    expectPoint(text->position(), c.position, c.name);
    expectPoint(text->alignmentPoint(), {100, 50, 0}, c.name);
  }
}

TEST(TextAlignment, ANewAlignmentKeepsTheTextWhereItStarts) {
  // Without an alignment point, turning to Center anchors at the position.
  AcDbText text(AcGePoint3d(5, 5, 0), "AB", AcDbObjectId::kNull, 1.0);
  ASSERT_EQ(text.setHorizontalMode(AcDb::kTextCenter), Acad::eOk);
  expectPoint(text.alignmentPoint(), {5, 5, 0}, "alignment point");
}

TEST(TextGrips, TheGoverningPointMovesTheText) {
  struct Case { const char* name; AcDb::TextHorzMode h; int grips; AcGePoint3d position, alignment; };
  // Moving grip 0 by (1,2): Left and Center texts move whole; Fit moves its start only.
  const Case cases[] = {
      {"left: the insertion point", AcDb::kTextLeft, 1, {1, 2, 0}, {101, 52, 0}},
      {"center: the alignment point", AcDb::kTextCenter, 1, {1, 2, 0}, {101, 52, 0}},
      {"fit: both ends, the start moves alone", AcDb::kTextFit, 2, {1, 2, 0}, {100, 50, 0}},
  };
  for (const Case& c : cases) {
    auto text = m10(c.h, AcDb::kTextBase);
    AcGePoint3dArray grips;
    ASSERT_EQ(text->getGripPoints(grips), Acad::eOk) << c.name;
    EXPECT_EQ(grips.length(), c.grips) << c.name;
    ASSERT_EQ(text->moveGripPointsAt(AcDbIntArray{0}, AcGeVector3d(1, 2, 0)), Acad::eOk) << c.name;
    expectPoint(text->position(), c.position, c.name);
    expectPoint(text->alignmentPoint(), c.alignment, c.name);
  }
}

TEST(TextSetters, RefuseWhatCannotBeShown) {
  AcDbText text;
  EXPECT_EQ(text.setHeight(0.0), Acad::eInvalidInput) << "zero height";
  EXPECT_EQ(text.setHeight(-1.0), Acad::eInvalidInput) << "negative height";
  EXPECT_EQ(text.setWidthFactor(0.0), Acad::eInvalidInput) << "zero width factor";
  EXPECT_EQ(text.setOblique(86.0 * std::numbers::pi / 180), Acad::eInvalidInput) << "86 degrees";
  EXPECT_EQ(text.setOblique(-85.0 * std::numbers::pi / 180), Acad::eOk) << "-85 degrees";
  EXPECT_EQ(text.setTextString(nullptr), Acad::eInvalidInput) << "null text";
  EXPECT_EQ(text.setHorizontalMode(static_cast<AcDb::TextHorzMode>(6)), Acad::eInvalidInput)
      << "horizontal mode 6";
}

TEST(TextTransform, MovesTurnsScalesAndMirrors) {
  // Scale 2 about the origin, then turn 90°: position (1,0) → (2,0) → (0,2).
  AcDbText text(AcGePoint3d(1, 0, 0), "AB", AcDbObjectId::kNull, 1.0);
  AcGeMatrix3d xform = AcGeMatrix3d::rotation(std::numbers::pi / 2, AcGeVector3d::kZAxis) *
                       AcGeMatrix3d::scaling(2.0);
  ASSERT_EQ(text.transformBy(xform), Acad::eOk);
  expectPoint(text.position(), {0, 2, 0}, "scaled and turned position");
  EXPECT_NEAR(text.height(), 2.0, kTol) << "height doubled";
  EXPECT_NEAR(text.rotation(), std::numbers::pi / 2, kTol) << "rotation a quarter turn";
  EXPECT_NEAR(text.widthFactor(), 1.0, kTol) << "uniform scaling keeps the width factor";

  // Mirrored about the Y axis: the text reads backwards from (-1,0), upright.
  AcDbText plain(AcGePoint3d(1, 0, 0), "AB", AcDbObjectId::kNull, 1.0);
  ASSERT_EQ(plain.transformBy(AcGeMatrix3d::mirroring(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 1, 0))),
            Acad::eOk);
  expectPoint(plain.position(), {-1, 0, 0}, "mirrored position");
  EXPECT_TRUE(plain.isMirroredInX()) << "mirroring makes the text backwards";
  EXPECT_NEAR(plain.rotation(), 0.0, kTol) << "still upright";
  AcDbExtents extents;
  ASSERT_EQ(plain.getGeomExtents(extents), Acad::eOk);
  // "AB" is 1.6 wide; backwards from x = -1 it covers -2.6 .. -1.
  expectExtents(extents, {-2.6, 0, 0}, {-1, 1, 0}, "mirrored extents");
}

// R2000 TEXT: two AcDbText sections, 73 in the second, and a group no
// class reads (295) that must come back in its section.
const char* kTextR2000 =
    "0\nTEXT\n5\n2A\n100\nAcDbEntity\n8\n0\n100\nAcDbText\n10\n1.5\n20\n2.5\n30\n0.0\n"
    "40\n3.0\n1\nDia %%C6.5\n50\n30.0\n41\n0.8\n51\n15.0\n71\n2\n72\n1\n"
    "11\n10.0\n21\n20.0\n31\n0.0\n295\n1\n100\nAcDbText\n73\n2\n";
// The same text as R12 writes it: one list, no markers.
const char* kTextR12 =
    "0\nTEXT\n5\n2A\n8\n0\n10\n1.5\n20\n2.5\n30\n0.0\n40\n3.0\n1\nDia %%C6.5\n50\n30.0\n"
    "41\n0.8\n51\n15.0\n71\n2\n72\n1\n11\n10.0\n21\n20.0\n31\n0.0\n73\n2\n";

void expectTheSampleText(const AcDbText& text, const char* form) {
  expectPoint(text.position(), {1.5, 2.5, 0}, form);
  expectPoint(text.alignmentPoint(), {10, 20, 0}, form);
  EXPECT_DOUBLE_EQ(text.height(), 3.0) << form;
  EXPECT_STREQ(text.textStringConst(), "Dia %%C6.5") << form;
  EXPECT_NEAR(text.rotation(), std::numbers::pi / 6, 1e-15) << form << ": 30 degrees";
  EXPECT_DOUBLE_EQ(text.widthFactor(), 0.8) << form;
  EXPECT_NEAR(text.oblique(), std::numbers::pi / 12, 1e-15) << form << ": 15 degrees";
  EXPECT_TRUE(text.isMirroredInX()) << form << ": 71 bit 2";
  EXPECT_FALSE(text.isMirroredInY()) << form;
  EXPECT_EQ(text.horizontalMode(), AcDb::kTextCenter) << form;
  EXPECT_EQ(text.verticalMode(), AcDb::kTextVertMid) << form << ": 73 in its place";
}

TEST(TextDxf, R2000AndR12FormsReadTheSame) {
  struct Form { const char* name; const char* dxf; };
  for (const Form& f : {Form{"R2000", kTextR2000}, Form{"R12", kTextR12}}) {
    const char* form = f.name;
    auto db = test::readDrawing(test::entitiesDxf(f.dxf));
    ASSERT_TRUE(db) << form;
    auto ids = test::modelSpaceIds(*db);
    ASSERT_EQ(ids.size(), 1u) << form;
    test::Opened<AcDbText> text(ids[0]);
    ASSERT_TRUE(text) << form;
    expectTheSampleText(*text.get(), form);
  }
}

TEST(TextDxf, WritesBothSectionsAndKeepsUnknownGroups) {
  auto db = test::readDrawing(test::entitiesDxf(kTextR2000));
  ASSERT_TRUE(db);
  std::string out = test::writeDrawing(*db, DxfVersion::R2000);
  test::Groups groups = test::entityGroups(out, "TEXT");
  int first = test::indexOf(groups, 100, "AcDbText");
  int unknown = test::indexOf(groups, 295, "1");
  int vertical = test::indexOf(groups, 73, "2");
  ASSERT_GE(first, 0) << out;
  EXPECT_GT(unknown, first) << "the unknown group stays in the first AcDbText section";
  EXPECT_EQ(test::valuesOf(groups, 100).size(), 3u) << "AcDbEntity and two AcDbText markers";
  EXPECT_GT(vertical, unknown) << "73 in the second section, after the first one's groups";
  // Degrees back; radians in memory may move the last bit (29.999999999999996).
  ASSERT_EQ(test::valuesOf(groups, 50).size(), 1u);
  EXPECT_NEAR(std::stod(test::valuesOf(groups, 50)[0]), 30.0, 1e-12) << "degrees back";

  // Read back: the same text.
  auto again = test::readDrawing(out);
  ASSERT_TRUE(again);
  test::Opened<AcDbText> text(test::modelSpaceIds(*again).at(0));
  ASSERT_TRUE(text);
  expectTheSampleText(*text.get(), "written and read again");
}

TEST(TextDxf, R12OutputHasNoMarkers) {
  auto db = test::readDrawing(test::entitiesDxf(kTextR2000));
  ASSERT_TRUE(db);
  test::Groups groups = test::entityGroups(test::writeDrawing(*db, DxfVersion::R12), "TEXT");
  EXPECT_TRUE(test::valuesOf(groups, 100).empty()) << "R12 has no subclass markers";
  EXPECT_EQ(test::valuesOf(groups, 73), std::vector<std::string>{"2"});
}

TEST(TextDxf, AMissingStyleBecomesAnImplicitRecord) {
  auto db = test::readDrawing(test::entitiesDxf(
      "0\nTEXT\n8\n0\n10\n0\n20\n0\n30\n0\n40\n1\n1\nx\n7\nIsoCp\n"));
  ASSERT_TRUE(db);
  test::Opened<AcDbText> text(test::modelSpaceIds(*db).at(0));
  ASSERT_TRUE(text);
  EXPECT_EQ(recordNameOf(text->textStyle()), "IsoCp") << "the name the file gave";
  EXPECT_NE(text->textStyle(), db->core().standardTextStyle);
}

TEST(TextBinaryFiler, RoundTripGivesEqualFields) {
  AcDbText source(AcGePoint3d(1, 2, 3), "Ø10 H7", AcDbObjectId::kNull, 2.5, 0.3);
  source.setNormal(AcGeVector3d(0, 1, 1));
  source.setHorizontalMode(AcDb::kTextRight);
  source.setVerticalMode(AcDb::kTextTop);
  source.setAlignmentPoint(AcGePoint3d(7, 8, 9));
  source.setWidthFactor(0.75);
  source.setOblique(0.2);
  source.setThickness(0.5);
  source.mirrorInY(true);
  MemoryDwgFiler filer(AcDb::kCopyFiler, nullptr);
  ASSERT_EQ(source.dwgOutFields(&filer), Acad::eOk);
  filer.rewind();
  AcDbText copy;
  ASSERT_EQ(copy.dwgInFields(&filer), Acad::eOk);
  EXPECT_TRUE(filer.atEnd()) << "everything written was read";
  EXPECT_TRUE(copy.position().isEqualTo(source.position()));
  EXPECT_TRUE(copy.alignmentPoint().isEqualTo(source.alignmentPoint()));
  EXPECT_EQ(copy.normal(), source.normal());
  EXPECT_STREQ(copy.textStringConst(), "Ø10 H7");
  EXPECT_EQ(copy.height(), 2.5);
  EXPECT_EQ(copy.rotation(), 0.3);
  EXPECT_EQ(copy.widthFactor(), 0.75);
  EXPECT_EQ(copy.oblique(), 0.2);
  EXPECT_EQ(copy.thickness(), 0.5);
  EXPECT_TRUE(copy.isMirroredInY());
  EXPECT_EQ(copy.horizontalMode(), AcDb::kTextRight);
  EXPECT_EQ(copy.verticalMode(), AcDb::kTextTop);
}

}  // namespace
}  // namespace zek
