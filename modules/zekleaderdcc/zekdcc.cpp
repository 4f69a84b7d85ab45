// ZEKDCC: finds the chamfer lines of the selected lines and polylines, and
// runs the host's LEADER for each with its "C" note, the leader ends lined
// up on one box around the drawing.
#include <string>
#include <vector>

#include "aced_input.h"
#include "aced_output.h"
#include "aced_vars.h"
#include "ads_geom.h"
#include "chamfers.h"
#include "db_curves.h"
#include "db_database.h"
#include "db_extents.h"
#include "db_polyline.h"
#include "db_symtab.h"
#include "guards/opened_entity.h"
#include "guards/resbuf_list.h"
#include "guards/selection_set.h"
#include "guards/sys_var_guard.h"
#include "zekleaderdcc.h"

namespace zek {
namespace {

double multiple = kInitialMultiple;

// Halves DIMASZ for the leaders and puts the old value back on every way
// out; a value that does not read as a real is left alone.
class HalvedArrowSize {
public:
  HalvedArrowSize() {
    resbuf old{};
    saved_ = acedGetVar("DIMASZ", &old) == RTNORM && old.restype == RTREAL;
    if (!saved_)
      return;
    oldValue_ = old.resval.rreal;
    set(oldValue_ / 2.0);
  }
  ~HalvedArrowSize() {
    if (saved_)
      set(oldValue_);
  }
  HalvedArrowSize(const HalvedArrowSize&) = delete;
  HalvedArrowSize& operator=(const HalvedArrowSize&) = delete;

private:
  static void set(double value) {
    resbuf rb{};
    rb.restype = RTREAL;
    rb.resval.rreal = value;
    (void)acedSetVar("DIMASZ", &rb);  // a refused value leaves DIMASZ as it was
  }
  double oldValue_ = 0.0;
  bool saved_ = false;
};

// What one selected entity brings: the layer it lies on and its chamfers.
struct SelectedOutline {
  ViewLayer layer = ViewLayer::Other;
  std::vector<ChamferRecord> chamfers;  // world coordinates
};

// The ids of the layers "VF" and "VC", null ids when missing.
struct ViewLayerIds {
  AcDbObjectId front;
  AcDbObjectId back;
  bool bothExist() const { return !front.isNull() && !back.isNull(); }
};

ViewLayerIds viewLayerIds(AcDbDatabase& db) {
  ViewLayerIds ids;
  AcDbLayerTable* layers = nullptr;
  if (db.getLayerTable(layers, AcDb::kForRead) != Acad::eOk)
    return ids;
  if (layers->getAt("VF", ids.front) != Acad::eOk)
    ids.front = AcDbObjectId();
  if (layers->getAt("VC", ids.back) != Acad::eOk)
    ids.back = AcDbObjectId();
  (void)layers->close();
  return ids;
}

std::vector<ChamferRecord> chamfersOfPolyline(const AcDbPolyline& polyline) {
  std::vector<AcGePoint3d> vertices;
  std::vector<double> bulges;
  for (unsigned int i = 0; i < polyline.numVerts(); ++i) {
    AcGePoint3d point;
    double bulge = 0.0;
    if (polyline.getPointAt(i, point) != Acad::eOk || polyline.getBulgeAt(i, bulge) != Acad::eOk)
      return {};  // a vertex that does not read: the polyline is passed over
    vertices.push_back(point);
    bulges.push_back(bulge);
  }
  return polylineChamfers(vertices, bulges, polyline.isClosed());
}

// Reads every selected entity once: its extents grow the overall box, its
// layer and chamfers are kept. An entity that will not open is passed over.
std::vector<SelectedOutline> readOutlines(const SelectionSet& picked, const ViewLayerIds& ids,
                                          AcDbExtents& overall) {
  std::vector<SelectedOutline> outlines;
  for (AcDbObjectId id : picked.objectIds()) {
    OpenedEntity entity(id, AcDb::kForRead);
    if (entity.status() != Acad::eOk)
      continue;
    AcDbExtents extents;
    if (entity->getGeomExtents(extents) == Acad::eOk)
      overall.addExt(extents);
    SelectedOutline outline;
    const AcDbObjectId layerId = entity->layerId();
    if (!layerId.isNull() && layerId == ids.front)
      outline.layer = ViewLayer::Front;
    else if (!layerId.isNull() && layerId == ids.back)
      outline.layer = ViewLayer::Back;
    if (const auto* line = entity.as<AcDbLine>()) {
      ChamferRecord chamfer;
      if (chamferOf(line->startPoint(), line->endPoint(), chamfer))
        outline.chamfers.push_back(chamfer);
    } else if (const auto* polyline = entity.as<AcDbPolyline>()) {
      outline.chamfers = chamfersOfPolyline(*polyline);
    }
    outlines.push_back(std::move(outline));
  }  // each entity closes here, before the next one opens
  return outlines;
}

AcGePoint3d toUser(const AcGePoint3d& world) {
  ads_point point = {world.x, world.y, world.z};
  if (!acdbWcs2Ucs(point, point, false))
    return world;
  return asPnt3d(point);
}

// The chamfers to label, mid points in user coordinates, after the layer rule.
std::vector<ChamferRecord> chamfersToLabel(const std::vector<SelectedOutline>& outlines,
                                           bool bothLayersExist) {
  std::vector<ViewLayer> layers;
  for (const SelectedOutline& outline : outlines)
    layers.push_back(outline.layer);
  const bool skipBack = leavesOutBackLayer(bothLayersExist, layers);
  std::vector<ChamferRecord> chamfers;
  for (const SelectedOutline& outline : outlines) {
    if (skipBack && outline.layer == ViewLayer::Back)
      continue;
    for (ChamferRecord chamfer : outline.chamfers) {
      chamfer.mid = toUser(chamfer.mid);
      chamfers.push_back(chamfer);
    }
  }
  return chamfers;
}

double realVariable(const char* name, double fallback) {
  resbuf value{};
  if (acedGetVar(name, &value) != RTNORM || value.restype != RTREAL)
    return fallback;
  return value.resval.rreal;
}

// The run of a leader: DIMTXT × DIMSCALE × multiple × 1.414213. DIMSCALE 0
// (scaled to the layout) counts as 1 in model space.
double leaderRun() {
  const double textHeight = realVariable("DIMTXT", 2.5);
  double scale = realVariable("DIMSCALE", 1.0);
  if (scale <= 0.0)
    scale = 1.0;
  return textHeight * scale * multiple * kDiagonalFactor;
}

// "\nmultiple value: " for a new multiple, taken only above 1 and below 50.
void askMultiple() {
  acutPrintf("\nmultiple value: %0.2f", multiple);
  double value = 0.0;
  if (acedGetReal("\nmultiple value: ", &value) != RTNORM)
    return;
  if (value > 1.0 && value < 50.0)
    multiple = value;
}

// Runs LEADER: start, end, Enter (no more points), the note, Enter (no more
// lines). False when the host did not complete it.
bool drawLeader(const LeaderPlan& plan) {
  char sizeText[kZekRealTextSize] = "";
  if (acdbRToS(plan.size, 2, 3, sizeText) != RTNORM)
    return false;
  const std::string note = chamferNote(sizeText);
  ads_point start = {plan.start.x, plan.start.y, plan.start.z};
  ads_point end = {plan.end.x, plan.end.y, plan.end.z};
  return acedCommand(RTSTR, "_.LEADER", RTPOINT, start, RTPOINT, end, RTSTR, "", RTSTR,
                     note.c_str(), RTSTR, "", RTNONE) == RTNORM;
}

}  // namespace

double& leaderMultiple() { return multiple; }

void labelChamfers() {
  AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
  if (db == nullptr)
    return;
  ResbufList linesAndPolylines(acutBuildList(-4, "<OR", RTDXF0, "LINE", RTDXF0, "LWPOLYLINE",
                                             -4, "OR>", RTNONE));
  SelectionSet picked;
  const int selected = picked.select(nullptr, linesAndPolylines.get());
  if (selected == RTCAN)
    return;  // Esc ends the command; only an empty selection asks for the multiple
  if (selected != RTNORM) {
    askMultiple();
    return;
  }
  const ViewLayerIds ids = viewLayerIds(*db);
  AcDbExtents overall;
  const std::vector<SelectedOutline> outlines = readOutlines(picked, ids, overall);
  picked.free();
  const std::vector<ChamferRecord> chamfers = chamfersToLabel(outlines, ids.bothExist());
  if (chamfers.empty() || !overall.isValid())
    return;
  const AcGePoint3d centre = toUser(AcGePoint3d((overall.minPoint().x + overall.maxPoint().x) / 2,
                                                (overall.minPoint().y + overall.maxPoint().y) / 2,
                                                (overall.minPoint().z + overall.maxPoint().z) / 2));
  const std::vector<LeaderPlan> plans = planLeaders(chamfers, centre, leaderRun());

  SysVarGuard noSnap("OSMODE", 0);  // the leader points must not snap to the outline
  HalvedArrowSize arrows;
  SysVarGuard textAbove("DIMTAD", 1);
  SysVarGuard keepZeros("DIMZIN", 0);  // "2.000" whole, so the note trims its own zeros
  for (const LeaderPlan& plan : plans)
    if (!drawLeader(plan))
      return;  // Esc or a refused LEADER: the guards put the variables back
}

}  // namespace zek
