// ZEKXY8: the selected ordinate dimensions show their measured values again.
#include "editing/editing.h"
#include "editing/ordinate_edit_support.h"
#include "guards/opened_entity.h"
#include "guards/selection_set.h"

namespace zek::adxy1 {

void resetDimensionTexts() {
  SelectionSet selected;
  if (selectDimensions(selected, "\nNothing been selected") != RTNORM)
    return;
  for (AcDbObjectId id : selected.objectIds()) {
    OpenedEntity entity(id, AcDb::kForRead);
    if (!writable(entity))
      return;  // the dimensions before this one stay changed; the set is freed on the way out
    if (auto* dimension = entity.as<AcDbOrdinateDimension>())
      (void)dimension->setDimensionText("<>");
  }
}

}  // namespace zek::adxy1
