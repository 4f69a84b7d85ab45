// ZEKDA: pick an ordinate dimension, pick a point, and its text moves there
// along its leader, aligned with its feature; again until nothing is picked.
#include "aced_input.h"
#include "aced_output.h"
#include "editing/editing.h"
#include "editing/ordinate_edit_support.h"
#include "guards/opened_entity.h"
#include "view/osnap_guard.h"

namespace zek::adxy1 {
namespace {

// What one pick-and-point round ended with.
enum class Round { NextPick, End };

// One round on a picked entity: the point, then the move. The point answer
// Enter reuses the point of the round before (lastPoint, world); without one
// it ends the command like Esc.
Round moveOnePickedText(const PickedEntity& picked, AcGePoint3d& lastPoint, bool& havePoint) {
  PickHighlight highlight(picked.name);
  ads_point answer{0.0, 0.0, 0.0};
  const int got = acedGetPoint(nullptr, nullptr, answer);
  if (got == RTNORM) {
    lastPoint = ucsToWorld(answer);
    havePoint = true;
  } else if (got != RTNONE || !havePoint) {
    return Round::End;  // Esc, a failed prompt, or Enter with no point to reuse
  }

  OpenedEntity entity(picked.id, AcDb::kForRead);
  if (!writable(entity))
    return Round::NextPick;
  auto* dimension = entity.as<AcDbOrdinateDimension>();
  if (dimension == nullptr) {
    acutPrintf("\nEntity selected is not an ordinate dimension");
    return Round::End;
  }
  const double offset = textAboveOffset(textVarsOf(*dimension));
  // Open for write, the text position is always taken.
  (void)moveTextTo(*dimension, lastPoint, offset, AcrossLeader::AlignWithFeature);
  return Round::NextPick;
}  // the entity closes, then the highlight goes: the host shows the moved text

}  // namespace

void moveDimensionTexts() {
  OsnapGuard noSnap(0);  // the picked point is where the text goes, not a snap near it
  AcGePoint3d lastPoint;
  bool havePoint = false;
  for (;;) {
    const PickedEntity picked = pickEntity();
    if (!picked.ok())
      return;  // nothing picked (Enter, a miss) or Esc
    if (moveOnePickedText(picked, lastPoint, havePoint) == Round::End)
      return;
  }
}

}  // namespace zek::adxy1
