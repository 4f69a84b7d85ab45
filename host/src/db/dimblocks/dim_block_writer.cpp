// Filling *D blocks: each primitive of the geometry becomes an entity of
// the block (layer "0", linetype BYBLOCK, the DIMCLR* colour, BYBLOCK by
// default); what the block held before is erased, so undo brings it back.
#include "db/dimblocks/dim_block_writer.h"

#include <cctype>
#include <cmath>
#include <memory>
#include <string>

#include "db/annotations/annotation_filing.h"
#include "db/database_core.h"
#include "db/dimblocks/arrow_blocks.h"
#include "db/dimblocks/host_write.h"
#include "db/kept_groups.h"
#include "db/kept_object.h"
#include "db_block.h"
#include "db_blockref.h"
#include "db_curves.h"
#include "db_database.h"
#include "db_text.h"

namespace zek {

AcGePoint3d planeToWorld(const DimPlane& plane, const AcGePoint2d& point) {
  return ocsToWorld(plane.normal, AcGePoint3d(point.x, point.y, plane.elevation));
}

AcGePoint2d worldToPlane(const DimPlane& plane, const AcGePoint3d& point) {
  AcGePoint3d ocs = worldToOcs(plane.normal, point);
  return {ocs.x, ocs.y};
}

namespace {

// The number of a "*D<n>" name, or 0.
long dimBlockNumber(const std::string& name) {
  if (name.size() < 3 || name[0] != '*' || (name[1] != 'D' && name[1] != 'd'))
    return 0;
  long n = 0;
  for (std::size_t i = 2; i < name.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(name[i])) || n > 100000000)
      return 0;
    n = n * 10 + (name[i] - '0');
  }
  return n;
}

AcDbEntity* madeInPlace(AcDbEntity* entity, AcDbObjectId layer, const AcDbDatabase& db, int colour) {
  (void)entity->setLayer(layer);
  (void)entity->setColorIndex(static_cast<Adesk::UInt16>(colour));
  (void)entity->setLinetype(db.core().byBlockLinetype);
  return entity;
}

Acad::ErrorStatus append(AcDbBlockTableRecord& block, AcDbEntity* made) {
  std::unique_ptr<AcDbEntity> entity(made);
  AcDbObjectId id;
  Acad::ErrorStatus es = block.appendAcDbEntity(id, entity.get());
  if (es == Acad::eOk)
    (void)entity.release()->close();
  return es;
}

void clearBlock(AcDbBlockTableRecord& block) {
  std::vector<AcDbObjectId> ids = block.entityIds();
  for (AcDbObjectId id : ids) {
    if (auto* entity = peekObject<AcDbEntity>(id); entity != nullptr && !id.isErased()) {
      HostWrite writing(entity);
      (void)entity->erase();
    }
    // The erased entities leave the list; undo puts the list back from the
    // block's own record of its state and unerases them.
    block.removeEntityId(id);
  }
}

KeptEntity* makeSolid(const DimPlane& plane, const std::array<AcGePoint2d, 4>& corners) {
  auto* solid = new KeptEntity("SOLID");
  std::vector<KeptGroup> groups{{100, "AcDbTrace"}};
  for (int i = 0; i < 4; ++i) {
    groups.push_back({10 + i, formatReal(corners[i].x)});
    groups.push_back({20 + i, formatReal(corners[i].y)});
    groups.push_back({30 + i, formatReal(plane.elevation)});
  }
  if (!isZAxis(plane.normal))
    for (int axis = 0; axis < 3; ++axis)
      groups.push_back({210 + 10 * axis, formatReal(plane.normal[static_cast<unsigned>(axis)])});
  solid->extrasForWrite().kept.push_back(KeptSection{"AcDbEntity", 0, std::move(groups)});
  return solid;
}

// The closed filled head in place of a named arrow the drawing cannot show.
std::array<AcGePoint2d, 4> filledHead(const DimArrowBlock& arrow) {
  AcGeVector2d pointing(std::cos(arrow.rotation), std::sin(arrow.rotation));
  AcGePoint2d base = arrow.position - pointing * arrow.scale;
  AcGeVector2d half = pointing.perpVector() * (arrow.scale / 6.0);
  return {base + half, base - half, arrow.position, arrow.position};
}

AcDbEntity* makeArrowReference(const DimPlane& plane, const DimArrowBlock& arrow,
                               AcDbObjectId block) {
  auto* reference = new AcDbBlockReference;
  (void)reference->setBlockTableRecord(block);
  (void)reference->setNormal(plane.normal);
  (void)reference->setPosition(planeToWorld(plane, arrow.position));
  (void)reference->setRotation(arrow.rotation);
  if (arrow.scale > 0.0)
    (void)reference->setScaleFactors(AcGeScale3d(arrow.scale, arrow.scale, arrow.scale));
  return reference;
}

AcDbEntity* makeText(const AcDbDatabase& db, const DimPlane& plane, const DimText& text,
                     AcDbObjectId style) {
  auto* mtext = new AcDbMText;
  (void)mtext->setNormal(plane.normal);
  AcGePoint3d tip = planeToWorld(plane, text.position + AcGeVector2d(std::cos(text.rotation),
                                                                     std::sin(text.rotation)));
  AcGePoint3d at = planeToWorld(plane, text.position);
  (void)mtext->setLocation(at);
  if (text.rotation != 0.0)
    (void)mtext->setDirection(tip - at);
  (void)mtext->setTextHeight(text.height);
  (void)mtext->setAttachment(AcDbMText::kMiddleCenter);
  (void)mtext->setContents(text.contents.c_str());
  (void)mtext->setTextStyle(textStyleOrStandard(style, &db));
  return mtext;
}

}  // namespace

