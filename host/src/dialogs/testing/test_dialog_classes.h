// The dialog classes of the test dialogs (test_dialogs.h), written as module
// code writes them.
#pragma once

#include <string>
#include <vector>

#include "acui_dialog.h"

namespace zek::test {

// 129: a macro list paged by 26 entries with "<<" and ">>"; "运行" or a double
// click takes the selected entry.
class MacroListDialog : public CAcUiDialog {
public:
  MacroListDialog(std::vector<std::string> labels, int selected, HINSTANCE instance)
      : CAcUiDialog(129, nullptr, instance), labels_(std::move(labels)), selected_(selected) {}
  bool OnInitDialog() override;
  int chosen() const { return selected_; }

protected:
  void OnOK() override;
  afx_msg void OnPageUp();
  afx_msg void OnPageDown();
  afx_msg void OnClose();

private:
  CListBox* list() { return static_cast<CListBox*>(GetDlgItem(1009)); }
  std::vector<std::string> labels_;
  int selected_;

  DECLARE_MESSAGE_MAP()
};

// 101: settings with a drop-down list, edits and check boxes (values in
// testSettings()); the colour box is enabled only with centre lines, the
// hidden button shows for the last zero mode, the static under the leader
// box repeats it.
class SettingsDialog : public CAcUiDialog {
public:
  SettingsDialog() : CAcUiDialog(101) {}
  bool OnInitDialog() override;

protected:
  void OnOK() override;
  afx_msg void OnCentreLines();
  afx_msg void OnZeroMode();
  afx_msg void OnLeaderChanged();

private:
  CComboBox zeroModes_;

  DECLARE_MESSAGE_MAP()
  void DoDataExchange(CDataExchange* exchange) override;
};

// 130: two radio groups; a click checks every button of the same code.
class AlignDialog : public CAcUiDialog {
public:
  AlignDialog(HINSTANCE instance) : CAcUiDialog(130, nullptr, instance) {}
  bool OnInitDialog() override;
  int fromCode = 1;
  int toCode = 1;
  double dx = 0, dy = 0;

protected:
  void OnOK() override;
  afx_msg void OnFrom(unsigned id);
  afx_msg void OnTo(unsigned id);

private:
  void showCode(int firstId, int lastId, int code);

  DECLARE_MESSAGE_MAP()
};

// 131: a picture and two edits; "ZEKGQ" ends the dialog with its own id.
class OvercutDialog : public CAcUiDialog {
public:
  OvercutDialog(HINSTANCE instance) : CAcUiDialog(131, nullptr, instance) {}
  bool OnInitDialog() override;

protected:
  afx_msg void OnRun();

  DECLARE_MESSAGE_MAP()
};

// 132: a list of several selections; "删除" removes the selected phrases,
// "插入" takes them.
class PhraseDialog : public CAcUiDialog {
public:
  PhraseDialog(std::vector<std::string>& phrases, HINSTANCE instance)
      : CAcUiDialog(132, nullptr, instance), phrases_(phrases) {}
  bool OnInitDialog() override;
  std::vector<std::string> inserted;

protected:
  void OnOK() override;
  afx_msg void OnDelete();

private:
  std::vector<std::string>& phrases_;

  DECLARE_MESSAGE_MAP()
};

// 140 and 141: settings whose button 1009 opens a second dialog.
class PuncherDialog : public CAcUiDialog {
public:
  PuncherDialog(HINSTANCE instance) : CAcUiDialog(140, nullptr, instance) {}
  bool OnInitDialog() override;
  std::string thickness = "20.000";
  std::string lineLayer = "0";
  std::string dimensionLayer = "DIM";

protected:
  void OnOK() override;
  afx_msg void OnLayers();

private:
  void showLayers();  // the two layer names in the static 1002

  DECLARE_MESSAGE_MAP()
};

}  // namespace zek::test
