// ZEKXYS: the settings dialog "ADXY1参数" (resource 101).
#pragma once

namespace zek::adxy1 {

// The dialog resource and its control ids.
namespace xysids {
inline constexpr int kDialog = 101;
inline constexpr int kZeroMode = 1001;       // drop-down list of the eleven modes
inline constexpr int kCentreGap = 1002;      // edit
inline constexpr int kLeaderFactor = 1003;   // edit
inline constexpr int kMillingDecimals = 1004;  // drop-down list "0".."4"
inline constexpr int kOutsideFactor = 1005;  // edit
inline constexpr int kWireCutDecimals = 1006;  // drop-down list "0".."4"
inline constexpr int kCentreColour = 1007;   // edit
inline constexpr int kAddSigns = 1008;       // check box
inline constexpr int kRunPlacement = 1009;   // "ZEKXY"
inline constexpr int kRunPlateCentre = 1010;  // "ZEKXYY"
inline constexpr int kRunNearestPoint = 1011;  // "ZEKXXY"
inline constexpr int kCentreLines = 1012;    // check box
inline constexpr int kSetBasePoint = 1013;   // "设置零点"
}  // namespace xysids

// The combo texts of the zero-point modes, in index order.
inline constexpr const char* kZeroModeTexts[] = {
    "固定位置", "左上角", "上边中间", "右上角", "右边中间", "右下角",
    "下边中间", "左下角", "左边中间", "模板中间", "依最近点",
};

// What the drafter closed the dialog with. The values are taken (and for
// RunPlateCentre / RunNearestPoint zeroMode set to 9 / 10) before answering;
// SetBasePoint has already run the set-base-point routine.
enum class SettingsOutcome { Cancelled, Accepted, RunPlacement, RunPlateCentre, RunNearestPoint,
                             SetBasePoint };

// Shows the dialog modal with the host's main window as parent.
SettingsOutcome showOrdinateSettingsDialog();

}  // namespace zek::adxy1
