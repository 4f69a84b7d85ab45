// The zek program: the command line parsed, then one of its modes run:
// a session over a drawing, the statistics of a drawing, the demo, help.
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "command_line.h"
#include "db_database.h"
#include "demo.h"
#include "drawing_stats.h"
#include "session.h"
#include "terminal_source.h"
#include "zek/dxf_io.h"

namespace {

// zek --stats: reader warnings and a failure go to standard error.
int printStatistics(const std::string& path) {
  std::vector<zek::Failure> warnings;
  zek::DxfReadOptions readOptions;
  readOptions.warnings = &warnings;
  auto db = zek::readDxfFile(path, readOptions);
  for (const zek::Failure& warning : warnings)
    std::fprintf(stderr, "%s\n", warning.describe().c_str());
  if (!db.ok()) {
    std::fprintf(stderr, "%s\n", db.failure().describe().c_str());
    return zek::kExitDrawingFailed;
  }
  std::fputs(zek::drawingStatistics(*db.value()).c_str(), stdout);
  return zek::kExitDone;
}

}  // namespace

int main(int argc, char** argv) {
  const zek::CommandLine line = zek::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  using Mode = zek::CommandLine::Mode;
  switch (line.mode) {
    case Mode::Help:
      std::fputs(zek::helpText(), stdout);
      return zek::kExitDone;
    case Mode::Version:
      std::printf("zek %s\n", ZEK_VERSION);
      return zek::kExitDone;
    case Mode::Usage:
      std::fprintf(stderr, "zek: %s\n%s", line.usageError.c_str(), zek::usageSynopsis());
      return zek::kExitUsage;
    case Mode::Stats:
      return printStatistics(line.options.drawing);
    case Mode::Demo:
      return zek::runDemo();
    case Mode::Run:
      break;
  }
  zek::SessionEnvironment environment;
  environment.stdinIsTerminal = isatty(STDIN_FILENO) != 0;
  environment.openTerminal = zek::openTerminalInput;
  return zek::runSession(line.options, environment);
}
