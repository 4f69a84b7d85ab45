// The alignment dialog: every button that shows the chosen code is checked,
// the others cleared, in both grids.
#include "align_dialog.h"

#include <algorithm>
#include <span>
#include <string>

#include "aced_arx.h"
#include "acui_window.h"
#include "align_grid.h"

namespace zek {

namespace {

constexpr int kXOffsetEdit = 1041;
constexpr int kYOffsetEdit = 1045;

void checkButtonsOfCode(CWnd& dialog, std::span<const GridButton> grid, int code) {
  const std::vector<int> shown = buttonsShowingCode(grid, code);
  for (const GridButton& button : grid) {
    const bool checked = std::find(shown.begin(), shown.end(), button.id) != shown.end();
    dialog.CheckDlgButton(button.id, checked ? 1u : 0u);
  }
}

}  // namespace

AlignDialog::AlignDialog(AlignChoice& choice)
    : CAcUiDialog(kAlignDialogId, CWnd::FromHandle(adsw_acadMainWnd())),
      choice_(choice),
      fromCode_(choice.fromCode),
      toCode_(choice.toCode) {}

bool AlignDialog::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  showFromCode(fromCode_);
  showToCode(toCode_);
  SetDlgItemText(kXOffsetEdit, offsetText(choice_.dx).c_str());
  SetDlgItemText(kYOffsetEdit, offsetText(choice_.dy).c_str());
  return true;
}

void AlignDialog::OnOK() {
  std::string text;
  GetDlgItemText(kXOffsetEdit, text);
  const double dx = offsetFromText(text);
  GetDlgItemText(kYOffsetEdit, text);
  const double dy = offsetFromText(text);
  choice_ = AlignChoice{fromCode_, toCode_, dx, dy};
  CAcUiDialog::OnOK();
}

void AlignDialog::OnFromClicked(unsigned id) {
  const int code = codeOfButton(fromGrid(), static_cast<int>(id));
  if (code != 0)
    showFromCode(code);
}

void AlignDialog::OnToClicked(unsigned id) {
  const int code = codeOfButton(toGrid(), static_cast<int>(id));
  if (code != 0)
    showToCode(code);
}

void AlignDialog::showFromCode(int code) {
  fromCode_ = code;
  checkButtonsOfCode(*this, fromGrid(), code);
}

void AlignDialog::showToCode(int code) {
  toCode_ = code;
  checkButtonsOfCode(*this, toGrid(), code);
}

BEGIN_MESSAGE_MAP(AlignDialog, CAcUiDialog)
  ON_CONTROL_RANGE(BN_CLICKED, 1032, 1061, OnFromClicked)
  ON_CONTROL_RANGE(BN_CLICKED, 1062, 1082, OnToClicked)
END_MESSAGE_MAP()

}  // namespace zek
