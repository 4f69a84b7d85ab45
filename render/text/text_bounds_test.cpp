// Painted texts fill the boxes the text metrics model gives: for every
// alignment, width factor, rotation, oblique angle and mirroring, the ink on
// a recording surface matches the entity's extents, and in the text's own
// frame each side of the ink lies where the glyphs of the font put it.
#include "text_painter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "db_text.h"
#include "text_test_support.h"

namespace zek::render {
namespace {

using test::InkBounds;
using test::recordInk;

// Texts 10 units high at 100 pixels a unit: glyphs 1000 pixels high, so the
// whole-pixel ink extents are good to a thousandth of the height.
constexpr double kHeight = 10.0;
constexpr double kPixelsPerUnit = 100.0;
constexpr double kDegree = std::numbers::pi / 180.0;

// Where the ink may lie around the box, in the text's frame (u along the
// baseline, v up), as fractions of the height. Along the baseline the ink
// starts one left side bearing in and ends one right bearing short: the
// font's bearings are up to 0.1 em, and with runs of no less than 0.4 em a
// character on average (spaces and an I are narrow) mapped onto 0.8 height,
// that is up to 0.2 height times the run's width factor; upright glyphs do
// not overhang their advances. Across it, the height maps onto the capital
// height (onto the ideograph's top when the run has one), so the top is
// exact but for overshoots: round letters 2 %, the slashed diameter sign 5 %.
// The bottom rests on the baseline but for overshoots and the descenders,
// which in this font reach a third of a capital's height below it.
constexpr double kAlongInside = 0.2;  // × height × the run's width factor
constexpr double kAlongOutside = 0.02;
constexpr double kTopTolerance = 0.06;
constexpr double kBelowBaseline = 0.35;
constexpr double kAboveBaseline = 0.03;

struct TextCase {
  const char* name;
  const char* text;
  AcDb::TextHorzMode horizontal = AcDb::kTextLeft;
  AcDb::TextVertMode vertical = AcDb::kTextBase;
  AcGePoint3d alignment = {0, 0, 0};
  double widthFactor = 1.0;
  double rotationDegrees = 0.0;
  double obliqueDegrees = 0.0;
  bool backwards = false;
  bool upsideDown = false;
};

// Every text ends in a letter with ink at its top right (E, H, M, U, 7) and
// holds a capital, so the box's four sides are all reached by ink.
const TextCase kTextCases[] = {
    {"left", "MOULD PLATE"},
    {"centre", "4-M10 THRU", AcDb::kTextCenter, AcDb::kTextBase, {100, 50, 0}},
    {"right", "4-M10 THRU", AcDb::kTextRight, AcDb::kTextBase, {100, 50, 0}},
    {"aligned", "ALIGNED H7", AcDb::kTextAlign, AcDb::kTextBase, {150, 60, 0}},
    {"fit", "FIT H7", AcDb::kTextFit, AcDb::kTextBase, {200, 0, 0}},
    {"middle", "MIDDLE H7", AcDb::kTextMid, AcDb::kTextBase, {50, 50, 0}},
    {"top right", "TOP RIGHT M", AcDb::kTextRight, AcDb::kTextTop, {50, 50, 0}},
    {"width factor 0.7", "NARROW 4-M10", AcDb::kTextLeft, AcDb::kTextBase, {}, 0.7},
    {"width factor 1.5", "WIDE 4-M10", AcDb::kTextLeft, AcDb::kTextBase, {}, 1.5},
    {"rotated 30 degrees", "TURNED H7", AcDb::kTextLeft, AcDb::kTextBase, {}, 1.0, 30.0},
    {"oblique 15 degrees", "SLANTED M", AcDb::kTextLeft, AcDb::kTextBase, {}, 1.0, 0.0, 15.0},
    {"rotated and oblique", "BOTH M", AcDb::kTextCenter, AcDb::kTextBase, {20, 20, 0}, 1.2,
     -60.0, 15.0},
    {"mirrored in X", "BACKWARDS M", AcDb::kTextLeft, AcDb::kTextBase, {}, 1.0, 0.0, 0.0, true},
    {"mirrored in Y", "UPSIDE DOWN", AcDb::kTextLeft, AcDb::kTextBase, {}, 1.0, 0.0, 0.0, false,
     true},
    {"Chinese", "\u6C89\u5934\u5B54 %%C9 THRU"},
    {"descenders", "Spring gauge M"},
    {"codes", "%%C20 %%P0.02 30%%D H7"},
};

std::unique_ptr<AcDbText> makeText(const TextCase& c) {
  auto text = std::make_unique<AcDbText>(AcGePoint3d(0, 0, 0), c.text, AcDbObjectId::kNull,
                                         kHeight, c.rotationDegrees * kDegree);
  EXPECT_EQ(text->setHorizontalMode(c.horizontal), Acad::eOk);
  EXPECT_EQ(text->setVerticalMode(c.vertical), Acad::eOk);
  EXPECT_EQ(text->setAlignmentPoint(c.alignment), Acad::eOk);
  EXPECT_EQ(text->setWidthFactor(c.widthFactor), Acad::eOk);
  EXPECT_EQ(text->setOblique(c.obliqueDegrees * kDegree), Acad::eOk);
  EXPECT_EQ(text->mirrorInX(c.backwards), Acad::eOk);
  EXPECT_EQ(text->mirrorInY(c.upsideDown), Acad::eOk);
  return text;
}

// The text's frame: origin at the baseline's start, u towards its end, v
// across it towards the box's top (a reflection for mirrored text, so that
// every text reads upright there). As a cairo matrix from world to frame.
cairo_matrix_t worldToFrame(const TextBox& box) {
  AcGeVector3d along = (box[1] - box[0]).normal();
  AcGeVector3d across(-along.y, along.x, 0.0);
  if ((box[3] - box[0]).dotProduct(across) < 0.0)
    across = -across;
  cairo_matrix_t frame;
  cairo_matrix_init(&frame, along.x, along.y, across.x, across.y, box[0].x, box[0].y);
  EXPECT_EQ(cairo_matrix_invert(&frame), CAIRO_STATUS_SUCCESS);
  return frame;
}

TEST(TextBounds, PaintedInkMatchesTheExtents) {
  for (const TextCase& c : kTextCases) {
    auto text = makeText(c);
    AcDbExtents extents;
    ASSERT_EQ(text->getGeomExtents(extents), Acad::eOk) << c.name;
    TextBox box = textBoxCorners(text->boxFields());
    double boxWidth = (box[1] - box[0]).length();
    double runFactor = boxWidth / textAdvance(c.text, kHeight, 1.0);

    InkBounds ink = recordInk(kPixelsPerUnit, [&](cairo_t* cr) { paintText(cr, *text); });
    ASSERT_FALSE(ink.empty) << c.name;
    // Any deviation in the frame, turned into the world: a side may move by
    // the along-allowance's share along its axis plus the across one's.
    double angle = std::atan2(box[1].y - box[0].y, box[1].x - box[0].x);
    double along = kAlongInside * kHeight * runFactor;
    double across = kBelowBaseline * kHeight;
    double toleranceX = along * std::abs(std::cos(angle)) + across * std::abs(std::sin(angle));
    double toleranceY = along * std::abs(std::sin(angle)) + across * std::abs(std::cos(angle));
    EXPECT_NEAR(ink.minX, extents.minPoint().x, toleranceX) << c.name << ": left";
    EXPECT_NEAR(ink.maxX, extents.maxPoint().x, toleranceX) << c.name << ": right";
    EXPECT_NEAR(ink.minY, extents.minPoint().y, toleranceY) << c.name << ": bottom";
    EXPECT_NEAR(ink.maxY, extents.maxPoint().y, toleranceY) << c.name << ": top";
  }
}

TEST(TextBounds, InkFillsTheBoxInTheTextsOwnFrame) {
  for (const TextCase& c : kTextCases) {
    auto text = makeText(c);
    TextBox box = textBoxCorners(text->boxFields());
    double boxWidth = (box[1] - box[0]).length();
    double runFactor = boxWidth / textAdvance(c.text, kHeight, 1.0);
    double slant = kHeight * std::tan(c.obliqueDegrees * kDegree);
    double left = std::min(0.0, slant);
    double right = std::max(boxWidth, boxWidth + slant);

    InkBounds ink = recordInk(kPixelsPerUnit, worldToFrame(box),
                              [&](cairo_t* cr) { paintText(cr, *text); });
    ASSERT_FALSE(ink.empty) << c.name;
    double inside = kAlongInside * kHeight * runFactor;
    double outside = kAlongOutside * kHeight * runFactor;
    EXPECT_GE(ink.minX, left - outside) << c.name << ": the ink starts before the box";
    EXPECT_LE(ink.minX, left + inside) << c.name << ": the ink starts late";
    EXPECT_LE(ink.maxX, right + outside) << c.name << ": the ink runs past the box";
    EXPECT_GE(ink.maxX, right - inside) << c.name << ": the ink ends early";
    EXPECT_NEAR(ink.maxY, kHeight, kTopTolerance * kHeight) << c.name << ": the top";
    EXPECT_GE(ink.minY, -kBelowBaseline * kHeight) << c.name << ": too deep below the baseline";
    EXPECT_LE(ink.minY, kAboveBaseline * kHeight) << c.name << ": floats above the baseline";
  }
}

struct MTextCase {
  const char* name;
  AcDbMText::AttachmentPoint attachment;
  double rotationDegrees;
};

// Three lines, the first the longest (its end reaches the box's right side
// whatever the attachment), the last resting on the box's bottom.
constexpr const char* kThreeLines = "MOULD PLATE A\\P4-%%C12 H7\\PDEPTH 20";

TEST(TextBounds, MTextLinesFillTheirBox) {
  const MTextCase cases[] = {
      {"top left", AcDbMText::kTopLeft, 0.0},
      {"middle centre", AcDbMText::kMiddleCenter, 0.0},
      {"bottom right", AcDbMText::kBottomRight, 0.0},
      {"middle centre turned 90 degrees", AcDbMText::kMiddleCenter, 90.0},
  };
  for (const MTextCase& c : cases) {
    AcDbMText mtext;
    ASSERT_EQ(mtext.setLocation(AcGePoint3d(100, 100, 0)), Acad::eOk);
    ASSERT_EQ(mtext.setTextHeight(kHeight), Acad::eOk);
    ASSERT_EQ(mtext.setAttachment(c.attachment), Acad::eOk);
    ASSERT_EQ(mtext.setRotation(c.rotationDegrees * kDegree), Acad::eOk);
    ASSERT_EQ(mtext.setContents(kThreeLines), Acad::eOk);
    AcDbExtents extents;
    ASSERT_EQ(mtext.getGeomExtents(extents), Acad::eOk) << c.name;

    InkBounds ink = recordInk(kPixelsPerUnit, [&](cairo_t* cr) { paintMText(cr, mtext); });
    ASSERT_FALSE(ink.empty) << c.name;
    double along = kAlongInside * kHeight;
    double across = kBelowBaseline * kHeight;
    bool turned = c.rotationDegrees != 0.0;
    double toleranceX = turned ? across : along;
    double toleranceY = turned ? along : across;
    EXPECT_NEAR(ink.minX, extents.minPoint().x, toleranceX) << c.name << ": left";
    EXPECT_NEAR(ink.maxX, extents.maxPoint().x, toleranceX) << c.name << ": right";
    EXPECT_NEAR(ink.minY, extents.minPoint().y, toleranceY) << c.name << ": bottom";
    EXPECT_NEAR(ink.maxY, extents.maxPoint().y, toleranceY) << c.name << ": top";

    MTextBoxFields fields;
    fields.contents = kThreeLines;
    fields.location = mtext.location();
    fields.direction = mtext.direction();
    fields.height = kHeight;
    fields.attachment = int(c.attachment);
    TextBox box = mtextBoxCorners(fields);
    double boxWidth = (box[1] - box[0]).length();
    double boxHeight = (box[3] - box[0]).length();
    InkBounds framed = recordInk(kPixelsPerUnit, worldToFrame(box),
                                 [&](cairo_t* cr) { paintMText(cr, mtext); });
    EXPECT_GE(framed.minX, -kAlongOutside * kHeight) << c.name << ": starts before the box";
    EXPECT_LE(framed.minX, kAlongInside * kHeight) << c.name << ": starts late";
    EXPECT_LE(framed.maxX, boxWidth + kAlongOutside * kHeight) << c.name << ": runs past";
    EXPECT_GE(framed.maxX, boxWidth - kAlongInside * kHeight) << c.name << ": ends early";
    EXPECT_NEAR(framed.maxY, boxHeight, kTopTolerance * kHeight) << c.name << ": the top";
    EXPECT_GE(framed.minY, -kBelowBaseline * kHeight) << c.name << ": too deep";
    EXPECT_LE(framed.minY, kAboveBaseline * kHeight) << c.name << ": floats";
  }
}

}  // namespace
}  // namespace zek::render
