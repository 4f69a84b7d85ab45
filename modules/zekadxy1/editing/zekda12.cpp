// ZEKDA1 and ZEKDA2: select ordinate dimensions, pick one point, and every
// text moves there along its leader; ZEKDA1 aligns each text with its
// feature, ZEKDA2 keeps each text where it was across its leader.
#include <optional>

#include "aced_input.h"
#include "aced_output.h"
#include "editing/editing.h"
#include "editing/ordinate_edit_support.h"
#include "guards/opened_entity.h"
#include "guards/selection_set.h"

namespace zek::adxy1 {
namespace {

void moveSelectedTexts(AcrossLeader across) {
  SelectionSet selected;
  if (selectDimensions(selected, "\nNothing selected") != RTNORM)
    return;
  ads_point answer{0.0, 0.0, 0.0};
  if (acedGetPoint(nullptr, "\nPick point:", answer) != RTNORM)
    return;
  const AcGePoint3d target = ucsToWorld(answer);

  // The first ordinate dimension moved gives the text-above offset of all;
  // the side of each text is its own.
  std::optional<double> offset;
  for (AcDbObjectId id : selected.objectIds()) {
    OpenedEntity entity(id, AcDb::kForRead);
    if (!writable(entity))
      continue;
    auto* dimension = entity.as<AcDbOrdinateDimension>();
    if (dimension == nullptr)
      continue;  // another kind of dimension
    if (!offset)
      offset = textAboveOffset(textVarsOf(*dimension));
    (void)moveTextTo(*dimension, target, *offset, across);
  }  // each dimension closes before the next one opens
}

}  // namespace

void moveTextsToPoint() {
  moveSelectedTexts(AcrossLeader::AlignWithFeature);
}

void moveTextsKeepingAcross() {
  moveSelectedTexts(AcrossLeader::Keep);
}

}  // namespace zek::adxy1
