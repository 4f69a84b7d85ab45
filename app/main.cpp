// The zek program: reads a drawing, writes it back in the generation asked
// for, or prints its statistics.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "db_database.h"
#include "drawing_stats.h"
#include "zek/dxf_io.h"

namespace {

constexpr const char* kUsage =
    "usage: zek DRAWING.dxf -o OUT.dxf [--dxf-version R12|R2000|R2004|R2018]\n"
    "       zek --stats DRAWING.dxf\n";

int usageError(const std::string& message) {
  std::fprintf(stderr, "zek: %s\n%s", message.c_str(), kUsage);
  return 2;
}

void printWarnings(const std::vector<zek::Failure>& warnings) {
  for (const zek::Failure& w : warnings)
    std::fprintf(stderr, "%s\n", w.describe().c_str());
}

}  // namespace

int main(int argc, char** argv) {
  std::string input, output;
  std::optional<zek::DxfVersion> version;
  bool stats = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    auto value = [&](const char* option) -> const char* {
      if (i + 1 >= argc)
        return nullptr;
      (void)option;
      return argv[++i];
    };
    if (arg == "--stats") {
      stats = true;
    } else if (arg == "-o") {
      const char* v = value("-o");
      if (!v) return usageError("-o needs a file name");
      output = v;
    } else if (arg == "--dxf-version") {
      const char* v = value("--dxf-version");
      if (!v) return usageError("--dxf-version needs R12, R2000, R2004 or R2018");
      version = zek::parseDxfVersion(v);
      if (!version) return usageError(std::string("unknown DXF version \"") + v + "\"");
    } else if (arg == "-h" || arg == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (!arg.empty() && arg[0] == '-') {
      return usageError("unknown option " + arg);
    } else if (input.empty()) {
      input = arg;
    } else {
      return usageError("more than one drawing given");
    }
  }
  if (input.empty())
    return usageError("no drawing given");
  if (!stats && output.empty())
    return usageError("nothing to do: give -o OUT.dxf or --stats");

  std::vector<zek::Failure> warnings;
  zek::DxfReadOptions readOptions;
  readOptions.warnings = &warnings;
  auto db = zek::readDxfFile(input, readOptions);
  printWarnings(warnings);
  if (!db.ok()) {
    std::fprintf(stderr, "%s\n", db.failure().describe().c_str());
    return 1;
  }
  if (stats)
    std::fputs(zek::drawingStatistics(*db.value()).c_str(), stdout);
  if (!output.empty()) {
    std::vector<std::string> notes;
    zek::DxfWriteOptions writeOptions;
    writeOptions.version = version;
    writeOptions.notes = &notes;
    zek::Status saved = zek::writeDxfFile(*db.value(), output, writeOptions);
    for (const std::string& note : notes)
      std::printf("%s\n", note.c_str());
    if (!saved.ok()) {
      std::fprintf(stderr, "%s\n", saved.failure().describe().c_str());
      return 1;
    }
  }
  return 0;
}
