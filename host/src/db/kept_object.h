// Objects and entities the host does not model, kept group by group with
// their handles and owners and written back unchanged (dictionaries,
// layouts, XRECORDs, HATCH, MULTILEADER, 3DSOLID, ...). They still answer
// their DXF type, their layer and colour, and extents where their groups
// give points.
#pragma once

#include <string>
#include <vector>

#include "db_entity.h"
#include "db_object.h"

namespace zek {

class KeptObject : public AcDbObject {
public:
  ACRX_DECLARE_MEMBERS(KeptObject);
  KeptObject() = default;
  explicit KeptObject(std::string dxfType) : type_(std::move(dxfType)) {}

  const char* dxfTypeName() const override { return type_.c_str(); }
  void setDxfTypeName(std::string type) { type_ = std::move(type); }

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  // The groups after the object head, as kept (for objects the host builds).
  void setBody(std::vector<KeptGroup> groups);
  std::vector<KeptGroup> body() const;

private:
  std::string type_;
};

class KeptEntity : public AcDbEntity, public ComplexEntity {
public:
  ACRX_DECLARE_MEMBERS(KeptEntity);
  KeptEntity() = default;
  explicit KeptEntity(std::string dxfType) : type_(std::move(dxfType)) {}

  const char* dxfTypeName() const override { return type_.c_str(); }
  void setDxfTypeName(std::string type) { type_ = std::move(type); }

  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
  void ownedObjectIds(std::vector<AcDbObjectId>& owned) const override;

  // A POLYLINE the host does not model (3D, mesh, polyface) keeps its
  // VERTEX entities and SEQEND as sub-entities.
  ComplexEntity* asComplex() override { return complex_ ? this : nullptr; }
  void setComplex(bool complex, std::string subentityType) {
    complex_ = complex;
    subentityType_ = std::move(subentityType);
  }
  const char* subentityType() const override { return subentityType_.c_str(); }
  bool hasSubentities() const override { return complex_; }
  const std::vector<AcDbObjectId>& subentityIds() const override { return subentities_; }
  void appendSubentityId(AcDbObjectId id) override { subentities_.push_back(id); }
  AcDbObjectId sequenceEndId() const override { return sequenceEnd_; }
  void setSequenceEndId(AcDbObjectId id) override { sequenceEnd_ = id; }

private:
  std::string type_;
  bool complex_ = false;
  std::string subentityType_ = "VERTEX";
  std::vector<AcDbObjectId> subentities_;
  AcDbObjectId sequenceEnd_;
};

}  // namespace zek
