// Dialog 129 as data: the list box of 26 rows over the four buttons.
#pragma once

#include "command_list_dialog.h"
#include "ui_resources.h"

namespace zek {

// The list's height gives (210 - 2) / 8 = 26 rows, one page of "<<" and ">>".
inline constexpr ZekControlResource kCommandListControls[] = {
    {cmdids::kList, ZekControlKind::ListBox, "", 7, 7, 136, 210, 0},
    {cmdids::kPageUp, ZekControlKind::Button, "<<", 7, 224, 30, 14, 0},
    {cmdids::kPageDown, ZekControlKind::Button, ">>", 40, 224, 30, 14, 0},
    {cmdids::kRun, ZekControlKind::DefaultButton, "运行", 76, 224, 32, 14, 0},
    {cmdids::kClose, ZekControlKind::Button, "取消", 111, 224, 32, 14, 0},
};

inline constexpr ZekDialogResource kCommandDialogs[] = {
    {cmdids::kDialog, "ZEK命令列表", 150, 260, "MS Shell Dlg", 8, kCommandListControls,
     static_cast<int>(sizeof kCommandListControls / sizeof kCommandListControls[0])},
};

}  // namespace zek
