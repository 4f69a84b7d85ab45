// Extents of placed blocks: entities under a transformation, nested
// references, dimension blocks, with a guard against self-containing blocks.
#include "db/annotations/block_extents.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "db/database_core.h"
#include "db_block.h"
#include "db_blockref.h"
#include "db_dimension.h"
#include "db_text.h"

namespace zek {

namespace {

// Deeper nesting than this is damage, not a drawing (and would cost more
// than it shows).
constexpr std::size_t kMaxNesting = 64;

// Opens an object for read, or takes it as it is when its writer already
// holds it open (reading is allowed then). `opened` says whether to close it.
template <typename T>
T* openForRead(AcDbObjectId id, bool& opened) {
  T* object = nullptr;
  opened = acdbOpenObject(object, id, AcDb::kForRead) == Acad::eOk;
  if (opened)
    return object;
  object = peekObject<T>(id);
  return object != nullptr && object->isReadEnabled() ? object : nullptr;
}

}  // namespace

bool keepsAxes(const AcGeMatrix3d& m) {
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column)
      if (row != column && m.entry[row][column] != 0.0)
        return false;
  return m.entry[3][0] == 0.0 && m.entry[3][1] == 0.0 && m.entry[3][2] == 0.0;
}

void BlockExtentsWalk::addBlock(AcDbObjectId block, const AcGeMatrix3d& xform,
                                AcDbExtents& extents) {
  if (block.isNull() || std::find(open_.begin(), open_.end(), block) != open_.end() ||
      open_.size() >= kMaxNesting)
    return;
  bool recordOpened = false;
  auto* record = openForRead<AcDbBlockTableRecord>(block, recordOpened);
  if (record == nullptr)
    return;
  open_.push_back(block);
  for (AcDbObjectId id : record->entityIds()) {
    if (id.isErased())
      continue;
    bool opened = false;
    auto* entity = openForRead<AcDbEntity>(id, opened);
    if (entity == nullptr)
      continue;
    if (entity->visibility() == AcDb::kVisible && AcDbAttributeDefinition::cast(entity) == nullptr)
      addEntity(*entity, xform, extents);
    if (opened)
      entity->close();
  }
  open_.pop_back();
  if (recordOpened)
    record->close();
}

void BlockExtentsWalk::addEntity(const AcDbEntity& entity, const AcGeMatrix3d& xform,
                                 AcDbExtents& extents) {
  if (auto* reference = AcDbBlockReference::cast(&entity)) {
    addReference(*reference, xform, extents);
    return;
  }
  if (auto* dimension = AcDbDimension::cast(&entity)) {
    addDimension(*dimension, xform, extents);
    return;
  }
  AcDbExtents own;
  if (!keepsAxes(xform)) {
    std::unique_ptr<AcRxObject> made(entity.clone());
    auto* copy = AcDbEntity::cast(made.get());
    if (copy != nullptr && copy->transformBy(xform) == Acad::eOk &&
        copy->getGeomExtents(own) == Acad::eOk) {
      extents.addExt(own);
      return;
    }
  }
  // Axis-keeping transformations, and entities that cannot move on a copy:
  // the transformed box.
  if (entity.getGeomExtents(own) != Acad::eOk)
    return;
  own.transformBy(xform);
  extents.addExt(own);
}

void BlockExtentsWalk::addReference(const AcDbBlockReference& reference, const AcGeMatrix3d& xform,
                                    AcDbExtents& extents) {
  AcDbObjectId block = reference.blockTableRecord();
  int columns = std::max<int>(1, reference.columns());
  int rows = std::max<int>(1, reference.rows());
  // The grid runs along the reference's rotated axes; the copies at its four
  // corners bound all the others.
  AcGeMatrix3d axes = AcGeMatrix3d::planeToWorld(reference.normal()) *
                      AcGeMatrix3d::rotation(reference.rotation(), AcGeVector3d::kZAxis);
  for (int column : {0, columns - 1}) {
    for (int row : {0, rows - 1}) {
      AcGeVector3d shift = axes * AcGeVector3d(column * reference.columnSpacing(),
                                               row * reference.rowSpacing(), 0.0);
      addBlock(block, xform * AcGeMatrix3d::translation(shift) * reference.blockTransform(),
               extents);
      if (rows == 1)
        break;
    }
    if (columns == 1)
      break;
  }
  for (AcDbObjectId id : reference.attributeIds()) {
    if (id.isErased())
      continue;
    bool opened = false;
    auto* attribute = openForRead<AcDbAttribute>(id, opened);
    if (attribute == nullptr)
      continue;
    if (!attribute->isInvisible() && attribute->visibility() == AcDb::kVisible)
      addEntity(*attribute, xform, extents);
    if (opened)
      attribute->close();
  }
}

void BlockExtentsWalk::addDimension(const AcDbDimension& dimension, const AcGeMatrix3d& xform,
                                    AcDbExtents& extents) {
  AcDbExtents own;
  AcDbObjectId block = dimension.dimBlockId();
  if (auto* record = peekObject<AcDbBlockTableRecord>(block)) {
    AcGeVector3d origin = record->origin().asVector();
    addBlock(block, xform * AcGeMatrix3d::translation(-origin), own);
  }
  if (!own.isValid()) {
    std::vector<AcGePoint3d> points;
    dimension.definitionPoints(points);
    for (const AcGePoint3d& point : points)
      own.addPoint(xform * point);
  }
  extents.addExt(own);
}

}  // namespace zek
