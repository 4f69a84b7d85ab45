// A sample plate as its drafter lays it out: outline with chamfered corners,
// holes from the hole catalogue, wire-cut openings, milled pockets, cooling
// channels and notes, in the plate's own coordinates (the datum, the lower-left
// corner, at 0,0). drawPlate turns the layout into entities.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "drawing_frame.h"
#include "entity_writer.h"
#include "hole_kinds.h"
#include "plate_generator.h"
#include "rounded_contour.h"

namespace zek::plategen {

struct Hole {
  HoleCode code;
  double x;
  double y;
};

// A closed contour: a polygon with rounded corners (one LWPOLYLINE) or an
// obround slot (two LINE and two ARC).
struct Contour {
  enum class Shape { RoundedPolygon, Obround };
  Shape shape = Shape::RoundedPolygon;
  std::vector<Point2> corners;  // RoundedPolygon, counter-clockwise
  double cornerRadius = 0;
  Point2 centre;                // Obround: lying along x
  double length = 0;            // end to end
  double width = 0;
};

// A cooling channel drilled along x from `fromX` (the plate edge) to `toX`,
// where the drill point ends it.
struct Channel {
  double y = 0;
  double fromX = 0;
  double toX = 0;
  double diameter = 0;
};

struct Note {
  double x = 0;
  double y = 0;
  double height = 0;
  std::string text;  // UTF-8
  TextAlign align = TextAlign::Left;
};

struct PlateLayout {
  double width = 0;
  double height = 0;
  double chamfer = 0;             // 45 degrees at all four corners
  std::vector<Hole> holes;
  std::vector<Contour> openings;  // WIRE-CUT, each with its W start hole among the holes
  std::vector<Contour> pockets;   // MILL-FRONT
  std::vector<Channel> channels;  // HOLE-WATER
  std::vector<Note> notes;        // TEXT: name, material, thickness, general notes
};

// Where a hole's code stands.
enum class LabelStyle {
  // To the upper right of the hole, 0.8 beyond its outer circle, 3.5 high: the
  // machinist's reading, clear of the circles.
  BesideHole,
  // On the hole, 2.5 high: the text starts three quarters of the outer radius
  // right of the centre and its middle sits on the hole's horizontal centre
  // line, so a hole table that looks for each label within 1.3 radii of a
  // hole's centre finds the hole for the smallest kinds as well.
  OnHole,
};

struct LabelPlacement {
  double x = 0;  // insertion point, in the plate's coordinates
  double y = 0;
  double height = 0;
};

// Where the code of `hole` stands in `style`.
[[nodiscard]] LabelPlacement labelPlacement(const Hole& hole, LabelStyle style);

// The die plate of the samples: 400 x 300 x 40.
[[nodiscard]] PlateLayout diePlate();

// The stripper plate that works over the die plate: 320 x 200 x 25, its
// openings and inner guides above those of the die plate.
[[nodiscard]] PlateLayout stripperPlate();

// Writes the plate with its datum at the writer's placement, each hole's code
// in `labels` style.
void drawPlate(EntityWriter& out, const PlateLayout& plate,
               LabelStyle labels = LabelStyle::BesideHole);

// Everything drawPlate writes, in the plate's own coordinates (texts taken as
// no wider than the plate).
[[nodiscard]] Extents2d extentsOf(const PlateLayout& plate);

struct PlacedPlate {
  PlateLayout layout;
  Point2 datum;  // where the plate's lower-left corner lies in the drawing
};

// Writes a drawing of the plates on the sample drawings' layers (the shipped
// layer standard), the holes' codes in `labels` style; nothing when the
// stream fails.
[[nodiscard]] std::optional<DrawingSummary> writePlateDrawing(
    const std::vector<PlacedPlate>& plates, std::ostream& out,
    LabelStyle labels = LabelStyle::BesideHole);

}  // namespace zek::plategen
