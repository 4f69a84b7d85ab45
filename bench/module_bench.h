// What the module benchmarks (zek-zekxy-bench, zek-zektable-bench) share:
// their command line, the modules loaded into the host, the timing of the
// repetitions and the growth of the time per hole from size to size.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace zek::bench {

using Clock = std::chrono::steady_clock;

// Growth of the time per hole from one decade to the next above this is
// worse than n log n allows on these sizes.
constexpr double kWorstGrowth = 1.5;
// Each module benchmark's goal: its largest plate in under this.
constexpr double kGoalSeconds = 2.0;

// "[--holes 1000,10000] [--repeat N] [--seed S] [--folder DIR]", over the
// defaults the settings hold; false for anything else or no sizes.
struct ModuleBenchSettings {
  std::vector<std::size_t> holes;
  int repeat = 5;
  std::uint64_t seed = 1;
  std::string folder;
  std::string record;  // the suite's record file (--record FILE); empty: none
};
[[nodiscard]] bool parseModuleBenchArgs(int argc, char** argv, ModuleBenchSettings& settings);

// Appends the runs of `command` on a plate of `holes` holes to the suite's
// record file, as operation "command NAME" (nothing when none is given).
void recordCommandRuns(const ModuleBenchSettings& settings, const char* command,
                       std::size_t holes, const std::vector<double>& seconds);

double secondsSince(Clock::time_point start);

struct Timing {
  double median = 0.0;
  double min = 0.0;
  double max = 0.0;
};
[[nodiscard]] Timing timingOf(std::vector<double> seconds);

// Freed memory stays with the program between repetitions (see the .cpp).
void keepFreedMemory();

// What a step printed on the command line (the transcript's growth).
std::string printedDuring(const std::function<void()>& step);

// The host a module benchmark runs in: freed memory kept between
// repetitions (see keepFreedMemory), a first empty drawing, and the modules
// loaded in order from the build's module folder with the shipped definition
// files; not ready (said on standard error, naming the bench) when a module
// does not load or `command` is not registered. Unloads the modules and
// closes every drawing at the end.
class BenchHost {
public:
  BenchHost(const char* bench, const char* moduleFolder,
            std::initializer_list<const char*> modules, const char* command);
  ~BenchHost();
  BenchHost(const BenchHost&) = delete;
  BenchHost& operator=(const BenchHost&) = delete;

  bool ready() const { return ready_; }

private:
  bool ready_ = false;
};

// The growth of the time per hole from the size before, as the report
// prints it ("-" for the first size), and what n log n allows.
struct Growth {
  std::string ratio = "-";
  std::string allowed = "-";
  bool worse = false;
};
[[nodiscard]] Growth growthOf(double perHole, std::size_t holes, double lastPerHole,
                              std::size_t lastHoles);

// "   growth worse than n log n allows" when it is, else "".
const char* growthFlag(const Growth& growth);
// "   goal < 2 s: met" / "NOT met" at the goal's size, else "".
const char* goalFlag(std::size_t holes, std::size_t goalHoles, double medianSeconds);

}  // namespace zek::bench
