// What a selection window or a pick box finds of an entity, by its true
// geometry in the xy plane of the world (the plan view the drafter sees):
// curves by their curves (a circle crossing a window's edge is met, a window
// inside the circle is not), texts by their boxes, block references by the
// entities of their block, dimensions by their display block or, without
// one, by their definition points.
#pragma once

#include "db_core.h"
#include "db_extents.h"

class AcDbEntity;

namespace zek {

// Whether any shown part of the entity lies inside the window or on its edge.
[[nodiscard]] bool crossesWindow(const AcDbEntity& entity, const AcDbExtents& window);
// Whether the whole entity lies inside the window (its extents, which are
// exact for every entity the host models).
[[nodiscard]] bool insideWindow(const AcDbEntity& entity, const AcDbExtents& window);

// Whether the layer hides what is on it (frozen or off). A null or unknown
// layer hides nothing.
[[nodiscard]] bool layerHides(AcDbObjectId layerId);

}  // namespace zek
