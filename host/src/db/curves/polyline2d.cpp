// AcDb2dPolyline: the head of a heavy 2D polyline — its flags, plane and
// default widths, the vertices it owns (held by it until it is in a
// database) and its SEQEND, and DXF and binary filing of the head.
#include "db_polyline.h"

#include <cmath>

#include "db/curves/curve_math.h"
#include "db/database_core.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDb2dPolyline, AcDbCurve, "POLYLINE",
                           []() -> AcRxObject* { return new AcDb2dPolyline; })

using namespace zek::curve;

namespace {
constexpr Adesk::Int16 kClosedFlag = 1;
constexpr Adesk::Int16 kCurveFitFlag = 2;
constexpr Adesk::Int16 kSplineFitFlag = 4;
constexpr Adesk::Int16 kPlinegenFlag = 128;
constexpr Adesk::Int16 kQuadraticCurve = 5;
constexpr Adesk::Int16 kCubicCurve = 6;
}  // namespace

AcDb2dPolyline::AcDb2dPolyline() = default;
AcDb2dPolyline::~AcDb2dPolyline() = default;

AcDb2dPolyline::AcDb2dPolyline(AcDb::Poly2dType type, const AcGePoint3dArray& vertices,
                               double elevation, bool closed, double defStartWidth,
                               double defEndWidth, const AcGeDoubleArray* bulges)
    : elevation_(elevation), defaultStartWidth_(defStartWidth), defaultEndWidth_(defEndWidth) {
  if (setPolyType(type) != Acad::eOk)
    return;  // an unknown type leaves a simple polyline
  if (closed)
    flags_ |= kClosedFlag;
  for (int i = 0; i < vertices.length(); ++i) {
    const double bulge = bulges && i < bulges->length() ? (*bulges)[i] : 0.0;
    const AcGePoint3d& p = vertices[i];
    pending_.push_back(std::make_unique<AcDb2dVertex>(AcGePoint3d(p.x, p.y, 0.0), bulge));
  }
}

// ---- Vertices ---------------------------------------------------------------

