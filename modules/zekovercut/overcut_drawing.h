// Puts a worked-out overcut into the drawing: the two lines trimmed (each
// reported and left as it is when its layer is locked) and the new arcs and
// step lines appended to model space.
#pragma once

#include "db_core.h"
#include "overcut_construction.h"

namespace zek {

// Trims both lines and draws the arcs and the step with the drawing's
// current settings. A line that cannot be opened for write is reported
// ("\nfirst line is not trimed, maybe its layer is locked") and the rest is
// drawn all the same. When model space cannot be opened for write nothing
// changes and that is reported.
void drawOvercutPlan(AcDbObjectId firstLine, AcDbObjectId secondLine, const OvercutPlan& plan);

}  // namespace zek
