// zekleaderdcc.arx: group ZEKLEADERDCC with the one command ZEKDCC. The
// multiple starts from its fixed value at every load.
#include "chamfers.h"
#include "frame/module_frame.h"
#include "zekleaderdcc.h"

namespace {

constexpr zek::CommandRow kCommands[] = {
    zek::command<zek::labelChamfers>("ZEKDCC"),
};

constexpr zek::ModuleTable kModule{.group = "ZEKLEADERDCC", .commands = kCommands};

}  // namespace

extern "C" ZEK_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appId) {
  const AcRx::AppRetCode answer = zek::handleEntryMessage(kModule, message, appId);
  if (message == AcRx::kInitAppMsg && answer == AcRx::kRetOK)
    zek::leaderMultiple() = zek::kInitialMultiple;
  return answer;
}
