// Which part of the world a picture shows and how it sits on the picture:
// the window (given, the current view, or the extents with a margin) and
// the uniform scale that fits it, centred, into the picture's pixels.
#pragma once

#include <optional>

#include "db_extents.h"
#include "render.h"

namespace zek {
struct View;
}

namespace zek::render {

// The margin added on every side of the extents, as a share of their size.
constexpr double kExtentsMargin = 0.05;
// What an empty drawing shows: an A4 sheet lying landscape from the origin.
constexpr WorldWindow kDefaultWindow{AcGePoint2d(0.0, 0.0), AcGePoint2d(297.0, 210.0)};

// A window with its corners in order (min below and left of max) and a size
// that is never zero: a point or a line of a window grows to a square of
// one drawing unit, or of a thousandth of its length, around it.
WorldWindow normalizedWindow(const WorldWindow& window);

// The extents grown by the margin on every side; the default window for an
// empty or invalid box.
WorldWindow windowAroundExtents(const AcDbExtents& extents);

// What the view shows: its height at its centre, as wide as its screen's
// aspect makes it.
WorldWindow windowOfView(const View& view);

// The mapping from world XY to the pixels of a picture (x to the right, y
// down): device = (origin.x + scale·x, origin.y − scale·y).
struct PictureFrame {
  double scale = 1.0;  // pixels per drawing unit
  double originX = 0.0;
  double originY = 0.0;
  int width = 0;
  int height = 0;

  double deviceX(double x) const { return originX + scale * x; }
  double deviceY(double y) const { return originY - scale * y; }
};

// The window fitted into width × height pixels keeping its aspect: the
// longer side fills the picture, the other is centred.
PictureFrame fitWindow(const WorldWindow& window, int width, int height);

}  // namespace zek::render
