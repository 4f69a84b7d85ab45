// The sample mould plate: one cavity plate of 200 x 150 mm as a drawing office
// draws it, with guide, screw, dowel, ejector, tapped and drilled holes, a
// pocket, two slots, cooling channels and the hole callouts.
#include <cmath>
#include <numbers>
#include <sstream>

#include "drawing_frame.h"
#include "plate_generator.h"
#include "plate_layers.h"

namespace zek::plategen {

namespace {

struct Point {
  double x;
  double y;
};

void drawOutline(EntityWriter& out, const PlateLayers& layers) {
  const std::string& layer = layers.nameFor(LayerRole::Outline);
  out.line(layer, 5.0, 0.0, 195.0, 0.0);
  out.arc(layer, 195.0, 5.0, 5.0, 270.0, 360.0);
  out.line(layer, 200.0, 5.0, 200.0, 145.0);
  out.arc(layer, 195.0, 145.0, 5.0, 0.0, 90.0);
  out.line(layer, 195.0, 150.0, 5.0, 150.0);
  out.arc(layer, 5.0, 145.0, 5.0, 90.0, 180.0);
  out.line(layer, 0.0, 145.0, 0.0, 5.0);
  out.arc(layer, 5.0, 5.0, 5.0, 180.0, 270.0);
}

void drawMountingHoles(EntityWriter& out, const PlateLayers& layers) {
  const std::string& text = layers.nameFor(LayerRole::Text);
  // Guide holes; the fourth sits 4 mm off so the plate goes in one way only.
  const Point guides[] = {{18, 18}, {182, 18}, {182, 132}, {18, 128}};
  for (int i = 0; i < 4; ++i) {
    out.circle(layers.nameFor(LayerRole::HoleGuide), guides[i].x, guides[i].y, 8.0);
    out.text(text, guides[i].x + 6.5, guides[i].y + 6.5, 2.5, "G" + std::to_string(i + 1));
  }
  // Socket-head screws M8: the through hole and its counterbore.
  const Point screws[] = {{60, 14}, {140, 14}, {60, 136}, {140, 136}};
  for (int i = 0; i < 4; ++i) {
    out.circle(layers.nameFor(LayerRole::HoleCbore), screws[i].x, screws[i].y, 4.5);
    out.circle(layers.nameFor(LayerRole::HoleCbore), screws[i].x, screws[i].y, 7.0);
    out.text(text, screws[i].x + 8.0, screws[i].y - 1.0, 2.5, "B" + std::to_string(i + 1));
  }
  out.text(text, 70.0, 22.0, 2.5, "4-%%C9 THRU %%C14 DP8.6");
  // Dowel holes with their centre crosses.
  for (double y : {14.0, 136.0}) {
    out.circle(layers.nameFor(LayerRole::HoleDowel), 100.0, y, 4.0);
    out.line(layers.nameFor(LayerRole::Center), 94.0, y, 106.0, y);
    out.line(layers.nameFor(LayerRole::Center), 100.0, y - 6.0, 100.0, y + 6.0);
  }
  out.text(text, 106.0, 139.0, 2.5, "2-%%C8 H7");
  // Drilled holes along the edges.
  const Point drills[] = {{190, 50}, {190, 62}, {190, 75}, {190, 88}, {190, 100},
                          {10, 50},  {10, 100}, {40, 10},  {160, 10}, {40, 140}, {160, 140}};
  for (const Point& p : drills)
    out.circle(layers.nameFor(LayerRole::HoleDrill), p.x, p.y, 2.1);
  out.text(text, 176.0, 104.0, 2.5, "11-%%C4.2");
}

void drawCavity(EntityWriter& out, const PlateLayers& layers) {
  const std::string& text = layers.nameFor(LayerRole::Text);
  // The pocket: 110 x 70 with corners of radius 8, drawn counter-clockwise.
  const double b = std::tan(std::numbers::pi / 8);
  const PolyVertex pocket[8] = {{53, 40, 0},  {147, 40, b}, {155, 48, 0},  {155, 102, b},
                                {147, 110, 0}, {53, 110, b}, {45, 102, 0}, {45, 48, b}};
  out.polyline(layers.nameFor(LayerRole::Pocket), pocket, true);
  // Ejector pins in two rows, each hole with its code.
  int code = 0;
  for (double y : {52.0, 98.0})
    for (double x : {60.0, 85.0, 115.0, 140.0}) {
      out.circle(layers.nameFor(LayerRole::HoleEject), x, y, 3.25);
      out.text(text, x + 4.5, y + 2.0, 2.5, "A" + std::to_string(++code));
    }
  out.text(text, 60.0, 45.0, 2.5, "%%C6.5", TextAlign::MiddleCentre);
  // Sprue bushing in the middle, with its seat.
  out.circle(layers.nameFor(LayerRole::HoleDrill), 100.0, 75.0, 6.0);
  out.circle(layers.nameFor(LayerRole::HoleCbore), 100.0, 75.0, 10.0);
  // Four M6 tapped holes on a 30 mm pitch circle, at 45 degrees.
  out.circle(layers.nameFor(LayerRole::Center), 100.0, 75.0, 15.0);
  for (int i = 0; i < 4; ++i) {
    double angle = std::numbers::pi / 4 + i * std::numbers::pi / 2;
    double x = 100.0 + 15.0 * std::cos(angle), y = 75.0 + 15.0 * std::sin(angle);
    out.circle(layers.nameFor(LayerRole::HoleTap), x, y, 2.5);
    out.arc(layers.nameFor(LayerRole::Thread), x, y, 3.0, 0.0, 270.0);
  }
  out.text(text, 118.0, 74.0, 2.5, "4-M6 DP12");
  // Cover screws in the pocket floor.
  for (const Point& p : {Point{72, 62}, Point{128, 62}, Point{72, 88}, Point{128, 88}})
    out.circle(layers.nameFor(LayerRole::HoleDrill), p.x, p.y, 1.65);
  // Centre lines of the cavity.
  out.line(layers.nameFor(LayerRole::Center), 40.0, 75.0, 160.0, 75.0);
  out.line(layers.nameFor(LayerRole::Center), 100.0, 35.0, 100.0, 115.0);
}

void drawSlotsAndChannels(EntityWriter& out, const PlateLayers& layers) {
  // Two slots 8 wide: the left one counter-clockwise, the right one clockwise.
  const PolyVertex left[4] = {{32, 55, 0}, {32, 95, 1}, {24, 95, 0}, {24, 55, 1}};
  const PolyVertex right[4] = {{168, 55, 0}, {168, 95, -1}, {176, 95, 0}, {176, 55, -1}};
  out.polyline(layers.nameFor(LayerRole::Slot), left, true);
  out.polyline(layers.nameFor(LayerRole::Slot), right, true);
  // A cooling channel drilled in from the left edge, shown hidden.
  out.line(layers.nameFor(LayerRole::HoleWater), 0.0, 71.0, 20.0, 71.0);
  out.line(layers.nameFor(LayerRole::HoleWater), 0.0, 79.0, 20.0, 79.0);
  out.line(layers.nameFor(LayerRole::HoleWater), 20.0, 71.0, 20.0, 79.0);
  // The datum the ordinates are measured from.
  out.line(layers.nameFor(LayerRole::Datum), -6.0, 0.0, 6.0, 0.0);
  out.line(layers.nameFor(LayerRole::Datum), 0.0, -6.0, 0.0, 6.0);
  out.text(layers.nameFor(LayerRole::Text), 0.0, -12.0, 5.0, "CAVITY PLATE 200 x 150 x 36  S50C");
}

}  // namespace

std::optional<DrawingSummary> writeSamplePlate(std::ostream& out) {
  PlateLayers layers(kStandardLayerCount);
  // The entities go first into a buffer: the header needs their count.
  std::ostringstream body;
  DxfTextWriter bodyWriter(body);
  EntityWriter entities(bodyWriter, firstEntityHandle(layers), frame::kModelSpaceRecord);
  drawOutline(entities, layers);
  drawMountingHoles(entities, layers);
  drawCavity(entities, layers);
  drawSlotsAndChannels(entities, layers);
  if (!bodyWriter.finish())
    return std::nullopt;

  FrameInfo frame{&layers, {-6.0, -12.0, 200.0, 150.0}, entities.written()};
  DxfTextWriter writer(out);
  writeFrameHead(writer, frame);
  writer.verbatim(body.str());
  writeFrameTail(writer);
  if (!writer.finish())
    return std::nullopt;
  return summaryOf(entities, handSeedOf(frame), 1, writer.bytesWritten());
}

}  // namespace zek::plategen
