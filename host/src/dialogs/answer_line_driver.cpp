// The answer-line driver, and the driver slot it is the default of.
#include "dialogs/answer_line_driver.h"

#include "dialogs/answer_parser.h"
#include "editor/input.h"
#include "editor/transcript.h"

namespace zek {
namespace {

void printLine(const std::string& line) { Transcript::instance().print("\n" + line); }

void printControl(const ControlPicture& control, bool withRows) {
  printLine(control.line);
  if (withRows)
    for (const std::string& row : control.rows)
      printLine(row);
}

DialogDriver*& installedDriver() {
  static DialogDriver* driver = nullptr;
  return driver;
}

}  // namespace

DialogDriver& dialogDriver() {
  static AnswerLineDriver answerLines;
  DialogDriver* installed = installedDriver();
  return installed ? *installed : answerLines;
}

DialogDriver* setDialogDriver(DialogDriver* driver) {
  DialogDriver* previous = installedDriver();
  installedDriver() = driver;
  return previous;
}

AnswerLineDriver::Shown* AnswerLineDriver::shownOf(const DialogState& dialog) {
  for (Shown& shown : shown_)
    if (shown.dialog == &dialog)
      return &shown;
  return nullptr;
}

void AnswerLineDriver::opened(const DialogState& dialog) {
  // A dialog whose handler threw out of its loop was never closed here.
  std::erase_if(shown_, [&](const Shown& shown) { return shown.dialog == &dialog; });
  const int width = labelColumnWidth(dialog);
  shown_.push_back({&dialog, width, drawDialogPicture(dialog, width)});
  const DialogPicture& picture = shown_.back().picture;
  printLine(picture.title);
  for (const ControlPicture& control : picture.controls)
    printControl(control, true);
}

DialogRequest AnswerLineDriver::nextRequest(const DialogState&) {
  const Answer answer = promptForLine(kDialogPrompt);
  if (answer.kind != Answer::Kind::Text)
    return {DialogRequest::Kind::Cancel, 0, {}};  // Esc, or the input ended
  return parseDialogAnswer(answer.text);
}

void AnswerLineDriver::refused(const DialogState&, const std::string& why) { printLine(why); }

void AnswerLineDriver::answered(const DialogState& dialog) {
  Shown* shown = shownOf(dialog);
  if (shown == nullptr)
    return;
  DialogPicture now = drawDialogPicture(dialog, shown->labelWidth);
  if (now.title != shown->picture.title)
    printLine(now.title);
  for (std::size_t i = 0; i < now.controls.size() && i < shown->picture.controls.size(); ++i) {
    const ControlPicture& before = shown->picture.controls[i];
    const ControlPicture& after = now.controls[i];
    const bool rowsChanged = after.rows != before.rows;
    if (after.line != before.line || rowsChanged)
      printControl(after, rowsChanged);
  }
  shown->picture = std::move(now);
}

void AnswerLineDriver::closed(const DialogState& dialog) {
  printLine(closingLine(dialog));
  std::erase_if(shown_, [&](const Shown& shown) { return shown.dialog == &dialog; });
}

}  // namespace zek
