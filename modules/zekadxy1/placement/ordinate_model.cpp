// Merging targets into their groups, and the layout sizes.
#include "placement/ordinate_model.h"

#include <algorithm>
#include <cmath>

namespace zek::adxy1 {

LayoutSizes LayoutSizes::of(double dimtxt, double dimscale, int dimtad, double dimgap,
                            double dimasz) {
  const double scale = dimscale > 0.0 && std::isfinite(dimscale) ? dimscale : 1.0;
  LayoutSizes sizes;
  // A text height that is no size (0, negative, not a number) lays the
  // texts out as 2.5 high, the host's own default.
  sizes.textHeight = dimtxt * scale > 0.0 && std::isfinite(dimtxt * scale) ? dimtxt * scale : 2.5;
  sizes.textAbove = dimtad != 0;
  const double gap = std::isfinite(dimgap) ? dimgap * scale : 0.0;
  sizes.textGap = sizes.textAbove ? 1.05 * (gap + sizes.textHeight) : sizes.textHeight;
  sizes.arrowSize = std::isfinite(dimasz) ? dimasz * scale : 0.0;
  sizes.dimGap = std::isfinite(dimgap) ? std::fabs(dimgap) * scale : 0.0;
  return sizes;
}

void OrdinateCollection::add(double value, double perp, double radius, int decimals) {
  // The first group not below value − tolerance is the one, else a new one.
  auto found = adding_.lower_bound(value - kSameOrdinate);
  if (found == adding_.end() || found->first > value + kSameOrdinate) {
    OrdinateGroup made;
    made.value = value;
    found = adding_.emplace_hint(found, value, std::move(made));
  }
  // Targets are gathered as they come and merged once, in finish: sorting
  // a long row once is cheaper than keeping it sorted at every add.
  OrdinateTarget target;
  target.perp = perp;
  target.value = found->second.value;
  target.leaderEnd = perp;
  target.radius = radius;
  target.decimals = decimals;
  found->second.targets.push_back(target);
}

void OrdinateCollection::finish() {
  groups.reserve(groups.size() + adding_.size());
  for (auto& [value, group] : adding_) {
    // In ascending perp; a target within kSameOrdinate of the one kept
    // before it is that one, which keeps the larger radius and decimals.
    std::vector<OrdinateTarget>& added = group.targets;
    std::stable_sort(added.begin(), added.end(),
                     [](const OrdinateTarget& a, const OrdinateTarget& b) { return a.perp < b.perp; });
    std::vector<OrdinateTarget> kept;
    kept.reserve(added.size());
    for (const OrdinateTarget& t : added) {
      if (!kept.empty() && t.perp <= kept.back().perp + kSameOrdinate) {
        kept.back().radius = std::max(kept.back().radius, t.radius);
        kept.back().decimals = std::max(kept.back().decimals, t.decimals);
        continue;
      }
      kept.push_back(t);
    }
    added = std::move(kept);
    groups.push_back(std::move(group));
  }
  adding_.clear();
}

std::size_t OrdinateCollection::targetCount() const {
  std::size_t count = 0;
  for (const OrdinateGroup& group : groups)
    count += group.targets.size();
  return count;
}

}  // namespace zek::adxy1
