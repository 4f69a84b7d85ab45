// PickBoxJig: sampling the cursor and bringing the box up to date.
#include "pick_box_jig.h"

namespace zek {

PickBoxJig::PickBoxJig(double width, double height, bool centred)
    : centred_(centred), extents_(pickBoxExtents(width, height, centred)) {
  for (unsigned int i = 0; i < 4; ++i) {
    // A new polyline takes vertices at any index up to its count: cannot fail.
    (void)box_.addVertexAt(i, AcGePoint2d(0.0, 0.0));
  }
  box_.setClosed(true);
}

AcEdJig::DragStatus PickBoxJig::sampler() {
  setUserInputControls(kNoDwgLimitsChecking);
  setSpecialCursorType(kCrosshair);
  // Starts at the last accepted point, so a failed acquisition that leaves
  // it untouched is never taken for a move.
  AcGePoint3d acquired = cursor_;
  const DragStatus status = acquirePoint(acquired);
  const SampleOutcome outcome = judgeSample(acquired, status, cursor_);
  if (outcome.accepted)
    cursor_ = acquired;
  return outcome.status;
}

Adesk::Boolean PickBoxJig::update() {
  const std::array<AcGePoint2d, 4> corners = pickBoxCorners(cursor_, extents_, centred_);
  for (unsigned int i = 0; i < corners.size(); ++i) {
    if (box_.setPointAt(i, corners[i]) != Acad::eOk)
      return Adesk::kFalse;
  }
  return Adesk::kTrue;
}

AcDbEntity* PickBoxJig::entity() const { return &box_; }

}  // namespace zek
