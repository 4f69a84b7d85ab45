// The modal loop over the dialog driver, and the list of open dialogs.
#include "dialogs/modal_loop.h"

#include <algorithm>
#include <vector>

#include "dialogs/answer_parser.h"
#include "dialogs/dialog_answers.h"
#include "dialogs/dialog_driver.h"

namespace zek {
namespace {

std::vector<const DialogState*>& openDialogStack() {
  static std::vector<const DialogState*> dialogs;
  return dialogs;
}

// Keeps a dialog on the open list while its loop runs, also when a handler
// throws through it.
class OpenDialogScope {
public:
  explicit OpenDialogScope(const DialogState& dialog) { openDialogStack().push_back(&dialog); }
  ~OpenDialogScope() { openDialogStack().pop_back(); }
  OpenDialogScope(const OpenDialogScope&) = delete;
  OpenDialogScope& operator=(const OpenDialogScope&) = delete;
};

bool takesAnswers(ZekControlKind kind) {
  return kind != ZekControlKind::StaticText && kind != ZekControlKind::GroupBox &&
         kind != ZekControlKind::Picture;
}

}  // namespace

const std::vector<const DialogState*>& openDialogs() { return openDialogStack(); }

std::vector<std::string> activeDialogCompletions() {
  std::vector<std::string> words;
  if (openDialogStack().empty())
    return words;
  words.assign(std::begin(kDialogAnswerWords), std::end(kDialogAnswerWords));
  for (const auto& control : openDialogStack().back()->controls()) {
    const std::string id = std::to_string(control->id());
    if (control->id() == IDC_STATIC || !takesAnswers(control->resource.kind) ||
        std::find(words.begin(), words.end(), id) != words.end())
      continue;
    words.push_back(id);
  }
  return words;
}

int runModalDialog(DialogState& dialog) {
  OpenDialogScope open(dialog);
  DialogDriver& driver = dialogDriver();
  driver.opened(dialog);
  int refusedInRow = 0;
  while (!dialog.hasEnded()) {
    const DialogRequest request = driver.nextRequest(dialog);
    const std::string why = applyDialogRequest(dialog, request);
    if (why.empty()) {
      refusedInRow = 0;
      if (!dialog.hasEnded())
        driver.answered(dialog);
      continue;
    }
    driver.refused(dialog, why);
    if (++refusedInRow >= kMaxRefusedAnswers) {
      driver.refused(dialog, "Too many invalid answers: the dialog is cancelled.");
      cancelDialog(dialog);
    }
  }
  driver.closed(dialog);
  return dialog.result();
}

}  // namespace zek
