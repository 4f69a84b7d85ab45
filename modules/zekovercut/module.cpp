// zekovercut.arx: group ZEKOVERCUT with ZEKGQ (the corner overcut) and
// ZEKGQS, local name ZEKQGS (its settings dialog, resource 101, with the
// module's resources). The five values start from their fixed values at
// every load.
#include "frame/module_frame.h"
#include "overcut_dialog_resource.h"
#include "overcut_settings.h"
#include "zekovercut.h"

namespace {

constexpr zek::CommandRow kCommands[] = {
    zek::command<zek::drawCornerOvercut>("ZEKGQ"),
    zek::command<zek::editOvercutSettings>("ZEKGQS").local("ZEKQGS").withModuleResources(),
};

constexpr zek::ModuleTable kModule{.group = "ZEKOVERCUT", .commands = kCommands};

}  // namespace

ZEK_MODULE_RESOURCES(zek::kOvercutDialogs)

extern "C" ZEK_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appId) {
  if (message == AcRx::kInitAppMsg)
    zek::overcutSettings() = zek::OvercutSettings{};
  return zek::handleEntryMessage(kModule, message, appId);
}
