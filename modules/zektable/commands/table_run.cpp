// The common run of the four table commands: select, collect and prepare the
// holes, then one row per label run, drawn as TEXT and LINE in model space.
#include <optional>
#include <string>
#include <vector>

#include "aced_input.h"
#include "aced_output.h"
#include "aced_select.h"
#include "aced_vars.h"
#include "ads.h"
#include "commands/table_commands.h"
#include "commands/table_layout.h"
#include "commands/table_placement.h"
#include "db_curves.h"
#include "db_database.h"
#include "db_text.h"
#include "guards/model_space.h"
#include "guards/resbuf_list.h"
#include "guards/selection_set.h"
#include "guards/sys_var_guard.h"
#include "holes/hole_collection.h"
#include "holes/label_matching.h"
#include "holes/label_zoom.h"
#include "holes/prepare_groups.h"
#include "rows/row_texts.h"
#include "tables/hole_tables.h"
#include "view/island_window.h"

namespace zek::table {

namespace {

enum class TableCommand { IslandTable, SelectionTable, ShortTable, IslandNotes };

// The crossing window reaches this far beyond the picked island, and the
// corner point lies this far inside it.
constexpr double kIslandReach = 0.5;
constexpr double kCornerInset = 0.01;
// A run matched by most of its labels still gives its row.
constexpr int kFewestForPartialMatch = 5;
constexpr double kPartialMatchShare = 0.7;

TableKind kindOf(TableCommand command) {
  switch (command) {
    case TableCommand::ShortTable: return TableKind::FourColumns;
    case TableCommand::IslandNotes: return TableKind::NotesList;
    default: return TableKind::SixColumns;
  }
}

bool usesIsland(TableCommand command) {
  return command == TableCommand::IslandTable || command == TableCommand::IslandNotes;
}

bool userToWorld(const ads_point user, AcGePoint3d& world) {
  ads_point out{};
  if (!acdbUcs2Wcs(user, out, false))
    return false;
  world.set(out[0], out[1], out[2]);
  return true;
}

// Circles, arcs and texts: (-4 "<OR") (0 "CIRCLE") (0 "ARC") (0 "TEXT") (-4 "OR>").
ResbufList holeFilter() {
  return ResbufList(acutBuildList(-4, "<OR", RTDXF0, "CIRCLE", RTDXF0, "ARC", RTDXF0, "TEXT", -4,
                                  "OR>", RTNONE));
}

// The corner of the drawing region the placement settings name, in world
// coordinates.
std::optional<AcGePoint3d> regionCorner(const IslandWindow& island, int corner) {
  ads_point k{island.high[0] - kCornerInset, island.low[1] + kCornerInset, 0.0};
  if (corner == kLowerLeft)
    k[0] = island.low[0] + kCornerInset;
  else if (corner == kBottomMiddle)
    k[0] = (island.low[0] + kCornerInset + island.high[0] - kCornerInset) / 2;
  AcGePoint3d world;
  if (!userToWorld(k, world))
    return std::nullopt;
  return world;
}

struct Selected {
  std::vector<AcDbObjectId> ids;
  std::optional<AcGePoint3d> corner;  // ZEKTABLE1's region corner
};

// Steps 1 to 3: the selection of the command; none ends it silently.
std::optional<Selected> selectHoles(TableCommand command) {
  ResbufList filter = holeFilter();
  if (!filter)
    return std::nullopt;
  SelectionSet picked;
  Selected selected;
  const std::optional<IslandWindow> island =
      usesIsland(command) ? pickIsland() : std::optional<IslandWindow>{};
  if (island) {
    const ads_point low{island->low[0] - kIslandReach, island->low[1] - kIslandReach, 0.0};
    const ads_point high{island->high[0] + kIslandReach, island->high[1] + kIslandReach, 0.0};
    if (picked.select("C", low, high, filter.get()) != RTNORM)
      return std::nullopt;
    if (command == TableCommand::IslandTable)
      selected.corner = regionCorner(*island, tablePlacement().corner);
  } else if (picked.select(nullptr, filter.get()) != RTNORM) {
    return std::nullopt;
  }
  selected.ids = picked.objectIds();
  return selected;
}

// The base point P of the table; none when the prompt is cancelled.
std::optional<AcGePoint3d> basePoint(TableCommand command, const Selected& selected, double h) {
  const TablePlacement& placement = tablePlacement();
  if (command == TableCommand::IslandTable && placement.automatic && selected.corner)
    return AcGePoint3d(selected.corner->x + placement.xMultiple * h,
                       selected.corner->y + placement.yMultiple * h, selected.corner->z);
  ads_point picked{};
  if (acedGetPoint(nullptr, "\nBase point:", picked) != RTNORM)
    return std::nullopt;
  AcGePoint3d world;
  if (!userToWorld(picked, world))
    return std::nullopt;
  return world;
}

// The row source of one label run: matched, matched by most of its labels,
// or picked by hand; none when the run gives no row.
std::optional<RowSource> sourceOfRun(std::span<const HoleLabel> run, LabelMatcher& matcher,
                                     double h, RunView& view) {
  RowSource source;
  source.labelText = run.front().text;
  source.zoomPoint = run.back().position;
  const RunMatch match = matcher.matchLabels(run, h);
  source.total = match.total;
  if (match.found != match.total) {
    acutPrintf("\nTotal=%d, Found=%d", match.total, match.found);
    const bool mostFound = match.total >= kFewestForPartialMatch &&
                           match.found >= kPartialMatchShare * match.total;
    if (!mostFound || match.first == nullptr) {
      const std::optional<HandPick> pick = pickHoleByHand(run.back(), view);
      if (!pick)
        return std::nullopt;
      source.radius = pick->radius;
      source.layerName = pick->layerName;
      source.continuous = pick->continuous;
      return source;
    }
  }
  source.hole = match.first;
  source.radius = match.first->radius;
  source.layerName = match.first->group->layerName;
  source.continuous = isContinuousGroup(*match.first->groupKey);
  return source;
}

// TEXT and LINE on the table layer, with the drawing's defaults.
class TableWriter {
public:
  TableWriter(AcDbDatabase& db, ModelSpaceForWrite& space, const std::string& layer, double h)
      : db_(db), space_(space), layer_(layer), h_(h) {}