Acad::ErrorStatus AcDb2dPolyline::ensureSequenceEnd() {
  if (!sequenceEnd_.isNull())
    return Acad::eOk;
  zek::DatabaseCore* core = zek::coreOf(this);
  if (core == nullptr)
    return Acad::eOk;  // made when the polyline is added to a database
  auto seqend = std::make_unique<AcDbSequenceEnd>();
  Acad::ErrorStatus es = seqend->setPropertiesFrom(this);
  if (es != Acad::eOk)
    return es;
  AcDbObjectId id;
  es = core->addObject(seqend.get(), objectId(), id);
  if (es != Acad::eOk)
    return es;
  seqend.release();  // the database owns it now
  core->undo.noteAdded(id);
  sequenceEnd_ = id;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::appendVertex(AcDbObjectId& id, AcDb2dVertex* vertex) {
  assertWriteEnabled();
  id.setNull();
  if (vertex == nullptr)
    return Acad::eNullObjectPointer;
  if (!vertex->isNewObject())
    return Acad::eAlreadyInDb;
  Acad::ErrorStatus es = vertex->setPropertiesFrom(this);
  if (es != Acad::eOk)
    return es;
  zek::DatabaseCore* core = zek::coreOf(this);
  if (core == nullptr) {
    pending_.emplace_back(vertex);
    return Acad::eOk;
  }
  es = ensureSequenceEnd();
  if (es != Acad::eOk)
    return es;
  es = core->addObject(vertex, objectId(), id);
  if (es != Acad::eOk)
    return es;
  vertices_.push_back(id);
  // As an appended entity: open for write until the caller closes it.
  vertex->markOpened(AcDb::kForWrite);
  core->openStubs.insert(id.stub());
  core->undo.noteAdded(id);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::appendVertex(AcDb2dVertex* vertex) {
  AcDbObjectId id;
  return appendVertex(id, vertex);
}

Acad::ErrorStatus AcDb2dPolyline::addPendingVertices() {
  zek::DatabaseCore* core = zek::coreOf(this);
  if (core == nullptr || pending_.empty())
    return Acad::eOk;
  Acad::ErrorStatus es = ensureSequenceEnd();
  if (es != Acad::eOk)
    return es;
  for (std::unique_ptr<AcDb2dVertex>& vertex : pending_) {
    // The head's properties as they are now (they may have changed since
    // the vertex was appended).
    es = vertex->setPropertiesFrom(this);
    if (es != Acad::eOk)
      return es;
    AcDbObjectId id;
    es = core->addObject(vertex.get(), objectId(), id);
    if (es != Acad::eOk)
      return es;
    vertex.release();
    vertices_.push_back(id);
    core->undo.noteAdded(id);
  }
  pending_.clear();
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::setOwnerId(AcDbObjectId owner) {
  Acad::ErrorStatus es = AcDbCurve::setOwnerId(owner);
  if (es != Acad::eOk)
    return es;
  return addPendingVertices();
}

const std::vector<AcDbObjectId>& AcDb2dPolyline::vertexIds() const {
  assertReadEnabled();
  return vertices_;
}

void AcDb2dPolyline::ownedObjectIds(std::vector<AcDbObjectId>& owned) const {
  owned.insert(owned.end(), vertices_.begin(), vertices_.end());
  if (!sequenceEnd_.isNull())
    owned.push_back(sequenceEnd_);
}

// ---- Head fields ------------------------------------------------------------

AcDb::Poly2dType AcDb2dPolyline::polyType() const {
  assertReadEnabled();
  if (flags_ & kSplineFitFlag)
    return curveType_ == kQuadraticCurve ? AcDb::k2dQuadSplinePoly : AcDb::k2dCubicSplinePoly;
  if (flags_ & kCurveFitFlag)
    return AcDb::k2dFitCurvePoly;
  return AcDb::k2dSimplePoly;
}

Acad::ErrorStatus AcDb2dPolyline::setPolyType(AcDb::Poly2dType type) {
  assertWriteEnabled();
  const Adesk::Int16 kept = static_cast<Adesk::Int16>(flags_ & ~(kCurveFitFlag | kSplineFitFlag));
  switch (type) {
    case AcDb::k2dSimplePoly:
      flags_ = kept;
      curveType_ = 0;
      return Acad::eOk;
    case AcDb::k2dFitCurvePoly:
      flags_ = static_cast<Adesk::Int16>(kept | kCurveFitFlag);
      curveType_ = 0;
      return Acad::eOk;
    case AcDb::k2dQuadSplinePoly:
    case AcDb::k2dCubicSplinePoly:
      flags_ = static_cast<Adesk::Int16>(kept | kSplineFitFlag);
      curveType_ = type == AcDb::k2dQuadSplinePoly ? kQuadraticCurve : kCubicCurve;
      return Acad::eOk;
  }
  return Acad::eInvalidInput;
}

bool AcDb2dPolyline::isClosed() const {
  assertReadEnabled();
  return (flags_ & kClosedFlag) != 0;
}

Acad::ErrorStatus AcDb2dPolyline::makeClosed() {
  assertWriteEnabled();
  flags_ |= kClosedFlag;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::makeOpen() {
  assertWriteEnabled();
  flags_ = static_cast<Adesk::Int16>(flags_ & ~kClosedFlag);
  return Acad::eOk;
}

bool AcDb2dPolyline::isLinetypeGenerationOn() const {
  assertReadEnabled();
  return (flags_ & kPlinegenFlag) != 0;
}

Acad::ErrorStatus AcDb2dPolyline::setLinetypeGenerationOn() {
  assertWriteEnabled();
  flags_ |= kPlinegenFlag;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::setLinetypeGenerationOff() {
  assertWriteEnabled();
  flags_ = static_cast<Adesk::Int16>(flags_ & ~kPlinegenFlag);
  return Acad::eOk;
}

double AcDb2dPolyline::elevation() const { assertReadEnabled(); return elevation_; }
AcGeVector3d AcDb2dPolyline::normal() const { assertReadEnabled(); return normal_; }
double AcDb2dPolyline::thickness() const { assertReadEnabled(); return thickness_; }
double AcDb2dPolyline::defaultStartWidth() const { assertReadEnabled(); return defaultStartWidth_; }
double AcDb2dPolyline::defaultEndWidth() const { assertReadEnabled(); return defaultEndWidth_; }
Adesk::Int16 AcDb2dPolyline::polylineFlags() const { assertReadEnabled(); return flags_; }

Acad::ErrorStatus AcDb2dPolyline::setElevation(double elevation) {
  assertWriteEnabled();
  if (!std::isfinite(elevation))
    return Acad::eInvalidInput;
  elevation_ = elevation;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::setNormal(const AcGeVector3d& normal) {
  assertWriteEnabled();
  AcGeVector3d unit;
  if (!unitNormal(normal, unit))
    return Acad::eInvalidInput;
  normal_ = unit;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::setThickness(double thickness) {
  assertWriteEnabled();
  if (!std::isfinite(thickness))
    return Acad::eInvalidInput;
  thickness_ = thickness;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::setDefaultStartWidth(double width) {
  assertWriteEnabled();
  if (!(width >= 0.0) || !std::isfinite(width))
    return Acad::eInvalidInput;
  defaultStartWidth_ = width;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::setDefaultEndWidth(double width) {
  assertWriteEnabled();
  if (!(width >= 0.0) || !std::isfinite(width))
    return Acad::eInvalidInput;
  defaultEndWidth_ = width;
  return Acad::eOk;
}

AcGePoint3d AcDb2dPolyline::vertexPosition(const AcDb2dVertex& vertex) const {
  const AcGePoint3d p = vertex.position();
  return ocsToWcs(AcGePoint3d(p.x, p.y, elevation()), normal());
}

// ---- Filing -----------------------------------------------------------------

Acad::ErrorStatus AcDb2dPolyline::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeInt16(flags_);
  filer->writeInt16(curveType_);
  filer->writeBool(hadEntitiesFollow_);
  filer->writeVector3d(normal_);
  filer->writeDouble(elevation_);
  filer->writeDouble(thickness_);
  filer->writeDouble(defaultStartWidth_);
  filer->writeDouble(defaultEndWidth_);
  filer->writeUInt32(static_cast<Adesk::UInt32>(vertices_.size()));
  for (AcDbObjectId id : vertices_)
    filer->writeHardOwnershipId(id);
  filer->writeHardOwnershipId(sequenceEnd_);
  // Vertices held outside a database travel inside the head's state.
  filer->writeUInt32(static_cast<Adesk::UInt32>(pending_.size()));
  for (const std::unique_ptr<AcDb2dVertex>& vertex : pending_) {
    es = vertex->dwgOutFields(filer);
    if (es != Acad::eOk)
      return es;
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDb2dPolyline::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->readInt16(&flags_);
  filer->readInt16(&curveType_);
  filer->readBool(&hadEntitiesFollow_);
  filer->readVector3d(&normal_);
  filer->readDouble(&elevation_);
  filer->readDouble(&thickness_);
  filer->readDouble(&defaultStartWidth_);
  filer->readDouble(&defaultEndWidth_);
  Adesk::UInt32 count = 0;
  filer->readUInt32(&count);
  vertices_.clear();
  for (Adesk::UInt32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    AcDbObjectId id;
    filer->readHardOwnershipId(&id);
    vertices_.push_back(id);
  }
  filer->readHardOwnershipId(&sequenceEnd_);
  filer->readUInt32(&count);
  pending_.clear();
  for (Adesk::UInt32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    auto vertex = std::make_unique<AcDb2dVertex>();
    es = vertex->dwgInFields(filer);
    if (es != Acad::eOk)
      return es;
    pending_.push_back(std::move(vertex));
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDb2dPolyline::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  if (!filer->atSubclassData("AcDb2dPolyline"))
    return filer->filerStatus();
  resbuf rb;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    const double* p = rb.resval.rpoint;
    switch (rb.restype) {
      case 66:
        hadEntitiesFollow_ = true;  // vertices follow: they always do for a POLYLINE
        break;
      case 10:
        elevation_ = p[2];  // the head's point is (0, 0, elevation)
        break;
      case 39:
        thickness_ = rb.resval.rreal;
        break;
      case 70:
        flags_ = rb.resval.rint;
        break;
      case 40:
        defaultStartWidth_ = rb.resval.rreal;
        break;
      case 41:
        defaultEndWidth_ = rb.resval.rreal;
        break;
      case 75:
        curveType_ = rb.resval.rint;
        break;
      case 210:
        normal_.set(p[0], p[1], p[2]);
        if (normal_.isZeroLength())
          normal_ = AcGeVector3d::kZAxis;
        break;
      default:
        filer->keepUnknownItem();
        break;
    }
  }
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDb2dPolyline::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDb2dPolyline");
  // R12 readers need the vertices-follow flag; later formats call it
  // obsolete, so it is written there only when the file had it.
  if (filer->dwgVersion() <= AcDb::kDHL_1009 || hadEntitiesFollow_)
    filer->writeInt16(66, 1);
  filer->writePoint3d(10, AcGePoint3d(0.0, 0.0, elevation_));
  if (thickness_ != 0.0)
    filer->writeDouble(AcDb::kDxfThickness, thickness_);
  if (flags_ != 0)
    filer->writeInt16(70, flags_);
  if (defaultStartWidth_ != 0.0)
    filer->writeDouble(40, defaultStartWidth_);
  if (defaultEndWidth_ != 0.0)
    filer->writeDouble(41, defaultEndWidth_);
  if (curveType_ != 0)
    filer->writeInt16(75, curveType_);
  if (!isWorldZ(normal_))
    filer->writeVector3d(AcDb::kDxfNormalX, normal_);
  return filer->filerStatus();
}
