// Views the ZOOM command sets: a window shown whole, a view scaled about its
// centre, the box of a drawing's extents. Plain arithmetic on the document's
// view (a plan view of the world XY plane).
#pragma once

#include <optional>
#include <string_view>

#include "editor/document.h"
#include "ge_geometry.h"

namespace zek {

// The view that shows the box between two corners whole (world XY): centred
// on it, as high as the box or as its width needs at the screen's aspect,
// whichever is more. A box of no size keeps the height.
View viewOfWindow(const View& current, const AcGePoint2d& corner1, const AcGePoint2d& corner2);

// The view with its height divided by the factor (2 shows things twice as big).
View viewScaled(const View& current, double factor);

// A scale answer of ZOOM: "2x" or "2xp" scale the current view, "2" scales
// relative to the limits; nothing for other text or a factor that is not
// positive.
struct ZoomScale {
  double factor = 1.0;
  bool relative = true;  // nX: relative to the current view
};
std::optional<ZoomScale> zoomScaleOfAnswer(std::string_view answer);

}  // namespace zek
