// Dialog 129 "ZEK命令列表": the labels of the macros in a list box, paged 26
// entries at a time with "<<" and ">>", "运行" (or a double click) to choose
// one and "取消" to close without a choice.
#pragma once

#include <vector>

#include "acui_dialog.h"
#include "macro_list.h"

namespace zek {

namespace cmdids {
inline constexpr int kDialog = 129;
inline constexpr int kList = 1009;
inline constexpr int kClose = 1023;     // "取消"
inline constexpr int kPageUp = 1022;    // "<<"
inline constexpr int kPageDown = 3;     // ">>"
inline constexpr int kRun = 1;          // "运行", the default button
inline constexpr int kPageRows = 26;    // the rows the list shows
}  // namespace cmdids

class CommandListDialog : public CAcUiDialog {
public:
  // Opens with the entry at selectedIndex selected (when there is one).
  CommandListDialog(const std::vector<CommandMacro>& macros, int selectedIndex);

  // The entry chosen with "运行" or a double click; -1 when none was selected.
  int chosenIndex() const { return chosen_; }

protected:
  bool OnInitDialog() override;
  void OnOK() override;
  afx_msg void OnClose();
  afx_msg void OnPageUp();
  afx_msg void OnPageDown();

private:
  CListBox* list() const;

  const std::vector<CommandMacro>& macros_;
  int selectedIndex_;
  int chosen_ = -1;

  DECLARE_MESSAGE_MAP()
};

}  // namespace zek
