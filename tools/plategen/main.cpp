// zek-plategen: writes a DXF sheet of mould plates with an exact number of
// entities, a die plate of N holes, the sample die plate (its codes beside
// the holes or, for the hole table, on them), or the die plate with its
// stripper plate.
//   zek-plategen --entities N [--layers 20] [--seed S] -o FILE.dxf
//   zek-plategen --holes N [--seed S] [--table-labels] -o FILE.dxf
//   zek-plategen --sample -o FILE.dxf
//   zek-plategen --sample-pair -o FILE.dxf
//   zek-plategen --sample-table -o FILE.dxf
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "count_argument.h"
#include "generated_plate.h"
#include "plate_generator.h"

using zek::plategen::parseCount;

namespace {

constexpr const char* kUsage =
    "usage: zek-plategen --entities N [--layers 20] [--seed S] -o FILE.dxf\n"
    "       zek-plategen --holes N [--seed S] [--table-labels] -o FILE.dxf\n"
    "       zek-plategen --sample -o FILE.dxf\n"
    "       zek-plategen --sample-pair -o FILE.dxf\n"
    "       zek-plategen --sample-table -o FILE.dxf\n";

int usageError(const std::string& message) {
  std::fprintf(stderr, "zek-plategen: %s\n%s", message.c_str(), kUsage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  zek::plategen::PlateOptions options;
  zek::plategen::HolePlateOptions holeOptions;
  bool sample = false, pair = false, table = false, haveCount = false, haveHoles = false,
       haveLayers = false, haveSeed = false, tableLabels = false;
  std::string output;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    bool takesValue = arg == "--entities" || arg == "--holes" || arg == "--layers" ||
                      arg == "--seed" || arg == "-o";
    if (takesValue && i + 1 >= argc)
      return usageError(std::string(arg) + " needs a value");
    if (arg == "--sample") {
      sample = true;
    } else if (arg == "--sample-pair") {
      pair = true;
    } else if (arg == "--sample-table") {
      table = true;
    } else if (arg == "--table-labels") {
      tableLabels = true;
      holeOptions.labels = zek::plategen::LabelStyle::OnHole;
    } else if (arg == "-o") {
      output = argv[++i];
    } else if (takesValue) {
      std::string_view text = argv[++i];
      auto value = parseCount(text);
      if (!value)
        return usageError(std::string(arg) + " expects a whole number, found \"" +
                          std::string(text) + "\"");
      if (arg == "--entities") {
        options.entities = *value;
        haveCount = true;
      } else if (arg == "--holes") {
        holeOptions.holes = *value;
        haveHoles = true;
      } else if (arg == "--layers") {
        haveLayers = true;
        if (*value < 1 || *value > 1000)
          return usageError("--layers expects 1 to 1000, found " + std::string(text));
        options.layers = static_cast<int>(*value);
      } else {
        haveSeed = true;
        options.seed = *value;
        holeOptions.seed = *value;
      }
    } else if (arg == "-h" || arg == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    } else {
      return usageError("unknown argument \"" + std::string(arg) + "\"");
    }
  }
  if (output.empty())
    return usageError("-o FILE.dxf is required");
  if (int{sample} + int{pair} + int{table} + int{haveCount} + int{haveHoles} != 1)
    return usageError(
        "give one of --entities N, --holes N, --sample, --sample-pair and --sample-table");
  if (haveLayers && !haveCount)
    return usageError("--layers applies to --entities only");
  if (haveSeed && !haveCount && !haveHoles)
    return usageError("--seed applies to --entities and --holes only");
  if (tableLabels && !haveHoles)
    return usageError("--table-labels applies to --holes only (--sample-table is the sample)");

  auto summary = sample    ? zek::plategen::writeSamplePlateFile(output)
                 : pair    ? zek::plategen::writeSamplePairFile(output)
                 : table   ? zek::plategen::writeSampleTablePlateFile(output)
                 : haveHoles ? zek::plategen::writeHolePlateFile(holeOptions, output)
                             : zek::plategen::writePlatesFile(options, output);
  if (!summary) {
    std::fprintf(stderr, "zek-plategen: %s: cannot write the file: %s\n", output.c_str(),
                 std::strerror(errno));
    return 1;
  }
  std::printf("%s: %llu entities on %llu plate(s), %llu bytes (%.1f bytes an entity)\n",
              output.c_str(), static_cast<unsigned long long>(summary->entities),
              static_cast<unsigned long long>(summary->plates),
              static_cast<unsigned long long>(summary->bytes),
              summary->entities ? static_cast<double>(summary->bytes) /
                                      static_cast<double>(summary->entities)
                                : 0.0);
  return 0;
}
