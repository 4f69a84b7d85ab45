// The suite report's arithmetic: medians, ratios to the peers and the floor,
// growth per decade and the goals, over hand-made records; and the record
// line read back as written.
#include <gtest/gtest.h>

#include <cmath>

#include "bench_record.h"
#include "suite_summary.h"

namespace zek::bench {
namespace {

BenchRecord record(std::string operation, std::string tool, std::uint64_t size,
                   std::vector<double> seconds, std::uint64_t bytes = 0,
                   std::uint64_t peak = 0) {
  BenchRecord r;
  r.operation = std::move(operation);
  r.tool = std::move(tool);
  r.size = size;
  r.elements = size;
  r.bytes = bytes;
  r.peakBytes = peak;
  r.seconds = std::move(seconds);
  return r;
}

const Figure& find(const std::vector<Figure>& figures, const std::string& operation,
                   const std::string& tool, std::uint64_t size) {
  for (const Figure& f : figures)
    if (f.record.operation == operation && f.record.tool == tool && f.record.size == size)
      return f;
  ADD_FAILURE() << "no figure " << operation << " " << tool << " " << size;
  static const Figure none;
  return none;
}

const Goal& goal(const std::vector<Goal>& goals, const std::string& name) {
  for (const Goal& g : goals)
    if (g.name == name)
      return g;
  ADD_FAILURE() << "no goal " << name;
  static const Goal none;
  return none;
}

TEST(BenchRecord, LinesReadBackAsWrittenAndDamagedOnesAreRefused) {
  BenchRecord r = record("dxf read", "zek", 1000, {0.25, 0.125, 1e-7}, 177000, 4096);
  r.note = "first\tdifference";
  const auto back = parseRecordLine(recordLine(r));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->operation, "dxf read");
  EXPECT_EQ(back->tool, "zek");
  EXPECT_EQ(back->size, 1000u);
  EXPECT_EQ(back->bytes, 177000u);
  EXPECT_EQ(back->peakBytes, 4096u);
  EXPECT_EQ(back->seconds, (std::vector<double>{0.25, 0.125, 1e-7}));
  EXPECT_EQ(back->note, "first difference");  // a tab would split the line

  const BenchRecord check = record("dxf round trip", "zek", 10, {});
  ASSERT_TRUE(parseRecordLine(recordLine(check)));
  EXPECT_TRUE(parseRecordLine(recordLine(check))->seconds.empty());

