// selectOrAllVisible: the skip-to-select protocol over acedGetPoint,
// acedGetCorner and acedSSGet.
#include "view/select_visible.h"

#include "aced_input.h"
#include "view/osnap_guard.h"
#include "view/visible_window.h"

namespace zek::inline foundation {

int selectAllVisible(SelectionSet& set, const resbuf* filter) {
  const std::optional<ViewWindow> window = visibleWindow();
  if (!window) {
    set.free();
    return RTERROR;
  }
  return set.select("C", asDblArray(window->lowerLeft), asDblArray(window->upperRight), filter);
}

int selectOrAllVisible(SelectionSet& set, const char* firstPrompt, const char* cornerPrompt,
                       const resbuf* filter) {
  // Window corners are where the drafter points, never a snapped point.
  OsnapGuard noSnap;
  ads_point first{0.0, 0.0, 0.0};
  if (acedGetPoint(nullptr, firstPrompt, first) != RTNORM)
    return selectAllVisible(set, filter);  // Enter or Esc: everything in view

  ads_point corner{0.0, 0.0, 0.0};
  if (acedGetCorner(first, cornerPrompt, corner) == RTNORM)
    return set.select("C", first, corner, filter);
  // No corner: the drafter selects as at any "Select objects: " prompt.
  return set.select(nullptr, filter);
}

}  // namespace zek::inline foundation
