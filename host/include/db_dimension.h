// Dimensions (DXF type DIMENSION): the AcDbDimension base every kind
// shares, linear dimensions (AcDbRotatedDimension, kind 0), aligned
// dimensions (AcDbAlignedDimension, kind 1), diameters
// (AcDbDiametricDimension, kind 3), radii (AcDbRadialDimension, kind 4),
// ordinate dimensions (AcDbOrdinateDimension, kind 6), and
// zek::KeptDimension for the angular kinds, whose own section stays as the
// file had it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "db_entity.h"
#include "db_text.h"

namespace zek {
struct DimVars;
struct DimGeometry;
}  // namespace zek

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

  // ---- Dimension variables: the style's, overridden by this dimension's own
  // A getter answers the dimension's own value (its DSTYLE override) or else
  // its style's; a setter files the value as this dimension's override (an
  // "ACAD" DSTYLE pair, registering the ACAD application) even when it equals
  // the style's, so a later capture of the drawing's current values leaves
  // it alone. Setters need the dimension open for write, answer
  // eInvalidInput for a value out of the variable's range, and note that the
  // display changed. zek::removeDimOverride (zek/dim_vars.h) drops one.
  double dimscale() const;
  [[nodiscard]] Acad::ErrorStatus setDimscale(double value);
  double dimasz() const;
  [[nodiscard]] Acad::ErrorStatus setDimasz(double value);
  double dimexo() const;
  [[nodiscard]] Acad::ErrorStatus setDimexo(double value);
  double dimdli() const;
  [[nodiscard]] Acad::ErrorStatus setDimdli(double value);
  double dimexe() const;
  [[nodiscard]] Acad::ErrorStatus setDimexe(double value);
  double dimrnd() const;
  [[nodiscard]] Acad::ErrorStatus setDimrnd(double value);
  double dimdle() const;
  [[nodiscard]] Acad::ErrorStatus setDimdle(double value);
  double dimtp() const;
  [[nodiscard]] Acad::ErrorStatus setDimtp(double value);
  double dimtm() const;
  [[nodiscard]] Acad::ErrorStatus setDimtm(double value);
  double dimtxt() const;
  [[nodiscard]] Acad::ErrorStatus setDimtxt(double value);
  double dimcen() const;
  [[nodiscard]] Acad::ErrorStatus setDimcen(double value);
  double dimtsz() const;
  [[nodiscard]] Acad::ErrorStatus setDimtsz(double value);
  double dimaltf() const;
  [[nodiscard]] Acad::ErrorStatus setDimaltf(double value);
  double dimlfac() const;
  [[nodiscard]] Acad::ErrorStatus setDimlfac(double value);
  double dimtvp() const;
  [[nodiscard]] Acad::ErrorStatus setDimtvp(double value);
  double dimtfac() const;
  [[nodiscard]] Acad::ErrorStatus setDimtfac(double value);
  double dimgap() const;
  [[nodiscard]] Acad::ErrorStatus setDimgap(double value);
  double dimaltrnd() const;
  [[nodiscard]] Acad::ErrorStatus setDimaltrnd(double value);
  bool dimtol() const;
  [[nodiscard]] Acad::ErrorStatus setDimtol(bool value);
  bool dimlim() const;
  [[nodiscard]] Acad::ErrorStatus setDimlim(bool value);
  bool dimtih() const;
  [[nodiscard]] Acad::ErrorStatus setDimtih(bool value);
  bool dimtoh() const;
  [[nodiscard]] Acad::ErrorStatus setDimtoh(bool value);
  bool dimse1() const;
  [[nodiscard]] Acad::ErrorStatus setDimse1(bool value);
  bool dimse2() const;
  [[nodiscard]] Acad::ErrorStatus setDimse2(bool value);
  bool dimalt() const;
  [[nodiscard]] Acad::ErrorStatus setDimalt(bool value);
  bool dimtofl() const;
  [[nodiscard]] Acad::ErrorStatus setDimtofl(bool value);
  bool dimsah() const;
  [[nodiscard]] Acad::ErrorStatus setDimsah(bool value);
  bool dimtix() const;
  [[nodiscard]] Acad::ErrorStatus setDimtix(bool value);
  bool dimsoxd() const;
  [[nodiscard]] Acad::ErrorStatus setDimsoxd(bool value);
  bool dimsd1() const;
  [[nodiscard]] Acad::ErrorStatus setDimsd1(bool value);
  bool dimsd2() const;
  [[nodiscard]] Acad::ErrorStatus setDimsd2(bool value);
  bool dimupt() const;
  [[nodiscard]] Acad::ErrorStatus setDimupt(bool value);
  int dimtad() const;
  [[nodiscard]] Acad::ErrorStatus setDimtad(int value);
  int dimzin() const;
  [[nodiscard]] Acad::ErrorStatus setDimzin(int value);
  int dimazin() const;
  [[nodiscard]] Acad::ErrorStatus setDimazin(int value);
  int dimaltd() const;
  [[nodiscard]] Acad::ErrorStatus setDimaltd(int value);
  int dimadec() const;
  [[nodiscard]] Acad::ErrorStatus setDimadec(int value);
  int dimdec() const;
  [[nodiscard]] Acad::ErrorStatus setDimdec(int value);
  int dimtdec() const;
  [[nodiscard]] Acad::ErrorStatus setDimtdec(int value);
  int dimaltu() const;
  [[nodiscard]] Acad::ErrorStatus setDimaltu(int value);
  int dimalttd() const;
  [[nodiscard]] Acad::ErrorStatus setDimalttd(int value);
  int dimaunit() const;
  [[nodiscard]] Acad::ErrorStatus setDimaunit(int value);
  int dimfrac() const;
  [[nodiscard]] Acad::ErrorStatus setDimfrac(int value);
  int dimlunit() const;
  [[nodiscard]] Acad::ErrorStatus setDimlunit(int value);
  int dimtmove() const;
  [[nodiscard]] Acad::ErrorStatus setDimtmove(int value);
  int dimjust() const;
  [[nodiscard]] Acad::ErrorStatus setDimjust(int value);
  int dimtolj() const;
  [[nodiscard]] Acad::ErrorStatus setDimtolj(int value);
  int dimtzin() const;
  [[nodiscard]] Acad::ErrorStatus setDimtzin(int value);
  int dimaltz() const;
  [[nodiscard]] Acad::ErrorStatus setDimaltz(int value);
  int dimalttz() const;
  [[nodiscard]] Acad::ErrorStatus setDimalttz(int value);
  int dimatfit() const;
  [[nodiscard]] Acad::ErrorStatus setDimatfit(int value);
  char dimdsep() const;
  [[nodiscard]] Acad::ErrorStatus setDimdsep(char value);
  AcCmColor dimclrd() const;
  [[nodiscard]] Acad::ErrorStatus setDimclrd(const AcCmColor& color);
  AcCmColor dimclre() const;
  [[nodiscard]] Acad::ErrorStatus setDimclre(const AcCmColor& color);
  AcCmColor dimclrt() const;
  [[nodiscard]] Acad::ErrorStatus setDimclrt(const AcCmColor& color);
  AcDb::LineWeight dimlwd() const;
  [[nodiscard]] Acad::ErrorStatus setDimlwd(AcDb::LineWeight weight);
  AcDb::LineWeight dimlwe() const;
  [[nodiscard]] Acad::ErrorStatus setDimlwe(AcDb::LineWeight weight);
  std::string dimpost() const;
  [[nodiscard]] Acad::ErrorStatus setDimpost(const char* text);
  std::string dimapost() const;
  [[nodiscard]] Acad::ErrorStatus setDimapost(const char* text);
  // The text style (null: the drawing's STANDARD) and the arrow blocks (null:
  // the closed filled arrow; by name: a block the drawing may not hold yet).
  AcDbObjectId dimtxsty() const;
  [[nodiscard]] Acad::ErrorStatus setDimtxsty(AcDbObjectId style);
  AcDbObjectId dimldrblk() const;
  [[nodiscard]] Acad::ErrorStatus setDimldrblk(AcDbObjectId block);
  [[nodiscard]] Acad::ErrorStatus setDimldrblk(const char* name);
  AcDbObjectId dimblk() const;
  [[nodiscard]] Acad::ErrorStatus setDimblk(AcDbObjectId block);
  [[nodiscard]] Acad::ErrorStatus setDimblk(const char* name);
  AcDbObjectId dimblk1() const;
  [[nodiscard]] Acad::ErrorStatus setDimblk1(AcDbObjectId block);
  [[nodiscard]] Acad::ErrorStatus setDimblk1(const char* name);
  AcDbObjectId dimblk2() const;
  [[nodiscard]] Acad::ErrorStatus setDimblk2(AcDbObjectId block);
  [[nodiscard]] Acad::ErrorStatus setDimblk2(const char* name);
  // ---- end of the dimension variables -------------------------------------

