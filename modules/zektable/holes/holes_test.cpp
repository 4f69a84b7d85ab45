// The hole model of a table run: which arcs are holes, overlapping holes,
// label heights and order, concentric chains and pairs, the holes that take
// no label, and matching labels to holes.
#include <gtest/gtest.h>

#include <numbers>
#include <string>

#include "editor/testing/editor_test_support.h"
#include "holes/hole_collection.h"
#include "holes/label_matching.h"
#include "holes/prepare_groups.h"

namespace zek::table {
namespace {

constexpr double kDegree = std::numbers::pi / 180;
constexpr int kFront = 1300;     // HOLE-DRILL, continuous
constexpr int kBack = 1310;      // HOLE-DRILL-BACK
constexpr int kTapped = 1400;

HoleLabel label(const std::string& text, double x, double y, double height = 2.5) {
  HoleLabel l;
  l.text = text;
  l.position.set(x, y, 0);
  l.height1000 = static_cast<int>(height * 1000);
  parseLabel(l);
  return l;
}

void addHole(HoleCollector& collector, double radius, double x, double y, int layerKey = kFront,
             int shape = kCircleHole, int colour = 256) {
  (void)collector.addHole({radius, shape, layerKey, colour}, "HOLE-DRILL", AcDbObjectId(),
                          AcGePoint3d(x, y, 0));
}

HoleGroup& groupOf(HoleGroups& groups, double radius, int layerKey = kFront,
                   int shape = kCircleHole) {
  return groups.at({radius, shape, layerKey, 256});
}

TEST(HoleArcs, IncludedAngleDecides) {
  struct Case {
    double start, end;  // degrees
    bool hole;
  };
  const Case cases[] = {
      {0, 300, true},    // 5.24 rad
      {0, 200, false},   // 3.49 rad: ignored at collection
      {0, 267, true},    // 4.66 rad, just above 4.65
      {0, 266, false},   // 4.64 rad
      {315, 230, true},  // wraps past 0: -1.48 rad, spans 4.80
      {60, 30, true},    // wraps: -0.52 rad, spans 5.76
      {200, 100, false}, // wraps: -1.75 rad, spans 4.54
  };
  for (const Case& c : cases)
    EXPECT_EQ(isHoleArc(c.start * kDegree, c.end * kDegree), c.hole) << c.start << " " << c.end;
}

TEST(HoleCollection, OverlappingHolesOfOneGroupAreDroppedOnly) {
  test::EditorSession session;
  HoleCollector collector;
  addHole(collector, 3, 10, 10);
  addHole(collector, 3, 10.006, 10.006);  // 0.0085 away: the same hole drawn twice
  addHole(collector, 3, 10.02, 10);       // 0.02 away: another hole
  addHole(collector, 3, 10, 10, kBack);   // the same centre on another layer: another group
  addHole(collector, 3.005, 10, 10);      // radius within 0.01: the first group again
  const CollectedHoles& c = collector.collected();
  EXPECT_EQ(c.groups.size(), 2u);
  EXPECT_EQ(c.groups.begin()->second.holes.size(), 2u);
  EXPECT_EQ(session.take(), "_OVERLAPED__OVERLAPED_");
}

TEST(HoleCollection, GroupsAreOrderedByRadiusThenShapeLayerAndColour) {
  HoleCollector collector;
  addHole(collector, 5, 0, 0);
  addHole(collector, 2, 20, 0, kFront, kArcHole);
  addHole(collector, 2, 40, 0, kBack);
  addHole(collector, 2, 60, 0, kFront, kCircleHole, 1);
  addHole(collector, 2, 100, 0);
  addHole(collector, 2.004, 80, 0);
  const CollectedHoles& c = collector.collected();
  std::vector<std::pair<int, int>> order;
  for (const auto& [key, group] : c.groups)
    order.emplace_back(key.shape * 10000 + key.layerKey, key.colour);
  const std::vector<std::pair<int, int>> expected = {
      {10000 + kFront, 1}, {10000 + kFront, 256}, {10000 + kBack, 256}, {20000 + kFront, 256},
      {10000 + kFront, 256}};
  EXPECT_EQ(order, expected);
  // The 2.004 circle joined the radius-2 continuous group of colour BYLAYER.
  EXPECT_EQ(c.groups.find({2, kCircleHole, kFront, 256})->second.holes.size(), 2u);
}

TEST(Labels, HeightOfMostLabelsAmongTheFirstThreeWins) {
  struct Case {
    std::vector<double> heights;
    int kept;  // × 1000
    std::size_t count;
  };
  const Case cases[] = {
      {{2.5, 3.5, 2.5, 3.5, 2.5, 3.5}, 2500, 3},   // a tie goes to the height met first
      {{3.5, 2.5, 2.5, 2.5, 3.5}, 2500, 3},
      {{1, 2, 3, 4, 4, 4, 4, 2}, 2000, 2},         // the fourth height is never counted
      {{5, 5, 5}, 5000, 3},
  };
  for (const Case& c : cases) {
    HoleLabels labels;
    for (double h : c.heights)
      labels.push_back(label("A", 0, 0, h));
    labelHeightFilter(labels);
    EXPECT_EQ(labels.size(), c.count);
    for (const HoleLabel& l : labels)
      EXPECT_EQ(l.height1000, c.kept);
  }
  HoleLabels none;
  labelHeightFilter(none);
  EXPECT_TRUE(none.empty());
}

TEST(Labels, ParsedSortedAndRunByText) {
  struct Parse {
    const char* text;
    const char* prefix;
    int number;
  };
  const Parse parses[] = {{"A", "A", -1}, {"A1", "A", 1}, {"B12", "B", 12}, {"KK3X", "KK", 3},
                          {"7", "", 7},   {"导1", "导", 1}, {"AB", "AB", -1}};
  for (const Parse& p : parses) {
    const HoleLabel l = label(p.text, 0, 0);
    EXPECT_EQ(l.prefix, p.prefix) << p.text;
    EXPECT_EQ(l.number, p.number) << p.text;
  }
  HoleLabels labels = {label("A", 1, 0), label("A", 2, 0), label("B1", 3, 0), label("A1", 4, 0),
                       label("A10", 5, 0), label("A2", 6, 0)};
  sortLabels(labels);
  std::vector<std::string> texts;
  for (const HoleLabel& l : labels)
    texts.push_back(l.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"A", "A", "A1", "A2", "A10", "B1"}));
  EXPECT_EQ(labels[0].position.x, 1);  // stable
  const auto runs = labelRuns(labels);
  ASSERT_EQ(runs.size(), 5u);
  EXPECT_EQ(runs[0].size(), 2u);
}

