// The host's application registry: what a module records so that the host
// loads it by itself at start-up or when one of its commands is typed. The
// registry is a plain text file in the profile folder (ZEK_PROFILE, else
// ~/.config/zek), file "registry".
#pragma once

class AcApAppInfo {
public:
  // Why the host loads an application (bits of the load reasons).
  enum LoadReasons : int {
    kOnProxyDetection = 0x01,
    kOnStartup = 0x02,
    kOnCommandInvocation = 0x04,
    kOnLoadRequest = 0x08,
    kLoadDisabled = 0x10,
    kTransparentlyLoadable = 0x20,
  };
  enum ErrorStatus { eOk = 0, eInvalidKey = 1, eNotAllowed = 2, eWriteFailed = 3 };

  AcApAppInfo();
  ~AcApAppInfo();
  AcApAppInfo(const AcApAppInfo&) = delete;
  AcApAppInfo& operator=(const AcApAppInfo&) = delete;

  void setAppName(const char* appName);
  void setModuleName(const char* modulePath);
  void setAppDesc(const char* description);
  void setLoadReason(int reasons);
  const char* appName() const;
  const char* moduleName() const;
  const char* appDesc() const;
  int loadReason() const;

  // Writes the application's entry (name, module, description, load
  // reasons), replacing an earlier entry of that name with its commands and
  // group. The two flags are kept for the classic call (0 and 1) and change
  // nothing. eInvalidKey without a name; eWriteFailed when the file cannot be
  // written.
  ErrorStatus writeToRegistry(bool alsoWriteToMachineKey = false, bool writeControlsKey = true);
  // Adds a command (global and local name) to the entry written last.
  ErrorStatus writeCommandNameToRegistry(const char* globalName, const char* localName);
  // Sets the entry's command group.
  ErrorStatus writeGroupNameToRegistry(const char* groupName);
  // Reads the entry of the name set with setAppName; eInvalidKey when none.
  ErrorStatus readFromRegistry();
  // Removes the entry of that name.
  ErrorStatus delFromRegistry();

private:
  struct Fields;
  Fields* fields_;
};
