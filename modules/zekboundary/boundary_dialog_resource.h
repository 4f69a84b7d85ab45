// The dialog resource of ZEKBDYS as data: a plate frame drawn with rounded
// corners, a corner box at each of its corners, the offset box under
// "OFFSET" in the middle, and the buttons along the bottom.
#pragma once

#include "boundary_dialog.h"
#include "ui_resources.h"

namespace zek {

// The frame in the picture's dialog units (120 × 64, y downwards), its
// corners rounded with a radius of 6.
inline constexpr ZekPictureStroke kFrameStrokes[] = {
    {ZekPictureStrokeKind::Line, 6, 0, 114, 0, 0, 0, 0, nullptr},
    {ZekPictureStrokeKind::Line, 120, 6, 120, 58, 0, 0, 0, nullptr},
    {ZekPictureStrokeKind::Line, 114, 64, 6, 64, 0, 0, 0, nullptr},
    {ZekPictureStrokeKind::Line, 0, 58, 0, 6, 0, 0, 0, nullptr},
    {ZekPictureStrokeKind::Arc, 114, 6, 0, 0, 6, 0, 90, nullptr},
    {ZekPictureStrokeKind::Arc, 6, 6, 0, 0, 6, 90, 180, nullptr},
    {ZekPictureStrokeKind::Arc, 6, 58, 0, 0, 6, 180, 270, nullptr},
    {ZekPictureStrokeKind::Arc, 114, 58, 0, 0, 6, 270, 360, nullptr},
};
inline constexpr ZekPicture kFramePicture{
    kFrameStrokes, static_cast<int>(sizeof kFrameStrokes / sizeof kFrameStrokes[0])};

inline constexpr ZekControlResource kBoundaryControls[] = {
    {IDC_STATIC, ZekControlKind::Picture, "", 40, 18, 120, 64, 0, &kFramePicture},
    {bdyids::kTopLeft, ZekControlKind::EditBox, "", 4, 6, 44, 12, 0},
    {bdyids::kTopRight, ZekControlKind::EditBox, "", 152, 6, 44, 12, 0},
    {bdyids::kBottomRight, ZekControlKind::EditBox, "", 152, 84, 44, 12, 0},
    {bdyids::kBottomLeft, ZekControlKind::EditBox, "", 4, 84, 44, 12, 0},
    {IDC_STATIC, ZekControlKind::StaticText, "OFFSET", 82, 36, 36, 10, 0},
    {bdyids::kOffset, ZekControlKind::EditBox, "", 76, 48, 48, 12, 0},
    {bdyids::kRunBoundary, ZekControlKind::Button, "ZEKBDY", 6, 102, 44, 14, 0},
    {bdyids::kSharpCorners, ZekControlKind::Button, "变尖角", 54, 102, 44, 14, 0},
    {IDOK, ZekControlKind::DefaultButton, "OK", 102, 102, 44, 14, 0},
    {IDCANCEL, ZekControlKind::Button, "Cancel", 150, 102, 44, 14, 0},
};

inline constexpr ZekDialogResource kBoundaryDialogs[] = {
    {bdyids::kDialog, "zekboundary", 200, 122, "MS Shell Dlg", 8, kBoundaryControls,
     static_cast<int>(sizeof kBoundaryControls / sizeof kBoundaryControls[0])},
};

}  // namespace zek
