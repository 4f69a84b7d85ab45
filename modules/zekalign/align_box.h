// The arithmetic of alignment by extents: the position codes of a bounding
// box, the classes they fall in, the displacement that brings one code of a
// moving box onto a code of a fixed box, and the placing beside with a gap.
// No host calls.
#pragma once

#include <optional>

namespace zek {

// A group's bounding box in world X and Y.
struct AlignBox {
  double minX = 0.0;
  double minY = 0.0;
  double maxX = 0.0;
  double maxY = 0.0;

  double width() const { return maxX - minX; }
  double height() const { return maxY - minY; }
  AlignBox shifted(double dx, double dy) const { return {minX + dx, minY + dy, maxX + dx, maxY + dy}; }
};

// The box every module load starts with.
inline constexpr AlignBox kInitialRememberedBox{0.0, 0.0, 9.9, 9.9};

// How a code moves a group: a point (X and Y), a horizontal line (Y only) or
// a vertical line (X only).
enum class CodeClass { Point = 1, HorizontalLine = 2, VerticalLine = 3 };

// The class of a position code (1 to 9, 13, 48, 57, 17, 26, 35); nothing for
// a code outside the table.
std::optional<CodeClass> classOfCode(int code);
// Whether the code names an edge or centre line (13, 48, 57, 17, 26, 35).
bool isLineCode(int code);

struct AlignPoint {
  double x = 0.0;
  double y = 0.0;
};

// The point a code names on the box; for a horizontal line its Y is the
// line's (X the box's middle), for a vertical line its X (Y the middle).
// The code must be one of the table.
AlignPoint pointOfCode(const AlignBox& box, int code);

// The translation that brings the moving code's point of the moving box onto
// the fixed code's point of the fixed box, plus the offsets; a line class
// moves along one axis only. With ratio, dx counts in widths and dy in
// heights of the scale box. Both codes must be of one class.
AlignPoint alignDisplacement(const AlignBox& moving, int movingCode, const AlignBox& fixed,
                             int fixedCode, double dx, double dy);
AlignPoint ratioOffsets(double dx, double dy, const AlignBox& scale);

// Where a moving box lies against a fixed one, as placing beside decides it.
struct BesidePlacement {
  // Set when the boxes lie side by side (overlapping in Y) or one above the
  // other (overlapping in X): the move that leaves the gap between them.
  std::optional<AlignPoint> move;
  // Otherwise the arrangement: 2 right and above, 4 left and above, 6 left
  // and below, 8 right and below, 9 overlapping in X and Y.
  int arrangement = 0;
};
BesidePlacement placeBeside(const AlignBox& moving, const AlignBox& fixed, double gap);

}  // namespace zek
