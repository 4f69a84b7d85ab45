// ZEKISLANDS and ZEKISLANDS2: the rectangle of the island the drafter points
// at.
#include "zekislands.h"

#include "aced_input.h"
#include "aced_lisp.h"
#include "aced_output.h"
#include "island_finder.h"
#include "islands_state.h"
#include "view/osnap_guard.h"

namespace zek {

namespace {

// ((minX minY 0.0) (maxX maxY 0.0)): the island's corners in the UCS.
int returnRectangle(const Island& island) {
  resbuf upperRight{};
  upperRight.restype = RT3DPOINT;
  upperRight.resval.rpoint[0] = island.maxX;
  upperRight.resval.rpoint[1] = island.maxY;
  resbuf lowerLeft{};
  lowerLeft.restype = RT3DPOINT;
  lowerLeft.resval.rpoint[0] = island.minX;
  lowerLeft.resval.rpoint[1] = island.minY;
  lowerLeft.rbnext = &upperRight;
  return acedRetList(&lowerLeft) == RTNORM ? RTNORM : RTERROR;
}

}  // namespace

int returnNil() { return acedRetNil() == RTNORM ? RTNORM : RTERROR; }

int pickIslandRectangle(const resbuf* /*args*/) {
  if (islandsState().closed)
    return returnNil();
  const std::optional<FoundIslands> found = findVisibleIslands(false);
  if (!found)
    return RTNORM;  // nothing in view to make islands of: no value

  // The island is where the drafter points, never where a snap would take it.
  OsnapGuard noSnap;
  ads_point picked{0.0, 0.0, 0.0};
  if (acedGetPoint(nullptr, nullptr, picked) != RTNORM)
    return returnNil();  // Esc or Enter
  const Island* hit = islandAt(found->islands, picked[0], picked[1]);
  (void)acedRedraw(nullptr, 0);
  if (hit == nullptr) {
    acutPrintf("\npick nothing");
    return returnNil();
  }
  drawIslandRectangle(*hit, kPickedIslandColour);
  return returnRectangle(*hit);
}

}  // namespace zek
