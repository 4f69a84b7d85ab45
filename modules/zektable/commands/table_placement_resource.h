// The dialog resource of ZEKTABLE1S as data: a frame around the check box,
// the corner list and the two offsets, the buttons below it.
#pragma once

#include "commands/table_placement.h"
#include "ui_resources.h"

namespace zek::table {

inline constexpr ZekControlResource kPlacementControls[] = {
    {IDC_STATIC, ZekControlKind::GroupBox, "", 7, 5, 196, 80, 0},
    {tableids::kAutomatic, ZekControlKind::CheckBox, "自动放置表格", 16, 15, 90, 10, 0},
    {IDC_STATIC, ZekControlKind::StaticText, "表格插入点", 16, 33, 70, 10, 0},
    {tableids::kCorner, ZekControlKind::ComboBox, "", 110, 31, 80, 12, 0},
    {IDC_STATIC, ZekControlKind::StaticText, "X 偏移字高倍数", 16, 51, 80, 10, 0},
    {tableids::kXMultiple, ZekControlKind::EditBox, "", 110, 49, 80, 12, 0},
    {IDC_STATIC, ZekControlKind::StaticText, "Y 偏移字高倍数", 16, 68, 80, 10, 0},
    {tableids::kYMultiple, ZekControlKind::EditBox, "", 110, 66, 80, 12, 0},
    {IDOK, ZekControlKind::DefaultButton, "确定", 50, 94, 50, 14, 0},
    {IDCANCEL, ZekControlKind::Button, "取消", 110, 94, 50, 14, 0},
};

inline constexpr ZekDialogResource kPlacementDialogs[] = {
    {tableids::kDialog, "ZEKTABLE1", 210, 117, "MS Shell Dlg", 8, kPlacementControls,
     static_cast<int>(sizeof kPlacementControls / sizeof kPlacementControls[0])},
};

}  // namespace zek::table
