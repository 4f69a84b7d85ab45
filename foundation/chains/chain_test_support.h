// Test helpers of the chain builder: object ids that are only numbers, and
// chains written out as text so a failing row shows the whole chain.
#pragma once

#include <cstdio>
#include <deque>
#include <string>

#include "chains/chain_records.h"
#include "db_core.h"

namespace zek::test {

// Object ids numbered 1, 2, ... (their handles), naming no object.
class NumberedIds {
public:
  AcDbObjectId operator()(int number) {
    while (stubs_.size() < static_cast<std::size_t>(number))
      stubs_.push_back(ObjectStub{nullptr, nullptr, stubs_.size() + 1, false});
    return AcDbObjectId(&stubs_[static_cast<std::size_t>(number) - 1]);
  }

private:
  std::deque<ObjectStub> stubs_;  // ids keep pointing at their stub as more are made
};

// "closed (0,0)#4 (0,5)#3" or "open ...": each point with its id's number.
inline std::string describeChain(const Chain& chain) {
  std::string text = chain.closed ? "closed" : "open";
  char point[96];
  for (const ChainPoint& p : chain.points) {
    std::snprintf(point, sizeof point, " (%g,%g)#%llu", p.x, p.y,
                  static_cast<unsigned long long>(p.id.handle().value()));
    text += point;
  }
  return text;
}

// The chains of a list, separated by " | ".
inline std::string describeChains(const ChainList& list) {
  std::string text;
  for (const Chain& chain : list) {
    if (!text.empty())
      text += " | ";
    text += describeChain(chain);
  }
  return text;
}

}  // namespace zek::test
