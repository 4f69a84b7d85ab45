// Module resource tables by instance, and the current resource instance.
#include "dialogs/resource_registry.h"

#include <map>

namespace zek {
namespace {

struct ResourceRegistry {
  std::map<HINSTANCE, const ZekResourceTable*> tables;
  HINSTANCE current = nullptr;
};

ResourceRegistry& registry() {
  static ResourceRegistry resources;
  return resources;
}

}  // namespace

void registerModuleResources(HINSTANCE instance, const ZekResourceTable* table) {
  if (instance == nullptr || table == nullptr)
    return;
  registry().tables[instance] = table;
}

void forgetModuleResources(HINSTANCE instance) {
  registry().tables.erase(instance);
  if (registry().current == instance)
    registry().current = nullptr;  // never leave a gone module's resources current
}

}  // namespace zek

const ZekDialogResource* zekFindDialogResource(HINSTANCE instance, int dialogId) {
  auto& tables = zek::registry().tables;
  auto found = tables.find(instance);
  if (found == tables.end() || found->second->dialogs == nullptr)
    return nullptr;
  const ZekResourceTable& table = *found->second;
  for (int i = 0; i < table.dialogCount; ++i)
    if (table.dialogs[i].id == dialogId)
      return &table.dialogs[i];
  return nullptr;
}

HINSTANCE AfxGetResourceHandle() { return zek::registry().current; }

void AfxSetResourceHandle(HINSTANCE instance) { zek::registry().current = instance; }
