// Text entities: single-line text (AcDbText), multi-line text (AcDbMText),
// and the attribute texts of blocks (AcDbAttributeDefinition in a block
// definition, AcDbAttribute on a block reference).
#pragma once

#include <string>

#include "db_entity.h"

namespace zek {
struct TextBoxFields;
}  // namespace zek

namespace AcDb {
// How MTEXT lines are spaced (group 73).
enum LineSpacingStyle { kAtLeast = 1, kExactly = 2 };
}  // namespace AcDb

// Single-line text. Positions are world coordinates at the interface; the
// file holds them in the text's plane (OCS), and so does the entity, so that
// a drawing reads back digit for digit.
class AcDbText : public AcDbEntity {
public:
  ACRX_DECLARE_MEMBERS(AcDbText);
  AcDbText();
  AcDbText(const AcGePoint3d& position, const char* text, AcDbObjectId style = AcDbObjectId::kNull,
           double height = 0.0, double rotation = 0.0);
  ~AcDbText() override;

  // The insertion point (group 10): where Left/Base text starts.
  AcGePoint3d position() const;
  Acad::ErrorStatus setPosition(const AcGePoint3d& position);
  // The alignment point (group 11): the point every other alignment keeps.
  AcGePoint3d alignmentPoint() const;
  Acad::ErrorStatus setAlignmentPoint(const AcGePoint3d& point);
  // Left/Base alignment, the one where the insertion point governs.
  bool isDefaultAlignment() const;

  AcGeVector3d normal() const { assertReadEnabled(); return normal_; }
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
  double thickness() const { assertReadEnabled(); return thickness_; }
  Acad::ErrorStatus setThickness(double thickness);
  // Slant from the vertical in radians (group 51); CAD hosts allow ±85°.
  double oblique() const { assertReadEnabled(); return oblique_; }
  Acad::ErrorStatus setOblique(double angle);
  // Radians in memory, degrees in the file (group 50).
  double rotation() const { assertReadEnabled(); return rotation_; }
  Acad::ErrorStatus setRotation(double angle);
  double height() const { assertReadEnabled(); return height_; }
  // eInvalidInput for a height that is not positive.
  Acad::ErrorStatus setHeight(double height);
  double widthFactor() const { assertReadEnabled(); return widthFactor_; }
  Acad::ErrorStatus setWidthFactor(double factor);
  // Group 71: 2 backwards (mirrored in X), 4 upside down (mirrored in Y).
  bool isMirroredInX() const { assertReadEnabled(); return (generation_ & 2) != 0; }
  Acad::ErrorStatus mirrorInX(bool mirror);
  bool isMirroredInY() const { assertReadEnabled(); return (generation_ & 4) != 0; }
  Acad::ErrorStatus mirrorInY(bool mirror);
  AcDb::TextHorzMode horizontalMode() const { assertReadEnabled(); return horizontalMode_; }
  Acad::ErrorStatus setHorizontalMode(AcDb::TextHorzMode mode);
  AcDb::TextVertMode verticalMode() const { assertReadEnabled(); return verticalMode_; }
  Acad::ErrorStatus setVerticalMode(AcDb::TextVertMode mode);

  // A copy of the text (UTF-8) the caller frees with acutDelString.
  char* textString() const;
  // The text itself, valid while the entity is open and unchanged.
  const char* textStringConst() const;
  Acad::ErrorStatus setTextString(const char* text);

  // The text style record; the drawing's STANDARD style when none was set.
  AcDbObjectId textStyle() const;
  Acad::ErrorStatus setTextStyle(AcDbObjectId style);

  // Recomputes the point CAD hosts derive: for any alignment other than
  // Left/Base, Aligned and Fit the insertion point follows from the
  // alignment point and the text's width in the text metrics model; for
  // Left/Base the alignment point becomes the insertion point.
  Acad::ErrorStatus adjustAlignment(const AcDbDatabase* db = nullptr);

  // What the text metrics model needs to place the box (zek/text_metrics.h):
  // the fields in the text's plane, as the extents and the renderer read them.
  zek::TextBoxFields boxFields() const;

  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  using AcDbEntity::getGripPoints;
  Acad::ErrorStatus getGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray& osnapModes,
                                  AcDbIntArray& geomIds) const override;
  Acad::ErrorStatus moveGripPointsAt(const AcDbIntArray& indices,
                                     const AcGeVector3d& offset) override;
  bool crossesBox(const AcDbExtents& box) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

