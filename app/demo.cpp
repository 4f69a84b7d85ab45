// The demo run over the shipped sample plate.
#include "demo.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "db/support_path.h"
#include "db_database.h"
#include "drawing_stats.h"
#include "session.h"
#include "zek/dxf_io.h"

namespace zek {

namespace {
constexpr const char* kDemoFolder = "out/demo";
}

int runDemo() {
  const std::string sample = shippedDataFolder() + "/samples/plate.dxf";
  std::vector<Failure> warnings;
  DxfReadOptions readOptions;
  readOptions.warnings = &warnings;
  auto db = readDxfFile(sample, readOptions);
  for (const Failure& warning : warnings)
    std::fprintf(stderr, "%s\n", warning.describe().c_str());
  if (!db.ok()) {
    std::fprintf(stderr, "%s\n", db.failure().describe().c_str());
    return 1;
  }
  std::fputs(drawingStatistics(*db.value()).c_str(), stdout);

  std::error_code error;
  std::filesystem::create_directories(kDemoFolder, error);
  if (error) {
    std::fprintf(stderr, "%s: cannot make the folder: %s\n", kDemoFolder, error.message().c_str());
    return 1;
  }
  // The drafter's copy of the plate, worked on in place as a drafter would.
  const std::string folder = kDemoFolder;
  const std::string drawing = folder + "/plate.dxf";
  std::filesystem::copy_file(sample, drawing, std::filesystem::copy_options::overwrite_existing,
                             error);
  if (error) {
    std::fprintf(stderr, "%s: cannot copy the sample plate: %s\n", drawing.c_str(),
                 error.message().c_str());
    return 1;
  }
  // The demo's own application registry (zekregister writes one as it
  // loads): made afresh in out/demo/profile, never the drafter's.
  const std::string profile = folder + "/profile";
  std::filesystem::remove_all(profile, error);
  std::filesystem::create_directories(profile, error);
  if (error) {
    std::fprintf(stderr, "%s: cannot make the folder: %s\n", profile.c_str(), error.message().c_str());
    return 1;
  }
  ::setenv("ZEK_PROFILE", std::filesystem::absolute(profile).c_str(), 1);
  // The modules at work on the plate, as a drafter's script would run them.
  ProgramOptions options;
  options.drawing = drawing;
  options.modules = {"zekgetpoint", "zekislands", "zekcenline", "zekboundary",
                     "zekovercut",  "zekleaderdcc", "zekalign",   "zekalignuu",
                     "zekcommand",  "zekregister"};
  options.inputs = {{InputItem::Kind::Script, shippedDataFolder() + "/demo/demo.scr"}};
  options.output = drawing;
  options.renders = {folder + "/plate.png", folder + "/plate.svg"};
  options.transcript = folder + "/transcript.txt";
  const int status = runSession(options, SessionEnvironment{});
  if (status != kExitDone)
    return status;
  for (const std::string& written : {drawing, options.renders[0], options.renders[1],
                                     options.transcript, profile + "/registry"})
    std::printf("written: %s\n", written.c_str());
  return 0;
}

}  // namespace zek
