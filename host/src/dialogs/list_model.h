// The items of a list box or drop-down list: texts with their data, the
// selection (one item, or several in a list of several selections) and the
// first item shown, with the rules of the classic list controls.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zek {

class ListModel {
public:
  // rows: how many items the list shows at once (at least 1).
  ListModel(int rows, bool sorted, bool multiple);

  // Answers the new item's index: at the end, or in a sorted list after the
  // last item that does not sort after it (ASCII case ignored).
  int add(std::string text);
  // Before index, or at the end for -1; -1 answered for an index past the end.
  int insert(int index, std::string text);
  // Answers the items left, or -1 for no such item. The selection and the
  // first item shown follow the items that stay.
  int remove(int index);
  void clear();

  int count() const { return static_cast<int>(items_.size()); }
  bool has(int index) const { return index >= 0 && index < count(); }
  // The item's text ("" for no such item).
  const std::string& text(int index) const;
  std::uintptr_t data(int index) const { return has(index) ? items_[index].data : 0; }
  bool setData(int index, std::uintptr_t data);
  // The first item (from after start, -1 from the top, wrapping round) equal
  // to text without regard to ASCII case, or -1.
  int findExact(int start, const std::string& text) const;

  bool isMultiple() const { return multiple_; }
  int rows() const { return rows_; }
  // One selection: the selected item or -1. Several: the first selected or -1.
  int current() const;
  // One selection only: selects index (-1: none) and scrolls it into view.
  // False for a list of several selections or an index out of range.
  bool select(int index);
  // Several selections: selects or clears one item (-1: every item).
  bool setSelected(int index, bool selected);
  bool isSelected(int index) const;
  std::vector<int> selection() const;

  int top() const { return top_; }
  // False for no such item; the list never scrolls past its last full page.
  bool setTop(int index);
  // Shows the item: scrolls up to it, or down until it is the last row.
  void scrollIntoView(int index);

private:
  struct Item {
    std::string text;
    std::uintptr_t data = 0;
    bool selected = false;  // lists of several selections
  };
  int lastTop() const;
  void clampTop();

  std::vector<Item> items_;
  int current_ = -1;  // lists of one selection
  int top_ = 0;
  int rows_;
  bool sorted_;
  bool multiple_;
};

}  // namespace zek
