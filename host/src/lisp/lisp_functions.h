// The AutoLISP functions of each drawing and the path a call takes: the
// owner that defined a function, handlers registered with acedRegFunc, the
// plug-in loader's dispatcher for everything else, and the value a call
// hands back.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lisp/owned_resbuf.h"

namespace zek {

class Document;

// Who defined a function: the plug-in loader's record of the module it is
// sending a message to, a test module, or null for the host itself.
using LispOwner = const void*;

// While alive, functions defined (acedDefun) and handlers registered
// (acedRegFunc) belong to the owner. The loader opens one around each message
// it sends a module; a call opens one for the callee while it runs.
class LispOwnerScope {
public:
  explicit LispOwnerScope(LispOwner owner);
  ~LispOwnerScope();
  LispOwnerScope(const LispOwnerScope&) = delete;
  LispOwnerScope& operator=(const LispOwnerScope&) = delete;

private:
  LispOwner previous_;
};
// The owner functions defined now belong to.
LispOwner currentLispOwner();

// Calls a function that has no handler of its own: the plug-in loader sends
// the owning module its invoke-function message, and the module reads
// acedGetFunCode and acedGetArgs and hands its value back with acedRetXxx.
// Answers the module's code: RTNORM (or RSRSLT, or 0, an entry point's
// success) when the call went through, RTERROR (or RSERR, which is also an
// entry point's failure) when it failed, RTCAN when Esc stopped it.
using LispDispatcher = std::function<int(LispOwner owner, int funcode)>;
// Sets the host's one dispatcher (an empty one removes it).
void setLispDispatcher(LispDispatcher dispatcher);
const LispDispatcher& lispDispatcher();

struct LispFunction {
  std::string name;  // as defined
  LispOwner owner = nullptr;
  int funcode = 0;
};

using LispHandler = int (*)();

// The functions of one drawing, found by name without regard to ASCII case.
class LispFunctionTable {
public:
  // Defines or replaces the function of that name.
  void define(LispFunction function);
  // Removes the function of that name and code; false when there is none.
  bool undefine(std::string_view name, int funcode);
  // The function of that name, or null.
  const LispFunction* find(std::string_view name) const;
  // The owner's handler of a function code (acedRegFunc), or null.
  void setHandler(LispOwner owner, int funcode, LispHandler handler);
  LispHandler handler(LispOwner owner, int funcode) const;
  // Forgets the owner's functions and handlers.
  void removeOwner(LispOwner owner);
  // Every function, in the order of their upper-case names.
  std::vector<LispFunction> functions() const;

private:
  std::map<std::string, LispFunction> functions_;  // by upper-case name
  std::map<std::pair<LispOwner, int>, LispHandler> handlers_;
};

// A document's functions.
LispFunctionTable& lispFunctions(Document& document);
// The current document's functions, or null when no document is open.
LispFunctionTable* currentLispFunctions();
// Removes an owner's functions and handlers from every open document (the
// loader unloading a module).
void removeLispFunctionsOf(LispOwner owner);

// What a call handed back.
struct LispValue {
  enum class Kind {
    None,   // the callee gave nothing back: nil
    Void,   // acedRetVoid: no value to show
    Value,  // one value (an RTLB ... RTLE group counts as one)
    List,   // acedRetList: the items of a list
  };
  Kind kind = Kind::None;
  OwnedResbuf items;
};

// Calls beyond this depth (functions calling functions through acedInvoke)
// answer RTERROR without running.
constexpr int kMaxLispCallDepth = 64;

// Calls a function of the current document with a copy of the arguments, the
// callee being the current owner while it runs: through its acedRegFunc
// handler, else through the dispatcher. Answers what the callee answered
// (RSRSLT and 0 as RTNORM, RSERR as RTERROR), or RTERROR when there is no way to
// call it or calls nest too deep; value is what it handed back.
[[nodiscard]] int callLispFunction(const LispFunction& function, const resbuf* args,
                                   LispValue& value);

}  // namespace zek
