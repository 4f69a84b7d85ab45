// zek-zektable-bench: the six-column hole table of ZEKTABLE2 (module
// zektable) on generated die plates of 1,000, 10,000 and 100,000 holes with
// their codes written on the holes (tools/plategen, --holes N
// --table-labels). Each size runs on fresh copies of the drawing, read anew
// before every run (untimed); the timed part is the whole command: selection
// ALL, collecting, preparing and matching, the rows with their note prompts
// (each answered Enter) and the drawing of the table. Prints the median,
// minimum and maximum of the runs, the time per hole, its growth from decade
// to decade against what n log n allows, and the rows the first run drew
// against the codes the generator placed. The goal: 100,000 holes in under
// 2 s, growing no worse than n log n. A program to run by hand, never a test.
//   zek-zektable-bench [--holes 1000,10000,100000] [--repeat N] [--seed S] [--folder DIR]
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
#include <string_view>
#include <vector>

#include "ads.h"
#include "db_database.h"
#include "editor/core/command_loop.h"
#include "editor/document.h"
#include "editor/input.h"
#include "editor/transcript.h"
#include "generated_plate.h"
#include "labelled_holes.h"
#include "loader/module_loader.h"
#include "module_bench.h"
#include "zek/dxf_io.h"

namespace {

using namespace zek::bench;

constexpr std::size_t kGoalHoles = 100000;
// The messages of a run that did not match every code on its holes.
constexpr const char* kMismatchMessages[] = {"Total=", "WARNING", "_OVERLAPED_"};

std::string trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos)
    return {};
  const std::size_t last = text.find_last_not_of(" \t\r\n");
  return std::string(text.substr(first, last - first + 1));
}

// The drafter's answers to one ZEKTABLE2, prompt by prompt: the command,
// ALL, Enter to end the selection, the base point, then Enter to every
// further prompt (the tapped codes' depth notes; a hand pick, which the
// transcript would show). The input ends at the next command prompt, or
// after a million answers.
class TableAnswers : public zek::InputSource {
public:
  explicit TableAnswers(std::string basePoint) : basePoint_(std::move(basePoint)) {}

  std::optional<std::string> nextLine() override {
    const std::string prompt = trimmed(zek::waitingPrompt());
    if (++answers_ > kMostAnswers)
      return std::nullopt;  // a prompt that asks again and again: the run fails
    if (prompt == "Command:") {
      if (started_)
        return std::nullopt;
      started_ = true;
      return "ZEKTABLE2";
    }
    if (prompt == "Select objects:" && !selected_) {
      selected_ = true;
      return "ALL";
    }
    if (prompt == "Base point:")
      return basePoint_;
    return "";
  }
  std::string whereLastLine() const override {
    return "zektable-bench answer " + std::to_string(answers_);
  }

private:
  static constexpr int kMostAnswers = 1000000;
  std::string basePoint_;
  int answers_ = 0;
  bool started_ = false;
  bool selected_ = false;
};

struct RunResult {
  bool ok = false;
  double seconds = 0.0;
  std::string transcript;  // of ZEKTABLE2
};

// One run on a fresh copy: the drawing read (untimed), then ZEKTABLE2 on
// everything with the base point below the plate (timed).
RunResult runOnce(const std::string& path, const zek::plategen::PlateLayout& plate) {
  RunResult result;
  auto read = zek::readDxfFile(path);
  if (!read.ok()) {
    std::fprintf(stderr, "zek-zektable-bench: %s\n", read.failure().describe().c_str());
    return result;
  }
  auto& documents = zek::DocumentManager::instance();
  zek::Document* document = documents.open(std::move(read.value()), path);
  zek::Transcript::instance().clear();
  char base[64];
  std::snprintf(base, sizeof base, "0,%.0f", -std::ceil(plate.height) - 1000.0);
  zek::currentInput().push(std::make_unique<TableAnswers>(base));
  const auto start = Clock::now();
  const zek::RunOutcome outcome = zek::runCommandLoop();
  result.seconds = secondsSince(start);
  result.transcript = zek::Transcript::instance().text();
  zek::Transcript::instance().clear();
  result.ok = !outcome.endedInCommand;
  if (!result.ok)
    std::fprintf(stderr, "zek-zektable-bench: %s\n", outcome.message.c_str());
  documents.close(document);
  return result;
}

