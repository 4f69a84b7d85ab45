// AcDbVertex and AcDb2dVertex: the VERTEX entities of heavy 2D polylines.
#include "db_polyline.h"

#include <cmath>

#include "db/curves/curve_math.h"
#include "zek/arc_math.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbVertex, AcDbEntity, "", nullptr)
ZEK_DEFINE_BUILTIN_MEMBERS(AcDb2dVertex, AcDbVertex, "VERTEX",
                           []() -> AcRxObject* { return new AcDb2dVertex; })

using namespace zek::curve;

namespace {
constexpr Adesk::Int16 kCurveFitVertex = 1;
constexpr Adesk::Int16 kTangentUsed = 2;
constexpr Adesk::Int16 kSplineFitVertex = 8;
constexpr Adesk::Int16 kSplineControlVertex = 16;
}  // namespace

// The AcDbVertex section holds nothing of its own: whatever is there is kept.
Acad::ErrorStatus AcDbVertex::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk || !filer->atSubclassData("AcDbVertex"))
    return filer->filerStatus();
  resbuf rb;
  while ((es = filer->readItem(&rb)) == Acad::eOk)
    filer->keepUnknownItem();
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDbVertex::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbVertex");
  return filer->filerStatus();
}

AcDb2dVertex::AcDb2dVertex(const AcGePoint3d& position, double bulge, double startWidth,
                           double endWidth, double tangent, Adesk::Int32 vertexIdentifier)
    : position_(position),
      startWidth_(startWidth),
      endWidth_(endWidth),
      bulge_(bulge),
      tangent_(zek::normalizeAngle(tangent)),
      identifier_(vertexIdentifier) {
  if (startWidth != 0.0)
    optional_ |= kHasStartWidth;
  if (endWidth != 0.0)
    optional_ |= kHasEndWidth;
  if (vertexIdentifier != 0)
    optional_ |= kHasIdentifier;
}

AcDb::Vertex2dType AcDb2dVertex::vertexType() const {
  assertReadEnabled();
  if (flags_ & kSplineControlVertex)
    return AcDb::k2dSplineCtlVertex;
  if (flags_ & kSplineFitVertex)
    return AcDb::k2dSplineFitVertex;
  if (flags_ & kCurveFitVertex)
    return AcDb::k2dCurveFitVertex;
  return AcDb::k2dVertex;
}

AcGePoint3d AcDb2dVertex::position() const { assertReadEnabled(); return position_; }
double AcDb2dVertex::startWidth() const { assertReadEnabled(); return startWidth_; }
double AcDb2dVertex::endWidth() const { assertReadEnabled(); return endWidth_; }
double AcDb2dVertex::bulge() const { assertReadEnabled(); return bulge_; }
bool AcDb2dVertex::isTangentUsed() const { assertReadEnabled(); return (flags_ & kTangentUsed) != 0; }
double AcDb2dVertex::tangent() const { assertReadEnabled(); return tangent_; }
Adesk::Int32 AcDb2dVertex::vertexIdentifier() const { assertReadEnabled(); return identifier_; }
Adesk::Int16 AcDb2dVertex::vertexFlags() const { assertReadEnabled(); return flags_; }

Acad::ErrorStatus AcDb2dVertex::setPosition(const AcGePoint3d& position) {
  assertWriteEnabled();
  position_ = position;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dVertex::setStartWidth(double width) {
  assertWriteEnabled();
  if (!(width >= 0.0) || !std::isfinite(width))
    return Acad::eInvalidInput;
  startWidth_ = width;
  optional_ |= kHasStartWidth;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dVertex::setEndWidth(double width) {
  assertWriteEnabled();
  if (!(width >= 0.0) || !std::isfinite(width))
    return Acad::eInvalidInput;
  endWidth_ = width;
  optional_ |= kHasEndWidth;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dVertex::setBulge(double bulge) {
  assertWriteEnabled();
  if (!std::isfinite(bulge))
    return Acad::eInvalidInput;
  bulge_ = bulge;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dVertex::setTangent(double tangent) {
  assertWriteEnabled();
  if (!std::isfinite(tangent))
    return Acad::eInvalidInput;
  tangent_ = zek::normalizeAngle(tangent);
  flags_ |= kTangentUsed;
  optional_ |= kHasTangent;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dVertex::useTangent() {
  assertWriteEnabled();
  flags_ |= kTangentUsed;
  optional_ |= kHasTangent;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dVertex::ignoreTangent() {
  assertWriteEnabled();
  flags_ = static_cast<Adesk::Int16>(flags_ & ~kTangentUsed);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dVertex::setVertexIdentifier(Adesk::Int32 id) {
  assertWriteEnabled();
  identifier_ = id;
  optional_ |= kHasIdentifier;
  return Acad::eOk;
}

// ---- Filing -----------------------------------------------------------------

Acad::ErrorStatus AcDb2dVertex::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbVertex::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writePoint3d(position_);
  filer->writeDouble(startWidth_);
  filer->writeDouble(endWidth_);
  filer->writeDouble(bulge_);
  filer->writeDouble(tangent_);
  filer->writeInt32(identifier_);
  filer->writeInt16(flags_);
  filer->writeUInt8(optional_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDb2dVertex::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbVertex::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->readPoint3d(&position_);
  filer->readDouble(&startWidth_);
  filer->readDouble(&endWidth_);
  filer->readDouble(&bulge_);
  filer->readDouble(&tangent_);
  filer->readInt32(&identifier_);
  filer->readInt16(&flags_);
  filer->readUInt8(&optional_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDb2dVertex::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbVertex::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  if (!filer->atSubclassData("AcDb2dVertex"))
    return filer->filerStatus();
  resbuf rb;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 10:
        position_.set(rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]);
        break;
      case 40:
        startWidth_ = rb.resval.rreal;
        optional_ |= kHasStartWidth;
        break;
      case 41:
        endWidth_ = rb.resval.rreal;
        optional_ |= kHasEndWidth;
        break;
      case 42:
        bulge_ = rb.resval.rreal;
        break;
      case 70:
        flags_ = rb.resval.rint;
        break;
      case 50:
        tangent_ = radiansFromDxfDegrees(rb.resval.rreal);
        optional_ |= kHasTangent;
        break;
      case 91:
        identifier_ = rb.resval.rlong;
        optional_ |= kHasIdentifier;
        break;
      default:
        filer->keepUnknownItem();
        break;
    }
  }
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDb2dVertex::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbVertex::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDb2dVertex");
  filer->writePoint3d(10, position_);
  if ((optional_ & kHasStartWidth) || startWidth_ != 0.0)
    filer->writeDouble(40, startWidth_);
  if ((optional_ & kHasEndWidth) || endWidth_ != 0.0)
    filer->writeDouble(41, endWidth_);
  if (bulge_ != 0.0)
    filer->writeDouble(42, bulge_);
  if (flags_ != 0)
    filer->writeInt16(70, flags_);
  if ((optional_ & kHasTangent) || (flags_ & kTangentUsed))
    filer->writeDouble(50, dxfDegreesFromRadians(tangent_));
  if ((optional_ & kHasIdentifier) && filer->dwgVersion() >= AcDb::kDHL_1024)
    filer->writeInt32(91, identifier_);
  return filer->filerStatus();
}
