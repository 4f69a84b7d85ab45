// The pick box's extents, corners and sampling rule.
#include "pick_box.h"

namespace zek {

PickBoxExtents pickBoxExtents(double width, double height, bool centred) {
  if (centred)
    return {width / 2.0, height / 2.0};
  return {width, height};
}

std::array<AcGePoint2d, 4> pickBoxCorners(const AcGePoint3d& cursor,
                                          const PickBoxExtents& extents, bool centred) {
  const double x = cursor.x;
  const double y = cursor.y;
  const double a = extents.x;
  const double b = extents.y;
  if (centred)
    return {AcGePoint2d(x - a, y - b), AcGePoint2d(x + a, y - b), AcGePoint2d(x + a, y + b),
            AcGePoint2d(x - a, y + b)};
  return {AcGePoint2d(x, y), AcGePoint2d(x + a, y), AcGePoint2d(x + a, y + b),
          AcGePoint2d(x, y + b)};
}

SampleOutcome judgeSample(const AcGePoint3d& acquired, AcEdJig::DragStatus acquireStatus,
                          const AcGePoint3d& lastAccepted) {
  if (acquired.distanceTo(lastAccepted) > kMinCursorMove)
    return {true, acquireStatus};
  return {false, acquireStatus == AcEdJig::kNormal ? AcEdJig::kNoChange : acquireStatus};
}

}  // namespace zek
