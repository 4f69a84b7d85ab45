// Entity records of generated drawings in the R2018 group layout.
#include "entity_writer.h"

#include <cmath>
#include <numbers>

namespace zek::plategen {

const char* entityTypeName(EntityType type) {
  switch (type) {
    case EntityType::Line: return "LINE";
    case EntityType::Circle: return "CIRCLE";
    case EntityType::Arc: return "ARC";
    case EntityType::LwPolyline: return "LWPOLYLINE";
    case EntityType::Text: return "TEXT";
  }
  return "";
}

EntityWriter::EntityWriter(DxfTextWriter& out, std::uint64_t firstHandle,
                           std::uint64_t ownerHandle, EntityDialect dialect)
    : out_(out), nextHandle_(firstHandle), owner_(ownerHandle), dialect_(dialect) {}

void EntityWriter::setPlacement(const Placement& placement) {
  placement_ = placement;
  if (placement.degrees == 0) {
    cos_ = 1;  // exact, so an unturned plate's coordinates are just moved
    sin_ = 0;
    return;
  }
  double radians = placement.degrees * std::numbers::pi / 180;
  cos_ = std::cos(radians);
  sin_ = std::sin(radians);
}

void EntityWriter::placedPoint(int code, double x, double y, bool is3d) {
  double px = placement_.x + (sin_ == 0 ? x : x * cos_ - y * sin_);
  double py = placement_.y + (sin_ == 0 ? y : x * sin_ + y * cos_);
  if (is3d)
    out_.point(code, px, py, 0.0);
  else
    out_.point2(code, px, py);
}

double EntityWriter::placedAngle(double degrees) const {
  if (placement_.degrees == 0)
    return degrees;
  double turned = std::fmod(degrees + placement_.degrees, 360.0);
  return turned < 0 ? turned + 360.0 : turned;
}

void EntityWriter::head(std::string_view typeName, std::string_view layer, EntityStyle style) {
  out_.text(0, typeName);
  if (dialect_ == EntityDialect::Modern) {
    out_.handle(5, nextHandle_++);
    out_.handle(330, owner_);
    out_.text(100, "AcDbEntity");
  }
  out_.text(8, layer);
  if (style.linetype)
    out_.text(6, style.linetype);
  if (style.colour != 256)
    out_.integer(62, style.colour);
}

void EntityWriter::marker(std::string_view subclass) {
  if (dialect_ == EntityDialect::Modern)
    out_.text(100, subclass);
}

void EntityWriter::begin(EntityType type, std::string_view layer, EntityStyle style) {
  const char* name = type == EntityType::LwPolyline && dialect_ == EntityDialect::R12
                         ? "POLYLINE"
                         : entityTypeName(type);
  head(name, layer, style);
  ++written_;
  ++byType_[static_cast<std::size_t>(type)];
}

void EntityWriter::beginOther(std::string_view typeName, std::string_view layer) {
  head(typeName, layer, {});
  ++written_;
}

void EntityWriter::line(std::string_view layer, double x1, double y1, double x2, double y2,
                        EntityStyle style) {
  begin(EntityType::Line, layer, style);
  marker("AcDbLine");
  placedPoint(10, x1, y1);
  placedPoint(11, x2, y2);
}

void EntityWriter::circle(std::string_view layer, double cx, double cy, double radius,
                          EntityStyle style) {
  begin(EntityType::Circle, layer, style);
  marker("AcDbCircle");
  placedPoint(10, cx, cy);
  out_.real(40, radius);
}

void EntityWriter::arc(std::string_view layer, double cx, double cy, double radius,
                       double startDegrees, double endDegrees, EntityStyle style) {
  begin(EntityType::Arc, layer, style);
  marker("AcDbCircle");
  placedPoint(10, cx, cy);
  out_.real(40, radius);
  marker("AcDbArc");
  out_.real(50, placedAngle(startDegrees));
  out_.real(51, placedAngle(endDegrees));
}

void EntityWriter::polyline(std::string_view layer, std::span<const PolyVertex> vertices,
                            bool closed, EntityStyle style) {
  begin(EntityType::LwPolyline, layer, style);
  if (dialect_ == EntityDialect::R12) {
    r12Polyline(layer, vertices, closed, style);
    return;
  }
  marker("AcDbPolyline");
  out_.integer(90, static_cast<long long>(vertices.size()));
  out_.integer(70, closed ? 1 : 0);
  out_.real(43, 0.0);
  for (const PolyVertex& v : vertices) {
    placedPoint(10, v.x, v.y, false);
    if (v.bulge != 0)
      out_.real(42, v.bulge);
  }
}

// The R12 form of a polyline: the POLYLINE header (begun by the caller),
// each vertex as a VERTEX and a closing SEQEND, all on the polyline's layer.
void EntityWriter::r12Polyline(std::string_view layer, std::span<const PolyVertex> vertices,
                               bool closed, EntityStyle style) {
  out_.integer(66, 1);
  out_.point(10, 0.0, 0.0, 0.0);
  out_.integer(70, closed ? 1 : 0);
  for (const PolyVertex& v : vertices) {
    head("VERTEX", layer, style);
    placedPoint(10, v.x, v.y);
    if (v.bulge != 0)
      out_.real(42, v.bulge);
  }
  head("SEQEND", layer, style);
}

void EntityWriter::text(std::string_view layer, double x, double y, double height,
                        std::string_view value, TextAlign align, double rotationDegrees) {
  begin(EntityType::Text, layer, {});
  marker("AcDbText");
  placedPoint(10, x, y);
  out_.real(40, height);
  out_.text(1, value);
  double rotation = placedAngle(rotationDegrees);
  if (rotation != 0)
    out_.real(50, rotation);
  if (align == TextAlign::MiddleCentre) {
    out_.integer(72, 1);
    placedPoint(11, x, y);
  }
  marker("AcDbText");
  if (align == TextAlign::MiddleCentre)
    out_.integer(73, 2);
}

}  // namespace zek::plategen
