// Dimensions (DXF type DIMENSION): the AcDbDimension base every kind
// shares, linear dimensions (AcDbRotatedDimension, kind 0), ordinate
// dimensions (AcDbOrdinateDimension, kind 6), and zek::KeptDimension for
// every other kind, whose own section stays as the file had it.
#pragma once

#include <string>
#include <vector>

#include "db_entity.h"
#include "db_text.h"

class AcDbDimension : public AcDbEntity {
public:
  ACRX_DECLARE_MEMBERS(AcDbDimension);
  AcDbDimension();
  ~AcDbDimension() override;

  // The anonymous *D block that shows the dimension; null when the drawing
  // has none of that name (the name is kept and written back).
  AcDbObjectId dimBlockId() const;
  Acad::ErrorStatus setDimBlockId(AcDbObjectId block);
  std::string dimBlockName() const;

  // The text's middle point (group 11), world coordinates.
  AcGePoint3d textPosition() const;
  // Also marks the text as placed by the user (flag 128).
  Acad::ErrorStatus setTextPosition(const AcGePoint3d& position);
  bool isUsingDefaultTextPosition() const { assertReadEnabled(); return (flags_ & 128) == 0; }
  Acad::ErrorStatus useSetTextPosition();
  Acad::ErrorStatus useDefaultTextPosition();

  // The text override (group 1): "" shows the measurement, "<>" in a text
  // stands for it. A copy the caller frees with acutDelString.
  char* dimensionText() const;
  const char* dimensionTextConst() const;
  Acad::ErrorStatus setDimensionText(const char* text);
  // The measured value: computed from the definition points where the kind
  // is modelled, else the value the file gave (group 42).
  Acad::ErrorStatus measurement(double& value) const;

  double textRotation() const { assertReadEnabled(); return textRotation_; }
  Acad::ErrorStatus setTextRotation(double angle);
  double horizontalRotation() const { assertReadEnabled(); return horizontalRotation_; }
  Acad::ErrorStatus setHorizontalRotation(double angle);
  AcGeVector3d normal() const { assertReadEnabled(); return normal_; }
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
  // The dimension style; the drawing's STANDARD style when none was set.
  AcDbObjectId dimensionStyle() const;
  Acad::ErrorStatus setDimensionStyle(AcDbObjectId style);
  AcDbMText::AttachmentPoint textAttachment() const { assertReadEnabled(); return attachment_; }
  Acad::ErrorStatus setTextAttachment(AcDbMText::AttachmentPoint attachment);
  AcDb::LineSpacingStyle textLineSpacingStyle() const { assertReadEnabled(); return spacingStyle_; }
  Acad::ErrorStatus setTextLineSpacingStyle(AcDb::LineSpacingStyle style);
  double textLineSpacingFactor() const { assertReadEnabled(); return spacingFactor_; }
  Acad::ErrorStatus setTextLineSpacingFactor(double factor);

  // Host side. The kind (the low three bits of group 70: 0 linear, 1
  // aligned, 2 angular, 3 diameter, 4 radius, 5 three-point angular, 6
  // ordinate) and the whole group 70 as it will be filed.
  virtual int dimensionKind() const = 0;
  Adesk::Int16 dimensionTypeFlags() const;
  // Flag 32: the *D block belongs to this dimension alone.
  bool isBlockReferencedOnlyHere() const { assertReadEnabled(); return (flags_ & 32) != 0; }
  // The points that define the dimension, world coordinates: the extents of
  // a dimension without a block.
  virtual void definitionPoints(std::vector<AcGePoint3d>& points) const;

  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  using AcDbEntity::getGripPoints;
  Acad::ErrorStatus getGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray& osnapModes,
                                  AcDbIntArray& geomIds) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

protected:
  // The measured value of the kind, when it is modelled.
  virtual bool computeMeasurement(double& value) const;
  // Called by every change of the definition points: the filed measurement
  // is recomputed when next written.
  void noteGeometryChanged() { measurementStale_ = true; }
  // The definition point (group 10), world coordinates.
  AcGePoint3d definitionPoint() const { return definitionPoint_; }
  void setDefinitionPoint(const AcGePoint3d& point) { definitionPoint_ = point; }
  void setTypeFlag(int bit, bool on);
  bool typeFlag(int bit) const { return (flags_ & bit) != 0; }
  // The kind bits a file gave (zek::KeptDimension files them back).
  int filedKind() const { return flags_ & 7; }

private:
  mutable AcDbObjectId block_;
  std::string blockName_;
  AcGePoint3d definitionPoint_;  // WCS
  AcGePoint3d textPosition_;     // OCS, as filed
  Adesk::Int16 flags_ = 0;       // group 70 as read; the kind bits come from the class
  AcDbMText::AttachmentPoint attachment_ = AcDbMText::kMiddleCenter;
  AcDb::LineSpacingStyle spacingStyle_ = AcDb::kAtLeast;
  double spacingFactor_ = 1.0;
  double measurement_ = 0.0;
  bool hasMeasurement_ = false;
  bool measurementStale_ = false;
  std::string text_;
  double textRotation_ = 0.0;
  double horizontalRotation_ = 0.0;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  AcDbObjectId style_;
};

