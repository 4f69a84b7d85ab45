// The text metrics model: advances, TEXT boxes for every alignment, MTEXT
// boxes for every attachment. Expected figures are worked out by hand.
#include "zek/text_metrics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace zek {
namespace {

constexpr double kTol = 1e-9;

void expectBox(const TextBox& box, const AcGePoint3d (&expected)[4], const char* name) {
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(box[i].x, expected[i].x, kTol) << name << " corner " << i << " x";
    EXPECT_NEAR(box[i].y, expected[i].y, kTol) << name << " corner " << i << " y";
    EXPECT_NEAR(box[i].z, expected[i].z, kTol) << name << " corner " << i << " z";
  }
}

struct AdvanceCase {
  const char* name;
  const char* text;
  double height;
  double widthFactor;
  double width;
};

const AdvanceCase kAdvanceCases[] = {
    {"three letters", "ABC", 2.5, 1.0, 6.0},          // 3 × 0.8 × 2.5
    {"diameter sign code", "%%C6.5", 2.0, 1.0, 6.4},  // ⌀ 6 . 5: 4 × 0.8 × 2
    {"lower-case codes", "%%d%%p", 1.0, 1.0, 1.6},    // ° ±: 2 × 0.8
    {"percent code", "%%%", 1.0, 1.0, 0.8},           // one "%"
    {"underline toggles", "%%U50%%u", 1.0, 1.0, 1.6}, // toggles count nothing: "50"
    {"overline toggle", "%%O1", 1.0, 1.0, 0.8},
    {"character number code", "%%1234", 1.0, 1.0, 1.6},  // %%123 is one, then "4"
    {"unknown code", "%%x", 1.0, 1.0, 2.4},           // "%", "%", "x"
    {"trailing percents", "5%%", 1.0, 1.0, 2.4},      // nothing follows: three characters
    {"CJK string", "中文", 2.0, 1.0, 4.0},            // 2 × 1.0 × 2
    {"mixed narrow and wide", "M6中", 1.0, 1.0, 2.6}, // 0.8 + 0.8 + 1.0
    {"fullwidth letters", "ＡＢ", 1.0, 1.0, 2.0},     // U+FF21, U+FF22
    {"hangul", "한", 3.0, 1.0, 3.0},
    {"accented letter is one character", "é", 1.0, 1.0, 0.8},
    {"width factor", "AB", 2.0, 0.5, 1.6},            // 2 × 0.8 × 2 × 0.5
    {"bad bytes count one each", "\xff\xfe", 1.0, 1.0, 1.6},
    {"cut-off sequence", "\xe4\xb8", 1.0, 1.0, 1.6},  // two stray bytes
    {"empty", "", 5.0, 1.0, 0.0},
};

TEST(TextAdvance, CountsCharactersAndCodes) {
  for (const AdvanceCase& c : kAdvanceCases)
    EXPECT_NEAR(textAdvance(c.text, c.height, c.widthFactor), c.width, kTol) << c.name;
}

TEST(TextAdvance, WideCharacterClasses) {
  struct WideCase { char32_t code; bool wide; const char* name; };
  const WideCase cases[] = {
      {U'A', false, "latin"},          {0x4E2D, true, "CJK ideograph"},
      {0x3000, true, "ideographic space"}, {0xFF01, true, "fullwidth exclamation"},
      {0xFF61, false, "halfwidth katakana punctuation"}, {0x00E9, false, "e acute"},
      {0x20AC, false, "euro sign"},    {0x1F600, true, "emoji face"},
      {0xAC00, true, "first hangul syllable"}, {0xD7A4, false, "after the hangul syllables"},
      {0x2FFFE, false, "after the supplementary ideographs"}, {0x30000, true, "tertiary ideograph"},
  };
  for (const WideCase& c : cases)
    EXPECT_EQ(isWideCharacter(c.code), c.wide) << c.name;
}

