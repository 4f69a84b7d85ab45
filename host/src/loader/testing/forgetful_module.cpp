// A module that never removes its command group and stays locked until a
// test function unlocks it: the host must still take its commands away when
// it unloads, or they would call into a closed library.
#include "aced_arx.h"
#include "aced_commands.h"
#include "aced_lisp.h"
#include "aced_output.h"
#include "rx_entry.h"

namespace {
void *gAppId = nullptr;

void sayHello() { acutPrintf("\nhello from the forgetful module"); }
}  // namespace

extern "C" ZEK_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId) {
  switch (msg) {
    case AcRx::kInitAppMsg:
      gAppId = appId;  // stays locked: the test unlocks it through ZEKUNLOCKME
      (void)acedRegCmds->addCommand("ZEKFORGETFUL", "ZEKHELLO", "ZEKHALLO", ACRX_CMD_MODAL,
                                    sayHello);
      break;
    case AcRx::kLoadDwgMsg:
      (void)acedDefun("ZEKUNLOCKME", 1);
      (void)acedDefun("ZEKMYPATH", 2);
      break;
    case AcRx::kInvkSubrMsg:
      if (acedGetFunCode() == 1) {
        acrxDynamicLinker->unlockApplication(gAppId);
        acutPrintf("\n%s", acedGetAppName()[0] != '\0' ? "unlocked" : "no application name");
        return static_cast<AcRx::AppRetCode>(acedRetT());
      }
      if (acedGetFunCode() == 2)
        return static_cast<AcRx::AppRetCode>(acedRetStr(acedGetAppName()));
      break;
    default:
      break;
  }
  return AcRx::kRetOK;
}
