// Test modules and the dispatcher that routes calls to them.
#include "lisp/testing/lisp_test_module.h"

#include <algorithm>
#include <vector>

#include "aced_lisp.h"

namespace zek::test {

namespace {
std::vector<LispTestModule*>& modules() {
  static std::vector<LispTestModule*> live;
  return live;
}

int routeCall(LispOwner owner, int funcode) {
  for (LispTestModule* module : modules())
    if (module->owner() == owner)
      return module->dispatch(funcode);
  return RTERROR;
}
}  // namespace

LispTestModule::LispTestModule() {
  if (modules().empty())
    setLispDispatcher(routeCall);
  modules().push_back(this);
}

LispTestModule::~LispTestModule() {
  removeLispFunctionsOf(owner());
  auto& live = modules();
  live.erase(std::remove(live.begin(), live.end(), this), live.end());
  if (live.empty())
    setLispDispatcher({});
}

int LispTestModule::define(const char* name, Function function) {
  LispOwnerScope scope(owner());
  const int code = nextCode_++;
  functions_[code] = std::move(function);
  return acedDefun(name, code);
}

int LispTestModule::dispatch(int funcode) {
  ++calls_;
  auto it = functions_.find(funcode);
  return it == functions_.end() ? RTERROR : it->second();
}

}  // namespace zek::test