// "ABCD" at height 2: width 4 × 0.8 × 2 = 6.4.
TextBoxFields abcd() {
  TextBoxFields f;
  f.text = "ABCD";
  f.height = 2.0;
  f.position = AcGePoint3d(10.0, 20.0, 0.0);
  f.alignmentPoint = AcGePoint3d(20.0, 20.0, 0.0);
  return f;
}

struct AlignmentCase {
  const char* name;
  AcDb::TextHorzMode horizontal;
  AcDb::TextVertMode vertical;
  AcGePoint3d corners[4];
};

const AlignmentCase kAlignmentCases[] = {
    // Left/Base: from the position (10,20), 6.4 wide, 2 high.
    {"left base", AcDb::kTextLeft, AcDb::kTextBase, {{10, 20, 0}, {16.4, 20, 0}, {16.4, 22, 0}, {10, 22, 0}}},
    // Centre: the baseline's middle at the alignment point (20,20): 20 ∓ 3.2.
    {"center base", AcDb::kTextCenter, AcDb::kTextBase, {{16.8, 20, 0}, {23.2, 20, 0}, {23.2, 22, 0}, {16.8, 22, 0}}},
    {"right base", AcDb::kTextRight, AcDb::kTextBase, {{13.6, 20, 0}, {20, 20, 0}, {20, 22, 0}, {13.6, 22, 0}}},
    // Mid: the box's centre at (20,20): x 20 ∓ 3.2, y 20 ∓ 1.
    {"mid", AcDb::kTextMid, AcDb::kTextBase, {{16.8, 19, 0}, {23.2, 19, 0}, {23.2, 21, 0}, {16.8, 21, 0}}},
    // Left/Top: the box hangs its full height below (20,20).
    {"left top", AcDb::kTextLeft, AcDb::kTextTop, {{20, 18, 0}, {26.4, 18, 0}, {26.4, 20, 0}, {20, 20, 0}}},
    {"center middle", AcDb::kTextCenter, AcDb::kTextVertMid, {{16.8, 19, 0}, {23.2, 19, 0}, {23.2, 21, 0}, {16.8, 21, 0}}},
    // Bottom sits on the baseline: the model has no descent.
    {"right bottom", AcDb::kTextRight, AcDb::kTextBottom, {{13.6, 20, 0}, {20, 20, 0}, {20, 22, 0}, {13.6, 22, 0}}},
    // Fit spans position (10,20) to alignment point (20,20): 10 wide.
    {"fit", AcDb::kTextFit, AcDb::kTextBase, {{10, 20, 0}, {20, 20, 0}, {20, 22, 0}, {10, 22, 0}}},
};

TEST(TextBoxCorners, EveryAlignment) {
  for (const AlignmentCase& c : kAlignmentCases) {
    TextBoxFields f = abcd();
    f.horizontalMode = c.horizontal;
    f.verticalMode = c.vertical;
    expectBox(textBoxCorners(f), c.corners, c.name);
  }
}

TEST(TextBoxCorners, AlignedRunsAlongItsTwoPoints) {
  // From (0,0) to (30,40): 50 long, direction (0.6, 0.8), up (-0.8, 0.6) × 2.
  TextBoxFields f = abcd();
  f.horizontalMode = AcDb::kTextAlign;
  f.position = AcGePoint3d(0, 0, 0);
  f.alignmentPoint = AcGePoint3d(30, 40, 0);
  const AcGePoint3d expected[4] = {{0, 0, 0}, {30, 40, 0}, {28.4, 41.2, 0}, {-1.6, 1.2, 0}};
  expectBox(textBoxCorners(f), expected, "aligned");
}

TEST(TextBoxCorners, AlignedWithOnePointFallsBackToItsOwnWidth) {
  TextBoxFields f = abcd();
  f.horizontalMode = AcDb::kTextAlign;
  f.position = f.alignmentPoint = AcGePoint3d(0, 0, 0);
  const AcGePoint3d expected[4] = {{0, 0, 0}, {6.4, 0, 0}, {6.4, 2, 0}, {0, 2, 0}};
  expectBox(textBoxCorners(f), expected, "aligned on one point");
}

