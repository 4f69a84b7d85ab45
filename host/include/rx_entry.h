// The entry point every module library exports, the version handshake the
// host checks before it sends a message, and the host's dynamic linker that a
// module asks to unlock it and to mark it safe for several drawings.
#pragma once

#include "rx_object.h"

// Exports a function of a module library by name (the host finds it with
// dlsym); everything else in a module stays hidden.
#define ZEK_EXPORT __attribute__((visibility("default")))

// The interface version the host was built for. A library whose
// acrxGetApiVersion answers another value is refused.
constexpr int kZekAcrxApiVersion = 16;

extern "C" {
// The module's life-cycle entry point: kInitAppMsg once after loading,
// kLoadDwgMsg for every open and later opened drawing, kInvkSubrMsg for each
// call of one of its AutoLISP functions, kUnloadAppMsg before unloading.
// appId is the module's handle for the dynamic linker's calls.
ZEK_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId);
// The version handshake; supplied by the host's support library (zekarxsupport),
// never written by a module.
ZEK_EXPORT int acrxGetApiVersion();
}

class AcRxDynamicLinker {
public:
  // A module stays locked (it refuses to unload) until it unlocks itself.
  bool unlockApplication(void* appId) const;
  bool lockApplication(void* appId) const;
  // Whether the module of that file name (or path) is loaded and locked.
  bool isApplicationLocked(const char* appName) const;
  // The module works with several drawings open (it defines its AutoLISP
  // functions per drawing). Our host always holds several; the mark is kept
  // and shown by "ARX ?".
  bool registerAppMDIAware(void* appId) const;
  bool registerAppNotMDIAware(void* appId) const;
  // Loads or unloads a module by file name or path, as acedArxLoad and
  // acedArxUnload; printErrors shows why it failed.
  bool loadModule(const char* fileName, bool printErrors, bool asApp = true) const;
  bool unloadModule(const char* fileName, bool asApp = true) const;
};

// The host's dynamic linker (never null).
AcRxDynamicLinker* acrxDynamicLinkerPtr();
#define acrxDynamicLinker acrxDynamicLinkerPtr()
