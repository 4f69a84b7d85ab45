// CWnd: windows by handle, their text and state, dialog items, and the
// message maps that route notifications to handlers.
#include "acui_window.h"

#include <cctype>
#include <limits>
#include <string_view>

#include "dialogs/utf8_text.h"
#include "dialogs/window_state.h"

using zek::ControlState;
using zek::WindowState;

CWnd::~CWnd() {
  WindowState* state = zek::windowStateOf(m_hWnd);
  if (state != nullptr && state->window == this)
    state->window = state->fallbackWindow != this ? state->fallbackWindow : nullptr;
}

CWnd* CWnd::FromHandle(HWND handle) {
  WindowState* state = zek::windowStateOf(handle);
  return state ? state->window : nullptr;
}

CWnd* CWnd::GetDlgItem(int id) const {
  zek::DialogState* dialog = zek::dialogStateOf(this);
  ControlState* control = dialog ? dialog->control(id) : nullptr;
  return control ? control->window : nullptr;
}

int CWnd::GetDlgCtrlID() const {
  ControlState* control = zek::controlStateOf(this);
  return control ? control->id() : 0;
}

CWnd* CWnd::GetParent() const {
  WindowState* state = zek::windowStateOf(this);
  if (state == nullptr)
    return nullptr;
  switch (state->kind) {
    case zek::WindowKind::Control:
      return static_cast<ControlState*>(state)->dialog.window;
    case zek::WindowKind::Dialog:
      return static_cast<zek::DialogState*>(state)->parent();
    case zek::WindowKind::Main:
      break;
  }
  return nullptr;
}

// The text a window shows: a drop-down list shows its selected item, a list
// box none.
static std::string shownText(const WindowState& state) {
  if (state.kind != zek::WindowKind::Control)
    return state.text;
  const auto& control = static_cast<const ControlState&>(state);
  if (control.resource.kind == ZekControlKind::ComboBox)
    return control.list.text(control.list.current());
  if (control.resource.kind == ZekControlKind::ListBox)
    return {};
  return control.text;
}

void CWnd::SetWindowText(const char* text) {
  WindowState* state = zek::windowStateOf(this);
  if (state == nullptr)
    return;
  if (ControlState* control = zek::controlStateOf(this); control && control->hasItems())
    return;  // lists show their items, not a text
  state->text = text != nullptr ? text : "";
}

int CWnd::GetWindowText(char* buffer, int size) const {
  WindowState* state = zek::windowStateOf(this);
  return zek::copyToBuffer(state ? shownText(*state) : std::string(), buffer, size);
}

void CWnd::GetWindowText(std::string& text) const {
  WindowState* state = zek::windowStateOf(this);
  text = state ? shownText(*state) : std::string();
}

int CWnd::GetWindowTextLength() const {
  WindowState* state = zek::windowStateOf(this);
  return state ? static_cast<int>(shownText(*state).size()) : 0;
}

bool CWnd::EnableWindow(bool enable) {
  WindowState* state = zek::windowStateOf(this);
  if (state == nullptr)
    return false;
  const bool wasDisabled = !state->enabled;
  state->enabled = enable;
  return wasDisabled;
}

bool CWnd::IsWindowEnabled() const {
  WindowState* state = zek::windowStateOf(this);
  return state != nullptr && state->enabled;
}

bool CWnd::ShowWindow(int command) {
  WindowState* state = zek::windowStateOf(this);
  if (state == nullptr)
    return false;
  const bool wasVisible = state->visible;
  state->visible = command != SW_HIDE;
  return wasVisible;
}

bool CWnd::IsWindowVisible() const {
  WindowState* state = zek::windowStateOf(this);
  return state != nullptr && state->visible;
}

bool CWnd::SubclassDlgItem(int id, CWnd* parent) {
  zek::DialogState* dialog = zek::dialogStateOf(parent);
  ControlState* control = dialog ? dialog->control(id) : nullptr;
  if (control == nullptr || m_hWnd != nullptr)
    return false;
  control->window = this;
  m_hWnd = control;
  return true;
}

static ControlState* dialogItem(const CWnd* dialog, int id) {
  zek::DialogState* state = zek::dialogStateOf(dialog);
  return state ? state->control(id) : nullptr;
}

