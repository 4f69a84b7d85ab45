// AcDbEntity: common properties, database defaults, highlight, the generic
// extents crossing test, and the AcDbEntity subclass section of DXF files.
#include "db_entity.h"

#include "db/database_core.h"
#include "db/kept_groups.h"
#include "db_database.h"
#include "db_symtab.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbEntity, AcDbObject, "", nullptr)
ZEK_DEFINE_BUILTIN_MEMBERS(AcDbSequenceEnd, AcDbEntity, "SEQEND",
                           []() -> AcRxObject* { return new AcDbSequenceEnd; })

Acad::ErrorStatus AcCmColor::setColorIndex(Adesk::UInt16 index) {
  if (index > 257)
    return Acad::eInvalidInput;
  index_ = index;
  hasRgb_ = false;
  rgb_ = 0;
  return Acad::eOk;
}

AcCmColor::ColorMethod AcCmColor::colorMethod() const {
  if (hasRgb_) return kByColor;
  if (index_ == 256) return kByLayer;
  if (index_ == 0) return kByBlock;
  return kByACI;
}

Acad::ErrorStatus AcCmColor::setRGB(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue) {
  hasRgb_ = true;
  rgb_ = (Adesk::UInt32(red) << 16) | (Adesk::UInt32(green) << 8) | blue;
  return Acad::eOk;
}

AcDbEntity::AcDbEntity() = default;
AcDbEntity::~AcDbEntity() = default;

namespace {
AcDbDatabase* databaseFor(const AcDbEntity* entity) {
  return entity->database() ? entity->database() : acdbCurDwg();
}
}  // namespace

std::string AcDbEntity::layer() const {
  assertReadEnabled();
  return zek::recordNameOf(layer_);
}

