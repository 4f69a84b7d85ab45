// Choosing a group of entities, its bounding box and moving it: the host
// calls the alignment functions share.
#pragma once

#include <optional>
#include <vector>

#include "align_box.h"
#include "db_core.h"

namespace zek {

// How choosing a group ended.
enum class GroupAnswer {
  Chosen,     // entities were taken
  Nothing,    // an empty selection (Enter), or a window that found nothing
  Cancelled,  // Esc, or a corner not given in window mode
};

struct ChosenGroup {
  GroupAnswer answer = GroupAnswer::Nothing;
  std::vector<AcDbObjectId> ids;
};

// Prints the prompt and takes a group: in window mode by "\nCorner 1:" and
// "\nCorner 2:" and the crossing selection of that window, otherwise by an
// ordinary selection.
ChosenGroup chooseGroup(const char* prompt, bool byWindow);

// The union of the geometric extents of the entities that can be opened;
// with ignoreDimensionLayers, entities on the layers of the group's
// dimensions do not count. Nothing when no entity has extents.
std::optional<AlignBox> boxOfGroup(const std::vector<AcDbObjectId>& ids,
                                   bool ignoreDimensionLayers = false);

// Translates every entity of the group that opens for write; the others
// (on locked layers) stay where they are.
void moveGroup(const std::vector<AcDbObjectId>& ids, const AlignPoint& move);

// Draws the box as a temporary outline (colour 10, highlighted) in user
// coordinates; it lasts until the next redraw.
void drawBoxOutline(const AlignBox& box);

}  // namespace zek
