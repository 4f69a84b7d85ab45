// Writing the benchmark drawing: plategen's frame and plates, with the
// ordinate dimensions and their blocks added plate by plate. Every pass over
// the plates recomputes a plate from its seed, so nothing is kept per entity
// and a million entities stream straight to the file.
#include "bench_drawing.h"

#include <cassert>
#include <fstream>

#include "drawing_frame.h"
#include "ordinate_dimensions.h"
#include "plate_layout.h"

namespace zek::benchgen {

namespace {

using namespace plategen;

// Handles of one dimension block after the entities: its block record, BLOCK,
// ENDBLK, then its leader and text.
constexpr std::uint64_t kHandlesPerBlock = 3 + kEntitiesPerDimensionBlock;

std::string blockName(std::uint64_t number) { return "*D" + std::to_string(number); }

struct BlockHandles {
  std::uint64_t record, begin, end, firstEntity;
};

class DimensionBlocks {
public:
  DimensionBlocks(const SheetPlan& sheet, const PlateLayers& layers, bool r12,
                  std::uint64_t firstHandle)
      : sheet_(sheet), layers_(layers), r12_(r12), firstHandle_(firstHandle) {}

  [[nodiscard]] BlockHandles handles(std::uint64_t index) const {
    std::uint64_t base = firstHandle_ + index * kHandlesPerBlock;
    return {base, base + 1, base + 2, base + 3};
  }

  void writeRecords(DxfTextWriter& out) const {
    std::uint64_t index = 0;
    for (const PlatePlan& plate : sheet_.plates)
      for (std::uint32_t i = 0; i < plate.reserved; ++i, ++index) {
        BlockHandles h = handles(index);
        out.text(0, "BLOCK_RECORD");
        out.handle(5, h.record);
        out.handle(330, frame::kBlockRecordTable);
        out.text(100, "AcDbSymbolTableRecord");
        out.text(100, "AcDbBlockTableRecord");
        out.text(2, blockName(index + 1));
        out.integer(70, 0);
        out.integer(280, 1);
        out.integer(281, 0);
      }
  }

  // The blocks with their geometry; answers the entities written in them.
  std::uint64_t writeBlocks(DxfTextWriter& out) const {
    std::uint64_t index = 0, entities = 0;
    const std::string& layer = layers_.nameFor(LayerRole::Dim);
    for (const PlatePlan& plate : sheet_.plates) {
      if (plate.reserved == 0)
        continue;
      auto dimensions = plateDimensions(contentOf(plate), plate.reserved);
      for (const OrdinateDimension& d : dimensions) {
        BlockHandles h = handles(index);
        std::string name = blockName(++index);
        beginBlock(out, h, name);
        EntityWriter inside(out, h.firstEntity, h.record,
                            r12_ ? EntityDialect::R12 : EntityDialect::Modern);
        inside.setPlacement(placementOf(plate));
        writeDimensionGeometry(inside, layer, d);
        entities += inside.written();
        endBlock(out, h);
      }
    }
    return entities;
  }

private:
  void beginBlock(DxfTextWriter& out, const BlockHandles& h, const std::string& name) const {
    out.text(0, "BLOCK");
    if (!r12_) {
      out.handle(5, h.begin);
      out.handle(330, h.record);
      out.text(100, "AcDbEntity");
    }
    out.text(8, "0");
    if (!r12_)
      out.text(100, "AcDbBlockBegin");
    out.text(2, name);
    out.integer(70, 1);  // anonymous
    out.point(10, 0.0, 0.0, 0.0);
    out.text(3, name);
    out.text(1, "");
  }

  void endBlock(DxfTextWriter& out, const BlockHandles& h) const {
    out.text(0, "ENDBLK");
    if (!r12_) {
      out.handle(5, h.end);
      out.handle(330, h.record);
      out.text(100, "AcDbEntity");
    }
    out.text(8, "0");
    if (!r12_)
      out.text(100, "AcDbBlockEnd");
  }

