// MTEXT lines in their boxes: split from the top of the box, one pitch
// apart, and placed in the box's width by the attachment's column.
#include "text_painter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zek::render {
namespace {

struct LinePlace {
  double startX, startY;  // baseline start
  double endX, endY;      // baseline end
};

struct LineBoxCase {
  const char* name;
  const char* contents;
  int attachment;
  AcGeVector3d direction;
  double referenceWidth;
  double spacing;
  std::vector<LinePlace> lines;
};

// Height 1 at the origin; narrow characters 0.8 wide, a pitch 5/3. Lines
// "AB" (1.6), "ABCD" (3.2) and "A" (0.8): the box is 3.2 wide and
// 1 + 2 × 5/3 = 13/3 high.
constexpr const char* kLines = "AB\\PABCD\\PA";
constexpr double kBoxHeight = 13.0 / 3.0;

const LineBoxCase kLineBoxCases[] = {
    {"top left: every line starts at the left side", kLines, 1, {1, 0, 0}, 0.0, 1.0,
     {{0, -1, 1.6, -1}, {0, -8.0 / 3.0, 3.2, -8.0 / 3.0}, {0, -kBoxHeight, 0.8, -kBoxHeight}}},
    {"middle centre: lines centred on the box's middle", kLines, 5, {1, 0, 0}, 0.0, 1.0,
     {{-0.8, kBoxHeight / 2 - 1, 0.8, kBoxHeight / 2 - 1},
      {-1.6, kBoxHeight / 2 - 8.0 / 3.0, 1.6, kBoxHeight / 2 - 8.0 / 3.0},
      {-0.4, -kBoxHeight / 2, 0.4, -kBoxHeight / 2}}},
    {"bottom right: lines end at the right side, the last on the bottom", kLines, 9,
     {1, 0, 0}, 0.0, 1.0,
     {{-1.6, kBoxHeight - 1, 0, kBoxHeight - 1},
      {-3.2, kBoxHeight - 8.0 / 3.0, 0, kBoxHeight - 8.0 / 3.0},
      {-0.8, 0, 0, 0}}},
    {"top right of a reference width: lines end at the width", "AB\\PA", 3, {1, 0, 0}, 10.0,
     1.0, {{-1.6, -1, 0, -1}, {-0.8, -8.0 / 3.0, 0, -8.0 / 3.0}}},
    {"top centre of a reference width", "AB", 2, {1, 0, 0}, 10.0, 1.0, {{-0.8, -1, 0.8, -1}}},
    {"line spacing 1.5: a pitch of 2.5", "AB\\PA", 1, {1, 0, 0}, 0.0, 1.5,
     {{0, -1, 1.6, -1}, {0, -3.5, 0.8, -3.5}}},
    // Turned a quarter: along +Y, up towards -X; the box lies on -X of the location.
    {"top left turned 90 degrees", "AB\\PA", 1, {0, 1, 0}, 0.0, 1.0,
     {{1, 0, 1, 1.6}, {8.0 / 3.0, 0, 8.0 / 3.0, 0.8}}},
    {"an empty line keeps its place", "AB\\P\\PA", 1, {1, 0, 0}, 0.0, 1.0,
     {{0, -1, 1.6, -1}, {0, -8.0 / 3.0, 0, -8.0 / 3.0}, {0, -kBoxHeight, 0.8, -kBoxHeight}}},
    {"nothing but empty lines: no box to fill", "\\P", 1, {1, 0, 0}, 0.0, 1.0, {}},
};

TEST(MTextLineBoxes, SplitTheBoxFromTheTop) {
  for (const LineBoxCase& c : kLineBoxCases) {
    MTextBoxFields fields;
    fields.contents = c.contents;
    fields.direction = c.direction;
    fields.height = 1.0;
    fields.referenceWidth = c.referenceWidth;
    fields.attachment = c.attachment;
    fields.lineSpacingFactor = c.spacing;
    std::vector<MTextLineBox> boxes = mtextLineBoxes(fields);
    ASSERT_EQ(boxes.size(), c.lines.size()) << c.name;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      const TextBox& box = boxes[i].box;
      const LinePlace& want = c.lines[i];
      EXPECT_NEAR(box[0].x, want.startX, 1e-12) << c.name << ", line " << i;
      EXPECT_NEAR(box[0].y, want.startY, 1e-12) << c.name << ", line " << i;
      EXPECT_NEAR(box[1].x, want.endX, 1e-12) << c.name << ", line " << i;
      EXPECT_NEAR(box[1].y, want.endY, 1e-12) << c.name << ", line " << i;
      // One height up, square to the baseline.
      AcGeVector3d up = box[3] - box[0];
      EXPECT_NEAR(up.length(), 1.0, 1e-12) << c.name << ", line " << i;
      EXPECT_NEAR(up.dotProduct(c.direction), 0.0, 1e-12) << c.name << ", line " << i;
      EXPECT_NEAR((box[2] - box[1]).length(), 1.0, 1e-12) << c.name << ", line " << i;
    }
  }
}

TEST(MTextLineBoxes, CarryThePlainLines) {
  MTextBoxFields fields;
  fields.contents = "{\\fArial;4-%%C12}\\PH7\\~THRU";
  fields.height = 2.5;
  std::vector<MTextLineBox> boxes = mtextLineBoxes(fields);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "4-%%C12") << "codes of TEXT stay for the painter";
  EXPECT_EQ(boxes[1].text, "H7 THRU");
}

}  // namespace
}  // namespace zek::render
