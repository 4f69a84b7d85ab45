// The modal loop: a dialog shown through the current driver, its answers
// applied one by one until a handler (or Esc, or the end of the input) ends
// it. A run of refused answers cancels it, so a script that keeps answering
// wrongly cannot keep a dialog open for ever.
#pragma once

#include "dialogs/window_state.h"

namespace zek {

// Refused answers in a row after which the dialog is cancelled.
constexpr int kMaxRefusedAnswers = 10;

// Runs an open dialog (OnInitDialog done) to its end; answers its result.
int runModalDialog(DialogState& dialog);

}  // namespace zek