void ensureBlockEnds(AcDbDatabase& db, AcDbBlockTableRecord& block) {
  DatabaseCore& core = db.core();
  AcDbObjectId id;
  if (block.blockBeginId().isNull()) {
    auto* begin = new AcDbBlockBegin;
    (void)begin->setLayer(core.layerZero);
    if (core.addObject(begin, block.objectId(), id) == Acad::eOk) {
      core.undo.noteAdded(id);
      block.setBlockBeginId(id);
    } else {
      delete begin;
    }
  }
  if (block.blockEndId().isNull()) {
    auto* end = new AcDbBlockEnd;
    (void)end->setLayer(core.layerZero);
    if (core.addObject(end, block.objectId(), id) == Acad::eOk) {
      core.undo.noteAdded(id);
      block.setBlockEndId(id);
    } else {
      delete end;
    }
  }
}

AcDbObjectId newDimBlock(AcDbDatabase& db) {
  auto* table = peekObject<AcDbBlockTable>(db.blockTableId());
  if (table == nullptr)
    return {};
  // The next free number: the records read before are not read again. A
  // record renamed since to a "*Dn" name makes the add fail; then every
  // record is read once more.
  for (int attempt = 0; attempt < 2; ++attempt) {
    AcDbBlockTable::DimBlockCount& count = table->dimBlockCount;
    const std::vector<AcDbObjectId>& ids = table->recordIds();
    if (attempt > 0 || count.scanned > ids.size())
      count = {};
    for (std::size_t i = count.scanned; i < ids.size(); ++i)
      count.highest = std::max(count.highest, dimBlockNumber(recordNameOf(ids[i])));
    count.scanned = ids.size();
    auto record = std::make_unique<AcDbBlockTableRecord>();
    std::string name = "*D" + std::to_string(count.highest + 1);
    if (record->setName(name.c_str()) != Acad::eOk)
      return {};
    record->setFlags(1);  // anonymous
    AcDbObjectId id;
    {
      HostWrite writing(table);
      if (table->add(id, record.get()) != Acad::eOk)
        continue;
    }
    AcDbBlockTableRecord* block = record.release();
    ensureBlockEnds(db, *block);
    (void)block->close();
    return id;
  }
  return {};
}

AcDbObjectId defpointsLayer(AcDbDatabase& db) {
  auto* table = peekObject<AcDbLayerTable>(db.layerTableId());
  if (table == nullptr)
    return {};
  AcDbObjectId id;
  if (table->getAt("Defpoints", id) == Acad::eOk) {
    auto* found = peekObject<AcDbLayerTableRecord>(id);
    if (found != nullptr && !found->isImplicit())
      return id;
  }
  auto layer = std::make_unique<AcDbLayerTableRecord>();
  if (layer->setName("Defpoints") != Acad::eOk)
    return {};
  (void)layer->setIsPlottable(false);
  AcCmColor white;
  (void)white.setColorIndex(7);
  layer->setColor(white);
  layer->setLinetypeObjectId(db.core().continuousLinetype);
  HostWrite writing(table);
  if (table->add(id, layer.get()) != Acad::eOk)
    return {};
  (void)layer.release()->close();
  return id;
}

Acad::ErrorStatus fillDimBlock(AcDbDatabase& db, AcDbObjectId blockId, const DimGeometry& g,
                               const DimPlane& plane, const DimVars& vars) {
  auto* block = peekObject<AcDbBlockTableRecord>(blockId);
  if (block == nullptr)
    return Acad::eNullObjectId;
  HostWrite writing(block);
  clearBlock(*block);
  AcDbObjectId zero = db.core().layerZero;
  Acad::ErrorStatus es = Acad::eOk;
  auto keep = [&es](Acad::ErrorStatus step) {
    if (es == Acad::eOk)
      es = step;
  };
  for (const DimLine& line : g.lines) {
    auto* made = new AcDbLine(planeToWorld(plane, line.start), planeToWorld(plane, line.end));
    (void)made->setNormal(plane.normal);
    madeInPlace(made, zero, db, line.colour);
    int weight = line.isExtension ? vars.dimlwe : vars.dimlwd;
    (void)made->setLineWeight(static_cast<AcDb::LineWeight>(weight));
    keep(append(*block, made));
  }
  for (const DimSolid& solid : g.solids)
    keep(append(*block, madeInPlace(makeSolid(plane, solid.corners), zero, db, solid.colour)));
  for (const DimArrowBlock& arrow : g.arrows) {
    AcDbObjectId arrowId = arrowBlock(db, arrow.name);
    AcDbEntity* made = arrowId.isNull() ? makeSolid(plane, filledHead(arrow))
                                        : makeArrowReference(plane, arrow, arrowId);
    keep(append(*block, madeInPlace(made, zero, db, arrow.colour)));
  }
  if (g.text)
    keep(append(*block, madeInPlace(makeText(db, plane, *g.text, vars.dimtxsty), zero, db,
                                    g.text->colour)));
  AcDbObjectId defpoints = defpointsLayer(db);
  for (const AcGePoint2d& point : g.definitionPoints) {
    auto* made = new AcDbPoint(planeToWorld(plane, point));
    (void)made->setNormal(plane.normal);
    madeInPlace(made, defpoints.isNull() ? zero : defpoints, db, 0);
    keep(append(*block, made));
  }
  return es;
}

}  // namespace zek
