// ZEKBDY: the plate boundary rectangle round a selection.
#include <algorithm>
#include <optional>

#include "aced_output.h"
#include "boundary_rectangle.h"
#include "boundary_texts.h"
#include "db_extents.h"
#include "guards/opened_entity.h"
#include "guards/selection_set.h"
#include "outline_writer.h"
#include "zekboundary.h"

namespace zek {

namespace {

// The union of the world extents of the selected entities that open and
// have extents; nothing when none does.
std::optional<Box> selectionExtents(const SelectionSet& picked) {
  std::optional<Box> box;
  for (const AcDbObjectId id : picked.objectIds()) {
    OpenedEntity entity(id, AcDb::kForRead);
    if (entity.status() != Acad::eOk)
      continue;
    AcDbExtents extents;
    if (entity->getGeomExtents(extents) != Acad::eOk)
      continue;
    const AcGePoint3d low = extents.minPoint();
    const AcGePoint3d high = extents.maxPoint();
    if (!box) {
      box = Box{low.x, low.y, high.x, high.y};
      continue;
    }
    box->minX = std::min(box->minX, low.x);
    box->minY = std::min(box->minY, low.y);
    box->maxX = std::max(box->maxX, high.x);
    box->maxY = std::max(box->maxY, high.y);
  }
  return box;
}

}  // namespace

void drawPlateBoundary() {
  const BoundarySettings settings = boundarySettings();
  acutPrintf("%s", settingsLine(settings).c_str());
  SelectionSet picked;
  if (picked.select(nullptr) != RTNORM)
    return;  // nothing selected, or Esc
  const std::optional<Box> box = selectionExtents(picked);
  if (!box)
    return;  // nothing selected has extents to go round
  const std::optional<Outline> outline = plateBoundary(*box, settings);
  if (!outline) {
    acutPrintf("\nRadius or Chamfer is too big");
    return;
  }
  if (appendOutline(*outline, OutlinePlacement{}) != Acad::eOk)
    acutPrintf("\nThe boundary could not be added to the drawing");
}

}  // namespace zek
