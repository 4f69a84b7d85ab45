// The dialog driver of scripts and the terminal: answers read as lines from
// the current document's input ("Dialog: " prompts, answer_parser.h), the
// picture and the changes printed to the transcript (dialog_picture.h).
#pragma once

#include <string>
#include <vector>

#include "dialogs/dialog_driver.h"
#include "dialogs/dialog_picture.h"

namespace zek {

class AnswerLineDriver : public DialogDriver {
public:
  void opened(const DialogState& dialog) override;
  DialogRequest nextRequest(const DialogState& dialog) override;
  void refused(const DialogState& dialog, const std::string& why) override;
  // Prints the lines that changed: the title, and each changed control's
  // line, with its item rows when they changed.
  void answered(const DialogState& dialog) override;
  void closed(const DialogState& dialog) override;

private:
  // What was last shown of each open dialog, innermost last.
  struct Shown {
    const DialogState* dialog;
    int labelWidth;
    DialogPicture picture;
  };
  Shown* shownOf(const DialogState& dialog);
  std::vector<Shown> shown_;
};

// The prompt of a dialog's answers.
inline constexpr const char* kDialogPrompt = "Dialog: ";

}  // namespace zek
