// The plate boundary rectangle and its outline.
#include "boundary_rectangle.h"

#include <cmath>

namespace zek {

namespace {

// tan(π/8): the bulge of a quarter circle turning left.
constexpr double kQuarterCircleBulge = 0.41421356237309503;
// What every side keeps beside its two corners.
constexpr double kSideReserve = 0.1;

struct CornerFrame {
  Point2 corner;
  Point2 incoming;  // unit direction along the outline arriving at the corner
  Point2 outgoing;  // unit direction leaving it
};

// The corners counter-clockwise from the bottom left, with the sides that
// meet there.
std::array<CornerFrame, 4> cornerFrames(const Box& r) {
  return {{
      {{r.minX, r.minY}, {0.0, -1.0}, {1.0, 0.0}},
      {{r.maxX, r.minY}, {1.0, 0.0}, {0.0, 1.0}},
      {{r.maxX, r.maxY}, {0.0, 1.0}, {-1.0, 0.0}},
      {{r.minX, r.maxY}, {-1.0, 0.0}, {0.0, -1.0}},
  }};
}

// The vertices one corner contributes, in outline order.
void addCorner(Outline& outline, const CornerFrame& frame, double value) {
  const CornerKind kind = cornerKindOf(value);
  if (kind == CornerKind::Sharp) {
    outline.push_back({frame.corner.x, frame.corner.y, 0.0});
    return;
  }
  const double size = std::fabs(value);
  const Point2 before = frame.corner - size * frame.incoming;
  const Point2 after = frame.corner + size * frame.outgoing;
  const double bulge = kind == CornerKind::Radius ? kQuarterCircleBulge : 0.0;
  outline.push_back({before.x, before.y, bulge});
  outline.push_back({after.x, after.y, 0.0});
}

}  // namespace

double roundToHalfUnit(double value) {
  const double whole = std::floor(value);
  const double fraction = value - whole;
  if (fraction < 0.05)
    return whole;
  if (fraction < 0.55)
    return whole + 0.5;
  return whole + 1.0;
}

Box plateRectangle(const Box& selectionBox, double offset) {
  const double width = roundToHalfUnit(selectionBox.maxX - selectionBox.minX + 2.0 * offset);
  const double height = roundToHalfUnit(selectionBox.maxY - selectionBox.minY + 2.0 * offset);
  const double centreX = (selectionBox.minX + selectionBox.maxX) / 2.0;
  const double centreY = (selectionBox.minY + selectionBox.maxY) / 2.0;
  return {centreX - width / 2.0, centreY - height / 2.0, centreX + width / 2.0,
          centreY + height / 2.0};
}

bool cornersFit(const Box& rectangle, const CornerValues& corners) {
  const double width = rectangle.maxX - rectangle.minX;
  const double height = rectangle.maxY - rectangle.minY;
  const double c1 = std::fabs(corners[0]);
  const double c2 = std::fabs(corners[1]);
  const double c3 = std::fabs(corners[2]);
  const double c4 = std::fabs(corners[3]);
  return !(width < c1 + c2 + kSideReserve || width < c4 + c3 + kSideReserve ||
           height < c4 + c1 + kSideReserve || height < c2 + c3 + kSideReserve);
}

Outline boundaryOutline(const Box& rectangle, const CornerValues& corners) {
  Outline outline;
  const std::array<CornerFrame, 4> frames = cornerFrames(rectangle);
  for (int i = 0; i < 4; ++i)
    addCorner(outline, frames[i], corners[i]);
  // A rounded or chamfered first corner gave the point before it first: it
  // belongs at the end, so the outline starts after corner 1 and closes
  // back through the point before it.
  if (cornerKindOf(corners[0]) != CornerKind::Sharp) {
    const OutlineVertex before = outline.front();
    outline.erase(outline.begin());
    outline.push_back(before);
  }
  return outline;
}

std::optional<Outline> plateBoundary(const Box& selectionBox, const BoundarySettings& settings) {
  const Box rectangle = plateRectangle(selectionBox, settings.offset);
  if (!cornersFit(rectangle, settings.corners))
    return std::nullopt;
  return boundaryOutline(rectangle, settings.corners);
}

}  // namespace zek
