// The suite's report: one table on a stream, and the same figures as JSON.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "suite_summary.h"

namespace zek::bench {

// The table: per operation and size, our row first, then the floor and the
// peers, with median, min and max, time per element, throughput, peak
// memory, the ratios and the growth per decade (flagged "!" above 1.5); then
// the goals, each "met" or "NOT met" (or "not measured").
void printSuiteTable(std::FILE* out, const std::vector<Figure>& figures,
                     const std::vector<Goal>& goals);

// The JSON document of bench/results/latest.json.
[[nodiscard]] std::string suiteJson(const std::vector<Figure>& figures,
                                    const std::vector<Goal>& goals, const std::string& when);

}  // namespace zek::bench
