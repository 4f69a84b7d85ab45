// The two 21-button grids of the alignment dialog: which code each radio
// button shows, and which buttons show a code (a line code shows along its
// whole row or column). No host calls.
#pragma once

#include <span>
#include <vector>

namespace zek {

struct GridButton {
  int id;
  int code;
};

// The moving group's buttons ("FROM") and the fixed group's ("TOOO"), row by
// row from the top, left to right.
std::span<const GridButton> fromGrid();
std::span<const GridButton> toGrid();

// The code a button of the grid shows; 0 for an id not in the grid.
int codeOfButton(std::span<const GridButton> grid, int id);
// Every button of the grid that shows the code, in grid order.
std::vector<int> buttonsShowingCode(std::span<const GridButton> grid, int code);

}  // namespace zek
