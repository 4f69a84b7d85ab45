// Merging targets into their groups, and the layout sizes.
#include "placement/ordinate_model.h"

#include <algorithm>
#include <cmath>

namespace zek::adxy1 {

LayoutSizes LayoutSizes::of(double dimtxt, double dimscale, int dimtad, double dimgap,
                            double dimasz) {
  const double scale = dimscale > 0.0 ? dimscale : 1.0;
  LayoutSizes sizes;
  sizes.textHeight = dimtxt * scale;
  sizes.textAbove = dimtad != 0;
  sizes.textGap = sizes.textAbove ? 1.05 * (dimgap * scale + sizes.textHeight) : sizes.textHeight;
  sizes.arrowSize = dimasz * scale;
  sizes.dimGap = std::fabs(dimgap) * scale;
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
  OrdinateGroup* group = &found->second;
  std::vector<OrdinateTarget>& targets = group->targets;
  auto at = std::lower_bound(targets.begin(), targets.end(), perp - kSameOrdinate,
                             [](const OrdinateTarget& t, double p) { return t.perp < p; });
  if (at != targets.end() && at->perp <= perp + kSameOrdinate) {
    at->radius = std::max(at->radius, radius);
    at->decimals = std::max(at->decimals, decimals);
    return;
  }
  OrdinateTarget target;
  target.perp = perp;
  target.value = group->value;
  target.leaderEnd = perp;
  target.radius = radius;
  target.decimals = decimals;
  targets.insert(at, target);
}

void OrdinateCollection::finish() {
  groups.reserve(groups.size() + adding_.size());
  for (auto& [value, group] : adding_)
    groups.push_back(std::move(group));
  adding_.clear();
}

std::size_t OrdinateCollection::targetCount() const {
  std::size_t count = 0;
  for (const OrdinateGroup& group : groups)
    count += group.targets.size();
  return count;
}

}  // namespace zek::adxy1
