// ZEKISLANDS1: the objects of the islands the drafter points at, as a
// selection set.
#include "zekislands.h"

#include "aced_input.h"
#include "aced_lisp.h"
#include "aced_output.h"
#include "aced_select.h"
#include "db_object.h"
#include "frame/lisp_args.h"
#include "island_finder.h"
#include "islands_state.h"
#include "view/osnap_guard.h"

namespace zek {

namespace {

constexpr short kDefaultPointCount = 100;

// The optional point count: a short; anything else (or nothing) is 100.
short pointCountOf(const resbuf* args) {
  const resbuf* count = argumentAt(args, 0);
  return count != nullptr && count->restype == RTSHORT ? count->resval.rint : kDefaultPointCount;
}

// A selection set made empty and filled with acedSSAdd; freed at the end of
// the scope unless handed to AutoLISP.
class PickedSet {
public:
  PickedSet() : made_(acedSSAdd(nullptr, nullptr, name_) == RTNORM) {}
  ~PickedSet() {
    if (made_)
      acedSSFree(name_);
  }
  PickedSet(const PickedSet&) = delete;
  PickedSet& operator=(const PickedSet&) = delete;

  bool made() const { return made_; }
  const ads_name& name() const { return name_; }
  // Adds every entity of the island (those already in the set stay once).
  void addMembers(const Island& island, const std::vector<AcDbObjectId>& entities) {
    for (const std::size_t member : island.members) {
      ads_name entity{0, 0};
      if (acdbGetAdsName(entity, entities[member]) != Acad::eOk)
        continue;
      (void)acedSSAdd(entity, name_, name_);  // a live entity of a live set: RTNORM
    }
  }
  // The set is AutoLISP's from now on: not freed here.
  void handOver() { made_ = false; }

private:
  ads_name name_{0, 0};
  bool made_ = false;
};

// Asks for up to `count` points (no prompt), stopping at the first Enter or
// Esc; each point inside an island outlines it in colour 10 and adds its
// objects. Answers whether any point hit an island.
bool pickIslands(const FoundIslands& found, short count, PickedSet& picked) {
  bool hitAny = false;
  for (short i = 0; i < count; ++i) {
    ads_point point{0.0, 0.0, 0.0};
    if (acedGetPoint(nullptr, nullptr, point) != RTNORM)
      break;
    const Island* hit = islandAt(found.islands, point[0], point[1]);
    if (hit == nullptr) {
      acutPrintf("\npick nothing");
      continue;
    }
    drawIslandRectangle(*hit, kPickedIslandColour);
    picked.addMembers(*hit, found.entities);
    hitAny = true;
  }
  return hitAny;
}

}  // namespace

int pickIslandMembers(const resbuf* args) {
  IslandsState& state = islandsState();
  if (state.closed)
    return returnNil();
  state.heldSet.release();
  const short count = pointCountOf(args);
  const std::optional<FoundIslands> found = findVisibleIslands(true);
  if (!found)
    return RTNORM;  // nothing in view to make islands of: no value

  OsnapGuard noSnap;
  PickedSet picked;
  if (!picked.made())
    return returnNil();
  if (count < 1)
    return returnNil();  // the islands stay outlined for the caller to see
  const bool hitAny = pickIslands(*found, count, picked);
  (void)acedRedraw(nullptr, 0);
  if (!hitAny)
    return returnNil();
  if (acedRetName(picked.name(), RTPICKS) != RTNORM)
    return RTERROR;
  picked.handOver();
  state.heldSet.hold(picked.name());
  return RTNORM;
}

}  // namespace zek
