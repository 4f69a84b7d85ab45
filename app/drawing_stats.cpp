// Counting a drawing's entities by type per block, and its layers and extents.
#include "drawing_stats.h"

#include <cstdio>
#include <map>

#include "db/database_core.h"
#include "db_database.h"
#include "db/kept_groups.h"

namespace zek {
namespace {

std::map<std::string, int> countByType(const AcDbBlockTableRecord& block) {
  std::map<std::string, int> counts;
  for (AcDbObjectId id : block.entityIds())
    if (auto* entity = peekObject<AcDbEntity>(id); entity && !id.isErased())
      ++counts[entity->dxfTypeName()];
  return counts;
}

void appendCounts(std::string& out, const std::string& title, const std::map<std::string, int>& counts) {
  int total = 0;
  for (const auto& [type, n] : counts)
    total += n;
  out += title + ": " + std::to_string(total) + " entities\n";
  for (const auto& [type, n] : counts)
    out += "  " + type + " " + std::to_string(n) + "\n";
}

}  // namespace

std::string drawingStatistics(AcDbDatabase& db) {
  DatabaseCore& core = db.core();
  std::string out;
  if (auto* model = peekObject<AcDbBlockTableRecord>(core.modelSpace))
    appendCounts(out, "model space", countByType(*model));
  if (auto* paper = peekObject<AcDbBlockTableRecord>(core.paperSpace))
    appendCounts(out, "paper space", countByType(*paper));
  if (auto* blocks = peekObject<AcDbBlockTable>(core.blockTable)) {
    for (AcDbObjectId id : blocks->recordIds()) {
      auto* block = peekObject<AcDbBlockTableRecord>(id);
      if (block == nullptr || block->isImplicit() || id == core.modelSpace || id == core.paperSpace)
        continue;
      appendCounts(out, "block " + recordNameOf(id), countByType(*block));
    }
  }
  if (auto* layers = peekObject<AcDbLayerTable>(core.layerTable)) {
    int count = 0;
    std::string names;
    for (AcDbObjectId id : layers->recordIds()) {
      ++count;
      names += "  " + recordNameOf(id) + "\n";
    }
    out += "layers: " + std::to_string(count) + "\n" + names;
  }
  if (db.updateExt() == Acad::eOk) {
    AcGePoint3d lo = db.extmin(), hi = db.extmax();
    out += "extents: " + formatReal(lo.x) + "," + formatReal(lo.y) + " to " + formatReal(hi.x) + "," +
           formatReal(hi.y) + "\n";
  } else {
    out += "extents: none\n";
  }
  return out;
}

}  // namespace zek
