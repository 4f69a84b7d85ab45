// Plane geometry of text boxes: their extents and whether a box meets a
// selection window, tested exactly rather than by extents.
#pragma once

#include "db_extents.h"
#include "zek/text_metrics.h"

namespace zek {

// The extents of the four corners, each also raised by `lift` (a text's
// thickness along its normal) when that is not zero.
[[nodiscard]] AcDbExtents boxExtents(const TextBox& box, const AcGeVector3d& lift = {});

// Whether the quadrilateral, seen in the XY plane, shares a point with the
// window: a corner inside the window, the window inside the quadrilateral,
// or an edge crossing the window's border.
[[nodiscard]] bool quadCrossesWindow(const TextBox& box, const AcDbExtents& window);

// Whether the segment, seen in the XY plane, shares a point with the window.
[[nodiscard]] bool segmentCrossesWindow(const AcGePoint3d& a, const AcGePoint3d& b,
                                        const AcDbExtents& window);

}  // namespace zek