protected:
  // The measured value of the kind, when it is modelled.
  virtual bool computeMeasurement(double& value) const;
  // Called by every change of the definition points: the filed measurement
  // is recomputed when next written, the block made again.
  void noteGeometryChanged() {
    measurementStale_ = true;
    noteDisplayChanged();
  }
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

  // ---- Display: the *D block ------------------------------------------------
  // The block that shows a dimension is made from its points, its text and
  // its variables (db/dimblocks). It is made again when the dimension was
  // changed and is closed, and when the drawing is written; a dimension read
  // with a valid block keeps that block exactly until it is changed.
public:
  // Notes that what the dimension shows changed (a point, the text, the
  // style, an override of a variable): the block is made again at the next
  // close after a write open, or when the drawing is written.
  void noteDisplayChanged();
  // True while the block does not show the dimension as it now is.
  bool isDisplayStale() const { assertReadEnabled(); return displayStale_; }
  // Makes the *D block again now (the dimension open for write and in a
  // database; it then uses a block of its own). eNoDatabase outside a
  // database, eNotApplicable for kinds whose geometry the host does not
  // make. Without forceUpdate a block that is up to date stays.
  [[nodiscard]] Acad::ErrorStatus recomputeDimBlock(bool forceUpdate = true);
  // Host side. The display geometry in the dimension's plane for these
  // variables and this shown text; false for kinds the host does not draw.
  virtual bool displayGeometry(const zek::DimVars& vars, std::string_view text,
                               zek::DimGeometry& geometry) const;
  // The text the dimension shows: the measurement formatted by its
  // variables (with "∅" or "R" before it for a diameter or a radius), or
  // the override with "<>" standing for the measurement.
  std::string displayText(const zek::DimVars& vars) const;
  // Host side: the text position as filed, whatever the flags say (OCS).
  AcGePoint3d filedTextPosition() const { return textPosition_; }
  // Host side: where the display geometry puts the text now (world
  // coordinates); false for kinds the host does not draw.
  bool placedTextPosition(AcGePoint3d& position) const;
  // Host side: a deep-cloned copy shares its original's block until its
  // own is made.
  bool needsOwnBlock() const { return needsOwnBlock_; }

