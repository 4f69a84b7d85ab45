// The placement settings and the ZEKTABLE1S dialog over them.
#include "commands/table_placement.h"

#include <cstdlib>
#include <string>

#include "acui_dialog.h"
#include "aced_arx.h"
#include "aced_vars.h"

namespace zek::table {

TablePlacement& tablePlacement() {
  static TablePlacement placement;
  return placement;
}

void takePlacementEntries(const PlacementEntries& entries, TablePlacement& placement) {
  placement.automatic = entries.automatic;
  if (entries.cornerIndex >= kLowerLeft && entries.cornerIndex <= kLowerRight)
    placement.corner = entries.cornerIndex;
  placement.xMultiple = std::atof(entries.xText);
  placement.yMultiple = std::atof(entries.yText);
}

namespace {

// A multiple in decimal units with three places (9 shows as "9.000").
std::string multipleText(double value) {
  char text[kZekRealTextSize] = "";
  if (acdbRToS(value, 2, 3, text) != RTNORM)
    return "";
  return text;
}

}  // namespace

// The dialog of ZEKTABLE1S (its class name is the resource's).
class dialog125 : public CAcUiDialog {
public:
  explicit dialog125(TablePlacement& placement)
      : CAcUiDialog(tableids::kDialog, CWnd::FromHandle(adsw_acadMainWnd())),
        placement_(placement) {}

protected:
  bool OnInitDialog() override {
    CAcUiDialog::OnInitDialog();
    CheckDlgButton(tableids::kAutomatic, placement_.automatic ? BST_CHECKED : BST_UNCHECKED);
    if (auto* corners = static_cast<CComboBox*>(GetDlgItem(tableids::kCorner))) {
      corners->ResetContent();
      for (const char* text : kCornerTexts)
        corners->AddString(text);
      (void)corners->SetCurSel(placement_.corner);
    }
    SetDlgItemText(tableids::kXMultiple, multipleText(placement_.xMultiple).c_str());
    SetDlgItemText(tableids::kYMultiple, multipleText(placement_.yMultiple).c_str());
    return true;
  }

  void OnOK() override {
    std::string x;
    std::string y;
    GetDlgItemText(tableids::kXMultiple, x);
    GetDlgItemText(tableids::kYMultiple, y);
    const auto* corners = static_cast<const CComboBox*>(GetDlgItem(tableids::kCorner));
    takePlacementEntries({IsDlgButtonChecked(tableids::kAutomatic) == BST_CHECKED,
                          corners != nullptr ? corners->GetCurSel() : CB_ERR, x.c_str(),
                          y.c_str()},
                         placement_);
    CAcUiDialog::OnOK();
  }

private:
  TablePlacement& placement_;
};

bool showTablePlacementDialog() {
  dialog125 dialog(tablePlacement());
  return dialog.DoModal() == IDOK;
}

}  // namespace zek::table
