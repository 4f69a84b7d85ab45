// The five commands of group ZEKTABLE.
#pragma once

namespace zek::table {

// ZEKTABLE1: the six-column table of the island the drafter points at, placed
// at the region's corner when automatic placement is on.
void tableOfIsland();
// ZEKTABLE2: the six-column table of a selection, at a point asked for.
void tableOfSelection();
// ZEKTABLE3: the four-column table of a selection.
void shortTableOfSelection();
// ZEKTABLE4: the notes list of the island (or a selection).
void notesOfIsland();
// ZEKTABLE1S: the placement settings dialog.
void editTablePlacement();

}  // namespace zek::table
