// What the loader holds of one loaded module, and the scope in which the
// module's own code runs (its entry point, commands, AutoLISP functions).
#pragma once

#include <string>
#include <vector>

#include "rx_entry.h"
#include "ui_resources.h"

namespace zek {

using EntryPoint = AcRx::AppRetCode (*)(AcRx::AppMsgCode, void*);

struct ModuleCommand {
  std::string group;
  std::string globalName;
};

struct LoadedModule {
  std::string path;      // as opened
  std::string fileName;  // "zekgetpoint.arx"
  void* library = nullptr;
  EntryPoint entryPoint = nullptr;
  // Its address is the module's resource instance.
  HINSTANCE__ instance{};
  bool hasResources = false;
  bool locked = true;  // until the module unlocks itself
  bool mdiAware = false;
  int running = 0;  // how deep its code is on the stack now
  // Commands added while its code ran: taken away when it unloads, also
  // when the module forgets to remove its group.
  std::vector<ModuleCommand> commands;

  HINSTANCE resourceInstance() { return &instance; }
};

// The module of an application id (the pointer its entry point was given),
// or null when no loaded module has it.
LoadedModule* moduleOfAppId(const void* appId);

// While alive, the module's code runs: acedGetAppName answers its path,
// addCommand files commands under it, and it cannot be unloaded.
class ModuleScope {
public:
  explicit ModuleScope(LoadedModule* module);
  ~ModuleScope();
  ModuleScope(const ModuleScope&) = delete;
  ModuleScope& operator=(const ModuleScope&) = delete;

private:
  LoadedModule* module_;
};

// Sends the module one message in its scope; a C++ exception out of the
// entry point counts as a failure.
AcRx::AppRetCode sendModuleMessage(LoadedModule& module, AcRx::AppMsgCode message);

}  // namespace zek
