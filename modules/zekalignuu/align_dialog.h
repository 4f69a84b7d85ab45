// The alignment dialog (resource 129, "对齐"): the moving group's code, the
// fixed group's code and the two offsets.
#pragma once

#include "acui_dialog.h"
#include "align_choice.h"

namespace zek {

inline constexpr int kAlignDialogId = 129;

class AlignDialog : public CAcUiDialog {
public:
  // Shows the choice; OK writes the codes clicked and the offsets typed back
  // into it.
  explicit AlignDialog(AlignChoice& choice);

protected:
  bool OnInitDialog() override;
  void OnOK() override;
  afx_msg void OnFromClicked(unsigned id);
  afx_msg void OnToClicked(unsigned id);

  DECLARE_MESSAGE_MAP()

private:
  void showFromCode(int code);
  void showToCode(int code);

  AlignChoice& choice_;
  int fromCode_;
  int toCode_;
};

}  // namespace zek