Acad::ErrorStatus AcDbEntity::setLayer(const char* name, bool) {
  assertWriteEnabled();
  AcDbDatabase* db = databaseFor(this);
  if (db == nullptr || name == nullptr)
    return Acad::eNoDatabase;
  auto* table = zek::peekObject<AcDbLayerTable>(db->layerTableId());
  AcDbObjectId id;
  if (table == nullptr || table->getAt(name, id) != Acad::eOk)
    return Acad::eKeyNotFound;
  layer_ = id;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setLayer(AcDbObjectId layerId, bool) {
  assertWriteEnabled();
  if (zek::peekObject<AcDbLayerTableRecord>(layerId) == nullptr)
    return Acad::eInvalidInput;
  layer_ = layerId;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setColorIndex(Adesk::UInt16 index, bool) {
  assertWriteEnabled();
  return color_.setColorIndex(index);
}

Acad::ErrorStatus AcDbEntity::setColor(const AcCmColor& color, bool) {
  assertWriteEnabled();
  color_ = color;
  return Acad::eOk;
}

std::string AcDbEntity::linetype() const {
  assertReadEnabled();
  return linetype_.isNull() ? std::string("ByLayer") : zek::recordNameOf(linetype_);
}

Acad::ErrorStatus AcDbEntity::setLinetype(const char* name, bool) {
  assertWriteEnabled();
  AcDbDatabase* db = databaseFor(this);
  if (db == nullptr || name == nullptr)
    return Acad::eNoDatabase;
  auto* table = zek::peekObject<AcDbLinetypeTable>(db->linetypeTableId());
  AcDbObjectId id;
  if (table == nullptr || table->getAt(name, id) != Acad::eOk)
    return Acad::eKeyNotFound;
  linetype_ = id;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setLinetype(AcDbObjectId linetypeId, bool) {
  assertWriteEnabled();
  if (zek::peekObject<AcDbLinetypeTableRecord>(linetypeId) == nullptr)
    return Acad::eInvalidInput;
  linetype_ = linetypeId;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setLinetypeScale(double scale, bool) {
  assertWriteEnabled();
  if (!(scale > 0.0))
    return Acad::eInvalidInput;
  linetypeScale_ = scale;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setLineWeight(AcDb::LineWeight weight, bool) {
  assertWriteEnabled();
  lineWeight_ = static_cast<Adesk::Int16>(weight);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setVisibility(AcDb::Visibility visibility, bool) {
  assertWriteEnabled();
  visibility_ = static_cast<Adesk::UInt8>(visibility);
  return Acad::eOk;
}

void AcDbEntity::setDatabaseDefaults(AcDbDatabase* db) {
  assertWriteEnabled();
  if (db == nullptr)
    db = databaseFor(this);
  if (db == nullptr)
    return;
  layer_ = db->clayer();
  linetype_ = db->celtype();
  color_ = db->cecolor();
  linetypeScale_ = db->celtscale();
  lineWeight_ = static_cast<Adesk::Int16>(db->celweight());
}

Acad::ErrorStatus AcDbEntity::setPropertiesFrom(const AcDbEntity* other, bool) {
  assertWriteEnabled();
  if (other == nullptr)
    return Acad::eNullEntityPointer;
  layer_ = other->layer_;
  linetype_ = other->linetype_;
  color_ = other->color_;
  linetypeScale_ = other->linetypeScale_;
  lineWeight_ = other->lineWeight_;
  visibility_ = other->visibility_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::getGeomExtents(AcDbExtents&) const { return Acad::eInvalidExtents; }
Acad::ErrorStatus AcDbEntity::transformBy(const AcGeMatrix3d&) { return Acad::eNotApplicable; }

Acad::ErrorStatus AcDbEntity::getGripPoints(AcGePoint3dArray&, AcDbIntArray&, AcDbIntArray&) const {
  return Acad::eOk;  // an entity without grips answers none
}

Acad::ErrorStatus AcDbEntity::moveGripPointsAt(const AcDbIntArray&, const AcGeVector3d&) {
  return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbEntity::explode(AcDbVoidPtrArray&) const { return Acad::eNotApplicable; }

Adesk::Boolean AcDbEntity::worldDraw(AcGiWorldDraw*) { return Adesk::kTrue; }

Acad::ErrorStatus AcDbEntity::highlight() const {
  if (zek::DatabaseCore* core = zek::coreOf(this))
    core->highlighted.insert(stub());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::unhighlight() const {
  if (zek::DatabaseCore* core = zek::coreOf(this))
    core->highlighted.erase(stub());
  return Acad::eOk;
}

bool AcDbEntity::isHighlighted() const {
  zek::DatabaseCore* core = zek::coreOf(this);
  return core != nullptr && core->highlighted.count(stub()) != 0;
}

bool AcDbEntity::crossesBox(const AcDbExtents& box) const {
  AcDbExtents extents;
  if (getGeomExtents(extents) != Acad::eOk)
    return false;
  return extents.minPoint().x <= box.maxPoint().x && extents.maxPoint().x >= box.minPoint().x &&
         extents.minPoint().y <= box.maxPoint().y && extents.maxPoint().y >= box.minPoint().y;
}

// ---- Filing ---------------------------------------------------------------

Acad::ErrorStatus AcDbEntity::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeHardPointerId(layer_);
  filer->writeHardPointerId(linetype_);
  filer->writeDouble(linetypeScale_);
  filer->writeUInt16(color_.colorIndex());
  filer->writeBool(color_.isByColor());
  filer->writeUInt32(color_.rgb());
  filer->writeInt16(static_cast<Adesk::Int16>(lineWeight_));
  filer->writeInt16(static_cast<Adesk::Int16>(visibility_));
  filer->writeBool(paperSpace_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbEntity::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  Adesk::UInt16 index = 256;
  bool hasRgb = false;
  Adesk::UInt32 rgb = 0;
  Adesk::Int16 weight = 0, visibility = 0;
  filer->readHardPointerId(&layer_);
  filer->readHardPointerId(&linetype_);
  filer->readDouble(&linetypeScale_);
  filer->readUInt16(&index);
  filer->readBool(&hasRgb);
  filer->readUInt32(&rgb);
  filer->readInt16(&weight);
  filer->readInt16(&visibility);
  filer->readBool(&paperSpace_);
  color_.setColorIndex(index);
  if (hasRgb)
    color_.setRGB(static_cast<Adesk::UInt8>(rgb >> 16), static_cast<Adesk::UInt8>(rgb >> 8),
                  static_cast<Adesk::UInt8>(rgb));
  lineWeight_ = weight;
  visibility_ = static_cast<Adesk::UInt8>(visibility);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbEntity::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk || !filer->atSubclassData("AcDbEntity"))
    return filer->filerStatus();
  AcDbDatabase* db = filer->database();
  resbuf rb;
  Adesk::UInt16 index = 256;
  bool hasRgb = false;
  Adesk::UInt32 rgb = 0;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 8:
        layer_ = zek::implicitRecordId(db, db->layerTableId(), rb.resval.rstring);
        break;
      case 6:
        linetype_ = zek::implicitRecordId(db, db->linetypeTableId(), rb.resval.rstring);
        break;
      case 62:
        // A negative number (switched off) only means something for layers.
        index = static_cast<Adesk::UInt16>(rb.resval.rint < 0 ? -rb.resval.rint : rb.resval.rint);
        break;
      case 420:
        hasRgb = true;
        rgb = static_cast<Adesk::UInt32>(rb.resval.rlong) & 0xFFFFFFu;
        break;
      case 370:
        lineWeight_ = rb.resval.rint;
        break;
      case 48:
        linetypeScale_ = rb.resval.rreal;
        break;
      case 60:
        visibility_ = rb.resval.rint != 0 ? AcDb::kInvisible : AcDb::kVisible;
        break;
      case 67:
        paperSpace_ = rb.resval.rint != 0;
        break;
      default:
        filer->keepUnknownItem();
        break;
    }
  }
  color_.setColorIndex(index > 257 ? 256 : index);
  if (hasRgb)
    color_.setRGB(static_cast<Adesk::UInt8>(rgb >> 16), static_cast<Adesk::UInt8>(rgb >> 8),
                  static_cast<Adesk::UInt8>(rgb));
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDbEntity::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  bool r12 = filer->dwgVersion() <= AcDb::kDHL_1009;
  filer->writeString(AcDb::kDxfSubclass, "AcDbEntity");
  if (paperSpace_)
    filer->writeInt16(67, 1);
  filer->writeString(8, layer_.isNull() ? std::string("0") : zek::recordNameOf(layer_));
  if (!linetype_.isNull() && linetype_ != filer->database()->core().byLayerLinetype)
    filer->writeString(6, zek::recordNameOf(linetype_));
  if (color_.colorIndex() != 256)
    filer->writeInt16(62, static_cast<Adesk::Int16>(color_.colorIndex()));
  if (!r12) {
    if (color_.isByColor())
      filer->writeInt32(420, static_cast<Adesk::Int32>(color_.rgb()));
    if (lineWeight_ != AcDb::kLnWtByLayer)
      filer->writeInt16(370, static_cast<Adesk::Int16>(lineWeight_));
  }
  if (linetypeScale_ != 1.0)
    filer->writeDouble(48, linetypeScale_);
  if (visibility_ == AcDb::kInvisible)
    filer->writeInt16(60, 1);
  return filer->filerStatus();
}

// SEQEND has nothing but the entity part.
Acad::ErrorStatus AcDbSequenceEnd::dxfInFields(AcDbDxfFiler* filer) {
  return AcDbEntity::dxfInFields(filer);
}

Acad::ErrorStatus AcDbSequenceEnd::dxfOutFields(AcDbDxfFiler* filer) const {
  return AcDbEntity::dxfOutFields(filer);
}