  for (const char* damaged : {"", "# a comment", "dxf read\tzek\t10\t10\t0\t0",
                              "dxf read\tzek\tten\t10\t0\t0\t0.1",
                              "dxf read\tzek\t10\t10\t0\t0\t0.1,x",
                              "dxf read\tzek\t10\t10\t0\t0\t-0.1", "\tzek\t10\t10\t0\t0\t0.1"})
    EXPECT_FALSE(parseRecordLine(damaged)) << damaged;
}

TEST(SuiteSummary, MedianMinMaxAndTheLaterRecordOfAFigureWins) {
  EXPECT_DOUBLE_EQ(medianSeconds({3, 1, 2}), 2);
  EXPECT_DOUBLE_EQ(medianSeconds({4, 1, 3, 2}), 2.5);
  EXPECT_DOUBLE_EQ(medianSeconds({}), 0);
  const auto figures = summarise({record("island sweep", "zek", 1000, {0.5, 0.1, 0.3}),
                                  record("island sweep", "zek", 1000, {0.2, 0.4, 0.6, 0.8})});
  ASSERT_EQ(figures.size(), 1u);
  EXPECT_DOUBLE_EQ(figures[0].median, 0.5);
  EXPECT_DOUBLE_EQ(figures[0].min, 0.2);
  EXPECT_DOUBLE_EQ(figures[0].max, 0.8);
  EXPECT_DOUBLE_EQ(figures[0].perElement, 0.5 / 1000);
}

TEST(SuiteSummary, OurTimeIsSetAgainstTheFastestPeerAndTheFloorOfTheSameSize) {
  const auto figures = summarise({
      record("dxf read", "floor", 1000, {0.01}),
      record("dxf read", "zek", 1000, {0.04}),
      record("dxf read", "dime", 1000, {0.10}),
      record("dxf read", "ezdxf", 1000, {0.90}),
      record("dxf read", "dime", 10000, {0.01}),  // another size: not compared
      record("dxf write", "zek", 1000, {0.02}),
      record("dxf write", "dxflib", 1000, {0.08}),
      record("dxf read R12", "floor", 1000, {0.005}),
      record("dxf write R12", "zek", 1000, {0.02}),
  });
  const Figure& read = find(figures, "dxf read", "zek", 1000);
  ASSERT_TRUE(read.fastestPeerOverOurs);
  EXPECT_EQ(read.fastestPeer, "dime");
  EXPECT_DOUBLE_EQ(*read.fastestPeerOverOurs, 2.5);
  ASSERT_TRUE(read.oursOverFloor);
  EXPECT_DOUBLE_EQ(*read.oursOverFloor, 4.0);
  const Figure& write = find(figures, "dxf write", "zek", 1000);
  EXPECT_DOUBLE_EQ(*write.fastestPeerOverOurs, 4.0);
  ASSERT_TRUE(write.oursOverFloor);  // the scan stands for writing's floor
  EXPECT_DOUBLE_EQ(*write.oursOverFloor, 2.0);
  EXPECT_FALSE(find(figures, "dxf read", "dime", 1000).fastestPeerOverOurs);
  const Figure& writeR12 = find(figures, "dxf write R12", "zek", 1000);
  ASSERT_TRUE(writeR12.oursOverFloor);  // against the scan of its own version
  EXPECT_DOUBLE_EQ(*writeR12.oursOverFloor, 4.0);
  EXPECT_FALSE(writeR12.fastestPeerOverOurs);
}

TEST(SuiteSummary, GrowthIsTheTimePerElementPerDecadeAndFlaggedAboveOneAndAHalf) {
  struct Case {
    const char* name;
    std::uint64_t smaller, larger;
    double smallerSeconds, largerSeconds;
    double growth;
    bool flagged;
  };
  const Case cases[] = {
      {"linear", 1000, 10000, 0.001, 0.010, 1.0, false},
      {"n log n at 10^3 to 10^4", 1000, 10000, 0.001, 0.01333, 1.333, false},
      {"quadratic", 1000, 10000, 0.001, 0.100, 10.0, true},
      {"just above", 1000, 10000, 0.001, 0.0151, 1.51, true},
      {"two decades, 4x per element", 1000, 100000, 0.001, 0.4, 2.0, true},
      {"half a decade", 1000, 3162, 0.001, 0.0031623 * 2.25, 2.25 * 2.25, true},
  };
  for (const Case& c : cases) {
    const auto figures = summarise({record("chain builder", "zek", c.smaller, {c.smallerSeconds}),
                                    record("chain builder", "zek", c.larger, {c.largerSeconds})});
    EXPECT_FALSE(find(figures, "chain builder", "zek", c.smaller).growthPerDecade) << c.name;
    const Figure& larger = find(figures, "chain builder", "zek", c.larger);
    ASSERT_TRUE(larger.growthPerDecade) << c.name;
    EXPECT_NEAR(*larger.growthPerDecade, c.growth, 0.01) << c.name;
    EXPECT_EQ(larger.flagged, c.flagged) << c.name;
  }
}

TEST(SuiteSummary, GoalsAreJudgedOnTheLargestSizeThatHasThem) {
  std::vector<BenchRecord> records = {
      record("dxf read", "floor", 1000000, {0.1}),
      record("dxf read", "zek", 1000, {0.5}, 177000, 1000000),  // smaller: passed over
      record("dxf read", "zek", 1000000, {0.4}, 177000000, 300000000),
      record("dxf read", "dime", 1000000, {1.0}),
      record("dxf write", "zek", 1000000, {1.0}, 177000000),
      record("crossing window", "zek", 100000, {0.001}),
      record("crossing window", "zek", 1000000, {0.060}),
      record("render png", "zek", 1000000, {1.5}),
  };
  BenchRecord trip = record("dxf round trip", "zek", 1000000, {});
  trip.note = "exact";
  records.push_back(trip);
  BenchRecord command = record("command ZEKXY", "zek", 20000, {0.3});
  command.elements = 10000;
  records.push_back(command);
  const auto goals = judgeGoals(summarise(records));
  EXPECT_TRUE(goal(goals, "DXF read").met);          // 2.5x libdime
  EXPECT_TRUE(goal(goals, "DXF write").met);         // 177 MB/s, exact
  EXPECT_FALSE(goal(goals, "Read memory").met);      // 300 MB for 177 MB
  EXPECT_NE(goal(goals, "Read memory").figure.find("1.69x"), std::string::npos);
  EXPECT_FALSE(goal(goals, "Crossing window").met);  // 60 ms
  EXPECT_FALSE(goal(goals, "Growth").met);           // 6.0 per decade
  EXPECT_TRUE(goal(goals, "Render").met);
  EXPECT_TRUE(goal(goals, "ZEKXY").met);
  EXPECT_NE(goal(goals, "ZEKXY").figure.find("10,000 holes"), std::string::npos);

  // The worst version read counts for memory: R12 at 1.2x passes alone.
  records.push_back(record("dxf read R12", "zek", 1000000, {0.5}, 100000000, 120000000));
  records[2].peakBytes = 200000000;  // R2004: 1.13x
  const auto both = judgeGoals(summarise(records));
  EXPECT_TRUE(goal(both, "Read memory").met);
  EXPECT_NE(goal(both, "Read memory").figure.find("1.20x"), std::string::npos);
  EXPECT_NE(goal(both, "Read memory").figure.find("dxf read R12"), std::string::npos);
  records.back().peakBytes = 160000000;  // R12: 1.6x
  EXPECT_FALSE(goal(judgeGoals(summarise(records)), "Read memory").met);
  records.pop_back();

  records.erase(records.begin() + 8);  // no round trip: writing fast is not enough
  EXPECT_FALSE(goal(judgeGoals(summarise(records)), "DXF write").met);
  EXPECT_TRUE(goal(judgeGoals(summarise({})), "Render").figure.empty());  // not measured
}

}  // namespace
}  // namespace zek::bench
