// The settings of the plate boundary: the margin around the selection and
// the four corner values, kept from load to unload and shared by ZEKBDY,
// ZEKBDYS, ZEKBDY1 and ZEKBDY2. Plain numbers, no host calls.
#pragma once

#include <array>

namespace zek {

// Corner positions in the order the outline visits them, counter-clockwise
// from the bottom left.
enum class Corner { BottomLeft = 0, BottomRight = 1, TopRight = 2, TopLeft = 3 };

// Corner 1 bottom left, 2 bottom right, 3 top right, 4 top left: above
// 0.001 a radius, below -0.001 a chamfer of the value's size, else sharp.
using CornerValues = std::array<double, 4>;

struct BoundarySettings {
  double offset = 3.0;
  CornerValues corners{1.0, 1.0, 2.0, 1.0};
};

// The settings of this load of the module.
BoundarySettings& boundarySettings();
// Back to the values every load starts with.
void resetBoundarySettings();

enum class CornerKind { Sharp, Radius, Chamfer };

// What a corner value stands for.
CornerKind cornerKindOf(double value);

// Range rules. ZEKBDY1 takes an offset above -0.01, the dialog one above
// -0.00001; both below 100000. Corner values lie strictly between -1000 and
// 1000. ZEKBDY2 takes any offset of size below 100000 (a negative one
// offsets inwards).
bool isLispOffset(double value);
bool isDialogOffset(double value);
bool isCornerValue(double value);
bool isOutlineOffset(double value);

}  // namespace zek
