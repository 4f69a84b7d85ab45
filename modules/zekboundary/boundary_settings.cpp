// The module's boundary settings and their range rules.
#include "boundary_settings.h"

#include <cmath>

namespace zek {

namespace {
constexpr double kSharpLimit = 0.001;
constexpr double kLargestOffset = 100000.0;
constexpr double kLargestCorner = 1000.0;
}  // namespace

BoundarySettings& boundarySettings() {
  static BoundarySettings settings;
  return settings;
}

void resetBoundarySettings() { boundarySettings() = BoundarySettings{}; }

CornerKind cornerKindOf(double value) {
  if (value > kSharpLimit)
    return CornerKind::Radius;
  if (value < -kSharpLimit)
    return CornerKind::Chamfer;
  return CornerKind::Sharp;
}

bool isLispOffset(double value) { return value > -0.01 && value < kLargestOffset; }
bool isDialogOffset(double value) { return value > -0.00001 && value < kLargestOffset; }
bool isCornerValue(double value) { return value > -kLargestCorner && value < kLargestCorner; }
bool isOutlineOffset(double value) { return std::fabs(value) < kLargestOffset; }

}  // namespace zek
