// AcDbBlockReference: placement, block transform, attributes owned by the
// reference, extents, transformation and filing of INSERT (and MINSERT).
#include "db_blockref.h"

#include <cmath>
#include <numbers>

#include "db/annotations/annotation_filing.h"
#include "db/annotations/block_extents.h"
#include "db/database_core.h"
#include "db_block.h"
#include "db_database.h"
#include "db_text.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbBlockReference, AcDbEntity, "INSERT",
                           []() -> AcRxObject* { return new AcDbBlockReference; })

AcDbBlockReference::AcDbBlockReference() = default;

AcDbBlockReference::AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId blockTableRecord)
    : block_(blockTableRecord), position_(position) {}

AcDbBlockReference::~AcDbBlockReference() = default;

AcDbObjectId AcDbBlockReference::blockTableRecord() const {
  assertReadEnabled();
  if (block_.isNull() && !blockName_.empty())
    block_ = zek::blockByName(database(), blockName_);
  return block_;
}

Acad::ErrorStatus AcDbBlockReference::setBlockTableRecord(AcDbObjectId block) {
  assertWriteEnabled();
  if (zek::peekObject<AcDbBlockTableRecord>(block) == nullptr)
    return Acad::eInvalidInput;
  block_ = block;
  blockName_.clear();
  return Acad::eOk;
}

std::string AcDbBlockReference::blockName() const {
  AcDbObjectId block = blockTableRecord();
  return block.isNull() ? blockName_ : zek::recordNameOf(block);
}

AcGePoint3d AcDbBlockReference::position() const {
  assertReadEnabled();
  return zek::ocsToWorld(normal_, position_);
}

