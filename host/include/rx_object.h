// Run-time classes of the plug-in interface: AcRxObject, AcRxClass, class
// registration (newAcRxClass, acrxBuildClassHierarchy) and the member macros
// every database class declares (desc, cast, isA, rxInit).
#pragma once

#include <string>
#include <vector>

class AcRxClass;

class AcRxObject {
public:
  virtual ~AcRxObject() = default;
  static AcRxClass* desc();
  static AcRxObject* cast(const AcRxObject* object) { return const_cast<AcRxObject*>(object); }
  virtual AcRxClass* isA() const;
  bool isKindOf(const AcRxClass* cls) const;
};

namespace AcRx {
enum AppMsgCode {
  kNullMsg = 0,
  kInitAppMsg = 1,
  kUnloadAppMsg = 2,
  kLoadDwgMsg = 3,
  kUnloadDwgMsg = 4,
  kInvkSubrMsg = 5,
  kCfgMsg = 6,
  kEndMsg = 7,
  kQuitMsg = 8,
  kSaveMsg = 9,
  kDependencyMsg = 10,
  kNoDependencyMsg = 11,
  kOleUnloadAppMsg = 12,
  kPreQuitMsg = 13,
  kInitDialogMsg = 14,
  kEndDialogMsg = 15,
};
enum AppRetCode { kRetOK = 0, kRetError = 3 };
}  // namespace AcRx

// Called when a class is saved to an older drawing format: may put another
// application name into `newAppName` (a static string) for that format.
using AppNameChangeFuncPtr = void (*)(const AcRxClass* cls, char*& newAppName, int saveVersion);

class AcRxClass : public AcRxObject {
public:
  using PseudoConstructor = AcRxObject* (*)();

  AcRxClass(const char* name, AcRxClass* parent, const char* parentName, int dwgVersion,
            int maintenanceVersion, int proxyFlags, PseudoConstructor create,
            const char* dxfName, const char* appName, AppNameChangeFuncPtr appNameChange);

  AcRxClass* isA() const override;
  static AcRxClass* desc();

  const char* name() const { return name_.c_str(); }
  const char* dxfName() const { return dxfName_.c_str(); }
  const char* appName() const { return appName_.c_str(); }
  AcRxClass* myParent() const { return parent_; }
  int proxyFlags() const { return proxyFlags_; }
  // A new object of the class, or null for an abstract class.
  AcRxObject* create() const { return create_ ? create_() : nullptr; }
  bool isDerivedFrom(const AcRxClass* other) const;
  // Answers the drawing format version and maintenance version the class files.
  int getClassVersion(int& dwgVersion, int& maintenanceVersion) const;
  AppNameChangeFuncPtr appNameCallbackPtr() const { return appNameChange_; }

  // Host side: the parent's name until the hierarchy is rebuilt.
  const std::string& parentName() const { return parentName_; }
  void setParent(AcRxClass* parent) { parent_ = parent; }
  // True for classes registered at run time by a loaded application.
  bool isCustom() const { return custom_; }
  void setCustom(bool custom) { custom_ = custom; }

private:
  std::string name_;
  std::string parentName_;
  std::string dxfName_;
  std::string appName_;
  AcRxClass* parent_;
  int dwgVersion_;
  int maintenanceVersion_;
  int proxyFlags_;
  PseudoConstructor create_;
  AppNameChangeFuncPtr appNameChange_;
  bool custom_ = false;
};

// Registers a class by name. A second registration of the same name with the
// same parent answers the class already there; a different class under a name
// already taken stops the host with "Class mismatch", as CAD hosts do.
AcRxClass* newAcRxClass(const char* className, const char* parentClassName, int dwgVersion,
                        int maintenanceVersion, int proxyFlags,
                        AcRxObject* (*pseudoConstructor)(), const char* dxfName = nullptr,
                        const char* appName = nullptr, AppNameChangeFuncPtr appNameChange = nullptr);
// Links every class registered by name to its parent class object.
void acrxBuildClassHierarchy();
// Removes a run-time class from the class registry and deletes it.
void deleteAcRxClass(AcRxClass* cls);

namespace zek {
// The registered class of that name, or null.
AcRxClass* findRxClass(const char* className);
// The registered class that files under that DXF type name, or null.
AcRxClass* findRxClassByDxfName(const char* dxfName);
// Every class registered at run time, in registration order.
std::vector<AcRxClass*> customRxClasses();
}  // namespace zek

#define ACRX_DECLARE_MEMBERS(CLASS_NAME)                              \
  static AcRxClass* gpDesc;                                           \
  static AcRxClass* desc();                                           \
  static CLASS_NAME* cast(const AcRxObject* object) {                 \
    return object && object->isKindOf(CLASS_NAME::desc())             \
               ? static_cast<CLASS_NAME*>(const_cast<AcRxObject*>(object)) \
               : nullptr;                                             \
  }                                                                   \
  AcRxClass* isA() const override;                                    \
  static void rxInit();                                               \
  static void rxInit(AppNameChangeFuncPtr appNameChange)

// Defines the members of a class registered at run time (rxInit creates its
// class object; until then desc() answers null).
#define ACRX_DXF_DEFINE_MEMBERS(CLASS_NAME, PARENT_CLASS, DWG_VERSION, MAINTENANCE_VERSION, \
                                PROXY_FLAGS, DXF_NAME, APP)                                 \
  AcRxClass* CLASS_NAME::gpDesc = nullptr;                                                  \
  AcRxClass* CLASS_NAME::desc() { return gpDesc; }                                          \
  AcRxClass* CLASS_NAME::isA() const { return gpDesc; }                                     \
  static AcRxObject* zekMake##CLASS_NAME() { return new CLASS_NAME(); }                     \
  void CLASS_NAME::rxInit() { rxInit(nullptr); }                                            \
  void CLASS_NAME::rxInit(AppNameChangeFuncPtr appNameChange) {                             \
    gpDesc = newAcRxClass(#CLASS_NAME, #PARENT_CLASS, DWG_VERSION, MAINTENANCE_VERSION,     \
                          PROXY_FLAGS, &zekMake##CLASS_NAME, #DXF_NAME, #APP,               \
                          appNameChange);                                                   \
  }

// Defines the members of a host class that exists from the start (registered
// when the host library loads, so the DXF reader finds it by its DXF name).
#define ZEK_DEFINE_BUILTIN_MEMBERS(CLASS_NAME, PARENT_CLASS, DXF_NAME, MAKE)     \
  AcRxClass* CLASS_NAME::gpDesc = nullptr;                                       \
  AcRxClass* CLASS_NAME::desc() {                                                \
    static AcRxClass* cls = zek::registerBuiltinClass(                           \
        #CLASS_NAME, PARENT_CLASS::desc(), DXF_NAME, MAKE);                      \
    gpDesc = cls;                                                                \
    return cls;                                                                  \
  }                                                                              \
  AcRxClass* CLASS_NAME::isA() const { return desc(); }                          \
  void CLASS_NAME::rxInit() { desc(); }                                          \
  void CLASS_NAME::rxInit(AppNameChangeFuncPtr) { desc(); }                      \
  [[maybe_unused]] static const bool zekRegistered##CLASS_NAME =                 \
      CLASS_NAME::desc() != nullptr;

namespace zek {
AcRxClass* registerBuiltinClass(const char* name, AcRxClass* parent, const char* dxfName,
                                AcRxClass::PseudoConstructor make);
}  // namespace zek
