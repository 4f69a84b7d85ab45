// The ARX command: list, load and unload modules by hand.
#include <cstring>
#include <string>

#include "aced_input.h"
#include "aced_output.h"
#include "editor/core/command_table.h"
#include "loader/module_loader.h"

namespace zek {

namespace {

void listLoadedModules() {
  const std::vector<std::string> files = loadedModuleFiles();
  if (files.empty()) {
    acutPrintf("\nNo modules are loaded.");
    return;
  }
  acutPrintf("\nLoaded modules:");
  for (const std::string& file : files)
    acutPrintf("\n  %s%s", file.c_str(), isModuleLocked(file) ? " (locked)" : "");
}

// The file name a drafter typed, or "" after Enter or Esc.
std::string askFileName(const char* prompt) {
  char name[1024] = "";
  if (acedGetString(1, prompt, name, sizeof name) != RTNORM)
    return {};
  return name;
}

void loadByHand() {
  const std::string name = askFileName("Enter module file name to load: ");
  if (!name.empty() && loadModule(name, true) == RTNORM)
    acutPrintf("\n%s loaded.", loadedModuleFiles().back().c_str());
}

void unloadByHand() {
  const std::string name = askFileName("Enter module name to unload: ");
  if (!name.empty() && unloadModule(name, true) == RTNORM)
    acutPrintf("\n%s unloaded.", name.c_str());
}

void arxCommand() {
  if (acedInitGet(0, "? Load Unload") != RTNORM)
    return;
  char option[32] = "";
  if (acedGetKword("Enter an option [?/Load/Unload]: ", option, sizeof option) != RTNORM)
    return;
  if (std::strcmp(option, "?") == 0)
    listLoadedModules();
  else if (std::strcmp(option, "Load") == 0)
    loadByHand();
  else if (std::strcmp(option, "Unload") == 0)
    unloadByHand();
}

const bool registered = CommandTable::instance().add(kHostCommandGroup, "ARX", "ARX",
                                                     kCommandModal,
                                                     arxCommand);

}  // namespace

}  // namespace zek
