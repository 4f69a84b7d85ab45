// The two lines of a centre-line cross, axis-parallel or turned about the
// centre. No host calls.
#pragma once

#include <array>

#include "centres.h"
#include "ge_point.h"

namespace zek {

// The turn of the ZEKCENLINE2 cross: π/4.
constexpr double kTurnedCrossAngle = 0.7853981633974483;
// Turns this small or smaller leave the cross axis-parallel.
constexpr double kLeastTurn = 0.001;

struct CentreLine {
  AcGePoint3d start;
  AcGePoint3d end;
};

// The cross of one record: first the line from (cx + r + e, cy) to
// (cx - r - e, cy), then the line from (cx, cy + r + e) to (cx, cy - r - e),
// all at z = 0; with a turn greater than kLeastTurn every end point is turned
// by it about the centre, around the Z axis.
std::array<CentreLine, 2> centreCross(const CentreRecord& record, double extension,
                                      double turnAngle);

}  // namespace zek
