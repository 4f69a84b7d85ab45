// AcArray: the interface's growable array (AcDbObjectIdArray, AcGePoint3dArray)
// with its classic method names, kept on top of std::vector.
#pragma once

#include <algorithm>
#include <cassert>
#include <initializer_list>
#include <vector>

template <typename T>
class AcArray {
public:
  AcArray() = default;
  AcArray(std::initializer_list<T> items) : items_(items) {}
  explicit AcArray(int reserve) { items_.reserve(reserve > 0 ? reserve : 0); }

  int length() const { return static_cast<int>(items_.size()); }
  int logicalLength() const { return length(); }
  bool isEmpty() const { return items_.empty(); }
  int append(const T& item) { items_.push_back(item); return length() - 1; }
  AcArray& append(const AcArray& other) {
    items_.insert(items_.end(), other.items_.begin(), other.items_.end());
    return *this;
  }
  AcArray& insertAt(int index, const T& item) {
    assert(index >= 0 && index <= length() && "insertAt past the end");
    items_.insert(items_.begin() + index, item);
    return *this;
  }
  AcArray& removeAt(int index) {
    assert(index >= 0 && index < length() && "removeAt past the end");
    items_.erase(items_.begin() + index);
    return *this;
  }
  AcArray& removeAll() { items_.clear(); return *this; }
  AcArray& setLogicalLength(int n) { items_.resize(n > 0 ? n : 0); return *this; }
  AcArray& setPhysicalLength(int n) { items_.reserve(n > 0 ? n : 0); return *this; }
  bool contains(const T& item) const { return find(item) >= 0; }
  int find(const T& item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
  }
  T& at(int i) { assert(i >= 0 && i < length()); return items_[i]; }
  const T& at(int i) const { assert(i >= 0 && i < length()); return items_[i]; }
  T& operator[](int i) { return at(i); }
  const T& operator[](int i) const { return at(i); }
  T& first() { return at(0); }
  T& last() { return at(length() - 1); }
  const T* asArrayPtr() const { return items_.data(); }

  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }
  bool operator==(const AcArray&) const = default;

private:
  std::vector<T> items_;
};
