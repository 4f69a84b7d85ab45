// Loading and unloading module libraries: dlopen(RTLD_LOCAL), the version
// handshake, the life-cycle messages, the lock, and taking away everything a
// module registered when it goes.
#include "loader/module_loader.h"

#include <algorithm>
#include <dlfcn.h>
#include <filesystem>
#include <memory>
#include <strings.h>

#include "aced_output.h"
#include "dialogs/resource_registry.h"
#include "editor/core/command_table.h"
#include "editor/document.h"
#include "lisp/lisp_functions.h"
#include "loader/loaded_module.h"

namespace zek {

namespace {

using ApiVersionFunction = int (*)();
using AttachFunction = void (*)(HINSTANCE);
using ResourcesFunction = const ZekResourceTable* (*)();

std::vector<std::unique_ptr<LoadedModule>>& modules() {
  static std::vector<std::unique_ptr<LoadedModule>> loaded;
  return loaded;
}

std::vector<LoadedModule*>& runningStack() {
  static std::vector<LoadedModule*> stack;
  return stack;
}

std::string baseName(std::string_view path) {
  return std::filesystem::path(std::string(path)).filename().string();
}

bool sameName(const std::string& a, const std::string& b) {
  return strcasecmp(a.c_str(), b.c_str()) == 0;
}

// The loaded module a name or path stands for: its file name, with or
// without the extension, or its full path.
LoadedModule* findLoaded(std::string_view name) {
  const std::string wanted = baseName(name);
  for (auto& module : modules()) {
    if (sameName(module->fileName, wanted) || module->path == name)
      return module.get();
    const std::string stem = std::filesystem::path(module->fileName).stem().string();
    if (sameName(stem, wanted))
      return module.get();
  }
  return nullptr;
}

void report(bool printErrors, const char* format, const std::string& a, const std::string& b = {}) {
  if (printErrors)
    acutPrintf(format, a.c_str(), b.c_str());
}

// Sends kLoadDwgMsg for one document, made current while the module defines
// its functions there.
void sendLoadDrawing(LoadedModule& module, Document* document) {
  DocumentManager& manager = DocumentManager::instance();
  Document* current = manager.curDocument();
  if (document != current)
    manager.activate(document);
  (void)sendModuleMessage(module, AcRx::kLoadDwgMsg);
  if (document != current)
    manager.activate(current);
}

// Takes away what the module left registered, then closes the library.
void releaseModule(LoadedModule& module) {
  CommandTable& table = CommandTable::instance();
  for (const ModuleCommand& command : module.commands)
    table.remove(command.group, command.globalName);
  removeLispFunctionsOf(&module);
  if (module.hasResources)
    forgetModuleResources(module.resourceInstance());
  if (AfxGetResourceHandle() == module.resourceInstance())
    AfxSetResourceHandle(nullptr);
  if (module.library)
    dlclose(module.library);
  auto& loaded = modules();
  loaded.erase(std::remove_if(loaded.begin(), loaded.end(),
                              [&module](const auto& held) { return held.get() == &module; }),
               loaded.end());
}

// Opens the library and checks it is a module of this host; null (with the
// reason printed) when it is not.
void* openModuleLibrary(const std::string& path, const std::string& fileName, bool printErrors) {
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    const char* why = dlerror();
    report(printErrors, "\nCannot load %s: %s", fileName, why ? why : "unknown reason");
    return nullptr;
  }
  auto version = reinterpret_cast<ApiVersionFunction>(dlsym(library, "acrxGetApiVersion"));
  auto entry = dlsym(library, "acrxEntryPoint");
  if (version == nullptr || entry == nullptr) {
    report(printErrors, "\n%s is not a module of this host: it has no %s.", fileName,
           version == nullptr ? "version handshake" : "entry point");
    dlclose(library);
    return nullptr;
  }
  if (version() != kZekAcrxApiVersion) {
    if (printErrors)
      acutPrintf("\n%s was built for interface version %d; this host has version %d.",
                 fileName.c_str(), version(), kZekAcrxApiVersion);
    dlclose(library);
    return nullptr;
  }
  return library;
}

void sendLoadDrawingToNewDocument(Document& document) {
  for (auto& module : modules())
    sendLoadDrawing(*module, &document);
}

int dispatchLispCall(LispOwner owner, int /*funcode: the module asks acedGetFunCode*/) {
  LoadedModule* module = moduleOfAppId(owner);
  if (module == nullptr)
    return RTERROR;
  return static_cast<int>(sendModuleMessage(*module, AcRx::kInvkSubrMsg));
}

const bool installed = [] {
  DocumentManager::instance().addOpenListener(sendLoadDrawingToNewDocument);
  setLispDispatcher(dispatchLispCall);
  return true;
}();

}  // namespace