protected:
  // Called by setTextPosition once the position is stored: a kind whose text
  // hangs on another point (an ordinate's leader end, a linear dimension's
  // line) moves that point so the text stays attached.
  virtual void textPositionSet(const zek::DimVars& vars);

private:
  bool displayStale_ = true;
  bool needsOwnBlock_ = false;
  // ---- end of the display block ---------------------------------------------
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
  bool displayGeometry(const zek::DimVars& vars, std::string_view text,
                       zek::DimGeometry& geometry) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

protected:
  bool computeMeasurement(double& value) const override;
  void textPositionSet(const zek::DimVars& vars) override;

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

  bool displayGeometry(const zek::DimVars& vars, std::string_view text,
                       zek::DimGeometry& geometry) const override;

protected:
  bool computeMeasurement(double& value) const override;
  void textPositionSet(const zek::DimVars& vars) override;

private:
  AcGePoint3d definingPoint_;
  AcGePoint3d leaderEnd_;
};

// An aligned dimension: the distance between its extension line points,
// measured along the line through them.
class AcDbAlignedDimension : public AcDbDimension {
public:
  ACRX_DECLARE_MEMBERS(AcDbAlignedDimension);
  AcDbAlignedDimension();
  AcDbAlignedDimension(const AcGePoint3d& xLine1Point, const AcGePoint3d& xLine2Point,
                       const AcGePoint3d& dimLinePoint, const char* dimText = nullptr,
                       AcDbObjectId dimStyle = AcDbObjectId::kNull);
  ~AcDbAlignedDimension() override;

  AcGePoint3d xLine1Point() const { assertReadEnabled(); return xLine1_; }
  Acad::ErrorStatus setXLine1Point(const AcGePoint3d& point);
  AcGePoint3d xLine2Point() const { assertReadEnabled(); return xLine2_; }
  Acad::ErrorStatus setXLine2Point(const AcGePoint3d& point);
  // A point on the dimension line (group 10).
  AcGePoint3d dimLinePoint() const { assertReadEnabled(); return definitionPoint(); }
  Acad::ErrorStatus setDimLinePoint(const AcGePoint3d& point);
  // The extension lines' slant, radians (group 52).
  double oblique() const { assertReadEnabled(); return oblique_; }
  Acad::ErrorStatus setOblique(double angle);

