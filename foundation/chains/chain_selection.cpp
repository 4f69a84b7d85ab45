// Entities of a selection into the chain builder.
#include "chains/chain_selection.h"

#include "chains/chain_shapes.h"
#include "db_curves.h"
#include "db_polyline.h"

namespace zek::inline foundation {

namespace {

enum class Intake { Segment, Chain, Other, Failed };

// Enters a curve by its end points; the host's answer when one does not read.
Acad::ErrorStatus enterSegment(const AcDbCurve& curve, AcDbObjectId id, EndNodeMap& nodes) {
  AcGePoint3d start, end;
  Acad::ErrorStatus status = curve.getStartPoint(start);
  if (status == Acad::eOk)
    status = curve.getEndPoint(end);
  if (status == Acad::eOk)
    nodes.addSegment(start, end, id);
  return status;
}

Intake takeEntity(AcDbObjectId id, OpenedEntity& entity, const ChainInputs& inputs,
                  EndNodeMap& nodes, ChainList& list) {
  AcDbEntity* opened = entity.get();
  const bool segment = AcDbLine::cast(opened) || AcDbArc::cast(opened) ||
                       (inputs.splines && AcDbSpline::cast(opened));
  if (segment) {
    const Acad::ErrorStatus status = enterSegment(*AcDbCurve::cast(opened), id, nodes);
    if (status == Acad::eOk)
      return Intake::Segment;
    if (inputs.failed)
      inputs.failed(id, status);
    return Intake::Failed;
  }
  if (auto* circle = AcDbCircle::cast(opened); circle && inputs.circles) {
    addCircleChain(list, circle->center(), circle->radius(), id);
    return Intake::Chain;
  }
  if (auto* polyline = AcDbPolyline::cast(opened); polyline && inputs.polylines) {
    addPolylineChain(list, *polyline, id);
    return Intake::Chain;
  }
  if (inputs.other)
    inputs.other(id, entity);
  return Intake::Other;
}

}  // namespace

ChainIntake collectEntities(const std::vector<AcDbObjectId>& ids, const ChainInputs& inputs,
                            EndNodeMap& nodes, ChainList& list) {
  ChainIntake intake;
  for (AcDbObjectId id : ids) {
    OpenedEntity entity(id, AcDb::kForRead);
    if (entity.status() != Acad::eOk) {
      if (inputs.failed)
        inputs.failed(id, entity.status());
      ++intake.failed;
      continue;
    }
    switch (takeEntity(id, entity, inputs, nodes, list)) {
      case Intake::Segment: ++intake.segments; break;
      case Intake::Chain: ++intake.chains; break;
      case Intake::Other: ++intake.others; break;
      case Intake::Failed: ++intake.failed; break;
    }
  }  // each entity closes here, before the next one opens
  return intake;
}

ChainIntake collectSelection(const SelectionSet& set, const ChainInputs& inputs,
                             EndNodeMap& nodes, ChainList& list) {
  return collectEntities(set.objectIds(), inputs, nodes, list);
}

}  // namespace zek::inline foundation
