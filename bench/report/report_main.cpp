// zek-bench-report: the suite's one table and bench/results/latest.json,
// from the record file every bench of `make bench` appended to.
//   zek-bench-report RECORDS.tsv [--json OUT.json]
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <string_view>

#include "bench_record.h"
#include "suite_output.h"
#include "suite_summary.h"

namespace {

std::string utcNow() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  std::string records, json;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--json" && i + 1 < argc)
      json = argv[++i];
    else if (records.empty() && !arg.starts_with("-"))
      records = arg;
    else {
      std::fprintf(stderr, "usage: zek-bench-report RECORDS.tsv [--json OUT.json]\n");
      return 2;
    }
  }
  if (records.empty()) {
    std::fprintf(stderr, "usage: zek-bench-report RECORDS.tsv [--json OUT.json]\n");
    return 2;
  }
  std::size_t damaged = 0;
  const auto read = zek::bench::readRecords(records, &damaged);
  if (read.empty()) {
    std::fprintf(stderr, "zek-bench-report: %s: no records\n", records.c_str());
    return 1;
  }
  if (damaged)
    std::fprintf(stderr, "zek-bench-report: %s: %zu damaged lines passed over\n",
                 records.c_str(), damaged);
  const auto figures = zek::bench::summarise(read);
  const auto goals = zek::bench::judgeGoals(figures);
  zek::bench::printSuiteTable(stdout, figures, goals);
  if (!json.empty()) {
    std::ofstream out(json, std::ios::binary | std::ios::trunc);
    out << zek::bench::suiteJson(figures, goals, utcNow());
    out.close();
    if (!out) {
      std::fprintf(stderr, "zek-bench-report: %s: cannot write\n", json.c_str());
      return 1;
    }
  }
  return 0;
}
