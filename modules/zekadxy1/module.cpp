// zekadxy1.arx: group ZEKADXY1 with the placement commands, the settings
// dialog (with the module's dialog resources) and the editing commands. The
// settings, zekadxy1.dat and the layer code table are read afresh at every
// load.
#include "editing/editing.h"
#include "frame/module_frame.h"
#include "placement/placement.h"
#include "settings/ordinate_settings.h"
#include "settings/settings_dialog_resource.h"
#include "zekadxy1.h"

namespace {

using namespace zek::adxy1;

constexpr zek::CommandRow kCommands[] = {
    zek::command<dimensionPlate>("ZEKXY"),
    zek::command<dimensionPlateWithProfiles>("ZEKXY6"),
    zek::command<rebaseDimensions>("ZEKXY7"),
    zek::command<resetDimensionTexts>("ZEKXY8"),
    zek::command<dimensionPlateFromCentre>("ZEKXYY"),
    zek::command<dimensionPlateFromNearestPoint>("ZEKXXY"),
    zek::command<editOrdinateSettings>("ZEKXYS").withModuleResources(),
    zek::command<moveDimensionTexts>("ZEKDA"),
    zek::command<moveTextsToPoint>("ZEKDA1"),
    zek::command<moveTextsKeepingAcross>("ZEKDA2"),
    zek::command<attachDimensionToCentre>("ZEKDAF"),
    zek::command<moveDimensionFeature>("ZEKDAV"),
    zek::command<spreadCrowdedTexts>("ZEKDA3"),
};

constexpr zek::ModuleTable kModule{.group = "ZEKADXY1", .commands = kCommands};

}  // namespace

ZEK_MODULE_RESOURCES(zek::adxy1::kSettingsDialogs)

extern "C" ZEK_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appId) {
  const AcRx::AppRetCode answer = zek::handleEntryMessage(kModule, message, appId);
  if (message == AcRx::kInitAppMsg && answer == AcRx::kRetOK) {
    zek::adxy1::loadOrdinateSettings();
    zek::adxy1::signStrings() = zek::adxy1::SignStrings{};
  }
  return answer;
}
