// A dialog for tests of single behaviours: one control of each kind, two
// runs of radio buttons, handlers that log every notification, and hooks a
// test fills in to act or look inside OnInitDialog and OnOK.
//   1001 edit   1002 check box   1003..1006 radio buttons (1005 starts a
//   second group)   a label   1007 radio button after it   1008 list box of
//   3 rows   1009 drop-down list   1010 button "Go" (ends the dialog with
//   1010 when the edit holds "end")   1 OK   2 Cancel
#pragma once

#include <functional>
#include <string>

#include "acui_dialog.h"

namespace zek::test {

// The resource instance of dialog 200 (registered on first use).
HINSTANCE probeInstance();

class ProbeDialog : public CAcUiDialog {
public:
  ProbeDialog() : CAcUiDialog(200, nullptr, probeInstance()) {}
  bool OnInitDialog() override;

  std::function<void(ProbeDialog&)> onInit;  // after the base's OnInitDialog
  std::function<void(ProbeDialog&)> onOK;    // before the base's OnOK
  std::string events;                        // "click 1010;sel 1008;..."

protected:
  void OnOK() override;
  afx_msg void OnGo();
  afx_msg void OnBox();
  afx_msg void OnRadio(unsigned id);
  afx_msg void OnEditChange();
  afx_msg void OnListSelect();
  afx_msg void OnListDoubleClick();
  afx_msg void OnComboSelect();

private:
  void log(const std::string& event);

  DECLARE_MESSAGE_MAP()
};

}  // namespace zek::test
