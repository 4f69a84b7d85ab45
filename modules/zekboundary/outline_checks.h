// Checks an outline must pass before it is offset, and after: no segment of
// no length, no crossing or touching of itself. Plain numbers, no host calls.
#pragma once

#include "outline.h"

namespace zek {

// The outline without vertices that lie on the next one (within
// kLengthTolerance): the segment of no length between them goes, the bulge
// of the segment that goes on stays.
Outline withoutRepeatedVertices(const Outline& outline);

// Whether any two segments meet anywhere but at the vertex they share, or
// run over one another; also a turn straight back at a vertex.
bool crossesItself(const Outline& outline);

}  // namespace zek
