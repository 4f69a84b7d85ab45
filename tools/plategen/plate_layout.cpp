// Planning and writing the plates of a generated sheet.
#include "plate_layout.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <string>

#include "rng.h"

namespace zek::plategen {

namespace {

constexpr std::uint32_t kMinPlate = 40;
constexpr std::uint32_t kMaxPlate = 140;
constexpr int kOutlineEntities = 8;
constexpr double kMargin = 15.0;  // from the plate edge to the cell grid
constexpr double kGap = 20.0;     // between plates on the sheet

// The outline in the plate's own coordinates (lower-left corner at 0,0).
void writeOutline(EntityWriter& out, const std::string& layer, const PlatePlan& p, double r,
                  int count, OutlineCorners corners) {
  double x0 = 0, y0 = 0, x1 = p.width, y1 = p.height;
  // A chamfer joins the ends of the two edges meeting at the corner.
  auto chamfer = [&](int i) {
    switch (i) {
      case 1: out.line(layer, x1 - r, y0, x1, y0 + r); break;
      case 3: out.line(layer, x1, y1 - r, x1 - r, y1); break;
      case 5: out.line(layer, x0 + r, y1, x0, y1 - r); break;
      default: out.line(layer, x0, y0 + r, x0 + r, y0); break;
    }
  };
  // Bottom, right, top and left edges, each followed by the corner after it.
  auto step = [&](int i) {
    if (i % 2 == 1 && corners == OutlineCorners::Chamfered)
      return chamfer(i);
    switch (i) {
      case 0: out.line(layer, x0 + r, y0, x1 - r, y0); break;
      case 1: out.arc(layer, x1 - r, y0 + r, r, 270.0, 360.0); break;
      case 2: out.line(layer, x1, y0 + r, x1, y1 - r); break;
      case 3: out.arc(layer, x1 - r, y1 - r, r, 0.0, 90.0); break;
      case 4: out.line(layer, x1 - r, y1, x0 + r, y1); break;
      case 5: out.arc(layer, x0 + r, y1 - r, r, 90.0, 180.0); break;
      case 6: out.line(layer, x0, y1 - r, x0, y0 + r); break;
      default: out.arc(layer, x0 + r, y0 + r, r, 180.0, 270.0); break;
    }
  };
  for (int i = 0; i < count; ++i)
    step(i);
}

}  // namespace

PlateContent plateContent(std::uint64_t seed, std::uint32_t budget) {
  Rng rng(seed);
  PlateContent c;
  c.cornerRadius = rng.chance(50) ? 5.0 : 8.0;
  if (rng.chance(75)) {
    int turn = rng.uniform(1, 30);
    c.degrees = rng.chance(50) ? turn : -turn;
  }
  c.outlineEntities = static_cast<int>(std::min<std::uint32_t>(budget, kOutlineEntities));
  int left = static_cast<int>(budget) - c.outlineEntities;
  if (left >= 2) {
    c.titled = true;
    left -= 2;
  }
  while (left > 0) {
    Feature f = randomFeature(rng, left);
    left -= entityCostOf(f.kind);
    c.features.push_back(f);
  }
  // A few cells stay empty so the holes do not form a perfect array.
  int cells = static_cast<int>(c.features.size() + c.features.size() / 6) + 1;
  double aspect = 1.0 + rng.uniform(0, 6) / 10.0;
  c.columns = std::max(3, static_cast<int>(std::ceil(std::sqrt(cells * aspect))));
  c.rows = std::max(2, (cells + c.columns - 1) / c.columns);
  c.width = c.columns * kCellSize + 2 * kMargin;
  c.height = c.rows * kCellSize + 2 * kMargin;
  std::vector<int> order(static_cast<std::size_t>(c.columns * c.rows));
  std::iota(order.begin(), order.end(), 0);
  for (std::size_t i = order.size(); i > 1; --i)
    std::swap(order[i - 1],
              order[static_cast<std::size_t>(rng.uniform(0, static_cast<int>(i) - 1))]);
  c.cellOf.assign(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(c.features.size()));
  return c;
}

SheetPlan planSheet(std::uint64_t entities, std::uint64_t seed) {
  return planSheet(entities, seed, nullptr);
}

SheetPlan planSheet(std::uint64_t entities, std::uint64_t seed, ReserveFn reserve) {
  SheetPlan sheet;
  Rng rng(seed);
  std::uint64_t left = entities;
  double area = 0;
  while (left > 0) {
    auto budget = static_cast<std::uint32_t>(rng.uniform(kMinPlate, kMaxPlate));
    if (left < budget + kMinPlate)
      budget = static_cast<std::uint32_t>(left);
    PlatePlan p;
    p.seed = partSeed(seed, sheet.plates.size());
    p.budget = budget;
    p.reserved = reserve ? std::min(reserve(budget), budget) : 0;
    PlateContent c = contentOf(p);
    p.width = c.width;
    p.height = c.height;
    p.degrees = c.degrees;
    double radians = std::abs(c.degrees) * std::numbers::pi / 180;
    // Whole millimetres, so the next plate in the row starts on a round number.
    p.boxWidth = std::ceil(c.width * std::cos(radians) + c.height * std::sin(radians));
    p.boxHeight = std::ceil(c.width * std::sin(radians) + c.height * std::cos(radians));
    area += (p.boxWidth + kGap) * (p.boxHeight + kGap);
    sheet.plates.push_back(p);
    left -= budget;
  }
  // Rows about as wide as the sheet is high.
  double rowLimit = std::max(1000.0, std::sqrt(area));
  double x = 0, y = 0, rowHeight = 0;
  Extents2d& e = sheet.extents;
  for (PlatePlan& p : sheet.plates) {
    if (x > 0 && x + p.boxWidth > rowLimit) {
      x = 0;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    p.x = x;
    p.y = y;
    x += p.boxWidth + kGap;
    rowHeight = std::max(rowHeight, p.boxHeight);
    e.maxX = std::max(e.maxX, p.x + p.boxWidth);
    e.maxY = std::max(e.maxY, p.y + p.boxHeight);
  }
  return sheet;
}

PlateContent contentOf(const PlatePlan& plate) {
  return plateContent(plate.seed, plate.budget - plate.reserved);
}

Placement placementOf(const PlatePlan& plate) {
  Placement placement{plate.x, plate.y, plate.degrees};
  if (plate.degrees != 0) {
    // Turned about the plate's centre, which sits at the centre of its box.
    double radians = plate.degrees * std::numbers::pi / 180;
    double hw = plate.width / 2, hh = plate.height / 2;
    placement.x = plate.x + plate.boxWidth / 2 - (hw * std::cos(radians) - hh * std::sin(radians));
    placement.y = plate.y + plate.boxHeight / 2 - (hw * std::sin(radians) + hh * std::cos(radians));
  }
  return placement;
}

Point2 featureCentre(const PlateContent& c, std::size_t i) {
  int cell = c.cellOf[i];
  const Feature& f = c.features[i];
  return {kMargin + (cell % c.columns + 0.5) * kCellSize + f.dx / 1000.0,
          kMargin + (cell / c.columns + 0.5) * kCellSize + f.dy / 1000.0};
}

void writePlate(EntityWriter& out, const PlateLayers& layers, const PlatePlan& plate,
                std::size_t number, OutlineCorners corners) {
  PlateContent c = contentOf(plate);
  out.setPlacement(placementOf(plate));
  writeOutline(out, layers.nameFor(LayerRole::Outline), plate, c.cornerRadius,
               c.outlineEntities, corners);
  if (c.titled) {
    out.text(layers.nameFor(LayerRole::Text), 8.0, 5.0, 3.5, "P" + std::to_string(number));
    out.text(layers.nameFor(LayerRole::Dim), 30.0, 5.0, 2.5,
             sizeText(plate.width) + " x " + sizeText(plate.height) + " x 36");
  }
  HoleCounters counters;
  for (std::size_t i = 0; i < c.features.size(); ++i) {
    int cell = c.cellOf[i];
    double cx = kMargin + (cell % c.columns + 0.5) * kCellSize;
    double cy = kMargin + (cell / c.columns + 0.5) * kCellSize;
    writeFeature(out, layers, c.features[i], cx, cy, counters);
  }
}

}  // namespace zek::plategen
