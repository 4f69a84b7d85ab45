// AcDbEntity: what every drawn object has — layer, colour, linetype and its
// scale, lineweight, visibility — and the geometric queries and edits the
// commands use (extents, transformation, grips, explode, highlight).
#pragma once

#include <string>
#include <vector>

#include "db_extents.h"
#include "db_object.h"
#include "ge_geometry.h"

// An entity colour: an ACI index (0 BYBLOCK, 256 BYLAYER, 1..255) or a true colour.
class AcCmColor {
public:
  enum ColorMethod { kByLayer = 0xC0, kByBlock = 0xC1, kByColor = 0xC2, kByACI = 0xC3 };
  AcCmColor() = default;

  Adesk::UInt16 colorIndex() const { return index_; }
  Acad::ErrorStatus setColorIndex(Adesk::UInt16 index);
  bool isByLayer() const { return index_ == 256 && !hasRgb_; }
  bool isByBlock() const { return index_ == 0 && !hasRgb_; }
  bool isByColor() const { return hasRgb_; }
  ColorMethod colorMethod() const;
  // A true colour; the index stays as the nearest display fallback the file gave.
  Acad::ErrorStatus setRGB(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue);
  Adesk::UInt8 red() const { return static_cast<Adesk::UInt8>(rgb_ >> 16); }
  Adesk::UInt8 green() const { return static_cast<Adesk::UInt8>(rgb_ >> 8); }
  Adesk::UInt8 blue() const { return static_cast<Adesk::UInt8>(rgb_); }
  // 0x00RRGGBB as DXF group 420 holds it.
  Adesk::UInt32 rgb() const { return rgb_; }
  bool operator==(const AcCmColor&) const = default;

private:
  Adesk::UInt16 index_ = 256;
  bool hasRgb_ = false;
  Adesk::UInt32 rgb_ = 0;
};

using AcDbVoidPtrArray = AcArray<void*>;

namespace zek {
// The sub-entity side of an entity filed as head, sub-entities and SEQEND.
// The sub-entities and the SEQEND are objects of the database owned by the
// head (their owner id is the head's id).
class ComplexEntity {
public:
  virtual ~ComplexEntity() = default;
  // "VERTEX" or "ATTRIB": the DXF type of the sub-entities.
  virtual const char* subentityType() const = 0;
  // Whether the DXF file continues with sub-entities and a SEQEND (an INSERT
  // says so with group 66; a POLYLINE always does).
  virtual bool hasSubentities() const = 0;
  virtual const std::vector<AcDbObjectId>& subentityIds() const = 0;
  // Reading: the next sub-entity, already in the database.
  virtual void appendSubentityId(AcDbObjectId id) = 0;
  virtual AcDbObjectId sequenceEndId() const = 0;
  virtual void setSequenceEndId(AcDbObjectId id) = 0;
};
}  // namespace zek
using AcGePoint3dArray = AcArray<AcGePoint3d>;
using AcGeDoubleArray = AcArray<double>;

class AcGiWorldDraw;

class AcDbEntity : public AcDbObject {
public:
  ACRX_DECLARE_MEMBERS(AcDbEntity);
  AcDbEntity();
  ~AcDbEntity() override;

  AcDbObjectId blockId() const { return ownerId(); }

  // The layer's name (an empty text while the entity has no layer).
  std::string layer() const;
  AcDbObjectId layerId() const { assertReadEnabled(); return layer_; }
  // eKeyNotFound when the drawing has no layer of that name (case ignored).
  Acad::ErrorStatus setLayer(const char* name, bool doSubents = true);
  Acad::ErrorStatus setLayer(AcDbObjectId layerId, bool doSubents = true);

  Adesk::UInt16 colorIndex() const { assertReadEnabled(); return color_.colorIndex(); }
  Acad::ErrorStatus setColorIndex(Adesk::UInt16 index, bool doSubents = true);
  AcCmColor color() const { assertReadEnabled(); return color_; }
  Acad::ErrorStatus setColor(const AcCmColor& color, bool doSubents = true);

