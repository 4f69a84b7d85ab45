// The placement run: selection, collection, zero point, layout, centre lines
// and the ordinate dimensions, in that order.
#include <cmath>
#include <optional>
#include <string>

#include "aced_lisp.h"
#include "aced_output.h"
#include "aced_select.h"
#include "aced_vars.h"
#include "ads.h"
#include "db_curves.h"
#include "db_database.h"
#include "db_dimension.h"
#include "db_symtab.h"
#include "guards/model_space.h"
#include "guards/resbuf_list.h"
#include "guards/selection_set.h"
#include "layers/ensure_layer.h"
#include "layers/layer_digits.h"
#include "placement/placement.h"
#include "placement/plate_intake.h"
#include "settings/zero_point.h"
#include "view/island_window.h"

namespace zek::adxy1 {

namespace {

// The crossing window reaches this far beyond the picked island.
constexpr double kIslandReach = 2.5;
constexpr int kMarkedColour = 30;

// Everything but dimensions: (-4 "<NOT") (0 "DIMENSION") (-4 "NOT>").
ResbufList noDimensionsFilter() {
  return ResbufList(acutBuildList(-4, "<NOT", RTDXF0, "DIMENSION", -4, "NOT>", RTNONE));
}

enum class Selected { Objects, Nothing, Failed, BasePointSet };

// Step 1: the island's crossing window, or an interactive selection; a
// skipped selection turns into the set-base-point routine.
Selected selectPlate(SelectionSet& picked) {
  ResbufList filter = noDimensionsFilter();
  if (const std::optional<IslandWindow> island = pickIsland()) {
    (void)acedRedraw(nullptr, 0);
    ads_point low{island->low[0] - kIslandReach, island->low[1] - kIslandReach, 0.0};
    ads_point high{island->high[0] + kIslandReach, island->high[1] + kIslandReach, 0.0};
    const int code = picked.select("C", low, high, filter.get());
    if (code == RTNORM)
      return Selected::Objects;
    if (code == RTCAN)
      return Selected::Nothing;
    acutPrintf("\nfailed");
    return Selected::Failed;
  }
  acutPrintf("\nSkip the selection to pick base point:");
  const int code = picked.select(nullptr, filter.get());
  if (code == RTNORM)
    return Selected::Objects;
  if (code == RTCAN)
    return Selected::Nothing;
  (void)setBasePointInteractively();
  return Selected::BasePointSet;
}

double realVariable(const char* name, double fallback) {
  resbuf value{};
  if (acedGetVar(name, &value) != RTNORM)
    return fallback;
  if (value.restype == RTREAL)
    return value.resval.rreal;
  if (value.restype == RTSHORT)
    return value.resval.rint;
  return fallback;
}

int integerVariable(const char* name, int fallback) {
  resbuf value{};
  if (acedGetVar(name, &value) != RTNORM)
    return fallback;
  if (value.restype == RTSHORT)
    return value.resval.rint;
  if (value.restype == RT3DPOINT || value.restype == RTSTR)
    return fallback;
  return value.restype == RTLONG ? static_cast<int>(value.resval.rlong) : fallback;
}

// Step 2.
LayoutSizes sizesOfDrawing() {
  const int dimtad = integerVariable("DIMTAD", 0);
  return LayoutSizes::of(realVariable("DIMTXT", 2.5), realVariable("DIMSCALE", 1.0), dimtad,
                         dimtad != 0 ? realVariable("DIMGAP", 0.625) : 0.625,
                         realVariable("DIMASZ", 2.5));
}

bool drawingHasLayer(AcDbDatabase& db, const std::string& name, AcDbObjectId& id) {
  AcDbLayerTable* layers = nullptr;
  if (db.getLayerTable(layers, AcDb::kForRead) != Acad::eOk)
    return false;
  const bool found = layers->getAt(name.c_str(), id) == Acad::eOk;
  (void)layers->close();
  return found;
}

// Step 4: the dimension layer of the first entity's layer group, made current
// when the drawing has it. Answers its code when the table gives one.
std::optional<int> useDimensionLayer(AcDbDatabase& db, const LayerCodeTable& table,
                                     const std::optional<std::string>& firstLayer,
                                     std::string& dimensionLayer) {
  dimensionLayer = "0";
  if (!firstLayer)
    return std::nullopt;
  const std::optional<int> code = layerCodeOfName(table, *firstLayer);
  if (!code)
    return std::nullopt;
  const int dimensionCode = groupCodeWithOffset(*code, 20);
  const std::optional<std::string> name = table.layerNameOf(dimensionCode);
  if (!name)
    return std::nullopt;
  dimensionLayer = *name;
  AcDbObjectId layer;
  if (drawingHasLayer(db, *name, layer))
    (void)db.setClayer(layer);
  return dimensionCode;
}

// Step 15: the centre-line layer (created when missing) and the lines.
void drawCentreLines(AcDbDatabase& db, ModelSpaceForWrite& space,
                     const std::vector<CentreLineRun>& lines, const LayerCodeTable& table,
                     std::optional<int> dimensionCode, const std::string& dimensionLayer,
                     const OrdinateSettings& settings) {
  if (lines.empty())
    return;
  std::string name = dimensionLayer;
  if (dimensionCode)
    if (const std::optional<std::string> centre =
            table.layerNameOf(groupCodeWithOffset(*dimensionCode, 30)))
      name = *centre;
  const AcDbObjectId layer = ensureLayer(db, name.c_str(), settings.centreColour,
                                         settings.centreLinetype.c_str(), AcDb::kLnWt005);
  const AcDbObjectId linetype = findOrLoadLinetype(db, settings.centreLinetype.c_str());
  for (const CentreLineRun& run : lines) {
    const AcGePoint3d from = run.axis == Axis::X ? AcGePoint3d(run.value, run.from, 0.0)
                                                 : AcGePoint3d(run.from, run.value, 0.0);
    const AcGePoint3d to = run.axis == Axis::X ? AcGePoint3d(run.value, run.to, 0.0)
                                               : AcGePoint3d(run.to, run.value, 0.0);
    auto* line = new AcDbLine(from, to);
    line->setDatabaseDefaults(&db);
    if (!layer.isNull())
      (void)line->setLayer(layer);
    (void)line->setColorIndex(static_cast<Adesk::UInt16>(settings.centreColour));
    if (!linetype.isNull())
      (void)line->setLinetype(linetype);
    (void)space.append(line);
  }
}

// Step 18: one ordinate dimension per carrier.
void createDimensions(AcDbDatabase& db, ModelSpaceForWrite& space,
                      const OrdinateCollection& collection, const AcGePoint2d& zero) {
  const int drawingDecimals = integerVariable("DIMDEC", 4);
  const bool measuresX = collection.axis == Axis::X;
  for (const OrdinateGroup& group : collection.groups) {
    for (const OrdinateTarget& t : group.targets) {
      if (t.suppressed)
        continue;
      const AcGePoint3d feature = measuresX ? AcGePoint3d(group.value, t.perp, 0.0)
                                            : AcGePoint3d(t.perp, group.value, 0.0);
      const AcGePoint3d leaderEnd = measuresX ? AcGePoint3d(t.value, t.leaderEnd, 0.0)
                                              : AcGePoint3d(t.leaderEnd, t.value, 0.0);
      auto* dimension = new AcDbOrdinateDimension(measuresX, feature, leaderEnd, nullptr,
                                                  db.dimstyle());
      dimension->setDatabaseDefaults(&db);
      (void)dimension->setOrigin(AcGePoint3d(zero.x, zero.y, 0.0));
      if (t.marked)
        (void)dimension->setColorIndex(kMarkedColour);
      if (t.decimals != drawingDecimals)
        (void)dimension->setDimdec(t.decimals);
      (void)space.append(dimension);
    }
  }
}

}  // namespace

void runOrdinatePlacement(bool withProfiles) {
  AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
  if (db == nullptr)
    return;
  OrdinateSettings& settings = ordinateSettings();
  SelectionSet picked;
  if (selectPlate(picked) != Selected::Objects)
    return;
  const std::vector<AcDbObjectId> ids = picked.objectIds();
  if (ids.empty())
    return;

  const LayoutSizes sizes = sizesOfDrawing();
  // Cells of the free-room index four text heights square: a walk along a
  // leader visits few of them, each holding a few boxes.
  PlateIntake intake(std::max(sizes.textHeight * 4.0, 0.5));
  const IntakeRules rules{settings, ordinateLayerCodes()};
  collectPlate(ids, rules, intake);
  std::string dimensionLayer;
  const std::optional<int> dimensionCode =
      useDimensionLayer(*db, ordinateLayerCodes(), intake.firstLayer, dimensionLayer);

  // The plate: the outline's bounds, so that a datum mark, a label or a
  // title beside the plate does not move its corners; the drawn geometry's
  // when the selection has no outline.
  RunCollections& c = intake.collections;
  const std::optional<PlateBounds> outline = collectOutline(intake, settings.millingDecimals);
  const PlateBounds bounds = outline ? *outline : intake.index.drawnBounds();
  AcGePoint2d zero = settings.basePoint;
  if (settings.zeroMode == kNearestPoint)
    zero = askNearestZeroPoint(bounds);
  else if (settings.zeroMode != kFixedPoint)
    zero = zeroPointOfMode(settings.zeroMode, bounds, settings.basePoint);
  settings.basePoint = zero;

  if (std::fabs(zero.x - bounds.minX) > 0.001 && std::fabs(zero.x - bounds.maxX) > 0.001) {
    c.holesX.add(zero.x, bounds.minY, kZeroLineRadius, settings.millingDecimals);
    c.holesX.add(zero.x, bounds.maxY, kZeroLineRadius, settings.millingDecimals);
  }
  if (std::fabs(zero.y - bounds.minY) > 0.001 && std::fabs(zero.y - bounds.maxY) > 0.001) {
    c.holesY.add(zero.y, bounds.minX, kZeroLineRadius, settings.millingDecimals);
    c.holesY.add(zero.y, bounds.maxX, kZeroLineRadius, settings.millingDecimals);
  }
  if (withProfiles) {
    acutPrintf("\nSelect **LINE**ARC**LWPOLYLINE**");
    // Enter goes on without profiles; Esc cancels the command, nothing drawn.
    SelectionSet profiles;
    const int code = profiles.select(nullptr);
    if (code == RTCAN)
      return;
    if (code == RTNORM)
      collectProfiles(profiles.objectIds(), settings.millingDecimals, intake);
  }
  for (OrdinateCollection* collection : {&c.holesX, &c.holesY, &c.outlineX, &c.outlineY})
    collection->finish();

  LayoutInputs inputs;
  inputs.sizes = sizes;
  inputs.bounds = bounds;
  inputs.zero = zero;
  inputs.leaderLimit = settings.leaderFactor * sizes.textHeight;
  inputs.outsideDistance = settings.outsideFactor * sizes.textHeight;
  inputs.centreGap = settings.centreGap;
  inputs.centreLines = settings.centreLines;
  inputs.holeDecimals = settings.wireCutDecimals;
  inputs.outlineDecimals = settings.millingDecimals;
  const std::vector<CentreLineRun> lines = layOutOrdinates(c, intake.index, inputs);

  ModelSpaceForWrite space(*db);
  if (space.get() == nullptr)
    return;
  drawCentreLines(*db, space, lines, ordinateLayerCodes(), dimensionCode, dimensionLayer,
                  settings);
  for (const OrdinateCollection* collection : {&c.holesX, &c.holesY, &c.outlineX, &c.outlineY})
    createDimensions(*db, space, *collection, zero);
}

}  // namespace zek::adxy1
