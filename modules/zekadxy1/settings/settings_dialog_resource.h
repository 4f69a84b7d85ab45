// The dialog resource of ZEKXYS as data: the settings in a frame on the
// left, each with its label, and the buttons down the right-hand side.
#pragma once

#include "settings/settings_dialog.h"
#include "ui_resources.h"

namespace zek::adxy1 {

inline constexpr ZekControlResource kSettingsControls[] = {
    {IDC_STATIC, ZekControlKind::GroupBox, "", 7, 7, 142, 167, 0},
    {IDC_STATIC, ZekControlKind::StaticText, "尺寸零点位置", 16, 23, 52, 10, 0},
    {xysids::kZeroMode, ZekControlKind::ComboBox, "", 83, 20, 55, 12, 0},
    {IDC_STATIC, ZekControlKind::StaticText, "最长引线是字高几倍", 15, 42, 77, 10, 0},
    {xysids::kLeaderFactor, ZekControlKind::EditBox, "", 100, 40, 38, 12, 0},
    {IDC_STATIC, ZekControlKind::StaticText, "放外面来依字高几倍", 15, 61, 77, 10, 0},
    {xysids::kOutsideFactor, ZekControlKind::EditBox, "", 100, 59, 38, 12, 0},
    {IDC_STATIC, ZekControlKind::StaticText, "中心线断开长度间隔", 15, 80, 77, 10, 0},
    {xysids::kCentreGap, ZekControlKind::EditBox, "", 100, 78, 38, 12, 0},
    {xysids::kCentreLines, ZekControlKind::CheckBox, "加中心线; 颜色", 20, 98, 73, 10, 0},
    {xysids::kCentreColour, ZekControlKind::EditBox, "", 100, 97, 38, 12, 0},
    {IDC_STATIC, ZekControlKind::StaticText, "铣床图层尺寸小数位", 15, 118, 77, 10, 0},
    {xysids::kMillingDecimals, ZekControlKind::ComboBox, "", 100, 116, 38, 12, 0},
    {IDC_STATIC, ZekControlKind::StaticText, "线割图层尺寸小数位", 15, 137, 77, 10, 0},
    {xysids::kWireCutDecimals, ZekControlKind::ComboBox, "", 100, 135, 38, 12, 0},
    {xysids::kAddSigns, ZekControlKind::CheckBox, "加正负号(可设置正负号字符)", 20, 155, 119, 10,
     0},
    {IDOK, ZekControlKind::DefaultButton, "确定", 155, 19, 50, 14, 0},
    {IDCANCEL, ZekControlKind::Button, "取消", 155, 39, 50, 14, 0},
    {xysids::kSetBasePoint, ZekControlKind::Button, "设置零点", 155, 96, 50, 14, 0},
    {xysids::kRunPlacement, ZekControlKind::Button, "ZEKXY", 155, 115, 50, 14, 0},
    {xysids::kRunPlateCentre, ZekControlKind::Button, "ZEKXYY", 155, 134, 50, 14, 0},
    {xysids::kRunNearestPoint, ZekControlKind::Button, "ZEKXXY", 155, 153, 50, 14, 0},
};

inline constexpr ZekDialogResource kSettingsDialogs[] = {
    {xysids::kDialog, "ADXY1参数", 212, 181, "MS Shell Dlg", 8, kSettingsControls,
     static_cast<int>(sizeof kSettingsControls / sizeof kSettingsControls[0])},
};

}  // namespace zek::adxy1
