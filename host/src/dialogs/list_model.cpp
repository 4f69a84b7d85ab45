// The items, selection and scrolling of list boxes and drop-down lists.
#include "dialogs/list_model.h"

#include <algorithm>

namespace zek {

static char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

static int compareIgnoringAsciiCase(const std::string& a, const std::string& b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto ca = static_cast<unsigned char>(lowerAscii(a[i]));
    const auto cb = static_cast<unsigned char>(lowerAscii(b[i]));
    if (ca != cb)
      return ca < cb ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

ListModel::ListModel(int rows, bool sorted, bool multiple)
    : rows_(std::max(1, rows)), sorted_(sorted), multiple_(multiple) {}

int ListModel::add(std::string text) {
  int index = count();
  if (sorted_) {
    auto after = std::find_if(items_.begin(), items_.end(), [&](const Item& item) {
      return compareIgnoringAsciiCase(item.text, text) > 0;
    });
    index = static_cast<int>(after - items_.begin());
  }
  return insert(index, std::move(text));
}

int ListModel::insert(int index, std::string text) {
  if (index == -1)
    index = count();
  if (index < 0 || index > count())
    return -1;
  items_.insert(items_.begin() + index, Item{std::move(text)});
  if (current_ >= index)
    ++current_;
  return index;
}

int ListModel::remove(int index) {
  if (!has(index))
    return -1;
  items_.erase(items_.begin() + index);
  if (current_ == index)
    current_ = -1;  // the selected item went: nothing is selected
  else if (current_ > index)
    --current_;
  clampTop();
  return count();
}

void ListModel::clear() {
  items_.clear();
  current_ = -1;
  top_ = 0;
}

const std::string& ListModel::text(int index) const {
  static const std::string none;
  return has(index) ? items_[index].text : none;
}

bool ListModel::setData(int index, std::uintptr_t data) {
  if (!has(index))
    return false;
  items_[index].data = data;
  return true;
}

int ListModel::findExact(int start, const std::string& text) const {
  const int n = count();
  const int first = (start < -1 || start >= n) ? 0 : start + 1;
  for (int k = 0; k < n; ++k) {
    const int index = (first + k) % n;
    if (compareIgnoringAsciiCase(items_[index].text, text) == 0)
      return index;
  }
  return -1;
}

int ListModel::current() const {
  if (!multiple_)
    return current_;
  for (int i = 0; i < count(); ++i)
    if (items_[i].selected)
      return i;
  return -1;
}

bool ListModel::select(int index) {
  if (multiple_ || index < -1 || index >= count())
    return false;
  current_ = index;
  if (index >= 0)
    scrollIntoView(index);
  return true;
}

bool ListModel::setSelected(int index, bool selected) {
  if (!multiple_ || index < -1 || index >= count())
    return false;
  if (index == -1) {
    for (Item& item : items_)
      item.selected = selected;
    return true;
  }
  items_[index].selected = selected;
  return true;
}

bool ListModel::isSelected(int index) const {
  if (!has(index))
    return false;
  return multiple_ ? items_[index].selected : index == current_;
}

std::vector<int> ListModel::selection() const {
  std::vector<int> indexes;
  for (int i = 0; i < count(); ++i)
    if (isSelected(i))
      indexes.push_back(i);
  return indexes;
}

int ListModel::lastTop() const { return std::max(0, count() - rows_); }

void ListModel::clampTop() { top_ = std::clamp(top_, 0, lastTop()); }

bool ListModel::setTop(int index) {
  if (!has(index))
    return false;
  top_ = std::min(index, lastTop());
  return true;
}

void ListModel::scrollIntoView(int index) {
  if (!has(index))
    return;
  if (index < top_)
    top_ = index;
  else if (index >= top_ + rows_)
    top_ = index - rows_ + 1;
}

}  // namespace zek
