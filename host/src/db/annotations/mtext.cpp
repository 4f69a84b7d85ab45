// AcDbMText: multi-line text, its box in the text metrics model, and its
// filing (contents split into 250-byte group 3 pieces and a group 1 rest).
#include "db_text.h"

#include <cmath>
#include <numbers>

#include "db/annotations/annotation_filing.h"
#include "db/annotations/box_geometry.h"
#include "db/annotations/mtext_pieces.h"
#include "db_database.h"
#include "zek/text_metrics.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbMText, AcDbEntity, "MTEXT",
                           []() -> AcRxObject* { return new AcDbMText; })

AcDbMText::AcDbMText() = default;
AcDbMText::~AcDbMText() = default;

Acad::ErrorStatus AcDbMText::setLocation(const AcGePoint3d& location) {
  assertWriteEnabled();
  location_ = location;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::setNormal(const AcGeVector3d& normal) {
  assertWriteEnabled();
  if (normal.isZeroLength())
    return Acad::eInvalidInput;
  normal_ = normal.normal();
  return Acad::eOk;
}

AcGeVector3d AcDbMText::direction() const {
  assertReadEnabled();
  AcGeVector3d normal = normal_.normal();
  AcGeVector3d inPlane = direction_ - normal * direction_.dotProduct(normal);
  if (inPlane.isZeroLength())
    return AcGeMatrix3d::planeToWorld(normal_) * AcGeVector3d::kXAxis;
  return inPlane.normal();
}

Acad::ErrorStatus AcDbMText::setDirection(const AcGeVector3d& direction) {
  assertWriteEnabled();
  if (direction.isZeroLength() || direction.isParallelTo(normal_))
    return Acad::eInvalidInput;
  direction_ = direction.normal();
  return Acad::eOk;
}

double AcDbMText::rotation() const {
  assertReadEnabled();
  AcGeVector3d local = AcGeMatrix3d::worldToPlane(normal_) * direction();
  double angle = std::atan2(local.y, local.x);
  return angle < 0.0 ? angle + 2.0 * std::numbers::pi : angle;
}

Acad::ErrorStatus AcDbMText::setRotation(double angle) {
  assertWriteEnabled();
  direction_ = AcGeMatrix3d::planeToWorld(normal_) *
               AcGeVector3d(std::cos(angle), std::sin(angle), 0.0);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::setTextHeight(double height) {
  assertWriteEnabled();
  if (!(height > 0.0))
    return Acad::eInvalidInput;
  height_ = height;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::setWidth(double width) {
  assertWriteEnabled();
  if (width < 0.0)
    return Acad::eInvalidInput;
  width_ = width;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::setAttachment(AttachmentPoint attachment) {
  assertWriteEnabled();
  if (attachment < kTopLeft || attachment > kBottomRight)
    return Acad::eInvalidInput;
  attachment_ = attachment;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::setFlowDirection(FlowDirection flow) {
  assertWriteEnabled();
  if (flow < kLtoR || flow > kByStyle)
    return Acad::eInvalidInput;
  flow_ = flow;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::setLineSpacingStyle(AcDb::LineSpacingStyle style) {
  assertWriteEnabled();
  if (style != AcDb::kAtLeast && style != AcDb::kExactly)
    return Acad::eInvalidInput;
  spacingStyle_ = style;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::setLineSpacingFactor(double factor) {
  assertWriteEnabled();
  if (!(factor >= 0.25 && factor <= 4.0))
    return Acad::eInvalidInput;
  spacingFactor_ = factor;
  return Acad::eOk;
}

char* AcDbMText::contents() const {
  assertReadEnabled();
  return acutNewString(contents_.c_str());
}

const char* AcDbMText::contentsConst() const {
  assertReadEnabled();
  return contents_.c_str();
}

Acad::ErrorStatus AcDbMText::setContents(const char* text) {
  assertWriteEnabled();
  if (text == nullptr)
    return Acad::eInvalidInput;
  contents_ = text;
  return Acad::eOk;
}

std::string AcDbMText::text() const {
  assertReadEnabled();
  return zek::mtextPlainText(contents_);
}

AcDbObjectId AcDbMText::textStyle() const {
  assertReadEnabled();
  return zek::textStyleOrStandard(style_, database());
}

Acad::ErrorStatus AcDbMText::setTextStyle(AcDbObjectId style) {
  assertWriteEnabled();
  style_ = style;
  return Acad::eOk;
}

namespace {
zek::TextBox boxOf(const AcDbMText& m, const std::string& contents, double height, double width,
                   double spacing) {
  zek::MTextBoxFields f;
  f.contents = contents;
  f.location = m.location();
  f.direction = m.direction();
  f.normal = m.normal();
  f.height = height;
  f.referenceWidth = width;
  f.attachment = m.attachment();
  f.lineSpacingFactor = spacing;
  return zek::mtextBoxCorners(f);
}
}  // namespace

Acad::ErrorStatus AcDbMText::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  extents = zek::boxExtents(boxOf(*this, contents_, height_, width_, spacingFactor_));
  return Acad::eOk;
}

bool AcDbMText::crossesBox(const AcDbExtents& box) const {
  assertReadEnabled();
  return zek::quadCrossesWindow(boxOf(*this, contents_, height_, width_, spacingFactor_), box);
}

// MTEXT never reads mirrored: under a mirroring it runs along the
// transformed direction, upright in its new plane.
Acad::ErrorStatus AcDbMText::transformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  AcGeVector3d along = direction();
  AcGeVector3d up = normal_.normal().crossProduct(along);
  AcGeVector3d newAlong = xform * along;
  AcGeVector3d newUp = xform * up;
  if (newAlong.isZeroLength() || newUp.isZeroLength())
    return Acad::eDegenerateGeometry;
  AcGeVector3d newNormal = zek::transformedNormal(xform, normal_);
  AcGeVector3d inPlane = newAlong - newNormal * newAlong.dotProduct(newNormal);
  if (inPlane.isZeroLength())
    return Acad::eDegenerateGeometry;
  location_ = xform * location_;
  height_ *= newUp.length();
  width_ *= newAlong.length();
  normal_ = newNormal;
  direction_ = inPlane.normal();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::getGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&,
                                           AcDbIntArray&) const {
  assertReadEnabled();
  gripPoints.append(location_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::moveGripPointsAt(const AcDbIntArray& indices,
                                              const AcGeVector3d& offset) {
  assertWriteEnabled();
  if (indices.contains(0))
    location_ += offset;
  return Acad::eOk;
}

// ---- Filing ---------------------------------------------------------------

Acad::ErrorStatus AcDbMText::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  if (!filer->atSubclassData("AcDbMText"))
    return filer->filerStatus();
  AcDbDatabase* db = filer->database();
  std::string pieces, rest;
  bool hasDirection = false, hasRotation = false, embedded = false;
  double rotation = 0.0;
  resbuf rb;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    // What follows "101 Embedded Object" (column data) is not ours: kept.
    if (embedded || rb.restype == 101) {
      embedded = true;
      filer->keepUnknownItem();
      continue;
    }
    switch (rb.restype) {
      case 10: location_ = zek::groupPoint(rb); break;
      case 11: direction_ = zek::groupVector(rb); hasDirection = true; break;
      case 50: rotation = zek::groupAngle(rb); hasRotation = true; break;
      case 40: height_ = rb.resval.rreal; break;
      case 41: width_ = rb.resval.rreal; break;
      case 3: pieces += zek::groupText(rb); break;
      case 1: rest += zek::groupText(rb); break;
      case 7:
        style_ = zek::recordByName(db, db ? db->textStyleTableId() : AcDbObjectId(),
                                   zek::groupText(rb));
        break;
      case 210: normal_ = zek::groupVector(rb); break;
      case 44: spacingFactor_ = rb.resval.rreal; break;
      case 71: {
        long long value = zek::groupInteger(rb);
        if (value >= kTopLeft && value <= kBottomRight)
          attachment_ = static_cast<AttachmentPoint>(value);
        else
          filer->keepUnknownItem();
        break;
      }
      case 72: {
        long long value = zek::groupInteger(rb);
        if (value >= kLtoR && value <= kByStyle)
          flow_ = static_cast<FlowDirection>(value);
        else
          filer->keepUnknownItem();
        break;
      }
      case 73: {
        long long value = zek::groupInteger(rb);
        if (value == AcDb::kAtLeast || value == AcDb::kExactly)
          spacingStyle_ = static_cast<AcDb::LineSpacingStyle>(value);
        else
          filer->keepUnknownItem();
        break;
      }
      default:
        filer->keepUnknownItem();
        break;
    }
  }
  contents_ = pieces + rest;
  // The direction vector wins over the rotation angle when a file has both.
  if (!hasDirection && hasRotation)
    direction_ = AcGeMatrix3d::planeToWorld(normal_) *
                 AcGeVector3d(std::cos(rotation), std::sin(rotation), 0.0);
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDbMText::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbMText");
  filer->writePoint3d(10, location_);
  filer->writeDouble(40, height_);
  filer->writeDouble(41, width_);
  filer->writeInt16(71, static_cast<Adesk::Int16>(attachment_));
  filer->writeInt16(72, static_cast<Adesk::Int16>(flow_));
  std::vector<std::string_view> pieces = zek::splitMTextContents(contents_);
  for (std::size_t i = 0; i + 1 < pieces.size(); ++i)
    filer->writeString(3, std::string(pieces[i]));
  filer->writeString(1, std::string(pieces.back()));
  zek::writeTextStyle(filer, style_);
  zek::writeNormal(filer, normal_);
  if (!direction_.isZeroLength())
    filer->writeVector3d(11, direction_);
  filer->writeInt16(73, static_cast<Adesk::Int16>(spacingStyle_));
  filer->writeDouble(44, spacingFactor_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbMText::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writePoint3d(location_);
  filer->writeVector3d(normal_);
  filer->writeVector3d(direction_);
  filer->writeDouble(height_);
  filer->writeDouble(width_);
  filer->writeInt16(static_cast<Adesk::Int16>(attachment_));
  filer->writeInt16(static_cast<Adesk::Int16>(flow_));
  filer->writeInt16(static_cast<Adesk::Int16>(spacingStyle_));
  filer->writeDouble(spacingFactor_);
  filer->writeString(contents_);
  filer->writeHardPointerId(style_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbMText::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  Adesk::Int16 attachment = kTopLeft, flow = kLtoR, spacing = AcDb::kAtLeast;
  filer->readPoint3d(&location_);
  filer->readVector3d(&normal_);
  filer->readVector3d(&direction_);
  filer->readDouble(&height_);
  filer->readDouble(&width_);
  filer->readInt16(&attachment);
  filer->readInt16(&flow);
  filer->readInt16(&spacing);
  filer->readDouble(&spacingFactor_);
  filer->readString(contents_);
  filer->readHardPointerId(&style_);
  attachment_ = static_cast<AttachmentPoint>(attachment);
  flow_ = static_cast<FlowDirection>(flow);
  spacingStyle_ = static_cast<AcDb::LineSpacingStyle>(spacing);
  return filer->filerStatus();
}
