// The command stack of the plug-in interface over the host's command table:
// a module's command runs in the module's scope, with the module's dialogs
// current when it was registered with its resource instance.
#include "aced_commands.h"

#include <cstring>

#include "aced_output.h"
#include "editor/core/command_table.h"
#include "loader/loaded_module.h"
#include "loader/module_loader.h"

namespace zek {

namespace {

// Makes a resource instance current while a command runs (none: leaves the
// current one alone).
class ResourceScope {
public:
  explicit ResourceScope(HINSTANCE instance) : active_(instance != nullptr) {
    if (!active_)
      return;
    previous_ = AfxGetResourceHandle();
    AfxSetResourceHandle(instance);
  }
  ~ResourceScope() {
    if (active_)
      AfxSetResourceHandle(previous_);
  }
  ResourceScope(const ResourceScope&) = delete;
  ResourceScope& operator=(const ResourceScope&) = delete;

private:
  bool active_;
  HINSTANCE previous_ = nullptr;
};

bool isBlank(const char* text) { return text == nullptr || *text == '\0'; }

}  // namespace

}  // namespace zek

Acad::ErrorStatus AcEdCommandStack::addCommand(const char* cmdGroupName, const char* cmdGlobalName,
                                               const char* cmdLocalName, int commandFlags,
                                               AcRxFunctionPtr functionAddr,
                                               AcEdUIContext* /*UIContext*/, int /*fcode*/,
                                               HINSTANCE hResourceHandle,
                                               AcEdCommand** cmdPtrRet) {
  using namespace zek;
  if (cmdPtrRet)
    *cmdPtrRet = nullptr;
  if (isBlank(cmdGroupName) || isBlank(cmdGlobalName) || functionAddr == nullptr)
    return Acad::eInvalidInput;
  CommandTable& table = CommandTable::instance();
  if (table.has(std::string("_") + cmdGlobalName))
    return Acad::eDuplicateKey;

  LoadedModule* owner = const_cast<LoadedModule*>(runningModule());
  auto run = [owner, functionAddr, hResourceHandle] {
    ModuleScope scope(owner);
    ResourceScope resources(hResourceHandle);
    try {
      functionAddr();
    } catch (...) {
      // A module's exception must not reach the command loop: the command ends.
      acutPrintf("\n; error: the command stopped on an internal failure");
    }
  };
  const char* localName = isBlank(cmdLocalName) ? cmdGlobalName : cmdLocalName;
  if (!table.add(cmdGroupName, cmdGlobalName, localName, commandFlags, run))
    return Acad::eInvalidInput;
  if (owner)
    owner->commands.push_back({cmdGroupName, cmdGlobalName});
  return Acad::eOk;
}

Acad::ErrorStatus AcEdCommandStack::removeCmd(const char* cmdGroupName, const char* cmdGlobalName) {
  if (zek::isBlank(cmdGroupName) || zek::isBlank(cmdGlobalName))
    return Acad::eInvalidInput;
  return zek::CommandTable::instance().remove(cmdGroupName, cmdGlobalName) ? Acad::eOk
                                                                          : Acad::eKeyNotFound;
}

Acad::ErrorStatus AcEdCommandStack::removeGroup(const char* groupName) {
  if (zek::isBlank(groupName))
    return Acad::eInvalidInput;
  return zek::CommandTable::instance().removeGroup(groupName) > 0 ? Acad::eOk : Acad::eKeyNotFound;
}

AcEdCommandStack* acedRegCmdsPtr() {
  static AcEdCommandStack stack;
  return &stack;
}
