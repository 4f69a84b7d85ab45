// Dialog 101 "接刀绘制" as data: the picture of the construction on the
// left, the five value boxes, OK, Cancel and 1006 "ZEKGQ".
#pragma once

#include "ui_resources.h"

namespace zek {

constexpr int kOvercutDialogId = 101;
// The boxes of R1, R2, R3, W and S, in that order.
constexpr int kOvercutValueBoxes[5] = {1001, 1002, 1003, 1004, 1005};
// Takes the values as OK does, then runs ZEKGQ.
constexpr int kOvercutDrawButton = 1006;

// The picture shows an overcut worked out with these values on line 1 from
// (65, 0) to (0, 0) and line 2 from (0, -30) to (0, 65), the inner point
// (30, 30), drawn with the corner at (40, 70) of the picture (y downwards);
// its first kOvercutPictureConstructionStrokes strokes are that
// construction, the rest are labels.
constexpr double kPictureR1 = 16.0;
constexpr double kPictureR2 = 10.0;
constexpr double kPictureR3 = 8.0;
constexpr double kPictureW = 20.0;
constexpr double kPictureS = 4.0;
constexpr double kPictureCornerX = 40.0;
constexpr double kPictureCornerY = 70.0;
constexpr int kOvercutPictureConstructionStrokes = 7;

extern const ZekPicture kOvercutPicture;
// The module's dialogs (ZEK_MODULE_RESOURCES in module.cpp).
extern const ZekDialogResource kOvercutDialogs[1];

}  // namespace zek