  std::string linetype() const;
  AcDbObjectId linetypeId() const { assertReadEnabled(); return linetype_; }
  Acad::ErrorStatus setLinetype(const char* name, bool doSubents = true);
  Acad::ErrorStatus setLinetype(AcDbObjectId linetypeId, bool doSubents = true);
  double linetypeScale() const { assertReadEnabled(); return linetypeScale_; }
  Acad::ErrorStatus setLinetypeScale(double scale, bool doSubents = true);

  AcDb::LineWeight lineWeight() const {
    assertReadEnabled();
    return static_cast<AcDb::LineWeight>(lineWeight_);
  }
  Acad::ErrorStatus setLineWeight(AcDb::LineWeight weight, bool doSubents = true);
  AcDb::Visibility visibility() const {
    assertReadEnabled();
    return static_cast<AcDb::Visibility>(visibility_);
  }
  Acad::ErrorStatus setVisibility(AcDb::Visibility visibility, bool doSubents = true);
  // Paper-space entities of DXF files (group 67).
  bool isInPaperSpace() const { return paperSpace_; }
  void setInPaperSpace(bool inPaperSpace) { paperSpace_ = inPaperSpace; }

  // Current layer, colour BYLAYER, linetype BYLAYER, scale and lineweight of
  // the database (the working database when null).
  void setDatabaseDefaults(AcDbDatabase* db = nullptr);
  // Layer, colour, linetype, linetype scale, lineweight and visibility of another entity.
  Acad::ErrorStatus setPropertiesFrom(const AcDbEntity* other, bool doSubents = true);

  virtual Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const;
  virtual Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform);
  virtual Acad::ErrorStatus getGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray& osnapModes,
                                          AcDbIntArray& geomIds) const;
  Acad::ErrorStatus getGripPoints(AcGePoint3dArray& gripPoints) const {
    AcDbIntArray modes, ids;
    return getGripPoints(gripPoints, modes, ids);
  }
  virtual Acad::ErrorStatus moveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset);
  // Adds new entities (owned by the caller) that together stand for this one.
  virtual Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const;
  // Draws the entity through the drawing interface (acgi.h). The host's own
  // entity kinds are drawn by the renderer itself; a custom entity draws
  // here. Answers kTrue when drawn completely; the default draws nothing.
  virtual Adesk::Boolean worldDraw(AcGiWorldDraw* mode);
  Acad::ErrorStatus highlight() const;
  Acad::ErrorStatus unhighlight() const;
  bool isHighlighted() const;

  // Host side: whether any part of the entity lies inside the box (crossing
  // selection); the default tests the extents.
  virtual bool crossesBox(const AcDbExtents& box) const;
  // Host side: an entity that DXF files as a head, sub-entities and a SEQEND
  // (POLYLINE with VERTEX, INSERT with ATTRIB) answers its complex part.
  virtual zek::ComplexEntity* asComplex() { return nullptr; }
  const zek::ComplexEntity* asComplex() const { return const_cast<AcDbEntity*>(this)->asComplex(); }

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
  // Small fields packed and first: they fill the four bytes AcDbObject leaves
  // free at its end, so an entity takes 72 bytes rather than 80 (a drawing
  // holds hundreds of thousands of entities).
  Adesk::Int16 lineWeight_ = AcDb::kLnWtByLayer;
  Adesk::UInt8 visibility_ = AcDb::kVisible;
  bool paperSpace_ = false;
  AcDbObjectId layer_;
  AcDbObjectId linetype_;
  double linetypeScale_ = 1.0;
  AcCmColor color_;
};

// The SEQEND entity that closes the sub-entities of a complex entity.
class AcDbSequenceEnd : public AcDbEntity {
public:
  ACRX_DECLARE_MEMBERS(AcDbSequenceEnd);
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
};
