// zek-zekxy-bench: the ordinate dimensions of ZEKXY (module zekadxy1, with
// zekislands answering its island pick) on generated die plates of 100,
// 1,000 and 10,000 holes (tools/plategen, --holes N). Each size runs on
// fresh copies of the drawing, read anew before every run; prints the
// median, minimum and maximum of the runs, the time per hole, its growth
// from decade to decade against what n log n allows, and the layout check of
// the first run's result. The goal: 10,000 holes in under 2 s, growing no
// worse than n log n. A program to run by hand, never a test.
//   zek-zekxy-bench [--holes 100,1000,10000] [--repeat N] [--seed S] [--folder DIR]
//                  [--record FILE]
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ads.h"
#include "db_database.h"
#include "editor/core/command_loop.h"
#include "editor/document.h"
#include "editor/input.h"
#include "editor/transcript.h"
#include "generated_plate.h"
#include "layoutcheck/ordinate_layout_check.h"
#include "loader/module_loader.h"
#include "module_bench.h"
#include "zek/dxf_io.h"

namespace {

using namespace zek::bench;

constexpr std::size_t kGoalHoles = 10000;

// Feeds answer lines to the current drawing and runs them.
zek::RunOutcome run(const std::vector<std::string>& lines) {
  zek::currentInput().push(std::make_unique<zek::LineListSource>(lines, "zekxy-bench"));
  return zek::runCommandLoop();
}

struct RunResult {
  bool ok = false;
  double seconds = 0.0;
  std::string transcript;  // of ZEKXY
  // The first run's result checked (and written beside the plate).
  std::optional<zek::adxy1::OrdinateLayoutReport> report;
  double checkSeconds = 0.0;
};

// One run on a fresh copy: the drawing read, zoomed to its extents (untimed),
// then ZEKXY with the island pick at the plate's middle (timed); with
// `check`, the layout check of the result (timed apart) and the result
// written to `resultPath`.
RunResult runOnce(const std::string& path, const zek::plategen::PlateLayout& plate, bool check,
                  const std::string& resultPath) {
  RunResult result;
  auto read = zek::readDxfFile(path);
  if (!read.ok()) {
    std::fprintf(stderr, "zek-zekxy-bench: %s\n", read.failure().describe().c_str());
    return result;
  }
  auto& documents = zek::DocumentManager::instance();
  zek::Document* document = documents.open(std::move(read.value()), path);
  (void)run({"ZOOM", "E"});
  zek::Transcript::instance().clear();
  char pick[64];
  std::snprintf(pick, sizeof pick, "%.6f,%.6f", plate.width / 2.0, plate.height / 2.0);
  const auto start = Clock::now();
  const zek::RunOutcome outcome = run({"ZEKXY", pick});
  result.seconds = secondsSince(start);
  result.transcript = zek::Transcript::instance().text();
  zek::Transcript::instance().clear();
  result.ok = !outcome.endedInCommand;
  if (!result.ok)
    std::fprintf(stderr, "zek-zekxy-bench: %s (ZEKXY asked for more than the island pick)\n",
                 outcome.message.c_str());
  if (check && result.ok) {
    const auto checkStart = Clock::now();
    result.report = zek::adxy1::checkOrdinateLayout(*document->database());
    result.checkSeconds = secondsSince(checkStart);
    if (!zek::writeDxfFile(*document->database(), resultPath).ok())
      std::fprintf(stderr, "zek-zekxy-bench: cannot write %s\n", resultPath.c_str());
  }
  documents.close(document);
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  ModuleBenchSettings settings{{100, 1000, 10000}, 5, 1, "/tmp/zek-zekxy-bench"};
  if (!parseModuleBenchArgs(argc, argv, settings)) {
    std::fprintf(stderr,
                 "usage: zek-zekxy-bench [--holes 100,1000,10000] [--repeat N] [--seed S] "
                 "[--folder DIR] [--record FILE]\n");
    return 2;
  }
  std::filesystem::create_directories(settings.folder);
  const BenchHost host("zek-zekxy-bench", ZEK_BENCH_MODULE_DIR, {"zekislands", "zekadxy1"},
                       "ZEKXY");
  if (!host.ready())
    return 1;
  std::printf("%7s %6s | %9s %9s %9s %9s | %7s %8s | %8s\n", "holes", "dims", "median ms", "min",
              "max", "us/hole", "growth", "n log n", "check ms");
  bool allOk = true;
  double lastPerHole = 0.0;
  std::size_t lastHoles = 0;
  for (const std::size_t holes : settings.holes) {
    const zek::plategen::HolePlateOptions options{holes, settings.seed};
    const zek::plategen::PlateLayout plate = zek::plategen::holePlate(options);
    const std::string path = settings.folder + "/holes-" + std::to_string(holes) + ".dxf";
    if (!zek::plategen::writeHolePlateFile(options, path)) {
      std::fprintf(stderr, "zek-zekxy-bench: cannot write %s\n", path.c_str());
      return 1;
    }
    const std::string stem = settings.folder + "/holes-" + std::to_string(holes);
    std::vector<double> seconds;
    RunResult first;
    bool ok = true;
    for (int i = 0; i < settings.repeat && ok; ++i) {
      RunResult r = runOnce(path, plate, i == 0, stem + "-dimensioned.dxf");
      ok = r.ok;
      seconds.push_back(r.seconds);
      if (i == 0)
        first = std::move(r);
    }
    std::ofstream(stem + ".transcript") << first.transcript;
    if (!ok || !first.report) {
      std::fprintf(stderr, "zek-zekxy-bench: the run on %zu holes failed (transcript in %s)\n",
                   holes, (stem + ".transcript").c_str());
      allOk = false;
      continue;
    }
    const zek::adxy1::OrdinateLayoutReport& report = *first.report;
    const double checkSeconds = first.checkSeconds;

    recordCommandRuns(settings, "ZEKXY", plate.holes.size(), seconds);
    const Timing t = timingOf(seconds);
    const double perHole = 1e6 * t.median / static_cast<double>(plate.holes.size());
    const Growth growth = growthOf(perHole, holes, lastPerHole, lastHoles);
    std::printf("%7zu %6d | %9.1f %9.1f %9.1f %9.2f | %7s %8s | %8.1f%s%s\n", plate.holes.size(),
                report.dimensions, 1e3 * t.median, 1e3 * t.min, 1e3 * t.max, perHole,
                growth.ratio.c_str(), growth.allowed.c_str(), 1e3 * checkSeconds,
                growthFlag(growth), goalFlag(holes, kGoalHoles, t.median));
    std::printf("%s", report.summary().c_str());
    std::fflush(stdout);
    lastPerHole = perHole;
    lastHoles = holes;
  }
  return allOk ? 0 : 1;
}
