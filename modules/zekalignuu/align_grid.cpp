// The grid tables of the alignment dialog (see align_grid.h).
#include "align_grid.h"

namespace zek {

namespace {

// A 5 x 5 grid without its four inner corner cells: corners, edge middles and
// the centre are points; the cells between them lie on an edge or centre line.
constexpr GridButton kFromGrid[] = {
    {1038, 1}, {1039, 13}, {1040, 2}, {1042, 13}, {1043, 3},
    {1032, 17}, {1034, 26}, {1037, 35},
    {1050, 8}, {1051, 48}, {1052, 9}, {1054, 48}, {1055, 4},
    {1044, 17}, {1046, 26}, {1049, 35},
    {1056, 7}, {1057, 57}, {1058, 6}, {1060, 57}, {1061, 5},
};

constexpr GridButton kToGrid[] = {
    {1065, 1}, {1066, 13}, {1067, 2}, {1068, 13}, {1069, 3},
    {1062, 17}, {1063, 26}, {1064, 35},
    {1073, 8}, {1074, 48}, {1075, 9}, {1076, 48}, {1077, 4},
    {1070, 17}, {1071, 26}, {1072, 35},
    {1078, 7}, {1079, 57}, {1080, 6}, {1081, 57}, {1082, 5},
};

// Which codes a line code runs through: its row or column of the grid.
bool liesOnLine(int buttonCode, int lineCode) {
  switch (lineCode) {
    case 13: return buttonCode == 1 || buttonCode == 13 || buttonCode == 2 || buttonCode == 3;
    case 48: return buttonCode == 8 || buttonCode == 48 || buttonCode == 9 || buttonCode == 4;
    case 57: return buttonCode == 7 || buttonCode == 57 || buttonCode == 6 || buttonCode == 5;
    case 17: return buttonCode == 1 || buttonCode == 17 || buttonCode == 8 || buttonCode == 7;
    case 26: return buttonCode == 2 || buttonCode == 26 || buttonCode == 9 || buttonCode == 6;
    case 35: return buttonCode == 3 || buttonCode == 35 || buttonCode == 4 || buttonCode == 5;
    default: return buttonCode == lineCode;
  }
}

}  // namespace

std::span<const GridButton> fromGrid() { return kFromGrid; }
std::span<const GridButton> toGrid() { return kToGrid; }

int codeOfButton(std::span<const GridButton> grid, int id) {
  for (const GridButton& button : grid) {
    if (button.id == id)
      return button.code;
  }
  return 0;
}

std::vector<int> buttonsShowingCode(std::span<const GridButton> grid, int code) {
  std::vector<int> ids;
  for (const GridButton& button : grid) {
    if (liesOnLine(button.code, code))
      ids.push_back(button.id);
  }
  return ids;
}

}  // namespace zek
