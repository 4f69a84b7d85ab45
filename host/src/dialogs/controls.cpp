// The control classes: edit boxes, buttons, list boxes and drop-down lists
// on the dialog model.
#include "acui_controls.h"

#include "dialogs/utf8_text.h"
#include "dialogs/window_state.h"

using zek::ControlState;
using zek::ListModel;

namespace {

ControlState* controlOfKind(const CWnd* window, ZekControlKind kind) {
  ControlState* control = zek::controlStateOf(window);
  return control && control->resource.kind == kind ? control : nullptr;
}

ListModel* itemsOf(const CWnd* window, ZekControlKind kind) {
  ControlState* control = controlOfKind(window, kind);
  return control ? &control->list : nullptr;
}

// The list calls shared by list boxes and drop-down lists.
int addString(ListModel* list, const char* text) {
  return list && text ? list->add(text) : LB_ERR;
}
int insertString(ListModel* list, int index, const char* text) {
  return list && text ? list->insert(index, text) : LB_ERR;
}
int deleteString(ListModel* list, unsigned index) {
  return list ? list->remove(static_cast<int>(index)) : LB_ERR;
}
int countOf(const ListModel* list) { return list ? list->count() : LB_ERR; }
int currentOf(const ListModel* list) { return list ? list->current() : LB_ERR; }
int setCurrent(ListModel* list, int index) {
  if (list == nullptr || !list->select(index) || index == -1)
    return LB_ERR;
  return index;
}
int textInto(const ListModel* list, int index, char* buffer, int size) {
  if (list == nullptr || !list->has(index))
    return LB_ERR;
  return zek::copyToBuffer(list->text(index), buffer, size);
}
int textInto(const ListModel* list, int index, std::string& text) {
  if (list == nullptr || !list->has(index))
    return LB_ERR;
  text = list->text(index);
  return static_cast<int>(text.size());
}
int textLength(const ListModel* list, int index) {
  return list && list->has(index) ? static_cast<int>(list->text(index).size()) : LB_ERR;
}
int findExact(const ListModel* list, int start, const char* text) {
  return list && text ? list->findExact(start, text) : LB_ERR;
}
int topOf(const ListModel* list) { return list ? list->top() : LB_ERR; }
int setTop(ListModel* list, int index) { return list && list->setTop(index) ? 0 : LB_ERR; }
int setData(ListModel* list, int index, std::uintptr_t data) {
  return list && list->setData(index, data) ? 0 : LB_ERR;
}
std::uintptr_t dataOf(const ListModel* list, int index) {
  return list && list->has(index) ? list->data(index) : static_cast<std::uintptr_t>(LB_ERR);
}

}  // namespace

void CEdit::SetLimitText(unsigned maxChars) {
  if (ControlState* control = controlOfKind(this, ZekControlKind::EditBox))
    control->limitText = maxChars;
}

unsigned CEdit::GetLimitText() const {
  ControlState* control = controlOfKind(this, ZekControlKind::EditBox);
  return control ? control->limitText : 0;
}

bool CEdit::SetReadOnly(bool readOnly) {
  ControlState* control = controlOfKind(this, ZekControlKind::EditBox);
  if (control == nullptr)
    return false;
  control->readOnly = readOnly;
  return true;
}

int CButton::GetCheck() const {
  ControlState* control = zek::controlStateOf(this);
  return control && control->isCheckable() ? static_cast<int>(control->check) : BST_UNCHECKED;
}

void CButton::SetCheck(int check) {
  ControlState* control = zek::controlStateOf(this);
  if (control && control->isCheckable() && check >= 0 && check <= 2)
    control->check = static_cast<unsigned>(check);
}

static constexpr ZekControlKind kList = ZekControlKind::ListBox;

