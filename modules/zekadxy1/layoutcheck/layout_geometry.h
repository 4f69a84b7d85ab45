// Plane geometry of the layout check: text boxes as rectangles turned to
// their reading direction, and whether a segment, an arc or another box
// reaches into a box's interior. Plain functions, no host calls.
#pragma once

#include <array>

#include "ge_point.h"
#include "ge_vector.h"

namespace zek::adxy1 {

// An axis-aligned box (bounds of a piece of geometry, a grid query).
struct Bounds2d {
  double minX = 0.0;
  double minY = 0.0;
  double maxX = 0.0;
  double maxY = 0.0;

  [[nodiscard]] bool meets(const Bounds2d& other) const {
    return minX <= other.maxX && other.minX <= maxX && minY <= other.maxY && other.minY <= maxY;
  }
};

// A text's box: its middle, its reading direction (a unit vector), half its
// width along that direction and half its height across it.
struct TextRect {
  AcGePoint2d centre;
  AcGeVector2d along{1.0, 0.0};
  double halfWidth = 0.0;
  double halfHeight = 0.0;

  // A box without interior meets nothing.
  [[nodiscard]] bool isEmpty() const { return !(halfWidth > 0.0 && halfHeight > 0.0); }
};

// The box with `margin` taken off every side (a box that vanishes is empty).
[[nodiscard]] TextRect shrunk(const TextRect& box, double margin);
[[nodiscard]] Bounds2d boundsOf(const TextRect& box);
// The box of a text whose corners the text metrics model gives: [0] where
// the baseline starts, [1] where it ends, [2] above the end, [3] above the
// start. An oblique text's parallelogram gets the rectangle along its
// baseline that holds it.
[[nodiscard]] TextRect rectFromCorners(const std::array<AcGePoint2d, 4>& corners);
// The four corners of the box, counter-clockwise.
[[nodiscard]] std::array<AcGePoint2d, 4> cornersOf(const TextRect& box);

// Whether the segment from a to b passes through the interior of the box;
// running along an edge or touching a corner does not count.
[[nodiscard]] bool segmentEntersRect(const AcGePoint2d& a, const AcGePoint2d& b,
                                     const TextRect& box);

// A circular arc from `start` counter-clockwise through `sweep` (radians, 0
// to 2π; a circle sweeps 2π).
struct ArcPiece {
  AcGePoint2d centre;
  double radius = 0.0;
  double start = 0.0;
  double sweep = 0.0;
};

// The arc of a polyline segment from p to q with this bulge (tan of a
// quarter of the included angle, positive counter-clockwise), as an arc of
// positive sweep.
[[nodiscard]] ArcPiece arcOfBulge(const AcGePoint2d& p, const AcGePoint2d& q, double bulge);
[[nodiscard]] Bounds2d boundsOf(const ArcPiece& arc);
[[nodiscard]] AcGePoint2d pointOnArc(const ArcPiece& arc, double angle);

// Whether some point of the arc lies inside the box (an arc that only
// touches an edge, or a circle round the whole box, does not count).
[[nodiscard]] bool arcEntersRect(const ArcPiece& arc, const TextRect& box);

// Whether the interiors of two boxes meet (boxes that share an edge do not).
[[nodiscard]] bool rectsOverlap(const TextRect& a, const TextRect& b);

}  // namespace zek::adxy1
