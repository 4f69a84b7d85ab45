// The AutoLISP functions of zekalign: alignment of one group's bounding box
// to another's (ZEKALIGN), to a station that moves on (ZEKALIGN1), by edges
// and centre lines without dimensions (ZEKALIGN2) and beside with a gap
// (ZEKALIGN3). Each answers RTNORM when it ran and RTERROR, after its
// message, when its arguments do not fit or a required group was not given.
#pragma once

#include "ads.h"

namespace zek {

// (ZEKALIGN from to dx dy [ratio])
[[nodiscard]] int alignGroups(const resbuf* args);
// (ZEKALIGN1 from to dx dy [ratio])
[[nodiscard]] int alignToStation(const resbuf* args);
// (ZEKALIGN2 from to), line codes only
[[nodiscard]] int alignLinesWithoutDimensions(const resbuf* args);
// (ZEKALIGN3 gap)
[[nodiscard]] int placeBesideWithGap(const resbuf* args);

}  // namespace zek
