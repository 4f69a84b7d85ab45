// AcDbLeader: vertices, arrow and hookline flags, the annotation it points
// to, extents and transformation, and the AcDbLeader section of LEADER.
#include "db_leader.h"

#include "db/annotations/annotation_filing.h"
#include "db/annotations/box_geometry.h"
#include "db/database_core.h"
#include "db/kept_groups.h"
#include "db_database.h"
#include "db_text.h"

ZEK_DEFINE_BUILTIN_MEMBERS(AcDbLeader, AcDbEntity, "LEADER",
                           []() -> AcRxObject* { return new AcDbLeader; })

AcDbLeader::AcDbLeader() = default;
AcDbLeader::~AcDbLeader() = default;

AcGePoint3d AcDbLeader::vertexAt(int index) const {
  assertReadEnabled();
  if (index < 0 || index >= static_cast<int>(vertices_.size()))
    return AcGePoint3d::kOrigin;
  return vertices_[index];
}

bool AcDbLeader::appendVertex(const AcGePoint3d& point) {
  assertWriteEnabled();
  vertices_.push_back(point);
  return true;
}

bool AcDbLeader::setVertexAt(int index, const AcGePoint3d& point) {
  assertWriteEnabled();
  if (index < 0 || index >= static_cast<int>(vertices_.size()))
    return false;
  vertices_[index] = point;
  return true;
}

bool AcDbLeader::removeLastVertex() {
  assertWriteEnabled();
  if (vertices_.size() <= 2)
    return false;
  vertices_.pop_back();
  return true;
}

AcDbObjectId AcDbLeader::dimensionStyle() const {
  assertReadEnabled();
  if (!style_.isNull() || database() == nullptr)
    return style_;
  return database()->core().standardDimStyle;
}

