// The class registry: built-in classes register on first use of desc(),
// run-time classes through newAcRxClass; look-ups by class and DXF name.
#include "rx_object.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

struct ClassRegistry {
  std::vector<std::unique_ptr<AcRxClass>> owned;
  std::unordered_map<std::string, AcRxClass*> byName;
  std::unordered_map<std::string, AcRxClass*> byDxfName;
  std::vector<AcRxClass*> custom;
};

ClassRegistry& registry() {
  static ClassRegistry instance;
  return instance;
}

void indexClass(AcRxClass* cls) {
  ClassRegistry& r = registry();
  r.byName[cls->name()] = cls;
  if (cls->dxfName()[0] != '\0')
    r.byDxfName.emplace(cls->dxfName(), cls);
}

}  // namespace

AcRxClass* AcRxObject::desc() {
  static AcRxClass* cls = zek::registerBuiltinClass("AcRxObject", nullptr, "", nullptr);
  return cls;
}

AcRxClass* AcRxObject::isA() const { return AcRxObject::desc(); }

bool AcRxObject::isKindOf(const AcRxClass* cls) const {
  const AcRxClass* mine = isA();
  return mine != nullptr && cls != nullptr && mine->isDerivedFrom(cls);
}

AcRxClass::AcRxClass(const char* name, AcRxClass* parent, const char* parentName,
                     int dwgVersion, int maintenanceVersion, int proxyFlags,
                     PseudoConstructor create, const char* dxfName, const char* appName,
                     AppNameChangeFuncPtr appNameChange)
    : name_(name ? name : ""),
      parentName_(parentName ? parentName : ""),
      dxfName_(dxfName ? dxfName : ""),
      appName_(appName ? appName : ""),
      parent_(parent),
      dwgVersion_(dwgVersion),
      maintenanceVersion_(maintenanceVersion),
      proxyFlags_(proxyFlags),
      create_(create),
      appNameChange_(appNameChange) {}

AcRxClass* AcRxClass::desc() {
  static AcRxClass* cls = zek::registerBuiltinClass("AcRxClass", AcRxObject::desc(), "", nullptr);
  return cls;
}

AcRxClass* AcRxClass::isA() const { return AcRxClass::desc(); }

bool AcRxClass::isDerivedFrom(const AcRxClass* other) const {
  for (const AcRxClass* cls = this; cls != nullptr; cls = cls->parent_)
    if (cls == other)
      return true;
  return false;
}

int AcRxClass::getClassVersion(int& dwgVersion, int& maintenanceVersion) const {
  dwgVersion = dwgVersion_;
  maintenanceVersion = maintenanceVersion_;
  return dwgVersion_;
}

AcRxClass* zek::registerBuiltinClass(const char* name, AcRxClass* parent, const char* dxfName,
                                     AcRxClass::PseudoConstructor make) {
  ClassRegistry& r = registry();
  auto cls = std::make_unique<AcRxClass>(name, parent, parent ? parent->name() : "", 0, 0, 0,
                                         make, dxfName, "", nullptr);
  AcRxClass* raw = cls.get();
  r.owned.push_back(std::move(cls));
  indexClass(raw);
  return raw;
}

AcRxClass* newAcRxClass(const char* className, const char* parentClassName, int dwgVersion,
                        int maintenanceVersion, int proxyFlags,
                        AcRxObject* (*pseudoConstructor)(), const char* dxfName,
                        const char* appName, AppNameChangeFuncPtr appNameChange) {
  ClassRegistry& r = registry();
  auto found = r.byName.find(className ? className : "");
  if (found != r.byName.end()) {
    AcRxClass* existing = found->second;
    bool sameParent = existing->parentName() == (parentClassName ? parentClassName : "") ||
                      (existing->myParent() &&
                       std::strcmp(existing->myParent()->name(), parentClassName) == 0);
    if (sameParent)
      return existing;
    // A different class under a name already taken would make every object of
    // that name misread; the host stops, as CAD hosts do.
    std::fputs("Class mismatch\n", stderr);
    std::abort();
  }
  AcRxClass* parent = nullptr;
  if (parentClassName) {
    auto p = r.byName.find(parentClassName);
    if (p != r.byName.end())
      parent = p->second;
  }
  auto cls = std::make_unique<AcRxClass>(className, parent, parentClassName, dwgVersion,
                                         maintenanceVersion, proxyFlags, pseudoConstructor,
                                         dxfName, appName, appNameChange);
  cls->setCustom(true);
  AcRxClass* raw = cls.get();
  r.owned.push_back(std::move(cls));
  r.custom.push_back(raw);
  indexClass(raw);
  return raw;
}

void acrxBuildClassHierarchy() {
  ClassRegistry& r = registry();
  for (AcRxClass* cls : r.custom) {
    if (cls->myParent() != nullptr)
      continue;
    auto p = r.byName.find(cls->parentName());
    if (p != r.byName.end())
      cls->setParent(p->second);
  }
}

void deleteAcRxClass(AcRxClass* cls) {
  if (cls == nullptr)
    return;
  ClassRegistry& r = registry();
  r.byName.erase(cls->name());
  auto dxf = r.byDxfName.find(cls->dxfName());
  if (dxf != r.byDxfName.end() && dxf->second == cls)
    r.byDxfName.erase(dxf);
  std::erase(r.custom, cls);
  std::erase_if(r.owned, [cls](const std::unique_ptr<AcRxClass>& c) { return c.get() == cls; });
}

AcRxClass* zek::findRxClass(const char* className) {
  ClassRegistry& r = registry();
  auto found = r.byName.find(className ? className : "");
  return found == r.byName.end() ? nullptr : found->second;
}

AcRxClass* zek::findRxClassByDxfName(const char* dxfName) {
  ClassRegistry& r = registry();
  auto found = r.byDxfName.find(dxfName ? dxfName : "");
  return found == r.byDxfName.end() ? nullptr : found->second;
}

std::vector<AcRxClass*> zek::customRxClasses() { return registry().custom; }
