// What an answer does to an open dialog: checks it against the control it
// names (there, visible, enabled, of a kind that takes it, a valid value),
// changes the control as the drafter's click or typing would, and runs the
// dialog's handler of the notification through its message map.
#pragma once

#include <string>

#include "dialogs/dialog_driver.h"
#include "dialogs/window_state.h"

namespace zek {

// Applies an answer; answers "" when it was taken, else why it was refused
// (the dialog unchanged). Enter presses the default button (IDOK when there
// is none); Cancel is Esc.
std::string applyDialogRequest(DialogState& dialog, const DialogRequest& request);

// Esc: the handler of IDCANCEL (OnCancel by default) runs, and the dialog
// ends with IDCANCEL if that handler left it open.
void cancelDialog(DialogState& dialog);

// The names a message uses for a kind of control ("drop-down list").
const char* controlKindName(ZekControlKind kind);

}  // namespace zek
