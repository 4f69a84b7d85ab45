// Dialog 101 "接刀绘制" and its picture, drawn as strokes in dialog units.
#include "overcut_dialog_resource.h"

namespace zek {
namespace {

using K = ZekControlKind;
using S = ZekPictureStrokeKind;

constexpr ZekPictureStroke kStrokes[] = {
    // The construction, in the order ZEKGQ makes it: line 1 trimmed to T1,
    // line 2 trimmed to T2, the step's two lines, the R1 overcut arc, the
    // R2 fillet and the R3 fillet of the step.
    {S::Line, 105, 70, 52, 70, 0, 0, 0, nullptr},
    {S::Line, 40, 5, 40, 40.144, 0, 0, 0, nullptr},
    {S::Line, 40, 58, 40, 100, 0, 0, 0, nullptr},
    {S::Line, 48, 50, 105, 50, 0, 0, 0, nullptr},
    {S::Arc, 52, 54, 0, 0, 16, 147.796, 270, nullptr},
    {S::Arc, 30, 40.144, 0, 0, 10, 327.796, 0, nullptr},
    {S::Arc, 48, 58, 0, 0, 8, 90, 180, nullptr},
    // Labels: the lines' numbers, the radii, the depth S past line 2 and the
    // step's width W between line 1 and its parallel.
    {S::Line, 80, 50, 80, 70, 0, 0, 0, nullptr},
    {S::Text, 83, 63, 0, 0, 0, 0, 0, "W"},
    {S::Text, 100, 80, 0, 0, 0, 0, 0, "1"},
    {S::Text, 30, 12, 0, 0, 0, 0, 0, "2"},
    {S::Text, 24, 72, 0, 0, 0, 0, 0, "R1"},
    {S::Text, 22, 34, 0, 0, 0, 0, 0, "R2"},
    {S::Text, 50, 46, 0, 0, 0, 0, 0, "R3"},
    {S::Text, 28, 56, 0, 0, 0, 0, 0, "S"},
};

constexpr ZekControlResource kControls[] = {
    {IDC_STATIC, K::Picture, "", 7, 7, 110, 106, 0, &kOvercutPicture},
    {IDC_STATIC, K::StaticText, "R1:", 125, 10, 15, 10, 0},
    {1001, K::EditBox, "", 142, 8, 46, 12, 0},
    {IDC_STATIC, K::StaticText, "R2:", 125, 26, 15, 10, 0},
    {1002, K::EditBox, "", 142, 24, 46, 12, 0},
    {IDC_STATIC, K::StaticText, "R3:", 125, 42, 15, 10, 0},
    {1003, K::EditBox, "", 142, 40, 46, 12, 0},
    {IDC_STATIC, K::StaticText, "W :", 125, 58, 15, 10, 0},
    {1004, K::EditBox, "", 142, 56, 46, 12, 0},
    {IDC_STATIC, K::StaticText, "S :", 125, 74, 15, 10, 0},
    {1005, K::EditBox, "", 142, 72, 46, 12, 0},
    {1, K::DefaultButton, "OK", 195, 7, 48, 14, 0},
    {2, K::Button, "Cancel", 195, 25, 48, 14, 0},
    {kOvercutDrawButton, K::Button, "ZEKGQ", 195, 43, 48, 14, 0},
};

}  // namespace

const ZekPicture kOvercutPicture{kStrokes, static_cast<int>(sizeof kStrokes / sizeof kStrokes[0])};

const ZekDialogResource kOvercutDialogs[1] = {
    {kOvercutDialogId, "接刀绘制", 250, 120, "MS Shell Dlg", 8, kControls,
     static_cast<int>(sizeof kControls / sizeof kControls[0])},
};

}  // namespace zek
