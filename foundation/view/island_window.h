// pickIsland: the island the drafter points at, through ZEKISLANDS called
// with the host's function-invocation service.
#pragma once

#include <optional>

#include "ads.h"

namespace zek::inline foundation {

// The lower-left and upper-right corners of an island's drawing region (UCS).
struct IslandWindow {
  ads_point low;
  ads_point high;
};

// Calls (ZEKISLANDS) and reads the first two points of its answer list; none
// when the function is not loaded, fails, or answers anything else. The
// answer list is freed on every path.
[[nodiscard]] std::optional<IslandWindow> pickIsland();

}  // namespace zek::inline foundation
