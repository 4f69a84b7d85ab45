// zek-soak: random commands with random answers on the sample plates, every
// command checked (see soak_run.h and README.md).
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <string_view>

#include "soak_run.h"

namespace {

constexpr const char* kUsage =
    "usage: zek-soak [--seed N] [--commands N] [--drawing FILE]... [--scratch DIR]\n"
    "                [--answers N] [--reopen N] [--timeout SECONDS] [--dxf-version V]\n"
    "                [--quiet]\n"
    "       zek-soak --replay SCRIPT [--scratch DIR]\n";

bool number(const char* text, long long& value) {
  char* end = nullptr;
  value = std::strtoll(text, &end, 10);
  return end != text && *end == '\0';
}

}  // namespace

int main(int argc, char** argv) {
  zek::soak::SoakOptions options;
  options.seed = static_cast<std::uint64_t>(std::time(nullptr));
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    if (option == "--help" || option == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (option == "--quiet") {
      options.quiet = true;
      continue;
    }
    if (i + 1 >= argc) {
      std::fprintf(stderr, "zek-soak: %s needs a value\n%s", argv[i], kUsage);
      return 2;
    }
    const char* value = argv[++i];
    long long n = 0;
    const bool isNumber = number(value, n);
    if (option == "--drawing") {
      options.drawings.emplace_back(value);
    } else if (option == "--scratch") {
      options.scratch = value;
    } else if (option == "--dxf-version" && zek::parseDxfVersion(value)) {
      options.dxfVersion = zek::parseDxfVersion(value);
    } else if (option == "--replay") {
      options.replay = value;
    } else if (isNumber && n >= 0 && option == "--seed") {
      options.seed = static_cast<std::uint64_t>(n);
    } else if (isNumber && n > 0 && option == "--commands") {
      options.commands = static_cast<long>(n);
    } else if (isNumber && n > 0 && n < 1000 && option == "--answers") {
      options.answersPerCommand = static_cast<int>(n);
    } else if (isNumber && n > 0 && n < 1000000 && option == "--reopen") {
      options.reopenEvery = static_cast<int>(n);
    } else if (isNumber && n > 0 && n < 100000 && option == "--timeout") {
      options.timeoutSeconds = static_cast<int>(n);
    } else {
      std::fprintf(stderr, "zek-soak: %s %s: not understood\n%s", argv[i - 1], value, kUsage);
      return 2;
    }
  }
  return zek::soak::runSoak(options);
}
