// A module that registers a command and a function, then fails its
// initialisation: the host must unload it and leave nothing of it behind.
#include "aced_commands.h"
#include "aced_lisp.h"
#include "rx_entry.h"

namespace {
void leftBehind() {}
}  // namespace

extern "C" ZEK_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId) {
  if (msg != AcRx::kInitAppMsg)
    return AcRx::kRetOK;
  acrxDynamicLinker->unlockApplication(appId);
  (void)acedRegCmds->addCommand("ZEKFAILING", "ZEKLEFTBEHIND", "ZEKLEFTBEHIND", ACRX_CMD_MODAL,
                                leftBehind);
  return AcRx::kRetError;
}