Acad::ErrorStatus AcDbBlockReference::setPosition(const AcGePoint3d& position) {
  assertWriteEnabled();
  position_ = zek::worldToOcs(normal_, position);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::setScaleFactors(const AcGeScale3d& scale) {
  assertWriteEnabled();
  if (scale.sx == 0.0 || scale.sy == 0.0 || scale.sz == 0.0)
    return Acad::eInvalidInput;
  scale_ = scale;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::setRotation(double angle) {
  assertWriteEnabled();
  rotation_ = angle;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::setNormal(const AcGeVector3d& normal) {
  assertWriteEnabled();
  if (normal.isZeroLength())
    return Acad::eInvalidInput;
  AcGePoint3d position = zek::ocsToWorld(normal_, position_);
  normal_ = normal.normal();
  position_ = zek::worldToOcs(normal_, position);
  return Acad::eOk;
}

namespace {
AcGeMatrix3d scaling(const AcGeScale3d& s) {
  AcGeMatrix3d m;
  m.entry[0][0] = s.sx;
  m.entry[1][1] = s.sy;
  m.entry[2][2] = s.sz;
  return m;
}

// Block coordinates (relative to the block origin) to world coordinates.
AcGeMatrix3d placement(const AcGePoint3d& positionWcs, const AcGeVector3d& normal, double rotation,
                       const AcGeScale3d& scale) {
  return AcGeMatrix3d::translation(positionWcs.asVector()) * AcGeMatrix3d::planeToWorld(normal) *
         AcGeMatrix3d::rotation(rotation, AcGeVector3d::kZAxis) * scaling(scale);
}
}  // namespace

AcGeMatrix3d AcDbBlockReference::blockTransform() const {
  assertReadEnabled();
  AcGeVector3d origin;
  if (auto* record = zek::peekObject<AcDbBlockTableRecord>(blockTableRecord()))
    origin = record->origin().asVector();
  return placement(position(), normal_, rotation_, scale_) * AcGeMatrix3d::translation(-origin);
}

Acad::ErrorStatus AcDbBlockReference::setColumns(Adesk::UInt16 count) {
  assertWriteEnabled();
  if (count == 0)
    return Acad::eInvalidInput;
  columns_ = count;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::setRows(Adesk::UInt16 count) {
  assertWriteEnabled();
  if (count == 0)
    return Acad::eInvalidInput;
  rows_ = count;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::setColumnSpacing(double spacing) {
  assertWriteEnabled();
  columnSpacing_ = spacing;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::setRowSpacing(double spacing) {
  assertWriteEnabled();
  rowSpacing_ = spacing;
  return Acad::eOk;
}

bool AcDbBlockReference::isMInsert() const {
  assertReadEnabled();
  return columns_ > 1 || rows_ > 1;
}

Acad::ErrorStatus AcDbBlockReference::appendAttribute(AcDbObjectId& id, AcDbAttribute* attribute) {
  id.setNull();
  if (attribute == nullptr)
    return Acad::eNullEntityPointer;
  if (!attribute->isNewObject())
    return Acad::eAlreadyInDb;
  zek::DatabaseCore* core = zek::coreOf(this);
  if (core == nullptr)
    return Acad::eNoDatabase;
  if (!isWriteEnabled())
    return Acad::eNotOpenForWrite;
  if (sequenceEnd_.isNull()) {
    auto* end = new AcDbSequenceEnd;
    end->setPropertiesFrom(this);
    AcDbObjectId endId;
    Acad::ErrorStatus es = core->addObject(end, objectId(), endId);
    if (es != Acad::eOk) {
      delete end;
      return es;
    }
    core->undo.noteAdded(endId);
    sequenceEnd_ = endId;
  }
  Acad::ErrorStatus es = core->addObject(attribute, objectId(), id);
  if (es != Acad::eOk)
    return es;
  attributes_.push_back(id);
  attribute->markOpened(AcDb::kForWrite);
  core->openStubs.insert(id.stub());
  core->undo.noteAdded(id);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::appendAttribute(AcDbAttribute* attribute) {
  AcDbObjectId id;
  return appendAttribute(id, attribute);
}

void AcDbBlockReference::ownedObjectIds(std::vector<AcDbObjectId>& owned) const {
  owned.insert(owned.end(), attributes_.begin(), attributes_.end());
  if (!sequenceEnd_.isNull())
    owned.push_back(sequenceEnd_);
}

Acad::ErrorStatus AcDbBlockReference::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  AcDbExtents found;
  zek::BlockExtentsWalk walk;
  walk.addReference(*this, AcGeMatrix3d::kIdentity, found);
  if (!found.isValid())
    return Acad::eInvalidExtents;
  extents = found;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::transformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  AcGeMatrix3d axes = AcGeMatrix3d::planeToWorld(normal_) *
                      AcGeMatrix3d::rotation(rotation_, AcGeVector3d::kZAxis);
  AcGeMatrix3d moved = xform * placement(position(), normal_, rotation_, scale_);
  AcGeVector3d x = moved * AcGeVector3d::kXAxis;
  AcGeVector3d y = moved * AcGeVector3d::kYAxis;
  AcGeVector3d z = moved * AcGeVector3d::kZAxis;
  AcGeVector3d normal = zek::transformedNormal(xform, normal_);
  // The block's axes must stay perpendicular, X and Y in the new plane.
  auto square = [](const AcGeVector3d& a, const AcGeVector3d& b) {
    return std::fabs(a.dotProduct(b)) <= 1e-9 * a.length() * b.length();
  };
  if (x.isZeroLength() || y.isZeroLength() || z.isZeroLength() || !square(x, y) ||
      !square(x, normal) || !square(y, normal))
    return Acad::eNotApplicable;

  AcGeVector3d xInPlane = AcGeMatrix3d::worldToPlane(normal) * x;
  double rotation = std::atan2(xInPlane.y, xInPlane.x);
  AcGeVector3d xUnit = x.normal();
  AcGeScale3d scale(x.length(), y.dotProduct(normal.crossProduct(xUnit)), z.dotProduct(normal));
  // A mirrored block reads as a negative X scale, as CAD hosts file it.
  if (scale.sy < 0.0) {
    rotation += std::numbers::pi;
    scale.sx = -scale.sx;
    scale.sy = -scale.sy;
  }
  rotation = std::remainder(rotation, 2.0 * std::numbers::pi);
  if (rotation < 0.0)
    rotation += 2.0 * std::numbers::pi;

  // The MINSERT grid follows its axes through the transformation.
  AcGeMatrix3d newAxes = AcGeMatrix3d::planeToWorld(normal) *
                         AcGeMatrix3d::rotation(rotation, AcGeVector3d::kZAxis);
  columnSpacing_ *= (xform * (axes * AcGeVector3d::kXAxis)).dotProduct(newAxes * AcGeVector3d::kXAxis);
  rowSpacing_ *= (xform * (axes * AcGeVector3d::kYAxis)).dotProduct(newAxes * AcGeVector3d::kYAxis);

  AcGePoint3d origin = moved * AcGePoint3d::kOrigin;
  normal_ = normal;
  rotation_ = rotation;
  scale_ = scale;
  position_ = zek::worldToOcs(normal_, origin);

  // The attributes move along; one that cannot be opened stays where it is.
  if (!objectId().isNull()) {
    for (AcDbObjectId id : attributes_) {
      AcDbAttribute* attribute = nullptr;
      if (id.isErased() || acdbOpenObject(attribute, id, AcDb::kForWrite) != Acad::eOk)
        continue;
      attribute->transformBy(xform);
      attribute->close();
    }
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::getGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&,
                                                    AcDbIntArray&) const {
  assertReadEnabled();
  gripPoints.append(position());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::moveGripPointsAt(const AcDbIntArray& indices,
                                                       const AcGeVector3d& offset) {
  assertWriteEnabled();
  if (!indices.contains(0))
    return Acad::eOk;
  return transformBy(AcGeMatrix3d::translation(offset));
}

Acad::ErrorStatus AcDbBlockReference::explode(AcDbVoidPtrArray&) const {
  return Acad::eNotApplicable;
}
