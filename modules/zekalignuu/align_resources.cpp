// The dialog resource of zekalignuu: dialog 129 with its two button grids
// laid out 5 x 5 without the four inner corner cells.
#include "align_dialog.h"
#include "ui_resources.h"

namespace {

constexpr int kCell = 18;  // dialog units between grid cells

constexpr ZekControlResource radio(int id, int column, int row, int left) {
  return {id, ZekControlKind::RadioButton, "", left + 8 + column * kCell, 16 + row * kCell,
          12, 10, 0};
}

constexpr int kFromLeft = 6;
constexpr int kToLeft = 112;

const ZekControlResource kControls[] = {
    {IDC_STATIC, ZekControlKind::GroupBox, "FROM", kFromLeft, 4, 100, 104, 0},
    radio(1038, 0, 0, kFromLeft), radio(1039, 1, 0, kFromLeft), radio(1040, 2, 0, kFromLeft),
    radio(1042, 3, 0, kFromLeft), radio(1043, 4, 0, kFromLeft),
    radio(1032, 0, 1, kFromLeft), radio(1034, 2, 1, kFromLeft), radio(1037, 4, 1, kFromLeft),
    radio(1050, 0, 2, kFromLeft), radio(1051, 1, 2, kFromLeft), radio(1052, 2, 2, kFromLeft),
    radio(1054, 3, 2, kFromLeft), radio(1055, 4, 2, kFromLeft),
    radio(1044, 0, 3, kFromLeft), radio(1046, 2, 3, kFromLeft), radio(1049, 4, 3, kFromLeft),
    radio(1056, 0, 4, kFromLeft), radio(1057, 1, 4, kFromLeft), radio(1058, 2, 4, kFromLeft),
    radio(1060, 3, 4, kFromLeft), radio(1061, 4, 4, kFromLeft),
    {IDC_STATIC, ZekControlKind::GroupBox, "TOOO", kToLeft, 4, 100, 104, 0},
    radio(1065, 0, 0, kToLeft), radio(1066, 1, 0, kToLeft), radio(1067, 2, 0, kToLeft),
    radio(1068, 3, 0, kToLeft), radio(1069, 4, 0, kToLeft),
    radio(1062, 0, 1, kToLeft), radio(1063, 2, 1, kToLeft), radio(1064, 4, 1, kToLeft),
    radio(1073, 0, 2, kToLeft), radio(1074, 1, 2, kToLeft), radio(1075, 2, 2, kToLeft),
    radio(1076, 3, 2, kToLeft), radio(1077, 4, 2, kToLeft),
    radio(1070, 0, 3, kToLeft), radio(1071, 2, 3, kToLeft), radio(1072, 4, 3, kToLeft),
    radio(1078, 0, 4, kToLeft), radio(1079, 1, 4, kToLeft), radio(1080, 2, 4, kToLeft),
    radio(1081, 3, 4, kToLeft), radio(1082, 4, 4, kToLeft),
    {IDC_STATIC, ZekControlKind::StaticText, "X-OFFSET", 6, 116, 40, 10, 0},
    {1041, ZekControlKind::EditBox, "", 48, 114, 60, 12, 0},
    {IDC_STATIC, ZekControlKind::StaticText, "Y-OFFSET", 112, 116, 40, 10, 0},
    {1045, ZekControlKind::EditBox, "", 154, 114, 58, 12, 0},
    {IDOK, ZekControlKind::DefaultButton, "OK", 50, 134, 50, 14, 0},
    {IDCANCEL, ZekControlKind::Button, "Cancel", 118, 134, 50, 14, 0},
};

const ZekDialogResource kDialogs[] = {
    {zek::kAlignDialogId, "对齐", 218, 154, "", 9, kControls,
     static_cast<int>(sizeof kControls / sizeof kControls[0])},
};

}  // namespace

ZEK_MODULE_RESOURCES(kDialogs)
