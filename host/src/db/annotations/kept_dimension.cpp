// zek::KeptDimension: dimensions of the angular kinds, which the host does
// not model, and the class chooser for DIMENSION. The kind's own sections are never visited:
// the filer keeps them, markers included, after the AcDbDimension section
// and writes them back there unchanged.
#include "db_dimension.h"

namespace zek {

ZEK_DEFINE_BUILTIN_MEMBERS(KeptDimension, AcDbDimension, "DIMENSION",
                           []() -> AcRxObject* { return new KeptDimension; })

Acad::ErrorStatus KeptDimension::transformBy(const AcGeMatrix3d&) {
  return Acad::eNotApplicable;  // its own points are kept groups, they cannot follow
}

Acad::ErrorStatus KeptDimension::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbDimension::dxfInFields(filer);
  kind_ = filedKind();
  return es;
}

Acad::ErrorStatus KeptDimension::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbDimension::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeInt16(static_cast<Adesk::Int16>(kind_));
  return filer->filerStatus();
}

Acad::ErrorStatus KeptDimension::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbDimension::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  Adesk::Int16 kind = 1;
  filer->readInt16(&kind);
  kind_ = kind & 7;
  return filer->filerStatus();
}

AcDbDimension* newDimensionForType(int dimtype) {
  switch (dimtype & 7) {
    case 0: return new AcDbRotatedDimension;
    case 1: return new AcDbAlignedDimension;
    case 3: return new AcDbDiametricDimension;
    case 4: return new AcDbRadialDimension;
    case 6: return new AcDbOrdinateDimension;
    default: return new KeptDimension(dimtype);
  }
}

}  // namespace zek
