// The host's command stack: the commands a module registers under its
// command group, by global and local name, with the classic command flags.
#pragma once

#include "acad_status.h"
#include "ui_resources.h"

using AcRxFunctionPtr = void (*)();

// Command flags.
#define ACRX_CMD_MODAL 0x00000000        // runs alone, at the command prompt
#define ACRX_CMD_TRANSPARENT 0x00000001  // may run inside another command
#define ACRX_CMD_USEPICKSET 0x00000002   // takes the selection made before it
#define ACRX_CMD_REDRAW 0x00000004
#define ACRX_CMD_NOMULTIPLE 0x00000010   // Enter at the command prompt does not repeat it

class AcEdUIContext;
class AcEdCommand;

class AcEdCommandStack {
public:
  // Registers a command of a group. The local name is what a drafter types in
  // the host's own language ("ZEKQGS"); the global name is typed with "_"
  // ("_ZEKGQS") or plain when no local name matches. A resource instance
  // makes that module's dialogs current while the command runs. Answers
  // eOk; eDuplicateKey when the global name is registered already (in any
  // group); eInvalidInput for a missing group, name or function. fcode,
  // UIContext and cmdPtrRet are accepted and unused (*cmdPtrRet is set null).
  [[nodiscard]] Acad::ErrorStatus addCommand(const char* cmdGroupName, const char* cmdGlobalName,
                                             const char* cmdLocalName, int commandFlags,
                                             AcRxFunctionPtr functionAddr,
                                             AcEdUIContext* UIContext = nullptr, int fcode = -1,
                                             HINSTANCE hResourceHandle = nullptr,
                                             AcEdCommand** cmdPtrRet = nullptr);
  // Removes one command; eKeyNotFound when the group has no such command.
  Acad::ErrorStatus removeCmd(const char* cmdGroupName, const char* cmdGlobalName);
  // Removes every command of a group; eKeyNotFound when it has none.
  Acad::ErrorStatus removeGroup(const char* groupName);
};

// The host's command stack (never null).
AcEdCommandStack* acedRegCmdsPtr();
#define acedRegCmds acedRegCmdsPtr()
