// Collecting the holes and labels of a selection: circles and arcs of more
// than about 4.65 radians become holes of their group, texts shorter than
// five characters labels.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "holes/hole_model.h"
#include "holes/point_grid.h"
#include "tables/hole_tables.h"

namespace zek::table {

struct CollectedHoles {
  HoleGroups groups;
  HoleLabels labels;
};

// The arc of a hole: its included angle, end minus start as the host stores
// them, greater than 4.65, or negative and greater than -1.63 (an arc that
// wraps past 0 and spans more than about 4.65 radians).
[[nodiscard]] bool isHoleArc(double startAngle, double endAngle);

// Builds the groups one hole at a time; a hole within 0.01 of another of its
// group is dropped. Each group keeps a grid of its centres, so the check does
// not walk the whole group.
class HoleCollector {
public:
  // Adds a hole; false (and "_OVERLAPED_" printed) when it overlaps one of its
  // group.
  bool addHole(const HoleGroupKey& key, std::string_view layerName, AcDbObjectId id,
               const AcGePoint3d& centre);
  void addLabel(HoleLabel label) { collected_.labels.push_back(std::move(label)); }

  CollectedHoles take() { return std::move(collected_); }
  const CollectedHoles& collected() const { return collected_; }

private:
  CollectedHoles collected_;
  std::unordered_map<const HoleGroup*, PointGrid<std::uint32_t>> centres_;
};

// Opens each entity of the selection for read, in selection order, and
// collects it: its layer code (tables' counter for names the file lacks) plus
// its line class is its layer key. An entity that cannot be opened prints
// "_failed_".
[[nodiscard]] CollectedHoles collectHoles(const std::vector<AcDbObjectId>& ids,
                                          HoleTables& tables);

}  // namespace zek::table
