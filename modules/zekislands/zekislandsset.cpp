// ZEKISLANDSSET: the switch that closes and opens the islands.
#include "zekislands.h"

#include "aced_lisp.h"
#include "aced_output.h"
#include "islands_state.h"

namespace zek {

int toggleIslands(const resbuf* /*args*/) {
  IslandsState& state = islandsState();
  state.closed = !state.closed;
  if (state.closed) {
    acutPrintf("\nislands closed");
    state.heldSet.release();
  } else {
    acutPrintf("\nislands opened");
  }
  return acedRetVoid() == RTNORM ? RTNORM : RTERROR;
}

}  // namespace zek
