// Printing the suite's table and writing its JSON.
#include "suite_output.h"

#include <algorithm>
#include <cmath>

namespace zek::bench {

namespace {

int toolRank(const std::string& tool) {
  if (tool == "zek")
    return 0;
  return tool == "floor" ? 1 : 2;
}

// Operations in the order they first appear, then size, then our row first.
std::vector<const Figure*> tableOrder(const std::vector<Figure>& figures) {
  std::vector<std::string> operations;
  for (const Figure& f : figures)
    if (std::find(operations.begin(), operations.end(), f.record.operation) == operations.end())
      operations.push_back(f.record.operation);
  std::vector<const Figure*> order;
  for (const Figure& f : figures)
    order.push_back(&f);
  std::stable_sort(order.begin(), order.end(), [&](const Figure* a, const Figure* b) {
    const auto rankOf = [&](const Figure* f) {
      return std::find(operations.begin(), operations.end(), f->record.operation) -
             operations.begin();
    };
    if (rankOf(a) != rankOf(b))
      return rankOf(a) < rankOf(b);
    if (a->record.size != b->record.size)
      return a->record.size < b->record.size;
    return toolRank(a->record.tool) < toolRank(b->record.tool);
  });
  return order;
}

std::string optionalRatio(const std::optional<double>& ratio, const char* format) {
  return ratio ? formatted(format, *ratio) : "-";
}

void printRow(std::FILE* out, const Figure& f) {
  const BenchRecord& r = f.record;
  std::fprintf(out, "%-16s %10s %-7s", r.operation.c_str(), grouped(r.size).c_str(),
               r.tool.c_str());
  if (r.seconds.empty()) {
    std::fprintf(out, " %s\n", r.note.empty() ? "(no timed runs)" : r.note.c_str());
    return;
  }
  const std::string megabytes =
      r.bytes && f.median > 0 ? formatted("%.1f", static_cast<double>(r.bytes) / 1e6 / f.median)
                              : "-";
  const std::string peak = r.peakBytes ? formatted("%.1f", static_cast<double>(r.peakBytes) / 1e6)
                                       : "-";
  const std::string peakOverFile =
      r.peakBytes && r.bytes && r.operation.starts_with("dxf read")
          ? formatted("%.2f", static_cast<double>(r.peakBytes) / static_cast<double>(r.bytes))
          : "-";
  // Elements a second, in thousands: entities read or written, boxes swept.
  const std::string perSecond =
      f.perElement > 0 ? formatted("%.0f", 1e-3 / f.perElement) : "-";
  std::string growth = optionalRatio(f.growthPerDecade, "%.2f");
  if (f.flagged)
    growth += " !";
  std::fprintf(out, " %10.2f %9.2f %9.2f %9.3f %8s %7s %8s %6s %8s %9s %7s  (%zu runs)\n",
               f.median * 1e3, f.min * 1e3, f.max * 1e3, f.perElement * 1e6, perSecond.c_str(),
               megabytes.c_str(),
               peak.c_str(), peakOverFile.c_str(),
               optionalRatio(f.fastestPeerOverOurs, "%.2f").c_str(),
               optionalRatio(f.oursOverFloor, "%.2f").c_str(), growth.c_str(), r.seconds.size());
}

void appendEscaped(std::string& json, const std::string& text) {
  json += '"';
  for (char c : text) {
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      json += formatted("\\u%04x", static_cast<unsigned char>(c));
    } else {
      json += c;
    }
  }
  json += '"';
}

std::string number(double value) {
  return std::isfinite(value) ? formatted("%.9g", value) : "null";
}

std::string optionalNumber(const std::optional<double>& value) {
  return value ? number(*value) : "null";
}

}  // namespace

