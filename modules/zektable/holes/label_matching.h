// Matching the runs of labels to holes, and picking the hole of a run by
// hand when too few labels found one.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "holes/hole_model.h"
#include "holes/label_zoom.h"
#include "holes/point_grid.h"

namespace zek::table {

// The sorted labels with one full text form one run.
[[nodiscard]] std::vector<std::span<const HoleLabel>> labelRuns(const HoleLabels& labels);

struct RunMatch {
  int total = 0;
  int found = 0;
  const HoleRecord* first = nullptr;  // the first hole taken for the run
};

// Matches runs against one run's groups. Each group's holes are kept in a
// grid of their centres, so a label looks only at the holes near it.
class LabelMatcher {
public:
  explicit LabelMatcher(HoleGroups& groups) : groups_(groups) {}

  // For each label of the run in order: the holes of the group the label
  // before found its hole in, then every group in key order with at least as
  // many holes as the run has labels. A hole qualifies when it takes labels
  // (not excluded, its group not hidden, its match counter at most 8), the
  // label's insertion point lies within 2 × radius of its centre, and that
  // point or the point one labelHeight above it lies closer than 1.3 ×
  // radius. The first qualifying hole of a group's list is taken; a hole
  // that took as many labels as its concentric count takes no more.
  RunMatch matchLabels(std::span<const HoleLabel> run, double labelHeight);

private:
  // A group's centres and how far from them a label may lie.
  struct GroupGrid {
    PointGrid<std::uint32_t> centres{1.0};
    double reach = 0;
  };

  HoleRecord* takeFrom(HoleGroup& group, const HoleLabel& label, double labelHeight);
  const GroupGrid& gridOf(const HoleGroup& group);

  HoleGroups& groups_;
  std::unordered_map<const HoleGroup*, GroupGrid> grids_;
};

// Whether the continuous flag of a group's layer key is set (its units digit
// is 0: drawn continuous on a layer whose code ends in 0).
[[nodiscard]] bool isContinuousGroup(const HoleGroupKey& key);

// What the drafter's pick gives a run.
struct HandPick {
  double radius = 0;
  std::string layerName;
  bool continuous = false;
};

// Zooms to the run's last label, prints "\nCODE:%3s,\nSelect circle:" and
// lets the drafter select circles or arcs; the first one selected supplies
// the row. Cancelled or empty: "\nWARNING: one code is skiped" and none.
[[nodiscard]] std::optional<HandPick> pickHoleByHand(const HoleLabel& lastLabel, RunView& view);

}  // namespace zek::table
