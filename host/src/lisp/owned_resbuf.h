// A resbuf list owned by the bridge: released with acutRelRb when the owner
// goes, so every way out of a call frees what it holds.
#pragma once

#include <memory>

#include "ads.h"

namespace zek {

struct ResbufRelease {
  void operator()(resbuf* list) const { static_cast<void>(acutRelRb(list)); }
};
using OwnedResbuf = std::unique_ptr<resbuf, ResbufRelease>;

// Builds a list item by item, keeping it whole if building stops half way.
class ResbufListBuilder {
public:
  // Appends one item (taken over) at the end.
  void append(resbuf* item) {
    if (item == nullptr)
      return;
    if (!head_)
      head_.reset(item);
    else
      tail_->rbnext = item;
    tail_ = item;
    while (tail_->rbnext != nullptr)
      tail_ = tail_->rbnext;
  }
  resbuf* head() const { return head_.get(); }
  OwnedResbuf take() {
    tail_ = nullptr;
    return std::move(head_);
  }

private:
  OwnedResbuf head_;
  resbuf* tail_ = nullptr;
};

}  // namespace zek
