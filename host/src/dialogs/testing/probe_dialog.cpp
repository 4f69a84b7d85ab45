// The probe dialog of the dialog tests.
#include "dialogs/testing/probe_dialog.h"

#include "dialogs/resource_registry.h"

namespace zek::test {
namespace {

using K = ZekControlKind;

constexpr ZekControlResource kProbeControls[] = {
    {1001, K::EditBox, "", 10, 10, 60, 12, 0},
    {1002, K::CheckBox, "甲", 10, 26, 60, 10, 0},
    {1003, K::RadioButton, "A", 10, 40, 20, 10, ZEK_STYLE_GROUP},
    {1004, K::RadioButton, "B", 30, 40, 20, 10, 0},
    {1005, K::RadioButton, "C", 50, 40, 20, 10, ZEK_STYLE_GROUP},
    {1006, K::RadioButton, "D", 70, 40, 20, 10, 0},
    {IDC_STATIC, K::StaticText, "label", 10, 54, 40, 10, 0},
    {1007, K::RadioButton, "E", 50, 54, 20, 10, 0},
    {1008, K::ListBox, "", 10, 68, 60, 26, 0},
    {1009, K::ComboBox, "", 80, 68, 60, 12, 0},
    {1010, K::Button, "Go", 80, 90, 40, 14, 0},
    {1, K::DefaultButton, "OK", 80, 110, 40, 14, 0},
    {2, K::Button, "Cancel", 130, 110, 40, 14, 0},
};

constexpr ZekDialogResource kProbeDialogs[] = {
    {200, "Probe", 180, 130, "", 8, kProbeControls,
     static_cast<int>(sizeof(kProbeControls) / sizeof(kProbeControls[0]))},
};

constexpr ZekResourceTable kProbeTable{kProbeDialogs, 1};

}  // namespace

HINSTANCE probeInstance() {
  static HINSTANCE__ instance{};
  static const bool registered = (registerModuleResources(&instance, &kProbeTable), true);
  (void)registered;
  return &instance;
}

BEGIN_MESSAGE_MAP(ProbeDialog, CAcUiDialog)
  ON_BN_CLICKED(1010, OnGo)
  ON_BN_CLICKED(1002, OnBox)
  ON_CONTROL_RANGE(BN_CLICKED, 1003, 1007, OnRadio)
  ON_EN_CHANGE(1001, OnEditChange)
  ON_LBN_SELCHANGE(1008, OnListSelect)
  ON_LBN_DBLCLK(1008, OnListDoubleClick)
  ON_CBN_SELCHANGE(1009, OnComboSelect)
END_MESSAGE_MAP()

bool ProbeDialog::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  auto* list = static_cast<CListBox*>(GetDlgItem(1008));
  auto* combo = static_cast<CComboBox*>(GetDlgItem(1009));
  for (const char* item : {"l0", "l1", "l2", "l3", "l4"})
    list->AddString(item);
  for (const char* item : {"c0", "c1"})
    combo->AddString(item);
  if (onInit)
    onInit(*this);
  return true;
}

void ProbeDialog::OnOK() {
  if (onOK)
    onOK(*this);
  CAcUiDialog::OnOK();
}

void ProbeDialog::log(const std::string& event) { events += (events.empty() ? "" : ";") + event; }

void ProbeDialog::OnGo() {
  log("click 1010");
  std::string text;
  GetDlgItemText(1001, text);
  if (text == "end")
    EndDialog(1010);
}

void ProbeDialog::OnBox() { log("click 1002"); }
void ProbeDialog::OnRadio(unsigned id) { log("radio " + std::to_string(id)); }
void ProbeDialog::OnEditChange() { log("change 1001"); }
void ProbeDialog::OnListSelect() { log("sel 1008"); }
void ProbeDialog::OnListDoubleClick() { log("dbl 1008"); }
void ProbeDialog::OnComboSelect() { log("cbsel 1009"); }

}  // namespace zek::test