// A linear dimension: the distance between its extension line points
// measured along its rotation.
class AcDbRotatedDimension : public AcDbDimension {
public:
  ACRX_DECLARE_MEMBERS(AcDbRotatedDimension);
  AcDbRotatedDimension();
  AcDbRotatedDimension(double rotation, const AcGePoint3d& xLine1Point,
                       const AcGePoint3d& xLine2Point, const AcGePoint3d& dimLinePoint,
                       const char* dimText = nullptr, AcDbObjectId dimStyle = AcDbObjectId::kNull);
  ~AcDbRotatedDimension() override;

  AcGePoint3d xLine1Point() const { assertReadEnabled(); return xLine1_; }
  Acad::ErrorStatus setXLine1Point(const AcGePoint3d& point);
  AcGePoint3d xLine2Point() const { assertReadEnabled(); return xLine2_; }
  Acad::ErrorStatus setXLine2Point(const AcGePoint3d& point);
  // A point on the dimension line (group 10).
  AcGePoint3d dimLinePoint() const { assertReadEnabled(); return definitionPoint(); }
  Acad::ErrorStatus setDimLinePoint(const AcGePoint3d& point);
  // The direction measured along, radians (group 50).
  double rotation() const { assertReadEnabled(); return rotation_; }
  Acad::ErrorStatus setRotation(double angle);
  // The extension lines' slant, radians (group 52).
  double oblique() const { assertReadEnabled(); return oblique_; }
  Acad::ErrorStatus setOblique(double angle);

  int dimensionKind() const override { return 0; }
  void definitionPoints(std::vector<AcGePoint3d>& points) const override;
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

protected:
  bool computeMeasurement(double& value) const override;

private:
  AcGePoint3d xLine1_;
  AcGePoint3d xLine2_;
  double rotation_ = 0.0;
  double oblique_ = 0.0;
};

// An ordinate dimension: the X or Y distance of a feature from an origin,
// shown along a leader.
class AcDbOrdinateDimension : public AcDbDimension {
public:
  ACRX_DECLARE_MEMBERS(AcDbOrdinateDimension);
  AcDbOrdinateDimension();
  AcDbOrdinateDimension(bool useXAxis, const AcGePoint3d& definingPoint,
                        const AcGePoint3d& leaderEndPoint, const char* dimText = nullptr,
                        AcDbObjectId dimStyle = AcDbObjectId::kNull);
  ~AcDbOrdinateDimension() override;

  // Measuring X (flag 64) or Y.
  bool isUsingXAxis() const { assertReadEnabled(); return typeFlag(64); }
  bool isUsingYAxis() const { return !isUsingXAxis(); }
  Acad::ErrorStatus useXAxis();
  Acad::ErrorStatus useYAxis();
  Acad::ErrorStatus setUsingXAxis(bool value);
  Acad::ErrorStatus setUsingYAxis(bool value) { return setUsingXAxis(!value); }
  // The zero point the ordinate is measured from (group 10).
  AcGePoint3d origin() const { assertReadEnabled(); return definitionPoint(); }
  Acad::ErrorStatus setOrigin(const AcGePoint3d& point);
  // The feature (group 13).
  AcGePoint3d definingPoint() const { assertReadEnabled(); return definingPoint_; }
  Acad::ErrorStatus setDefiningPoint(const AcGePoint3d& point);
  // Where the leader ends (group 14).
  AcGePoint3d leaderEndPoint() const { assertReadEnabled(); return leaderEnd_; }
  Acad::ErrorStatus setLeaderEndPoint(const AcGePoint3d& point);

  int dimensionKind() const override { return 6; }
  void definitionPoints(std::vector<AcGePoint3d>& points) const override;
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

protected:
  bool computeMeasurement(double& value) const override;

private:
  AcGePoint3d definingPoint_;
  AcGePoint3d leaderEnd_;
};

namespace zek {

// A dimension of a kind the host does not model (aligned, angular, radial,
// diametric ...): the AcDbDimension part is read and written like any
// other's, the kind's own sections stay as kept groups and go back to the
// file unchanged. It cannot be transformed (its own points are not known).
class KeptDimension : public AcDbDimension {
public:
  ACRX_DECLARE_MEMBERS(KeptDimension);
  KeptDimension() = default;
  explicit KeptDimension(int kind) : kind_(kind & 7) {}

  int dimensionKind() const override { return kind_; }
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

private:
  int kind_ = 1;
};

// The class for a DIMENSION of this group 70 value (its low three bits):
// AcDbRotatedDimension for 0, AcDbOrdinateDimension for 6, KeptDimension
// for the rest. The caller owns the new object.
[[nodiscard]] AcDbDimension* newDimensionForType(int dimtype);

}  // namespace zek
