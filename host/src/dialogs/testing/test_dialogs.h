// Dialogs for the dialog tests, written as a module writes its own: a
// resource table registered under a made-up resource instance, dialog
// classes with message maps, and test commands that open them.
//   129 "ZEK命令列表"  a macro list of 60 entries paged by "<<" and ">>"
//   101 "ADXY1参数"    settings: drop-down list, edits, check boxes, a read-only
//                      edit, a hidden and a disabled control
//   130 "对齐"         two radio groups where one click checks every button
//                      of the same code (a range handler)
//   131 "接刀绘制"     a picture control and edits
//   140 / 141          a settings dialog whose button opens a second dialog
#pragma once

#include <string>

#include "ui_resources.h"

namespace zek::test {

// The made-up resource instance of the test dialogs.
HINSTANCE testDialogInstance();
// Registers the test resource table under testDialogInstance().
void registerTestDialogs();
void forgetTestDialogs();

// Adds the test commands (group ZEKDLGTEST), first removing earlier ones:
//   ZEKTESTCMD   dialog 129, instance given to the dialog
//   ZEKTESTSET   dialog 101, instance made current by CAcModuleResourceOverride
//   ZEKTESTNU    dialog 130
//   ZEKTESTGQS   dialog 131
//   ZEKTESTQTXT  dialog 132
//   ZEKTESTNEST  dialog 140 (its button 1009 opens 141)
//   ZEKTESTNONE  dialog 999, which no table has
//   ZEKTESTBARE  dialog 101 with no module resources current
// Each prints "DoModal: N" and what it took from the dialog.
void addTestDialogCommands();
void removeTestDialogCommands();

// The settings dialog 101 keeps between runs (reset by addTestDialogCommands,
// with what the other dialogs keep).
struct TestSettings {
  int zeroMode = 7;
  std::string leaderFactor = "20.000";
  bool centreLines = true;
  int colour = 136;
  bool addSigns = false;
};
TestSettings& testSettings();

// The list position dialog 129 opens with (reset by addTestDialogCommands).
int& testMacroIndex();

}  // namespace zek::test
