// Finding the islands in view: selection, extents, sweep, UCS shift and the
// rectangles on the screen.
#include "island_finder.h"

#include <cmath>

#include "aced_output.h"
#include "aced_vars.h"
#include "db_extents.h"
#include "guards/opened_entity.h"
#include "guards/resbuf_list.h"
#include "guards/selection_set.h"
#include "islands_state.h"
#include "view/select_visible.h"

namespace zek {

namespace {

// The widened world extents of each entity that opens and has extents, and
// the entities they belong to.
void collectBoxes(const std::vector<AcDbObjectId>& ids, std::vector<Box>& boxes,
                  std::vector<AcDbObjectId>& entities) {
  boxes.reserve(ids.size());
  entities.reserve(ids.size());
  for (const AcDbObjectId& id : ids) {
    OpenedEntity entity(id, AcDb::kForRead);
    if (entity.status() != Acad::eOk)
      continue;  // left out of the islands
    AcDbExtents extents;
    if (entity->getGeomExtents(extents) != Acad::eOk)
      continue;  // nothing drawn to measure
    const AcGePoint3d& low = extents.minPoint();
    const AcGePoint3d& high = extents.maxPoint();
    if (!std::isfinite(low.x) || !std::isfinite(low.y) || !std::isfinite(high.x) || !std::isfinite(high.y))
      continue;  // a damaged entity: no place on the sheet to sort it by
    boxes.push_back(widenedBox(low.x, low.y, high.x, high.y));
    entities.push_back(id);
  }
}

// Islands are found in world coordinates and handed out in the UCS by
// adding the UCS image of the world origin: a move of the UCS is followed,
// a turn is not.
void shiftIntoUcs(std::vector<Island>& islands) {
  resbuf world{};
  world.restype = RTSHORT;
  world.resval.rint = 0;
  resbuf ucs{};
  ucs.restype = RTSHORT;
  ucs.resval.rint = 1;
  const ads_point origin{0.0, 0.0, 0.0};
  ads_point shift{0.0, 0.0, 0.0};
  if (acedTrans(origin, &world, &ucs, 0, shift) != RTNORM)
    return;  // no UCS to go by: the world is the UCS
  for (Island& island : islands) {
    island.minX += shift[0];
    island.maxX += shift[0];
    island.minY += shift[1];
    island.maxY += shift[1];
  }
}

}  // namespace

void drawIslandRectangle(const Island& island, int colour) {
  const ads_point corners[4] = {{island.minX, island.minY, 0.0},
                                {island.maxX, island.minY, 0.0},
                                {island.maxX, island.maxY, 0.0},
                                {island.minX, island.maxY, 0.0}};
  for (int side = 0; side < 4; ++side)
    (void)acedGrDraw(corners[side], corners[(side + 1) % 4], colour, 1);  // always RTNORM
}

std::optional<FoundIslands> findVisibleIslands(bool keepMembers) {
  (void)acedRedraw(nullptr, 0);  // the whole view: RTNORM
  ResbufList filter = filterListOf(islandsState().filter);
  FoundIslands found;
  std::vector<Box> boxes;
  {
    SelectionSet visible;
    if (selectAllVisible(visible, filter.get()) != RTNORM)
      return std::nullopt;
    collectBoxes(visible.objectIds(), boxes, found.entities);
  }  // the search's own set is freed here
  found.islands = sweepIslands(boxes, keepMembers);
  shiftIntoUcs(found.islands);
  for (const Island& island : found.islands)
    drawIslandRectangle(island, kIslandColour);
  return found;
}

}  // namespace zek
