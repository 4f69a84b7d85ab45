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

// One drawing of the demo: the shipped sample copied to out/demo/, a script
// of the modules run on it, the drawing saved and drawn.
struct DemoDrawing {
  const char* sample;  // in the shipped samples folder
  const char* script;  // in the shipped demo folder
  const char* name;    // the copy's name, without extension
};

constexpr DemoDrawing kDemoDrawings[] = {
    {"plate.dxf", "demo.scr", "plate"},
    {"plates-pair.dxf", "ordinates.scr", "plates-pair"},
    {"plate-table.dxf", "tables.scr", "plate-table"},
};

// The modules at work, as a drafter's script would load them.
const std::vector<std::string> kDemoModules = {
    "zekgetpoint", "zekislands", "zekcenline", "zekboundary", "zekovercut", "zekleaderdcc",
    "zekalign",    "zekalignuu", "zekcommand", "zekregister", "zekadxy1",
    "zektable"};

bool copySample(const std::string& sample, const std::string& drawing) {
  std::error_code error;
  std::filesystem::copy_file(sample, drawing, std::filesystem::copy_options::overwrite_existing,
                             error);
  if (error) {
    std::fprintf(stderr, "%s: cannot copy the sample drawing: %s\n", drawing.c_str(),
                 error.message().c_str());
    return false;
  }
  return true;
}

}  // namespace

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
  const std::string folder = kDemoFolder;
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

  std::vector<std::string> written;
  for (const DemoDrawing& demo : kDemoDrawings) {
    // The drafter's copy of the drawing, worked on in place as a drafter would.
    const std::string base = folder + "/" + demo.name;
    ProgramOptions options;
    options.drawing = base + ".dxf";
    if (!copySample(shippedDataFolder() + "/samples/" + demo.sample, options.drawing))
      return 1;
    options.modules = kDemoModules;
    options.inputs = {{InputItem::Kind::Script, shippedDataFolder() + "/demo/" + demo.script}};
    options.output = options.drawing;
    options.renders = {base + ".png", base + ".svg"};
    options.transcript = base == folder + "/plate" ? folder + "/transcript.txt"
                                                   : base + "-transcript.txt";
    const int status = runSession(options, SessionEnvironment{});
    if (status != kExitDone)
      return status;
    for (const std::string& file :
         {options.drawing, options.renders[0], options.renders[1], options.transcript})
      written.push_back(file);
  }
  written.push_back(profile + "/registry");
  for (const std::string& file : written)
    std::printf("written: %s\n", file.c_str());
  return 0;
}

}  // namespace zek
