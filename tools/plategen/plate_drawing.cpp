// Drawing a sample plate's layout: outline, centre lines, datum, contours,
// channels, holes with their labels, notes.
#include "plate_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zek::plategen {

namespace {

constexpr double kCentreOvershoot = 5.0;  // centre lines stand out past the outline
constexpr double kDatumArm = 10.0;        // the datum mark at the lower-left corner
constexpr double kCrossOvershoot = 3.0;   // a centre cross past its hole
constexpr double kLabelHeight = 3.5;
constexpr double kLabelGap = 0.8;         // between a hole's outer circle and its label
constexpr double kOnHoleHeight = 2.5;     // a label written on its hole
constexpr double kOnHoleInset = 0.75;     // its start, in outer radii right of the centre

// The outline: four edges and four 45-degree chamfers, counter-clockwise from
// the bottom edge, all LINE as the drafter draws them.
void drawOutline(EntityWriter& out, const PlateLayout& p) {
  const double w = p.width, h = p.height, c = p.chamfer;
  const Point2 path[] = {{c, 0}, {w - c, 0}, {w, c},     {w, h - c},
                         {w - c, h}, {c, h}, {0, h - c}, {0, c}};
  for (std::size_t i = 0; i < std::size(path); ++i) {
    const Point2& a = path[i];
    const Point2& b = path[(i + 1) % std::size(path)];
    out.line("OUTLINE", a.x, a.y, b.x, b.y);
  }
}

// The datum is the corner the two reference edges would make without the
// chamfer: two arms meet there from outside the plate, clear of the outline.
void drawCentreLinesAndDatum(EntityWriter& out, const PlateLayout& p) {
  out.line("CENTER", -kCentreOvershoot, p.height / 2, p.width + kCentreOvershoot, p.height / 2);
  out.line("CENTER", p.width / 2, -kCentreOvershoot, p.width / 2, p.height + kCentreOvershoot);
  out.line("DATUM", -kDatumArm, 0.0, 0.0, 0.0);
  out.line("DATUM", 0.0, -kDatumArm, 0.0, 0.0);
}

void drawContour(EntityWriter& out, const char* layer, const Contour& c) {
  if (c.shape == Contour::Shape::RoundedPolygon) {
    std::vector<PolyVertex> vertices = roundedPolygon(c.corners, c.cornerRadius);
    out.polyline(layer, vertices, true);
    return;
  }
  // The obround counter-clockwise: bottom side, right end, top side, left end.
  const double r = c.width / 2, half = c.length / 2 - r;
  const double left = c.centre.x - half, right = c.centre.x + half;
  out.line(layer, left, c.centre.y - r, right, c.centre.y - r);
  out.arc(layer, right, c.centre.y, r, 270.0, 90.0);
  out.line(layer, right, c.centre.y + r, left, c.centre.y + r);
  out.arc(layer, left, c.centre.y, r, 90.0, 270.0);
}

// Both walls of the drilled channel and its 118-degree drill point.
void drawChannel(EntityWriter& out, const Channel& c) {
  const double r = c.diameter / 2;
  const double tip = c.toX + r / std::tan(59.0 * std::numbers::pi / 180);
  out.line("HOLE-WATER", c.fromX, c.y - r, c.toX, c.y - r);
  out.line("HOLE-WATER", c.fromX, c.y + r, c.toX, c.y + r);
  out.line("HOLE-WATER", c.toX, c.y - r, tip, c.y);
  out.line("HOLE-WATER", c.toX, c.y + r, tip, c.y);
}

// The hole's circles in its form, then its code in `labels` style.
void drawHole(EntityWriter& out, const Hole& hole, LabelStyle labels) {
  const HoleKind& kind = holeKind(hole.code);
  const double r = kind.diameter / 2, outer = outerRadius(kind);
  out.circle(kind.layer, hole.x, hole.y, r);
  switch (kind.form) {
    case HoleForm::Plain:
      break;
    case HoleForm::Counterbore:
      out.circle(kind.layer, hole.x, hole.y, outer);
      break;
    case HoleForm::Tapped:
      // The thread's major diameter, open in the fourth quadrant.
      out.arc(kind.extraLayer, hole.x, hole.y, outer, 0.0, 270.0);
      break;
    case HoleForm::Centred: {
      const double arm = r + kCrossOvershoot;
      out.line(kind.extraLayer, hole.x - arm, hole.y, hole.x + arm, hole.y);
      out.line(kind.extraLayer, hole.x, hole.y - arm, hole.x, hole.y + arm);
      break;
    }
  }
  const LabelPlacement at = labelPlacement(hole, labels);
  out.text(kind.labelLayer, at.x, at.y, at.height, kind.label);
}

}  // namespace

LabelPlacement labelPlacement(const Hole& hole, LabelStyle style) {
  const double outer = outerRadius(holeKind(hole.code));
  if (style == LabelStyle::OnHole)
    // Half the text height below the centre line puts the text's middle on it.
    return {hole.x + kOnHoleInset * outer, hole.y - kOnHoleHeight / 2, kOnHoleHeight};
  const double offset = outer * std::numbers::sqrt2 / 2 + kLabelGap;
  return {hole.x + offset, hole.y + offset, kLabelHeight};
}

void drawPlate(EntityWriter& out, const PlateLayout& plate, LabelStyle labels) {
  drawOutline(out, plate);
  drawCentreLinesAndDatum(out, plate);
  for (const Contour& opening : plate.openings)
    drawContour(out, "WIRE-CUT", opening);
  for (const Contour& pocket : plate.pockets)
    drawContour(out, "MILL-FRONT", pocket);
  for (const Channel& channel : plate.channels)
    drawChannel(out, channel);
  for (const Hole& hole : plate.holes)
    drawHole(out, hole, labels);
  for (const Note& note : plate.notes)
    out.text("TEXT", note.x, note.y, note.height, note.text, note.align);
}

Extents2d extentsOf(const PlateLayout& plate) {
  Extents2d e{-std::max(kDatumArm, kCentreOvershoot), -std::max(kDatumArm, kCentreOvershoot),
              plate.width + kCentreOvershoot, plate.height + kCentreOvershoot};
  for (const Note& note : plate.notes)
    e.minY = std::min(e.minY, note.y);
  return e;
}

}  // namespace zek::plategen
