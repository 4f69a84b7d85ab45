// AcDbDimension: what every dimension kind shares — its *D block, text,
// style, flags and definition point — with extents from the block, and the
// AcDbDimension section of DIMENSION.
#include "db_dimension.h"

#include "db/annotations/annotation_filing.h"
#include "zek/dim_vars.h"
#include "db/annotations/block_extents.h"
#include "db/database_core.h"
#include "db_block.h"
#include "db_database.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbDimension, AcDbEntity, "DIMENSION", nullptr)

AcDbDimension::AcDbDimension() = default;
AcDbDimension::~AcDbDimension() = default;

AcDbObjectId AcDbDimension::dimBlockId() const {
  assertReadEnabled();
  if (block_.isNull() && !blockName_.empty())
    block_ = zek::blockByName(database(), blockName_);
  return block_;
}

Acad::ErrorStatus AcDbDimension::setDimBlockId(AcDbObjectId block) {
  assertWriteEnabled();
  if (!block.isNull() && zek::peekObject<AcDbBlockTableRecord>(block) == nullptr)
    return Acad::eInvalidInput;
  block_ = block;
  blockName_.clear();
  return Acad::eOk;
}

std::string AcDbDimension::dimBlockName() const {
  AcDbObjectId block = dimBlockId();
  return block.isNull() ? blockName_ : zek::recordNameOf(block);
}

// A changed dimension that places its text by default answers where its
// display puts the text now, before its block is made again.
AcGePoint3d AcDbDimension::textPosition() const {
  assertReadEnabled();
  AcGePoint3d placed;
  if (displayStale_ && (flags_ & 128) == 0 && placedTextPosition(placed))
    return placed;
  return zek::ocsToWorld(normal_, textPosition_);
}

