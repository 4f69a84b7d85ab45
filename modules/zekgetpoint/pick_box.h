// The pick box's decisions, free of host calls: the box's extents from the
// requested size, its four corners around the cursor, and whether a cursor
// sample moved far enough to redraw it.
#pragma once

#include <array>

#include "aced_jig.h"
#include "ge_point.h"

namespace zek {

// Cursor moves of this many drawing units or less do not redraw the box.
inline constexpr double kMinCursorMove = 0.01;

// How far the box reaches from the cursor in x and y.
struct PickBoxExtents {
  double x = 20.0;
  double y = 10.0;
};

// The extents of a box of that width and height: the whole size when the
// cursor holds the lower-left corner, half of it when it holds the centre.
PickBoxExtents pickBoxExtents(double width, double height, bool centred);

// The four corners, in drawing order, of the box around a cursor point:
// lower left at the cursor, or centred on it; counter-clockwise from the
// lower left for positive extents.
std::array<AcGePoint2d, 4> pickBoxCorners(const AcGePoint3d& cursor,
                                          const PickBoxExtents& extents, bool centred);

// What one cursor sample does to the drag.
struct SampleOutcome {
  bool accepted = false;  // the sample becomes the last accepted point
  AcEdJig::DragStatus status = AcEdJig::kNoChange;
};

// A sample more than kMinCursorMove from the last accepted point is accepted
// and reports the acquisition's status; a nearer one reports kNoChange, or
// the acquisition's status when that failed.
SampleOutcome judgeSample(const AcGePoint3d& acquired, AcEdJig::DragStatus acquireStatus,
                          const AcGePoint3d& lastAccepted);

}  // namespace zek
