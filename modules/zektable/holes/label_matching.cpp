// Matching label runs to holes and the pick by hand.
#include "holes/label_matching.h"

#include <cmath>

#include "aced_output.h"
#include "aced_select.h"
#include "db_curves.h"
#include "guards/opened_entity.h"
#include "guards/resbuf_list.h"
#include "guards/selection_set.h"
#include "tables/hole_tables.h"

namespace zek::table {

namespace {

constexpr int kMostMatches = 8;
constexpr int kMatchesFull = 10;  // the counter of a hole that takes no more labels
constexpr double kFarthest = 2.0;  // × radius
constexpr double kCloseEnough = 1.3;  // × radius

double planeDistance(const AcGePoint3d& a, double x, double y) {
  return std::hypot(a.x - x, a.y - y);
}

bool qualifies(const HoleRecord& hole, const HoleLabel& label, double labelHeight) {
  if (hole.isExcluded() || hole.matchCounter > kMostMatches)
    return false;
  const double r = hole.radius;
  const double distance = planeDistance(hole.centre, label.position.x, label.position.y);
  if (distance > kFarthest * r)
    return false;
  return distance < kCloseEnough * r ||
         planeDistance(hole.centre, label.position.x, label.position.y + labelHeight) <
             kCloseEnough * r;
}

}  // namespace

std::vector<std::span<const HoleLabel>> labelRuns(const HoleLabels& labels) {
  std::vector<std::span<const HoleLabel>> runs;
  std::size_t begin = 0;
  for (std::size_t i = 1; i <= labels.size(); ++i)
    if (i == labels.size() || labels[i].text != labels[begin].text) {
      if (i > begin)
        runs.emplace_back(labels.data() + begin, i - begin);
      begin = i;
    }
  return runs;
}

bool isContinuousGroup(const HoleGroupKey& key) { return isContinuousKey(key.layerKey); }

const LabelMatcher::GroupGrid& LabelMatcher::gridOf(const HoleGroup& group) {
  auto [entry, created] = grids_.try_emplace(&group);
  if (created) {
    // Cells as large as the reach of the group's holes (radii within 0.01).
    GroupGrid& grid = entry->second;
    for (const HoleRecord& hole : group.holes)
      grid.reach = std::max(grid.reach, kFarthest * hole.radius);
    grid.centres = PointGrid<std::uint32_t>(grid.reach);
    for (std::uint32_t i = 0; i < group.holes.size(); ++i)
      grid.centres.insert(group.holes[i].centre.x, group.holes[i].centre.y, i);
  }
  return entry->second;
}

HoleRecord* LabelMatcher::takeFrom(HoleGroup& group, const HoleLabel& label, double labelHeight) {
  if (group.hidden || group.holes.empty())
    return nullptr;
  const GroupGrid& grid = gridOf(group);
  const std::uint32_t* best = nullptr;
  grid.centres.forEachNear(label.position.x, label.position.y, grid.reach, [&](const std::uint32_t& i) {
    if ((best == nullptr || i < *best) && qualifies(group.holes[i], label, labelHeight))
      best = &i;
  });
  if (best == nullptr)
    return nullptr;
  HoleRecord& hole = group.holes[*best];
  if (++hole.matchCounter >= hole.concentricCount)
    hole.matchCounter = kMatchesFull;
  return &hole;
}

RunMatch LabelMatcher::matchLabels(std::span<const HoleLabel> run, double labelHeight) {
  RunMatch match;
  match.total = static_cast<int>(run.size());
  HoleGroup* previous = nullptr;
  for (const HoleLabel& label : run) {
    HoleRecord* taken = previous != nullptr ? takeFrom(*previous, label, labelHeight) : nullptr;
    for (auto it = groups_.begin(); taken == nullptr && it != groups_.end(); ++it)
      if (static_cast<int>(it->second.holes.size()) >= match.total)
        taken = takeFrom(it->second, label, labelHeight);
    previous = taken != nullptr ? taken->group : nullptr;
    if (taken == nullptr)
      continue;
    ++match.found;
    if (match.first == nullptr)
      match.first = taken;
  }
  return match;
}

std::optional<HandPick> pickHoleByHand(const HoleLabel& lastLabel, RunView& view) {
  zoomToLabel(lastLabel.position, view);
  acutPrintf("\nCODE:%3s,\nSelect circle:", lastLabel.text.c_str());
  ResbufList filter(acutBuildList(-4, "<OR", RTDXF0, "CIRCLE", RTDXF0, "ARC", -4, "OR>", RTNONE));
  SelectionSet picked;
  std::vector<AcDbObjectId> ids;
  if (filter && picked.select(nullptr, filter.get()) == RTNORM)
    ids = picked.objectIds();
  picked.free();
  if (ids.empty()) {
    acutPrintf("\nWARNING: one code is skiped");
    return std::nullopt;
  }
  OpenedEntity entity(ids.front(), AcDb::kForRead);
  std::optional<double> radius;
  if (const auto* circle = entity.as<AcDbCircle>())
    radius = circle->radius();
  else if (const auto* arc = entity.as<AcDbArc>())
    radius = arc->radius();
  if (!radius) {
    acutPrintf("_failed_");
    acutPrintf("\nWARNING: one code is skiped");
    return std::nullopt;
  }
  return HandPick{*radius, entity->layer(), lineClassOf(entity->linetype()) == 0};
}

}  // namespace zek::table