Acad::ErrorStatus AcDbDimension::setTextPosition(const AcGePoint3d& position) {
  assertWriteEnabled();
  textPosition_ = zek::worldToOcs(normal_, position);
  flags_ = static_cast<Adesk::Int16>(flags_ | 128);
  textPositionSet(zek::dimVarsOf(*this));
  noteDisplayChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::useSetTextPosition() {
  assertWriteEnabled();
  setTypeFlag(128, true);
  noteDisplayChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::useDefaultTextPosition() {
  assertWriteEnabled();
  setTypeFlag(128, false);
  noteDisplayChanged();
  return Acad::eOk;
}

char* AcDbDimension::dimensionText() const {
  assertReadEnabled();
  return acutNewString(text_.c_str());
}

const char* AcDbDimension::dimensionTextConst() const {
  assertReadEnabled();
  return text_.c_str();
}

Acad::ErrorStatus AcDbDimension::setDimensionText(const char* text) {
  assertWriteEnabled();
  text_ = text ? text : "";
  noteDisplayChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::measurement(double& value) const {
  assertReadEnabled();
  if (computeMeasurement(value))
    return Acad::eOk;
  if (!hasMeasurement_)
    return Acad::eNotApplicable;
  value = measurement_;
  return Acad::eOk;
}

bool AcDbDimension::computeMeasurement(double&) const { return false; }

Acad::ErrorStatus AcDbDimension::setTextRotation(double angle) {
  assertWriteEnabled();
  textRotation_ = angle;
  noteDisplayChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::setHorizontalRotation(double angle) {
  assertWriteEnabled();
  horizontalRotation_ = angle;
  noteDisplayChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::setNormal(const AcGeVector3d& normal) {
  assertWriteEnabled();
  if (normal.isZeroLength())
    return Acad::eInvalidInput;
  AcGePoint3d text = zek::ocsToWorld(normal_, textPosition_);
  normal_ = normal.normal();
  textPosition_ = zek::worldToOcs(normal_, text);
  noteDisplayChanged();
  return Acad::eOk;
}

AcDbObjectId AcDbDimension::dimensionStyle() const {
  assertReadEnabled();
  if (!style_.isNull() || database() == nullptr)
    return style_;
  return database()->core().standardDimStyle;
}

Acad::ErrorStatus AcDbDimension::setDimensionStyle(AcDbObjectId style) {
  assertWriteEnabled();
  style_ = style;
  noteDisplayChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::setTextAttachment(AcDbMText::AttachmentPoint attachment) {
  assertWriteEnabled();
  if (attachment < AcDbMText::kTopLeft || attachment > AcDbMText::kBottomRight)
    return Acad::eInvalidInput;
  attachment_ = attachment;
  noteDisplayChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::setTextLineSpacingStyle(AcDb::LineSpacingStyle style) {
  assertWriteEnabled();
  if (style != AcDb::kAtLeast && style != AcDb::kExactly)
    return Acad::eInvalidInput;
  spacingStyle_ = style;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::setTextLineSpacingFactor(double factor) {
  assertWriteEnabled();
  if (!(factor >= 0.25 && factor <= 4.0))
    return Acad::eInvalidInput;
  spacingFactor_ = factor;
  return Acad::eOk;
}

Adesk::Int16 AcDbDimension::dimensionTypeFlags() const {
  assertReadEnabled();
  return static_cast<Adesk::Int16>((flags_ & ~7) | (dimensionKind() & 7));
}

void AcDbDimension::setTypeFlag(int bit, bool on) {
  flags_ = static_cast<Adesk::Int16>(on ? flags_ | bit : flags_ & ~bit);
}

void AcDbDimension::definitionPoints(std::vector<AcGePoint3d>& points) const {
  points.push_back(definitionPoint_);
  points.push_back(zek::ocsToWorld(normal_, textPosition_));
}

Acad::ErrorStatus AcDbDimension::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  AcDbExtents found;
  zek::BlockExtentsWalk walk;
  walk.addDimension(*this, AcGeMatrix3d::kIdentity, found);
  if (!found.isValid())
    return Acad::eInvalidExtents;
  extents = found;
  return Acad::eOk;
}

// The *D block is made again when the dimension is closed (or written).
Acad::ErrorStatus AcDbDimension::transformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  AcGeVector3d normal = zek::transformedNormal(xform, normal_);
  AcGePoint3d text = xform * zek::ocsToWorld(normal_, textPosition_);
  textRotation_ = zek::transformedDirection(xform, normal_, normal, textRotation_).angle;
  horizontalRotation_ = zek::transformedDirection(xform, normal_, normal, horizontalRotation_).angle;
  definitionPoint_ = xform * definitionPoint_;
  normal_ = normal;
  textPosition_ = zek::worldToOcs(normal_, text);
  noteGeometryChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::getGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&,
                                               AcDbIntArray&) const {
  assertReadEnabled();
  std::vector<AcGePoint3d> points;
  definitionPoints(points);
  for (const AcGePoint3d& point : points)
    gripPoints.append(point);
  return Acad::eOk;
}

// ---- Filing ---------------------------------------------------------------

Acad::ErrorStatus AcDbDimension::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  // A dimension read from a file shows the block it came with.
  displayStale_ = false;
  needsOwnBlock_ = false;
  if (!filer->atSubclassData("AcDbDimension"))
    return filer->filerStatus();
  AcDbDatabase* db = filer->database();
  resbuf rb;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 2:
        blockName_ = zek::groupText(rb);
        block_ = zek::blockByName(db, blockName_);
        break;
      case 10: definitionPoint_ = zek::groupPoint(rb); break;
      case 11: textPosition_ = zek::groupPoint(rb); break;
      case 70: flags_ = static_cast<Adesk::Int16>(zek::groupInteger(rb)); break;
      case 71: {
        long long value = zek::groupInteger(rb);
        if (value >= AcDbMText::kTopLeft && value <= AcDbMText::kBottomRight)
          attachment_ = static_cast<AcDbMText::AttachmentPoint>(value);
        else
          filer->keepUnknownItem();
        break;
      }
      case 72: {
        long long value = zek::groupInteger(rb);
        if (value == AcDb::kAtLeast || value == AcDb::kExactly)
          spacingStyle_ = static_cast<AcDb::LineSpacingStyle>(value);
        else
          filer->keepUnknownItem();
        break;
      }
      case 41: spacingFactor_ = rb.resval.rreal; break;
      case 42:
        measurement_ = rb.resval.rreal;
        hasMeasurement_ = true;
        break;
      case 1: text_ = zek::groupText(rb); break;
      case 53: textRotation_ = zek::groupAngle(rb); break;
      case 51: horizontalRotation_ = zek::groupAngle(rb); break;
      case 210: normal_ = zek::groupVector(rb); break;
      case 3:
        style_ = zek::recordByName(db, db ? db->dimStyleTableId() : AcDbObjectId(),
                                   zek::groupText(rb));
        break;
      case 280: break;  // the version of the section: we write our own
      default:
        filer->keepUnknownItem();
        break;
    }
  }
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDbDimension::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  AcDb::AcDbDwgVersion version = filer->dwgVersion();
  filer->writeString(AcDb::kDxfSubclass, "AcDbDimension");
  if (version >= AcDb::kDHL_1024)
    filer->writeInt16(280, 0);
  std::string block = dimBlockName();
  if (!block.empty())
    filer->writeString(2, block);
  filer->writePoint3d(10, definitionPoint_);
  filer->writePoint3d(11, textPosition_);
  filer->writeInt16(70, dimensionTypeFlags());
  if (version > AcDb::kDHL_1009) {
    filer->writeInt16(71, static_cast<Adesk::Int16>(attachment_));
    if (spacingStyle_ != AcDb::kAtLeast)
      filer->writeInt16(72, static_cast<Adesk::Int16>(spacingStyle_));
    if (spacingFactor_ != 1.0)
      filer->writeDouble(41, spacingFactor_);
  }
  double value = measurement_;
  bool known = hasMeasurement_ && !measurementStale_;
  if (!known)
    known = computeMeasurement(value);
  if (known && version > AcDb::kDHL_1009)
    filer->writeDouble(42, value);
  if (!text_.empty())
    filer->writeString(1, text_);
  if (textRotation_ != 0.0)
    filer->writeAngle(53, textRotation_);
  if (horizontalRotation_ != 0.0)
    filer->writeAngle(51, horizontalRotation_);
  zek::writeNormal(filer, normal_);
  std::string style = zek::recordNameOf(dimensionStyle());
  if (!style.empty())
    filer->writeString(3, style);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbDimension::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeHardPointerId(block_);
  filer->writeString(blockName_);
  filer->writePoint3d(definitionPoint_);
  filer->writePoint3d(textPosition_);
  filer->writeInt16(flags_);
  filer->writeInt16(static_cast<Adesk::Int16>(attachment_));
  filer->writeInt16(static_cast<Adesk::Int16>(spacingStyle_));
  filer->writeDouble(spacingFactor_);
  filer->writeDouble(measurement_);
  filer->writeBool(hasMeasurement_);
  filer->writeBool(measurementStale_);
  filer->writeString(text_);
  filer->writeDouble(textRotation_);
  filer->writeDouble(horizontalRotation_);
  filer->writeVector3d(normal_);
  filer->writeHardPointerId(style_);
  filer->writeBool(displayStale_);
  filer->writeBool(needsOwnBlock_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbDimension::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  Adesk::Int16 attachment = AcDbMText::kMiddleCenter, spacing = AcDb::kAtLeast;
  filer->readHardPointerId(&block_);
  filer->readString(blockName_);
  filer->readPoint3d(&definitionPoint_);
  filer->readPoint3d(&textPosition_);
  filer->readInt16(&flags_);
  filer->readInt16(&attachment);
  filer->readInt16(&spacing);
  filer->readDouble(&spacingFactor_);
  filer->readDouble(&measurement_);
  filer->readBool(&hasMeasurement_);
  filer->readBool(&measurementStale_);
  filer->readString(text_);
  filer->readDouble(&textRotation_);
  filer->readDouble(&horizontalRotation_);
  filer->readVector3d(&normal_);
  filer->readHardPointerId(&style_);
  filer->readBool(&displayStale_);
  filer->readBool(&needsOwnBlock_);
  // A copy shares its original's block until it is given its own.
  AcDb::FilerType type = filer->filerType();
  if (type == AcDb::kCopyFiler || type == AcDb::kDeepCloneFiler) {
    needsOwnBlock_ = true;
    displayStale_ = true;
  }
  attachment_ = static_cast<AcDbMText::AttachmentPoint>(attachment);
  spacingStyle_ = static_cast<AcDb::LineSpacingStyle>(spacing);
  return filer->filerStatus();
}
