// The offset of a closed outline: every segment moved sideways by the
// offset, outwards for a positive one and inwards for a negative one, arcs
// staying arcs about their centres; outside corners get a round join about
// the source vertex, inside corners are trimmed where the moved segments
// meet, and an inside arc smaller than an outward offset gives way to a
// corner. Plain numbers, no host calls.
#pragma once

#include "outline.h"

namespace zek {

enum class OffsetFailure {
  None,
  NoArea,               // fewer than two vertices, or nothing enclosed
  SourceCrossesItself,  // the outline crosses or touches itself
  SegmentVanishes,      // the offset uses a segment up (inwards, also an arc)
  ResultCrossesItself,  // the moved segments cross one another
};

struct OffsetResult {
  Outline outline;  // empty unless failure is None
  OffsetFailure failure = OffsetFailure::None;
};

// The outline offset by `offset` (positive outwards). The result runs the
// same way round as the source and starts at a moved end of its first
// vertex.
OffsetResult offsetOutline(const Outline& source, double offset);

}  // namespace zek
