// Fuzz target: the application registry file. The input is the file's text;
// what it reads is written as writeRegistry writes it and read again: the
// second reading must give the same entries without a warning.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "loader/app_registry_file.h"

namespace {

using namespace zek;

bool sameCommands(const std::vector<RegisteredCommand>& a, const std::vector<RegisteredCommand>& b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].globalName != b[i].globalName || a[i].localName != b[i].localName)
      return false;
  return true;
}

bool sameApp(const RegisteredApp& a, const RegisteredApp& b) {
  return a.name == b.name && a.modulePath == b.modulePath && a.description == b.description &&
         a.loadReasons == b.loadReasons && sameCommands(a.commands, b.commands) &&
         a.group == b.group;
}

[[noreturn]] void fail(const char* what, const std::string& written) {
  std::fprintf(stderr, "%s; the written registry:\n%s\n", what, written.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> warnings;
  const std::vector<RegisteredApp> apps = readRegistryText(text, "registry", &warnings);
  for (const RegisteredApp& app : apps) {
    if (app.name.empty())
      fail("an entry without a name", registryText(apps));
    if (app.loadReasons < 0 || app.loadReasons > 0xFFFF)
      fail("load reasons out of range", registryText(apps));
  }

  const std::string written = registryText(apps);
  std::vector<std::string> rereadWarnings;
  const std::vector<RegisteredApp> reread = readRegistryText(written, "registry", &rereadWarnings);
  if (!rereadWarnings.empty())
    fail(("the written registry warns: " + rereadWarnings.front()).c_str(), written);
  if (reread.size() != apps.size())
    fail("the written registry holds another number of entries", written);
  for (std::size_t i = 0; i < apps.size(); ++i)
    if (!sameApp(apps[i], reread[i]))
      fail(("entry \"" + apps[i].name + "\" reads back changed").c_str(), written);
  return 0;
}
