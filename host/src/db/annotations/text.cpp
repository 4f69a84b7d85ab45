// AcDbText: single-line text, its alignment, extents in the text metrics
// model, transformation and grips. Filing is in text_filing.cpp.
#include "db_text.h"

#include <cmath>
#include <numbers>

#include "db/annotations/annotation_filing.h"
#include "db/annotations/box_geometry.h"
#include "zek/text_metrics.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbText, AcDbEntity, "TEXT",
                           []() -> AcRxObject* { return new AcDbText; })

namespace {
// CAD hosts refuse text slanted further than 85 degrees either way.
constexpr double kMaxOblique = 85.0 * std::numbers::pi / 180.0 + 1e-12;
}  // namespace

AcDbText::AcDbText() = default;

AcDbText::AcDbText(const AcGePoint3d& position, const char* text, AcDbObjectId style,
                   double height, double rotation)
    : position_(position),
      alignmentPoint_(position),
      height_(height),
      rotation_(rotation),
      text_(text ? text : ""),
      style_(style) {}

AcDbText::~AcDbText() = default;

AcGePoint3d AcDbText::position() const {
  assertReadEnabled();
  return zek::ocsToWorld(normal_, position_);
}

Acad::ErrorStatus AcDbText::setPosition(const AcGePoint3d& position) {
  assertWriteEnabled();
  position_ = zek::worldToOcs(normal_, position);
  return Acad::eOk;
}

AcGePoint3d AcDbText::alignmentPoint() const {
  assertReadEnabled();
  return zek::ocsToWorld(normal_, alignmentPoint_);
}

Acad::ErrorStatus AcDbText::setAlignmentPoint(const AcGePoint3d& point) {
  assertWriteEnabled();
  alignmentPoint_ = zek::worldToOcs(normal_, point);
  hasAlignmentPoint_ = true;
  return Acad::eOk;
}

bool AcDbText::isDefaultAlignment() const {
  assertReadEnabled();
  return horizontalMode_ == AcDb::kTextLeft && verticalMode_ == AcDb::kTextBase;
}