  void text(const TableText& item) {
    const AcGePoint3d at(item.at.x, item.at.y, 0.0);
    auto* text = new AcDbText(at, item.text.c_str());
    text->setDatabaseDefaults(&db_);
    (void)text->setHeight(h_);
    (void)text->setLayer(layer_.c_str());
    (void)text->setHorizontalMode(item.justification == TextJustification::Right
                                      ? AcDb::kTextRight
                                      : AcDb::kTextLeft);
    (void)text->setPosition(at);
    (void)text->setAlignmentPoint(at);
    (void)space_.append(text);
  }

  void line(const TableLine& item) {
    auto* line = new AcDbLine(AcGePoint3d(item.from.x, item.from.y, 0.0),
                              AcGePoint3d(item.to.x, item.to.y, 0.0));
    line->setDatabaseDefaults(&db_);
    (void)line->setLayer(layer_.c_str());
    (void)space_.append(line);
  }

private:
  AcDbDatabase& db_;
  ModelSpaceForWrite& space_;
  const std::string& layer_;
  double h_;
};

// The rows of the label runs that give one, in run order. Rows are worked
// out before anything is drawn, so that model space is not held open while
// the drafter answers a note's prompt or picks a hole.
std::vector<TableRow> tableRows(TableKind kind, CollectedHoles& holes, RunView& view) {
  const HoleTables& tables = holeTables();
  const double h = holes.labels.front().height();
  LabelMatcher matcher(holes.groups);
  std::vector<TableRow> rows;
  for (const std::span<const HoleLabel> run : labelRuns(holes.labels)) {
    const std::optional<RowSource> source = sourceOfRun(run, matcher, h, view);
    if (!source)
      continue;
    TableRow row;
    row.number = static_cast<int>(rows.size()) + 1;
    row.label = source->labelText;
    row.total = source->total;
    const DiameterTexts diameter = diameterTexts(tables, kind, *source);
    row.dia = diameter.dia;
    row.sp = diameter.sp;
    acutPrintf("\nCODE:%3s,%2d -%6.2f", row.label.c_str(), row.total, diameter.diameter);
    row.ref = noteText(tables, *source, diameter, view);
    rows.push_back(std::move(row));
  }
  return rows;
}

// Step 7: the base point, the rows, then the header, the rows' texts and the
// rulings on the layer of the first label.
void drawTable(TableCommand command, CollectedHoles& holes, const Selected& selected,
               RunView& view) {
  const TableKind kind = kindOf(command);
  const double h = holes.labels.front().height();
  const std::optional<AcGePoint3d> base = basePoint(command, selected, h);
  if (!base)
    return;
  const std::vector<TableRow> rows = tableRows(kind, holes, view);
  AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
  if (db == nullptr)
    return;
  ModelSpaceForWrite space(*db);
  if (space.get() == nullptr)
    return;
  const AcGePoint2d p(base->x, base->y);
  TableWriter writer(*db, space, holes.labels.front().layer, h);
  for (const TableText& text : headerTexts(kind, p, h))
    writer.text(text);
  for (const TableRow& row : rows)
    for (const TableText& text : rowTexts(kind, p, h, row))
      writer.text(text);
  for (const TableLine& line :
       tableLines(kind, p, h, static_cast<int>(rows.size()), tableWidthCharacters(rows)))
    writer.line(line);
}

void runHoleTable(TableCommand command) {
  std::optional<Selected> selected = selectHoles(command);
  if (!selected)
    return;
  CollectedHoles holes = collectHoles(selected->ids, holeTables());
  prepareGroups(holes, holeTables());
  RunView view;
  saveRunView(view);
  if (holes.labels.empty())
    return;
  const SysVarGuard dimzin("DIMZIN", 0);
  const SysVarGuard cmdecho("CMDECHO", 0);
  drawTable(command, holes, *selected, view);
  restoreRunView(view);
}

}  // namespace

void tableOfIsland() { runHoleTable(TableCommand::IslandTable); }
void tableOfSelection() { runHoleTable(TableCommand::SelectionTable); }
void shortTableOfSelection() { runHoleTable(TableCommand::ShortTable); }
void notesOfIsland() { runHoleTable(TableCommand::IslandNotes); }
void editTablePlacement() { (void)showTablePlacementDialog(); }

}  // namespace zek::table
