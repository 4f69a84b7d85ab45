// The extents of what a block shows where it is placed: the block's
// entities under a transformation, nested references and dimension blocks
// included, each block opened for read and closed again.
#pragma once

#include <vector>

#include "db_core.h"
#include "db_extents.h"
#include "ge_geometry.h"

class AcDbEntity;
class AcDbBlockReference;
class AcDbDimension;

namespace zek {

// One walk through blocks. It remembers the blocks it is inside, so that a
// block holding a reference to itself (directly or through others) adds
// nothing the second time instead of recursing without end.
class BlockExtentsWalk {
public:
  // Grows `extents` by the visible entities of the block under `xform`.
  // Attribute definitions show only in a block's own definition and are
  // left out, as references do not draw them.
  void addBlock(AcDbObjectId block, const AcGeMatrix3d& xform, AcDbExtents& extents);
  // Grows `extents` by one entity under `xform`: exactly (the entity is
  // transformed on a copy) unless the transformation keeps the axes, where
  // transforming its box is exact already.
  void addEntity(const AcDbEntity& entity, const AcGeMatrix3d& xform, AcDbExtents& extents);
  // A block reference: its block at every corner of a MINSERT grid, and its
  // visible attributes.
  void addReference(const AcDbBlockReference& reference, const AcGeMatrix3d& xform,
                    AcDbExtents& extents);
  // A dimension: its *D block as a reference at the origin would show it,
  // or its definition points when it has no block.
  void addDimension(const AcDbDimension& dimension, const AcGeMatrix3d& xform,
                    AcDbExtents& extents);

private:
  std::vector<AcDbObjectId> open_;
};

// The matrix only scales (possibly mirrors) along the world axes and moves:
// a transformed box is then exactly the box of the transformed geometry.
[[nodiscard]] bool keepsAxes(const AcGeMatrix3d& xform);

}  // namespace zek
