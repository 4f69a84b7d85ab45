// The pure parts of the benches' drawing mode: its options, the middle
// window, the run summary and the repeat loop.
#include "drawing_bench.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zek::bench {
namespace {

// argv for a parse: the program's name first, as main gets it.
struct Arguments {
  explicit Arguments(std::vector<std::string> words) : words_(std::move(words)) {
    words_.insert(words_.begin(), "bench");
    for (std::string& word : words_)
      pointers_.push_back(word.data());
    pointers_.push_back(nullptr);
  }
  int argc() const { return static_cast<int>(words_.size()); }
  char** argv() { return pointers_.data(); }

private:
  std::vector<std::string> words_;
  std::vector<char*> pointers_;
};

// Without the environment's record file, so that only the options count.
class DrawingSettingsTest : public ::testing::Test {
protected:
  void SetUp() override { unsetenv("ZEK_BENCH_RECORD"); }
};

TEST_F(DrawingSettingsTest, GoodCommandLines) {
  struct Case {
    std::vector<std::string> words;
    std::string drawing;
    int repeat;
    std::string record;
  };
  const Case cases[] = {
      {{"--drawing", "a.dxf"}, "a.dxf", 5, ""},
      {{"--drawing", "a.dxf", "--repeat", "7"}, "a.dxf", 7, ""},
      {{"--repeat", "12", "--drawing", "b.dxf", "--record", "r.txt"}, "b.dxf", 12, "r.txt"},
      {{"--record", "r.txt", "--drawing", "c.dxf"}, "c.dxf", 5, "r.txt"},
  };
  for (const Case& c : cases) {
    Arguments arguments(c.words);
    std::string error;
    const auto settings = parseDrawingSettings(arguments.argc(), arguments.argv(), error);
    ASSERT_TRUE(settings.has_value()) << c.words.front() << ": " << error;
    EXPECT_EQ(settings->drawing, c.drawing);
    EXPECT_EQ(settings->repeat, c.repeat);
    EXPECT_EQ(settings->recordFile, c.record);
  }
}

TEST_F(DrawingSettingsTest, BadCommandLinesSayWhy) {
  struct Case {
    std::vector<std::string> words;
    std::string inError;
  };
  const Case cases[] = {
      {{"--repeat", "5"}, "--drawing needs a DXF file"},
      {{"--drawing"}, "--drawing needs a value"},
      {{"--drawing", "a.dxf", "--repeat", "4"}, "at least 5"},
      {{"--drawing", "a.dxf", "--repeat", "5x"}, "\"5x\""},
      {{"--drawing", "a.dxf", "--repeat", "-6"}, "\"-6\""},
      {{"--drawing", "a.dxf", "--entities", "10"}, "unknown option \"--entities\""},
  };
  for (const Case& c : cases) {
    Arguments arguments(c.words);
    std::string error;
    EXPECT_FALSE(parseDrawingSettings(arguments.argc(), arguments.argv(), error).has_value()) << c.inError;
    EXPECT_NE(error.find(c.inError), std::string::npos) << "error: " << error;
  }
}

TEST_F(DrawingSettingsTest, RecordFileFallsBackOnTheEnvironment) {
  setenv("ZEK_BENCH_RECORD", "from-env.txt", 1);
  Arguments bare({"--drawing", "a.dxf"});
  Arguments given({"--drawing", "a.dxf", "--record", "given.txt"});
  std::string error;
  EXPECT_EQ(parseDrawingSettings(bare.argc(), bare.argv(), error)->recordFile, "from-env.txt");
  EXPECT_EQ(parseDrawingSettings(given.argc(), given.argv(), error)->recordFile, "given.txt");
  unsetenv("ZEK_BENCH_RECORD");
}

TEST(DrawingModeTest, WantsDrawingModeOnlyWithTheOption) {
  Arguments drawing({"--repeat", "5", "--drawing", "a.dxf"});
  Arguments sizes({"--entities", "1000", "--repeat", "5"});
  EXPECT_TRUE(wantsDrawingMode(drawing.argc(), drawing.argv()));
  EXPECT_FALSE(wantsDrawingMode(sizes.argc(), sizes.argv()));
}

TEST(MiddleWindowTest, ShareOfTheAreaAboutTheMiddle) {
  struct Case {
    AcGePoint3d low, high;
    double share;
    AcGePoint3d windowLow, windowHigh;
  };
  const Case cases[] = {
      // A tenth of each side for a hundredth of the area.
      {{0, 0, 0}, {1000, 500, 0}, 0.01, {450, 225, 0}, {550, 275, 0}},
      {{-200, 100, 0}, {200, 300, 0}, 0.01, {-20, 190, 0}, {20, 210, 0}},
      // A quarter of the area: half of each side.
      {{0, 0, 0}, {8, 4, 0}, 0.25, {2, 1, 0}, {6, 3, 0}},
      // A row along x: the share of its length, its whole (zero) height.
      {{0, 5, 0}, {1000, 5, 0}, 0.01, {495, 5, 0}, {505, 5, 0}},
      // One point: the point.
      {{3, 4, 0}, {3, 4, 0}, 0.01, {3, 4, 0}, {3, 4, 0}},
  };
  for (const Case& c : cases) {
    const AcDbExtents window = middleWindow(AcDbExtents(c.low, c.high), c.share);
    EXPECT_NEAR(window.minPoint().x, c.windowLow.x, 1e-9);
    EXPECT_NEAR(window.minPoint().y, c.windowLow.y, 1e-9);
    EXPECT_NEAR(window.maxPoint().x, c.windowHigh.x, 1e-9);
    EXPECT_NEAR(window.maxPoint().y, c.windowHigh.y, 1e-9);
  }
}

TEST(SummarizeRunsTest, MedianMinMax) {
  struct Case {
    std::vector<double> seconds;
    double median, min, max;
  };
  const Case cases[] = {
      {{0.3, 0.1, 0.2, 0.5, 0.4}, 0.3, 0.1, 0.5},
      {{0.4, 0.1, 0.3, 0.2}, 0.25, 0.1, 0.4},  // even count: mean of the middle two
      {{2.0}, 2.0, 2.0, 2.0},
      {{}, 0.0, 0.0, 0.0},
  };
  for (const Case& c : cases) {
    const RunSummary summary = summarizeRuns(c.seconds);
    EXPECT_DOUBLE_EQ(summary.median, c.median);
    EXPECT_DOUBLE_EQ(summary.min, c.min);
    EXPECT_DOUBLE_EQ(summary.max, c.max);
  }
}

TEST(TimeRunsTest, EveryRunTimedUntilOneFails) {
  int calls = 0;
  const auto all = timeRuns(6, [&] { return ++calls > 0; });
  ASSERT_TRUE(all.has_value());
  EXPECT_EQ(all->size(), 6u);
  EXPECT_EQ(calls, 6);

  calls = 0;
  EXPECT_FALSE(timeRuns(6, [&] { return ++calls < 3; }).has_value());
  EXPECT_EQ(calls, 3);  // stopped at the failing run
}

}  // namespace
}  // namespace zek::bench
