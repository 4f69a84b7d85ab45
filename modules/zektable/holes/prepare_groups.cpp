// The preparing passes over a run's labels and holes.
#include "holes/prepare_groups.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <unordered_map>

#include "holes/point_grid.h"

namespace zek::table {

namespace {

constexpr int kCountedHeights = 3;
constexpr std::size_t kLongestPrefix = 5;
constexpr double kSameCentre = 0.01;

// Mark circles: radius 1.5 within 0.1; back circles around them: larger than 5.
constexpr double kMarkRadius = 1.5;
constexpr double kMarkTolerance = 0.1;
constexpr double kMarkSearchLimit = 2.1;
constexpr double kBackCircleRadius = 5.0;

}  // namespace

void labelHeightFilter(HoleLabels& labels) {
  std::array<int, kCountedHeights> heights{};
  std::array<int, kCountedHeights> counts{};
  int distinct = 0;
  for (const HoleLabel& label : labels) {
    int i = 0;
    while (i < distinct && heights[i] != label.height1000)
      ++i;
    if (i == distinct) {
      if (distinct == kCountedHeights)
        continue;
      heights[distinct++] = label.height1000;
    }
    ++counts[i];
  }
  if (distinct == 0)
    return;
  int winner = 0;
  for (int i = 1; i < distinct; ++i)
    if (counts[i] > counts[winner])
      winner = i;
  const int kept = heights[winner];
  std::erase_if(labels, [kept](const HoleLabel& label) { return label.height1000 != kept; });
}

void parseLabel(HoleLabel& label) {
  std::size_t digit = 0;
  while (digit < label.text.size() && !std::isdigit(static_cast<unsigned char>(label.text[digit])))
    ++digit;
  label.prefix = label.text.substr(0, std::min(digit, kLongestPrefix));
  const std::string rest = label.text.substr(digit);
  label.number = rest.empty() ? -1 : std::atoi(rest.c_str());
}

void sortLabels(HoleLabels& labels) {
  std::stable_sort(labels.begin(), labels.end(), [](const HoleLabel& a, const HoleLabel& b) {
    if (a.prefix != b.prefix)
      return a.prefix < b.prefix;
    return a.number < b.number;
  });
}

void buildConcentricChains(HoleGroups& groups) {
  struct Chain {
    HoleRecord* first;
    HoleRecord* last;
  };
  std::vector<Chain> chains;
  PointGrid<std::uint32_t> centres(kSameCentre);
  for (auto& [key, group] : groups) {
    for (HoleRecord& hole : group.holes) {
      hole.groupKey = &key;
      hole.group = &group;
      hole.next = hole.previous = nullptr;
      const std::uint32_t* found = centres.findWithin(hole.centre.x, hole.centre.y, kSameCentre,
                                                      [&](std::uint32_t chain) {
                                                        return chains[chain].first->centre
                                                            .distanceTo(hole.centre);
                                                      });
      if (found == nullptr) {
        hole.role = kRoleSingle;
        centres.insert(hole.centre.x, hole.centre.y, static_cast<std::uint32_t>(chains.size()));
        chains.push_back({&hole, &hole});
        continue;
      }
      Chain& chain = chains[*found];
      chain.last->next = &hole;
      hole.previous = chain.last;
      chain.last = &hole;
      hole.role = kRoleChainMember;
      if (chain.first->role == kRoleSingle)
        chain.first->role = kRoleChainHead;
    }
  }
  for (const Chain& chain : chains) {
    int length = 0;
    for (const HoleRecord* h = chain.first; h != nullptr; h = h->next)
      ++length;
    for (HoleRecord* h = chain.first; h != nullptr; h = h->next)
      h->concentricCount = length;
  }
}

void pairConcentricHoles(HoleGroups& groups, const PairRuleTable& rules) {
  for (auto& [key, group] : groups)
    for (HoleRecord& inner : group.holes) {
      if (inner.role != kRoleChainHead || inner.concentricCount != 2 || inner.next == nullptr)
        continue;
      HoleRecord& outer = *inner.next;
      const std::optional<PairValues> values =
          rules.find({inner.radius, outer.radius, inner.groupKey->shape, outer.groupKey->shape,
                      inner.groupKey->layerKey, outer.groupKey->layerKey});
      if (!values)
        continue;
      inner.pairingValue = values->inner;
      outer.pairingValue = values->outer;
      if (values->inner == 0) {
        inner.role = kRoleExcluded;
        outer.role = kRolePairOuter;
      }
    }
}

void excludeLoneArcs(HoleGroups& groups) {
  for (auto& [key, group] : groups)
    if (key.shape == kArcHole)
      for (HoleRecord& hole : group.holes)
        if (hole.role == kRoleSingle)
          hole.role = kRoleExcluded;
}

void flagHiddenGroups(HoleGroups& groups) {
  for (auto& [key, group] : groups)
    group.hidden = std::all_of(group.holes.begin(), group.holes.end(),
                               [](const HoleRecord& hole) { return hole.isExcluded(); });
}

void excludeMarksInBackCircles(HoleGroups& groups) {
  auto mark = groups.end();
  for (auto it = groups.begin(); it != groups.end() && it->first.radius < kMarkSearchLimit; ++it)
    if (std::fabs(it->first.radius - kMarkRadius) <= kMarkTolerance &&
        isFrontKey(it->first.layerKey)) {
      mark = it;
      break;
    }
  if (mark == groups.end())
    return;
  auto firstBack = std::next(mark);
  while (firstBack != groups.end() &&
         !(isBackKey(firstBack->first.layerKey) && firstBack->first.radius > kBackCircleRadius))
    ++firstBack;
  if (firstBack == groups.end())
    return;
  // The back circles from that group on, in a grid of cells as large as the
  // largest of them, so each mark looks only at the circles around it.
  double largest = 0;
  for (auto it = firstBack; it != groups.end(); ++it)
    if (isBackKey(it->first.layerKey))
      largest = std::max(largest, it->first.radius);
  PointGrid<const HoleRecord*> backCircles(largest);
  for (auto it = firstBack; it != groups.end(); ++it)
    if (isBackKey(it->first.layerKey))
      for (const HoleRecord& hole : it->second.holes)
        backCircles.insert(hole.centre.x, hole.centre.y, &hole);
  for (HoleRecord& hole : mark->second.holes) {
    const bool inside = backCircles.anyWithin(
        hole.centre.x, hole.centre.y, largest, [&](const HoleRecord* back) {
          return hole.centre.distanceTo(back->centre) < back->radius;
        });
    if (inside)
      hole.role = kRoleExcluded;
  }
}

void prepareGroups(CollectedHoles& collected, const HoleTables& tables) {
  labelHeightFilter(collected.labels);
  for (HoleLabel& label : collected.labels)
    parseLabel(label);
  sortLabels(collected.labels);
  buildConcentricChains(collected.groups);
  pairConcentricHoles(collected.groups, tables.pairs);
  excludeLoneArcs(collected.groups);
  flagHiddenGroups(collected.groups);
  excludeMarksInBackCircles(collected.groups);
}

}  // namespace zek::table
