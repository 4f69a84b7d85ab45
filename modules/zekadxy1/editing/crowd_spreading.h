// ZEKDA3's decisions: the ordinate texts of one axis grouped by feature,
// gathered into chains of neighbours in one row, and walked apart to the
// minimum pitch. Plain functions, no host calls.
#pragma once

#include <cstddef>
#include <vector>

namespace zek::adxy1 {

// One selected ordinate dimension of the axis being spread. Values run along
// the measured axis (the row of texts), perps along the leaders.
struct CrowdText {
  std::size_t source = 0;     // the caller's index (its dimension)
  double featureValue = 0.0;  // the feature along the measured axis
  double featurePerp = 0.0;   // the feature along the leader
  double textValue = 0.0;     // the text's middle along the row; the walk moves it
  double textPerp = 0.0;      // the text's middle along the leader; never moved
};

// Features whose values lie within this of a group's first one are one group.
inline constexpr double kSameFeatureValue = 0.0001;
// A chain takes in texts within this many steps of its last text.
inline constexpr double kChainReach = 5.0;
// The pitch the walk leaves between neighbours, in steps.
inline constexpr double kPitchFactor = 1.35;

// The texts in group order: groups by ascending feature value (values within
// kSameFeatureValue of a group's first are one group), within a group by
// ascending feature perp, equal ones in the order given.
std::vector<CrowdText> inGroupOrder(std::vector<CrowdText> texts);

// Which side of its feature a text lies on along its leader: +1 at or beyond
// the feature's perp, −1 before it.
int sideOfFeature(const CrowdText& text);

// The chains of texts in group order (indexes into `ordered`). Each text not
// yet chained starts a chain and takes in every later unchained text on the
// same side of its feature whose row position lies within kChainReach × step
// of the last text taken in. Texts on the other side lie in another row and
// form chains of their own.
std::vector<std::vector<std::size_t>> chainTexts(const std::vector<CrowdText>& ordered, double step);

// Walks one chain (indexes into texts, in chain order) and moves texts along
// the row so that consecutive texts end at least kPitchFactor × step apart.
// Of a crowded pair the later text goes to exactly one pitch beyond the
// earlier one, except that the earlier text goes back to one pitch before
// the later one when the text after the pair is more than two pitches away
// (or there is none), the earlier leader is not longer than the later one,
// and going back keeps the earlier text a full pitch clear of the text before
// it.
void walkChain(std::vector<CrowdText>& texts, const std::vector<std::size_t>& chain, double step);

// The whole spreading of one axis: group order, chains, walks. Answers the
// texts in group order with their new row positions.
std::vector<CrowdText> spreadAxisTexts(std::vector<CrowdText> texts, double step);

}  // namespace zek::adxy1
