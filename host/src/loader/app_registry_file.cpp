// The application registry file: entries of "[name]" followed by key=value
// lines, read and written whole; start-up and demand loading from it.
#include "loader/app_registry_file.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <strings.h>
#include <system_error>

#include "aced_output.h"
#include "app_registry.h"
#include "editor/editor_hooks.h"
#include "loader/module_loader.h"

namespace zek {

namespace fs = std::filesystem;

namespace {

constexpr const char* kHeader = "; zek application registry: one [name] entry per application\n";

std::string trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos)
    return {};
  const auto last = text.find_last_not_of(" \t\r");
  return std::string(text.substr(first, last - first + 1));
}

// Applies one key=value line to the entry; false when the line means nothing.
bool applyField(RegisteredApp& app, const std::string& key, const std::string& value) {
  if (key == "module") {
    app.modulePath = value;
  } else if (key == "description") {
    app.description = value;
  } else if (key == "loadreasons") {
    char* end = nullptr;
    const long reasons = std::strtol(value.c_str(), &end, 10);
    if (end == value.c_str() || *end != '\0' || reasons < 0 || reasons > 0xFFFF)
      return false;
    app.loadReasons = static_cast<int>(reasons);
  } else if (key == "command") {
    std::istringstream names(value);
    RegisteredCommand command;
    if (!(names >> command.globalName))
      return false;
    if (!(names >> command.localName))
      command.localName = command.globalName;
    app.commands.push_back(command);
  } else if (key == "group") {
    app.group = value;
  } else {
    return false;
  }
  return true;
}

bool namesMatch(const std::string& registered, std::string_view typed) {
  return registered.size() == typed.size() &&
         strncasecmp(registered.c_str(), typed.data(), typed.size()) == 0;
}

// Whether the entry registered the typed name ("_" asks for the global name).
bool registersCommand(const RegisteredApp& app, std::string_view typed) {
  const bool globalOnly = !typed.empty() && typed.front() == '_';
  if (globalOnly)
    typed.remove_prefix(1);
  for (const RegisteredCommand& command : app.commands) {
    if (namesMatch(command.globalName, typed))
      return true;
    if (!globalOnly && namesMatch(command.localName, typed))
      return true;
  }
  return false;
}

bool loadsFor(const RegisteredApp& app, int reasons) {
  return (app.loadReasons & AcApAppInfo::kLoadDisabled) == 0 && (app.loadReasons & reasons) != 0;
}

const bool installed = [] {
  editorHooks().demandLoad = demandLoadCommand;
  return true;
}();

}  // namespace

std::string registryFilePath() {
  (void)installed;
  if (const char* profile = std::getenv("ZEK_PROFILE"); profile && *profile)
    return (fs::path(profile) / "registry").string();
  if (const char* home = std::getenv("HOME"); home && *home)
    return (fs::path(home) / ".config" / "zek" / "registry").string();
  return "registry";
}

std::vector<RegisteredApp> readRegistry(std::vector<std::string>* warnings) {
  const std::string path = registryFilePath();
  std::ifstream in(path, std::ios::binary);
  std::ostringstream contents;
  contents << in.rdbuf();
  return readRegistryText(contents.str(), path, warnings);
}

std::vector<RegisteredApp> readRegistryText(std::string_view fileText, std::string_view fileName,
                                            std::vector<std::string>* warnings) {
  std::vector<RegisteredApp> apps;
  std::istringstream in{std::string(fileText)};
  std::string line;
  int lineNumber = 0;
  auto warn = [&](const std::string& what) {
    if (warnings)
      warnings->push_back(std::string(fileName) + ":" + std::to_string(lineNumber) + ": " + what);
  };
  while (std::getline(in, line)) {
    ++lineNumber;
    const std::string text = trimmed(line);
    if (text.empty() || text.front() == ';')
      continue;
    if (text.front() == '[' && text.back() == ']' && text.size() > 2) {
      apps.push_back({});
      apps.back().name = text.substr(1, text.size() - 2);
      continue;
    }
    const auto equals = text.find('=');
    if (apps.empty() || equals == std::string::npos) {
      warn("expected \"[name]\" or key=value, found \"" + text + "\"");
      continue;
    }
    if (!applyField(apps.back(), trimmed(text.substr(0, equals)), trimmed(text.substr(equals + 1))))
      warn("expected module=, description=, loadreasons=, command= or group=, found \"" + text +
           "\"");
  }
  return apps;
}

bool writeRegistry(const std::vector<RegisteredApp>& apps) {
  const fs::path path = registryFilePath();
  std::error_code error;
  if (path.has_parent_path())
    fs::create_directories(path.parent_path(), error);
  const fs::path temporary = path.string() + ".tmp";
  {
    std::ofstream out(temporary, std::ios::trunc);
    out << registryText(apps);
    out.flush();
    if (!out) {
      fs::remove(temporary, error);
      return false;
    }
  }
  fs::rename(temporary, path, error);
  if (error) {
    fs::remove(temporary, error);
    return false;
  }
  return true;
}

std::string registryText(const std::vector<RegisteredApp>& apps) {
  std::ostringstream out;
  out << kHeader;
  for (const RegisteredApp& app : apps) {
    out << '[' << app.name << "]\n";
    out << "module=" << app.modulePath << '\n';
    out << "description=" << app.description << '\n';
    out << "loadreasons=" << app.loadReasons << '\n';
    for (const RegisteredCommand& command : app.commands)
      out << "command=" << command.globalName << ' ' << command.localName << '\n';
    if (!app.group.empty())
      out << "group=" << app.group << '\n';
  }
  return out.str();
}

void loadStartupModules() {
  for (const RegisteredApp& app : readRegistry()) {
    if (!loadsFor(app, AcApAppInfo::kOnStartup) || isModuleLoaded(fs::path(app.modulePath).filename().string()))
      continue;
    (void)loadModule(app.modulePath, true);
  }
}

bool demandLoadCommand(std::string_view typedName) {
  for (const RegisteredApp& app : readRegistry()) {
    if (!loadsFor(app, AcApAppInfo::kOnCommandInvocation | AcApAppInfo::kOnLoadRequest))
      continue;
    if (!registersCommand(app, typedName))
      continue;
    if (isModuleLoaded(fs::path(app.modulePath).filename().string()))
      return false;  // loaded, yet without that command: nothing more to load
    return loadModule(app.modulePath, true) == RTNORM;
  }
  return false;
}

}  // namespace zek
