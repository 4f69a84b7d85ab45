// The demo run over the shipped sample plate.
#include "demo.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "db/support_path.h"
#include "db_database.h"
#include "drawing_stats.h"
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
  const std::string output = std::string(kDemoFolder) + "/plate.dxf";
  std::vector<std::string> notes;
  DxfWriteOptions writeOptions;
  writeOptions.notes = &notes;
  Status saved = writeDxfFile(*db.value(), output, writeOptions);
  for (const std::string& note : notes)
    std::printf("%s\n", note.c_str());
  if (!saved.ok()) {
    std::fprintf(stderr, "%s\n", saved.failure().describe().c_str());
    return 1;
  }
  std::printf("written: %s\n", output.c_str());
  return 0;
}

}  // namespace zek
