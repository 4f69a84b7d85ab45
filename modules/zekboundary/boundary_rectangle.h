// The plate boundary rectangle around a selection's box: the margin, the
// rounding of width and height to half units, the check that the corners
// fit and the outline with its sharp, rounded or chamfered corners. Plain
// numbers, no host calls.
#pragma once

#include <optional>

#include "boundary_settings.h"
#include "outline.h"

namespace zek {

// An axis-parallel box in world coordinates.
struct Box {
  double minX = 0.0;
  double minY = 0.0;
  double maxX = 0.0;
  double maxY = 0.0;
};

// A value rounded to a half unit by its fractional part f: down to the whole
// unit when f < 0.05, to the half when f < 0.55, else up to the next whole
// unit (100.04 → 100, 100.54 → 100.5, 100.56 → 101).
double roundToHalfUnit(double value);

// The rectangle centred on the box, its width and height the box's plus
// twice the offset, each rounded to a half unit.
Box plateRectangle(const Box& selectionBox, double offset);

// Whether the corner sizes leave at least 0.1 of every side: each side must
// be longer than the sizes of its two corners plus 0.1.
bool cornersFit(const Box& rectangle, const CornerValues& corners);

// The closed outline counter-clockwise from the point after the bottom-left
// corner: a sharp corner is one vertex, a radius two vertices joined by a
// quarter circle turning left, a chamfer two vertices joined straight.
Outline boundaryOutline(const Box& rectangle, const CornerValues& corners);

// The whole construction: the outline, or nothing when the corners do not
// fit ("Radius or Chamfer is too big").
std::optional<Outline> plateBoundary(const Box& selectionBox, const BoundarySettings& settings);

}  // namespace zek