protected:
  // The AcDbText section as TEXT, ATTRIB and ATTDEF share it. An attribute
  // keeps its vertical mode in its own section (74), and 73 there is the
  // field length, so `attributeForm` leaves 73 to the attribute's level.
  Acad::ErrorStatus readTextSection(AcDbDxfFiler* filer, bool attributeForm);
  Acad::ErrorStatus writeTextSection(AcDbDxfFiler* filer) const;
  // Every text field of another text (an attribute taking its definition's).
  void copyTextFieldsFrom(const AcDbText& other);

private:
  AcGePoint3d position_;        // OCS, as filed
  AcGePoint3d alignmentPoint_;  // OCS, as filed
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  double thickness_ = 0.0;
  double height_ = 0.0;
  double rotation_ = 0.0;
  double widthFactor_ = 1.0;
  double oblique_ = 0.0;
  Adesk::Int16 generation_ = 0;
  bool hasAlignmentPoint_ = false;
  AcDb::TextHorzMode horizontalMode_ = AcDb::kTextLeft;
  AcDb::TextVertMode verticalMode_ = AcDb::kTextBase;
  std::string text_;
  AcDbObjectId style_;
};

// Multi-line text. The location (10) and direction (11) are world
// coordinates, as the file holds them.
class AcDbMText : public AcDbEntity {
public:
  ACRX_DECLARE_MEMBERS(AcDbMText);
  AcDbMText();
  ~AcDbMText() override;

  enum AttachmentPoint {
    kTopLeft = 1, kTopCenter = 2, kTopRight = 3,
    kMiddleLeft = 4, kMiddleCenter = 5, kMiddleRight = 6,
    kBottomLeft = 7, kBottomCenter = 8, kBottomRight = 9,
  };
  enum FlowDirection { kLtoR = 1, kRtoL = 2, kTtoB = 3, kBtoT = 4, kByStyle = 5 };

  AcGePoint3d location() const { assertReadEnabled(); return location_; }
  Acad::ErrorStatus setLocation(const AcGePoint3d& location);
  AcGeVector3d normal() const { assertReadEnabled(); return normal_; }
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
  // The text's X axis in world coordinates (unit length).
  AcGeVector3d direction() const;
  // eInvalidInput for a zero vector or one along the normal.
  Acad::ErrorStatus setDirection(const AcGeVector3d& direction);
  // The direction as an angle in the text's plane (radians).
  double rotation() const;
  Acad::ErrorStatus setRotation(double angle);
  double textHeight() const { assertReadEnabled(); return height_; }
  Acad::ErrorStatus setTextHeight(double height);
  // The reference width (group 41); 0 means "no wrapping width".
  double width() const { assertReadEnabled(); return width_; }
  Acad::ErrorStatus setWidth(double width);
  AttachmentPoint attachment() const { assertReadEnabled(); return attachment_; }
  Acad::ErrorStatus setAttachment(AttachmentPoint attachment);
  FlowDirection flowDirection() const { assertReadEnabled(); return flow_; }
  Acad::ErrorStatus setFlowDirection(FlowDirection flow);
  AcDb::LineSpacingStyle lineSpacingStyle() const { assertReadEnabled(); return spacingStyle_; }
  Acad::ErrorStatus setLineSpacingStyle(AcDb::LineSpacingStyle style);
  // 0.25 to 4.0 of the normal 5/3 × height pitch.
  double lineSpacingFactor() const { assertReadEnabled(); return spacingFactor_; }
  Acad::ErrorStatus setLineSpacingFactor(double factor);

  // The contents with their inline codes, as a copy the caller frees with
  // acutDelString; contentsConst() without copying.
  char* contents() const;
  const char* contentsConst() const;
  Acad::ErrorStatus setContents(const char* text);
  // The contents stripped of inline codes, lines separated by '\n'.
  std::string text() const;

