// zekcommand.arx: the command group ZEKCOMMAND with ZEKCMD (the pick list,
// with the module's dialog resources) and ZEKCMD1 (the last macro again).
// The macros are read from zekcommand.dat at every load.
#include "command_list_resource.h"
#include "frame/module_frame.h"
#include "macro_state.h"
#include "zekcommand.h"

namespace {

constexpr zek::CommandRow kCommands[] = {
    zek::command<zek::pickAndRunMacro>("ZEKCMD").withModuleResources(),
    zek::command<zek::repeatLastMacro>("ZEKCMD1"),
};

constexpr zek::ModuleTable kModule{
    .group = "ZEKCOMMAND", .commands = kCommands, .ownResourcesWhileRegistering = true};

}  // namespace

ZEK_MODULE_RESOURCES(zek::kCommandDialogs)

extern "C" ZEK_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appId) {
  const AcRx::AppRetCode answer = zek::handleEntryMessage(kModule, message, appId);
  try {
    if (message == AcRx::kInitAppMsg && answer == AcRx::kRetOK)
      zek::loadMacroState();
    if (message == AcRx::kUnloadAppMsg)
      zek::clearMacroState();
  } catch (...) {
    return AcRx::kRetError;  // out of memory: the host unloads the module
  }
  return answer;
}
