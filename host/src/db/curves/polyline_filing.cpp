// AcDbPolyline filed: DXF (LWPOLYLINE groups, widths and vertex
// identifiers only where used) and the binary filer.
#include "db_polyline.h"

#include <algorithm>

#include "db/curves/curve_math.h"

using namespace zek::curve;

namespace {
// The most vertices a filed count reserves room for before they are read.
constexpr std::size_t kMostReservedVertices = 4096;
}  // namespace

Acad::ErrorStatus AcDbPolyline::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeUInt32(static_cast<Adesk::UInt32>(vertices_.size()));
  for (const zek::PolylineVertex& v : vertices_) {
    filer->writePoint2d(v.point);
    filer->writeDouble(v.bulge);
  }
  filer->writeBool(!widths_.empty());
  for (const zek::SegmentWidths& w : widths_) {
    filer->writeDouble(w.start);
    filer->writeDouble(w.end);
  }
  filer->writeBool(!vertexIds_.empty());
  for (Adesk::Int32 id : vertexIds_)
    filer->writeInt32(id);
  filer->writeVector3d(normal_);
  filer->writeDouble(elevation_);
  filer->writeDouble(thickness_);
  filer->writeDouble(constantWidth_);
  filer->writeInt16(flags_);
  filer->writeBool(writesConstantWidth_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbPolyline::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  Adesk::UInt32 count = 0;
  filer->readUInt32(&count);
  vertices_.clear();
  widths_.clear();
  vertexIds_.clear();
  for (Adesk::UInt32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    zek::PolylineVertex v;
    filer->readPoint2d(&v.point);
    filer->readDouble(&v.bulge);
    vertices_.push_back(v);
  }
  bool has = false;
  filer->readBool(&has);
  if (has) {
    widths_.resize(vertices_.size());
    for (zek::SegmentWidths& w : widths_) {
      filer->readDouble(&w.start);
      filer->readDouble(&w.end);
    }
  }
  filer->readBool(&has);
  if (has) {
    vertexIds_.resize(vertices_.size());
    for (Adesk::Int32& id : vertexIds_)
      filer->readInt32(&id);
  }
  filer->readVector3d(&normal_);
  filer->readDouble(&elevation_);
  filer->readDouble(&thickness_);
  filer->readDouble(&constantWidth_);
  filer->readInt16(&flags_);
  filer->readBool(&writesConstantWidth_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbPolyline::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  if (!filer->atSubclassData("AcDbPolyline"))
    return filer->filerStatus();
  vertices_.clear();
  widths_.clear();
  vertexIds_.clear();
  writesConstantWidth_ = false;
  resbuf rb;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    const double* p = rb.resval.rpoint;
    // Groups of a vertex (91, 40, 41, 42) follow its 10; before the first
    // vertex they belong to no vertex and are kept as they came.
    const bool inVertex = !vertices_.empty();
    switch (rb.restype) {
      case 90:
        // The count only sizes the list (up to a bound: a damaged count must
        // not claim memory the file's vertices never fill).
        if (rb.resval.rlong > 0)
          vertices_.reserve(std::min<std::size_t>(static_cast<std::size_t>(rb.resval.rlong),
                                                  kMostReservedVertices));
        break;
      case 70:
        flags_ = rb.resval.rint;
        break;
      case 43:
        constantWidth_ = rb.resval.rreal;
        writesConstantWidth_ = true;
        break;
      case 38:
        elevation_ = rb.resval.rreal;
        break;
      case 39:
        thickness_ = rb.resval.rreal;
        break;
      case 210:
        normal_.set(p[0], p[1], p[2]);
        if (normal_.isZeroLength())
          normal_ = AcGeVector3d::kZAxis;
        break;
      case 10:
        vertices_.push_back(zek::PolylineVertex{AcGePoint2d(p[0], p[1]), 0.0});
        fitSideVectors();
        break;
      case 42:
        if (!inVertex) {
          filer->keepUnknownItem();
          break;
        }
        vertices_.back().bulge = rb.resval.rreal;
        break;
      case 40:
      case 41: {
        if (!inVertex) {
          filer->keepUnknownItem();
          break;
        }
        const double width = rb.resval.rreal;
        // Zero widths stay implicit: the widths vector only opens for a vertex that needs it.
        if (widths_.empty() && width == 0.0)
          break;
        if (widths_.empty())
          widths_.assign(vertices_.size(), zek::SegmentWidths{});
        (rb.restype == 40 ? widths_.back().start : widths_.back().end) = width;
        break;
      }
      case 91:
        if (!inVertex) {
          filer->keepUnknownItem();
          break;
        }
        if (vertexIds_.empty())
          vertexIds_.assign(vertices_.size(), 0);
        vertexIds_.back() = rb.resval.rlong;
        break;
      default:
        filer->keepUnknownItem();
        break;
    }
  }
  // A count that claimed more than the file held leaves no room behind.
  if (vertices_.capacity() > 2 * vertices_.size() + 16)
    vertices_.shrink_to_fit();
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDbPolyline::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbPolyline");
  filer->writeInt32(90, static_cast<Adesk::Int32>(vertices_.size()));
  filer->writeInt16(70, flags_);
  if (widths_.empty() && (constantWidth_ != 0.0 || writesConstantWidth_))
    filer->writeDouble(43, constantWidth_);
  if (elevation_ != 0.0)
    filer->writeDouble(AcDb::kDxfElevation, elevation_);
  if (thickness_ != 0.0)
    filer->writeDouble(AcDb::kDxfThickness, thickness_);
  const bool writeIds = !vertexIds_.empty() && filer->dwgVersion() >= AcDb::kDHL_1024;
  for (std::size_t i = 0; i < vertices_.size(); ++i) {
    filer->writePoint2d(10, vertices_[i].point);
    if (writeIds)
      filer->writeInt32(91, vertexIds_[i]);
    if (!widths_.empty()) {
      filer->writeDouble(40, widths_[i].start);
      filer->writeDouble(41, widths_[i].end);
    }
    if (vertices_[i].bulge != 0.0)
      filer->writeDouble(42, vertices_[i].bulge);
  }
  if (!isWorldZ(normal_))
    filer->writeVector3d(AcDb::kDxfNormalX, normal_);
  return filer->filerStatus();
}
