// The table zek-bench prints for one drawing: each mode's time, throughput and
// peak memory, the time ratio of each peer to zek, and the goals beside them.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_modes.h"

namespace zek::bench {

struct Measurement {
  const ModeInfo* mode = nullptr;
  bool ran = false;            // false: not built or skipped, see outcome.note
  ModeOutcome outcome;         // its seconds: the median of the runs
  long peakKilobytes = 0;      // the child's own peak resident memory, the highest of the runs
  std::vector<double> runs;    // the seconds of every run
};

struct DrawingUnderTest {
  std::string path;
  std::uint64_t entities = 0;  // as the generator wrote them
  std::uint64_t bytes = 0;
};

// Prints the table and, where zek ran, how it stands against the goals.
void printReport(std::FILE* out, const DrawingUnderTest& drawing,
                 const std::vector<Measurement>& rows);

}  // namespace zek::bench
