// AcDbBlockReference: a block placed in a drawing (INSERT), with the
// attributes it owns (ATTRIB ... SEQEND) and the rows and columns of a
// multiple insert (MINSERT fields of the same INSERT entity).
#pragma once

#include <string>
#include <vector>

#include "db_entity.h"

class AcDbAttribute;

#ifndef ZEK_GE_SCALE3D_DEFINED
#define ZEK_GE_SCALE3D_DEFINED
// Scale factors along the three axes of a block reference (41, 42, 43).
class AcGeScale3d {
public:
  AcGeScale3d() = default;
  explicit AcGeScale3d(double factor) : sx(factor), sy(factor), sz(factor) {}
  AcGeScale3d(double x, double y, double z) : sx(x), sy(y), sz(z) {}
  bool operator==(const AcGeScale3d&) const = default;
  double sx = 1.0;
  double sy = 1.0;
  double sz = 1.0;
};
#endif

class AcDbBlockReference : public AcDbEntity, public zek::ComplexEntity {
public:
  ACRX_DECLARE_MEMBERS(AcDbBlockReference);
  AcDbBlockReference();
  AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId blockTableRecord);
  ~AcDbBlockReference() override;

  // The block placed. A drawing that names a block it never defines keeps
  // the name (blockName()) and answers a null id here.
  AcDbObjectId blockTableRecord() const;
  Acad::ErrorStatus setBlockTableRecord(AcDbObjectId block);
  // The name of the block as filed (the record's name while there is one).
  std::string blockName() const;

  // The insertion point, in world coordinates (the file holds it in the
  // reference's plane).
  AcGePoint3d position() const;
  Acad::ErrorStatus setPosition(const AcGePoint3d& position);
  AcGeScale3d scaleFactors() const { assertReadEnabled(); return scale_; }
  // eInvalidInput when a factor is zero.
  Acad::ErrorStatus setScaleFactors(const AcGeScale3d& scale);
  // Radians about the normal.
  double rotation() const { assertReadEnabled(); return rotation_; }
  Acad::ErrorStatus setRotation(double angle);
  AcGeVector3d normal() const { assertReadEnabled(); return normal_; }
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);

  // Block coordinates to world coordinates: translation to the position ·
  // the plane of the normal · rotation · scale · translation by the negated
  // block origin.
  AcGeMatrix3d blockTransform() const;

  // Multiple insert (MINSERT): columns (70) and rows (71), 1 for a plain
  // insert, and their spacing (44, 45) in the reference's rotated axes.
  Adesk::UInt16 columns() const { assertReadEnabled(); return columns_; }
  Acad::ErrorStatus setColumns(Adesk::UInt16 count);
  Adesk::UInt16 rows() const { assertReadEnabled(); return rows_; }
  Acad::ErrorStatus setRows(Adesk::UInt16 count);
  double columnSpacing() const { assertReadEnabled(); return columnSpacing_; }
  Acad::ErrorStatus setColumnSpacing(double spacing);
  double rowSpacing() const { assertReadEnabled(); return rowSpacing_; }
  Acad::ErrorStatus setRowSpacing(double spacing);
  bool isMInsert() const;

  // Adds an attribute to the reference, which must be in a database: the
  // attribute goes into the reference's database, owned by it, open for
  // write until the caller closes it. The first attribute also makes the
  // SEQEND that ends them in DXF files.
  Acad::ErrorStatus appendAttribute(AcDbObjectId& id, AcDbAttribute* attribute);
  Acad::ErrorStatus appendAttribute(AcDbAttribute* attribute);
  // The attributes in file order (erased ones included until purged).
  const std::vector<AcDbObjectId>& attributeIds() const { assertReadEnabled(); return attributes_; }

  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  // Moves the reference and its attributes. eNotApplicable for a
  // transformation the reference cannot hold (a shear or a scaling that is
  // not along the block's own axes).
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  using AcDbEntity::getGripPoints;
  Acad::ErrorStatus getGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray& osnapModes,
                                  AcDbIntArray& geomIds) const override;
  Acad::ErrorStatus moveGripPointsAt(const AcDbIntArray& indices,
                                     const AcGeVector3d& offset) override;
  // Not yet: a block reference does not explode (eNotApplicable).
  Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const override;

  zek::ComplexEntity* asComplex() override { return this; }
  void ownedObjectIds(std::vector<AcDbObjectId>& owned) const override;

  // zek::ComplexEntity: the ATTRIBs and SEQEND after the INSERT.
  const char* subentityType() const override { return "ATTRIB"; }
  bool hasSubentities() const override { return attributesFollow_ || !attributes_.empty(); }
  const std::vector<AcDbObjectId>& subentityIds() const override { return attributes_; }
  void appendSubentityId(AcDbObjectId id) override { attributes_.push_back(id); }
  AcDbObjectId sequenceEndId() const override { return sequenceEnd_; }
  void setSequenceEndId(AcDbObjectId id) override { sequenceEnd_ = id; }

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
  mutable AcDbObjectId block_;  // found by name on first use when the file named it first
  std::string blockName_;
  AcGePoint3d position_;  // OCS, as filed
  AcGeScale3d scale_;
  double rotation_ = 0.0;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  Adesk::UInt16 columns_ = 1;
  Adesk::UInt16 rows_ = 1;
  double columnSpacing_ = 0.0;
  double rowSpacing_ = 0.0;
  bool mInsertMarker_ = false;     // filed under "AcDbMInsertBlock"
  bool attributesFollow_ = false;  // group 66 as read
  std::vector<AcDbObjectId> attributes_;
  AcDbObjectId sequenceEnd_;
};
