// Position codes, displacements and placing beside (see align_box.h).
#include "align_box.h"

#include <cassert>

namespace zek {

std::optional<CodeClass> classOfCode(int code) {
  switch (code) {
    case 1: case 2: case 3: case 4: case 5: case 6: case 7: case 8: case 9:
      return CodeClass::Point;
    case 13: case 48: case 57:
      return CodeClass::HorizontalLine;
    case 17: case 26: case 35:
      return CodeClass::VerticalLine;
    default:
      return std::nullopt;
  }
}

bool isLineCode(int code) {
  const std::optional<CodeClass> kind = classOfCode(code);
  return kind && *kind != CodeClass::Point;
}

AlignPoint pointOfCode(const AlignBox& box, int code) {
  const double midX = (box.minX + box.maxX) / 2.0;
  const double midY = (box.minY + box.maxY) / 2.0;
  switch (code) {
    case 1: return {box.minX, box.maxY};
    case 2: return {midX, box.maxY};
    case 3: return {box.maxX, box.maxY};
    case 4: return {box.maxX, midY};
    case 5: return {box.maxX, box.minY};
    case 6: return {midX, box.minY};
    case 7: return {box.minX, box.minY};
    case 8: return {box.minX, midY};
    case 9: return {midX, midY};
    case 13: return {midX, box.maxY};
    case 48: return {midX, midY};
    case 57: return {midX, box.minY};
    case 17: return {box.minX, midY};
    case 26: return {midX, midY};
    case 35: return {box.maxX, midY};
    default:
      assert(false && "a position code outside the table");
      return {midX, midY};
  }
}

AlignPoint ratioOffsets(double dx, double dy, const AlignBox& scale) {
  return {dx * scale.width(), dy * scale.height()};
}

AlignPoint alignDisplacement(const AlignBox& moving, int movingCode, const AlignBox& fixed,
                             int fixedCode, double dx, double dy) {
  const std::optional<CodeClass> kind = classOfCode(movingCode);
  assert(kind && kind == classOfCode(fixedCode) && "codes of one class");
  const AlignPoint from = pointOfCode(moving, movingCode);
  const AlignPoint to = pointOfCode(fixed, fixedCode);
  AlignPoint move{to.x - from.x + dx, to.y - from.y + dy};
  if (kind == CodeClass::HorizontalLine)
    move.x = 0.0;
  else if (kind == CodeClass::VerticalLine)
    move.y = 0.0;
  return move;
}

BesidePlacement placeBeside(const AlignBox& moving, const AlignBox& fixed, double gap) {
  const bool left = moving.maxX < fixed.minX;
  const bool right = moving.minX > fixed.maxX;
  const bool below = moving.maxY < fixed.minY;
  const bool above = moving.minY > fixed.maxY;
  const bool overlapX = !left && !right;
  const bool overlapY = !below && !above;
  BesidePlacement placement;
  if (left && overlapY)
    placement.move = AlignPoint{fixed.minX - gap - moving.maxX, 0.0};
  else if (right && overlapY)
    placement.move = AlignPoint{fixed.maxX + gap - moving.minX, 0.0};
  else if (overlapX && below)
    placement.move = AlignPoint{0.0, fixed.minY - gap - moving.maxY};
  else if (overlapX && above)
    placement.move = AlignPoint{0.0, fixed.maxY + gap - moving.minY};
  else if (right && above)
    placement.arrangement = 2;
  else if (left && above)
    placement.arrangement = 4;
  else if (left && below)
    placement.arrangement = 6;
  else if (right && below)
    placement.arrangement = 8;
  else
    placement.arrangement = 9;
  return placement;
}

}  // namespace zek
