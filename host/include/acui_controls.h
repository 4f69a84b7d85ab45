// The controls of a dialog as module code handles them: static texts, edit
// boxes, buttons (push buttons, check boxes, radio buttons), list boxes and
// drop-down lists. Each is a CWnd of a control; GetDlgItem answers an object
// of the control's own class, so a cast to it is sound:
//   auto* list = static_cast<CListBox*>(GetDlgItem(1009));
#pragma once

#include <cstdint>
#include <string>

#include "acui_window.h"

// The answer of a list or combo call that failed (an index out of range).
constexpr int LB_ERR = -1;
constexpr int CB_ERR = -1;

// A static text, a frame or a picture.
class CStatic : public CWnd {};

// An edit box: its text is the window text.
class CEdit : public CWnd {
public:
  // The most characters the drafter may type (0: no limit); longer answers
  // are cut. Text set by the module is not cut.
  void SetLimitText(unsigned maxChars);
  void LimitText(unsigned maxChars) { SetLimitText(maxChars); }
  unsigned GetLimitText() const;
  // A read-only box refuses the drafter's answers.
  bool SetReadOnly(bool readOnly = true);
};

// A push button, check box, radio button or group frame.
class CButton : public CWnd {
public:
  // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE; push buttons are
  // always unchecked.
  int GetCheck() const;
  void SetCheck(int check);
};

// A list box. Indexes count from 0; a failed call answers LB_ERR. Texts are
// UTF-8. In a list of several selections (ZEK_STYLE_MULTIPLE) GetSel, SetSel,
// GetSelCount and GetSelItems handle the selection; GetCurSel answers the
// first selected item there and SetCurSel is refused.
class CListBox : public CWnd {
public:
  // Adds at the end (in a sorted list at its place); answers the index.
  int AddString(const char* text);
  // Inserts before index (-1: at the end), never sorting; answers the index.
  int InsertString(int index, const char* text);
  // Answers the items left, or LB_ERR.
  int DeleteString(unsigned index);
  void ResetContent();
  int GetCount() const;

  int GetCurSel() const;
  // Selects an item and scrolls it into view; -1 clears the selection (and
  // answers LB_ERR, as the classic call does).
  int SetCurSel(int index);

  // The text of an item: into buffer (size bytes, cut at a character
  // boundary, always terminated) or a string; answers its length in bytes.
  int GetText(int index, char* buffer, int size) const;
  int GetText(int index, std::string& text) const;
  int GetTextLen(int index) const;
  // The first item from after start (-1: from the top, wrapping round) whose
  // text equals text without regard to ASCII case, or LB_ERR.
  int FindStringExact(int start, const char* text) const;

  // The first item shown. A list shows as many items as its height holds (8
  // dialog units an item) and never scrolls past its last full page.
  int GetTopIndex() const;
  int SetTopIndex(int index);

  int SetItemData(int index, std::uintptr_t data);
  std::uintptr_t GetItemData(int index) const;

  // Lists of several selections: whether an item is selected (or LB_ERR),
  // selecting or clearing one (-1: every item), how many are selected, and
  // their indexes in order (at most maxItems; answers how many were written).
  int GetSel(int index) const;
  int SetSel(int index, bool select = true);
  int GetSelCount() const;
  int GetSelItems(int maxItems, int* items) const;
};

// The list box of the host's dialog classes.
class CAdUiListBox : public CListBox {};

// A drop-down list: the list calls of CListBox, its items' texts through
// GetLBText; its window text is the selected item's.
class CComboBox : public CWnd {
public:
  int AddString(const char* text);
  int InsertString(int index, const char* text);
  int DeleteString(unsigned index);
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;
  // -1 clears the selection (and answers CB_ERR).
  int SetCurSel(int index);
  int GetLBText(int index, char* buffer, int size) const;
  int GetLBText(int index, std::string& text) const;
  int GetLBTextLen(int index) const;
  int FindStringExact(int start, const char* text) const;
  int GetTopIndex() const;
  int SetTopIndex(int index);
  int SetItemData(int index, std::uintptr_t data);
  std::uintptr_t GetItemData(int index) const;
};
