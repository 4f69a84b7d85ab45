// Finding the islands of what the view shows: the visible objects selected
// with the module's filter, their widened extents swept into islands, the
// islands taken into the UCS and outlined on the screen.
#pragma once

#include <optional>
#include <vector>

#include "db_core.h"
#include "island_sweep.h"

namespace zek {

constexpr int kIslandColour = 30;
constexpr int kPickedIslandColour = 10;

struct FoundIslands {
  // In the current UCS (shifted only: a turned UCS is not turned).
  std::vector<Island> islands;
  // The entity of each box, by the box's position (members index it).
  std::vector<AcDbObjectId> entities;
};

// Redraws the screen, selects the visible objects with the filter, sweeps
// their boxes (each island listing its entities when keepMembers) and draws
// every island's rectangle in colour 30. None when nothing was selected
// (nothing in view passes the filter, or the selection failed).
std::optional<FoundIslands> findVisibleIslands(bool keepMembers);

// Draws an island's rectangle as four highlighted temporary vectors.
void drawIslandRectangle(const Island& island, int colour);

}  // namespace zek
