// ZEKNU and ZEKNUU.
#include "zeknu.h"

#include "align_call.h"
#include "align_choice.h"
#include "align_dialog.h"

namespace zek {

void chooseAndAlign() {
  AlignDialog dialog(alignChoice());
  if (dialog.DoModal() != IDOK)
    return;
  callAlignWithChoice();  // the dialog is closed before the groups are chosen
}

void alignAgain() { callAlignWithChoice(); }

}  // namespace zek
