// ZEKXYS: the settings dialog; its ZEKXY, ZEKXYY and ZEKXXY buttons start a
// placement run once the dialog is closed.
#include "placement/placement.h"
#include "settings/settings_dialog.h"
#include "zekadxy1.h"

namespace zek::adxy1 {

void editOrdinateSettings() {
  switch (showOrdinateSettingsDialog()) {
    case SettingsOutcome::RunPlacement:
    case SettingsOutcome::RunPlateCentre:
    case SettingsOutcome::RunNearestPoint:
      runOrdinatePlacement();
      break;
    case SettingsOutcome::Cancelled:
    case SettingsOutcome::Accepted:
    case SettingsOutcome::SetBasePoint:
      break;
  }
}

}  // namespace zek::adxy1
