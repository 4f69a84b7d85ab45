// Dialog answers checked and applied, with the notifications they send.
#include "dialogs/dialog_answers.h"

#include <algorithm>
#include <charconv>
#include <sstream>

#include "acui_window.h"
#include "dialogs/utf8_text.h"

namespace zek {
namespace {

using Kind = DialogRequest::Kind;

std::string controlName(const ControlState& control) {
  return "Control " + std::to_string(control.id());
}

// Sends a control's notification to the dialog's message map.
void notify(DialogState& dialog, int id, int code) {
  if (dialog.window != nullptr && !dialog.hasEnded())
    dialog.window->OnCmdMsg(static_cast<unsigned>(id), code);
}

// The answers each kind of control takes, for the refusal that names them.
const char* answersTaken(ZekControlKind kind) {
  switch (kind) {
    case ZekControlKind::EditBox: return "set";
    case ZekControlKind::Button:
    case ZekControlKind::DefaultButton: return "click";
    case ZekControlKind::CheckBox:
    case ZekControlKind::RadioButton: return "check or click";
    case ZekControlKind::ListBox: return "select or dblclick";
    case ZekControlKind::ComboBox: return "select";
    default: return nullptr;
  }
}

bool takes(const ControlState& control, Kind kind) {
  switch (control.resource.kind) {
    case ZekControlKind::EditBox: return kind == Kind::Set;
    case ZekControlKind::Button:
    case ZekControlKind::DefaultButton: return kind == Kind::Click;
    case ZekControlKind::CheckBox:
    case ZekControlKind::RadioButton: return kind == Kind::Check || kind == Kind::Click;
    case ZekControlKind::ListBox: return kind == Kind::Select || kind == Kind::DoubleClick;
    case ZekControlKind::ComboBox: return kind == Kind::Select;
    default: return false;
  }
}

// Why a control cannot take an answer now ("" when it can).
std::string refusalFor(const ControlState& control, Kind kind) {
  const std::string name = controlName(control);
  if (!control.visible)
    return name + " is hidden.";
  if (!control.enabled)
    return name + " is disabled.";
  if (takes(control, kind))
    return {};
  const char* taken = answersTaken(control.resource.kind);
  const std::string article = control.resource.kind == ZekControlKind::EditBox ? "an " : "a ";
  return name + " is " + article + controlKindName(control.resource.kind) +
         (taken ? std::string(" and takes ") + taken + "." : std::string(" and takes no answers."));
}

// An auto radio button clicked: it is checked, the others of its run cleared.
void checkRadio(ControlState& radio) {
  for (ControlState* member : radio.dialog.radioGroup(radio.radioGroup))
    member->check = member == &radio ? BST_CHECKED : BST_UNCHECKED;
}

std::string setText(ControlState& edit, const std::string& text) {
  if (edit.readOnly)
    return controlName(edit) + " is read-only.";
  const std::string kept(edit.limitText > 0 ? prefixOfChars(text, edit.limitText) : text);
  if (kept == edit.text)
    return {};
  edit.text = kept;
  notify(edit.dialog, edit.id(), EN_CHANGE);
  return {};
}

std::string setCheck(ControlState& button, const std::string& value) {
  if (value != "0" && value != "1")
    return "Requires 0 or 1.";
  const unsigned wanted = value == "1" ? BST_CHECKED : BST_UNCHECKED;
  if (button.check == wanted)
    return {};  // already so: no click was needed
  if (button.resource.kind == ZekControlKind::RadioButton) {
    if (wanted == BST_UNCHECKED)
      return controlName(button) + " is a radio button: check another of its group to clear it.";
    checkRadio(button);
  } else {
    button.check = wanted;
  }
  notify(button.dialog, button.id(), BN_CLICKED);
  return {};
}

std::string click(ControlState& button) {
  if (button.resource.kind == ZekControlKind::RadioButton)
    checkRadio(button);
  else if (button.resource.kind == ZekControlKind::CheckBox)
    button.check = button.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
  notify(button.dialog, button.id(), BN_CLICKED);
  return {};
}

bool readIndex(const std::string& word, int& index) {
  const char* end = word.data() + word.size();
  auto [stop, error] = std::from_chars(word.data(), end, index);
  return error == std::errc() && stop == end;
}

std::string indexRangeMessage(const ListModel& list, bool noneAllowed, bool several) {
  if (list.count() == 0)
    return noneAllowed ? "The list has no items; only -1 (none) is possible." : "The list has no items.";
  std::string text = several ? "Requires item indexes from 0 to " : "Requires an item index from 0 to ";
  text += std::to_string(list.count() - 1);
  return text + (noneAllowed ? ", or -1 for none." : ".");
}

// The indexes of a select answer: -1 alone for none, else items of the list
// (one, or several in a list of several selections).
bool readIndexes(const ListModel& list, const std::string& argument, std::vector<int>& indexes) {
  std::istringstream words(argument);
  std::string word;
  while (words >> word) {
    int index = 0;
    if (!readIndex(word, index) || index < -1 || index >= list.count())
      return false;
    indexes.push_back(index);
  }
  if (indexes.empty())
    return false;
  const bool none = indexes.front() == -1;
  return none ? indexes.size() == 1 : std::find(indexes.begin(), indexes.end(), -1) == indexes.end();
}

std::string select(ControlState& control, const std::string& argument) {
  ListModel& list = control.list;
  std::vector<int> indexes;
  if (!readIndexes(list, argument, indexes))
    return indexRangeMessage(list, true, list.isMultiple());
  if (!list.isMultiple() && indexes.size() > 1)
    return controlName(control) + " takes one item index.";
  if (list.isMultiple()) {
    (void)list.setSelected(-1, false);
    for (int index : indexes)
      if (index >= 0)
        (void)list.setSelected(index, true);
    list.scrollIntoView(indexes.front());
  } else {
    (void)list.select(indexes.front());
  }
  const bool combo = control.resource.kind == ZekControlKind::ComboBox;
  notify(control.dialog, control.id(), combo ? CBN_SELCHANGE : LBN_SELCHANGE);
  return {};
}

std::string doubleClick(ControlState& control, const std::string& argument) {
  ListModel& list = control.list;
  int index = 0;
  if (!readIndex(argument, index) || !list.has(index))
    return indexRangeMessage(list, false, false);
  if (list.isMultiple()) {
    (void)list.setSelected(index, true);  // joins the items already selected
    list.scrollIntoView(index);
  } else {
    (void)list.select(index);
  }
  notify(control.dialog, control.id(), LBN_SELCHANGE);
  notify(control.dialog, control.id(), LBN_DBLCLK);
  return {};
}

std::string pressEnter(DialogState& dialog) {
  ControlState* button = dialog.defaultButton();
  if (button == nullptr) {
    notify(dialog, IDOK, BN_CLICKED);  // Enter without a default button still means IDOK
    return {};
  }
  if (std::string why = refusalFor(*button, Kind::Click); !why.empty())
    return why;
  return click(*button);
}

}  // namespace

const char* controlKindName(ZekControlKind kind) {
  switch (kind) {
    case ZekControlKind::StaticText: return "static text";
    case ZekControlKind::EditBox: return "edit box";
    case ZekControlKind::Button: return "button";
    case ZekControlKind::DefaultButton: return "default button";
    case ZekControlKind::CheckBox: return "check box";
    case ZekControlKind::RadioButton: return "radio button";
    case ZekControlKind::ListBox: return "list box";
    case ZekControlKind::ComboBox: return "drop-down list";
    case ZekControlKind::GroupBox: return "frame";
    case ZekControlKind::Picture: return "picture";
  }
  return "control";
}

void cancelDialog(DialogState& dialog) {
  notify(dialog, IDCANCEL, BN_CLICKED);
  if (!dialog.hasEnded())
    dialog.end(IDCANCEL);
}

std::string applyDialogRequest(DialogState& dialog, const DialogRequest& request) {
  switch (request.kind) {
    case Kind::Invalid: return request.argument;
    case Kind::Enter: return pressEnter(dialog);
    case Kind::Cancel: cancelDialog(dialog); return {};
    default: break;
  }
  ControlState* control = dialog.control(request.id);
  if (control == nullptr || request.id == IDC_STATIC)
    return "No control " + std::to_string(request.id) + " in this dialog.";
  if (std::string why = refusalFor(*control, request.kind); !why.empty())
    return why;
  switch (request.kind) {
    case Kind::Set: return setText(*control, request.argument);
    case Kind::Check: return setCheck(*control, request.argument);
    case Kind::Select: return select(*control, request.argument);
    case Kind::DoubleClick: return doubleClick(*control, request.argument);
    default: return click(*control);
  }
}

}  // namespace zek