void printSuiteTable(std::FILE* out, const std::vector<Figure>& figures,
                     const std::vector<Goal>& goals) {
  std::fprintf(out,
               "%-16s %10s %-7s %10s %9s %9s %9s %8s %7s %8s %6s %8s %9s %7s\n", "operation",
               "entities", "tool", "median ms", "min ms", "max ms", "us/elem", "k elem/s", "MB/s",
               "peak MB", "peak/f", "peer/zek", "zek/floor", "growth");
  std::string last;
  for (const Figure* f : tableOrder(figures)) {
    if (!last.empty() && f->record.operation != last)
      std::fputc('\n', out);
    last = f->record.operation;
    printRow(out, *f);
  }
  std::fprintf(out,
               "\nk elem/s: thousands of elements a second (entities read or written, boxes, "
               "holes); peer/zek: the fastest peer's time over ours (2.00: we take half its time); "
               "zek/floor: ours over the floor's\n(reading the file and splitting its group-code "
               "lines); growth: time per element over the next smaller size's, per decade "
               "(! above 1.5).\n\ngoals:\n");
  for (const Goal& g : goals)
    std::fprintf(out, "  %-16s %-40s %-48s %s\n", g.name.c_str(), g.target.c_str(),
                 g.figure.empty() ? "-" : g.figure.c_str(),
                 g.figure.empty() ? "not measured" : g.met ? "met" : "NOT met");
}

std::string suiteJson(const std::vector<Figure>& figures, const std::vector<Goal>& goals,
                      const std::string& when) {
  std::string json = "{\n  \"when\": ";
  appendEscaped(json, when);
  json += ",\n  \"figures\": [";
  for (std::size_t i = 0; i < figures.size(); ++i) {
    const Figure& f = figures[i];
    const BenchRecord& r = f.record;
    json += i ? ",\n    {" : "\n    {";
    json += "\"operation\": ";
    appendEscaped(json, r.operation);
    json += ", \"tool\": ";
    appendEscaped(json, r.tool);
    json += ", \"entities\": " + std::to_string(r.size);
    json += ", \"elements\": " + std::to_string(r.elements);
    json += ", \"bytes\": " + std::to_string(r.bytes);
    json += ", \"peak_bytes\": " + std::to_string(r.peakBytes);
    json += ", \"median_s\": " + number(f.median);
    json += ", \"min_s\": " + number(f.min);
    json += ", \"max_s\": " + number(f.max);
    json += ", \"runs_s\": [";
    for (std::size_t k = 0; k < r.seconds.size(); ++k)
      json += (k ? ", " : "") + number(r.seconds[k]);
    json += "], \"per_element_s\": " + number(f.perElement);
    json += ", \"elements_per_s\": " + (f.perElement > 0 ? number(1.0 / f.perElement) : "null");
    json += ", \"fastest_peer\": ";
    if (f.fastestPeer.empty())
      json += "null";
    else
      appendEscaped(json, f.fastestPeer);
    json += ", \"fastest_peer_time_over_ours\": " + optionalNumber(f.fastestPeerOverOurs);
    json += ", \"our_time_over_floor\": " + optionalNumber(f.oursOverFloor);
    json += ", \"growth_per_decade\": " + optionalNumber(f.growthPerDecade);
    json += std::string(", \"flagged\": ") + (f.flagged ? "true" : "false");
    json += ", \"note\": ";
    appendEscaped(json, r.note);
    json += "}";
  }
  json += "\n  ],\n  \"goals\": [";
  for (std::size_t i = 0; i < goals.size(); ++i) {
    const Goal& g = goals[i];
    json += i ? ",\n    {" : "\n    {";
    json += "\"name\": ";
    appendEscaped(json, g.name);
    json += ", \"target\": ";
    appendEscaped(json, g.target);
    json += ", \"figure\": ";
    appendEscaped(json, g.figure);
    json += std::string(", \"measured\": ") + (g.figure.empty() ? "false" : "true");
    json += std::string(", \"met\": ") + (g.met ? "true" : "false") + "}";
  }
  json += "\n  ]\n}\n";
  return json;
}

}  // namespace zek::bench
