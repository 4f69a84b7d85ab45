// What the suite's report makes of the records: each figure's median, minimum
// and maximum, its ratio to the fastest peer and to the floor, its growth per
// decade of drawing size, and the goals met or missed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bench_record.h"

namespace zek::bench {

// Time per element growing by more than this from one decade to the next is
// worse than n log n on these sizes, and flagged.
constexpr double kFlaggedGrowth = 1.5;

struct Figure {
  BenchRecord record;
  double median = 0.0;  // seconds
  double min = 0.0;
  double max = 0.0;
  double perElement = 0.0;  // median / elements, seconds (0: no elements)
  // Our figures only (tool "zek"), where the same operation and size has
  // them: the fastest peer's median over ours (2.0: we took half its time),
  // and ours over the floor's (how many times the bare scan's time).
  std::optional<double> fastestPeerOverOurs;
  std::string fastestPeer;
  std::optional<double> oursOverFloor;
  // The time per element over that of the next smaller size of the same
  // operation and tool, brought to one decade (r^(1 / log10 of the size step)).
  std::optional<double> growthPerDecade;
  bool flagged = false;  // growthPerDecade above kFlaggedGrowth
};

// The figures in the order of the records, a later record of the same
// operation, tool and size replacing an earlier one. Records without timed
// runs (checks) are kept with zero times.
[[nodiscard]] std::vector<Figure> summarise(const std::vector<BenchRecord>& records);

struct Goal {
  std::string name;    // "DXF read"
  std::string target;  // ">= 2x libdime"
  std::string figure;  // "2.31x libdime at 1,000,000 entities"; empty: not measured
  bool met = false;
};

// A figure as printf's format gives it, and a count with its thousands
// grouped ("1,000,000"): the report's texts.
[[nodiscard]] std::string formatted(const char* format, double value);
[[nodiscard]] std::string grouped(std::uint64_t n);

// The goals of the suite, each judged on the largest size that has what it needs.
[[nodiscard]] std::vector<Goal> judgeGoals(const std::vector<Figure>& figures);

}  // namespace zek::bench
