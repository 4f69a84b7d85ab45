// What both DXF targets check of a drawing they read: it saves, and the
// saved text reads again. A drawing we read must save to a file we read.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "db_database.h"
#include "zek/dxf_io.h"

namespace zek::fuzz {

// Stops the run (a crash libFuzzer keeps) with what went wrong.
[[noreturn]] inline void fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
  std::abort();
}

// Reads the input as a DXF file; when it reads, writes the drawing back in
// the generation it was read in and reads what was written.
inline void readWriteRead(std::string input) {
  std::vector<Failure> warnings;
  DxfReadOptions options;
  options.warnings = &warnings;
  auto read = readDxfString(std::move(input), "fuzz.dxf", options);
  if (!read)
    return;  // a damaged file is refused with a Failure: that is the reader's answer
  auto written = writeDxfString(*read.value());
  if (!written)
    fail("a drawing that was read does not save", written.failure().describe());
  std::vector<Failure> rereadWarnings;
  DxfReadOptions rereadOptions;
  rereadOptions.warnings = &rereadWarnings;
  auto reread = readDxfString(std::move(written.value()), "saved.dxf", rereadOptions);
  if (!reread)
    fail("a saved drawing does not read again", reread.failure().describe());
}

}  // namespace zek::fuzz
