// zekcenline.arx: group ZEKCENLINE with ZEKCENLINE1, ZEKCENLINE2 and
// ZEKDIAMETER, all taking the objects selected before the command. The cross
// settings start from their fixed values at every load.
#include "frame/module_frame.h"
#include "zekcenline.h"

namespace {

constexpr zek::CommandRow kCommands[] = {
    zek::command<zek::drawCentreCrosses>("ZEKCENLINE1").usePickSet(),
    zek::command<zek::drawTurnedCentreCrosses>("ZEKCENLINE2").usePickSet(),
    zek::command<zek::changeRadiusFromInput>("ZEKDIAMETER").usePickSet(),
};

constexpr zek::ModuleTable kModule{.group = "ZEKCENLINE", .commands = kCommands};

}  // namespace

extern "C" ZEK_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appId) {
  const AcRx::AppRetCode answer = zek::handleEntryMessage(kModule, message, appId);
  if (message == AcRx::kInitAppMsg && answer == AcRx::kRetOK)
    zek::centreLineSettings() = zek::CentreLineSettings{};
  return answer;
}
