// AcApAppInfo: one application's registry entry, written field by field in
// the order a registering module calls the operations.
#include "app_registry.h"

#include <algorithm>
#include <string>
#include <vector>

#include "loader/app_registry_file.h"

struct AcApAppInfo::Fields {
  zek::RegisteredApp app;
  // The entry writeToRegistry wrote last (later command and group writes
  // go there).
  std::string writtenName;
};

namespace {

std::string text(const char* value) { return value ? value : ""; }

// Changes the entry of a name in the registry file.
template <class Change>
AcApAppInfo::ErrorStatus changeEntry(const std::string& name, Change change) {
  if (name.empty())
    return AcApAppInfo::eInvalidKey;
  std::vector<zek::RegisteredApp> apps = zek::readRegistry();
  auto it = std::find_if(apps.begin(), apps.end(),
                         [&name](const zek::RegisteredApp& app) { return app.name == name; });
  if (it == apps.end())
    return AcApAppInfo::eInvalidKey;
  change(*it);
  return zek::writeRegistry(apps) ? AcApAppInfo::eOk : AcApAppInfo::eWriteFailed;
}

}  // namespace

AcApAppInfo::AcApAppInfo() : fields_(new Fields) {}
AcApAppInfo::~AcApAppInfo() { delete fields_; }

void AcApAppInfo::setAppName(const char* appName) { fields_->app.name = text(appName); }
void AcApAppInfo::setModuleName(const char* modulePath) { fields_->app.modulePath = text(modulePath); }
void AcApAppInfo::setAppDesc(const char* description) { fields_->app.description = text(description); }
void AcApAppInfo::setLoadReason(int reasons) { fields_->app.loadReasons = reasons; }
const char* AcApAppInfo::appName() const { return fields_->app.name.c_str(); }
const char* AcApAppInfo::moduleName() const { return fields_->app.modulePath.c_str(); }
const char* AcApAppInfo::appDesc() const { return fields_->app.description.c_str(); }
int AcApAppInfo::loadReason() const { return fields_->app.loadReasons; }

AcApAppInfo::ErrorStatus AcApAppInfo::writeToRegistry(bool, bool) {
  const zek::RegisteredApp& app = fields_->app;
  if (app.name.empty() || app.name.find_first_of(" \t\n[]") != std::string::npos)
    return eInvalidKey;
  std::vector<zek::RegisteredApp> apps = zek::readRegistry();
  zek::RegisteredApp entry = app;
  entry.commands.clear();
  entry.group.clear();
  auto it = std::find_if(apps.begin(), apps.end(),
                         [&app](const zek::RegisteredApp& held) { return held.name == app.name; });
  if (it != apps.end())
    *it = entry;
  else
    apps.push_back(entry);
  if (!zek::writeRegistry(apps))
    return eWriteFailed;
  fields_->writtenName = app.name;
  return eOk;
}

AcApAppInfo::ErrorStatus AcApAppInfo::writeCommandNameToRegistry(const char* globalName,
                                                                 const char* localName) {
  const std::string global = text(globalName);
  if (global.empty() || global.find_first_of(" \t\n") != std::string::npos)
    return eInvalidKey;
  std::string local = text(localName);
  if (local.empty() || local.find_first_of(" \t\n") != std::string::npos)
    local = global;
  return changeEntry(fields_->writtenName, [&](zek::RegisteredApp& app) {
    app.commands.push_back({global, local});
  });
}

AcApAppInfo::ErrorStatus AcApAppInfo::writeGroupNameToRegistry(const char* groupName) {
  const std::string group = text(groupName);
  if (group.find_first_of(" \t\n") != std::string::npos)
    return eInvalidKey;
  return changeEntry(fields_->writtenName, [&](zek::RegisteredApp& app) { app.group = group; });
}

AcApAppInfo::ErrorStatus AcApAppInfo::readFromRegistry() {
  for (const zek::RegisteredApp& app : zek::readRegistry()) {
    if (app.name == fields_->app.name) {
      fields_->app = app;
      fields_->writtenName = app.name;
      return eOk;
    }
  }
  return eInvalidKey;
}

AcApAppInfo::ErrorStatus AcApAppInfo::delFromRegistry() {
  std::vector<zek::RegisteredApp> apps = zek::readRegistry();
  const auto before = apps.size();
  std::erase_if(apps, [this](const zek::RegisteredApp& app) { return app.name == fields_->app.name; });
  if (apps.size() == before)
    return eInvalidKey;
  return zek::writeRegistry(apps) ? eOk : eWriteFailed;
}
