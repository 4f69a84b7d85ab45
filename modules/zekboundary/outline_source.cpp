// Reading the outlines of a selection: polylines and circles directly,
// lines and arcs through the chain builder with the arcs' bulges put back.
#include "outline_source.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "chains/chain_records.h"
#include "chains/chain_selection.h"
#include "chains/end_node_map.h"
#include "db_block.h"
#include "db_curves.h"
#include "db_database.h"
#include "db_polyline.h"
#include "guards/opened_entity.h"

namespace zek {

namespace {

PickedOutline polylineOutline(const AcDbPolyline& polyline, AcDbObjectId id) {
  PickedOutline picked;
  for (unsigned int i = 0; i < polyline.numVerts(); ++i) {
    AcGePoint2d point;
    double bulge = 0.0;
    if (polyline.getPointAt(i, point) != Acad::eOk || polyline.getBulgeAt(i, bulge) != Acad::eOk)
      continue;
    picked.outline.push_back({point.x, point.y, bulge});
  }
  picked.closed = polyline.isClosed();
  // Drawn back onto its first vertex: closed all the same, without the
  // vertex repeated.
  if (!picked.closed && picked.outline.size() > 2 &&
      distance(pointOf(picked.outline.front()), pointOf(picked.outline.back())) <= kChainTolerance) {
    picked.outline.pop_back();
    picked.closed = true;
  }
  picked.placement = {polyline.normal(), polyline.elevation(), id};
  return picked;
}

// A circle as two half circles turning left, from its rightmost point.
PickedOutline circleOutline(const AcDbCircle& circle, AcDbObjectId id) {
  const AcGePoint3d c = circle.center();
  const double r = circle.radius();
  PickedOutline picked;
  picked.outline = {{c.x + r, c.y, 1.0}, {c.x - r, c.y, 1.0}};
  picked.closed = true;
  picked.placement.elevation = c.z;
  picked.placement.propertiesFrom = id;
  return picked;
}

// The bulge of a chain segment from `from` onwards: an arc's own, turned
// over when the chain runs from its end to its start (or its normal points
// down); 0 for a line or a segment that no longer opens.
double segmentBulge(AcDbObjectId id, const ChainPoint& from) {
  OpenedEntity segment(id, AcDb::kForRead);
  const AcDbArc* arc = segment.as<AcDbArc>();
  if (arc == nullptr)
    return 0.0;
  AcGePoint3d start;
  AcGePoint3d end;
  if (arc->getStartPoint(start) != Acad::eOk || arc->getEndPoint(end) != Acad::eOk)
    return 0.0;
  double bulge = std::tan(arc->totalAngle() / 4.0);
  if (arc->normal().z < 0.0)
    bulge = -bulge;  // seen from above it turns the other way
  const Point2 at{from.x, from.y};
  const bool forwards = distance(at, {start.x, start.y}) <= distance(at, {end.x, end.y});
  return forwards ? bulge : -bulge;
}

PickedOutline chainOutline(const Chain& chain) {
  PickedOutline picked;
  picked.closed = chain.closed != 0;
  for (const ChainPoint& point : chain.points)
    picked.outline.push_back({point.x, point.y, segmentBulge(point.id, point)});
  if (!picked.closed && !picked.outline.empty())
    picked.outline.back().bulge = 0.0;  // the last point of an open chain leaves nowhere
  if (!chain.points.empty())
    picked.placement.propertiesFrom = chain.points.front().id;
  return picked;
}

// The lines and arcs of a selection and the layers they lie on.
struct PickedSegments {
  std::vector<AcDbObjectId> ids;
  std::vector<AcDbObjectId> layers;
};

// The model-space entities of the current drawing, read from its block
// record (which is closed again before they are opened).
std::vector<AcDbObjectId> modelSpaceEntities() {
  AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
  AcDbBlockTableRecord* modelSpace = nullptr;
  if (db == nullptr || acdbOpenObject(modelSpace, db->modelSpaceId(), AcDb::kForRead) != Acad::eOk)
    return {};
  std::vector<AcDbObjectId> ids;
  AcDbBlockTableRecordIterator* walk = nullptr;
  if (modelSpace->newIterator(walk) == Acad::eOk) {
    const std::unique_ptr<AcDbBlockTableRecordIterator> iterator(walk);
    for (; !iterator->done(); iterator->step()) {
      AcDbObjectId id;
      if (iterator->getEntityId(id) == Acad::eOk)
        ids.push_back(id);
    }
  }
  (void)modelSpace->close();
  return ids;
}

// The lines and arcs a picked one may join: every line and arc of model
// space on a layer that holds a picked one. Walking the block record rather
// than selecting leaves the drafter's previous selection alone.
std::vector<AcDbObjectId> chainCandidates(const PickedSegments& picked) {
  std::vector<AcDbObjectId> candidates;
  for (const AcDbObjectId id : modelSpaceEntities()) {
    OpenedEntity entity(id, AcDb::kForRead);
    if (entity.status() != Acad::eOk)
      continue;
    if (entity.as<AcDbLine>() == nullptr && entity.as<AcDbArc>() == nullptr)
      continue;
    if (std::binary_search(picked.layers.begin(), picked.layers.end(), entity->layerId()))
      candidates.push_back(id);
  }
  return candidates;
}

}  // namespace

std::vector<PickedOutline> outlinesOf(const SelectionSet& picked) {
  std::vector<PickedOutline> outlines;
  PickedSegments segments;
  for (const AcDbObjectId id : picked.objectIds()) {
    OpenedEntity entity(id, AcDb::kForRead);
    if (entity.status() != Acad::eOk)
      continue;
    if (const auto* polyline = entity.as<AcDbPolyline>()) {
      outlines.push_back(polylineOutline(*polyline, id));
    } else if (const auto* circle = entity.as<AcDbCircle>()) {
      outlines.push_back(circleOutline(*circle, id));
    } else if (entity.as<AcDbLine>() != nullptr || entity.as<AcDbArc>() != nullptr) {
      segments.ids.push_back(id);
      segments.layers.push_back(entity->layerId());
    }
  }
  if (segments.ids.empty())
    return outlines;
  std::sort(segments.ids.begin(), segments.ids.end());
  std::sort(segments.layers.begin(), segments.layers.end());

  EndNodeMap nodes;
  ChainList chains;
  (void)collectEntities(chainCandidates(segments), ChainInputs{.polylines = false}, nodes, chains);
  nodes.disableJunctionBridges();
  nodes.collectChains(chains);
  for (const Chain& chain : chains) {
    const bool wasPicked = std::any_of(chain.points.begin(), chain.points.end(),
                                       [&](const ChainPoint& point) {
                                         return std::binary_search(segments.ids.begin(),
                                                                   segments.ids.end(), point.id);
                                       });
    if (wasPicked)
      outlines.push_back(chainOutline(chain));
  }
  return outlines;
}

}  // namespace zek