TEST(Preparing, ConcentricChainsRunOutwardWithTheirCount) {
  HoleCollector collector;
  addHole(collector, 4, 0, 0);
  addHole(collector, 2, 0, 0);
  addHole(collector, 6, 0.005, 0);  // within 0.01 of the centre
  addHole(collector, 2, 30, 0);
  CollectedHoles c = collector.take();
  buildConcentricChains(c.groups);
  HoleRecord& inner = groupOf(c.groups, 2).holes[0];
  HoleRecord& lone = groupOf(c.groups, 2).holes[1];
  HoleRecord& middle = groupOf(c.groups, 4).holes[0];
  HoleRecord& outer = groupOf(c.groups, 6).holes[0];
  EXPECT_EQ(inner.role, kRoleChainHead);
  EXPECT_EQ(middle.role, kRoleChainMember);
  EXPECT_EQ(outer.role, kRoleChainMember);
  EXPECT_EQ(lone.role, kRoleSingle);
  EXPECT_EQ(inner.next, &middle);
  EXPECT_EQ(middle.next, &outer);
  EXPECT_EQ(outer.previous, &middle);
  EXPECT_EQ(middle.previous, &inner);
  for (const HoleRecord* h : {&inner, &middle, &outer})
    EXPECT_EQ(h->concentricCount, 3);
  EXPECT_EQ(lone.concentricCount, 1);
}