  const SheetPlan& sheet_;
  const PlateLayers& layers_;
  bool r12_;
  std::uint64_t firstHandle_;
};

// The dimensions reach past each plate's left and bottom edges by their
// leader and text; the plates' gap takes them, the extents say so.
constexpr double kDimensionReach = 20.0;

}  // namespace

std::optional<DxfVersion> parseVersion(std::string_view name) {
  if (name == "R2004")
    return DxfVersion::R2004;
  if (name == "R12")
    return DxfVersion::R12;
  return std::nullopt;
}

const char* versionName(DxfVersion version) {
  return version == DxfVersion::R12 ? "R12" : "R2004";
}

const char* acadVer(DxfVersion version) {
  return version == DxfVersion::R12 ? "AC1009" : "AC1018";
}

std::optional<BenchSummary> writeBenchDrawing(const BenchOptions& options, std::ostream& out) {
  bool r12 = options.version == DxfVersion::R12;
  PlateLayers layers(kBenchLayers);
  SheetPlan sheet = planSheet(options.entities, options.seed, dimensionsFor);
  std::uint64_t dimensions = 0;
  for (const PlatePlan& plate : sheet.plates)
    dimensions += plate.reserved;

  std::uint64_t firstEntity = firstEntityHandle(layers.layers());
  DimensionBlocks blocks(sheet, layers, r12, firstEntity + options.entities);
  std::uint64_t blockEntities = 0;
  FrameInfo frame{layers.layers(), sheet.extents, options.entities};
  frame.extents.minX -= kDimensionReach;
  frame.extents.minY -= kDimensionReach;
  frame.version = r12 ? FrameVersion::R12 : FrameVersion::R2004;
  frame.extraHandles = dimensions * kHandlesPerBlock;
  frame.extraBlockRecords = dimensions;
  frame.writeBlockRecords = [&](DxfTextWriter& w) { blocks.writeRecords(w); };
  frame.writeBlocks = [&](DxfTextWriter& w) { blockEntities = blocks.writeBlocks(w); };

  DxfTextWriter writer(out);
  writeFrameHead(writer, frame);
  EntityWriter entities(writer, firstEntity, frame::kModelSpaceRecord,
                        r12 ? EntityDialect::R12 : EntityDialect::Modern);
  const std::string& dimLayer = layers.nameFor(LayerRole::Dim);
  std::uint64_t block = 0;
  for (std::size_t i = 0; i < sheet.plates.size(); ++i) {
    const PlatePlan& plate = sheet.plates[i];
    // Every other plate has chamfered corners, as die plates are often drawn.
    writePlate(entities, layers, plate, i + 1,
               i % 2 ? OutlineCorners::Chamfered : OutlineCorners::Rounded);
    if (plate.reserved == 0)
      continue;
    for (const OrdinateDimension& d : plateDimensions(contentOf(plate), plate.reserved))
      writeDimensionEntity(entities, dimLayer, blockName(++block), d, plate.degrees);
  }
  writeFrameTail(writer, frame.version);
  assert(entities.written() == options.entities && "each plate writes exactly its budget");
  assert(block == dimensions);
  if (!writer.finish())
    return std::nullopt;

  BenchSummary summary;
  summary.drawing = summaryOf(entities, handSeedOf(frame), sheet.plates.size(),
                              writer.bytesWritten());
  summary.dimensions = dimensions;
  summary.blockEntities = blockEntities;
  summary.version = options.version;
  return summary;
}

std::optional<BenchSummary> writeBenchDrawingFile(const BenchOptions& options,
                                                  const std::string& path) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file)
    return std::nullopt;
  auto summary = writeBenchDrawing(options, file);
  file.close();
  if (!summary || !file)
    return std::nullopt;
  return summary;
}

std::string summaryLine(const std::string& path, const BenchSummary& s) {
  const DrawingSummary& d = s.drawing;
  std::string line = path + ": " + versionName(s.version) + " (" + acadVer(s.version) + "), " +
                     std::to_string(d.entities) + " entities, " + std::to_string(d.bytes) +
                     " bytes, " + std::to_string(d.plates) + " plates:";
  for (std::size_t t = 0; t < kEntityTypeCount; ++t) {
    auto type = static_cast<EntityType>(t);
    const char* name = type == EntityType::LwPolyline && s.version == DxfVersion::R12
                           ? "POLYLINE"
                           : entityTypeName(type);
    line += std::string(" ") + name + " " + std::to_string(d.of(type));
  }
  line += " DIMENSION " + std::to_string(s.dimensions) + "; the " +
          std::to_string(s.dimensions) + " dimension blocks hold " +
          std::to_string(s.blockEntities) + " more (LINE and TEXT), not counted";
  return line;
}

}  // namespace zek::benchgen