int CListBox::AddString(const char* text) { return addString(itemsOf(this, kList), text); }
int CListBox::InsertString(int index, const char* text) {
  return insertString(itemsOf(this, kList), index, text);
}
int CListBox::DeleteString(unsigned index) { return deleteString(itemsOf(this, kList), index); }
void CListBox::ResetContent() {
  if (ListModel* list = itemsOf(this, kList))
    list->clear();
}
int CListBox::GetCount() const { return countOf(itemsOf(this, kList)); }
int CListBox::GetCurSel() const { return currentOf(itemsOf(this, kList)); }
int CListBox::SetCurSel(int index) { return setCurrent(itemsOf(this, kList), index); }
int CListBox::GetText(int index, char* buffer, int size) const {
  return textInto(itemsOf(this, kList), index, buffer, size);
}
int CListBox::GetText(int index, std::string& text) const {
  return textInto(itemsOf(this, kList), index, text);
}
int CListBox::GetTextLen(int index) const { return textLength(itemsOf(this, kList), index); }
int CListBox::FindStringExact(int start, const char* text) const {
  return findExact(itemsOf(this, kList), start, text);
}
int CListBox::GetTopIndex() const { return topOf(itemsOf(this, kList)); }
int CListBox::SetTopIndex(int index) { return setTop(itemsOf(this, kList), index); }
int CListBox::SetItemData(int index, std::uintptr_t data) {
  return setData(itemsOf(this, kList), index, data);
}
std::uintptr_t CListBox::GetItemData(int index) const { return dataOf(itemsOf(this, kList), index); }

int CListBox::GetSel(int index) const {
  const ListModel* list = itemsOf(this, kList);
  if (list == nullptr || !list->has(index))
    return LB_ERR;
  return list->isSelected(index) ? 1 : 0;
}

int CListBox::SetSel(int index, bool select) {
  ListModel* list = itemsOf(this, kList);
  return list && list->setSelected(index, select) ? 0 : LB_ERR;
}

int CListBox::GetSelCount() const {
  const ListModel* list = itemsOf(this, kList);
  if (list == nullptr || !list->isMultiple())
    return LB_ERR;
  return static_cast<int>(list->selection().size());
}

int CListBox::GetSelItems(int maxItems, int* items) const {
  const ListModel* list = itemsOf(this, kList);
  if (list == nullptr || !list->isMultiple() || items == nullptr)
    return LB_ERR;
  int written = 0;
  for (int index : list->selection()) {
    if (written >= maxItems)
      break;
    items[written++] = index;
  }
  return written;
}

static constexpr ZekControlKind kCombo = ZekControlKind::ComboBox;

int CComboBox::AddString(const char* text) { return addString(itemsOf(this, kCombo), text); }
int CComboBox::InsertString(int index, const char* text) {
  return insertString(itemsOf(this, kCombo), index, text);
}
int CComboBox::DeleteString(unsigned index) { return deleteString(itemsOf(this, kCombo), index); }
void CComboBox::ResetContent() {
  if (ListModel* list = itemsOf(this, kCombo))
    list->clear();
}
int CComboBox::GetCount() const { return countOf(itemsOf(this, kCombo)); }
int CComboBox::GetCurSel() const { return currentOf(itemsOf(this, kCombo)); }
int CComboBox::SetCurSel(int index) { return setCurrent(itemsOf(this, kCombo), index); }
int CComboBox::GetLBText(int index, char* buffer, int size) const {
  return textInto(itemsOf(this, kCombo), index, buffer, size);
}
int CComboBox::GetLBText(int index, std::string& text) const {
  return textInto(itemsOf(this, kCombo), index, text);
}
int CComboBox::GetLBTextLen(int index) const { return textLength(itemsOf(this, kCombo), index); }
int CComboBox::FindStringExact(int start, const char* text) const {
  return findExact(itemsOf(this, kCombo), start, text);
}
int CComboBox::GetTopIndex() const { return topOf(itemsOf(this, kCombo)); }
int CComboBox::SetTopIndex(int index) { return setTop(itemsOf(this, kCombo), index); }
int CComboBox::SetItemData(int index, std::uintptr_t data) {
  return setData(itemsOf(this, kCombo), index, data);
}
std::uintptr_t CComboBox::GetItemData(int index) const { return dataOf(itemsOf(this, kCombo), index); }
