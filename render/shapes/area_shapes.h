// Areas the host keeps as groups: HATCH, SOLID, TRACE and 3DFACE. Their
// outlines are read from the kept groups and flattened, for the renderer to
// fill (solid hatches, solids, traces) or to stroke (other hatches, faces).
#pragma once

#include <optional>
#include <vector>

#include "ge_geometry.h"

namespace zek {
class KeptEntity;
}

namespace zek::render {

struct AreaShape {
  // Closed loops in world coordinates (the entity's own coordinates, before
  // any block transformation), arcs, ellipses and splines flattened. A loop
  // has at least two points and never repeats its first point at the end:
  // the closing chord is implied.
  std::vector<std::vector<AcGePoint3d>> loops;
  // Open polylines, stroked as they are: the visible edges of a 3DFACE some
  // of whose edges are invisible (its `loops` are then empty).
  std::vector<std::vector<AcGePoint3d>> open;
  // Filled (even-odd rule) rather than stroked.
  bool filled = false;
  // Some of the groups were damaged: the loops are those that could be read.
  bool damaged = false;
};

// The shape of a kept HATCH, SOLID, TRACE or 3DFACE; nothing for other kept
// types or groups that describe no area (a hatch without a readable path, a
// face with every edge invisible, corners missing or not numbers).
// `chordTolerance` is the largest distance a chord may leave its curve, in
// drawing units; a tolerance that is not positive gives the finest chords
// allowed (kMaxChordsPerCurve in curve_flattening.h).
std::optional<AreaShape> areaShapeOf(const KeptEntity& entity, double chordTolerance);

}  // namespace zek::render
