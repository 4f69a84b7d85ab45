// The plug-in loader: module libraries opened with dlopen(RTLD_LOCAL), the
// version handshake, the life-cycle messages of the entry point, the lock a
// module lifts itself, and the list of loaded modules.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui_resources.h"

namespace zek {

struct LoadedModule;

// Finds a module library: a path with a folder is tried as given; a bare
// name ("zekalign", "zekalign.arx") in the module folders (the built modules
// beside the program, lib/zek/ when installed), then along the support path.
// ".arx" is added when the name has no extension and no such file exists.
// Answers the full path, or "" when there is none.
std::string findModuleFile(std::string_view name);
// The folders searched first (tests may point them elsewhere).
std::vector<std::string> moduleFolders();
void setModuleFolders(std::vector<std::string> folders);

// Loads a module and sends it kInitAppMsg, then kLoadDwgMsg for every open
// drawing. Answers RTNORM or RTERROR; with printErrors the reason goes to the
// command line ("\nzekx.arx is already loaded.", ...).
int loadModule(std::string_view name, bool printErrors);
// Sends kUnloadAppMsg and closes the library; its commands and AutoLISP
// functions go with it. Refused (RTERROR) while it is locked or running.
int unloadModule(std::string_view name, bool printErrors);
// Unloads every module, locked ones included, last loaded first (end of a
// run, between tests).
void unloadAllModules();

// The loaded modules' file names ("zekgetpoint.arx"), in loading order.
std::vector<std::string> loadedModuleFiles();
// Whether a module of that name or path is loaded, and whether it is locked.
bool isModuleLoaded(std::string_view name);
bool isModuleLocked(std::string_view name);
// The module whose code runs now (entry point, command, AutoLISP function),
// or null in the host's own code.
const LoadedModule* runningModule();
// Its full path ("" for none).
std::string runningModulePath();

}  // namespace zek
