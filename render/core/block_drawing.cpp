// Block references (nested, scaled, rotated, mirrored, MINSERT grids and
// attributes), dimensions through their display blocks, and leaders
// through the host's leader geometry.
#include <algorithm>

#include "core/entity_drawer.h"
#include "core/host_read.h"
#include "db/annotations/block_extents.h"
#include "db/dimblocks/leader_layout.h"
#include "db_block.h"
#include "db_blockref.h"
#include "db_database.h"
#include "db_dimension.h"
#include "db_leader.h"
#include "db_text.h"

namespace zek::render {

namespace {

// A look whose colour is an ACI index of the display geometry: 0 is the
// owner's (BYBLOCK), 256 the owner's layer's.
EntityLook lookInColour(EntityStyles& styles, const EntityLook& owner, int index) {
  EntityLook look = owner;
  if (index == 256)
    look.colour = styles.layer(owner.layer).colour;
  else if (index >= 1 && index <= 255)
    (void)look.colour.setColorIndex(static_cast<Adesk::UInt16>(index));
  return look;
}

}  // namespace

const AcDbExtents& EntityDrawer::blockExtents(AcDbObjectId block) {
  auto found = blockExtents_.find(block.stub());
  if (found == blockExtents_.end()) {
    AcDbExtents extents;
    BlockExtentsWalk().addBlock(block, AcGeMatrix3d::kIdentity, extents);
    found = blockExtents_.emplace(block.stub(), extents).first;
  }
  return found->second;
}

bool EntityDrawer::drawBlock(AcDbObjectId block, const AcGeMatrix3d& blockToParent,
                             const EntityLook& owner, const DrawContext& context) {
  if (block.isNull() || context.depth >= kMaxBlockDepth ||
      std::find(blockStack_.begin(), blockStack_.end(), block) != blockStack_.end())
    return false;  // a block that holds itself is drawn once
  DrawContext inner;
  inner.device = context.device.after(blockToParent);
  inner.inherited = EntityStyles::inheritedFrom(owner);
  inner.depth = context.depth + 1;

  // The block's extents cull it whole, or make it a dot; a block without
  // extents (constant attribute definitions only) is simply drawn.
  if (const AcDbExtents& extents = blockExtents(block); extents.isValid()) {
    const DeviceBox box = deviceBoxOf(extents, inner.device);
    if (!canvas_.meetsPicture(box))
      return false;
    if (box.width() < 1.0 && box.height() < 1.0) {
      useStroke(owner, context);
      canvas_.dot({(box.minX + box.maxX) / 2.0, (box.minY + box.maxY) / 2.0});
      return true;
    }
  }
  HostRead<AcDbBlockTableRecord> record(block);
  if (!record)
    return false;
  blockStack_.push_back(block);
  bool drawn = false;
  for (AcDbObjectId id : record->entityIds()) {
    if (id.isErased())
      continue;
    HostRead<AcDbEntity> entity(id);
    if (!entity)
      continue;
    // Attribute definitions show in the block's own definition only, the
    // references show their attributes instead; a constant one has no
    // attribute and shows its value.
    if (auto* definition = AcDbAttributeDefinition::cast(entity.get())) {
      if (definition->isConstant() && !definition->isInvisible() &&
          definition->visibility() == AcDb::kVisible) {
        const EntityLook look = styles_.look(*definition, inner.inherited);
        if (!look.hidden())
          drawn = drawText(*definition, look, inner, definition->textStringConst()) || drawn;
      }
      continue;
    }
    drawn = draw(*entity.get(), inner) || drawn;
  }
  blockStack_.pop_back();
  return drawn;
}

bool EntityDrawer::drawReference(const AcDbBlockReference& reference, const EntityLook& look,
                                 const DrawContext& context) {
  bool drawn = false;
  // A MINSERT places the block on a grid along the reference's rotated axes.
  const int columns = std::max<int>(1, reference.columns());
  const int rows = std::max<int>(1, reference.rows());
  const AcGeMatrix3d placement = reference.blockTransform();
  const AcGeMatrix3d axes = AcGeMatrix3d::planeToWorld(reference.normal()) *
                            AcGeMatrix3d::rotation(reference.rotation(), AcGeVector3d::kZAxis);
  const AcDbObjectId block = reference.blockTableRecord();
  auto shiftOf = [&](int row, int column) {
    return axes * AcGeVector3d(column * reference.columnSpacing(), row * reference.rowSpacing(), 0.0);
  };
  auto drawCell = [&](int row, int column) {
    AcGeMatrix3d cell = placement;
    if (row != 0 || column != 0)
      cell = AcGeMatrix3d::translation(shiftOf(row, column)) * placement;
    drawn = drawBlock(block, cell, look, context) || drawn;
  };
  if (static_cast<long long>(rows) * columns > kMaxDrawnCells) {
    // A grid of more cells than a picture can tell apart (a damaged file's
    // counts): its corner cells and the outline of its insertion points.
    drawCell(0, 0);
    drawCell(0, columns - 1);
    drawCell(rows - 1, 0);
    drawCell(rows - 1, columns - 1);
    const AcGePoint3d origin = reference.position();
    const std::vector<DevicePoint> outline = {
        context.device.point(origin), context.device.point(origin + shiftOf(0, columns - 1)),
        context.device.point(origin + shiftOf(rows - 1, columns - 1)),
        context.device.point(origin + shiftOf(rows - 1, 0))};
    drawn = strokeRun(look, context, outline, true) || drawn;
  } else {
    for (int row = 0; row < rows; ++row)
      for (int column = 0; column < columns; ++column)
        drawCell(row, column);
  }
  // The attributes lie where the reference put them, in the reference's own
  // coordinates; BYBLOCK in them means the reference's properties.
  DrawContext owned = context;
  owned.inherited = EntityStyles::inheritedFrom(look);
  owned.inherited.layer = context.inherited.layer;
  for (AcDbObjectId id : reference.attributeIds()) {
    if (id.isErased())
      continue;
    if (HostRead<AcDbEntity> attribute(id); attribute)
      drawn = draw(*attribute.get(), owned) || drawn;
  }
  return drawn;
}

bool EntityDrawer::drawDimension(const AcDbDimension& dimension, const EntityLook& look,
                                 const DrawContext& context) {
  const AcDbObjectId block = dimension.dimBlockId();
  HostRead<AcDbBlockTableRecord> record(block);
  if (!record)
    return false;  // the host makes the block; a dimension without one shows nothing yet
  const AcGeMatrix3d atOrigin = AcGeMatrix3d::translation(-record->origin().asVector());
  return drawBlock(block, atOrigin, look, context);
}

bool EntityDrawer::drawLeader(const AcDbLeader& leader, const EntityLook& look,
                              const DrawContext& context) {
  if (leader.numVertices() < 2)
    return false;
  const DimGeometry geometry = leaderGeometry(leader);
  // The geometry lies in the leader's plane at the height of its first vertex.
  const AcGeVector3d normal = leader.normal();
  const double elevation =
      (AcGeMatrix3d::worldToPlane(normal) * leader.vertexAt(0)).z;
  const AcGeMatrix3d plane = AcGeMatrix3d::planeToWorld(normal) *
                             AcGeMatrix3d::translation(AcGeVector3d(0.0, 0.0, elevation));
  DrawContext inPlane = context;
  inPlane.device = context.device.after(plane);
  bool drawn = false;
  for (const DimLine& line : geometry.lines) {
    std::vector<DevicePoint>& points = scratch();
    points.push_back(inPlane.device.point(line.start.x, line.start.y));
    points.push_back(inPlane.device.point(line.end.x, line.end.y));
    drawn = strokeRun(lookInColour(styles_, look, line.colour), inPlane, points, false) || drawn;
  }
  for (const DimSolid& solid : geometry.solids) {
    // Corners in the order of a SOLID: 0, 1, 3, 2.
    std::vector<DevicePoint>& points = scratch();
    for (int corner : {0, 1, 3, 2})
      points.push_back(inPlane.device.point(solid.corners[corner].x, solid.corners[corner].y));
    drawn = fillRun(lookInColour(styles_, look, solid.colour), points) || drawn;
  }
  for (const DimArrowBlock& arrow : geometry.arrows) {
    AcDbObjectId block;
    if (HostRead<AcDbBlockTable> table(db_.blockTableId());
        !table || table->getAt(arrow.name.c_str(), block) != Acad::eOk)
      continue;
    HostRead<AcDbBlockTableRecord> record(block);
    if (!record)
      continue;
    const AcGeMatrix3d place =
        plane * AcGeMatrix3d::translation(AcGeVector3d(arrow.position.x, arrow.position.y, 0.0)) *
        AcGeMatrix3d::rotation(arrow.rotation, AcGeVector3d::kZAxis) *
        AcGeMatrix3d::scaling(arrow.scale) *
        AcGeMatrix3d::translation(-record->origin().asVector());
    drawn = drawBlock(block, place, lookInColour(styles_, look, arrow.colour), context) || drawn;
  }
  return drawn;
}

}  // namespace zek::render