TEST(Preparing, PairRulesExcludeTheInnerHoleAndLoneArcs) {
  HoleTables tables;
  tables.pairs.insert({4.5, 7, 1, 1, 1600, 1600}, {0, 83});  // counterbore: the bore carries it
  tables.pairs.insert({2.5, 3, 1, 2, 0, 0}, {1, 83});        // tapped: any layers
  HoleCollector collector;
  addHole(collector, 4.5, 0, 0, 1600);
  addHole(collector, 7.0005, 0, 0, 1600);  // radius within 0.001
  addHole(collector, 2.5, 50, 0, kTapped);
  addHole(collector, 3, 50, 0, kTapped, kArcHole);
  addHole(collector, 3, 80, 0, kTapped, kArcHole);  // a lone thread arc
  addHole(collector, 4.5, 100, 0, 1600);            // a through hole without its counterbore
  CollectedHoles c = collector.take();
  prepareGroups(c, tables);
  HoleGroup& bores = groupOf(c.groups, 4.5, 1600);
  EXPECT_EQ(bores.holes[0].role, kRoleExcluded);
  EXPECT_EQ(bores.holes[1].role, kRoleSingle);
  EXPECT_FALSE(bores.hidden);
  EXPECT_EQ(groupOf(c.groups, 7, 1600).holes[0].role, kRolePairOuter);
  EXPECT_EQ(groupOf(c.groups, 7, 1600).holes[0].pairingValue, 83);
  HoleGroup& drills = groupOf(c.groups, 2.5, kTapped);
  EXPECT_EQ(drills.holes[0].role, kRoleChainHead);
  EXPECT_EQ(drills.holes[0].pairingValue, 1);
  HoleGroup& threads = groupOf(c.groups, 3, kTapped, kArcHole);
  EXPECT_EQ(threads.holes[0].role, kRoleChainMember);
  EXPECT_EQ(threads.holes[1].role, kRoleExcluded);
  EXPECT_FALSE(threads.hidden);
  // A group of lone arcs only is hidden.
  HoleCollector arcs;
  addHole(arcs, 3, 0, 0, kTapped, kArcHole);
  CollectedHoles a = arcs.take();
  prepareGroups(a, tables);
  EXPECT_TRUE(a.groups.begin()->second.hidden);
}

TEST(Preparing, SmallFrontMarksInsideBackCirclesTakeNoLabel) {
  HoleCollector collector;
  addHole(collector, 1.5, 0, 0);          // inside the back circle
  addHole(collector, 1.5, 20, 0);         // 9 from the nearest back centre: outside r 6
  addHole(collector, 1.5, 100, 0);        // inside a back circle of r 4 only
  addHole(collector, 6, 2, 0, kBack);     // back circle r 6 at (2, 0)
  addHole(collector, 6, 11, 0, kBack);
  addHole(collector, 4, 100, 0, kBack);   // back but not larger than 5
  CollectedHoles c = collector.take();
  prepareGroups(c, HoleTables{});
  HoleGroup& marks = groupOf(c.groups, 1.5);
  EXPECT_EQ(marks.holes[0].role, kRoleExcluded);
  EXPECT_NE(marks.holes[1].role, kRoleExcluded);
  EXPECT_NE(marks.holes[2].role, kRoleExcluded);
  // Without a back circle larger than 5, nothing is excluded.
  HoleCollector small;
  addHole(small, 1.5, 0, 0);
  addHole(small, 4, 0, 0, kBack);
  CollectedHoles s = small.take();
  prepareGroups(s, HoleTables{});
  EXPECT_NE(groupOf(s.groups, 1.5).holes[0].role, kRoleExcluded);
}

// Labels of height 2.5 on holes of radius 3 at x = 0, 20, 40 (y 0).
struct MatchCase {
  const char* name;
  std::vector<std::pair<double, double>> labelPoints;
  int found;
};

