// The two plates of the sample die set. The strip runs along x through the
// middle of the die plate; its three punches cut through wire-cut openings in
// the die plate and pass the stripper plate through openings of the same
// shape above them, so both plates place the openings, the pilot clearance
// holes and the inner guides from one list, the stripper 40 mm in from the
// die plate's left edge and 50 mm up from its bottom edge.
#include "plate_drawing.h"

namespace zek::plategen {

namespace {

// Where the stripper's datum lies in the die plate's coordinates.
constexpr Point2 kStripperOnDie{40.0, 50.0};

// The punch openings along the strip, in die plate coordinates: a rectangle,
// an obround and an L with their wire start holes.
void addStripOpenings(PlateLayout& plate, Point2 shift) {
  auto at = [&](double x, double y) { return Point2{x - shift.x, y - shift.y}; };
  Contour rectangle;
  rectangle.corners = {at(85, 138), at(135, 138), at(135, 162), at(85, 162)};
  rectangle.cornerRadius = 3.0;
  Contour obround;
  obround.shape = Contour::Shape::Obround;
  obround.centre = at(200, 150);
  obround.length = 50.0;
  obround.width = 18.0;
  Contour ell;
  ell.corners = {at(265, 134), at(315, 134), at(315, 166), at(295, 166), at(295, 150),
                 at(265, 150)};
  ell.cornerRadius = 2.0;
  plate.openings = {rectangle, obround, ell};
  for (Point2 start : {at(92, 150), at(190, 150), at(275, 142)})
    plate.holes.push_back({HoleCode::W, start.x, start.y});
}

// Pilot clearance holes on both sides of the strip and the inner guides the
// stripper runs on, in die plate coordinates.
void addStripHoles(PlateLayout& plate, Point2 shift) {
  for (double y : {122.0, 178.0})
    for (double x : {65.0, 110.0, 155.0, 200.0, 245.0, 290.0, 335.0})
      plate.holes.push_back({HoleCode::F1, x - shift.x, y - shift.y});
  for (Point2 p : {Point2{60, 70}, Point2{340, 70}, Point2{60, 230}, Point2{340, 230}})
    plate.holes.push_back({HoleCode::A2, p.x - shift.x, p.y - shift.y});
}

void addHoles(PlateLayout& plate, HoleCode code, std::initializer_list<Point2> centres) {
  for (Point2 p : centres)
    plate.holes.push_back({code, p.x, p.y});
}

void addTitle(PlateLayout& plate, const char* name, const char* material, const char* thickness) {
  plate.notes.push_back({0.0, -20.0, 7.0, name});
  plate.notes.push_back({0.0, -30.0, 5.0, material});
  plate.notes.push_back({0.0, -38.0, 5.0, thickness});
  plate.notes.push_back({0.0, -46.0, 5.0, "未注倒角C0.5"});  // chamfers not shown: C0.5
}

}  // namespace

PlateLayout diePlate() {
  PlateLayout plate;
  plate.width = 400.0;
  plate.height = 300.0;
  plate.chamfer = 5.0;
  // Main guide bushes at the corners, the fourth 5 mm off so the die set goes
  // together one way only.
  addHoles(plate, HoleCode::A1, {{35, 35}, {365, 35}, {365, 265}, {40, 265}});
  addStripHoles(plate, {0, 0});
  addHoles(plate, HoleCode::B1, {{20, 125}, {20, 175}, {380, 125}, {380, 175}});
  addHoles(plate, HoleCode::B2, {{95, 20}, {165, 20}, {235, 20}, {305, 20},
                                 {95, 280}, {165, 280}, {235, 280}, {305, 280}});
  addHoles(plate, HoleCode::B3, {{130, 70}, {270, 70}, {130, 230}, {270, 230}});
  // M6 round the pocket for its cover, and at both ends of the strip line.
  addHoles(plate, HoleCode::C1,
           {{155, 240}, {245, 240}, {200, 265}, {200, 212}, {20, 150}, {380, 150}});
  addHoles(plate, HoleCode::C2, {{180, 50}, {220, 50}, {180, 75}, {220, 75}});
  addHoles(plate, HoleCode::D, {{20, 80}, {380, 80}, {20, 220}, {380, 220}});
  addHoles(plate, HoleCode::E, {{60, 150}, {155, 150}, {245, 150}, {340, 150},
                                {150, 85}, {250, 85}, {150, 215}, {250, 215}});
  addHoles(plate, HoleCode::F2, {{100, 45}, {300, 45}, {100, 255}, {300, 255}});
  addHoles(plate, HoleCode::G, {{110, 85}, {290, 85}, {110, 215}, {290, 215}});
  addStripOpenings(plate, {0, 0});

  Contour pocket;
  pocket.corners = {{165, 225}, {235, 225}, {235, 255}, {165, 255}};
  pocket.cornerRadius = 5.0;
  plate.pockets = {pocket};
  // Two channels drilled in from the left edge, on either side of the strip.
  plate.channels = {{100.0, 0.0, 330.0, 8.0}, {200.0, 0.0, 330.0, 8.0}};
  plate.notes.push_back({168.0, 238.0, 3.5, "POCKET DP8"});
  addTitle(plate, "DIE PLATE 400 x 300 x 40", "MATERIAL SKD11  HRC58-62", "THICKNESS 40");
  return plate;
}

PlateLayout stripperPlate() {
  PlateLayout plate;
  plate.width = 320.0;
  plate.height = 200.0;
  plate.chamfer = 3.0;
  addStripHoles(plate, kStripperOnDie);
  // Stripper bolts thread into the plate from above.
  addHoles(plate, HoleCode::C2, {{60, 30}, {160, 30}, {260, 30}, {60, 170}, {160, 170},
                                 {260, 170}});
  addStripOpenings(plate, kStripperOnDie);
  addTitle(plate, "STRIPPER PLATE 320 x 200 x 25", "MATERIAL SKD11  HRC55-58", "THICKNESS 25");
  return plate;
}

}  // namespace zek::plategen
