// visibleWindow: the part of the drawing the current view shows, as a
// rectangle in the current user coordinate system.
#pragma once

#include <optional>

#include "ge_point.h"

namespace zek::inline foundation {

// Two opposite corners of the view, in the current UCS.
struct ViewWindow {
  AcGePoint3d lowerLeft;
  AcGePoint3d upperRight;
};

// The visible window: VIEWCTR taken to display coordinates, half VIEWSIZE up
// and down, half VIEWSIZE times the screen's width over its height left and
// right (z 0), both corners taken back to the UCS. None when a variable does
// not read, the screen has no height or a transformation fails.
[[nodiscard]] std::optional<ViewWindow> visibleWindow();

}  // namespace zek::inline foundation
