// The sample drawings: the die plate alone (its codes beside the holes or on
// them), and the die plate with its stripper plate beside it, on the layers of the shipped layer standard; and
// the writer of such drawings that the generated plate shares.
#include <algorithm>
#include <sstream>

#include "drawing_frame.h"
#include "plate_drawing.h"
#include "plate_generator.h"
#include "sample_layers.h"

namespace zek::plategen {

namespace {

// The gap between the plates of the pair.
constexpr double kPairGap = 30.0;

Extents2d extentsOf(const std::vector<PlacedPlate>& plates) {
  Extents2d all;
  for (std::size_t i = 0; i < plates.size(); ++i) {
    Extents2d e = extentsOf(plates[i].layout);
    const Point2& at = plates[i].datum;
    Extents2d placed{e.minX + at.x, e.minY + at.y, e.maxX + at.x, e.maxY + at.y};
    if (i == 0) {
      all = placed;
      continue;
    }
    all = {std::min(all.minX, placed.minX), std::min(all.minY, placed.minY),
           std::max(all.maxX, placed.maxX), std::max(all.maxY, placed.maxY)};
  }
  return all;
}

std::vector<PlacedPlate> samplePair() {
  PlateLayout die = diePlate();
  PlateLayout stripper = stripperPlate();
  // Side by side, the stripper level with the middle of the die plate.
  Point2 stripperAt{die.width + kPairGap, (die.height - stripper.height) / 2};
  return {{std::move(die), {0.0, 0.0}}, {std::move(stripper), stripperAt}};
}

}  // namespace

std::optional<DrawingSummary> writePlateDrawing(const std::vector<PlacedPlate>& plates,
                                                std::ostream& out, LabelStyle labels) {
  std::span<const LayerSpec> layers = sampleLayers();
  // The entities go first into a buffer: the header needs their count.
  std::ostringstream body;
  DxfTextWriter bodyWriter(body);
  EntityWriter entities(bodyWriter, firstEntityHandle(layers), frame::kModelSpaceRecord);
  for (const PlacedPlate& plate : plates) {
    entities.setPlacement({plate.datum.x, plate.datum.y, 0.0});
    drawPlate(entities, plate.layout, labels);
  }
  if (!bodyWriter.finish())
    return std::nullopt;

  FrameInfo frame{layers, extentsOf(plates), entities.written()};
  DxfTextWriter writer(out);
  writeFrameHead(writer, frame);
  writer.verbatim(body.str());
  writeFrameTail(writer);
  if (!writer.finish())
    return std::nullopt;
  return summaryOf(entities, handSeedOf(frame), plates.size(), writer.bytesWritten());
}

std::optional<DrawingSummary> writeSamplePlate(std::ostream& out) {
  return writePlateDrawing({{diePlate(), {0.0, 0.0}}}, out);
}

std::optional<DrawingSummary> writeSamplePair(std::ostream& out) {
  return writePlateDrawing(samplePair(), out);
}

std::optional<DrawingSummary> writeSampleTablePlate(std::ostream& out) {
  return writePlateDrawing({{diePlate(), {0.0, 0.0}}}, out, LabelStyle::OnHole);
}

}  // namespace zek::plategen
