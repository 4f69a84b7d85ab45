// zek-bench: reading and writing speed and peak memory of our DXF filing and
// of peer libraries on generated sheets of plates. Each measurement runs in a
// child process of its own, so its peak memory is its own.
//   zek-bench [--entities 100000,1000000 | --file FILE.dxf]... [--dir DIR]
//             [--peers dime,dxflib,ezdxf] [--repeat N] [--seed S] [--record FILE]
//             [--tag TEXT]   (TEXT appended to the recorded operations: "dxf read R12")
//   zek-bench --mode MODE --file FILE [--out FILE]   one measurement (the child side)
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "bench_modes.h"
#include "bench_record.h"
#include "bench_report.h"
#include "child_process.h"
#include "plate_generator.h"

namespace zek::bench {

namespace {

constexpr std::uint64_t kEzdxfLimit = 100000;  // ezdxf is measured on files up to this size

constexpr const char* kUsage =
    "usage: zek-bench [--entities 100000,1000000 | --file FILE.dxf]... [--dir DIR]\n"
    "                 [--peers dime,dxflib,ezdxf] [--repeat N] [--seed S] [--record FILE]\n"
    "                 [--tag TEXT]\n";

struct Options {
  std::vector<std::uint64_t> entities = {100000, 1000000};
  std::string dir = "zek-bench-files";
  std::set<std::string> peers = {"dime", "dxflib", "ezdxf"};
  std::vector<std::string> files;  // drawings given as they are, measured after the generated
  int repeat = 5;
  std::uint64_t seed = 1;
  std::string record;  // the suite's record file, appended to; empty: none
  std::string tag;     // appended to the recorded operations: " (R12)"
};

std::vector<std::string_view> splitList(std::string_view text) {
  std::vector<std::string_view> items;
  while (!text.empty()) {
    auto comma = text.find(',');
    items.push_back(text.substr(0, comma));
    if (comma == std::string_view::npos)
      break;
    text.remove_prefix(comma + 1);
  }
  return items;
}

bool parseNumber(std::string_view text, std::uint64_t& value) {
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

int usageError(const std::string& message) {
  std::fprintf(stderr, "zek-bench: %s\n%s", message.c_str(), kUsage);
  return 2;
}

// The child side: one mode, one result line on standard output.
int runChildMode(int argc, char** argv) {
  std::string mode, file, out;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string_view arg = argv[i];
    if (arg == "--mode")
      mode = argv[i + 1];
    else if (arg == "--file")
      file = argv[i + 1];
    else if (arg == "--out")
      out = argv[i + 1];
  }
  ModeOutcome outcome = runMode(mode, file, out);
  std::fputs(resultLine(outcome).c_str(), stdout);
  return outcome.ok || mode == "zek-roundtrip" ? 0 : 1;
}

bool wanted(const ModeInfo& mode, const Options& options) {
  std::string_view peer = mode.peer;
  return peer == "baseline" || peer == "zek" || options.peers.count(std::string(peer));
}

Measurement measureOnce(const ModeInfo& mode, const std::string& self, const std::string& file,
                        const std::string& out) {
  Measurement m;
  m.mode = &mode;
  std::vector<std::string> argv =
      std::string_view(mode.peer) == "ezdxf"
          ? ezdxfCommand(mode.name, file, out)
          : std::vector<std::string>{self, "--mode", mode.name, "--file", file, "--out", out};
  ChildRun run = runChild(argv);
  m.ran = run.started;
  m.peakKilobytes = run.peakKilobytes;
  auto outcome = parseResultLine(run.output);
  if (outcome) {
    m.outcome = *outcome;
  } else {
    m.outcome.note = "the child ended without a result (exit status " +
                     std::to_string(run.exitStatus) + ")";
  }
  return m;
}

// Runs a mode `repeat` times: the median of the runs counts (every run's time
// kept for the record), with the highest peak seen; a failed run fails the mode.
Measurement measure(const ModeInfo& mode, const Options& options, const std::string& self,
                    const std::string& file, std::uint64_t entities) {
  Measurement skipped;
  skipped.mode = &mode;
  if (auto why = whyNotBuilt(mode.name)) {
    skipped.outcome.note = *why;
    return skipped;
  }
  if (std::string_view(mode.peer) == "ezdxf") {
    if (entities > kEzdxfLimit) {
      skipped.outcome.note = "skipped: ezdxf runs on files of up to 100,000 entities";
      return skipped;
    }
    if (access("/usr/bin/python3", X_OK) != 0) {
      skipped.outcome.note = "skipped: /usr/bin/python3 not found";
      return skipped;
    }
  }
  std::string out = options.dir + "/out-" + mode.name + ".dxf";
  Measurement result;
  // A check gives the same answer every time: once is enough.
  const int runs = mode.kind == ModeKind::Check ? 1 : options.repeat;
  for (int i = 0; i < runs; ++i) {
    std::fprintf(stderr, "zek-bench: %s on %s (run %d of %d)\n", mode.name, file.c_str(), i + 1,
                 runs);
    Measurement m = measureOnce(mode, self, file, out);
    const long peak = std::max(result.peakKilobytes, m.peakKilobytes);
    std::vector<double> seconds = std::move(result.runs);
    if (i == 0 || !m.outcome.ok)
      result = m;
    result.peakKilobytes = peak;
    result.runs = std::move(seconds);
    if (!m.outcome.ok)
      break;
    result.runs.push_back(m.outcome.seconds);
  }
  if (result.outcome.ok)
    result.outcome.seconds = medianSeconds(result.runs);
  std::error_code ignored;
  std::filesystem::remove(out, ignored);
  std::filesystem::path bak(out);
  std::filesystem::remove(bak.replace_extension(".bak"), ignored);
  return result;
}

// The figures of one drawing as records of the suite's file: "dxf read" and
// "dxf write" by each tool (the floor's scan as tool "floor"), the round trip
// as "dxf round trip" with its verdict in the note.
void recordMeasurements(const std::string& recordFile, const std::string& tag,
                        const DrawingUnderTest& d,
                        const std::vector<Measurement>& rows) {
  for (const Measurement& m : rows) {
    if (!m.ran || !m.outcome.ok)
      continue;
    BenchRecord record;
    const std::string_view peer = m.mode->peer;
    record.tool = peer == "baseline" ? "floor" : std::string(peer);
    record.operation = m.mode->kind == ModeKind::Read    ? "dxf read"
                       : m.mode->kind == ModeKind::Write ? "dxf write"
                                                         : "dxf round trip";
    record.operation += tag;
    record.size = d.entities;
    record.elements = m.mode->kind == ModeKind::Write ? d.entities : m.outcome.entities;
    record.bytes = m.outcome.bytes;
    record.peakBytes = static_cast<std::uint64_t>(m.peakKilobytes) * 1024;
    if (m.mode->kind == ModeKind::Check)
      record.note = m.outcome.note;
    else
      record.seconds = m.runs;
    if (!appendRecord(recordFile, record))
      std::fprintf(stderr, "zek-bench: %s: cannot append the record\n", recordFile.c_str());
  }
}

// Measures every wanted mode on one drawing, prints its table and records it.
void measureDrawing(const Options& options, const std::string& self, DrawingUnderTest& d) {
  const bool given = d.entities == 0;
  std::vector<Measurement> rows;
  for (const ModeInfo& mode : allModes()) {
    if (!wanted(mode, options))
      continue;
    rows.push_back(measure(mode, options, self, d.path, d.entities));
    // A given file's entity count is what our reader found in model space;
    // until it ran, the floor's count (which also counts an R12 polyline's
    // vertices) stands for it.
    const Measurement& m = rows.back();
    if (given && m.outcome.ok && mode.kind == ModeKind::Read &&
        (std::string_view(mode.peer) == "zek" ||
         (std::string_view(mode.peer) == "baseline" && d.entities == 0)))
      d.entities = m.outcome.entities;
  }
  printReport(stdout, d, rows);
  std::fflush(stdout);
  if (!options.record.empty())
    recordMeasurements(options.record, options.tag, d, rows);
}

int runBenchmarks(const Options& options) {
  std::error_code ec;
  std::filesystem::create_directories(options.dir, ec);
  if (ec) {
    std::fprintf(stderr, "zek-bench: %s: cannot make the folder: %s\n", options.dir.c_str(),
                 ec.message().c_str());
    return 1;
  }
  std::string self = selfPath();
  for (std::uint64_t entities : options.entities) {
    DrawingUnderTest d;
    d.path = options.dir + "/plates-" + std::to_string(entities) + ".dxf";
    std::fprintf(stderr, "zek-bench: writing %s\n", d.path.c_str());
    auto summary = plategen::writePlatesFile({entities, 20, options.seed}, d.path);
    if (!summary) {
      std::fprintf(stderr, "zek-bench: %s: cannot write the file\n", d.path.c_str());
      return 1;
    }
    d.entities = summary->entities;
    d.bytes = summary->bytes;
    measureDrawing(options, self, d);
  }
  for (const std::string& file : options.files) {
    DrawingUnderTest d;
    d.path = file;
    d.bytes = fileBytes(file);
    if (d.bytes == 0) {
      std::fprintf(stderr, "zek-bench: %s: no such drawing, or it is empty\n", file.c_str());
      return 1;
    }
    measureDrawing(options, self, d);
  }
  return 0;
}

}  // namespace

int benchMain(int argc, char** argv) {
  if (argc > 1 && std::string_view(argv[1]) == "--mode")
    return runChildMode(argc, argv);
  Options options;
  bool entitiesGiven = false;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "-h" || arg == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (i + 1 >= argc)
      return usageError("unknown argument or missing value: \"" + std::string(arg) + "\"");
    std::string_view value = argv[++i];
    if (arg == "--entities") {
      entitiesGiven = true;
      options.entities.clear();
      for (std::string_view item : splitList(value)) {
        std::uint64_t n = 0;
        if (!parseNumber(item, n) || n == 0)
          return usageError("--entities expects counts like 100000,1000000, found \"" +
                            std::string(item) + "\"");
        options.entities.push_back(n);
      }
    } else if (arg == "--file") {
      options.files.emplace_back(value);
    } else if (arg == "--record") {
      options.record = value;
    } else if (arg == "--tag") {
      options.tag = " " + std::string(value);
    } else if (arg == "--dir") {
      options.dir = value;
    } else if (arg == "--peers") {
      options.peers.clear();
      for (std::string_view item : splitList(value)) {
        if (item != "dime" && item != "dxflib" && item != "ezdxf" && !item.empty())
          return usageError("--peers knows dime, dxflib and ezdxf, found \"" + std::string(item) +
                            "\"");
        options.peers.insert(std::string(item));
      }
    } else if (arg == "--repeat") {
      std::uint64_t n = 0;
      if (!parseNumber(value, n) || n == 0 || n > 100)
        return usageError("--repeat expects 1 to 100, found \"" + std::string(value) + "\"");
      options.repeat = static_cast<int>(n);
    } else if (arg == "--seed") {
      if (!parseNumber(value, options.seed))
        return usageError("--seed expects a whole number, found \"" + std::string(value) + "\"");
    } else {
      return usageError("unknown argument \"" + std::string(arg) + "\"");
    }
  }
  // Drawings given as files are measured alone unless counts are asked for too.
  if (!options.files.empty() && !entitiesGiven)
    options.entities.clear();
  return runBenchmarks(options);
}

}  // namespace zek::bench

int main(int argc, char** argv) { return zek::bench::benchMain(argc, argv); }