  int dimensionKind() const override { return 1; }
  void definitionPoints(std::vector<AcGePoint3d>& points) const override;
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  bool displayGeometry(const zek::DimVars& vars, std::string_view text,
                       zek::DimGeometry& geometry) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

protected:
  bool computeMeasurement(double& value) const override;
  void textPositionSet(const zek::DimVars& vars) override;

private:
  AcGePoint3d xLine1_;
  AcGePoint3d xLine2_;
  double oblique_ = 0.0;
};

// A diameter: across a circle from the chord point (group 15) to the far
// chord point (group 10), the text hanging on a leader.
class AcDbDiametricDimension : public AcDbDimension {
public:
  ACRX_DECLARE_MEMBERS(AcDbDiametricDimension);
  AcDbDiametricDimension();
  AcDbDiametricDimension(const AcGePoint3d& chordPoint, const AcGePoint3d& farChordPoint,
                         double leaderLength, const char* dimText = nullptr,
                         AcDbObjectId dimStyle = AcDbObjectId::kNull);
  ~AcDbDiametricDimension() override;

  AcGePoint3d chordPoint() const { assertReadEnabled(); return chordPoint_; }
  Acad::ErrorStatus setChordPoint(const AcGePoint3d& point);
  AcGePoint3d farChordPoint() const { assertReadEnabled(); return definitionPoint(); }
  Acad::ErrorStatus setFarChordPoint(const AcGePoint3d& point);
  // From the chord point to the text (group 40).
  double leaderLength() const { assertReadEnabled(); return leaderLength_; }
  Acad::ErrorStatus setLeaderLength(double length);

  int dimensionKind() const override { return 3; }
  void definitionPoints(std::vector<AcGePoint3d>& points) const override;
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  bool displayGeometry(const zek::DimVars& vars, std::string_view text,
                       zek::DimGeometry& geometry) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

protected:
  bool computeMeasurement(double& value) const override;

private:
  AcGePoint3d chordPoint_;
  double leaderLength_ = 0.0;
};

// A radius: from the centre (group 10) to the chord point (group 15), the
// text hanging on a leader.
class AcDbRadialDimension : public AcDbDimension {
public:
  ACRX_DECLARE_MEMBERS(AcDbRadialDimension);
  AcDbRadialDimension();
  AcDbRadialDimension(const AcGePoint3d& center, const AcGePoint3d& chordPoint,
                      double leaderLength, const char* dimText = nullptr,
                      AcDbObjectId dimStyle = AcDbObjectId::kNull);
  ~AcDbRadialDimension() override;

  AcGePoint3d center() const { assertReadEnabled(); return definitionPoint(); }
  Acad::ErrorStatus setCenter(const AcGePoint3d& point);
  AcGePoint3d chordPoint() const { assertReadEnabled(); return chordPoint_; }
  Acad::ErrorStatus setChordPoint(const AcGePoint3d& point);
  // From the chord point to the text (group 40).
  double leaderLength() const { assertReadEnabled(); return leaderLength_; }
  Acad::ErrorStatus setLeaderLength(double length);

  int dimensionKind() const override { return 4; }
  void definitionPoints(std::vector<AcGePoint3d>& points) const override;
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  bool displayGeometry(const zek::DimVars& vars, std::string_view text,
                       zek::DimGeometry& geometry) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

protected:
  bool computeMeasurement(double& value) const override;

private:
  AcGePoint3d chordPoint_;
  double leaderLength_ = 0.0;
};

namespace zek {

// A dimension of a kind the host does not model (the angular kinds 2 and
// 5): the AcDbDimension part is read and written like any other's, the
// kind's own sections stay as kept groups and go back to the file
// unchanged, and so does its block. It cannot be transformed (its own
// points are not known).
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
// AcDbRotatedDimension for 0, AcDbAlignedDimension for 1,
// AcDbDiametricDimension for 3, AcDbRadialDimension for 4,
// AcDbOrdinateDimension for 6, KeptDimension for the angular kinds 2 and 5.
// The caller owns the new object.
[[nodiscard]] AcDbDimension* newDimensionForType(int dimtype);

}  // namespace zek
