// What runs a modal dialog in front of the drafter: the driver shows the
// dialog, hands over the drafter's answers as requests and shows what they
// changed. The answer-line driver (scripts and the terminal) is the default;
// another front end (a browser) puts its own in the slot.
#pragma once

#include <string>
#include <vector>

namespace zek {

class DialogState;

// One answer to an open dialog.
struct DialogRequest {
  enum class Kind {
    Enter,        // the default button
    Cancel,       // Esc, or the input ended
    Set,          // an edit box's text
    Check,        // a check box or radio button: argument "0" or "1"
    Select,       // list items: argument the index (several in a list of several selections)
    DoubleClick,  // a list item: argument its index
    Click,        // a button, check box or radio button
    Invalid,      // a line that is no answer: argument says why
  };
  Kind kind = Kind::Cancel;
  int id = 0;
  std::string argument;
};

class DialogDriver {
public:
  virtual ~DialogDriver() = default;
  // The dialog opened (its controls filled by OnInitDialog).
  virtual void opened(const DialogState& dialog) = 0;
  // The drafter's next answer.
  virtual DialogRequest nextRequest(const DialogState& dialog) = 0;
  // The answer was refused, with the reason in the system's words.
  virtual void refused(const DialogState& dialog, const std::string& why) = 0;
  // The answer was taken and its handlers ran; the dialog is still open.
  virtual void answered(const DialogState& dialog) = 0;
  // The dialog ended (result() says how).
  virtual void closed(const DialogState& dialog) = 0;
};

// The driver dialogs run through now.
DialogDriver& dialogDriver();
// Puts a driver in the slot (null: the answer-line driver again); answers the
// one it replaces. The caller keeps ownership and keeps it alive while set.
DialogDriver* setDialogDriver(DialogDriver* driver);

// The dialogs open now, outermost first (a dialog can open another).
const std::vector<const DialogState*>& openDialogs();

// For line completion while a dialog waits: the answer words and the ids of
// the innermost open dialog's controls that take answers; empty when no
// dialog is open.
std::vector<std::string> activeDialogCompletions();

}  // namespace zek