TEST(TextBoxCorners, RotationObliqueAndMirroring) {
  struct Case { const char* name; double rotation; double oblique; bool mirrorX; bool mirrorY;
                AcGePoint3d corners[4]; };
  const Case cases[] = {
      // A quarter turn: the baseline runs up the Y axis, the height to -x.
      {"rotated 90", std::numbers::pi / 2, 0, false, false, {{0, 0, 0}, {0, 6.4, 0}, {-2, 6.4, 0}, {-2, 0, 0}}},
      // 45° oblique: the top shifts 2 × tan 45° = 2 to the right.
      {"oblique 45", 0, std::numbers::pi / 4, false, false, {{0, 0, 0}, {6.4, 0, 0}, {8.4, 2, 0}, {2, 2, 0}}},
      {"backwards", 0, 0, true, false, {{0, 0, 0}, {-6.4, 0, 0}, {-6.4, 2, 0}, {0, 2, 0}}},
      {"upside down", 0, 0, false, true, {{0, 0, 0}, {6.4, 0, 0}, {6.4, -2, 0}, {0, -2, 0}}},
  };
  for (const Case& c : cases) {
    TextBoxFields f = abcd();
    f.position = AcGePoint3d(0, 0, 0);
    f.rotation = c.rotation;
    f.oblique = c.oblique;
    f.mirroredInX = c.mirrorX;
    f.mirroredInY = c.mirrorY;
    expectBox(textBoxCorners(f), c.corners, c.name);
  }
}

TEST(TextBoxCorners, PlaneOfANegativeNormal) {
  // Normal -Z: the arbitrary axis rule gives OCS X = Wy × N = (-1,0,0) and
  // Y = N × X = (0,1,0); OCS (10,0) lies at world (-10,0).
  TextBoxFields f = abcd();
  f.position = AcGePoint3d(10, 0, 0);
  f.normal = AcGeVector3d(0, 0, -1);
  const AcGePoint3d expected[4] = {{-10, 0, 0}, {-16.4, 0, 0}, {-16.4, 2, 0}, {-10, 2, 0}};
  expectBox(textBoxCorners(f), expected, "normal -Z");
}

// "AB\PABCD" at height 3: longest line 4 × 0.8 × 3 = 9.6 wide; two lines
// 3 + 5/3 × 3 = 8 high.
MTextBoxFields twoLines() {
  MTextBoxFields m;
  m.contents = "AB\\PABCD";
  m.height = 3.0;
  return m;
}

TEST(MTextBoxCorners, EveryAttachmentRow) {
  struct Case { const char* name; int attachment; double width; double spacing;
                AcGePoint3d corners[4]; };
  const Case cases[] = {
      {"top left", 1, 0, 1, {{0, -8, 0}, {9.6, -8, 0}, {9.6, 0, 0}, {0, 0, 0}}},
      {"middle center", 5, 0, 1, {{-4.8, -4, 0}, {4.8, -4, 0}, {4.8, 4, 0}, {-4.8, 4, 0}}},
      {"bottom right", 9, 0, 1, {{-9.6, 0, 0}, {0, 0, 0}, {0, 8, 0}, {-9.6, 8, 0}}},
      // The reference width wins over the lines: 20 wide, centred.
      {"reference width", 2, 20, 1, {{-10, -8, 0}, {10, -8, 0}, {10, 0, 0}, {-10, 0, 0}}},
      // Spacing 2: 3 + 2 × 5 = 13 high.
      {"double spacing", 7, 0, 2, {{0, 0, 0}, {9.6, 0, 0}, {9.6, 13, 0}, {0, 13, 0}}},
      {"out of range reads as top left", 0, 0, 1, {{0, -8, 0}, {9.6, -8, 0}, {9.6, 0, 0}, {0, 0, 0}}},
  };
  for (const Case& c : cases) {
    MTextBoxFields m = twoLines();
    m.attachment = c.attachment;
    m.referenceWidth = c.width;
    m.lineSpacingFactor = c.spacing;
    expectBox(mtextBoxCorners(m), c.corners, c.name);
  }
}

