// The entry point's messages: registration, removal, AutoLISP definition and
// dispatch, all from the module's table.
#include "frame/module_frame.h"

#include <optional>

#include "aced_arx.h"
#include "aced_lisp.h"
#include "guards/resbuf_list.h"
#include "ui_resources.h"

namespace zek::inline foundation {

namespace {

void registerCommands(const ModuleTable& module) {
  std::optional<CAcModuleResourceOverride> ownResources;
  if (module.ownResourcesWhileRegistering)
    ownResources.emplace(_hdllInstance);
  for (const CommandRow& command : module.commands) {
    // A refused command (its name taken by another application) is skipped;
    // the module stays loaded with the commands that registered.
    (void)acedRegCmds->addCommand(module.group, command.globalName, command.localName,
                                  command.flags, command.function, nullptr, -1,
                                  command.passesResources ? _hdllInstance : nullptr, nullptr);
  }
}

void initialise(const ModuleTable& module, void* appId) {
  acrxDynamicLinker->unlockApplication(appId);
  acrxDynamicLinker->registerAppMDIAware(appId);
  if (!module.commands.empty())
    registerCommands(module);
}

void unload(const ModuleTable& module) {
  if (module.commands.empty())
    return;
  // eKeyNotFound (every command refused at registration) leaves nothing to do.
  (void)acedRegCmds->removeGroup(module.group);
}

// AutoLISP functions belong to one drawing: this runs for every drawing.
void defineFunctions(const ModuleTable& module) {
  int code = 1;
  for (const LispFunctionRow& function : module.functions) {
    if (acedDefun(function.name, code) != RTNORM)
      return;  // the rest stay undefined in this drawing; nothing is printed
    ++code;
  }
}

}  // namespace

int dispatchLispCall(const ModuleTable& module) noexcept {
  const int code = acedGetFunCode();
  if (code < 1 || static_cast<std::size_t>(code) > module.functions.size()) {
    acdbFail("Received nonexistent function code.");
    return RTERROR;
  }
  const LispFunctionRow& function = module.functions[static_cast<std::size_t>(code) - 1];
  ResbufList args(acedGetArgs());
  return callLispFunctionGuarded(function.function, args.get());
}

AcRx::AppRetCode handleEntryMessage(const ModuleTable& module, AcRx::AppMsgCode message,
                                    void* appId) noexcept {
  try {
    switch (message) {
      case AcRx::kInitAppMsg:
        initialise(module, appId);
        break;
      case AcRx::kUnloadAppMsg:
        unload(module);
        break;
      case AcRx::kLoadDwgMsg:
        defineFunctions(module);
        break;
      case AcRx::kInvkSubrMsg:
        return dispatchLispCall(module) == RTNORM ? AcRx::kRetOK : AcRx::kRetError;
      default:
        break;
    }
  } catch (...) {
    // Host calls answer codes; nothing here throws but allocation, and that
    // must not cross into the host either. The message's work stops half
    // done: say so, and the host unloads a module that failed to initialise.
    return AcRx::kRetError;
  }
  return AcRx::kRetOK;
}

}  // namespace zek::inline foundation
