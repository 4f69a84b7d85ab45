// zek-bench-gen: writes a benchmark drawing of plates with an exact number of
// model-space entities, ordinate dimensions included, as DXF R2004 or R12.
//   zek-bench-gen --entities N --version R2004|R12 [--seed S] -o FILE.dxf
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "bench_drawing.h"
#include "count_argument.h"

using zek::plategen::parseCount;

namespace {

constexpr const char* kUsage =
    "usage: zek-bench-gen --entities N --version R2004|R12 [--seed S] -o FILE.dxf\n";

int usageError(const std::string& message) {
  std::fprintf(stderr, "zek-bench-gen: %s\n%s", message.c_str(), kUsage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  zek::benchgen::BenchOptions options;
  bool haveCount = false, haveVersion = false;
  std::string output;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "-h" || arg == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    bool takesValue = arg == "--entities" || arg == "--version" || arg == "--seed" || arg == "-o";
    if (!takesValue)
      return usageError("unknown argument \"" + std::string(arg) + "\"");
    if (i + 1 >= argc)
      return usageError(std::string(arg) + " needs a value");
    std::string_view text = argv[++i];
    if (arg == "-o") {
      output = text;
    } else if (arg == "--version") {
      auto version = zek::benchgen::parseVersion(text);
      if (!version)
        return usageError("--version expects R2004 or R12, found \"" + std::string(text) + "\"");
      options.version = *version;
      haveVersion = true;
    } else {
      auto value = parseCount(text);
      if (!value)
        return usageError(std::string(arg) + " expects a whole number, found \"" +
                          std::string(text) + "\"");
      if (arg == "--entities") {
        options.entities = *value;
        haveCount = true;
      } else {
        options.seed = *value;
      }
    }
  }
  if (!haveCount)
    return usageError("--entities N is required");
  if (!haveVersion)
    return usageError("--version R2004|R12 is required");
  if (output.empty())
    return usageError("-o FILE.dxf is required");

  auto summary = zek::benchgen::writeBenchDrawingFile(options, output);
  if (!summary) {
    std::fprintf(stderr, "zek-bench-gen: %s: cannot write the file: %s\n", output.c_str(),
                 std::strerror(errno));
    return 1;
  }
  std::printf("%s\n", zek::benchgen::summaryLine(output, *summary).c_str());
  return 0;
}
