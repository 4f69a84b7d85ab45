// The application registry file behind AcApAppInfo, and what the host does
// with it: start-up modules loaded when the program starts, and modules of
// typed commands loaded on demand.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "zek/result.h"

namespace zek {

struct RegisteredCommand {
  std::string globalName;
  std::string localName;
};

struct RegisteredApp {
  std::string name;         // "zekadxy1"
  std::string modulePath;   // "/opt/zek/lib/zek/zekadxy1.arx"
  std::string description;  // "zekadxy1_des"
  int loadReasons = 0;      // AcApAppInfo::LoadReasons bits
  std::vector<RegisteredCommand> commands;
  std::string group;
};

// The registry file: $ZEK_PROFILE/registry, else ~/.config/zek/registry.
std::string registryFilePath();

// Reads every entry (an absent file is an empty registry). A damaged line is
// skipped with a warning in the failure list, never fatal.
std::vector<RegisteredApp> readRegistry(std::vector<std::string>* warnings = nullptr);
// The entries of a registry file's text, as readRegistry reads them; the
// warnings name the file as fileName ("registry:3: expected ...").
std::vector<RegisteredApp> readRegistryText(std::string_view text, std::string_view fileName,
                                            std::vector<std::string>* warnings = nullptr);
// Writes the entries, replacing the file atomically.
[[nodiscard]] bool writeRegistry(const std::vector<RegisteredApp>& apps);
// The text writeRegistry puts in the file.
std::string registryText(const std::vector<RegisteredApp>& apps);

// Loads every module registered with the start-up reason (bit 2), in file
// order; a module that does not load is reported on the command line and
// skipped.
void loadStartupModules();

// The module that registered a typed command name (global or local, "_"
// forcing the global name) with command-invocation or load-request reasons
// (bits 4, 8), loaded now; true when one loaded.
bool demandLoadCommand(std::string_view typedName);

}  // namespace zek
