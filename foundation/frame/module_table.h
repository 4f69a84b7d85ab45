// The table a module describes itself with: its command group, its commands
// in registration order and its AutoLISP functions in code order. The frame
// (module_frame.h) registers and dispatches from it.
#pragma once

#include <span>

#include "aced_commands.h"
#include "ads.h"
#include "frame/trampoline.h"

namespace zek::inline foundation {

// One command as the module registers it with addCommand.
struct CommandRow {
  const char* globalName = nullptr;
  // What a drafter types in the host's own language; the global name unless
  // set with local().
  const char* localName = nullptr;
  int flags = ACRX_CMD_MODAL;  // or ACRX_CMD_USEPICKSET
  // The command wrapped in its noexcept trampoline.
  AcRxFunctionPtr function = nullptr;
  // Commands that open a dialog of the module pass its resource instance, so
  // its dialog resources are current while the command runs.
  bool passesResources = false;

  constexpr CommandRow local(const char* name) const {
    CommandRow copy = *this;
    copy.localName = name;
    return copy;
  }
  // Takes the objects selected before the command started.
  constexpr CommandRow usePickSet() const {
    CommandRow copy = *this;
    copy.flags = ACRX_CMD_USEPICKSET;
    return copy;
  }
  constexpr CommandRow withModuleResources() const {
    CommandRow copy = *this;
    copy.passesResources = true;
    return copy;
  }
};

// A modal command named by its global (and local) name, its function run
// through the trampoline:  zek::command<drawCentreCrosses>("ZEKCENLINE1").usePickSet()
template <CommandFunction Function>
constexpr CommandRow command(const char* globalName) {
  return CommandRow{globalName, globalName, ACRX_CMD_MODAL, &guardedCommand<Function>, false};
}

// One AutoLISP function; its code is its position in the table, from 1.
struct LispFunctionRow {
  const char* name = nullptr;
  ModuleLispFunction function = nullptr;
};

struct ModuleTable {
  // The command group (the module file's name in capitals); null for a
  // module without commands.
  const char* group = nullptr;
  std::span<const CommandRow> commands;
  std::span<const LispFunctionRow> functions;
  // Extension libraries of the host's user-interface framework make their
  // own resources current while they register their commands.
  bool ownResourcesWhileRegistering = false;
};

}  // namespace zek::inline foundation
