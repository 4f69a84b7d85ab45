// selectOrAllVisible: a crossing window the drafter drags, or with Enter
// everything the view shows.
#pragma once

#include "ads.h"
#include "guards/selection_set.h"

namespace zek::inline foundation {

// Asks for a first point with firstPrompt ("\nSkip to select all visible:")
// while object snaps are off, then:
// - a point and an opposite corner (cornerPrompt, "\nSkip to select some:"):
//   a crossing window between them;
// - a point and then Enter (or Esc) at the corner: the host's ordinary
//   "Select objects: " selection;
// - Enter or Esc at the first prompt: a crossing window over the visible
//   window.
// The filter (or null) applies in all three. OSMODE is back on every way
// out. Answers the selection's code (RTNORM with a set held in `set`,
// RTERROR when nothing was found, RTCAN on Esc during the ordinary
// selection); RTERROR without asking for a selection when the visible window
// cannot be worked out.
[[nodiscard]] int selectOrAllVisible(SelectionSet& set, const char* firstPrompt,
                                     const char* cornerPrompt, const resbuf* filter);

// The crossing window over the visible window with the filter: the third
// case above on its own, for commands that never ask.
[[nodiscard]] int selectAllVisible(SelectionSet& set, const resbuf* filter);

}  // namespace zek::inline foundation
