// Host services around modules: the dynamic linker's calls, acedArxLoad and
// its siblings, the running module's path, acdbFail and acedFindFile.
#include "aced_arx.h"

#include <cstring>
#include <string>

#include "aced_output.h"
#include "db/support_path.h"
#include "editor/document.h"
#include "loader/loaded_module.h"
#include "loader/module_loader.h"
#include "rx_entry.h"

bool AcRxDynamicLinker::unlockApplication(void* appId) const {
  zek::LoadedModule* module = zek::moduleOfAppId(appId);
  if (module)
    module->locked = false;
  return module != nullptr;
}

bool AcRxDynamicLinker::lockApplication(void* appId) const {
  zek::LoadedModule* module = zek::moduleOfAppId(appId);
  if (module)
    module->locked = true;
  return module != nullptr;
}

bool AcRxDynamicLinker::isApplicationLocked(const char* appName) const {
  return appName != nullptr && zek::isModuleLocked(appName);
}

bool AcRxDynamicLinker::registerAppMDIAware(void* appId) const {
  zek::LoadedModule* module = zek::moduleOfAppId(appId);
  if (module)
    module->mdiAware = true;
  return module != nullptr;
}

bool AcRxDynamicLinker::registerAppNotMDIAware(void* appId) const {
  zek::LoadedModule* module = zek::moduleOfAppId(appId);
  if (module)
    module->mdiAware = false;
  return module != nullptr;
}

bool AcRxDynamicLinker::loadModule(const char* fileName, bool printErrors, bool /*asApp*/) const {
  return fileName != nullptr && zek::loadModule(fileName, printErrors) == RTNORM;
}

bool AcRxDynamicLinker::unloadModule(const char* fileName, bool /*asApp*/) const {
  return fileName != nullptr && zek::unloadModule(fileName, false) == RTNORM;
}

AcRxDynamicLinker* acrxDynamicLinkerPtr() {
  static AcRxDynamicLinker linker;
  return &linker;
}

int acedArxLoad(const char* app) {
  if (app == nullptr || *app == '\0')
    return RTERROR;
  return zek::loadModule(app, true);
}

int acedArxUnload(const char* app) {
  if (app == nullptr || *app == '\0')
    return RTERROR;
  return zek::unloadModule(app, true);
}

resbuf* acedArxLoaded() {
  resbuf* head = nullptr;
  resbuf* tail = nullptr;
  for (const std::string& file : zek::loadedModuleFiles()) {
    resbuf* item = acutNewRb(RTSTR);
    if (item == nullptr)
      break;
    item->resval.rstring = acutNewString(file.c_str());
    (tail ? tail->rbnext : head) = item;
    tail = item;
  }
  return head;
}

const char* acedGetAppName() {
  static std::string path;
  path = zek::runningModulePath();
  return path.c_str();
}

void acdbFail(const char* text) { acutPrintf("\n; error: %s", text ? text : ""); }

int acedFindFile(const char* fname, char* result) {
  if (result == nullptr)
    return RTERROR;
  result[0] = '\0';
  if (fname == nullptr || *fname == '\0')
    return RTERROR;
  const zek::Document* document = zek::currentDocument();
  const std::string found =
      zek::findSupportFile(fname, document ? document->database() : nullptr);
  if (found.empty() || found.size() >= kZekMaxPath)
    return RTERROR;
  std::memcpy(result, found.c_str(), found.size() + 1);
  return RTNORM;
}
