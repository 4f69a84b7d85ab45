// ZEKARXREG: the registry written from zekregister.dat through AcApAppInfo.
#include <optional>

#include "aced_arx.h"
#include "aced_output.h"
#include "app_registry.h"
#include "deffiles/definition_file.h"
#include "registration_plan.h"
#include "zekregister.h"

namespace zek {

namespace {

bool& registrationDone() {
  static bool done = false;
  return done;
}

// Writes one entry in the registry's order of calls; answers the first
// failure the registry reported (eOk when none). A failed command or group
// write does not stop the writes after it.
AcApAppInfo::ErrorStatus writeEntry(const AppEntry& entry) {
  AcApAppInfo info;
  info.setAppName(entry.name.c_str());
  info.setModuleName(entry.modulePath.c_str());
  info.setAppDesc(entry.description.c_str());
  info.setLoadReason(entry.loadReasons);
  const AcApAppInfo::ErrorStatus written = info.writeToRegistry(false, true);
  if (written != AcApAppInfo::eOk)
    return written;  // no entry to add commands to
  AcApAppInfo::ErrorStatus first = AcApAppInfo::eOk;
  auto keepFirst = [&first](AcApAppInfo::ErrorStatus status) {
    if (first == AcApAppInfo::eOk)
      first = status;
  };
  for (const CommandNames& names : entry.commands)
    keepFirst(info.writeCommandNameToRegistry(names.globalName.c_str(), names.localName.c_str()));
  keepFirst(info.writeGroupNameToRegistry(entry.group.c_str()));
  return first;
}

void reportFailure(const AppEntry& entry, AcApAppInfo::ErrorStatus status) {
  if (status == AcApAppInfo::eInvalidKey)
    acutPrintf("\n%s was not registered: a name in its record is not valid", entry.name.c_str());
  else
    acutPrintf("\n%s was not registered: the registry cannot be written", entry.name.c_str());
}

}  // namespace

void registerSuiteModules() {
  if (registrationDone()) {
    acutPrintf("\nDONE");
    return;
  }
  const char* modulePath = acedGetAppName();
  const std::string directory = moduleDirectory(modulePath != nullptr ? modulePath : "");
  const std::optional<DefinitionText> file = openDefinitionFile(kRegistrationFile);
  if (!file)
    return;  // the reader printed why; the command may run again
  bool allWritten = true;
  for (const AppEntry& entry : registryEntries(readAppRecords(file->text), directory)) {
    if (entry.loadReasons == kOnDemandReasons)
      acutPrintf("\n%s", entry.modulePath.c_str());
    const AcApAppInfo::ErrorStatus status = writeEntry(entry);
    if (status != AcApAppInfo::eOk) {
      reportFailure(entry, status);
      allWritten = false;  // the others are written all the same
    }
  }
  acutPrintf("\n");
  registrationDone() = allWritten;  // else the command may run again
}

void resetSuiteRegistration() { registrationDone() = false; }

}  // namespace zek