TEST(Matching, LabelsNearTheirHoles) {
  const MatchCase cases[] = {
      {"on the holes", {{1, 0.5}, {21, 0.5}, {41, 0.5}}, 3},
      {"just below: the point a height above is inside", {{1, -4.5}, {21, -4.5}, {41, -4.5}}, 3},
      {"1.3 r to 2 r right, neither point close", {{4.2, 0}, {24.2, 0}, {44.2, 0}}, 0},
      {"beyond 2 r", {{0, -6.1}, {20, -6.1}, {40, -6.1}}, 0},
      {"one far off", {{1, 0.5}, {21, 0.5}, {60, 0}}, 2},
  };
  for (const MatchCase& c : cases) {
    HoleCollector collector;
    for (double x : {0.0, 20.0, 40.0})
      addHole(collector, 3, x, 0);
    for (const auto& [x, y] : c.labelPoints)
      collector.addLabel(label("E", x, y));
    CollectedHoles holes = collector.take();
    prepareGroups(holes, HoleTables{});
    LabelMatcher matcher(holes.groups);
    const RunMatch m = matcher.matchLabels(labelRuns(holes.labels).front(), 2.5);
    EXPECT_EQ(m.total, 3) << c.name;
    EXPECT_EQ(m.found, c.found) << c.name;
    EXPECT_EQ(m.first != nullptr, c.found > 0) << c.name;
  }
}

TEST(Matching, HolesTakeAsManyLabelsAsTheirChainIsLong) {
  HoleCollector collector;
  addHole(collector, 3, 0, 0);
  addHole(collector, 5, 0, 0);  // concentric: the inner hole takes two labels
  addHole(collector, 3, 100, 0);
  addHole(collector, 3, 200, 0);
  for (int i = 0; i < 3; ++i)
    collector.addLabel(label("F", 0.5, 0.5));
  CollectedHoles holes = collector.take();
  prepareGroups(holes, HoleTables{});
  LabelMatcher matcher(holes.groups);
  const RunMatch m = matcher.matchLabels(labelRuns(holes.labels).front(), 2.5);
  // Two labels on the inner circle; the third finds no hole: the radius-5
  // group has fewer holes than the run's three labels, so it is never tried.
  EXPECT_EQ(m.found, 2);
  const HoleRecord& inner = groupOf(holes.groups, 3).holes[0];
  EXPECT_EQ(inner.matchCounter, 10);
  EXPECT_EQ(m.first, &inner);
}

TEST(Matching, ExcludedHolesAndHiddenGroupsTakeNoLabel) {
  HoleTables tables;
  tables.pairs.insert({3, 5, 1, 1, 0, 0}, {0, 83});
  HoleCollector collector;
  for (double x : {0.0, 30.0}) {
    addHole(collector, 3, x, 0);
    addHole(collector, 5, x, 0);
  }
  collector.addLabel(label("B1", 1, 1));
  collector.addLabel(label("B1", 31, 1));
  CollectedHoles holes = collector.take();
  prepareGroups(holes, tables);
  EXPECT_TRUE(groupOf(holes.groups, 3).hidden);
  LabelMatcher matcher(holes.groups);
  const RunMatch m = matcher.matchLabels(labelRuns(holes.labels).front(), 2.5);
  EXPECT_EQ(m.found, 2);
  ASSERT_NE(m.first, nullptr);
  EXPECT_DOUBLE_EQ(m.first->radius, 5);  // the counterbore carries the label
  EXPECT_EQ(m.first->role, kRolePairOuter);
}

TEST(Matching, TheFirstQualifyingHoleOfTheGroupListWins) {
  HoleCollector collector;
  addHole(collector, 3, 2, 0);   // the first in the list, 1.9 from the label
  addHole(collector, 3, -1, 0);  // closer, but later in the list
  collector.addLabel(label("E", 0.1, 0));
  collector.addLabel(label("E", 0.1, 0));
  CollectedHoles holes = collector.take();
  prepareGroups(holes, HoleTables{});
  LabelMatcher matcher(holes.groups);
  const RunMatch m = matcher.matchLabels(labelRuns(holes.labels).front(), 2.5);
  EXPECT_EQ(m.found, 2);
  EXPECT_EQ(m.first, &groupOf(holes.groups, 3).holes[0]);
  EXPECT_EQ(groupOf(holes.groups, 3).holes[1].matchCounter, 10);  // the second label's
}

}  // namespace
}  // namespace zek::table
