// The plain-text picture of a dialog, as the transcript shows it: a title
// line, then a line per control in resource order (id, kind, label, value,
// marks), lists followed by their item rows. The layout is documented in
// README.md and compared by golden files: keep it stable.
#pragma once

#include <string>
#include <vector>

#include "dialogs/window_state.h"

namespace zek {

struct ControlPicture {
  std::string line;               // "  1012  checkbox  加中心线; 颜色   [x]"
  std::vector<std::string> rows;  // list items shown (a list box's visible ones)
};

struct DialogPicture {
  std::string title;  // "Dialog 101 \"ADXY1参数\""
  std::vector<ControlPicture> controls;
};

// The width of the label column: the widest label now (terminal columns)
// and two blanks, or 0 when no control has a label. Chosen when the dialog
// opens and kept while it is open, so later lines align with the first.
int labelColumnWidth(const DialogState& dialog);

DialogPicture drawDialogPicture(const DialogState& dialog, int labelWidth);

// "Dialog 101 closed: OK" (Cancel, or the number EndDialog was given).
std::string closingLine(const DialogState& dialog);

}  // namespace zek
