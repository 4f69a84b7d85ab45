// The module's state and the held selection set.
#include "islands_state.h"

#include "aced_document.h"
#include "aced_select.h"

namespace zek {

void HeldSelectionSet::hold(const ads_name set) {
  release();
  name_[0] = set[0];
  name_[1] = set[1];
  document_ = curDoc();
  held_ = true;
}

void HeldSelectionSet::release() {
  if (!held_)
    return;
  held_ = false;
  // Set numbers count per drawing: another drawing's set of the same number
  // is not ours to free.
  if (document_ != nullptr && curDoc() == document_)
    acedSSFree(name_);
  document_ = nullptr;
}

IslandsState& islandsState() {
  static IslandsState state;
  return state;
}

}  // namespace zek
