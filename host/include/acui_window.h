// Windows of the host's dialog classes: CWnd (a handle to the main window, a
// dialog or one of its controls, with the classic text, state and dialog-item
// calls) and the message maps that route a control's notifications (a click,
// a changed selection) to the member functions a dialog class names.
#pragma once

#include <string>
#include <type_traits>

#include "ui_resources.h"

// Notification codes a message map entry answers.
constexpr int BN_CLICKED = 0;
constexpr int LBN_SELCHANGE = 1;
constexpr int LBN_DBLCLK = 2;
constexpr int CBN_SELCHANGE = 1;
constexpr int EN_CHANGE = 0x300;

// Check states of check boxes and radio buttons.
constexpr unsigned BST_UNCHECKED = 0;
constexpr unsigned BST_CHECKED = 1;
constexpr unsigned BST_INDETERMINATE = 2;

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

class CWnd;

// A handler of one control id (ON_BN_CLICKED ...) and of an id range
// (ON_CONTROL_RANGE, which hands over the id of the control).
using ZekCommandHandler = void (CWnd::*)();
using ZekRangeHandler = void (CWnd::*)(unsigned);

// One row of a message map: a notification of the controls firstId..lastId.
// A notification code of -1 ends the table.
struct ZekMessageMapEntry {
  int notifyCode;
  int firstId;
  int lastId;
  ZekCommandHandler handler;
  ZekRangeHandler rangeHandler;
};

// A class's message map and the map of its base class, searched after it.
struct ZekMessageMap {
  const ZekMessageMap* (*baseMap)();
  const ZekMessageMapEntry* entries;
};

// A window: the host's main window, a running dialog or a control of one.
// Module code meets windows as CWnd pointers (GetDlgItem, FromHandle) or as
// member objects attached to a control (SubclassDlgItem, DDX_Control). A
// window that is not open (a dialog before DoModal, a control of a closed
// dialog) has a null handle: its calls do nothing and answer 0 or "".
class CWnd {
public:
  CWnd() = default;
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // The window object of a handle (the main window from adsw_acadMainWnd(),
  // an open dialog or control), or null for null or a handle of nothing.
  static CWnd* FromHandle(HWND handle);
  HWND GetSafeHwnd() const { return m_hWnd; }

  // Another control of the same dialog (this window being the dialog), or
  // null when it has no control of that id.
  CWnd* GetDlgItem(int id) const;
  // A control's id (0 for a dialog or the main window).
  int GetDlgCtrlID() const;
  // The dialog of a control, the parent of a dialog; null for the main window.
  CWnd* GetParent() const;

  // The window's text: a dialog's title, a control's label or an edit box's
  // contents (a drop-down list's: its selected item). UTF-8.
  void SetWindowText(const char* text);
  // Copies the text into buffer (size bytes, cut at a character boundary,
  // always terminated); answers the bytes copied.
  int GetWindowText(char* buffer, int size) const;
  void GetWindowText(std::string& text) const;
  int GetWindowTextLength() const;

  // Enables or disables the window; answers whether it was disabled before.
  bool EnableWindow(bool enable = true);
  bool IsWindowEnabled() const;
  // SW_HIDE or SW_SHOW; answers whether it was visible before.
  bool ShowWindow(int command);
  bool IsWindowVisible() const;

  // Makes this object the window of a dialog's control, so that GetDlgItem
  // answers it (a list box class of the module's own, a member control).
  // False when the dialog is not open or has no such control.
  bool SubclassDlgItem(int id, CWnd* parent);

  // Dialog items of this window (the dialog): text, numbers and checks.
  void SetDlgItemText(int id, const char* text);
  int GetDlgItemText(int id, char* buffer, int size) const;
  int GetDlgItemText(int id, std::string& text) const;
  // Writes a decimal integer (isSigned false: the value as unsigned).
  void SetDlgItemInt(int id, int value, bool isSigned = true);
  // Reads a decimal integer; blanks around it are allowed, nothing else.
  // *translated says whether it read one (0 answered otherwise).
  int GetDlgItemInt(int id, bool* translated = nullptr, bool isSigned = true) const;
  void CheckDlgButton(int id, unsigned check);
  unsigned IsDlgButtonChecked(int id) const;
  // Checks the button checkId and clears every other check box or radio
  // button whose id lies in firstId..lastId.
  void CheckRadioButton(int firstId, int lastId, int checkId);
  // The lowest id in firstId..lastId whose button is checked, or 0.
  int GetCheckedRadioButton(int firstId, int lastId) const;

  // Runs the handler of a control's notification through the message maps,
  // the class's own first; false when no map has one.
  virtual bool OnCmdMsg(unsigned id, int notifyCode);

  HWND m_hWnd = nullptr;

protected:
  static const ZekMessageMap* GetThisMessageMap();
  virtual const ZekMessageMap* GetMessageMap() const;
};

// Marks a member function as a message handler (no effect, as classically).
#define afx_msg

// Message maps, written as in the classic dialog classes:
//   class ZekMacroDialog : public CAcUiDialog {
//     ...
//     afx_msg void OnPageDown();
//     DECLARE_MESSAGE_MAP()
//   };
//   BEGIN_MESSAGE_MAP(ZekMacroDialog, CAcUiDialog)
//     ON_BN_CLICKED(3, OnPageDown)
//     ON_LBN_DBLCLK(1009, OnOK)
//   END_MESSAGE_MAP()
// Handlers are named by their bare member name; range handlers take the id.
#define DECLARE_MESSAGE_MAP()                               \
protected:                                                  \
  static const ZekMessageMap* GetThisMessageMap();          \
  const ZekMessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                    \
  const ZekMessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const ZekMessageMap* theClass::GetThisMessageMap() {                             \
    using ThisClass = theClass;                                                    \
    using TheBaseClass = baseClass;                                                \
    static const ZekMessageMapEntry entries[] = {

#define ZEK_ON_NOTIFY(code, id, memberFxn) \
  {(code), (id), (id), static_cast<ZekCommandHandler>(&ThisClass::memberFxn), nullptr},

#define ON_BN_CLICKED(id, memberFxn) ZEK_ON_NOTIFY(BN_CLICKED, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ZEK_ON_NOTIFY(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ZEK_ON_NOTIFY(LBN_DBLCLK, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ZEK_ON_NOTIFY(CBN_SELCHANGE, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ZEK_ON_NOTIFY(EN_CHANGE, id, memberFxn)
#define ON_CONTROL_RANGE(code, id, idLast, memberFxn) \
  {(code), (id), (idLast), nullptr, static_cast<ZekRangeHandler>(&ThisClass::memberFxn)},

#define END_MESSAGE_MAP()                                                          \
  {-1, 0, 0, nullptr, nullptr}                                                     \
  }                                                                                \
  ;                                                                                \
  static_assert(std::is_base_of_v<TheBaseClass, ThisClass>,                        \
                "BEGIN_MESSAGE_MAP names a class and its base class");             \
  static const ZekMessageMap map{&TheBaseClass::GetThisMessageMap, entries};       \
  return &map;                                                                     \
  }
