// ZEKDAF: pick an ordinate dimension and a circle or arc; the dimension then
// measures the centre (its text stays where it is).
#include <optional>

#include "aced_output.h"
#include "db_curves.h"
#include "editing/editing.h"
#include "editing/ordinate_edit_support.h"
#include "guards/opened_entity.h"

namespace zek::adxy1 {
namespace {

// The centre of a circle or an arc; nothing for other entities or one that
// does not open.
std::optional<AcGePoint3d> centreOf(AcDbObjectId id) {
  OpenedEntity entity(id, AcDb::kForRead);
  if (auto* circle = entity.as<AcDbCircle>())
    return circle->center();
  if (auto* arc = entity.as<AcDbArc>())
    return arc->center();
  return std::nullopt;
}

bool isOrdinateDimension(AcDbObjectId id) {
  OpenedEntity entity(id, AcDb::kForRead);
  return entity.as<AcDbOrdinateDimension>() != nullptr;
}

}  // namespace

void attachDimensionToCentre() {
  const PickedEntity dimensionPick = pickEntity();
  if (!dimensionPick.ok())
    return;
  PickHighlight highlight(dimensionPick.name);
  const PickedEntity featurePick = pickEntity();
  if (!featurePick.ok())
    return;

  if (!isOrdinateDimension(dimensionPick.id)) {
    acutPrintf("\nMust be an ordinate dimension");
    return;
  }
  const std::optional<AcGePoint3d> centre = centreOf(featurePick.id);
  if (!centre) {
    acutPrintf("\nMust be a circle");
    return;
  }
  OpenedEntity entity(dimensionPick.id, AcDb::kForRead);
  if (!writable(entity))
    return;
  if (auto* dimension = entity.as<AcDbOrdinateDimension>())
    (void)dimension->setDefiningPoint(*centre);
}  // the dimension closes, then the highlight goes

}  // namespace zek::adxy1
