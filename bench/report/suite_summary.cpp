// Medians, ratios, growth and goals over the suite's records.
#include "suite_summary.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <tuple>

namespace zek::bench {

namespace {

constexpr double kReadSpeedGoal = 2.0;       // times libdime's speed
constexpr double kWriteSpeedGoal = 100e6;    // bytes a second
constexpr double kPeakMemoryGoal = 1.5;      // peak resident memory over the file
constexpr double kWindowGoal = 0.050;        // seconds, crossing window over 10^6 entities
constexpr double kRenderGoal = 2.0;          // seconds, 10^6 entities to PNG
constexpr double kCommandGoal = 2.0;         // seconds, a module command on its largest plate
constexpr std::uint64_t kMillion = 1000000;

bool isPeer(const std::string& tool) { return tool != "zek" && tool != "floor"; }

// The figure of one operation and tool at the largest size that has it
// (at least `atLeast` entities), or none.
const Figure* largest(const std::vector<Figure>& figures, const std::string& operation,
                      const std::string& tool, std::uint64_t atLeast = 0) {
  const Figure* found = nullptr;
  for (const Figure& f : figures)
    if (f.record.operation == operation && f.record.tool == tool && f.record.size >= atLeast &&
        (!found || f.record.size > found->record.size))
      found = &f;
  return found;
}

const Figure* at(const std::vector<Figure>& figures, const std::string& operation,
                 const std::string& tool, std::uint64_t size) {
  for (const Figure& f : figures)
    if (f.record.operation == operation && f.record.tool == tool && f.record.size == size)
      return &f;
  return nullptr;
}

void ratiosTo(std::vector<Figure>& figures) {
  for (Figure& ours : figures) {
    if (ours.record.tool != "zek" || ours.median <= 0.0)
      continue;
    for (const Figure& other : figures) {
      if (other.record.operation != ours.record.operation ||
          other.record.size != ours.record.size || other.median <= 0.0)
        continue;
      if (other.record.tool == "floor") {
        ours.oursOverFloor = ours.median / other.median;
      } else if (isPeer(other.record.tool)) {
        const double ratio = other.median / ours.median;
        if (!ours.fastestPeerOverOurs || ratio < *ours.fastestPeerOverOurs) {
          ours.fastestPeerOverOurs = ratio;
          ours.fastestPeer = other.record.tool;
        }
      }
    }
    // Writing has no floor of its own: the scan of the same file stands for
    // it ("dxf write R12" against "dxf read R12").
    const std::string& operation = ours.record.operation;
    if (!ours.oursOverFloor && operation.starts_with("dxf write"))
      if (const Figure* scan = at(figures, "dxf read" + operation.substr(9), "floor",
                                  ours.record.size);
          scan && scan->median > 0.0)
        ours.oursOverFloor = ours.median / scan->median;
  }
}

void growthOf(std::vector<Figure>& figures) {
  for (Figure& f : figures) {
    if (f.perElement <= 0.0)
      continue;
    const Figure* smaller = nullptr;
    for (const Figure& g : figures)
      if (g.record.operation == f.record.operation && g.record.tool == f.record.tool &&
          g.record.size < f.record.size && g.perElement > 0.0 && g.record.size > 0 &&
          (!smaller || g.record.size > smaller->record.size))
        smaller = &g;
    if (!smaller)
      continue;
    const double decades = std::log10(static_cast<double>(f.record.size) /
                                      static_cast<double>(smaller->record.size));
    if (decades <= 0.0)
      continue;
    f.growthPerDecade = std::pow(f.perElement / smaller->perElement, 1.0 / decades);
    f.flagged = *f.growthPerDecade > kFlaggedGrowth;
  }
}

Goal readGoal(const std::vector<Figure>& figures) {
  Goal goal{"DXF read", ">= 2x libdime", "", false};
  const Figure* ours = largest(figures, "dxf read", "zek");
  if (!ours)
    return goal;
  const Figure* dime = at(figures, "dxf read", "dime", ours->record.size);
  if (!dime || ours->median <= 0.0)
    return goal;
  const double speed = dime->median / ours->median;
  goal.figure = formatted("%.2fx libdime", speed) + " at " + grouped(ours->record.size) +
                " entities";
  if (ours->oursOverFloor)
    goal.figure += formatted(", %.1fx the floor's time", *ours->oursOverFloor);
  goal.met = speed >= kReadSpeedGoal;
  return goal;
}

Goal writeGoal(const std::vector<Figure>& figures) {
  Goal goal{"DXF write", ">= 100 MB/s, exact round trip", "", false};
  const Figure* ours = largest(figures, "dxf write", "zek");
  if (!ours || ours->median <= 0.0)
    return goal;
  const double speed = static_cast<double>(ours->record.bytes) / ours->median;
  const Figure* trip = at(figures, "dxf round trip", "zek", ours->record.size);
  const bool exact = trip && trip->record.note == "exact";
  goal.figure = formatted("%.1f MB/s", speed / 1e6) + " at " + grouped(ours->record.size) +
                " entities, round trip " + (trip ? trip->record.note : "not checked");
  goal.met = speed >= kWriteSpeedGoal && exact;
  return goal;
}

Goal memoryGoal(const std::vector<Figure>& figures) {
  // Judged on every version read ("dxf read", "dxf read R12"), each at its
  // largest size: the worst of them counts.
  Goal goal{"Read memory", "peak <= 1.5x the file", "", false};
  double worst = 0.0;
  const Figure* worstFigure = nullptr;
  for (const Figure& f : figures) {
    if (f.record.tool != "zek" || !f.record.operation.starts_with("dxf read"))
      continue;
    const Figure* ours = largest(figures, f.record.operation, "zek");
    if (ours != &f || f.record.bytes == 0 || f.record.peakBytes == 0)
      continue;
    const double peak =
        static_cast<double>(f.record.peakBytes) / static_cast<double>(f.record.bytes);
    if (!worstFigure || peak > worst)
      worst = peak, worstFigure = &f;
  }
  if (!worstFigure)
    return goal;
  goal.figure = formatted("peak %.2fx the file", worst) + " (" + worstFigure->record.operation +
                " at " + grouped(worstFigure->record.size) + " entities)";
  goal.met = worst <= kPeakMemoryGoal;
  return goal;
}

// A time goal on the largest size of at least a million entities.
Goal timeGoal(const std::vector<Figure>& figures, const char* name, const char* operation,
              double seconds, const char* target) {
  Goal goal{name, target, "", false};
  const Figure* ours = largest(figures, operation, "zek", kMillion);
  if (!ours)
    return goal;
  goal.figure = formatted("%.1f ms", ours->median * 1e3) + " at " + grouped(ours->record.size) +
                " entities";
  goal.met = ours->median < seconds;
  return goal;
}

Goal growthGoal(const std::vector<Figure>& figures) {
  Goal goal{"Growth", "selection, chains, islands n log n (<= 1.5 per decade)", "", false};
  static const char* const kOperations[] = {"crossing window", "chain builder", "island sweep"};
  double worst = 0.0;
  std::string worstName;
  bool any = false;
  for (const Figure& f : figures) {
    if (f.record.tool != "zek" || !f.growthPerDecade)
      continue;
    if (std::find(std::begin(kOperations), std::end(kOperations), f.record.operation) ==
        std::end(kOperations))
      continue;
    any = true;
    if (*f.growthPerDecade > worst) {
      worst = *f.growthPerDecade;
      worstName = f.record.operation + " to " + grouped(f.record.size);
    }
  }
  if (!any)
    return goal;
  goal.figure = formatted("worst %.2f per decade", worst) + " (" + worstName + ")";
  goal.met = worst <= kFlaggedGrowth;
  return goal;
}

// Each module command measured ("command ZEKXY"): its largest size under 2 s.
void commandGoals(const std::vector<Figure>& figures, std::vector<Goal>& goals) {
  std::vector<std::string> seen;
  for (const Figure& f : figures) {
    const std::string& operation = f.record.operation;
    if (f.record.tool != "zek" || !operation.starts_with("command ") ||
        std::find(seen.begin(), seen.end(), operation) != seen.end())
      continue;
    seen.push_back(operation);
    const Figure* ours = largest(figures, operation, "zek");
    Goal goal{operation.substr(8), "< 2 s on its largest plate", "", false};
    goal.figure = formatted("%.1f ms", ours->median * 1e3) + " at " +
                  grouped(ours->record.elements) + " holes";
    goal.met = ours->median < kCommandGoal;
    goals.push_back(goal);
  }
}

}  // namespace

std::string formatted(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string grouped(std::uint64_t n) {
  std::string digits = std::to_string(n);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
    digits.insert(static_cast<std::size_t>(at), ",");
  return digits;
}

std::vector<Figure> summarise(const std::vector<BenchRecord>& records) {
  std::vector<Figure> figures;
  std::map<std::tuple<std::string, std::string, std::uint64_t>, std::size_t> index;
  for (const BenchRecord& record : records) {
    Figure f;
    f.record = record;
    f.median = medianSeconds(record.seconds);
    if (!record.seconds.empty()) {
      const auto [low, high] = std::minmax_element(record.seconds.begin(), record.seconds.end());
      f.min = *low;
      f.max = *high;
    }
    if (record.elements > 0)
      f.perElement = f.median / static_cast<double>(record.elements);
    const auto key = std::make_tuple(record.operation, record.tool, record.size);
    if (auto found = index.find(key); found != index.end()) {
      figures[found->second] = std::move(f);
    } else {
      index.emplace(key, figures.size());
      figures.push_back(std::move(f));
    }
  }
  ratiosTo(figures);
  growthOf(figures);
  return figures;
}

std::vector<Goal> judgeGoals(const std::vector<Figure>& figures) {
  std::vector<Goal> goals = {
      readGoal(figures),
      writeGoal(figures),
      memoryGoal(figures),
      timeGoal(figures, "Crossing window", "crossing window", kWindowGoal,
               "< 50 ms over 10^6 entities"),
      growthGoal(figures),
      timeGoal(figures, "Render", "render png", kRenderGoal,
               "10^6 entities to 2000x1500 PNG < 2 s"),
  };
  commandGoals(figures, goals);
  return goals;
}

}  // namespace zek::bench
