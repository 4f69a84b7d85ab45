// Reading the island window ZEKISLANDS answers.
#include "view/island_window.h"

#include "aced_lisp.h"
#include "guards/resbuf_list.h"

namespace zek::inline foundation {

namespace {

bool isPoint(const resbuf* rb) {
  return rb != nullptr && (rb->restype == RT3DPOINT || rb->restype == RTPOINT);
}

}  // namespace

std::optional<IslandWindow> pickIsland() {
  ResbufList call(acutBuildList(RTSTR, "ZEKISLANDS", RTNONE));
  if (!call)
    return std::nullopt;
  ResbufList answer;
  if (acedInvoke(call.get(), answer.out()) != RTNORM)
    return std::nullopt;
  const resbuf* item = answer.get();
  while (item != nullptr && item->restype == RTLB)
    item = item->rbnext;
  if (!isPoint(item) || !isPoint(item->rbnext))
    return std::nullopt;
  const resbuf* second = item->rbnext;
  IslandWindow window{};
  for (int i = 0; i < 3; ++i) {
    window.low[i] = item->resval.rpoint[i];
    window.high[i] = second->resval.rpoint[i];
  }
  return window;
}

}  // namespace zek::inline foundation
