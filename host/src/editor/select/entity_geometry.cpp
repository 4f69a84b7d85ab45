// Window and pick-box tests by true geometry, through block references and
// dimension blocks.
#include "editor/select/entity_geometry.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "db/annotations/block_extents.h"
#include "db/database_core.h"
#include "db_block.h"
#include "db_blockref.h"
#include "db_dimension.h"
#include "db_symtab.h"
#include "db_text.h"
#include "editor/select/read_scope.h"

namespace zek {

bool layerHides(AcDbObjectId layerId) {
  auto* layer = peekObject<AcDbLayerTableRecord>(layerId);
  return layer != nullptr && (layer->isFrozen() || layer->isOff());
}

namespace {

// Deeper nesting is damage, not a drawing.
constexpr std::size_t kMaxNesting = 64;
// A multiple insert with more cells than this is tested by its extents.
constexpr long kMaxCells = 4096;

// One crossing test through nested blocks; remembers the blocks it is in, so
// a block that holds itself is not entered twice.
class CrossingWalk {
public:
  explicit CrossingWalk(const AcDbExtents& window) : window_(window) {}

  bool entity(const AcDbEntity& entity, const AcGeMatrix3d& xform);

private:
  bool block(AcDbObjectId block, const AcGeMatrix3d& xform);
  bool reference(const AcDbBlockReference& reference, const AcGeMatrix3d& xform);
  bool dimension(const AcDbDimension& dimension, const AcGeMatrix3d& xform);
  bool plain(const AcDbEntity& entity, const AcGeMatrix3d& xform);

  const AcDbExtents& window_;
  std::vector<AcDbObjectId> inside_;
};

bool CrossingWalk::entity(const AcDbEntity& entity, const AcGeMatrix3d& xform) {
  if (auto* ref = AcDbBlockReference::cast(&entity))
    return reference(*ref, xform);
  if (auto* dim = AcDbDimension::cast(&entity))
    return dimension(*dim, xform);
  return plain(entity, xform);
}

bool CrossingWalk::plain(const AcDbEntity& entity, const AcGeMatrix3d& xform) {
  if (xform == AcGeMatrix3d::kIdentity)
    return entity.crossesBox(window_);
  if (keepsAxes(xform)) {
    // The window taken back into the entity's coordinates is a box again.
    double sx = xform.entry[0][0], sy = xform.entry[1][1];
    if (sx == 0.0 || sy == 0.0)
      return false;
    AcGeVector3d shift = xform.translation();
    double x1 = (window_.minPoint().x - shift.x) / sx, x2 = (window_.maxPoint().x - shift.x) / sx;
    double y1 = (window_.minPoint().y - shift.y) / sy, y2 = (window_.maxPoint().y - shift.y) / sy;
    AcDbExtents back(AcGePoint3d(std::min(x1, x2), std::min(y1, y2), window_.minPoint().z),
                     AcGePoint3d(std::max(x1, x2), std::max(y1, y2), window_.maxPoint().z));
    return entity.crossesBox(back);
  }
  std::unique_ptr<AcRxObject> made(entity.clone());
  auto* copy = AcDbEntity::cast(made.get());
  if (copy != nullptr && copy->transformBy(xform) == Acad::eOk)
    return copy->crossesBox(window_);
  // An entity that cannot take the transformation: its transformed box.
  AcDbExtents box;
  if (entity.getGeomExtents(box) != Acad::eOk)
    return false;
  box.transformBy(xform);
  return box.intersects(window_);
}

bool CrossingWalk::block(AcDbObjectId blockId, const AcGeMatrix3d& xform) {
  if (blockId.isNull() || std::find(inside_.begin(), inside_.end(), blockId) != inside_.end() ||
      inside_.size() >= kMaxNesting)
    return false;
  ReadScope<AcDbBlockTableRecord> record(blockId);
  if (record.get() == nullptr)
    return false;
  inside_.push_back(blockId);
  bool met = false;
  for (AcDbObjectId id : record.get()->entityIds()) {
    if (id.isErased())
      continue;
    ReadScope<AcDbEntity> nested(id);
    const AcDbEntity* e = nested.get();
    if (e == nullptr || e->visibility() != AcDb::kVisible || AcDbAttributeDefinition::cast(e) != nullptr ||
        layerHides(e->layerId()))
      continue;
    if (entity(*e, xform)) {
      met = true;
      break;
    }
  }
  inside_.pop_back();
  return met;
}

bool CrossingWalk::reference(const AcDbBlockReference& ref, const AcGeMatrix3d& xform) {
  AcDbExtents box;
  if (ref.getGeomExtents(box) == Acad::eOk) {
    box.transformBy(xform);
    if (!box.intersects(window_))
      return false;  // the cheap test first: the reference is nowhere near
  }
  long columns = std::max<long>(1, ref.columns());
  long rows = std::max<long>(1, ref.rows());
  if (columns * rows > kMaxCells)
    return box.isValid() && box.intersects(window_);
  AcGeMatrix3d axes = AcGeMatrix3d::planeToWorld(ref.normal()) *
                      AcGeMatrix3d::rotation(ref.rotation(), AcGeVector3d::kZAxis);
  for (long column = 0; column < columns; ++column) {
    for (long row = 0; row < rows; ++row) {
      AcGeVector3d shift = axes * AcGeVector3d(static_cast<double>(column) * ref.columnSpacing(),
                                               static_cast<double>(row) * ref.rowSpacing(), 0.0);
      if (block(ref.blockTableRecord(), xform * AcGeMatrix3d::translation(shift) * ref.blockTransform()))
        return true;
    }
  }
  for (AcDbObjectId id : ref.attributeIds()) {
    if (id.isErased())
      continue;
    ReadScope<AcDbAttribute> attribute(id);
    const AcDbAttribute* a = attribute.get();
    if (a != nullptr && !a->isInvisible() && a->visibility() == AcDb::kVisible && plain(*a, xform))
      return true;
  }
  return false;
}

bool CrossingWalk::dimension(const AcDbDimension& dim, const AcGeMatrix3d& xform) {
  AcDbObjectId blockId = dim.dimBlockId();
  if (auto* record = peekObject<AcDbBlockTableRecord>(blockId)) {
    if (!record->entityIds().empty()) {
      AcGeVector3d origin = record->origin().asVector();
      return block(blockId, xform * AcGeMatrix3d::translation(-origin));
    }
  }
  std::vector<AcGePoint3d> points;
  dim.definitionPoints(points);
  for (const AcGePoint3d& point : points) {
    AcGePoint3d p = xform * point;
    if (p.x >= window_.minPoint().x && p.x <= window_.maxPoint().x && p.y >= window_.minPoint().y &&
        p.y <= window_.maxPoint().y)
      return true;
  }
  return false;
}

}  // namespace

bool crossesWindow(const AcDbEntity& entity, const AcDbExtents& window) {
  CrossingWalk walk(window);
  return walk.entity(entity, AcGeMatrix3d::kIdentity);
}

bool insideWindow(const AcDbEntity& entity, const AcDbExtents& window) {
  AcDbExtents box;
  if (entity.getGeomExtents(box) != Acad::eOk || !box.isValid())
    return false;
  return box.minPoint().x >= window.minPoint().x && box.maxPoint().x <= window.maxPoint().x &&
         box.minPoint().y >= window.minPoint().y && box.maxPoint().y <= window.maxPoint().y;
}

}  // namespace zek
