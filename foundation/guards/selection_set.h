// SelectionSet: a selection set from acedSSGet, freed with acedSSFree when it
// goes out of scope.
#pragma once

#include <vector>

#include "aced_select.h"
#include "db_core.h"

namespace zek::inline foundation {

// One selection set a command made. Freed on every way out of the scope,
// Esc included; selecting again frees the set held before.
class SelectionSet {
public:
  SelectionSet() = default;
  ~SelectionSet() { free(); }
  SelectionSet(const SelectionSet&) = delete;
  SelectionSet& operator=(const SelectionSet&) = delete;

  // acedSSGet with a mode ("C", "X", ":S", or null for "Select objects: ")
  // and a filter list (or null). Answers acedSSGet's code: RTNORM with a set
  // held, RTERROR when nothing was selected, RTCAN on Esc.
  [[nodiscard]] int select(const char* mode, const resbuf* filter = nullptr);
  // The same with the one or two points the mode takes (UCS).
  [[nodiscard]] int select(const char* mode, const ads_point pt1, const ads_point pt2,
                           const resbuf* filter);

  // Whether a set is held.
  bool isHeld() const { return held_; }
  const ads_name& name() const { return name_; }
  // How many entities the set holds (0 when none is held).
  ads_int32 length() const;
  // The object ids of the set's entities, in selection order; entity names
  // that name no object are left out.
  std::vector<AcDbObjectId> objectIds() const;

  // Frees the set now (nothing when none is held).
  void free();
  // Gives the set up without freeing it (handed to AutoLISP with
  // acedRetName(..., RTPICKS), which makes it the caller's).
  void release() { held_ = false; }

private:
  ads_name name_{0, 0};
  bool held_ = false;
};

}  // namespace zek::inline foundation
