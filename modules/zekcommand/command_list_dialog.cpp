// The pick list of dialog 129 and its paging.
#include "command_list_dialog.h"

#include <algorithm>

#include "aced_arx.h"
#include "acui_controls.h"

namespace zek {

CommandListDialog::CommandListDialog(const std::vector<CommandMacro>& macros, int selectedIndex)
    : CAcUiDialog(cmdids::kDialog, CWnd::FromHandle(adsw_acadMainWnd())),
      macros_(macros),
      selectedIndex_(selectedIndex) {}

CListBox* CommandListDialog::list() const {
  return static_cast<CListBox*>(GetDlgItem(cmdids::kList));
}

bool CommandListDialog::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  if (CListBox* box = list()) {
    for (const CommandMacro& entry : macros_)
      box->AddString(entry.label.c_str());
    if (selectedIndex_ >= 0 && selectedIndex_ < box->GetCount())
      box->SetCurSel(selectedIndex_);
  }
  return true;
}

void CommandListDialog::OnOK() {
  CListBox* box = list();
  chosen_ = box ? box->GetCurSel() : -1;
  if (chosen_ < 0)
    chosen_ = -1;  // LB_ERR: nothing selected, nothing runs
  CAcUiDialog::OnOK();
}

void CommandListDialog::OnClose() { EndDialog(IDCANCEL); }

void CommandListDialog::OnPageUp() {
  CListBox* box = list();
  if (box == nullptr || box->GetCount() == 0)
    return;
  const int top = std::max(0, box->GetTopIndex() - cmdids::kPageRows);
  box->SetTopIndex(top);
  box->SetCurSel(top);
}

void CommandListDialog::OnPageDown() {
  CListBox* box = list();
  if (box == nullptr)
    return;
  const int top = box->GetTopIndex() + cmdids::kPageRows;
  if (top >= box->GetCount())
    return;
  box->SetTopIndex(top);
  box->SetCurSel(top);
}

BEGIN_MESSAGE_MAP(CommandListDialog, CAcUiDialog)
  ON_BN_CLICKED(cmdids::kClose, OnClose)
  ON_BN_CLICKED(cmdids::kPageUp, OnPageUp)
  ON_BN_CLICKED(cmdids::kPageDown, OnPageDown)
  ON_LBN_DBLCLK(cmdids::kList, OnOK)
END_MESSAGE_MAP()

}  // namespace zek
