// Formatting of the benchmark table and the goal lines.
#include "bench_report.h"

#include <cstring>
#include <string>

namespace zek::bench {

namespace {

constexpr double kMegabyte = 1e6;
constexpr double kReadSpeedGoal = 2.0;    // zek reads at least twice as fast as libdime
constexpr double kWriteSpeedGoal = 100.0; // MB/s
constexpr double kPeakMemoryGoal = 1.5;   // peak resident memory over file size

const Measurement* findRow(const std::vector<Measurement>& rows, const char* name) {
  for (const Measurement& m : rows)
    if (std::strcmp(m.mode->name, name) == 0 && m.ran && m.outcome.ok)
      return &m;
  return nullptr;
}

double megabytesPerSecond(const Measurement& m) {
  return m.outcome.seconds > 0 ? m.outcome.bytes / kMegabyte / m.outcome.seconds : 0;
}

double peakOverFile(const Measurement& m, std::uint64_t fileBytes) {
  return fileBytes ? m.peakKilobytes * 1024.0 / static_cast<double>(fileBytes) : 0;
}

void printRow(std::FILE* out, const Measurement& m, const DrawingUnderTest& d,
              const std::vector<Measurement>& rows) {
  std::fprintf(out, "  %-14s", m.mode->name);
  if (!m.ran || !m.outcome.ok) {
    std::fprintf(out, " %s\n", m.outcome.note.empty() ? "failed" : m.outcome.note.c_str());
    return;
  }
  const ModeOutcome& o = m.outcome;
  if (m.mode->kind == ModeKind::Check) {
    std::fprintf(out, " %s\n", o.note.c_str());
    return;
  }
  std::fprintf(out, " %9.3f %8.1f", o.seconds, megabytesPerSecond(m));
  if (m.mode->kind == ModeKind::Read)
    std::fprintf(out, " %12.0f", o.seconds > 0 ? o.entities / o.seconds : 0);
  else
    std::fprintf(out, " %12s", "");
  std::fprintf(out, " %8.1f", m.peakKilobytes * 1024.0 / kMegabyte);
  if (m.mode->kind == ModeKind::Read)
    std::fprintf(out, " %8.2fx", peakOverFile(m, d.bytes));
  else
    std::fprintf(out, " %9s", "");
  const char* zekMode = m.mode->kind == ModeKind::Read ? "zek-read" : "zek-write";
  const Measurement* zek = findRow(rows, zekMode);
  if (zek && zek != &m && zek->outcome.seconds > 0)
    std::fprintf(out, " %9.2f", o.seconds / zek->outcome.seconds);
  else
    std::fprintf(out, " %9s", "-");
  // A reader that kept other than every entity is not doing the same work.
  if (m.mode->kind == ModeKind::Read && o.entities != d.entities)
    std::fprintf(out, "  (counted %llu of %llu entities)",
                 static_cast<unsigned long long>(o.entities),
                 static_cast<unsigned long long>(d.entities));
  std::fputc('\n', out);
}

const char* verdict(bool met) { return met ? "met" : "NOT met"; }

// One goal line: what it measures, the figure, the goal, and whether it is met.
void goalLine(std::FILE* out, const char* what, const std::string& figure, const char* goal,
              const char* state) {
  std::fprintf(out, "    %-12s %-34s %-24s %s\n", what, figure.c_str(), goal, state);
}

std::string formatted(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

void printGoals(std::FILE* out, const DrawingUnderTest& d, const std::vector<Measurement>& rows) {
  const Measurement* read = findRow(rows, "zek-read");
  const Measurement* write = findRow(rows, "zek-write");
  const Measurement* dime = findRow(rows, "dime-read");
  const Measurement* trip = nullptr;
  for (const Measurement& m : rows)
    if (std::strcmp(m.mode->name, "zek-roundtrip") == 0 && m.ran)
      trip = &m;
  std::fprintf(out, "  goals:\n");
  if (read && dime && read->outcome.seconds > 0) {
    double speed = dime->outcome.seconds / read->outcome.seconds;
    goalLine(out, "read speed", formatted("%.2fx as fast as libdime", speed), ">= 2x libdime",
             verdict(speed >= kReadSpeedGoal));
  } else {
    goalLine(out, "read speed", "needs zek-read and dime-read", ">= 2x libdime", "-");
  }
  if (write) {
    double speed = megabytesPerSecond(*write);
    goalLine(out, "write speed", formatted("%.1f MB/s", speed), ">= 100 MB/s",
             verdict(speed >= kWriteSpeedGoal));
  } else {
    goalLine(out, "write speed", "needs zek-write", ">= 100 MB/s", "-");
  }
  if (trip) {
    goalLine(out, "round trip", trip->outcome.note.empty() ? "failed" : trip->outcome.note,
             "bit-identical doubles", verdict(trip->outcome.ok));
  } else {
    goalLine(out, "round trip", "needs zek-roundtrip", "bit-identical doubles", "-");
  }
  if (read) {
    double peak = peakOverFile(*read, d.bytes);
    goalLine(out, "read memory", formatted("peak %.2fx the file", peak), "<= 1.5x the file",
             verdict(peak <= kPeakMemoryGoal));
    // On small files the program's own start-up (the baseline reader's peak)
    // weighs in; this line shows the drawing's share alone.
    if (const Measurement* base = findRow(rows, "baseline"); base && d.bytes) {
      double net = (read->peakKilobytes - base->peakKilobytes) * 1024.0 / static_cast<double>(d.bytes);
      goalLine(out, "  drawing", formatted("%.2fx the file beyond start-up", net), "(for reference)", "");
    }
  } else {
    goalLine(out, "read memory", "needs zek-read", "<= 1.5x the file", "-");
  }
}

}  // namespace

void printReport(std::FILE* out, const DrawingUnderTest& d, const std::vector<Measurement>& rows) {
  std::fprintf(out, "\n%s: %llu entities, %.1f MB\n", d.path.c_str(),
               static_cast<unsigned long long>(d.entities), d.bytes / kMegabyte);
  std::fprintf(out, "  %-14s %9s %8s %12s %8s %9s %9s\n", "mode", "seconds", "MB/s", "entities/s",
               "peak MB", "peak/file", "time/zek");
  for (const Measurement& m : rows)
    printRow(out, m, d, rows);
  printGoals(out, d, rows);
}

}  // namespace zek::bench
