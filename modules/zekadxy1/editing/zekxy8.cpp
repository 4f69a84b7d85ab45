// ZEKXY8: the selected ordinate dimensions show their measured values again.
#include "aced_output.h"
#include "editing/editing.h"
#include "editing/ordinate_edit_support.h"
#include "guards/opened_entity.h"
#include "guards/selection_set.h"

namespace zek::adxy1 {

void resetDimensionTexts() {
  ResbufList filter = dimensionFilter();
  SelectionSet selected;
  const int chosen = selected.select(nullptr, filter.get());
  if (chosen != RTNORM) {
    if (chosen != RTCAN)
      acutPrintf("\nNothing been selected");
    return;
  }
  for (AcDbObjectId id : selected.objectIds()) {
    OpenedEntity entity(id, AcDb::kForRead);
    if (!writable(entity))
      return;  // the dimensions before this one stay changed; the set is freed on the way out
    if (auto* dimension = entity.as<AcDbOrdinateDimension>())
      (void)dimension->setDimensionText("<>");
  }
}

}  // namespace zek::adxy1
