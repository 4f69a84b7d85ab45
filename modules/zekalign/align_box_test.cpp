// The alignment arithmetic, worked out by hand on small boxes.
#include "align_box.h"

#include <gtest/gtest.h>

namespace zek {
namespace {

constexpr AlignBox kPlate{10.0, 20.0, 50.0, 40.0};  // 40 wide, 20 high

struct CodePointCase {
  int code;
  double x;
  double y;
  const char* name;
};
constexpr CodePointCase kCodePoints[] = {
    {1, 10, 40, "top left"},        {2, 30, 40, "top centre"},
    {3, 50, 40, "top right"},       {4, 50, 30, "right middle"},
    {5, 50, 20, "bottom right"},    {6, 30, 20, "bottom centre"},
    {7, 10, 20, "bottom left"},     {8, 10, 30, "left middle"},
    {9, 30, 30, "centre"},          {13, 30, 40, "top edge: Y max"},
    {48, 30, 30, "horizontal centre line"}, {57, 30, 20, "bottom edge: Y min"},
    {17, 10, 30, "left edge: X min"},       {26, 30, 30, "vertical centre line"},
    {35, 50, 30, "right edge: X max"},
};

TEST(AlignCodes, NameTheirPointOrLineOfTheBox) {
  for (const auto& c : kCodePoints) {
    const AlignPoint p = pointOfCode(kPlate, c.code);
    EXPECT_DOUBLE_EQ(p.x, c.x) << c.code << " " << c.name;
    EXPECT_DOUBLE_EQ(p.y, c.y) << c.code << " " << c.name;
  }
}

struct ClassCase {
  int code;
  std::optional<CodeClass> kind;
  bool line;
};
const ClassCase kClasses[] = {
    {1, CodeClass::Point, false},           {9, CodeClass::Point, false},
    {13, CodeClass::HorizontalLine, true},  {48, CodeClass::HorizontalLine, true},
    {57, CodeClass::HorizontalLine, true},  {17, CodeClass::VerticalLine, true},
    {26, CodeClass::VerticalLine, true},    {35, CodeClass::VerticalLine, true},
    {0, std::nullopt, false},               {10, std::nullopt, false},
    {12, std::nullopt, false},              {36, std::nullopt, false},
    {-7, std::nullopt, false},              {58, std::nullopt, false},
};

TEST(AlignCodes, FallInThreeClassesAndNothingElseIsACode) {
  for (const auto& c : kClasses) {
    EXPECT_EQ(classOfCode(c.code), c.kind) << c.code;
    EXPECT_EQ(isLineCode(c.code), c.line) << c.code;
  }
}

struct MoveCase {
  AlignBox moving;
  int from;
  AlignBox fixed;
  int to;
  double dx, dy;
  double x, y;
  const char* name;
};
constexpr AlignBox kSmall{0, 0, 10, 5};
constexpr AlignBox kFar{20, 20, 40, 30};
constexpr MoveCase kMoves[] = {
    {kSmall, 7, kFar, 7, 0, 0, 20, 20, "bottom left onto bottom left"},
    {kSmall, 7, kFar, 7, 1.5, -2, 21.5, 18, "offsets add to the move"},
    {kSmall, 9, kFar, 9, 0, 0, 25, 22.5, "centre onto centre"},
    {kSmall, 3, kFar, 7, 0, 0, 10, 15, "top right onto bottom left"},
    {kSmall, 5, kFar, 1, 0, 0, 10, 30, "bottom right onto top left"},
    {kSmall, 13, kFar, 57, 0, 1, 0, 16, "line class 2 moves in Y only, dx dropped too"},
    {kSmall, 48, kFar, 48, 7, 0, 0, 22.5, "horizontal centre lines; dx ignored"},
    {kSmall, 35, kFar, 17, -1, 9, 9, 0, "right edge onto left edge less 1; dy ignored"},
    {kSmall, 26, kFar, 26, 0, 0, 25, 0, "vertical centre lines"},
};

TEST(AlignDisplacement, BringsTheMovingCodeOntoTheFixedCode) {
  for (const auto& c : kMoves) {
    const AlignPoint move = alignDisplacement(c.moving, c.from, c.fixed, c.to, c.dx, c.dy);
    EXPECT_DOUBLE_EQ(move.x, c.x) << c.name;
    EXPECT_DOUBLE_EQ(move.y, c.y) << c.name;
  }
}

TEST(AlignDisplacement, RatioOffsetsCountInWidthsAndHeightsOfTheBox) {
  // The fixed box 20 wide and 10 high: 0.5 widths is 10, -0.2 heights is -2.
  const AlignPoint offsets = ratioOffsets(0.5, -0.2, kFar);
  EXPECT_DOUBLE_EQ(offsets.x, 10.0);
  EXPECT_DOUBLE_EQ(offsets.y, -2.0);
  const AlignPoint move = alignDisplacement(kSmall, 7, kFar, 7, offsets.x, offsets.y);
  EXPECT_DOUBLE_EQ(move.x, 30.0);
  EXPECT_DOUBLE_EQ(move.y, 18.0);
  // The initial box 9.9 square.
  const AlignPoint initial = ratioOffsets(1.0, 2.0, kInitialRememberedBox);
  EXPECT_DOUBLE_EQ(initial.x, 9.9);
  EXPECT_DOUBLE_EQ(initial.y, 19.8);
}

struct BesideCase {
  AlignBox moving;
  double gap;
  bool moves;
  double x, y;
  int arrangement;
  const char* name;
};
// The fixed box is (100,100)-(200,150).
constexpr AlignBox kFixed{100, 100, 200, 150};
constexpr BesideCase kBeside[] = {
    {{0, 120, 40, 130}, 5, true, 55, 0, 0, "left, overlapping in Y: right edge at 95"},
    {{0, 140, 40, 170}, 0, true, 60, 0, 0, "left, touching Y ranges overlap"},
    {{300, 90, 310, 110}, 2, true, -98, 0, 0, "right: left edge at 202"},
    {{120, 0, 130, 20}, 3, true, 0, 77, 0, "below: top edge at 97"},
    {{150, 300, 260, 320}, 1, true, 0, -149, 0, "above, overlapping in X: bottom at 151"},
    {{300, 300, 310, 310}, 1, false, 0, 0, 2, "right and above"},
    {{0, 300, 10, 310}, 1, false, 0, 0, 4, "left and above"},
    {{0, 0, 10, 10}, 1, false, 0, 0, 6, "left and below"},
    {{300, 0, 310, 10}, 1, false, 0, 0, 8, "right and below"},
    {{150, 120, 250, 200}, 1, false, 0, 0, 9, "overlapping in X and Y"},
    {{200, 150, 210, 160}, 1, false, 0, 0, 9, "touching corners count as overlap"},
};

TEST(PlaceBeside, MovesSideBySideOrNamesTheArrangement) {
  for (const auto& c : kBeside) {
    const BesidePlacement placement = placeBeside(c.moving, kFixed, c.gap);
    ASSERT_EQ(placement.move.has_value(), c.moves) << c.name;
    if (c.moves) {
      EXPECT_DOUBLE_EQ(placement.move->x, c.x) << c.name;
      EXPECT_DOUBLE_EQ(placement.move->y, c.y) << c.name;
    } else {
      EXPECT_EQ(placement.arrangement, c.arrangement) << c.name;
    }
  }
}

TEST(AlignBoxShift, MovesBothCorners) {
  const AlignBox moved = kSmall.shifted(3, -4);
  EXPECT_DOUBLE_EQ(moved.minX, 3);
  EXPECT_DOUBLE_EQ(moved.minY, -4);
  EXPECT_DOUBLE_EQ(moved.maxX, 13);
  EXPECT_DOUBLE_EQ(moved.maxY, 1);
}

}  // namespace
}  // namespace zek
