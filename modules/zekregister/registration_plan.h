// What zekregister.dat asks to be registered: the records read from its
// tokens and the registry entries they become, in the order they are
// written. No host calls.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zek {

// The definition file, found along the support path.
constexpr const char* kRegistrationFile = "zekregister.dat";
// Tokens read from it at most; a record still open there is not written.
constexpr int kRegistrationTokenLimit = 1000;
// The token that closes a record.
constexpr std::string_view kRecordEnd = "NULL";
// Load reasons: command invocation and load request (4 | 8) for the listed
// applications, start-up (2) for the two the suite needs from the start.
constexpr int kOnDemandReasons = 12;
constexpr int kStartupReasons = 2;

struct CommandNames {
  std::string globalName;
  std::string localName;
  bool operator==(const CommandNames&) const = default;
};

// One record of the file: application name, command group and the command
// pairs in the order read.
struct AppRecord {
  std::string name;
  std::string group;
  std::vector<CommandNames> commands;
  bool operator==(const AppRecord&) const = default;
};

// Reads the records closed by "NULL" within the first 1000 tokens. A record
// needs a name: "NULL" where the name would stand closes nothing. A global
// name left without its local name when "NULL" comes is both names.
[[nodiscard]] std::vector<AppRecord> readAppRecords(std::string_view text);

// The folder of a module path with its trailing separator
// ("/opt/zek/lib/zek/zekregister.arx" gives "/opt/zek/lib/zek/"); "" when
// the path has no folder.
[[nodiscard]] std::string moduleDirectory(std::string_view modulePath);

// One application as it goes into the registry.
struct AppEntry {
  std::string name;
  std::string modulePath;   // module directory + name + ".arx"
  std::string description;  // name + "_des"
  int loadReasons = 0;
  std::vector<CommandNames> commands;
  std::string group;
  bool operator==(const AppEntry&) const = default;
};

// The entries to write: every record with the on-demand reasons, then
// zekgetpoint and zekislands with the start-up reason, no commands and their
// own names as groups.
[[nodiscard]] std::vector<AppEntry> registryEntries(const std::vector<AppRecord>& records,
                                                    std::string_view directory);

}  // namespace zek
