// AcDbPolyline: the vertex list with its bulges, the widths and vertex
// identifiers kept beside it only when used, and the plane. The curve
// queries live in polyline_geometry.cpp, the filing in polyline_filing.cpp.
#include "db_polyline.h"

#include <cmath>

#include "db/curves/curve_math.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbPolyline, AcDbCurve, "LWPOLYLINE",
                           []() -> AcRxObject* { return new AcDbPolyline; })

using namespace zek::curve;

namespace {
constexpr Adesk::Int16 kClosedFlag = 1;
constexpr Adesk::Int16 kPlinegenFlag = 128;
}  // namespace

AcDbPolyline::AcDbPolyline(unsigned int numVerts) { vertices_.reserve(numVerts); }

unsigned int AcDbPolyline::numVerts() const {
  assertReadEnabled();
  return static_cast<unsigned int>(vertices_.size());
}

const std::vector<zek::PolylineVertex>& AcDbPolyline::vertices() const {
  assertReadEnabled();
  return vertices_;
}

void AcDbPolyline::fitSideVectors() {
  if (!widths_.empty())
    widths_.resize(vertices_.size(), zek::SegmentWidths{constantWidth_, constantWidth_});
  if (!vertexIds_.empty())
    vertexIds_.resize(vertices_.size(), 0);
}