void CWnd::SetDlgItemText(int id, const char* text) {
  if (CWnd* item = GetDlgItem(id))
    item->SetWindowText(text);
}

int CWnd::GetDlgItemText(int id, char* buffer, int size) const {
  if (CWnd* item = GetDlgItem(id))
    return item->GetWindowText(buffer, size);
  return zek::copyToBuffer("", buffer, size);
}

int CWnd::GetDlgItemText(int id, std::string& text) const {
  text.clear();
  if (CWnd* item = GetDlgItem(id))
    item->GetWindowText(text);
  return static_cast<int>(text.size());
}

void CWnd::SetDlgItemInt(int id, int value, bool isSigned) {
  const std::string text = isSigned ? std::to_string(value) : std::to_string(static_cast<unsigned>(value));
  SetDlgItemText(id, text.c_str());
}

// A decimal integer with blanks around it and nothing else; a sign only
// when signed; no more digits than an int holds.
static bool readDecimalInt(std::string_view text, bool isSigned, int& value) {
  auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && isBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back()))
    text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    if (!isSigned)
      return false;
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 10)
    return false;
  long long magnitude = 0;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c)))
      return false;
    magnitude = magnitude * 10 + (c - '0');
  }
  const long long signedValue = negative ? -magnitude : magnitude;
  const bool fits = isSigned ? signedValue >= std::numeric_limits<int>::min() &&
                                  signedValue <= std::numeric_limits<int>::max()
                             : signedValue <= std::numeric_limits<unsigned>::max();
  if (!fits)
    return false;
  value = static_cast<int>(static_cast<unsigned>(signedValue));
  return true;
}

int CWnd::GetDlgItemInt(int id, bool* translated, bool isSigned) const {
  std::string text;
  GetDlgItemText(id, text);
  int value = 0;
  const bool read = GetDlgItem(id) != nullptr && readDecimalInt(text, isSigned, value);
  if (translated != nullptr)
    *translated = read;
  return read ? value : 0;
}

void CWnd::CheckDlgButton(int id, unsigned check) {
  ControlState* control = dialogItem(this, id);
  if (control != nullptr && control->isCheckable())
    control->check = check;
}

unsigned CWnd::IsDlgButtonChecked(int id) const {
  ControlState* control = dialogItem(this, id);
  return control != nullptr && control->isCheckable() ? control->check : BST_UNCHECKED;
}

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId) {
  zek::DialogState* dialog = zek::dialogStateOf(this);
  if (dialog == nullptr)
    return;
  for (const auto& control : dialog->controls())
    if (control->isCheckable() && control->id() >= firstId && control->id() <= lastId)
      control->check = control->id() == checkId ? BST_CHECKED : BST_UNCHECKED;
}

int CWnd::GetCheckedRadioButton(int firstId, int lastId) const {
  zek::DialogState* dialog = zek::dialogStateOf(this);
  if (dialog == nullptr)
    return 0;
  int found = 0;
  for (const auto& control : dialog->controls()) {
    const int id = control->id();
    if (control->isCheckable() && control->check == BST_CHECKED && id >= firstId && id <= lastId &&
        (found == 0 || id < found))
      found = id;
  }
  return found;
}

const ZekMessageMap* CWnd::GetThisMessageMap() {
  static const ZekMessageMapEntry entries[] = {{-1, 0, 0, nullptr, nullptr}};
  static const ZekMessageMap map{nullptr, entries};
  return &map;
}

const ZekMessageMap* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

bool CWnd::OnCmdMsg(unsigned id, int notifyCode) {
  const int controlId = static_cast<int>(id);
  for (const ZekMessageMap* map = GetMessageMap(); map != nullptr;
       map = map->baseMap ? map->baseMap() : nullptr) {
    for (const ZekMessageMapEntry* entry = map->entries; entry->notifyCode != -1; ++entry) {
      if (entry->notifyCode != notifyCode || controlId < entry->firstId || controlId > entry->lastId)
        continue;
      if (entry->handler != nullptr)
        (this->*entry->handler)();
      else if (entry->rangeHandler != nullptr)
        (this->*entry->rangeHandler)(id);
      return true;
    }
  }
  return false;
}
