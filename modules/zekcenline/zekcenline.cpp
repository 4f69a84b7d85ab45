// ZEKCENLINE1 and ZEKCENLINE2: one flow, two turns. Select circles and arcs,
// merge their centres per layer, draw a cross on each; Enter at the selection
// edits the settings instead.
#include "zekcenline.h"

#include <cstring>
#include <memory>
#include <vector>

#include "aced_input.h"
#include "aced_output.h"
#include "centre_cross.h"
#include "db_block.h"
#include "db_curves.h"
#include "db_database.h"
#include "guards/opened_entity.h"
#include "guards/resbuf_list.h"
#include "guards/selection_set.h"

namespace zek {
namespace {

// Fixed values at every load; changed only at the settings prompt.
CentreLineSettings settings;

// Model space of a drawing opened for write, closed when it goes out of scope.
class ModelSpaceForWrite {
public:
  explicit ModelSpaceForWrite(AcDbDatabase& db) {
    AcDbBlockTable* blocks = nullptr;
    if (db.getBlockTable(blocks, AcDb::kForRead) != Acad::eOk)
      return;
    if (blocks->getAt(ACDB_MODEL_SPACE, space_, AcDb::kForWrite) != Acad::eOk)
      space_ = nullptr;
    (void)blocks->close();
  }
  ~ModelSpaceForWrite() {
    if (space_)
      (void)space_->close();
  }
  ModelSpaceForWrite(const ModelSpaceForWrite&) = delete;
  ModelSpaceForWrite& operator=(const ModelSpaceForWrite&) = delete;

  AcDbBlockTableRecord* get() const { return space_; }

private:
  AcDbBlockTableRecord* space_ = nullptr;
};

// Circles and arcs only: acedSSGet with the filter, or the pick-first set
// filtered the same way.
[[nodiscard]] int selectCirclesAndArcs(SelectionSet& picked) {
  ResbufList circlesAndArcs(acutBuildList(-4, "<OR", RTDXF0, "CIRCLE", RTDXF0, "ARC", -4, "OR>",
                                          RTNONE));
  return picked.select(nullptr, circlesAndArcs.get());
}

// The circles and arcs of the selection with their centres, radii and
// layers, in selection order. An entity that will not open is passed over.
std::vector<FoundCurve> readCurves(const SelectionSet& picked) {
  std::vector<FoundCurve> found;
  for (AcDbObjectId id : picked.objectIds()) {
    OpenedEntity entity(id, AcDb::kForRead);
    if (entity.status() != Acad::eOk)
      continue;
    if (const auto* circle = entity.as<AcDbCircle>())
      found.push_back({CurveKind::Circle, {circle->center(), circle->radius(), circle->layerId()}});
    else if (const auto* arc = entity.as<AcDbArc>())
      found.push_back({CurveKind::Arc, {arc->center(), arc->radius(), arc->layerId()}});
  }  // each entity closes here, before the next one opens
  return found;
}

// Appends one centre line to model space on the layer of its circle.
void appendCentreLine(AcDbDatabase& db, AcDbBlockTableRecord& space, const CentreLine& geometry,
                      AcDbObjectId layerId) {
  auto line = std::make_unique<AcDbLine>(geometry.start, geometry.end);
  line->setDatabaseDefaults(&db);
  if (line->setLayer(layerId) != Acad::eOk)
    return;  // the circle's layer is gone: no line on a layer it does not belong to
  if (space.appendAcDbEntity(line.get()) != Acad::eOk)
    return;  // never the drawing's: unique_ptr deletes it
  (void)line.release()->close();
}

// Draws the cross of every record in list order.
void appendCrosses(const CentreList& centres, double extension, double turnAngle) {
  AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
  if (db == nullptr || centres.empty())
    return;
  ModelSpaceForWrite space(*db);
  if (space.get() == nullptr)
    return;
  for (const CentreRecord& record : centres)
    for (const CentreLine& line : centreCross(record, extension, turnAngle))
      appendCentreLine(*db, *space.get(), line, record.layerId);
}

// The settings prompt: a real is the new extension, "Radius" asks for the
// minimum radius, "Arc" toggles arcs. Shown once; the command then ends.
void editSettings(CentreLineSettings& current) {
  acutPrintf("%s", current.arcsIncluded ? "\n[Arc included]," : "\n[Arc excluded],");
  acutPrintf("[minRadius <%0.2f>][Ext value <%0.2f>]: ", current.minRadius, current.extension);
  acedInitGet(0, "Arc Radius");
  double value = 0.0;
  const int answer = acedGetReal("", &value);
  if (answer == RTNORM) {
    current.extension = value;
    return;
  }
  if (answer != RTKWORD)
    return;  // Enter or Esc: the settings stay
  char keyword[32] = "";
  if (acedGetInput(keyword, sizeof keyword) != RTNORM)
    return;
  if (std::strcmp(keyword, "Radius") == 0) {
    double minRadius = 0.0;
    if (acedGetReal("\nRadius value: ", &minRadius) == RTNORM)
      current.minRadius = minRadius;
  } else if (std::strcmp(keyword, "Arc") == 0) {
    current.arcsIncluded = !current.arcsIncluded;
  }
}

// The flow both commands share, with their turn angle.
void centreCrossCommand(double turnAngle) {
  SelectionSet picked;
  const int selected = selectCirclesAndArcs(picked);
  if (selected == RTCAN)
    return;  // Esc cancels the command; only an empty selection opens the settings
  if (selected != RTNORM) {
    editSettings(settings);
    return;
  }
  const std::vector<FoundCurve> found = readCurves(picked);
  appendCrosses(centresOf(found, settings), settings.extension, turnAngle);
}

}  // namespace

CentreLineSettings& centreLineSettings() { return settings; }

void drawCentreCrosses() { centreCrossCommand(0.0); }

void drawTurnedCentreCrosses() { centreCrossCommand(kTurnedCrossAngle); }

}  // namespace zek
