// The frame every module carries: the life-cycle messages of the entry point
// handled from the module's table. A module's entry file holds its table and
//   ZEK_MODULE_ENTRY_POINT(kModule)
#pragma once

#include "frame/module_table.h"
#include "rx_entry.h"

namespace zek::inline foundation {

// Handles one life-cycle message for the module the table describes:
// - kInitAppMsg: unlocks the module, marks it safe for several drawings and
//   registers its commands in table order (a refused name is skipped);
// - kUnloadAppMsg: removes the command group (nothing without commands);
// - kLoadDwgMsg: defines the AutoLISP functions in the current drawing,
//   codes from 1 in table order, stopping silently at the first refusal;
// - kInvkSubrMsg: runs the AutoLISP function of the call's code.
// Other messages are ignored. Answers kRetOK, except for a call whose
// function failed (or whose code the module does not know): kRetError, which
// the host reads as RTERROR.
[[nodiscard]] AcRx::AppRetCode handleEntryMessage(const ModuleTable& module,
                                                  AcRx::AppMsgCode message, void* appId) noexcept;

// Answers one AutoLISP call from the table: RTNORM, or RTERROR (with
// "Received nonexistent function code." for a code the module does not
// define).
[[nodiscard]] int dispatchLispCall(const ModuleTable& module) noexcept;

}  // namespace zek::inline foundation

// Defines the module's exported entry point over its table.
#define ZEK_MODULE_ENTRY_POINT(table)                                                    \
  extern "C" ZEK_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message,       \
                                                        void* appId) {                  \
    return ::zek::handleEntryMessage(table, message, appId);                             \
  }