Acad::ErrorStatus AcDbLeader::setDimensionStyle(AcDbObjectId style) {
  assertWriteEnabled();
  style_ = style;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::enableArrowHead() { assertWriteEnabled(); arrowHead_ = true; return Acad::eOk; }
Acad::ErrorStatus AcDbLeader::disableArrowHead() { assertWriteEnabled(); arrowHead_ = false; return Acad::eOk; }
Acad::ErrorStatus AcDbLeader::setToSplineLeader() { assertWriteEnabled(); splined_ = true; return Acad::eOk; }
Acad::ErrorStatus AcDbLeader::setToStraightLeader() { assertWriteEnabled(); splined_ = false; return Acad::eOk; }

Acad::ErrorStatus AcDbLeader::setAnnoType(AnnoType type) {
  assertWriteEnabled();
  if (type < kMText || type > kNoAnno)
    return Acad::eInvalidInput;
  annoType_ = type;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::attachAnnotation(AcDbObjectId annotation) {
  assertWriteEnabled();
  if (annotation.isNull())
    return Acad::eNullObjectId;
  annotation_ = annotation;
  AcRxClass* cls = annotation.objectClass();
  if (cls != nullptr && cls->isDerivedFrom(AcDbMText::desc()))
    annoType_ = kMText;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::detachAnnotation() {
  assertWriteEnabled();
  annotation_.setNull();
  annoType_ = kNoAnno;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::setHookLine(bool hasHookLine, bool onXDirection) {
  assertWriteEnabled();
  hookLine_ = hasHookLine;
  hookLineOnXDir_ = onXDirection;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::setAnnoSize(double height, double width) {
  assertWriteEnabled();
  if (height < 0.0 || width < 0.0)
    return Acad::eInvalidInput;
  annoHeight_ = height;
  annoWidth_ = width;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::setNormal(const AcGeVector3d& normal) {
  assertWriteEnabled();
  if (normal.isZeroLength())
    return Acad::eInvalidInput;
  normal_ = normal.normal();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::setHorizontalDirection(const AcGeVector3d& direction) {
  assertWriteEnabled();
  if (direction.isZeroLength())
    return Acad::eInvalidInput;
  horizontal_ = direction.normal();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::setBlockOffset(const AcGeVector3d& offset) {
  assertWriteEnabled();
  blockOffset_ = offset;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::setAnnotationOffset(const AcGeVector3d& offset) {
  assertWriteEnabled();
  annotationOffset_ = offset;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::setLeaderColorIndex(int index) {
  assertWriteEnabled();
  if (index < -1 || index > 257)
    return Acad::eInvalidInput;
  colour_ = index;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  if (vertices_.empty())
    return Acad::eInvalidExtents;
  AcDbExtents found;
  for (const AcGePoint3d& vertex : vertices_)
    found.addPoint(vertex);
  extents = found;
  return Acad::eOk;
}

bool AcDbLeader::crossesBox(const AcDbExtents& box) const {
  assertReadEnabled();
  if (splined_ || vertices_.size() < 2)
    return AcDbEntity::crossesBox(box);
  for (std::size_t i = 0; i + 1 < vertices_.size(); ++i)
    if (zek::segmentCrossesWindow(vertices_[i], vertices_[i + 1], box))
      return true;
  return false;
}

Acad::ErrorStatus AcDbLeader::transformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  for (AcGePoint3d& vertex : vertices_)
    vertex = xform * vertex;
  normal_ = zek::transformedNormal(xform, normal_);
  AcGeVector3d horizontal = xform * horizontal_;
  if (!horizontal.isZeroLength())
    horizontal_ = horizontal.normal();
  blockOffset_ = xform * blockOffset_;
  annotationOffset_ = xform * annotationOffset_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::getGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&,
                                            AcDbIntArray&) const {
  assertReadEnabled();
  for (const AcGePoint3d& vertex : vertices_)
    gripPoints.append(vertex);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::moveGripPointsAt(const AcDbIntArray& indices,
                                               const AcGeVector3d& offset) {
  assertWriteEnabled();
  for (int index : indices)
    if (index >= 0 && index < static_cast<int>(vertices_.size()))
      vertices_[index] += offset;
  return Acad::eOk;
}

// ---- Filing ---------------------------------------------------------------

namespace {
// One group of a vector filed as three reals (x at `xCode`, y at +10, z at
// +20), or the whole vector where the filer hands it out as a point.
void readVectorPart(const resbuf& rb, int xCode, AcGeVector3d& vector) {
  if (zek::resbufTypeOfGroupCode(rb.restype) == RT3DPOINT) {
    vector = zek::groupVector(rb);
    return;
  }
  vector[static_cast<unsigned>((rb.restype - xCode) / 10)] = rb.resval.rreal;
}
}  // namespace

Acad::ErrorStatus AcDbLeader::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk)
    return es;
  if (!filer->atSubclassData("AcDbLeader"))
    return filer->filerStatus();
  AcDbDatabase* db = filer->database();
  vertices_.clear();
  resbuf rb;
  while ((es = filer->readItem(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 3:
        style_ = zek::recordByName(db, db ? db->dimStyleTableId() : AcDbObjectId(),
                                   zek::groupText(rb));
        break;
      case 71: arrowHead_ = zek::groupInteger(rb) != 0; break;
      case 72: splined_ = zek::groupInteger(rb) != 0; break;
      case 73: {
        long long type = zek::groupInteger(rb);
        if (type >= kMText && type <= kNoAnno)
          annoType_ = static_cast<AnnoType>(type);
        else
          filer->keepUnknownItem();
        break;
      }
      case 74: hookLineOnXDir_ = zek::groupInteger(rb) != 0; break;
      case 75: hookLine_ = zek::groupInteger(rb) != 0; break;
      case 40: annoHeight_ = rb.resval.rreal; break;
      case 41: annoWidth_ = rb.resval.rreal; break;
      case 76: break;  // the vertex count: the 10 groups that follow are the vertices
      case 10: vertices_.push_back(zek::groupPoint(rb)); break;
      case 77: colour_ = static_cast<int>(zek::groupInteger(rb)); break;
      case 340: annotation_ = zek::idFromResbuf(rb); break;
      case 210: normal_ = zek::groupVector(rb); break;
      // 211..213 come as their x, y (221..223) and z (231..233) groups.
      case 211: case 221: case 231: readVectorPart(rb, 211, horizontal_); break;
      case 212: case 222: case 232: readVectorPart(rb, 212, blockOffset_); break;
      case 213: case 223: case 233: readVectorPart(rb, 213, annotationOffset_); break;
      default: filer->keepUnknownItem(); break;
    }
  }
  return es == Acad::eEndOfFile ? filer->filerStatus() : es;
}

Acad::ErrorStatus AcDbLeader::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbLeader");
  std::string style = zek::recordNameOf(dimensionStyle());
  if (!style.empty())
    filer->writeString(3, style);
  filer->writeInt16(71, arrowHead_ ? 1 : 0);
  filer->writeInt16(72, splined_ ? 1 : 0);
  filer->writeInt16(73, static_cast<Adesk::Int16>(annoType_));
  filer->writeInt16(74, hookLineOnXDir_ ? 1 : 0);
  filer->writeInt16(75, hookLine_ ? 1 : 0);
  if (annoHeight_ != 0.0)
    filer->writeDouble(40, annoHeight_);
  if (annoWidth_ != 0.0)
    filer->writeDouble(41, annoWidth_);
  filer->writeInt16(76, static_cast<Adesk::Int16>(vertices_.size()));
  for (const AcGePoint3d& vertex : vertices_)
    filer->writePoint3d(10, vertex);
  if (colour_ >= 0)
    filer->writeInt16(77, static_cast<Adesk::Int16>(colour_));
  if (!annotation_.isNull())
    filer->writeObjectId(340, annotation_);
  zek::writeNormal(filer, normal_);
  if (horizontal_ != AcGeVector3d::kXAxis)
    filer->writeVector3d(211, horizontal_);
  if (!blockOffset_.isZeroLength())
    filer->writeVector3d(212, blockOffset_);
  if (!annotationOffset_.isZeroLength())
    filer->writeVector3d(213, annotationOffset_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLeader::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk)
    return es;
  filer->writeInt32(static_cast<Adesk::Int32>(vertices_.size()));
  for (const AcGePoint3d& vertex : vertices_)
    filer->writePoint3d(vertex);
  filer->writeHardPointerId(style_);
  filer->writeBool(arrowHead_);
  filer->writeBool(splined_);
  filer->writeInt16(static_cast<Adesk::Int16>(annoType_));
  filer->writeHardPointerId(annotation_);
  filer->writeBool(hookLine_);
  filer->writeBool(hookLineOnXDir_);
  filer->writeDouble(annoHeight_);
  filer->writeDouble(annoWidth_);
  filer->writeVector3d(normal_);
  filer->writeVector3d(horizontal_);
  filer->writeVector3d(blockOffset_);
  filer->writeVector3d(annotationOffset_);
  filer->writeInt16(static_cast<Adesk::Int16>(colour_));
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLeader::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk)
    return es;
  Adesk::Int32 count = 0;
  filer->readInt32(&count);
  vertices_.clear();
  for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    AcGePoint3d vertex;
    filer->readPoint3d(&vertex);
    vertices_.push_back(vertex);
  }
  Adesk::Int16 type = kNoAnno, colour = -1;
  filer->readHardPointerId(&style_);
  filer->readBool(&arrowHead_);
  filer->readBool(&splined_);
  filer->readInt16(&type);
  filer->readHardPointerId(&annotation_);
  filer->readBool(&hookLine_);
  filer->readBool(&hookLineOnXDir_);
  filer->readDouble(&annoHeight_);
  filer->readDouble(&annoWidth_);
  filer->readVector3d(&normal_);
  filer->readVector3d(&horizontal_);
  filer->readVector3d(&blockOffset_);
  filer->readVector3d(&annotationOffset_);
  filer->readInt16(&colour);
  annoType_ = static_cast<AnnoType>(type);
  colour_ = colour;
  return filer->filerStatus();
}
