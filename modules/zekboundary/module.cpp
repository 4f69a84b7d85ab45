// zekboundary.arx: the commands ZEKBDY, ZEKBDYS (with the module's dialog
// resources) and ZEKBDY2 in the group ZEKBOUNDARY, and the AutoLISP function
// ZEKBDY1 (code 1) defined in every drawing. The settings start from their
// fixed values at every load.
#include "boundary_dialog_resource.h"
#include "boundary_settings.h"
#include "frame/module_frame.h"
#include "zekboundary.h"

namespace {

constexpr zek::CommandRow kCommands[] = {
    zek::command<zek::drawPlateBoundary>("ZEKBDY"),
    zek::command<zek::editBoundarySettings>("ZEKBDYS").withModuleResources(),
    zek::command<zek::offsetSelectedOutlines>("ZEKBDY2"),
};

constexpr zek::LispFunctionRow kFunctions[] = {
    {"ZEKBDY1", zek::setBoundaryAndDraw},
};

constexpr zek::ModuleTable kModule{
    .group = "ZEKBOUNDARY", .commands = kCommands, .functions = kFunctions};

}  // namespace

ZEK_MODULE_RESOURCES(zek::kBoundaryDialogs)

extern "C" ZEK_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appId) {
  if (message == AcRx::kInitAppMsg)
    zek::resetBoundarySettings();  // a module loaded again starts afresh
  return zek::handleEntryMessage(kModule, message, appId);
}
