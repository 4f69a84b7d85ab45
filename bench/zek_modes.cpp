// Our reader and writer measured the way the peers are.
#include "zek_modes.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <system_error>

#include "db_database.h"
#include "zek/dxf_io.h"

namespace zek::bench {

namespace {

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

ModeOutcome failed(std::string note) {
  ModeOutcome o;
  o.note = std::move(note);
  return o;
}

// The writer keeps an existing NAME.dxf as NAME.bak: start from neither, so
// the timed write is the same work every run.
void clearOutput(const std::string& out) {
  std::error_code ignored;
  std::filesystem::remove(out, ignored);
  std::filesystem::path bak(out);
  bak.replace_extension(".bak");
  std::filesystem::remove(bak, ignored);
}

}  // namespace

ModeOutcome zekRead(const std::string& file) {
  auto start = std::chrono::steady_clock::now();
  auto read = readDxfFile(file);
  double seconds = secondsSince(start);
  if (!read.ok())
    return failed(read.failure().describe());
  ModeOutcome o;
  o.ok = true;
  o.seconds = seconds;
  o.entities = zekEntityCount(*read.value());
  o.bytes = fileBytes(file);
  return o;
}

ModeOutcome zekWrite(const std::string& file, const std::string& out) {
  auto read = readDxfFile(file);
  if (!read.ok())
    return failed(read.failure().describe());
  clearOutput(out);
  auto start = std::chrono::steady_clock::now();
  Status written = writeDxfFile(*read.value(), out);
  double seconds = secondsSince(start);
  if (!written.ok())
    return failed(written.failure().describe());
  ModeOutcome o;
  o.ok = true;
  o.seconds = seconds;
  o.entities = zekEntityCount(*read.value());
  o.bytes = fileBytes(out);
  return o;
}

ModeOutcome zekRoundTrip(const std::string& file, const std::string& out) {
  auto read = readDxfFile(file);
  if (!read.ok())
    return failed(read.failure().describe());
  clearOutput(out);
  Status written = writeDxfFile(*read.value(), out);
  if (!written.ok())
    return failed(written.failure().describe());
  auto reread = readDxfFile(out);
  if (!reread.ok())
    return failed("our own output: " + reread.failure().describe());
  ModeOutcome o;
  o.entities = zekEntityCount(*reread.value());
  o.bytes = fileBytes(out);
  if (o.entities != zekEntityCount(*read.value())) {
    o.note = "entity count changed: " + std::to_string(zekEntityCount(*read.value())) + " read, " +
             std::to_string(o.entities) + " read back";
    return o;
  }
  if (auto difference = zekFirstDoubleDifference(*read.value(), *reread.value())) {
    o.note = *difference;
    return o;
  }
  o.ok = true;
  o.note = "exact";
  return o;
}

}  // namespace zek::bench
