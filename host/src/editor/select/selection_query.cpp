// Selection queries of a document: the model-space index and what windows,
// pick boxes, handles and the whole-drawing mode find.
#include "editor/select/selection_query.h"

#include <algorithm>
#include <limits>
#include <string>

#include "aced_vars.h"
#include "db/database_core.h"
#include "db/undo_recorder.h"
#include "db_block.h"
#include "db_database.h"
#include "db_entity.h"
#include "editor/document.h"
#include "editor/select/entity_geometry.h"
#include "editor/select/read_scope.h"

namespace zek {

int pickBoxPixels() {
  resbuf value{};
  if (acedGetVar("PICKBOX", &value) == RTNORM && value.restype == RTSHORT && value.resval.rint >= 0)
    return value.resval.rint;
  return 3;
}

AcDbExtents windowOf(const AcGePoint3d& a, const AcGePoint3d& b) {
  constexpr double kHuge = std::numeric_limits<double>::max();
  return AcDbExtents(AcGePoint3d(std::min(a.x, b.x), std::min(a.y, b.y), -kHuge),
                     AcGePoint3d(std::max(a.x, b.x), std::max(a.y, b.y), kHuge));
}

// ---- The index --------------------------------------------------------------

void buildModelSpaceIndex(AcDbDatabase& db, SpatialIndex& index) {
  std::vector<SpatialIndex::Entry> entries;
  auto* space = peekObject<AcDbBlockTableRecord>(db.modelSpaceId());
  if (space == nullptr) {
    index.build({});
    return;
  }
  const std::vector<AcDbObjectId>& ids = space->entityIds();
  entries.reserve(ids.size());
  for (std::size_t order = 0; order < ids.size(); ++order) {
    ReadScope<AcDbEntity> entity(ids[order], true);
    AcDbExtents box;
    if (entity.get() == nullptr || entity->getGeomExtents(box) != Acad::eOk || !box.isValid())
      continue;
    entries.push_back(SpatialIndex::makeEntry(box.minPoint().x, box.minPoint().y, box.maxPoint().x,
                                              box.maxPoint().y, static_cast<std::uint32_t>(order),
                                              ids[order]));
  }
  index.build(std::move(entries));
}

ModelSpaceIndex::Marks ModelSpaceIndex::marksOf(const AcDbDatabase& db) {
  Marks marks;
  marks.handseed = db.core().nextHandle();
  const UndoRecorder& undo = db.core().undo;
  marks.finishedSteps = undo.stepCount() - (undo.isRecording() ? 1 : 0);
  if (auto* space = peekObject<AcDbBlockTableRecord>(db.modelSpaceId()))
    marks.entities = space->entityIds().size();
  return marks;
}

void ModelSpaceIndex::observe(const AcDbDatabase& db) {
  Marks now = marksOf(db);
  if (!(now == seen_)) {
    stale_ = true;
    seen_ = now;
  }
}

void ModelSpaceIndex::build(AcDbDatabase& db) {
  buildModelSpaceIndex(db, index_);
  ++builds_;
  stale_ = false;
}

const SpatialIndex& ModelSpaceIndex::fresh(AcDbDatabase& db) {
  observe(db);
  if (stale_)
    build(db);
  return index_;
}

ModelSpaceIndex& modelSpaceIndexOf(Document& document) { return document.state<ModelSpaceIndex>(); }

// ---- Queries ------------------------------------------------------------------

SelectionScope::SelectionScope(Document& document)
    : document_(document), db_(*document.database()) {}

double SelectionScope::pickBoxHalfSize() const {
  return std::max(1, pickBoxPixels()) * document_.view().unitsPerPixel();
}

bool SelectionScope::isSelectable(AcDbObjectId id) const {
  if (id.isNull() || id.isErased() || id.database() != &db_)
    return false;
  ReadScope<AcDbEntity> entity(id);
  return entity.get() != nullptr && entity->ownerId() == db_.modelSpaceId() &&
         entity->visibility() == AcDb::kVisible && !layerHides(entity->layerId());
}

std::vector<AcDbObjectId> SelectionScope::windowQuery(const AcDbExtents& window, bool crossing) {
  struct Candidate {
    std::uint32_t order;
    AcDbObjectId id;
    bool boxInside;
  };
  std::vector<Candidate> candidates;
  const SpatialIndex& index = modelSpaceIndexOf(document_).fresh(db_);
  const double x1 = window.minPoint().x, y1 = window.minPoint().y;
  const double x2 = window.maxPoint().x, y2 = window.maxPoint().y;
  index.query(x1, y1, x2, y2, [&](const SpatialIndex::Entry& e) {
    bool boxInside = e.minX >= x1 && e.maxX <= x2 && e.minY >= y1 && e.maxY <= y2;
    candidates.push_back({e.order, e.id, boxInside});
  });
  std::sort(candidates.begin(), candidates.end(),
            [](const Candidate& a, const Candidate& b) { return a.order < b.order; });
  std::vector<AcDbObjectId> found;
  for (const Candidate& candidate : candidates) {
    if (candidate.id.isErased())
      continue;
    ReadScope<AcDbEntity> entity(candidate.id);
    const AcDbEntity* e = entity.get();
    if (e == nullptr || e->visibility() != AcDb::kVisible || layerHides(e->layerId()))
      continue;
    // The index box holds the true box: inside the window, nothing to compute.
    bool taken = candidate.boxInside || insideWindow(*e, window) ||
                 (crossing && crossesWindow(*e, window));
    if (taken)
      found.push_back(candidate.id);
  }
  return found;
}

std::vector<AcDbObjectId> SelectionScope::crossing(const AcDbExtents& window) {
  return windowQuery(window, true);
}

std::vector<AcDbObjectId> SelectionScope::inside(const AcDbExtents& window) {
  return windowQuery(window, false);
}

std::vector<AcDbObjectId> SelectionScope::picked(const AcGePoint3d& point, bool everything) {
  double h = pickBoxHalfSize();
  AcDbExtents box = windowOf(AcGePoint3d(point.x - h, point.y - h, 0.0),
                             AcGePoint3d(point.x + h, point.y + h, 0.0));
  struct Candidate {
    std::uint32_t order;
    AcDbObjectId id;
  };
  std::vector<Candidate> candidates;
  modelSpaceIndexOf(document_).fresh(db_).query(
      box.minPoint().x, box.minPoint().y, box.maxPoint().x, box.maxPoint().y,
      [&](const SpatialIndex::Entry& e) { candidates.push_back({e.order, e.id}); });
  std::sort(candidates.begin(), candidates.end(),
            [](const Candidate& a, const Candidate& b) { return a.order > b.order; });
  std::vector<AcDbObjectId> found;
  for (const Candidate& candidate : candidates) {
    if (!isSelectable(candidate.id))
      continue;
    ReadScope<AcDbEntity> entity(candidate.id);
    if (entity.get() == nullptr || !crossesWindow(*entity.get(), box))
      continue;
    found.push_back(candidate.id);
    if (!everything)
      break;
  }
  return found;
}

std::vector<AcDbObjectId> SelectionScope::all() {
  std::vector<AcDbObjectId> found;
  if (auto* space = peekObject<AcDbBlockTableRecord>(db_.modelSpaceId()))
    for (AcDbObjectId id : space->entityIds())
      if (isSelectable(id))
        found.push_back(id);
  return found;
}

AcDbObjectId SelectionScope::last() {
  if (auto* space = peekObject<AcDbBlockTableRecord>(db_.modelSpaceId())) {
    const std::vector<AcDbObjectId>& ids = space->entityIds();
    for (auto it = ids.rbegin(); it != ids.rend(); ++it)
      if (isSelectable(*it))
        return *it;
  }
  return AcDbObjectId();
}

AcDbObjectId SelectionScope::byHandle(std::string_view hex) {
  std::string text(hex);
  AcDbHandle handle(text.c_str());
  if (handle.isNull())
    return AcDbObjectId();
  ObjectStub* stub = db_.core().stubForHandle(handle.value(), false);
  AcDbObjectId id(stub);
  return stub != nullptr && isSelectable(id) ? id : AcDbObjectId();
}

std::vector<AcDbObjectId> SelectionScope::wholeDrawing() {
  std::vector<AcDbObjectId> found;
  auto addBlock = [&](AcDbObjectId blockId) {
    if (auto* block = peekObject<AcDbBlockTableRecord>(blockId))
      for (AcDbObjectId id : block->entityIds())
        if (!id.isErased() && id.stub() != nullptr && AcDbEntity::cast(id.stub()->object) != nullptr)
          found.push_back(id);
  };
  addBlock(db_.modelSpaceId());
  if (auto* table = peekObject<AcDbBlockTable>(db_.blockTableId())) {
    for (AcDbObjectId recordId : table->recordIds()) {
      if (recordId == db_.modelSpaceId() || recordId.isErased())
        continue;
      ReadScope<AcDbBlockTableRecord> record(recordId);
      if (record.get() != nullptr && record->isLayout())
        addBlock(recordId);
    }
  }
  return found;
}

}  // namespace zek
