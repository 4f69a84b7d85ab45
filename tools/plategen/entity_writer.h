// EntityWriter: writes the model-space entities of a generated drawing (LINE,
// CIRCLE, ARC, LWPOLYLINE, TEXT) with handle, owner and subclass markers, and
// counts what it wrote.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "dxf_text_writer.h"

namespace zek::plategen {

enum class EntityType { Line, Circle, Arc, LwPolyline, Text };
inline constexpr std::size_t kEntityTypeCount = 5;

// The DXF entity name of `type` ("LWPOLYLINE").
[[nodiscard]] const char* entityTypeName(EntityType type);

// Properties an entity may set over its layer's: colour 256 and no linetype
// mean "ByLayer" and are not written.
struct EntityStyle {
  int colour = 256;
  const char* linetype = nullptr;
};

struct PolyVertex {
  double x = 0;
  double y = 0;
  double bulge = 0;  // tan(included angle / 4) of the segment to the next vertex
};

enum class TextAlign { Left, MiddleCentre };

// Where coordinates given to the writer land in the drawing: turned by
// `degrees` counter-clockwise about the given origin, then moved to (x, y).
struct Placement {
  double x = 0;
  double y = 0;
  double degrees = 0;
};

// The group layout entities are written in: R2000 and later (handle, owner,
// subclass markers, LWPOLYLINE), or R12 (none of these; a polyline as
// POLYLINE, VERTEX and SEQEND).
enum class EntityDialect { Modern, R12 };

class EntityWriter {
public:
  // Entities get handles from `firstHandle` on and belong to the block record
  // `ownerHandle` (*Model_Space).
  EntityWriter(DxfTextWriter& out, std::uint64_t firstHandle, std::uint64_t ownerHandle,
               EntityDialect dialect = EntityDialect::Modern);

  // Places the entities written from now on (a plate's own coordinates).
  void setPlacement(const Placement& placement);

  void line(std::string_view layer, double x1, double y1, double x2, double y2,
            EntityStyle style = {});
  void circle(std::string_view layer, double cx, double cy, double radius, EntityStyle style = {});
  // Angles in degrees, counter-clockwise from `startDegrees` to `endDegrees`.
  void arc(std::string_view layer, double cx, double cy, double radius, double startDegrees,
           double endDegrees, EntityStyle style = {});
  void polyline(std::string_view layer, std::span<const PolyVertex> vertices, bool closed,
                EntityStyle style = {});
  void text(std::string_view layer, double x, double y, double height, std::string_view value,
            TextAlign align = TextAlign::Left, double rotationDegrees = 0);

  // Starts an entity of a type without a method here (DIMENSION): its name,
  // then handle, owner and entity marker as the dialect has them, and the
  // layer. It counts in written() but in no type of writtenOf().
  void beginOther(std::string_view typeName, std::string_view layer);
  // A point in the placed coordinates (`code`, `code + 10`, `code + 20`) and
  // an angle turned with the placement, for entities begun by beginOther.
  void placedPoint(int code, double x, double y, bool is3d = true);
  [[nodiscard]] double placedAngle(double degrees) const;
  [[nodiscard]] DxfTextWriter& stream() { return out_; }
  [[nodiscard]] EntityDialect dialect() const { return dialect_; }

  [[nodiscard]] std::uint64_t written() const { return written_; }
  [[nodiscard]] std::uint64_t writtenOf(EntityType type) const {
    return byType_[static_cast<std::size_t>(type)];
  }
  [[nodiscard]] std::uint64_t nextHandle() const { return nextHandle_; }

private:
  void begin(EntityType type, std::string_view layer, EntityStyle style);
  void head(std::string_view typeName, std::string_view layer, EntityStyle style);
  void marker(std::string_view subclass);
  void r12Polyline(std::string_view layer, std::span<const PolyVertex> vertices, bool closed,
                   EntityStyle style);

  DxfTextWriter& out_;
  std::uint64_t nextHandle_;
  std::uint64_t owner_;
  EntityDialect dialect_;
  Placement placement_;
  double cos_ = 1;
  double sin_ = 0;
  std::uint64_t written_ = 0;
  std::array<std::uint64_t, kEntityTypeCount> byType_{};
};

}  // namespace zek::plategen
