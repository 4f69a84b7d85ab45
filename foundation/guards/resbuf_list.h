// ResbufList: owns a result-buffer list and releases it with acutRelRb when
// it goes out of scope.
#pragma once

#include "ads.h"

namespace zek::inline foundation {

// A result-buffer list the holder owns: filters built with acutBuildList,
// arguments from acedGetArgs, results of acedInvoke. Released on every way
// out of the scope.
class ResbufList {
public:
  ResbufList() = default;
  explicit ResbufList(resbuf* list) : list_(list) {}
  ~ResbufList() { reset(); }
  ResbufList(ResbufList&& other) noexcept : list_(other.release()) {}
  ResbufList& operator=(ResbufList&& other) noexcept {
    if (this != &other)
      reset(other.release());
    return *this;
  }
  ResbufList(const ResbufList&) = delete;
  ResbufList& operator=(const ResbufList&) = delete;

  resbuf* get() const { return list_; }
  explicit operator bool() const { return list_ != nullptr; }
  // The place a host call writes a new list into (acedInvoke's result); the
  // list held before is released first.
  resbuf** out() {
    reset();
    return &list_;
  }
  // Gives the list up without releasing it.
  resbuf* release() {
    resbuf* list = list_;
    list_ = nullptr;
    return list;
  }
  // Releases the list held and takes another (or none).
  void reset(resbuf* list = nullptr) {
    if (list_ != nullptr && list_ != list)
      acutRelRb(list_);
    list_ = list;
  }

private:
  resbuf* list_ = nullptr;
};

}  // namespace zek::inline foundation
