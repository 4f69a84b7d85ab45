// The test commands that open the test dialogs.
#include "dialogs/testing/test_dialogs.h"

#include <cstdio>

#include "aced_output.h"
#include "dialogs/testing/test_dialog_classes.h"
#include "editor/core/command_table.h"

namespace zek::test {
namespace {

constexpr const char* kGroup = "ZEKDLGTEST";

// What the align and phrase dialogs keep between runs, as a module keeps it
// from load to unload (reset with the commands).
struct KeptState {
  int fromCode = 1, toCode = 1;
  double dx = 0, dy = 0;
  std::vector<std::string> phrases = {"未注倒角C0.5", "THRU", "背面沉头", "线割",
                                      "铣床加工",     "淬火 HRC58", "抛光"};
};

KeptState& kept() {
  static KeptState state;
  return state;
}

std::vector<std::string> macroLabels() {
  std::vector<std::string> labels;
  for (int i = 1; i <= 60; ++i) {
    char label[32];
    std::snprintf(label, sizeof label, "宏命令%02d", i);
    labels.push_back(label);
  }
  return labels;
}

void runMacroList() {
  MacroListDialog dialog(macroLabels(), testMacroIndex(), testDialogInstance());
  const int result = dialog.DoModal();
  acutPrintf("\nDoModal: %d", result);
  if (result == IDOK && dialog.chosen() >= 0) {
    testMacroIndex() = dialog.chosen();
    acutPrintf("\nRun entry %d", dialog.chosen());
  }
}

void runSettings() {
  CAcModuleResourceOverride resources(testDialogInstance());
  SettingsDialog dialog;
  const int result = dialog.DoModal();
  const TestSettings& s = testSettings();
  acutPrintf("\nDoModal: %d", result);
  acutPrintf("\nmode %d, leader %s, centre lines %d, colour %d, signs %d", s.zeroMode,
             s.leaderFactor.c_str(), s.centreLines ? 1 : 0, s.colour, s.addSigns ? 1 : 0);
}

void runAlign() {
  KeptState& state = kept();
  AlignDialog dialog(testDialogInstance());
  dialog.fromCode = state.fromCode;
  dialog.toCode = state.toCode;
  dialog.dx = state.dx;
  dialog.dy = state.dy;
  const int result = dialog.DoModal();
  acutPrintf("\nDoModal: %d", result);
  if (result != IDOK)
    return;
  state.fromCode = dialog.fromCode;
  state.toCode = dialog.toCode;
  state.dx = dialog.dx;
  state.dy = dialog.dy;
  acutPrintf("\nfrom %d to %d, offsets %g,%g", state.fromCode, state.toCode, state.dx, state.dy);
}

void runOvercut() {
  OvercutDialog dialog(testDialogInstance());
  acutPrintf("\nDoModal: %d", dialog.DoModal());
}

void runPhrases() {
  std::vector<std::string>& phrases = kept().phrases;
  PhraseDialog dialog(phrases, testDialogInstance());
  acutPrintf("\nDoModal: %d", dialog.DoModal());
  for (const std::string& phrase : dialog.inserted)
    acutPrintf("\nInsert %s", phrase.c_str());
  acutPrintf("\n%d phrases kept", static_cast<int>(phrases.size()));
}

void runPuncher() {
  PuncherDialog dialog(testDialogInstance());
  const int result = dialog.DoModal();
  acutPrintf("\nDoModal: %d", result);
  acutPrintf("\nthickness %s, lines on %s, dimensions on %s", dialog.thickness.c_str(),
             dialog.lineLayer.c_str(), dialog.dimensionLayer.c_str());
}

void runMissing() {
  CAcUiDialog dialog(999, nullptr, testDialogInstance());
  acutPrintf("\nDoModal: %d", dialog.DoModal());
}

void runWithoutResources() {
  SettingsDialog dialog;  // no instance given and none current
  acutPrintf("\nDoModal: %d", dialog.DoModal());
}

struct TestCommand {
  const char* name;
  void (*function)();
};

constexpr TestCommand kCommands[] = {
    {"ZEKTESTCMD", runMacroList},  {"ZEKTESTSET", runSettings}, {"ZEKTESTNU", runAlign},
    {"ZEKTESTGQS", runOvercut},    {"ZEKTESTQTXT", runPhrases}, {"ZEKTESTNEST", runPuncher},
    {"ZEKTESTNONE", runMissing},   {"ZEKTESTBARE", runWithoutResources},
};

}  // namespace

TestSettings& testSettings() {
  static TestSettings settings;
  return settings;
}

int& testMacroIndex() {
  static int index = 0;
  return index;
}

void addTestDialogCommands() {
  removeTestDialogCommands();
  testSettings() = {};
  testMacroIndex() = 0;
  kept() = {};
  for (const TestCommand& command : kCommands)
    (void)CommandTable::instance().add(kGroup, command.name, "", kCommandModal, command.function);
}

void removeTestDialogCommands() { CommandTable::instance().removeGroup(kGroup); }

}  // namespace zek::test
