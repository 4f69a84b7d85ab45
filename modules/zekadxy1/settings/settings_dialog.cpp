// The ZEKXYS dialog: the settings shown when it opens and taken back by the
// buttons that close it, and the set-base-point routine after "设置零点".
#include "settings/settings_dialog.h"

#include <string>

#include "acui_dialog.h"
#include "aced_arx.h"
#include "aced_vars.h"
#include "settings/ordinate_settings.h"
#include "settings/zero_point.h"

namespace zek::adxy1 {

namespace {

constexpr const char* kDecimalsTexts[] = {"0", "1", "2", "3", "4"};

// A factor or gap in decimal units with three places (the host's
// real-to-string service, so 20 shows as "20.000"); "" when the host refuses.
std::string settingText(double value) {
  char text[kZekRealTextSize] = "";
  if (acdbRToS(value, 2, 3, text) != RTNORM)
    return "";
  return text;
}

// The dialog over the module's one settings record. The buttons that take
// the values (OK, "ZEKXY", "ZEKXYY", "ZEKXXY") read every control before it
// closes; Cancel and "设置零点" close without reading any.
class OrdinateSettingsDialog : public CAcUiDialog {
public:
  explicit OrdinateSettingsDialog(OrdinateSettings& settings)
      : CAcUiDialog(xysids::kDialog, CWnd::FromHandle(adsw_acadMainWnd())), settings_(settings) {}

protected:
  bool OnInitDialog() override;
  void OnOK() override;
  afx_msg void OnRunPlacement();
  afx_msg void OnRunPlateCentre();
  afx_msg void OnRunNearestPoint();
  afx_msg void OnSetBasePoint();

private:
  void fillList(int id, const char* const* texts, int count, int selected);
  int selectionOf(int id) const;
  // Reads the controls and takes what the accept rules allow.
  void takeValues();

  OrdinateSettings& settings_;

  DECLARE_MESSAGE_MAP()
};

void OrdinateSettingsDialog::fillList(int id, const char* const* texts, int count, int selected) {
  auto* list = static_cast<CComboBox*>(GetDlgItem(id));
  if (list == nullptr)
    return;
  list->ResetContent();
  for (int i = 0; i < count; ++i)
    list->AddString(texts[i]);
  // A value no item shows (never from the dialog) leaves nothing selected.
  (void)list->SetCurSel(selected >= 0 && selected < count ? selected : -1);
}

int OrdinateSettingsDialog::selectionOf(int id) const {
  const auto* list = static_cast<const CComboBox*>(GetDlgItem(id));
  return list != nullptr ? list->GetCurSel() : CB_ERR;
}

bool OrdinateSettingsDialog::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  fillList(xysids::kZeroMode, kZeroModeTexts, kZeroModeCount, settings_.zeroMode);
  fillList(xysids::kMillingDecimals, kDecimalsTexts, 5, settings_.millingDecimals);
  fillList(xysids::kWireCutDecimals, kDecimalsTexts, 5, settings_.wireCutDecimals);
  SetDlgItemText(xysids::kLeaderFactor, settingText(settings_.leaderFactor).c_str());
  SetDlgItemText(xysids::kOutsideFactor, settingText(settings_.outsideFactor).c_str());
  SetDlgItemText(xysids::kCentreGap, settingText(settings_.centreGap).c_str());
  CheckDlgButton(xysids::kCentreLines, settings_.centreLines ? BST_CHECKED : BST_UNCHECKED);
  SetDlgItemText(xysids::kCentreColour, std::to_string(settings_.centreColour).c_str());
  CheckDlgButton(xysids::kAddSigns, settings_.addSigns ? BST_CHECKED : BST_UNCHECKED);
  return true;
}

void OrdinateSettingsDialog::takeValues() {
  SettingsDialogEntries entries;
  entries.millingIndex = selectionOf(xysids::kMillingDecimals);
  entries.wireCutIndex = selectionOf(xysids::kWireCutDecimals);
  entries.zeroModeIndex = selectionOf(xysids::kZeroMode);
  GetDlgItemText(xysids::kCentreGap, entries.centreGap);
  GetDlgItemText(xysids::kLeaderFactor, entries.leaderFactor);
  GetDlgItemText(xysids::kOutsideFactor, entries.outsideFactor);
  GetDlgItemText(xysids::kCentreColour, entries.centreColour);
  entries.centreLines = IsDlgButtonChecked(xysids::kCentreLines) == BST_CHECKED;
  entries.addSigns = IsDlgButtonChecked(xysids::kAddSigns) == BST_CHECKED;
  takeDialogEntries(entries, settings_);
}

void OrdinateSettingsDialog::OnOK() {
  takeValues();
  CAcUiDialog::OnOK();
}

void OrdinateSettingsDialog::OnRunPlacement() {
  takeValues();
  EndDialog(xysids::kRunPlacement);
}

void OrdinateSettingsDialog::OnRunPlateCentre() {
  takeValues();
  EndDialog(xysids::kRunPlateCentre);
}

void OrdinateSettingsDialog::OnRunNearestPoint() {
  takeValues();
  EndDialog(xysids::kRunNearestPoint);
}

void OrdinateSettingsDialog::OnSetBasePoint() {
  // The point is asked for once the dialog has closed; the edits are dropped.
  EndDialog(xysids::kSetBasePoint);
}

BEGIN_MESSAGE_MAP(OrdinateSettingsDialog, CAcUiDialog)
  ON_BN_CLICKED(xysids::kRunPlacement, OnRunPlacement)
  ON_BN_CLICKED(xysids::kRunPlateCentre, OnRunPlateCentre)
  ON_BN_CLICKED(xysids::kRunNearestPoint, OnRunNearestPoint)
  ON_BN_CLICKED(xysids::kSetBasePoint, OnSetBasePoint)
END_MESSAGE_MAP()

}  // namespace

SettingsOutcome showOrdinateSettingsDialog() {
  OrdinateSettings& settings = ordinateSettings();
  OrdinateSettingsDialog dialog(settings);
  switch (dialog.DoModal()) {
    case IDOK: return SettingsOutcome::Accepted;
    case xysids::kRunPlacement: return SettingsOutcome::RunPlacement;
    case xysids::kRunPlateCentre:
      settings.zeroMode = kPlateCentre;  // kept for later runs
      return SettingsOutcome::RunPlateCentre;
    case xysids::kRunNearestPoint:
      settings.zeroMode = kNearestPoint;
      return SettingsOutcome::RunNearestPoint;
    case xysids::kSetBasePoint:
      (void)setBasePointInteractively();  // it says itself whether a point was taken
      return SettingsOutcome::SetBasePoint;
    default:
      // Cancel, Esc, or a dialog that could not open (the host has said so).
      return SettingsOutcome::Cancelled;
  }
}

}  // namespace zek::adxy1
