// zekislands.arx: no commands; four AutoLISP functions defined in every
// drawing, ZEKISLANDS (1), ZEKISLANDSSET (2), ZEKISLANDS1 (3) and
// ZEKISLANDS2 (4). The selection filter is read from zekislands.dat when the
// module loads.
#include "frame/module_frame.h"
#include "islands_state.h"
#include "zekislands.h"

namespace {

constexpr zek::LispFunctionRow kFunctions[] = {
    {"ZEKISLANDS", zek::pickIslandRectangle},
    {"ZEKISLANDSSET", zek::toggleIslands},
    {"ZEKISLANDS1", zek::pickIslandMembers},
    {"ZEKISLANDS2", zek::pickIslandRectangle},
};

constexpr zek::ModuleTable kModule{.functions = kFunctions};

// Reads the filter once the frame has initialised the module; the printed
// messages say what went wrong with the file, and the module then works
// without a filter.
AcRx::AppRetCode loadFilter() noexcept {
  try {
    zek::IslandsState& state = zek::islandsState();
    state.closed = false;  // every load starts with the islands open
    state.filter = zek::loadIslandFilter();
    return AcRx::kRetOK;
  } catch (...) {
    return AcRx::kRetError;  // out of memory: the host unloads the module
  }
}

}  // namespace

extern "C" ZEK_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appId) {
  const AcRx::AppRetCode answer = zek::handleEntryMessage(kModule, message, appId);
  if (message == AcRx::kInitAppMsg && answer == AcRx::kRetOK)
    return loadFilter();
  if (message == AcRx::kUnloadAppMsg)
    zek::islandsState().heldSet.release();
  return answer;
}
