// What zekalign remembers while it is loaded, shared by its four functions.
#pragma once

#include "align_box.h"

namespace zek {

struct AlignState {
  // The last fixed group's box; for ZEKALIGN1 the station.
  AlignBox rememberedBox = kInitialRememberedBox;
  // Groups are chosen by two corners (a crossing window) while this is on.
  bool windowMode = false;
};

// The module's one state.
AlignState& alignState();

}  // namespace zek