  AcDbObjectId textStyle() const;
  Acad::ErrorStatus setTextStyle(AcDbObjectId style);

  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  using AcDbEntity::getGripPoints;
  Acad::ErrorStatus getGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray& osnapModes,
                                  AcDbIntArray& geomIds) const override;
  Acad::ErrorStatus moveGripPointsAt(const AcDbIntArray& indices,
                                     const AcGeVector3d& offset) override;
  bool crossesBox(const AcDbExtents& box) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
  AcGePoint3d location_;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  AcGeVector3d direction_;  // zero: the X axis of the plane
  double height_ = 0.0;
  double width_ = 0.0;
  AttachmentPoint attachment_ = kTopLeft;
  FlowDirection flow_ = kLtoR;
  AcDb::LineSpacingStyle spacingStyle_ = AcDb::kAtLeast;
  double spacingFactor_ = 1.0;
  std::string contents_;
  AcDbObjectId style_;
};

// An attribute definition of a block (ATTDEF): the text a reference's
// attribute starts from, with its tag, prompt and flags.
class AcDbAttributeDefinition : public AcDbText {
public:
  ACRX_DECLARE_MEMBERS(AcDbAttributeDefinition);
  AcDbAttributeDefinition();
  AcDbAttributeDefinition(const AcGePoint3d& position, const char* text, const char* tag,
                          const char* prompt, AcDbObjectId style = AcDbObjectId::kNull);
  ~AcDbAttributeDefinition() override;

  char* tag() const;
  const char* tagConst() const;
  // eInvalidInput for a null or empty tag or one holding a space.
  Acad::ErrorStatus setTag(const char* tag);
  char* prompt() const;
  const char* promptConst() const;
  Acad::ErrorStatus setPrompt(const char* prompt);

  // Group 70: invisible 1, constant 2, verify 4, preset 8.
  bool isInvisible() const { assertReadEnabled(); return (flags_ & 1) != 0; }
  Acad::ErrorStatus setInvisible(bool value);
  bool isConstant() const { assertReadEnabled(); return (flags_ & 2) != 0; }
  Acad::ErrorStatus setConstant(bool value);
  bool isVerifiable() const { assertReadEnabled(); return (flags_ & 4) != 0; }
  Acad::ErrorStatus setVerifiable(bool value);
  bool isPreset() const { assertReadEnabled(); return (flags_ & 8) != 0; }
  Acad::ErrorStatus setPreset(bool value);
  Adesk::UInt16 fieldLength() const { assertReadEnabled(); return fieldLength_; }
  Acad::ErrorStatus setFieldLength(Adesk::UInt16 length);
  bool lockPositionInBlock() const { assertReadEnabled(); return lockPosition_; }
  Acad::ErrorStatus setLockPositionInBlock(bool locked);

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
  std::string tag_;
  std::string prompt_;
  Adesk::Int16 flags_ = 0;
  Adesk::UInt16 fieldLength_ = 0;
  bool lockPosition_ = false;
  bool hasLockGroup_ = false;
};

// An attribute of a block reference (ATTRIB): owned by the reference, filed
// after it and before its SEQEND.
class AcDbAttribute : public AcDbText {
public:
  ACRX_DECLARE_MEMBERS(AcDbAttribute);
  AcDbAttribute();
  AcDbAttribute(const AcGePoint3d& position, const char* text, const char* tag,
                AcDbObjectId style = AcDbObjectId::kNull);
  ~AcDbAttribute() override;

  char* tag() const;
  const char* tagConst() const;
  Acad::ErrorStatus setTag(const char* tag);

  bool isInvisible() const { assertReadEnabled(); return (flags_ & 1) != 0; }
  Acad::ErrorStatus setInvisible(bool value);
  bool isConstant() const { assertReadEnabled(); return (flags_ & 2) != 0; }
  bool isVerifiable() const { assertReadEnabled(); return (flags_ & 4) != 0; }
  bool isPreset() const { assertReadEnabled(); return (flags_ & 8) != 0; }
  Adesk::UInt16 fieldLength() const { assertReadEnabled(); return fieldLength_; }
  Acad::ErrorStatus setFieldLength(Adesk::UInt16 length);
  bool lockPositionInBlock() const { assertReadEnabled(); return lockPosition_; }
  Acad::ErrorStatus setLockPositionInBlock(bool locked);

  // Takes text, tag, flags and placement from a definition, placed by the
  // reference's block transform (AcDbBlockReference::blockTransform).
  Acad::ErrorStatus setAttributeFromBlock(const AcDbAttributeDefinition* definition,
                                          const AcGeMatrix3d& blockTransform);

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
  std::string tag_;
  Adesk::Int16 flags_ = 0;
  Adesk::UInt16 fieldLength_ = 0;
  bool lockPosition_ = false;
  bool hasLockGroup_ = false;
};
