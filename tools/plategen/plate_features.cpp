// Machining features of generated plates and the entities that draw them.
#include "plate_features.h"

#include <cmath>
#include <iterator>
#include <numbers>
#include <string>

namespace zek::plategen {

namespace {

struct Weighted {
  FeatureKind kind;
  int weight;
  int sizes;  // how many standard sizes the kind has
};

// The mix of a typical plate, tuned so a drawing averages about 180 bytes an entity.
constexpr Weighted kMix[] = {
    {FeatureKind::Drill, 6, 6},       {FeatureKind::CodedHole, 14, 6},
    {FeatureKind::Counterbore, 10, 4}, {FeatureKind::Tap, 10, 4},
    {FeatureKind::Dowel, 5, 3},       {FeatureKind::Guide, 4, 2},
    {FeatureKind::Ejector, 10, 3},    {FeatureKind::Water, 4, 3},
    {FeatureKind::Slot, 14, 4},       {FeatureKind::Pocket, 8, 4},
    {FeatureKind::RoundPocket, 10, 4}, {FeatureKind::BoltCircle, 4, 2},
    {FeatureKind::WireCut, 3, 2},
};

constexpr double kDrill[] = {3.3, 4.2, 5.0, 6.5, 8.5, 10.5};
constexpr const char* kDrillCode = "ABCDEF";
// Hole and head (or thread) diameters, and the counterbore or thread depth.
struct Screw { const char* name; double hole; double head; double depth; };
constexpr Screw kCounterbore[] = {{"M4", 4.5, 8.0, 4.4}, {"M5", 5.5, 9.5, 5.4},
                                  {"M6", 6.6, 11.0, 6.5}, {"M8", 9.0, 14.0, 8.6}};
constexpr Screw kTap[] = {{"M4", 3.3, 4.0, 8.0}, {"M5", 4.2, 5.0, 10.0},
                          {"M6", 5.0, 6.0, 12.0}, {"M8", 6.8, 8.0, 16.0}};
constexpr double kDowel[] = {6.0, 8.0, 10.0};
constexpr double kGuide[] = {12.0, 16.0};
constexpr double kEjector[] = {3.5, 4.5, 6.5};
constexpr double kWater[] = {6.0, 8.0, 10.0};
constexpr double kLabelHeight = 2.5;

// The bulge of a quarter circle: tan(90 degrees / 4).
const double kQuarterBulge = std::tan(std::numbers::pi / 8);

std::string diameterText(double d) { return "%%C" + sizeText(d); }

void writeSlot(EntityWriter& out, const std::string& layer, const Feature& f, double cx,
               double cy) {
  double half = 7.0 + f.size;  // 14 to 20 mm long
  double r = 3.0;
  bool vertical = f.size % 2 == 1;
  double ux = vertical ? 0 : 1, uy = vertical ? 1 : 0;  // along the slot
  double nx = -uy, ny = ux;                              // across it, to the left
  double ax = cx - ux * half, ay = cy - uy * half, bx = cx + ux * half, by = cy + uy * half;
  // Counter-clockwise: along the right side, round the far end, back, round the near end.
  PolyVertex ccw[4] = {{ax - nx * r, ay - ny * r, 0}, {bx - nx * r, by - ny * r, 1},
                       {bx + nx * r, by + ny * r, 0}, {ax + nx * r, ay + ny * r, 1}};
  PolyVertex cw[4] = {{ax + nx * r, ay + ny * r, 0}, {bx + nx * r, by + ny * r, -1},
                      {bx - nx * r, by - ny * r, 0}, {ax - nx * r, ay - ny * r, -1}};
  out.polyline(layer, f.reversed ? cw : ccw, true);
}

void writePocket(EntityWriter& out, const std::string& layer, const Feature& f, double cx,
                 double cy, bool rounded) {
  double hw = 9.0 + f.size, hh = 7.0 + f.size;
  double x0 = cx - hw, x1 = cx + hw, y0 = cy - hh, y1 = cy + hh;
  EntityStyle style;
  if (f.reversed)
    style.colour = 6;  // a pocket the shop marks in its own colour
  if (!rounded) {
    PolyVertex box[4] = {{x0, y0, 0}, {x1, y0, 0}, {x1, y1, 0}, {x0, y1, 0}};
    out.polyline(layer, box, true, style);
    return;
  }
  double rc = 3.0, b = kQuarterBulge;
  PolyVertex box[8] = {{x0 + rc, y0, 0}, {x1 - rc, y0, b}, {x1, y0 + rc, 0}, {x1, y1 - rc, b},
                       {x1 - rc, y1, 0}, {x0 + rc, y1, b}, {x0, y1 - rc, 0}, {x0, y0 + rc, b}};
  out.polyline(layer, box, true, style);
}

void writeBoltCircle(EntityWriter& out, const PlateLayers& layers, const Feature& f, double cx,
                     double cy, HoleCounters& counters) {
  double pcd = f.size == 0 ? 18.0 : 20.0;
  out.circle(layers.nameFor(LayerRole::Center), cx, cy, pcd / 2);
  for (int i = 0; i < 4; ++i) {
    double angle = std::numbers::pi / 4 + i * std::numbers::pi / 2;
    out.circle(layers.drillLayer(counters.drill++), cx + pcd / 2 * std::cos(angle),
               cy + pcd / 2 * std::sin(angle), 1.65);
  }
}

void writeWireCut(EntityWriter& out, const std::string& layer, const Feature& f, double cx,
                  double cy) {
  double r = 4.0, h = 4.0 + f.size;
  out.line(layer, cx + r, cy - h, cx + r, cy + h);
  out.arc(layer, cx, cy + h, r, 0.0, 180.0);
  out.line(layer, cx - r, cy + h, cx - r, cy - h);
  out.arc(layer, cx, cy - h, r, 180.0, 360.0);
}

}  // namespace

std::string sizeText(double value) {
  std::string text = realText(value);
  if (text.ends_with(".0"))
    text.resize(text.size() - 2);
  return text;
}

int entityCostOf(FeatureKind kind) {
  switch (kind) {
    case FeatureKind::Drill: case FeatureKind::Water: case FeatureKind::Slot:
    case FeatureKind::Pocket: case FeatureKind::RoundPocket:
      return 1;
    case FeatureKind::CodedHole: case FeatureKind::Guide: case FeatureKind::Ejector:
      return 2;
    case FeatureKind::Counterbore: case FeatureKind::Tap: case FeatureKind::Dowel:
      return 3;
    case FeatureKind::WireCut:
      return 4;
    case FeatureKind::BoltCircle:
      return 5;
  }
  return 1;
}

Feature randomFeature(Rng& rng, int maxEntities) {
  int total = 0;
  for (const Weighted& w : kMix)
    total += w.weight;
  int pick = rng.uniform(0, total - 1);
  const Weighted* chosen = &kMix[0];
  for (const Weighted& w : kMix) {
    if (pick < w.weight) {
      chosen = &w;
      break;
    }
    pick -= w.weight;
  }
  if (entityCostOf(chosen->kind) > maxEntities)
    chosen = &kMix[0];  // the plain drill hole always fits
  Feature f;
  f.kind = chosen->kind;
  f.size = static_cast<std::uint8_t>(rng.uniform(0, chosen->sizes - 1));
  f.dx = static_cast<std::int16_t>(rng.uniform(-2000, 2000));
  f.dy = static_cast<std::int16_t>(rng.uniform(-2000, 2000));
  f.reversed = rng.chance(30);
  return f;
}

void writeFeature(EntityWriter& out, const PlateLayers& layers, const Feature& f, double cx,
                  double cy, HoleCounters& counters) {
  cx += f.dx / 1000.0;
  cy += f.dy / 1000.0;
  const std::string& text = layers.nameFor(LayerRole::Text);
  switch (f.kind) {
    case FeatureKind::Drill:
      out.circle(layers.drillLayer(counters.drill++), cx, cy, kDrill[f.size] / 2);
      return;
    case FeatureKind::CodedHole: {
      double r = kDrill[f.size] / 2;
      out.circle(layers.nameFor(LayerRole::HoleDrill), cx, cy, r);
      std::string code = kDrillCode[f.size] + std::to_string(++counters.coded);
      out.text(text, cx + r + 1.0, cy + r * 0.5, kLabelHeight, code);
      return;
    }
    case FeatureKind::Counterbore: {
      const Screw& s = kCounterbore[f.size];
      out.circle(layers.nameFor(LayerRole::HoleCbore), cx, cy, s.hole / 2);
      out.circle(layers.nameFor(LayerRole::HoleCbore), cx, cy, s.head / 2);
      out.text(text, cx, cy - s.head / 2 - 3.0, kLabelHeight,
               diameterText(s.hole) + " THRU " + diameterText(s.head) + " DP" +
                   sizeText(s.depth),
               TextAlign::MiddleCentre);
      return;
    }
    case FeatureKind::Tap: {
      const Screw& s = kTap[f.size];
      out.circle(layers.nameFor(LayerRole::HoleTap), cx, cy, s.hole / 2);
      // A tapped hole shows its thread as three quarters of a circle.
      out.arc(layers.nameFor(LayerRole::Thread), cx, cy, s.head / 2, 0.0, 270.0);
      out.text(text, cx + s.head / 2 + 1.0, cy + 1.0, kLabelHeight,
               std::string(s.name) + " DP" + sizeText(s.depth));
      return;
    }
    case FeatureKind::Dowel: {
      double r = kDowel[f.size] / 2, arm = r + 2.0;
      out.circle(layers.nameFor(LayerRole::HoleDowel), cx, cy, r);
      out.line(layers.nameFor(LayerRole::Center), cx - arm, cy, cx + arm, cy);
      out.line(layers.nameFor(LayerRole::Center), cx, cy - arm, cx, cy + arm);
      return;
    }
    case FeatureKind::Guide: {
      double r = kGuide[f.size] / 2;
      out.circle(layers.nameFor(LayerRole::HoleGuide), cx, cy, r);
      out.text(text, cx + r * 0.7 + 0.5, cy + r * 0.7 + 0.5, kLabelHeight,
               "G" + std::to_string(++counters.guide));
      return;
    }
    case FeatureKind::Ejector: {
      double d = kEjector[f.size];
      out.circle(layers.nameFor(LayerRole::HoleEject), cx, cy, d / 2);
      out.text(text, cx, cy - d / 2 - 2.5, kLabelHeight, diameterText(d),
               TextAlign::MiddleCentre);
      return;
    }
    case FeatureKind::Water: {
      EntityStyle style;
      if (f.reversed)
        style = {5, "HIDDEN"};  // a cooling hole drawn over its layer's settings
      out.circle(layers.nameFor(LayerRole::HoleWater), cx, cy, kWater[f.size] / 2, style);
      return;
    }
    case FeatureKind::Slot:
      writeSlot(out, layers.nameFor(f.size < 2 ? LayerRole::Slot : LayerRole::WireCut), f, cx,
                cy);
      return;
    case FeatureKind::Pocket:
      writePocket(out, layers.nameFor(f.reversed ? LayerRole::MillFront : LayerRole::Pocket), f,
                  cx, cy, false);
      return;
    case FeatureKind::RoundPocket:
      writePocket(out, layers.nameFor(LayerRole::MillBack), f, cx, cy, true);
      return;
    case FeatureKind::BoltCircle:
      writeBoltCircle(out, layers, f, cx, cy, counters);
      return;
    case FeatureKind::WireCut:
      writeWireCut(out, layers.nameFor(LayerRole::WireCut), f, cx, cy);
      return;
  }
}

}  // namespace zek::plategen
