// Spreading crowded ordinate texts along their row.
#include "editing/crowd_spreading.h"

#include <algorithm>
#include <cmath>

namespace zek::adxy1 {
namespace {

double leaderLength(const CrowdText& text) {
  return std::fabs(text.textPerp - text.featurePerp);
}

}  // namespace

std::vector<CrowdText> inGroupOrder(std::vector<CrowdText> texts) {
  std::stable_sort(texts.begin(), texts.end(), [](const CrowdText& a, const CrowdText& b) {
    return a.featureValue < b.featureValue;
  });
  // Each text gets the value of its group's first text as its group key, so
  // that the order within a group follows the perps, not the last digits.
  std::vector<double> groupKey(texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const bool startsGroup = i == 0 || texts[i].featureValue - groupKey[i - 1] > kSameFeatureValue;
    groupKey[i] = startsGroup ? texts[i].featureValue : groupKey[i - 1];
  }
  std::vector<std::size_t> order(texts.size());
  for (std::size_t i = 0; i < order.size(); ++i)
    order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (groupKey[a] != groupKey[b])
      return groupKey[a] < groupKey[b];
    return texts[a].featurePerp < texts[b].featurePerp;
  });
  std::vector<CrowdText> ordered;
  ordered.reserve(texts.size());
  for (std::size_t i : order)
    ordered.push_back(texts[i]);
  return ordered;
}

int sideOfFeature(const CrowdText& text) {
  return text.textPerp >= text.featurePerp ? 1 : -1;
}

std::vector<std::vector<std::size_t>> chainTexts(const std::vector<CrowdText>& ordered, double step) {
  const double reach = kChainReach * step;
  std::vector<bool> chained(ordered.size(), false);
  std::vector<std::vector<std::size_t>> chains;
  for (std::size_t first = 0; first < ordered.size(); ++first) {
    if (chained[first])
      continue;
    chained[first] = true;
    std::vector<std::size_t> chain{first};
    const int side = sideOfFeature(ordered[first]);
    for (std::size_t later = first + 1; later < ordered.size(); ++later) {
      if (chained[later] || sideOfFeature(ordered[later]) != side)
        continue;
      if (std::fabs(ordered[later].textValue - ordered[chain.back()].textValue) > reach)
        continue;
      chained[later] = true;
      chain.push_back(later);
    }
    chains.push_back(std::move(chain));
  }
  return chains;
}

void walkChain(std::vector<CrowdText>& texts, const std::vector<std::size_t>& chain, double step) {
  const double pitch = kPitchFactor * step;
  for (std::size_t k = 1; k < chain.size(); ++k) {
    CrowdText& earlier = texts[chain[k - 1]];
    CrowdText& later = texts[chain[k]];
    if (later.textValue - earlier.textValue >= pitch)
      continue;
    const bool nextFar = k + 1 >= chain.size() ||
                         texts[chain[k + 1]].textValue - later.textValue > 2.0 * pitch;
    // Going back must not crowd the earlier text against the one before it,
    // or the walk would leave behind the very overlap it is there to remove.
    const bool roomBehind = k < 2 || (later.textValue - pitch) - texts[chain[k - 2]].textValue >= pitch;
    if (nextFar && roomBehind && leaderLength(earlier) <= leaderLength(later))
      earlier.textValue = later.textValue - pitch;
    else
      later.textValue = earlier.textValue + pitch;
  }
}

std::vector<CrowdText> spreadAxisTexts(std::vector<CrowdText> texts, double step) {
  std::vector<CrowdText> ordered = inGroupOrder(std::move(texts));
  for (const std::vector<std::size_t>& chain : chainTexts(ordered, step))
    walkChain(ordered, chain, step);
  return ordered;
}

}  // namespace zek::adxy1
