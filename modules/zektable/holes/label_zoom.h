// The view of one table run: the window shown when the run began, and
// whether the run zoomed to a label since (picking a hole by hand, a note's
// prompt), so that the run can show the first window again at its end.
#pragma once

#include <optional>

#include "ge_point.h"
#include "view/visible_window.h"

namespace zek::table {

struct RunView {
  std::optional<ViewWindow> saved;  // the window when the holes were prepared
  bool zoomed = false;              // the view-changed flag
};

// Saves the visible window into view (none when it cannot be read) and
// clears the flag.
void saveRunView(RunView& view);

// Zooms (the host's ZOOM with two corners, taken from world to user
// coordinates) to the window from 35 left and 15 below to 35 right and 15
// above the label's insertion point, and sets the flag.
void zoomToLabel(const AcGePoint3d& insertion, RunView& view);

// Shows the saved window again when the run zoomed.
void restoreRunView(const RunView& view);

}  // namespace zek::table