// How often a text occurs in the transcript.
int occurrences(const std::string& text, std::string_view what) {
  int count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
    ++count;
  return count;
}

}  // namespace

int main(int argc, char** argv) {
  ModuleBenchSettings settings{{1000, 10000, 100000}, 5, 1, "/tmp/zek-zektable-bench"};
  if (!parseModuleBenchArgs(argc, argv, settings)) {
    std::fprintf(stderr,
                 "usage: zek-zektable-bench [--holes 1000,10000,100000] [--repeat N] [--seed S] "
                 "[--folder DIR] [--record FILE]\n");
    return 2;
  }
  std::filesystem::create_directories(settings.folder);
  const BenchHost host("zek-zektable-bench", ZEK_BENCH_MODULE_DIR, {"zekislands", "zektable"},
                       "ZEKTABLE2");
  if (!host.ready())
    return 1;
  std::printf("%7s %5s | %9s %9s %9s %9s | %7s %8s\n", "holes", "rows", "median ms", "min", "max",
              "us/hole", "growth", "n log n");
  bool allOk = true;
  double lastPerHole = 0.0;
  std::size_t lastHoles = 0;
  for (const std::size_t holes : settings.holes) {
    const zek::plategen::HolePlateOptions options{holes, settings.seed,
                                                  zek::plategen::LabelStyle::OnHole};
    const zek::plategen::PlateLayout plate = zek::plategen::holePlate(options);
    const std::string stem = settings.folder + "/holes-" + std::to_string(holes);
    const std::string path = stem + ".dxf";
    if (!zek::plategen::writeHolePlateFile(options, path)) {
      std::fprintf(stderr, "zek-zektable-bench: cannot write %s\n", path.c_str());
      return 1;
    }
    std::vector<double> seconds;
    RunResult first;
    bool ok = true;
    for (int i = 0; i < settings.repeat && ok; ++i) {
      RunResult r = runOnce(path, plate);
      ok = r.ok;
      seconds.push_back(r.seconds);
      if (i == 0)
        first = std::move(r);
    }
    std::ofstream(stem + ".transcript") << first.transcript;
    if (!ok) {
      std::fprintf(stderr, "zek-zektable-bench: the run on %zu holes failed (transcript in %s)\n",
                   holes, (stem + ".transcript").c_str());
      allOk = false;
      continue;
    }
    // The first run's rows against the codes placed: one "CODE:" line a row.
    const std::size_t codes = zek::plategen::labelledHoles(plate).size();
    const int rows = occurrences(first.transcript, "\nCODE:");
    std::string unmatched;
    for (const char* message : kMismatchMessages)
      if (first.transcript.find(message) != std::string::npos)
        unmatched += std::string(unmatched.empty() ? "" : ", ") + message;

    recordCommandRuns(settings, "ZEKTABLE2", plate.holes.size(), seconds);
    const Timing t = timingOf(seconds);
    const double perHole = 1e6 * t.median / static_cast<double>(plate.holes.size());
    const Growth growth = growthOf(perHole, holes, lastPerHole, lastHoles);
    std::printf("%7zu %5d | %9.1f %9.1f %9.1f %9.2f | %7s %8s%s%s\n", plate.holes.size(), rows,
                1e3 * t.median, 1e3 * t.min, 1e3 * t.max, perHole, growth.ratio.c_str(),
                growth.allowed.c_str(), growthFlag(growth), goalFlag(holes, kGoalHoles, t.median));
    if (static_cast<std::size_t>(rows) != codes || !unmatched.empty())
      std::printf("        %d rows for %zu codes placed%s%s (transcript in %s)\n", rows, codes,
                  unmatched.empty() ? "" : "; the transcript says ", unmatched.c_str(),
                  (stem + ".transcript").c_str());
    std::fflush(stdout);
    lastPerHole = perHole;
    lastHoles = holes;
  }
  return allOk ? 0 : 1;
}