TEST(MTextBoxCorners, DirectionTurnsTheBox) {
  // Direction +Y: the box's x runs up, its y (Z × Y) runs to -x.
  MTextBoxFields m = twoLines();
  m.direction = AcGeVector3d(0, 1, 0);
  const AcGePoint3d expected[4] = {{8, 0, 0}, {8, 9.6, 0}, {0, 9.6, 0}, {0, 0, 0}};
  expectBox(mtextBoxCorners(m), expected, "direction +Y");
}

TEST(MTextBoxCorners, InlineCodesDoNotMeasure) {
  // {\fArial;\H2x;Bold} and a stack 1/25 measure as "Bold" and "25".
  MTextBoxFields m;
  m.height = 1.0;
  m.location = AcGePoint3d(5, 5, 0);
  m.contents = "{\\fArial|b1;\\H2x;Bold}\\P\\S1/25;";
  // Widest line "Bold": 4 × 0.8 = 3.2; two lines: 1 + 5/3 high.
  double h = 1.0 + 5.0 / 3.0;
  const AcGePoint3d expected[4] = {{5, 5 - h, 0}, {8.2, 5 - h, 0}, {8.2, 5, 0}, {5, 5, 0}};
  expectBox(mtextBoxCorners(m), expected, "inline codes");
}

struct PlainCase {
  const char* name;
  const char* contents;
  const char* plain;
};

const PlainCase kPlainCases[] = {
    {"new paragraph", "\\PABC", "\nABC"},
    {"non-breaking space", "A\\~B", "A B"},
    {"font in a group", "{\\fArial|b1|i0;Bold}", "Bold"},
    {"height", "\\H2.5;Big", "Big"},
    {"colour", "\\C1;Red", "Red"},
    {"alignment", "\\A1;x", "x"},
    {"width, oblique, tracking", "\\W0.8;\\Q15;\\T1.1;t", "t"},
    {"paragraph format", "\\pxqc;Centre", "Centre"},
    {"stack: lower part wider", "\\Sab^cdef;", "cdef"},
    {"stack: upper part wider", "\\S12/3;", "12"},
    {"stack: equal parts keep the upper", "\\S1#2;", "1"},
    {"underline toggles", "\\LUnder\\l", "Under"},
    {"overline and strike toggles", "\\O\\o\\K\\k", ""},
    {"escaped backslash", "a\\\\b", "a\\b"},
    {"escaped braces", "\\{x\\}", "{x}"},
    {"caret line feed", "line^Jnext", "line\nnext"},
    {"unicode escape", "\\U+4E2D", "中"},
    {"font without its semicolon", "\\fArial", ""},
    {"dimension line break", "\\Xdim", "\ndim"},
    {"percent codes stay for measuring", "%%c10", "%%c10"},
    {"unknown code keeps its character", "a\\Zb", "aZb"},
    {"lone backslash at the end", "a\\", "a\\"},
};

TEST(MTextPlainText, StripsInlineCodes) {
  for (const PlainCase& c : kPlainCases)
    EXPECT_EQ(mtextPlainText(c.contents), c.plain) << c.name;
}

TEST(MTextLines, SplitsAtParagraphs) {
  EXPECT_EQ(mtextLines("A\\PB\\P"), (std::vector<std::string>{"A", "B", ""})) << "trailing break";
  EXPECT_EQ(mtextLines(""), (std::vector<std::string>{""})) << "empty contents: one empty line";
  EXPECT_EQ(mtextLines("{\\C1;one}\\Ptwo"), (std::vector<std::string>{"one", "two"}))
      << "codes stripped per line";
}

}  // namespace
}  // namespace zek
