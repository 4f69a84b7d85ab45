// The dialog model behind window handles: the host's main window, an open
// dialog with its controls and their state (text, check, list items and
// selection, enabled, visible). A handle (HWND) points at one of these; the
// CWnd objects of module code are views of them. Drivers read the model and
// change it only through the dialog answers (dialog_answers.h).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "acui_window.h"
#include "dialogs/list_model.h"
#include "ui_resources.h"

namespace zek {

enum class WindowKind { Main, Dialog, Control };

class DialogState;

// What every window has.
struct WindowState : HWND__ {
  explicit WindowState(WindowKind kind);
  virtual ~WindowState();
  WindowState(const WindowState&) = delete;
  WindowState& operator=(const WindowState&) = delete;

  WindowKind kind;
  CWnd* window = nullptr;          // the object GetDlgItem and FromHandle answer
  CWnd* fallbackWindow = nullptr;  // answered again when a subclassing object goes
  std::string text;        // title, label, edit contents
  bool enabled = true;
  bool visible = true;
};

// One control of an open dialog.
struct ControlState : WindowState {
  ControlState(DialogState& dialog, const ZekControlResource& resource, int radioGroup);
  ~ControlState() override;

  bool isCheckable() const {
    return resource.kind == ZekControlKind::CheckBox || resource.kind == ZekControlKind::RadioButton;
  }
  bool isPushButton() const {
    return resource.kind == ZekControlKind::Button || resource.kind == ZekControlKind::DefaultButton;
  }
  bool hasItems() const {
    return resource.kind == ZekControlKind::ListBox || resource.kind == ZekControlKind::ComboBox;
  }
  int id() const { return resource.id; }

  DialogState& dialog;
  const ZekControlResource& resource;
  int radioGroup;  // radio buttons: the run of radio buttons it belongs to; else -1
  unsigned check = 0;
  bool readOnly;
  unsigned limitText = 0;  // edit boxes: the most characters an answer keeps (0: any)
  ListModel list;          // list boxes and drop-down lists

private:
  std::unique_ptr<CWnd> ownWindow_;  // the control's object until module code subclasses it
};

// An open dialog: its resource, its controls in resource order, and how it
// ended.
class DialogState : public WindowState {
public:
  DialogState(const ZekDialogResource& resource, CWnd* dialog, CWnd* parent);
  ~DialogState() override;

  const ZekDialogResource& resource() const { return resource_; }
  int resourceId() const { return resource_.id; }
  CWnd* parent() const { return parent_; }
  const std::vector<std::unique_ptr<ControlState>>& controls() const { return controls_; }
  // The first control of an id, or null.
  ControlState* control(int id) const;
  // The push button Enter presses: the first default button, else null.
  ControlState* defaultButton() const;
  // The radio buttons of a group, in resource order.
  std::vector<ControlState*> radioGroup(int group) const;

  bool hasEnded() const { return ended_; }
  int result() const { return result_; }
  void end(int result);

private:
  const ZekDialogResource& resource_;
  CWnd* parent_;
  std::vector<std::unique_ptr<ControlState>> controls_;
  bool ended_ = false;
  int result_ = 0;
};

// The window state of a handle, or null for null or a handle of nothing
// open (a closed dialog's, one made up).
WindowState* windowStateOf(HWND handle);
inline WindowState* windowStateOf(const CWnd* window) {
  return window ? windowStateOf(window->m_hWnd) : nullptr;
}
// The same for a dialog or a control only.
DialogState* dialogStateOf(const CWnd* window);
ControlState* controlStateOf(const CWnd* window);

// The item rows a list shows for a control's height in dialog units.
int listRowsForHeight(int height);

}  // namespace zek
