// ZEKDAV: pick an ordinate dimension and a new point; the dimension then
// measures that point and its text follows across the leader.
#include "aced_input.h"
#include "aced_output.h"
#include "editing/editing.h"
#include "editing/ordinate_edit_support.h"
#include "guards/opened_entity.h"

namespace zek::adxy1 {

void moveDimensionFeature() {
  const PickedEntity picked = pickEntity();
  if (!picked.ok())
    return;
  PickHighlight highlight(picked.name);
  ads_point answer{0.0, 0.0, 0.0};
  if (acedGetPoint(nullptr, "\nnew point", answer) != RTNORM)
    return;

  OpenedEntity entity(picked.id, AcDb::kForRead);
  if (!writable(entity))
    return;
  auto* dimension = entity.as<AcDbOrdinateDimension>();
  if (dimension == nullptr) {
    acutPrintf("\nMust be an ordinate dimension");
    return;
  }
  AcGePoint3d feature = ucsToWorld(answer);
  feature.z = 0.0;
  const OrdinatePoints before = ordinatePointsOf(*dimension);
  (void)dimension->setDefiningPoint(feature);
  (void)dimension->setTextPosition(textFollowingFeature(before, feature));
}  // the dimension closes, then the highlight goes

}  // namespace zek::adxy1
