// ZEKGQS: the dialog that sets R1, R2, R3, W and S; its button 1006 takes
// the values and runs ZEKGQ.
#include <cstdlib>
#include <string>

#include "aced_arx.h"
#include "aced_vars.h"
#include "acui_dialog.h"
#include "overcut_dialog_resource.h"
#include "overcut_settings.h"
#include "zekovercut.h"

namespace zek {
namespace {

// The five values in the order of their boxes (kOvercutValueBoxes).
double* valueSlots(OvercutSettings& settings, int index) {
  double* slots[5] = {&settings.r1, &settings.r2, &settings.r3, &settings.w, &settings.s};
  return slots[index];
}

class OvercutSettingsDialog : public CAcUiDialog {
public:
  OvercutSettingsDialog()
      : CAcUiDialog(kOvercutDialogId, CWnd::FromHandle(adsw_acadMainWnd())) {}

protected:
  // Each box shows its value in decimal units with 3 decimals.
  bool OnInitDialog() override {
    CAcUiDialog::OnInitDialog();
    OvercutSettings& settings = overcutSettings();
    for (int i = 0; i < 5; ++i) {
      char text[kZekRealTextSize] = "";
      if (acdbRToS(*valueSlots(settings, i), 2, 3, text) != RTNORM)
        text[0] = '\0';
      SetDlgItemText(kOvercutValueBoxes[i], text);
    }
    return true;
  }

  void OnOK() override {
    takeValues();
    CAcUiDialog::OnOK();
  }

  afx_msg void OnDrawNow() {
    takeValues();
    EndDialog(kOvercutDrawButton);
  }

private:
  // The boxes read by the C atof rule (text that is no number reads 0) with
  // no checks of their own: ZEKGQ checks the values it draws with.
  void takeValues() {
    OvercutSettings& settings = overcutSettings();
    for (int i = 0; i < 5; ++i) {
      std::string text;
      (void)GetDlgItemText(kOvercutValueBoxes[i], text);
      *valueSlots(settings, i) = std::atof(text.c_str());
    }
  }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(OvercutSettingsDialog, CAcUiDialog)
  ON_BN_CLICKED(kOvercutDrawButton, OnDrawNow)
END_MESSAGE_MAP()

}  // namespace

void editOvercutSettings() {
  OvercutSettingsDialog dialog;
  if (dialog.DoModal() == kOvercutDrawButton)
    drawCornerOvercut();
}

}  // namespace zek
