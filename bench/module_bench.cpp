// The pieces the module benchmarks share.
#include "module_bench.h"

#include <malloc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "ads.h"
#include "db/support_path.h"
#include "db_database.h"
#include "editor/core/command_table.h"
#include "editor/document.h"
#include "editor/transcript.h"
#include "loader/module_loader.h"
#include "bench_record.h"
#include "size_list.h"

namespace zek::bench {

bool parseModuleBenchArgs(int argc, char** argv, ModuleBenchSettings& s) {
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (i + 1 >= argc)
      return false;
    const char* value = argv[++i];
    if (option == "--holes")
      s.holes = parseCounts(value);
    else if (option == "--repeat")
      s.repeat = std::max(1, std::atoi(value));
    else if (option == "--seed")
      s.seed = std::strtoull(value, nullptr, 10);
    else if (option == "--folder")
      s.folder = value;
    else if (option == "--record")
      s.record = value;
    else
      return false;
  }
  return !s.holes.empty();
}

void recordCommandRuns(const ModuleBenchSettings& settings, const char* command,
                       std::size_t holes, const std::vector<double>& seconds) {
  if (settings.record.empty())
    return;
  BenchRecord record;
  record.operation = std::string("command ") + command;
  record.tool = "zek";
  record.size = holes;
  record.elements = holes;
  record.seconds = seconds;
  if (!appendRecord(settings.record, record))
    std::fprintf(stderr, "%s: cannot append the record\n", settings.record.c_str());
}

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

Timing timingOf(std::vector<double> seconds) {
  if (seconds.empty())
    return {};
  std::sort(seconds.begin(), seconds.end());
  return {seconds[seconds.size() / 2], seconds.front(), seconds.back()};
}

void keepFreedMemory() {
  // Otherwise the large plates' blocks (above the allocator's mapping
  // threshold) go back to the system after every run and each run pays the
  // first touch of every page anew, which on a virtual machine costs more
  // than the command itself and grows with the block sizes, while the small
  // plates reuse their heap: the growth per decade would measure the
  // system's page handling. The first repetition (max) still shows the cold
  // cost.
  (void)mallopt(M_MMAP_THRESHOLD, 1 << 30);
  (void)mallopt(M_TRIM_THRESHOLD, 1 << 30);
}

std::string printedDuring(const std::function<void()>& step) {
  Transcript& transcript = Transcript::instance();
  const std::size_t before = transcript.text().size();
  step();
  const std::string after = transcript.text();
  return after.size() > before ? after.substr(before) : std::string();
}

namespace {

bool loadModules(const char* bench, const char* moduleFolder,
                 std::initializer_list<const char*> modules, const char* command) {
  setModuleFolders({moduleFolder});
  setSupportFolders({});  // the shipped definition files
  for (const char* name : modules) {
    int loaded = RTERROR;
    const std::string said = printedDuring([&] { loaded = loadModule(name, true); });
    if (loaded != RTNORM) {
      const std::size_t first = said.find_first_not_of('\n');
      const std::size_t last = said.find_last_not_of('\n');
      const std::string reason =
          first == std::string::npos ? "" : said.substr(first, last - first + 1);
      std::fprintf(stderr, "%s: the module %s did not load%s%s\n", bench, name,
                   reason.empty() ? "" : ": ", reason.c_str());
      return false;
    }
  }
  if (!CommandTable::instance().has(command)) {
    std::fprintf(stderr, "%s: no module registered %s; nothing to measure\n", bench, command);
    return false;
  }
  return true;
}

}  // namespace

BenchHost::BenchHost(const char* bench, const char* moduleFolder,
                     std::initializer_list<const char*> modules, const char* command) {
  keepFreedMemory();
  (void)DocumentManager::instance().open(std::make_unique<AcDbDatabase>(), "");
  ready_ = loadModules(bench, moduleFolder, modules, command);
}

BenchHost::~BenchHost() {
  unloadAllModules();
  DocumentManager::instance().closeAll();
}

Growth growthOf(double perHole, std::size_t holes, double lastPerHole, std::size_t lastHoles) {
  Growth growth;
  if (lastPerHole <= 0.0 || lastHoles < 2)
    return growth;
  const double ratio = perHole / lastPerHole;
  // n log n: the time per hole grows as log n, from the last size to this one.
  const double nLogN =
      std::log(static_cast<double>(holes)) / std::log(static_cast<double>(lastHoles));
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", ratio);
  growth.ratio = text;
  std::snprintf(text, sizeof text, "%.3f", nLogN);
  growth.allowed = text;
  growth.worse = ratio > kWorstGrowth;
  return growth;
}

const char* growthFlag(const Growth& growth) {
  return growth.worse ? "   growth worse than n log n allows" : "";
}

const char* goalFlag(std::size_t holes, std::size_t goalHoles, double medianSeconds) {
  if (holes != goalHoles)
    return "";
  return medianSeconds < kGoalSeconds ? "   goal < 2 s: met" : "   goal < 2 s: NOT met";
}

}  // namespace zek::bench