Acad::ErrorStatus AcDbPolyline::addVertexAt(unsigned int index, const AcGePoint2d& point,
                                            double bulge, double startWidth, double endWidth) {
  assertWriteEnabled();
  if (index > vertices_.size())
    return Acad::eInvalidIndex;
  if (!std::isfinite(point.x) || !std::isfinite(point.y) || !std::isfinite(bulge))
    return Acad::eInvalidInput;
  const double start = startWidth < 0.0 ? constantWidth_ : startWidth;
  const double end = endWidth < 0.0 ? constantWidth_ : endWidth;
  vertices_.insert(vertices_.begin() + index, zek::PolylineVertex{point, bulge});
  if (!vertexIds_.empty())
    vertexIds_.insert(vertexIds_.begin() + index, 0);
  if (!widths_.empty()) {
    widths_.insert(widths_.begin() + index, zek::SegmentWidths{start, end});
  } else if (start != constantWidth_ || end != constantWidth_) {
    // The first vertex with widths of its own: every other keeps the constant one.
    widths_.assign(vertices_.size(), zek::SegmentWidths{constantWidth_, constantWidth_});
    widths_[index] = {start, end};
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::removeVertexAt(unsigned int index) {
  assertWriteEnabled();
  if (!hasVertex(index))
    return Acad::eInvalidIndex;
  vertices_.erase(vertices_.begin() + index);
  if (!widths_.empty())
    widths_.erase(widths_.begin() + index);
  if (!vertexIds_.empty())
    vertexIds_.erase(vertexIds_.begin() + index);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getPointAt(unsigned int index, AcGePoint2d& point) const {
  assertReadEnabled();
  if (!hasVertex(index))
    return Acad::eInvalidIndex;
  point = vertices_[index].point;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getPointAt(unsigned int index, AcGePoint3d& point) const {
  assertReadEnabled();
  if (!hasVertex(index))
    return Acad::eInvalidIndex;
  const AcGePoint2d& p = vertices_[index].point;
  point = ocsToWcs(AcGePoint3d(p.x, p.y, elevation_), normal_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setPointAt(unsigned int index, const AcGePoint2d& point) {
  assertWriteEnabled();
  if (!hasVertex(index))
    return Acad::eInvalidIndex;
  vertices_[index].point = point;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getBulgeAt(unsigned int index, double& bulge) const {
  assertReadEnabled();
  if (!hasVertex(index))
    return Acad::eInvalidIndex;
  bulge = vertices_[index].bulge;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setBulgeAt(unsigned int index, double bulge) {
  assertWriteEnabled();
  if (!hasVertex(index))
    return Acad::eInvalidIndex;
  if (!std::isfinite(bulge))
    return Acad::eInvalidInput;
  vertices_[index].bulge = bulge;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getWidthsAt(unsigned int index, double& startWidth,
                                            double& endWidth) const {
  assertReadEnabled();
  if (!hasVertex(index))
    return Acad::eInvalidIndex;
  if (widths_.empty()) {
    startWidth = endWidth = constantWidth_;
  } else {
    startWidth = widths_[index].start;
    endWidth = widths_[index].end;
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setWidthsAt(unsigned int index, double startWidth,
                                            double endWidth) {
  assertWriteEnabled();
  if (!hasVertex(index))
    return Acad::eInvalidIndex;
  if (!(startWidth >= 0.0) || !(endWidth >= 0.0))
    return Acad::eInvalidInput;
  if (widths_.empty()) {
    if (startWidth == constantWidth_ && endWidth == constantWidth_)
      return Acad::eOk;  // nothing differs from the constant width: stay compact
    widths_.assign(vertices_.size(), zek::SegmentWidths{constantWidth_, constantWidth_});
  }
  widths_[index] = {startWidth, endWidth};
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getConstantWidth(double& width) const {
  assertReadEnabled();
  if (widths_.empty()) {
    width = constantWidth_;
    return Acad::eOk;
  }
  for (const zek::SegmentWidths& w : widths_)
    if (w.start != widths_.front().start || w.end != widths_.front().start)
      return Acad::eNotApplicable;
  width = widths_.front().start;
  return Acad::eOk;
}

double AcDbPolyline::constantWidth() const {
  assertReadEnabled();
  return constantWidth_;
}

Acad::ErrorStatus AcDbPolyline::setConstantWidth(double width) {
  assertWriteEnabled();
  if (!(width >= 0.0) || !std::isfinite(width))
    return Acad::eInvalidInput;
  constantWidth_ = width;
  widths_.clear();
  widths_.shrink_to_fit();
  return Acad::eOk;
}

bool AcDbPolyline::hasWidths() const {
  assertReadEnabled();
  return !widths_.empty();
}

bool AcDbPolyline::hasWidth() const {
  assertReadEnabled();
  if (widths_.empty())
    return constantWidth_ != 0.0;
  for (const zek::SegmentWidths& w : widths_)
    if (w.start != 0.0 || w.end != 0.0)
      return true;
  return false;
}

bool AcDbPolyline::hasBulges() const {
  assertReadEnabled();
  for (const zek::PolylineVertex& v : vertices_)
    if (v.bulge != 0.0)
      return true;
  return false;
}

bool AcDbPolyline::isClosed() const {
  assertReadEnabled();
  return (flags_ & kClosedFlag) != 0;
}

void AcDbPolyline::setClosed(bool closed) {
  assertWriteEnabled();
  flags_ = static_cast<Adesk::Int16>(closed ? flags_ | kClosedFlag : flags_ & ~kClosedFlag);
}

bool AcDbPolyline::hasPlinegen() const {
  assertReadEnabled();
  return (flags_ & kPlinegenFlag) != 0;
}

void AcDbPolyline::setPlinegen(bool plinegen) {
  assertWriteEnabled();
  flags_ = static_cast<Adesk::Int16>(plinegen ? flags_ | kPlinegenFlag : flags_ & ~kPlinegenFlag);
}

double AcDbPolyline::elevation() const {
  assertReadEnabled();
  return elevation_;
}

void AcDbPolyline::setElevation(double elevation) {
  assertWriteEnabled();
  elevation_ = elevation;
}

AcGeVector3d AcDbPolyline::normal() const {
  assertReadEnabled();
  return normal_;
}

Acad::ErrorStatus AcDbPolyline::setNormal(const AcGeVector3d& normal) {
  assertWriteEnabled();
  AcGeVector3d unit;
  if (!unitNormal(normal, unit))
    return Acad::eInvalidInput;
  normal_ = unit;
  return Acad::eOk;
}

double AcDbPolyline::thickness() const {
  assertReadEnabled();
  return thickness_;
}

Acad::ErrorStatus AcDbPolyline::setThickness(double thickness) {
  assertWriteEnabled();
  if (!std::isfinite(thickness))
    return Acad::eInvalidInput;
  thickness_ = thickness;
  return Acad::eOk;
}

AcDbPolyline::SegType AcDbPolyline::segType(unsigned int index) const {
  assertReadEnabled();
  const std::size_t n = vertices_.size();
  if (n == 0 || index >= n)
    return kEmpty;
  if (n == 1)
    return kPoint;
  if (index == n - 1 && !isClosed())
    return kEmpty;  // the last vertex of an open polyline starts no segment
  const zek::PolylineVertex& a = vertices_[index];
  const zek::PolylineVertex& b = vertices_[(index + 1) % n];
  if (a.point == b.point)
    return kCoincident;
  return a.bulge != 0.0 ? kArc : kLine;
}

bool AcDbPolyline::hasVertexIdentifiers() const {
  assertReadEnabled();
  return !vertexIds_.empty();
}

Adesk::Int32 AcDbPolyline::vertexIdentifierAt(unsigned int index) const {
  assertReadEnabled();
  return index < vertexIds_.size() ? vertexIds_[index] : 0;
}

Acad::ErrorStatus AcDbPolyline::setVertexIdentifierAt(unsigned int index, Adesk::Int32 id) {
  assertWriteEnabled();
  if (!hasVertex(index))
    return Acad::eInvalidIndex;
  if (vertexIds_.empty()) {
    if (id == 0)
      return Acad::eOk;
    vertexIds_.assign(vertices_.size(), 0);
  }
  vertexIds_[index] = id;
  return Acad::eOk;
}
