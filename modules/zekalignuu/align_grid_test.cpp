// The dialog's grids and offsets, checked against the layout drawn by hand.
#include "align_grid.h"

#include <gtest/gtest.h>

#include <set>

#include "align_choice.h"

namespace zek {
namespace {

using Ids = std::vector<int>;

struct ShownCase {
  bool from;
  int code;
  Ids ids;
  const char* name;
};
const ShownCase kShown[] = {
    {true, 1, {1038}, "a corner point checks its own button"},
    {true, 9, {1052}, "the centre"},
    {true, 4, {1055}, "right middle"},
    {true, 13, {1038, 1039, 1040, 1042, 1043}, "top edge: the whole top row"},
    {true, 48, {1050, 1051, 1052, 1054, 1055}, "horizontal centre line: the middle row"},
    {true, 57, {1056, 1057, 1058, 1060, 1061}, "bottom edge: the bottom row"},
    {true, 17, {1038, 1032, 1050, 1044, 1056}, "left edge: the left column"},
    {true, 26, {1040, 1034, 1052, 1046, 1058}, "vertical centre line: the middle column"},
    {true, 35, {1043, 1037, 1055, 1049, 1061}, "right edge: the right column"},
    {false, 7, {1078}, "bottom left of the fixed grid"},
    {false, 2, {1067}, "top centre of the fixed grid"},
    {false, 26, {1067, 1063, 1075, 1071, 1080}, "fixed grid middle column"},
    {false, 48, {1073, 1074, 1075, 1076, 1077}, "fixed grid middle row"},
    {false, 35, {1069, 1064, 1077, 1072, 1082}, "fixed grid right column"},
    {false, 0, {}, "no code, no button"},
};

TEST(AlignGrid, ACodeChecksEveryButtonOnItsPointOrLine) {
  for (const auto& c : kShown)
    EXPECT_EQ(buttonsShowingCode(c.from ? fromGrid() : toGrid(), c.code), c.ids) << c.name;
}

struct ButtonCase {
  bool from;
  int id;
  int code;
};
constexpr ButtonCase kButtons[] = {
    {true, 1039, 13}, {true, 1042, 13}, {true, 1032, 17}, {true, 1044, 17},
    {true, 1046, 26}, {true, 1061, 5},  {true, 1041, 0},  {true, 1045, 0},
    {true, 1065, 0},  {false, 1065, 1}, {false, 1081, 57}, {false, 1062, 17},
    {false, 1077, 4}, {false, 1038, 0},
};

TEST(AlignGrid, ButtonsShowTheirCodesAndEditBoxesNone) {
  for (const auto& c : kButtons)
    EXPECT_EQ(codeOfButton(c.from ? fromGrid() : toGrid(), c.id), c.code)
        << (c.from ? "FROM " : "TOOO ") << c.id;
}

TEST(AlignGrid, EachGridHasTwentyOneDistinctButtonsAndEveryCode) {
  for (const auto grid : {fromGrid(), toGrid()}) {
    std::set<int> ids;
    std::set<int> codes;
    for (const GridButton& button : grid) {
      ids.insert(button.id);
      codes.insert(button.code);
    }
    EXPECT_EQ(grid.size(), 21u);
    EXPECT_EQ(ids.size(), 21u);
    EXPECT_EQ(codes, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 13, 17, 26, 35, 48, 57}));
  }
}

struct OffsetTextCase {
  double value;
  const char* text;
};
constexpr OffsetTextCase kOffsetTexts[] = {
    {0.0, "0"},
    {2.5, "2.5"},
    {-12.0, "-12"},
    {1.0 / 3.0, "0.333333333333"},     // 12 significant digits
    {123456.789012345, "123456.789012"},
    {1e-7, "1e-07"},
};

TEST(AlignOffsets, WrittenWithTwelveSignificantDigits) {
  for (const auto& c : kOffsetTexts)
    EXPECT_EQ(offsetText(c.value), c.text) << c.value;
}

struct OffsetReadCase {
  const char* text;
  double value;
};
constexpr OffsetReadCase kOffsetReads[] = {
    {"2.5", 2.5}, {"-0.25", -0.25}, {" 7", 7.0}, {"1e2", 100.0},
    {"abc", 0.0}, {"", 0.0},        {"3mm", 3.0},  // the number the text starts with
};

TEST(AlignOffsets, ReadAsNumbersAndOtherTextAsZero) {
  for (const auto& c : kOffsetReads)
    EXPECT_DOUBLE_EQ(offsetFromText(c.text), c.value) << '"' << c.text << '"';
}

}  // namespace
}  // namespace zek
