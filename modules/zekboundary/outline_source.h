// The outlines of a selection for ZEKBDY2: lightweight polylines (bulges
// included) and circles as they are, and for lines and arcs the chains they
// belong to, joined end to end by the chain builder.
#pragma once

#include <vector>

#include "guards/selection_set.h"
#include "outline.h"
#include "outline_writer.h"

namespace zek {

// One outline found: its vertices in its plane (a polyline's own, else the
// world XY plane), whether it closes, and the plane and properties an
// offset of it takes.
struct PickedOutline {
  Outline outline;
  bool closed = false;
  OutlinePlacement placement;
};

// The outlines of the selected entities: every polyline and circle in
// selection order, then each chain that holds a selected line or arc, built
// from all lines and arcs of model space on their layers (ends within 0.05
// joined), so that one picked edge stands for its whole outline. A polyline
// that is open but ends on its first vertex counts as closed. Other entities
// are left out.
std::vector<PickedOutline> outlinesOf(const SelectionSet& picked);

}  // namespace zek
