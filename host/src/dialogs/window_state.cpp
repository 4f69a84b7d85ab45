// The dialog model: windows by handle, dialogs built from their resources.
#include "dialogs/window_state.h"

#include <algorithm>
#include <unordered_set>

#include "acui_controls.h"

namespace zek {
namespace {

// The handles of the windows open now: a handle is followed only when it is
// one of these, so a stale or made-up handle answers nothing.
std::unordered_set<const HWND__*>& openWindows() {
  static std::unordered_set<const HWND__*> windows;
  return windows;
}

// The object module code sees for a control of this kind.
std::unique_ptr<CWnd> windowForKind(ZekControlKind kind) {
  switch (kind) {
    case ZekControlKind::EditBox:
      return std::make_unique<CEdit>();
    case ZekControlKind::Button:
    case ZekControlKind::DefaultButton:
    case ZekControlKind::CheckBox:
    case ZekControlKind::RadioButton:
    case ZekControlKind::GroupBox:
      return std::make_unique<CButton>();
    case ZekControlKind::ListBox:
      return std::make_unique<CAdUiListBox>();
    case ZekControlKind::ComboBox:
      return std::make_unique<CComboBox>();
    case ZekControlKind::StaticText:
    case ZekControlKind::Picture:
      break;
  }
  return std::make_unique<CStatic>();
}

bool showsText(ZekControlKind kind) {
  return kind != ZekControlKind::ListBox && kind != ZekControlKind::ComboBox;
}

}  // namespace

int listRowsForHeight(int height) { return std::max(1, (height - 2) / 8); }

WindowState::WindowState(WindowKind windowKind) : kind(windowKind) { openWindows().insert(this); }

WindowState::~WindowState() {
  openWindows().erase(this);
  if (window != nullptr)
    window->m_hWnd = nullptr;
}

WindowState* windowStateOf(HWND handle) {
  if (handle == nullptr || openWindows().count(handle) == 0)
    return nullptr;
  return static_cast<WindowState*>(handle);
}

DialogState* dialogStateOf(const CWnd* window) {
  WindowState* state = windowStateOf(window);
  return state && state->kind == WindowKind::Dialog ? static_cast<DialogState*>(state) : nullptr;
}

ControlState* controlStateOf(const CWnd* window) {
  WindowState* state = windowStateOf(window);
  return state && state->kind == WindowKind::Control ? static_cast<ControlState*>(state) : nullptr;
}

ControlState::ControlState(DialogState& owner, const ZekControlResource& control, int group)
    : WindowState(WindowKind::Control),
      dialog(owner),
      resource(control),
      radioGroup(group),
      readOnly((control.style & ZEK_STYLE_READONLY) != 0),
      list(listRowsForHeight(control.height), (control.style & ZEK_STYLE_SORTED) != 0,
           control.kind == ZekControlKind::ListBox && (control.style & ZEK_STYLE_MULTIPLE) != 0),
      ownWindow_(windowForKind(control.kind)) {
  if (showsText(control.kind) && control.text != nullptr)
    text = control.text;
  enabled = (control.style & ZEK_STYLE_DISABLED) == 0;
  visible = (control.style & ZEK_STYLE_HIDDEN) == 0;
  window = fallbackWindow = ownWindow_.get();
  ownWindow_->m_hWnd = this;
}

ControlState::~ControlState() {
  // A subclassing object of the module loses its handle with the base's
  // destructor; the control's own object is told here.
  ownWindow_->m_hWnd = nullptr;
  if (window == ownWindow_.get())
    window = nullptr;
}

DialogState::DialogState(const ZekDialogResource& dialogResource, CWnd* dialog, CWnd* parent)
    : WindowState(WindowKind::Dialog), resource_(dialogResource), parent_(parent) {
  text = dialogResource.title != nullptr ? dialogResource.title : "";
  window = fallbackWindow = dialog;
  dialog->m_hWnd = this;
  // Radio buttons group in runs: a run starts at a radio button with the
  // group style or one after another kind of control.
  int group = -1;
  bool inRun = false;
  for (int i = 0; i < dialogResource.controlCount; ++i) {
    const ZekControlResource& control = dialogResource.controls[i];
    const bool radio = control.kind == ZekControlKind::RadioButton;
    if (radio && (!inRun || (control.style & ZEK_STYLE_GROUP) != 0))
      ++group;
    inRun = radio;
    controls_.push_back(std::make_unique<ControlState>(*this, control, radio ? group : -1));
  }
}

DialogState::~DialogState() {
  controls_.clear();  // controls go before the dialog's own handle
}

ControlState* DialogState::control(int id) const {
  for (const auto& control : controls_)
    if (control->id() == id)
      return control.get();
  return nullptr;
}

ControlState* DialogState::defaultButton() const {
  for (const auto& control : controls_)
    if (control->resource.kind == ZekControlKind::DefaultButton)
      return control.get();
  return nullptr;
}

std::vector<ControlState*> DialogState::radioGroup(int group) const {
  std::vector<ControlState*> members;
  for (const auto& control : controls_)
    if (control->radioGroup == group && group >= 0)
      members.push_back(control.get());
  return members;
}

void DialogState::end(int endResult) {
  ended_ = true;
  result_ = endResult;  // a later EndDialog of the same handler overrides, as classically
}

}  // namespace zek
