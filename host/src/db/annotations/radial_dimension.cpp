// AcDbRadialDimension and AcDbDiametricDimension: a radius from the centre
// to a chord point, a diameter from a chord point to the far chord point,
// each with its leader length; their AcDbRadialDimension and
// AcDbDiametricDimension sections.
#include "db_dimension.h"

#include "db/annotations/annotation_filing.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbRadialDimension, AcDbDimension, "DIMENSION",
                           []() -> AcRxObject* { return new AcDbRadialDimension; })
ZEK_DEFINE_BUILTIN_MEMBERS(AcDbDiametricDimension, AcDbDimension, "DIMENSION",
                           []() -> AcRxObject* { return new AcDbDiametricDimension; })

namespace {
// The groups both sections hold: the chord point (15) and the leader
// length (40).
Acad::ErrorStatus readChordSection(AcDbDxfFiler* filer, AcGePoint3d& chord, double& leader) {
  resbuf rb;
  Acad::ErrorStatus es;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 15: chord = zek::groupPoint(rb); break;
      case 40: leader = rb.resval.rreal; break;
      default: filer->keepUnknownItem(); break;
    }
  }
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

void writeChordSection(AcDbDxfFiler* filer, const char* marker, const AcGePoint3d& chord,
                       double leader) {
  filer->writeString(AcDb::kDxfSubclass, marker);
  filer->writePoint3d(15, chord);
  filer->writeDouble(40, leader);
}
}  // namespace

// ---- Radius -----------------------------------------------------------------

AcDbRadialDimension::AcDbRadialDimension() = default;

AcDbRadialDimension::AcDbRadialDimension(const AcGePoint3d& center, const AcGePoint3d& chordPoint,
                                         double leaderLength, const char* dimText,
                                         AcDbObjectId dimStyle)
    : chordPoint_(chordPoint), leaderLength_(leaderLength) {
  setDefinitionPoint(center);
  setDimensionText(dimText);
  setDimensionStyle(dimStyle);
}

AcDbRadialDimension::~AcDbRadialDimension() = default;

Acad::ErrorStatus AcDbRadialDimension::setCenter(const AcGePoint3d& point) {
  assertWriteEnabled();
  setDefinitionPoint(point);
  noteGeometryChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRadialDimension::setChordPoint(const AcGePoint3d& point) {
  assertWriteEnabled();
  chordPoint_ = point;
  noteGeometryChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRadialDimension::setLeaderLength(double length) {
  assertWriteEnabled();
  leaderLength_ = length;
  noteDisplayChanged();
  return Acad::eOk;
}

bool AcDbRadialDimension::computeMeasurement(double& value) const {
  value = definitionPoint().distanceTo(chordPoint_);
  return true;
}

void AcDbRadialDimension::definitionPoints(std::vector<AcGePoint3d>& points) const {
  AcDbDimension::definitionPoints(points);
  points.push_back(chordPoint_);
}

Acad::ErrorStatus AcDbRadialDimension::transformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbDimension::transformBy(xform);
  if (es != Acad::eOk)
    return es;
  chordPoint_ = xform * chordPoint_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRadialDimension::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbDimension::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  if (!filer->atSubclassData("AcDbRadialDimension"))
    return filer->filerStatus();
  return readChordSection(filer, chordPoint_, leaderLength_);
}

Acad::ErrorStatus AcDbRadialDimension::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbDimension::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  writeChordSection(filer, "AcDbRadialDimension", chordPoint_, leaderLength_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbRadialDimension::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbDimension::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writePoint3d(chordPoint_);
  filer->writeDouble(leaderLength_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbRadialDimension::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbDimension::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->readPoint3d(&chordPoint_);
  filer->readDouble(&leaderLength_);
  return filer->filerStatus();
}

// ---- Diameter ---------------------------------------------------------------

AcDbDiametricDimension::AcDbDiametricDimension() = default;

AcDbDiametricDimension::AcDbDiametricDimension(const AcGePoint3d& chordPoint,
                                               const AcGePoint3d& farChordPoint,
                                               double leaderLength, const char* dimText,
                                               AcDbObjectId dimStyle)
    : chordPoint_(chordPoint), leaderLength_(leaderLength) {
  setDefinitionPoint(farChordPoint);
  setDimensionText(dimText);
  setDimensionStyle(dimStyle);
}

AcDbDiametricDimension::~AcDbDiametricDimension() = default;

Acad::ErrorStatus AcDbDiametricDimension::setChordPoint(const AcGePoint3d& point) {
  assertWriteEnabled();
  chordPoint_ = point;
  noteGeometryChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDiametricDimension::setFarChordPoint(const AcGePoint3d& point) {
  assertWriteEnabled();
  setDefinitionPoint(point);
  noteGeometryChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDiametricDimension::setLeaderLength(double length) {
  assertWriteEnabled();
  leaderLength_ = length;
  noteDisplayChanged();
  return Acad::eOk;
}

bool AcDbDiametricDimension::computeMeasurement(double& value) const {
  value = definitionPoint().distanceTo(chordPoint_);
  return true;
}

void AcDbDiametricDimension::definitionPoints(std::vector<AcGePoint3d>& points) const {
  AcDbDimension::definitionPoints(points);
  points.push_back(chordPoint_);
}

Acad::ErrorStatus AcDbDiametricDimension::transformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbDimension::transformBy(xform);
  if (es != Acad::eOk)
    return es;
  chordPoint_ = xform * chordPoint_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDiametricDimension::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbDimension::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  if (!filer->atSubclassData("AcDbDiametricDimension"))
    return filer->filerStatus();
  return readChordSection(filer, chordPoint_, leaderLength_);
}

Acad::ErrorStatus AcDbDiametricDimension::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbDimension::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  writeChordSection(filer, "AcDbDiametricDimension", chordPoint_, leaderLength_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbDiametricDimension::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbDimension::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writePoint3d(chordPoint_);
  filer->writeDouble(leaderLength_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbDiametricDimension::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbDimension::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->readPoint3d(&chordPoint_);
  filer->readDouble(&leaderLength_);
  return filer->filerStatus();
}
