// zekregister.arx: group ZEKREGISTER with ZEKARXREG, which the module also
// runs as soon as it is loaded, so that loading it once records the suite's
// modules in the application registry.
#include "frame/module_frame.h"
#include "zekregister.h"

namespace {

constexpr zek::CommandRow kCommands[] = {
    zek::command<zek::registerSuiteModules>("ZEKARXREG"),
};

constexpr zek::ModuleTable kModule{.group = "ZEKREGISTER", .commands = kCommands};

// The registration at load runs outside a command, so nothing catches for
// it but this.
AcRx::AppRetCode registerAtLoad() noexcept {
  try {
    zek::resetSuiteRegistration();
    zek::registerSuiteModules();
    return AcRx::kRetOK;
  } catch (...) {
    return AcRx::kRetError;  // out of memory: the host unloads the module
  }
}

}  // namespace

extern "C" ZEK_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appId) {
  const AcRx::AppRetCode answer = zek::handleEntryMessage(kModule, message, appId);
  if (message == AcRx::kInitAppMsg && answer == AcRx::kRetOK)
    return registerAtLoad();
  return answer;
}
