// One measured figure of a benchmark, as every bench program of the suite
// appends it to the record file that `zek-bench-report` turns into the
// table and bench/results/latest.json.
//
// The file is plain text, one record a line, tab-separated:
//   operation  tool  size  elements  bytes  peak_bytes  seconds,seconds,...  [note]
// `operation` names what was timed ("dxf read", "crossing window"), `tool`
// who did it ("zek", "dime", "dxflib", "ezdxf", "floor"), `size` the drawing's
// entity count the operation ran on, `elements` what the time is per
// (entities read, boxes swept, holes dimensioned), `bytes` the bytes read or
// written (0: none), `peak_bytes` the peak resident memory of the process
// that did it (0: not measured), the seconds of every run, and a note where
// a check has something to say (the round trip's first difference). Lines
// starting with '#' are comments. No field holds a tab or a line feed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zek::bench {

struct BenchRecord {
  std::string operation;
  std::string tool;
  std::uint64_t size = 0;
  std::uint64_t elements = 0;
  std::uint64_t bytes = 0;
  std::uint64_t peakBytes = 0;
  std::vector<double> seconds;  // every run, in the order they ran
  std::string note;             // empty, or what a check found
};

// The record as one line of the file, without its line feed.
[[nodiscard]] std::string recordLine(const BenchRecord& record);
// A line read back; nothing for a comment, an empty line or a damaged one.
[[nodiscard]] std::optional<BenchRecord> parseRecordLine(std::string_view line);

// Appends the record to `path` (made when missing); false when it cannot be
// written. Each record is written with one call, so that child processes
// appending to one file do not mix their lines.
[[nodiscard]] bool appendRecord(const std::string& path, const BenchRecord& record);
// Every record of the file, in order; damaged lines are counted in `damaged`.
[[nodiscard]] std::vector<BenchRecord> readRecords(const std::string& path,
                                                   std::size_t* damaged = nullptr);

// The median of a figure's runs (the mean of the middle two for an even
// count); 0 for none.
[[nodiscard]] double medianSeconds(std::vector<double> seconds);

// The record file a bench appends to: its `--record FILE` option, else the
// environment variable ZEK_BENCH_RECORD; empty when neither is given.
[[nodiscard]] std::string recordFileFrom(int argc, char** argv);

}  // namespace zek::bench
