// What zekislands keeps while it is loaded: the filter read at load, the
// closed flag and the selection set the last ZEKISLANDS1 handed out.
#pragma once

#include <vector>

#include "ads.h"
#include "island_filter.h"

class AcApDocument;

namespace zek {

// The selection set ZEKISLANDS1 handed back, held so that the next call (or
// closing the islands) releases it. It belongs to the drawing it was made
// in, and only that drawing's set of that name is ever freed.
class HeldSelectionSet {
public:
  HeldSelectionSet() = default;
  HeldSelectionSet(const HeldSelectionSet&) = delete;
  HeldSelectionSet& operator=(const HeldSelectionSet&) = delete;

  void hold(const ads_name set);
  // Frees the set held, if any, when its drawing is the current one (a set
  // the caller freed already answers an error, which changes nothing).
  void release();
  bool isHeld() const { return held_; }

private:
  ads_name name_{0, 0};
  const AcApDocument* document_ = nullptr;
  bool held_ = false;
};

struct IslandsState {
  // The selection filter of every search; empty: every visible object.
  std::vector<FilterPair> filter;
  // Islands closed: the functions answer nil without searching.
  bool closed = false;
  HeldSelectionSet heldSet;
};

// The module's one state, from load to unload.
IslandsState& islandsState();

}  // namespace zek