Acad::ErrorStatus AcDbText::setNormal(const AcGeVector3d& normal) {
  assertWriteEnabled();
  if (normal.isZeroLength())
    return Acad::eInvalidInput;
  // The points stay where they are in the world; the plane turns under them.
  AcGePoint3d position = zek::ocsToWorld(normal_, position_);
  AcGePoint3d alignment = zek::ocsToWorld(normal_, alignmentPoint_);
  normal_ = normal.normal();
  position_ = zek::worldToOcs(normal_, position);
  alignmentPoint_ = zek::worldToOcs(normal_, alignment);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::setThickness(double thickness) {
  assertWriteEnabled();
  thickness_ = thickness;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::setOblique(double angle) {
  assertWriteEnabled();
  double folded = std::remainder(angle, 2.0 * std::numbers::pi);
  if (std::fabs(folded) > kMaxOblique)
    return Acad::eInvalidInput;
  oblique_ = folded;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::setRotation(double angle) {
  assertWriteEnabled();
  rotation_ = angle;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::setHeight(double height) {
  assertWriteEnabled();
  if (!(height > 0.0))
    return Acad::eInvalidInput;
  height_ = height;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::setWidthFactor(double factor) {
  assertWriteEnabled();
  if (!(factor > 0.0))
    return Acad::eInvalidInput;
  widthFactor_ = factor;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::mirrorInX(bool mirror) {
  assertWriteEnabled();
  generation_ = static_cast<Adesk::Int16>(mirror ? generation_ | 2 : generation_ & ~2);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::mirrorInY(bool mirror) {
  assertWriteEnabled();
  generation_ = static_cast<Adesk::Int16>(mirror ? generation_ | 4 : generation_ & ~4);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::setHorizontalMode(AcDb::TextHorzMode mode) {
  assertWriteEnabled();
  if (mode < AcDb::kTextLeft || mode > AcDb::kTextFit)
    return Acad::eInvalidInput;
  horizontalMode_ = mode;
  // A text that gets an alignment before it has an alignment point stays
  // anchored where it starts.
  if (!hasAlignmentPoint_ && !isDefaultAlignment())
    alignmentPoint_ = position_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::setVerticalMode(AcDb::TextVertMode mode) {
  assertWriteEnabled();
  if (mode < AcDb::kTextBase || mode > AcDb::kTextTop)
    return Acad::eInvalidInput;
  verticalMode_ = mode;
  if (!hasAlignmentPoint_ && !isDefaultAlignment())
    alignmentPoint_ = position_;
  return Acad::eOk;
}

char* AcDbText::textString() const {
  assertReadEnabled();
  return acutNewString(text_.c_str());
}

const char* AcDbText::textStringConst() const {
  assertReadEnabled();
  return text_.c_str();
}

Acad::ErrorStatus AcDbText::setTextString(const char* text) {
  assertWriteEnabled();
  if (text == nullptr)
    return Acad::eInvalidInput;
  text_ = text;
  return Acad::eOk;
}

AcDbObjectId AcDbText::textStyle() const {
  assertReadEnabled();
  return zek::textStyleOrStandard(style_, database());
}

Acad::ErrorStatus AcDbText::setTextStyle(AcDbObjectId style) {
  assertWriteEnabled();
  style_ = style;
  return Acad::eOk;
}

void AcDbText::copyTextFieldsFrom(const AcDbText& other) {
  position_ = other.position_;
  alignmentPoint_ = other.alignmentPoint_;
  hasAlignmentPoint_ = other.hasAlignmentPoint_;
  normal_ = other.normal_;
  thickness_ = other.thickness_;
  height_ = other.height_;
  rotation_ = other.rotation_;
  widthFactor_ = other.widthFactor_;
  oblique_ = other.oblique_;
  generation_ = other.generation_;
  horizontalMode_ = other.horizontalMode_;
  verticalMode_ = other.verticalMode_;
  text_ = other.text_;
  style_ = other.style_;
}

zek::TextBoxFields AcDbText::boxFields() const {
  zek::TextBoxFields f;
  f.text = text_;
  f.position = position_;
  f.alignmentPoint = alignmentPoint_;
  f.height = height_;
  f.widthFactor = widthFactor_;
  f.rotation = rotation_;
  f.oblique = oblique_;
  f.horizontalMode = horizontalMode_;
  f.verticalMode = verticalMode_;
  f.mirroredInX = (generation_ & 2) != 0;
  f.mirroredInY = (generation_ & 4) != 0;
  f.normal = normal_;
  return f;
}

Acad::ErrorStatus AcDbText::adjustAlignment(const AcDbDatabase*) {
  assertWriteEnabled();
  if (isDefaultAlignment()) {
    alignmentPoint_ = position_;
    return Acad::eOk;
  }
  if (horizontalMode_ == AcDb::kTextAlign || horizontalMode_ == AcDb::kTextFit)
    return Acad::eOk;  // both points are the user's
  // The box in the text's own plane: its baseline start is where a
  // Left/Base text of the same look would begin.
  zek::TextBoxFields f = boxFields();
  f.normal = AcGeVector3d::kZAxis;
  zek::TextBox box = zek::textBoxCorners(f);
  position_ = AcGePoint3d(box[0].x, box[0].y, alignmentPoint_.z);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  zek::TextBox box = zek::textBoxCorners(boxFields());
  AcGeVector3d lift = thickness_ != 0.0 ? normal_.normal() * thickness_ : AcGeVector3d();
  extents = zek::boxExtents(box, lift);
  return Acad::eOk;
}

bool AcDbText::crossesBox(const AcDbExtents& box) const {
  assertReadEnabled();
  return zek::quadCrossesWindow(zek::textBoxCorners(boxFields()), box);
}

Acad::ErrorStatus AcDbText::transformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  AcGeVector3d newNormal = zek::transformedNormal(xform, normal_);
  zek::PlaneDirection along = zek::transformedDirection(xform, normal_, newNormal, rotation_);
  zek::PlaneDirection up =
      zek::transformedDirection(xform, normal_, newNormal, rotation_ + std::numbers::pi / 2.0);
  if (!(along.scale > 0.0) || !(up.scale > 0.0))
    return Acad::eDegenerateGeometry;
  AcGePoint3d position = xform * zek::ocsToWorld(normal_, position_);
  AcGePoint3d alignment = xform * zek::ocsToWorld(normal_, alignmentPoint_);
  AcGeVector3d lift = xform * (normal_.normal() * thickness_);

  // A mirroring turns the text's frame over: the text then reads backwards
  // along the mirrored direction, upright where its top went.
  bool mirrors = std::sin(up.angle - along.angle) < 0.0;
  if (mirrors) {
    generation_ = static_cast<Adesk::Int16>(generation_ ^ 2);
    rotation_ = up.angle - std::numbers::pi / 2.0;
    if (rotation_ < 0.0)
      rotation_ += 2.0 * std::numbers::pi;
  } else {
    rotation_ = along.angle;
  }
  height_ *= up.scale;
  widthFactor_ *= along.scale / up.scale;
  thickness_ = thickness_ < 0.0 ? -lift.length() : lift.length();
  normal_ = newNormal;
  position_ = zek::worldToOcs(normal_, position);
  alignmentPoint_ = zek::worldToOcs(normal_, alignment);
  return Acad::eOk;
}

// Grips: the point that governs the text (the insertion point for Left/Base,
// the alignment point otherwise); Aligned and Fit text has both ends.
Acad::ErrorStatus AcDbText::getGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&,
                                          AcDbIntArray&) const {
  assertReadEnabled();
  bool fitted = horizontalMode_ == AcDb::kTextAlign || horizontalMode_ == AcDb::kTextFit;
  if (fitted || isDefaultAlignment())
    gripPoints.append(position());
  if (fitted || !isDefaultAlignment())
    gripPoints.append(alignmentPoint());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::moveGripPointsAt(const AcDbIntArray& indices,
                                             const AcGeVector3d& offset) {
  assertWriteEnabled();
  bool fitted = horizontalMode_ == AcDb::kTextAlign || horizontalMode_ == AcDb::kTextFit;
  AcGeVector3d move = AcGeMatrix3d::worldToPlane(normal_) * offset;
  for (int index : indices) {
    if (fitted) {
      // Each end of Aligned and Fit text moves on its own.
      (index == 0 ? position_ : alignmentPoint_) += move;
    } else if (index == 0) {
      position_ += move;
      alignmentPoint_ += move;
    }
  }
  return Acad::eOk;
}