LoadedModule* moduleOfAppId(const void* appId) {
  for (auto& module : modules())
    if (module.get() == appId)
      return module.get();
  return nullptr;
}

ModuleScope::ModuleScope(LoadedModule* module) : module_(module) {
  runningStack().push_back(module_);
  if (module_)
    ++module_->running;
}

ModuleScope::~ModuleScope() {
  runningStack().pop_back();
  if (module_)
    --module_->running;
}

AcRx::AppRetCode sendModuleMessage(LoadedModule& module, AcRx::AppMsgCode message) {
  ModuleScope scope(&module);
  LispOwnerScope owner(&module);
  try {
    return module.entryPoint(message, &module);
  } catch (...) {
    acutPrintf("\n%s failed while handling a message.", module.fileName.c_str());
    return AcRx::kRetError;
  }
}

int loadModule(std::string_view name, bool printErrors) {
  (void)installed;
  const std::string path = findModuleFile(name);
  const std::string fileName = path.empty() ? baseName(name) : baseName(path);
  if (path.empty()) {
    report(printErrors, "\nCannot find the module %s.", std::string(name));
    return RTERROR;
  }
  if (findLoaded(fileName) != nullptr) {
    report(printErrors, "\n%s is already loaded.", fileName);
    return RTERROR;
  }
  void* library = openModuleLibrary(path, fileName, printErrors);
  if (library == nullptr)
    return RTERROR;

  auto owned = std::make_unique<LoadedModule>();
  LoadedModule& module = *owned;
  module.path = path;
  module.fileName = fileName;
  module.library = library;
  module.entryPoint = reinterpret_cast<EntryPoint>(dlsym(library, "acrxEntryPoint"));
  modules().push_back(std::move(owned));

  if (auto attach = reinterpret_cast<AttachFunction>(dlsym(library, "zekModuleAttached")))
    attach(module.resourceInstance());
  if (auto resources = reinterpret_cast<ResourcesFunction>(dlsym(library, "zekModuleResources"))) {
    module.hasResources = true;
    registerModuleResources(module.resourceInstance(), resources());
  }

  if (sendModuleMessage(module, AcRx::kInitAppMsg) != AcRx::kRetOK) {
    report(printErrors, "\n%s failed to initialise and was unloaded.", fileName);
    releaseModule(module);
    return RTERROR;
  }
  DocumentManager& manager = DocumentManager::instance();
  for (int i = 0; i < manager.documentCount(); ++i)
    sendLoadDrawing(module, manager.documentAt(i));
  return RTNORM;
}

int unloadModule(std::string_view name, bool printErrors) {
  LoadedModule* module = findLoaded(name);
  if (module == nullptr) {
    report(printErrors, "\n%s is not loaded.", baseName(name));
    return RTERROR;
  }
  if (module->locked) {
    report(printErrors, "\n%s is locked and cannot be unloaded.", module->fileName);
    return RTERROR;
  }
  if (module->running > 0) {
    report(printErrors, "\n%s is running and cannot be unloaded now.", module->fileName);
    return RTERROR;
  }
  (void)sendModuleMessage(*module, AcRx::kUnloadAppMsg);
  releaseModule(*module);
  return RTNORM;
}

void unloadAllModules() {
  while (!modules().empty()) {
    LoadedModule& module = *modules().back();
    if (module.running == 0)
      (void)sendModuleMessage(module, AcRx::kUnloadAppMsg);
    releaseModule(module);
  }
}

std::vector<std::string> loadedModuleFiles() {
  std::vector<std::string> names;
  for (const auto& module : modules())
    names.push_back(module->fileName);
  return names;
}

bool isModuleLoaded(std::string_view name) { return findLoaded(name) != nullptr; }

bool isModuleLocked(std::string_view name) {
  const LoadedModule* module = findLoaded(name);
  return module != nullptr && module->locked;
}

const LoadedModule* runningModule() {
  for (auto it = runningStack().rbegin(); it != runningStack().rend(); ++it)
    if (*it != nullptr)
      return *it;
  return moduleOfAppId(currentLispOwner());
}

std::string runningModulePath() {
  const LoadedModule* module = runningModule();
  return module ? module->path : std::string();
}

}  // namespace zek
