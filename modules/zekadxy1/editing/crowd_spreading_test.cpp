// ZEKDA3's spreading: group order, chains along a row and the 1.35-step walk.
// Step 1 throughout unless a row says otherwise (pitch 1.35).
#include "editing/crowd_spreading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zek::adxy1 {
namespace {

// A text above its feature (perp 0) at height `textPerp`, row position
// `value`; its feature at the same value.
CrowdText above(std::size_t source, double value, double textPerp = 10.0) {
  return CrowdText{source, value, 0.0, value, textPerp};
}

std::vector<std::size_t> sourcesOf(const std::vector<CrowdText>& texts) {
  std::vector<std::size_t> sources;
  for (const CrowdText& text : texts)
    sources.push_back(text.source);
  return sources;
}

TEST(CrowdGroupOrder, AscendingValuesThenPerpsWithinAGroup) {
  std::vector<CrowdText> texts = {
      {0, 20.0, 0.0, 20.0, 9.0},
      {1, 10.00005, 5.0, 10.0, 9.0},  // one group with the next: ordered by perp
      {2, 10.0, 8.0, 10.0, 9.0},
      {3, 15.0, 0.0, 15.0, 9.0},
      {4, 10.0002, 1.0, 10.0, 9.0},   // 0.0002 away: a group of its own, after
  };
  EXPECT_EQ(sourcesOf(inGroupOrder(texts)), (std::vector<std::size_t>{1, 2, 4, 3, 0}));
}

TEST(CrowdGroupOrder, AGroupIsMeasuredFromItsFirstValue) {
  // 10.00008 joins 10; 10.00016 is within 0.0001 of 10.00008 but not of 10,
  // so it starts the next group even with the lowest perp.
  std::vector<CrowdText> texts = {
      {0, 10.00016, 0.0, 0.0, 5.0},
      {1, 10.00008, 3.0, 0.0, 5.0},
      {2, 10.0, 7.0, 0.0, 5.0},
  };
  EXPECT_EQ(sourcesOf(inGroupOrder(texts)), (std::vector<std::size_t>{1, 2, 0}));
}

TEST(CrowdGroupOrder, EqualFeaturesKeepTheSelectionOrder) {
  std::vector<CrowdText> texts = {{0, 5.0, 2.0, 5.0, 9.0}, {1, 5.0, 2.0, 6.0, 9.0}};
  EXPECT_EQ(sourcesOf(inGroupOrder(texts)), (std::vector<std::size_t>{0, 1}));
}

struct ChainCase {
  const char* name;
  std::vector<CrowdText> ordered;
  double step;
  std::vector<std::vector<std::size_t>> chains;
};

TEST(CrowdChains, GatherNeighboursOfOneRow) {
  const std::vector<ChainCase> cases = {
      {"each within 5 steps of the last taken in: one chain, 12 beyond the first's reach",
       {above(0, 0), above(1, 4), above(2, 8), above(3, 12)}, 1.0, {{0, 1, 2, 3}}},
      {"a gap wider than 5 steps starts a new chain",
       {above(0, 0), above(1, 4), above(2, 10)}, 1.0, {{0, 1}, {2}}},
      {"the reach scales with the step", {above(0, 0), above(1, 4), above(2, 10)}, 2.0,
       {{0, 1, 2}}},
      {"a text below its feature is another row: its own chain, skipped over",
       {above(0, 0), CrowdText{1, 1, 0, 1, -10}, above(2, 2), CrowdText{3, 3, 0, 3, -10}}, 1.0,
       {{0, 2}, {1, 3}}},
      {"a text exactly at its feature's perp counts as above",
       {above(0, 0), CrowdText{1, 1, 4, 1, 4}}, 1.0, {{0, 1}}},
      {"a text out of reach is left for a later chain, later ones still join",
       {above(0, 0), above(1, 20), above(2, 3)}, 1.0, {{0, 2}, {1}}},
      {"nothing selected, no chain", {}, 1.0, {}},
  };
  for (const ChainCase& c : cases)
    EXPECT_EQ(chainTexts(c.ordered, c.step), c.chains) << c.name;
}

struct WalkCase {
  const char* name;
  std::vector<double> values;
  std::vector<double> leaders;  // text perps above features at perp 0
  std::vector<double> expected;
};

TEST(CrowdWalk, MovesToExactlyOnePitch) {
  const std::vector<WalkCase> cases = {
      {"two texts, equal leaders, nothing after: the earlier goes back", {0, 1}, {10, 10},
       {-0.35, 1}},
      {"two texts, the earlier leader longer: the later goes forward", {0, 1}, {12, 10},
       {0, 1.35}},
      {"the next text within two pitches: the later goes forward", {0, 1, 3}, {10, 10, 10},
       {0, 1.35, 3}},
      {"the next text more than two pitches away: the earlier goes back", {0, 1, 3.8},
       {10, 10, 10}, {-0.35, 1, 3.8}},
      {"a forward move cascades along the row", {0, 1, 2}, {10, 10, 10}, {0, 1.35, 2.7}},
      {"going back with room behind", {0, 3, 3.5}, {10, 10, 10}, {0, 2.15, 3.5}},
      {"no room behind (1.5 is within two pitches of 0): forward, no new overlap",
       {0, 1.35, 1.5}, {10, 10, 10}, {0, 1.35, 2.7}},
      {"texts out of order are put in order", {0, -1}, {12, 10}, {0, 1.35}},
      {"a pitch apart already: untouched", {0, 1.35, 2.7}, {10, 11, 12}, {0, 1.35, 2.7}},
  };
  for (const WalkCase& c : cases) {
    std::vector<CrowdText> texts;
    std::vector<std::size_t> chain;
    for (std::size_t i = 0; i < c.values.size(); ++i) {
      texts.push_back(above(i, c.values[i], c.leaders[i]));
      chain.push_back(i);
    }
    walkChain(texts, chain, 1.0);
    for (std::size_t i = 0; i < texts.size(); ++i) {
      EXPECT_NEAR(texts[i].textValue, c.expected[i], 1e-12) << c.name << ", text " << i;
      EXPECT_EQ(texts[i].textPerp, c.leaders[i]) << c.name << ": the walk moves along the row only";
    }
  }
}

TEST(CrowdWalk, LeaderLengthsCountOnBothSides) {
  // Below their features the leaders are measured as lengths: 12 below is
  // longer than 10 below, so the later text goes forward.
  std::vector<CrowdText> texts = {{0, 0, 0, 0, -12}, {1, 1, 0, 1, -10}};
  walkChain(texts, {0, 1}, 1.0);
  EXPECT_DOUBLE_EQ(texts[0].textValue, 0.0);
  EXPECT_DOUBLE_EQ(texts[1].textValue, 1.35);
}

TEST(CrowdSpread, EveryChainEndsAtLeastOnePitchApart) {
  // A crowded row of eleven texts of mixed leaders, a second row below the
  // features and two texts far off; step 3.125 (DIMTAD 1, metric).
  const double step = 3.125;
  const double pitch = kPitchFactor * step;
  std::vector<CrowdText> texts;
  const double values[] = {40, 41, 42.5, 43, 47, 48, 48.2, 51, 52, 55, 56};
  const double perps[] = {60, 58, 62, 60, 61, 57, 63, 60, 60, 59, 64};
  for (std::size_t i = 0; i < std::size(values); ++i)
    texts.push_back(CrowdText{i, values[i], 20.0, values[i] - 1.875, perps[i]});
  texts.push_back(CrowdText{11, 44, 20.0, 44 - 1.875, -5});
  texts.push_back(CrowdText{12, 45, 20.0, 45 - 1.875, -5});
  texts.push_back(CrowdText{13, 200, 20.0, 200, 60});
  texts.push_back(CrowdText{14, 230, 20.0, 230, 60});

  const std::vector<CrowdText> spread = spreadAxisTexts(texts, step);
  ASSERT_EQ(spread.size(), texts.size());
  const auto chains = chainTexts(spread, step);
  ASSERT_EQ(chains.size(), 4u) << "the crowded row, the row below and the two far texts";
  for (const auto& chain : chains) {
    for (std::size_t k = 1; k < chain.size(); ++k)
      EXPECT_GE(spread[chain[k]].textValue - spread[chain[k - 1]].textValue, pitch - 1e-9)
          << "texts " << spread[chain[k - 1]].source << " and " << spread[chain[k]].source;
  }
  EXPECT_DOUBLE_EQ(spread.back().textValue, 230.0) << "a text with room is never moved";
}

}  // namespace
}  // namespace zek::adxy1
