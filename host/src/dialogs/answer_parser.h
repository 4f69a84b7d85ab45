// The answer lines of a modal dialog, as scripts and the drafter type them:
//   set ID TEXT        an edit box's text (the rest of the line, blanks kept)
//   check ID 0|1       a check box (or radio button) ticked or cleared
//   select ID INDEX    a list item (several in a list of several selections;
//                      -1 for none)
//   dblclick ID INDEX  a list item double-clicked
//   click ID           a button, check box or radio button clicked
//   (empty line)       Enter: the default button
// Words are separated by blanks; the answer words ignore case.
#pragma once

#include <string_view>

#include "dialogs/dialog_driver.h"

namespace zek {

// The request of a line; Invalid (with the reason) for a line that is not
// one of the forms above. Whether the control exists and takes it is checked
// when the request is applied.
DialogRequest parseDialogAnswer(std::string_view line);

// The answer words, for line completion.
inline constexpr const char* kDialogAnswerWords[] = {"set", "check", "select", "dblclick", "click"};

}  // namespace zek
