// A test module of C++ functions: it defines AutoLISP functions in the
// current drawing and answers their calls through the bridge's dispatcher,
// as the plug-in loader answers them for a loaded module.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "lisp/lisp_functions.h"

namespace zek::test {

class LispTestModule {
public:
  // What a function does when called: reads acedGetArgs, hands a value back
  // with acedRetXxx and answers RTNORM, RTERROR ...
  using Function = std::function<int()>;

  LispTestModule();
  // The module's functions leave every open drawing.
  ~LispTestModule();
  LispTestModule(const LispTestModule&) = delete;
  LispTestModule& operator=(const LispTestModule&) = delete;

  // Defines the function in the current drawing under the module's next
  // function code; answers what acedDefun answered.
  [[nodiscard]] int define(const char* name, Function function);
  // The owner token the module's functions carry.
  LispOwner owner() const { return this; }
  // Calls that reached the module through the dispatcher.
  int calls() const { return calls_; }
  // The function code the last define used.
  int lastCode() const { return nextCode_ - 1; }

  // Answers a call the dispatcher routed here (RTERROR for an unknown code).
  int dispatch(int funcode);

private:
  std::map<int, Function> functions_;
  int nextCode_ = 0;
  int calls_ = 0;
};

}  // namespace zek::test
