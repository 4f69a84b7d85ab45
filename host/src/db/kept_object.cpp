// Kept objects and entities: everything after the parts the host reads
// stays as kept groups; extents come from the point groups of the types
// whose points are plain world or plane coordinates.
#include "db/kept_object.h"

#include <cstring>

#include "db/kept_groups.h"
#include "dxf/number_text.h"

namespace zek {

ZEK_DEFINE_BUILTIN_MEMBERS(KeptObject, AcDbObject, "", []() -> AcRxObject* { return new KeptObject; })
ZEK_DEFINE_BUILTIN_MEMBERS(KeptEntity, AcDbEntity, "", []() -> AcRxObject* { return new KeptEntity; })

Acad::ErrorStatus KeptObject::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  filer->writeString(type_);
  return es != Acad::eOk ? es : filer->filerStatus();
}

Acad::ErrorStatus KeptObject::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  filer->readString(type_);
  return es != Acad::eOk ? es : filer->filerStatus();
}

Acad::ErrorStatus KeptObject::dxfInFields(AcDbDxfFiler* filer) { return AcDbObject::dxfInFields(filer); }

Acad::ErrorStatus KeptObject::dxfOutFields(AcDbDxfFiler* filer) const {
  return AcDbObject::dxfOutFields(filer);
}

void KeptObject::setBody(std::vector<KeptGroup> groups) {
  ObjectExtras& extras = extrasForWrite();
  extras.kept.clear();
  extras.kept.push_back(KeptSection{"", 0, std::move(groups)});
}

std::vector<KeptGroup> KeptObject::body() const {
  std::vector<KeptGroup> groups;
  if (const ObjectExtras* e = extras())
    for (const KeptSection& s : e->kept)
      groups.insert(groups.end(), s.groups.begin(), s.groups.end());
  return groups;
}

Acad::ErrorStatus KeptEntity::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  filer->writeString(type_);
  filer->writeBool(complex_);
  filer->writeString(subentityType_);
  filer->writeInt32(static_cast<Adesk::Int32>(subentities_.size()));
  for (AcDbObjectId id : subentities_)
    filer->writeHardOwnershipId(id);
  filer->writeHardOwnershipId(sequenceEnd_);
  return es != Acad::eOk ? es : filer->filerStatus();
}

Acad::ErrorStatus KeptEntity::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  filer->readString(type_);
  filer->readBool(&complex_);
  filer->readString(subentityType_);
  Adesk::Int32 count = 0;
  filer->readInt32(&count);
  std::vector<AcDbObjectId> ids;
  for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    AcDbObjectId id;
    filer->readHardOwnershipId(&id);
    ids.push_back(id);
  }
  AcDbObjectId end;
  filer->readHardOwnershipId(&end);
  // A plain copy owns no sub-entities yet; undo and deep cloning (whose
  // reference translation maps the ids to the copies) keep them.
  if (filer->filerType() != AcDb::kCopyFiler) {
    subentities_ = std::move(ids);
    sequenceEnd_ = end;
  }
  return es != Acad::eOk ? es : filer->filerStatus();
}

Acad::ErrorStatus KeptEntity::dxfInFields(AcDbDxfFiler* filer) { return AcDbEntity::dxfInFields(filer); }

Acad::ErrorStatus KeptEntity::dxfOutFields(AcDbDxfFiler* filer) const {
  return AcDbEntity::dxfOutFields(filer);
}

void KeptEntity::ownedObjectIds(std::vector<AcDbObjectId>& owned) const {
  owned.insert(owned.end(), subentities_.begin(), subentities_.end());
  if (!sequenceEnd_.isNull())
    owned.push_back(sequenceEnd_);
}

namespace {

// Types whose point groups 10..18 are positions of the entity itself.
bool pointsAreGeometry(const char* type) {
  static const char* kTypes[] = {"3DFACE", "SOLID", "TRACE", "SHAPE", "TOLERANCE", "MLINE",
                                 "HATCH", "MESH", "VERTEX", "POLYLINE", "ARC_DIMENSION",
                                 "LARGE_RADIAL_DIMENSION", "MULTILEADER", "WIPEOUT", "IMAGE",
                                 "PDFUNDERLAY", "ACAD_TABLE", "OLE2FRAME"};
  for (const char* t : kTypes)
    if (std::strcmp(t, type) == 0)
      return true;
  return false;
}

bool parseReal(const std::string& text, double& value) {
  return dxf::parseDouble(text, value) != dxf::NumberParse::Bad;
}

}  // namespace

Acad::ErrorStatus KeptEntity::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  const ObjectExtras* e = extras();
  if (e == nullptr || !pointsAreGeometry(type_.c_str()))
    return Acad::eInvalidExtents;
  AcDbExtents box;
  bool any = false;
  // Image-like entities give vectors in 11/12; only their insertion counts.
  bool insertionOnly = type_ == "IMAGE" || type_ == "WIPEOUT" || type_ == "PDFUNDERLAY" ||
                       type_ == "TOLERANCE" || type_ == "SHAPE" || type_ == "MULTILEADER";
  for (const KeptSection& section : e->kept) {
    const std::vector<KeptGroup>& g = section.groups;
    for (std::size_t i = 0; i < g.size(); ++i) {
      int code = g[i].code;
      if (code < 10 || code > 18 || (insertionOnly && code != 10))
        continue;
      double x = 0, y = 0, z = 0;
      if (!parseReal(g[i].text, x))
        continue;
      if (i + 1 < g.size() && g[i + 1].code == code + 10 && parseReal(g[i + 1].text, y)) {
        ++i;
        if (i + 1 < g.size() && g[i + 1].code == code + 20 && parseReal(g[i + 1].text, z))
          ++i;
        box.addPoint(AcGePoint3d(x, y, z));
        any = true;
      }
    }
  }
  if (!any)
    return Acad::eInvalidExtents;
  extents = box;
  return Acad::eOk;
}

Acad::ErrorStatus KeptEntity::transformBy(const AcGeMatrix3d&) {
  return Acad::eNotApplicable;  // its geometry is not modelled: moving it would corrupt it
}

}  // namespace zek
