// zek-zekxy-bench: the ordinate dimensions of ZEKXY (module zekadxy1, with
// zekislands answering its island pick) on generated die plates of 100,
// 1,000 and 10,000 holes (tools/plategen, --holes N). Each size runs on
// fresh copies of the drawing, read anew before every run; prints the
// median, minimum and maximum of the runs, the time per hole, its growth
// from decade to decade against what n log n allows, and the layout check of
// the first run's result. The goal: 10,000 holes in under 2 s, growing no
// worse than n log n. A program to run by hand, never a test.
//   zek-zekxy-bench [--holes 100,1000,10000] [--repeat N] [--seed S] [--folder DIR]
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ads.h"
#include "db/support_path.h"
#include "db_database.h"
#include "editor/core/command_loop.h"
#include "editor/core/command_table.h"
#include "editor/document.h"
#include "editor/input.h"
#include "editor/transcript.h"
#include "generated_plate.h"
#include "layoutcheck/ordinate_layout_check.h"
#include "loader/module_loader.h"
#include "size_list.h"
#include "zek/dxf_io.h"

namespace {

using Clock = std::chrono::steady_clock;

// Growth of the time per hole from one decade to the next above this is
// worse than n log n allows on these sizes.
constexpr double kWorstGrowth = 1.5;
constexpr double kGoalSeconds = 2.0;
constexpr std::size_t kGoalHoles = 10000;

struct Settings {
  std::vector<std::size_t> holes = {100, 1000, 10000};
  int repeat = 5;
  std::uint64_t seed = 1;
  std::string folder = "/tmp/zek-zekxy-bench";
};

struct Timing {
  double median = 0.0;
  double min = 0.0;
  double max = 0.0;
};

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

bool parse(int argc, char** argv, Settings& s) {
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (i + 1 >= argc)
      return false;
    const char* value = argv[++i];
    if (option == "--holes")
      s.holes = zek::bench::parseCounts(value);
    else if (option == "--repeat")
      s.repeat = std::max(1, std::atoi(value));
    else if (option == "--seed")
      s.seed = std::strtoull(value, nullptr, 10);
    else if (option == "--folder")
      s.folder = value;
    else
      return false;
  }
  return !s.holes.empty();
}

// What a step printed on the command line (the transcript's growth).
std::string printedDuring(const std::function<void()>& step) {
  zek::Transcript& transcript = zek::Transcript::instance();
  const std::size_t before = transcript.text().size();
  step();
  const std::string after = transcript.text();
  return after.size() > before ? after.substr(before) : std::string();
}

// zekislands, then zekadxy1 with its ZEKXY; false (said on standard error)
// when either is missing.
bool loadModules() {
  zek::setModuleFolders({ZEK_BENCH_MODULE_DIR});
  zek::setSupportFolders({});  // the shipped zeklayer0.dat, zekislands.dat, zekadxy1.dat
  for (const char* name : {"zekislands", "zekadxy1"}) {
    int loaded = RTERROR;
    const std::string said = printedDuring([&] { loaded = zek::loadModule(name, true); });
    if (loaded != RTNORM) {
      const std::size_t first = said.find_first_not_of('\n');
      const std::size_t last = said.find_last_not_of('\n');
      const std::string reason =
          first == std::string::npos ? "" : said.substr(first, last - first + 1);
      std::fprintf(stderr, "zek-zekxy-bench: the module %s did not load%s%s\n", name,
                   reason.empty() ? "" : ": ", reason.c_str());
      return false;
    }
  }
  if (!zek::CommandTable::instance().has("ZEKXY")) {
    std::fprintf(stderr,
                 "zek-zekxy-bench: zekadxy1 has no ZEKXY yet (the module was built without its "
                 "placement part); nothing to measure\n");
    return false;
  }
  return true;
}

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

Timing timingOf(std::vector<double> seconds) {
  std::sort(seconds.begin(), seconds.end());
  return {seconds[seconds.size() / 2], seconds.front(), seconds.back()};
}

}  // namespace

int main(int argc, char** argv) {
  Settings settings;
  if (!parse(argc, argv, settings)) {
    std::fprintf(stderr,
                 "usage: zek-zekxy-bench [--holes 100,1000,10000] [--repeat N] [--seed S] "
                 "[--folder DIR]\n");
    return 2;
  }
  std::filesystem::create_directories(settings.folder);
  // Freed memory stays with the program between repetitions. Otherwise the
  // large plates' blocks (above the allocator's mapping threshold) go back to
  // the system after every run and each run pays the first touch of every
  // page anew, which on a virtual machine costs more than the command itself
  // and grows with the block sizes, while the small plates reuse their heap:
  // the growth per decade would measure the system's page handling. The
  // first repetition (max) still shows the cold cost.
  (void)mallopt(M_MMAP_THRESHOLD, 1 << 30);
  (void)mallopt(M_TRIM_THRESHOLD, 1 << 30);
  auto& documents = zek::DocumentManager::instance();
  (void)documents.open(std::make_unique<AcDbDatabase>(), "");
  if (!loadModules()) {
    zek::unloadAllModules();
    documents.closeAll();
    return 1;
  }
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

    const Timing t = timingOf(seconds);
    const double perHole = 1e6 * t.median / static_cast<double>(plate.holes.size());
    std::string growth = "-", allowed = "-";
    bool worse = false;
    if (lastPerHole > 0.0) {
      const double ratio = perHole / lastPerHole;
      // n log n: the time per hole grows as log n, from the last size to this one.
      const double nLogN =
          std::log(static_cast<double>(holes)) / std::log(static_cast<double>(lastHoles));
      char text[32];
      std::snprintf(text, sizeof text, "%.3f", ratio);
      growth = text;
      std::snprintf(text, sizeof text, "%.3f", nLogN);
      allowed = text;
      worse = ratio > kWorstGrowth;
    }
    std::printf("%7zu %6d | %9.1f %9.1f %9.1f %9.2f | %7s %8s | %8.1f%s%s\n", plate.holes.size(),
                report.dimensions, 1e3 * t.median, 1e3 * t.min, 1e3 * t.max, perHole,
                growth.c_str(), allowed.c_str(), 1e3 * checkSeconds,
                worse ? "   growth worse than n log n allows" : "",
                holes == kGoalHoles
                    ? (t.median < kGoalSeconds ? "   goal < 2 s: met" : "   goal < 2 s: NOT met")
                    : "");
    std::printf("%s", report.summary().c_str());
    std::fflush(stdout);
    lastPerHole = perHole;
    lastHoles = holes;
  }
  zek::unloadAllModules();
  documents.closeAll();
  return allOk ? 0 : 1;
}
