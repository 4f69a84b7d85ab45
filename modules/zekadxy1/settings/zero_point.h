// The zero point of a placement run and the routines that ask the drafter
// for one.
#pragma once

#include "settings/ordinate_settings.h"

namespace zek::adxy1 {

// The zero point of modes 1..9 from the bounds (mode 0 and 10: basePoint).
AcGePoint2d zeroPointOfMode(int mode, const PlateBounds& bounds, const AcGePoint2d& basePoint);

// Mode 10 without the prompt: the one of the eight candidates of modes 1..8,
// in mode order, nearest the picked point (world); the earlier wins a tie.
AcGePoint2d nearestZeroCandidate(const PlateBounds& bounds, const AcGePoint3d& picked);

// Mode 10: OSMODE 0, "\nBase point:"; a point gives the nearest candidate,
// any other answer the stored basePoint. OSMODE is restored on every path.
AcGePoint2d askNearestZeroPoint(const PlateBounds& bounds);

// The set-base-point routine (button "设置零点", and a placement run whose
// selection the drafter skipped): OSMODE 35, the old point printed, a point
// asked for; a point is stored in basePoint (zeroMode becomes 0) and true
// answered; otherwise "\nNothing been changed" and false. OSMODE restored.
bool setBasePointInteractively();

}  // namespace zek::adxy1
