// zektestlocked.arx, a test module (not shipped): the frame's entry point,
// after which the module locks itself again, so the host refuses to unload
// it. One AutoLISP function shows it is still there.
#include "aced_lisp.h"
#include "frame/module_frame.h"

namespace {

int stillHere(const resbuf*) { return acedRetStr("still here"); }

constexpr zek::LispFunctionRow kFunctions[] = {{"ZEKTLOCKED", stillHere}};
constexpr zek::ModuleTable kModule{.functions = kFunctions};

}  // namespace

extern "C" ZEK_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appId) {
  const AcRx::AppRetCode answer = zek::handleEntryMessage(kModule, message, appId);
  if (message == AcRx::kInitAppMsg)
    acrxDynamicLinker->lockApplication(appId);
  return answer;
}
