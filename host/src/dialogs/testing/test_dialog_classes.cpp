// The test dialog classes, written as module dialogs are written.
#include "dialogs/testing/test_dialog_classes.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "dialogs/testing/test_dialogs.h"

namespace zek::test {

constexpr int kPage = 26;

BEGIN_MESSAGE_MAP(MacroListDialog, CAcUiDialog)
  ON_BN_CLICKED(1022, OnPageUp)
  ON_BN_CLICKED(3, OnPageDown)
  ON_BN_CLICKED(1023, OnClose)
  ON_LBN_DBLCLK(1009, OnOK)
END_MESSAGE_MAP()

bool MacroListDialog::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  for (const std::string& label : labels_)
    list()->AddString(label.c_str());
  list()->SetCurSel(selected_);
  return true;
}

void MacroListDialog::OnOK() {
  selected_ = list()->GetCurSel();
  CAcUiDialog::OnOK();
}

void MacroListDialog::OnPageUp() {
  const int top = std::max(0, list()->GetTopIndex() - kPage);
  list()->SetTopIndex(top);
  list()->SetCurSel(top);
}

void MacroListDialog::OnPageDown() {
  const int top = list()->GetTopIndex() + kPage;
  if (top >= list()->GetCount())
    return;
  list()->SetTopIndex(top);
  list()->SetCurSel(top);
}

void MacroListDialog::OnClose() { EndDialog(IDCANCEL); }

static const char* const kZeroModes[] = {"固定位置", "左上角", "上边中间", "右上角",
                                         "右边中间", "右下角", "下边中间", "左下角",
                                         "左边中间", "模板中间", "依最近点"};

BEGIN_MESSAGE_MAP(SettingsDialog, CAcUiDialog)
  ON_BN_CLICKED(1012, OnCentreLines)
  ON_CBN_SELCHANGE(1001, OnZeroMode)
  ON_EN_CHANGE(1003, OnLeaderChanged)
END_MESSAGE_MAP()

void SettingsDialog::DoDataExchange(CDataExchange* exchange) {
  CAcUiDialog::DoDataExchange(exchange);
  DDX_Control(exchange, 1001, zeroModes_);
}

bool SettingsDialog::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  const TestSettings& settings = testSettings();
  for (const char* mode : kZeroModes)
    zeroModes_.AddString(mode);
  zeroModes_.SetCurSel(settings.zeroMode);
  SetDlgItemText(1003, settings.leaderFactor.c_str());
  OnLeaderChanged();
  CheckDlgButton(1012, settings.centreLines ? BST_CHECKED : BST_UNCHECKED);
  SetDlgItemInt(1007, settings.colour);
  GetDlgItem(1007)->EnableWindow(settings.centreLines);
  CheckDlgButton(1008, settings.addSigns ? BST_CHECKED : BST_UNCHECKED);
  return true;
}

void SettingsDialog::OnOK() {
  TestSettings& settings = testSettings();
  settings.zeroMode = zeroModes_.GetCurSel();
  GetDlgItemText(1003, settings.leaderFactor);
  settings.centreLines = IsDlgButtonChecked(1012) == BST_CHECKED;
  bool read = false;
  const int colour = GetDlgItemInt(1007, &read);
  if (read && colour > 0 && colour < 255)
    settings.colour = colour;
  settings.addSigns = IsDlgButtonChecked(1008) == BST_CHECKED;
  CAcUiDialog::OnOK();
}

void SettingsDialog::OnCentreLines() {
  GetDlgItem(1007)->EnableWindow(IsDlgButtonChecked(1012) == BST_CHECKED);
}

void SettingsDialog::OnZeroMode() {
  GetDlgItem(1015)->ShowWindow(zeroModes_.GetCurSel() == 10 ? SW_SHOW : SW_HIDE);
}

void SettingsDialog::OnLeaderChanged() {
  std::string factor;
  GetDlgItemText(1003, factor);
  SetDlgItemText(1017, ("= " + factor + " 倍").c_str());
}

// The code each radio button of a group stands for, by its place in the row.
static const int kRowCodes[] = {1, 13, 2, 13, 3};
static const int kFromIds[] = {1038, 1039, 1040, 1042, 1043};
static const int kToIds[] = {1065, 1066, 1067, 1068, 1069};

static int codeOf(const int (&ids)[5], unsigned id) {
  for (int i = 0; i < 5; ++i)
    if (ids[i] == static_cast<int>(id))
      return kRowCodes[i];
  return 0;
}

BEGIN_MESSAGE_MAP(AlignDialog, CAcUiDialog)
  ON_CONTROL_RANGE(BN_CLICKED, 1038, 1043, OnFrom)
  ON_CONTROL_RANGE(BN_CLICKED, 1065, 1069, OnTo)
END_MESSAGE_MAP()

void AlignDialog::showCode(int firstId, int lastId, int code) {
  const int(&ids)[5] = firstId == 1038 ? kFromIds : kToIds;
  for (int i = 0; i < 5; ++i)
    if (ids[i] >= firstId && ids[i] <= lastId)
      CheckDlgButton(ids[i], kRowCodes[i] == code ? BST_CHECKED : BST_UNCHECKED);
}

bool AlignDialog::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  showCode(1038, 1043, fromCode);
  showCode(1065, 1069, toCode);
  char text[32];
  std::snprintf(text, sizeof text, "%.12g", dx);
  SetDlgItemText(1041, text);
  std::snprintf(text, sizeof text, "%.12g", dy);
  SetDlgItemText(1045, text);
  return true;
}

void AlignDialog::OnFrom(unsigned id) {
  fromCode = codeOf(kFromIds, id);
  showCode(1038, 1043, fromCode);
}

void AlignDialog::OnTo(unsigned id) {
  toCode = codeOf(kToIds, id);
  showCode(1065, 1069, toCode);
}

void AlignDialog::OnOK() {
  char text[64];
  GetDlgItemText(1041, text, sizeof text);
  dx = std::atof(text);
  GetDlgItemText(1045, text, sizeof text);
  dy = std::atof(text);
  CAcUiDialog::OnOK();
}

BEGIN_MESSAGE_MAP(OvercutDialog, CAcUiDialog)
  ON_BN_CLICKED(1006, OnRun)
END_MESSAGE_MAP()

bool OvercutDialog::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  SetDlgItemText(1001, "0.400");
  SetDlgItemText(1005, "0.050");
  return true;
}

void OvercutDialog::OnRun() { EndDialog(1006); }

BEGIN_MESSAGE_MAP(PhraseDialog, CAcUiDialog)
  ON_BN_CLICKED(1021, OnDelete)
  ON_LBN_DBLCLK(1009, OnOK)
END_MESSAGE_MAP()

bool PhraseDialog::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  auto* list = static_cast<CAdUiListBox*>(GetDlgItem(1009));
  for (const std::string& phrase : phrases_)
    list->AddString(phrase.c_str());
  return true;
}

void PhraseDialog::OnDelete() {
  auto* list = static_cast<CListBox*>(GetDlgItem(1009));
  for (int i = list->GetCount() - 1; i >= 0; --i)
    if (list->GetSel(i) > 0)
      list->DeleteString(static_cast<unsigned>(i));
  phrases_.clear();
  for (int i = 0; i < list->GetCount(); ++i) {
    std::string text;
    list->GetText(i, text);
    phrases_.push_back(text);
  }
}

void PhraseDialog::OnOK() {
  auto* list = static_cast<CListBox*>(GetDlgItem(1009));
  int items[16];
  const int count = list->GetSelItems(16, items);
  for (int i = 0; i < count; ++i) {
    std::string text;
    list->GetText(items[i], text);
    inserted.push_back(text);
  }
  CAcUiDialog::OnOK();
}

namespace {

class LayerDialog : public CAcUiDialog {
public:
  LayerDialog(PuncherDialog& owner, HINSTANCE instance)
      : CAcUiDialog(141, &owner, instance), owner_(owner) {}
  bool OnInitDialog() override {
    CAcUiDialog::OnInitDialog();
    SetDlgItemText(1010, owner_.lineLayer.c_str());
    SetDlgItemText(1011, owner_.dimensionLayer.c_str());
    return true;
  }

protected:
  void OnOK() override {
    GetDlgItemText(1010, owner_.lineLayer);
    GetDlgItemText(1011, owner_.dimensionLayer);
    CAcUiDialog::OnOK();
  }

private:
  PuncherDialog& owner_;
};

}  // namespace

BEGIN_MESSAGE_MAP(PuncherDialog, CAcUiDialog)
  ON_BN_CLICKED(1009, OnLayers)
END_MESSAGE_MAP()

bool PuncherDialog::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  SetDlgItemText(1001, thickness.c_str());
  showLayers();
  return true;
}

void PuncherDialog::showLayers() {
  SetDlgItemText(1002, (lineLayer + " / " + dimensionLayer).c_str());
}

void PuncherDialog::OnOK() {
  GetDlgItemText(1001, thickness);
  CAcUiDialog::OnOK();
}

void PuncherDialog::OnLayers() {
  LayerDialog layers(*this, testDialogInstance());
  if (layers.DoModal() == IDOK)
    showLayers();
}

}  // namespace zek::test
