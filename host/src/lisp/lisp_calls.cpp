// Calls in progress: the frame of each call (its code, arguments and the
// value handed back), acedGetFunCode, acedGetArgs, the acedRetXxx family and
// acedInvoke.
#include "aced_lisp.h"

#include <limits>
#include <vector>

#include "editor/select/selection_sets.h"
#include "lisp/lisp_functions.h"

namespace zek {

namespace {

struct CallFrame {
  int funcode = 0;
  OwnedResbuf args;  // the bridge's copy; acedGetArgs hands out copies of it
  LispValue value;
};

std::vector<CallFrame*>& frames() {
  static std::vector<CallFrame*> stack;
  return stack;
}

CallFrame* callInProgress() { return frames().empty() ? nullptr : frames().back(); }

// Makes a frame the innermost call for as long as the callee runs.
class FramePush {
public:
  explicit FramePush(CallFrame& frame) { frames().push_back(&frame); }
  ~FramePush() { frames().pop_back(); }
  FramePush(const FramePush&) = delete;
  FramePush& operator=(const FramePush&) = delete;
};

// The callee's answer in the host's codes. A module's entry point answering
// its invoke message may give its own success code, 0, for RTNORM.
int normalized(int code) {
  if (code == RSRSLT || code == 0)
    return RTNORM;
  if (code == RSERR)
    return RTERROR;
  return code;
}

}  // namespace

int callLispFunction(const LispFunction& function, const resbuf* args, LispValue& value) {
  value = {};
  if (frames().size() >= static_cast<std::size_t>(kMaxLispCallDepth))
    return RTERROR;
  LispFunctionTable* table = currentLispFunctions();
  LispHandler handler = table ? table->handler(function.owner, function.funcode) : nullptr;
  // A copy: the loader may change its dispatcher while the callee runs.
  LispDispatcher dispatcher = lispDispatcher();
  if (handler == nullptr && !dispatcher)
    return RTERROR;

  CallFrame frame;
  frame.funcode = function.funcode;
  frame.args.reset(copyResbufList(args));
  int code = RTERROR;
  {
    FramePush push(frame);
    LispOwnerScope owner(function.owner);
    try {
      code = handler != nullptr ? handler() : dispatcher(function.owner, function.funcode);
    } catch (...) {
      code = RTERROR;  // nothing crosses the boundary; the frame frees what it holds
    }
  }
  code = normalized(code);
  if (code == RTNORM)
    value = std::move(frame.value);
  return code;
}

namespace {

// Sets the value of the call in progress; the items are taken over.
int handBack(LispValue::Kind kind, resbuf* items) {
  OwnedResbuf owned(items);
  CallFrame* frame = callInProgress();
  if (frame == nullptr)
    return RTERROR;
  frame->value.kind = kind;
  frame->value.items = std::move(owned);
  return RTNORM;
}

// The first value of a list: one item, or an RTLB group up to the list end
// that closes it (to the end of the list when none does).
resbuf* firstValueCopy(const resbuf* list) {
  ResbufListBuilder copy;
  int depth = 0;
  for (const resbuf* rb = list; rb != nullptr; rb = rb->rbnext) {
    copy.append(copyResbuf(*rb));
    if (rb->restype == RTLB)
      ++depth;
    else if (rb->restype == RTLE || rb->restype == RTDOTE)
      --depth;
    if (depth <= 0)
      break;
  }
  return copy.take().release();
}

}  // namespace

}  // namespace zek

int acedGetFunCode() {
  zek::CallFrame* frame = zek::callInProgress();
  return frame ? frame->funcode : RTERROR;
}

resbuf* acedGetArgs() {
  zek::CallFrame* frame = zek::callInProgress();
  return frame ? zek::copyResbufList(frame->args.get()) : nullptr;
}

using Kind = zek::LispValue::Kind;

int acedRetList(const resbuf* list) {
  return zek::handBack(Kind::List, zek::copyResbufList(list));
}

int acedRetVal(const resbuf* value) {
  if (value == nullptr)
    return zek::handBack(Kind::None, nullptr);
  return zek::handBack(Kind::Value, zek::firstValueCopy(value));
}

int acedRetPoint(const ads_point point) {
  if (point == nullptr)
    return RTERROR;
  resbuf* rb = acutNewRb(RT3DPOINT);
  for (int i = 0; i < 3; ++i)
    rb->resval.rpoint[i] = point[i];
  return zek::handBack(Kind::Value, rb);
}

int acedRetReal(ads_real value) {
  resbuf* rb = acutNewRb(RTREAL);
  rb->resval.rreal = value;
  return zek::handBack(Kind::Value, rb);
}

int acedRetInt(int value) {
  const bool isShort =
      value >= std::numeric_limits<short>::min() && value <= std::numeric_limits<short>::max();
  resbuf* rb = acutNewRb(isShort ? RTSHORT : RTLONG);
  if (isShort)
    rb->resval.rint = static_cast<short>(value);
  else
    rb->resval.rlong = value;
  return zek::handBack(Kind::Value, rb);
}

int acedRetStr(const char* text) {
  resbuf* rb = acutNewRb(RTSTR);
  rb->resval.rstring = acutNewString(text ? text : "");
  return zek::handBack(Kind::Value, rb);
}

int acedRetName(const ads_name name, int type) {
  if (name == nullptr || (type != RTENAME && type != RTPICKS) || zek::callInProgress() == nullptr)
    return RTERROR;
  resbuf* rb = acutNewRb(type);
  rb->resval.rlname[0] = name[0];
  rb->resval.rlname[1] = name[1];
  // A selection set handed back is the caller's from now on: the command
  // that made it does not leave it unfreed.
  if (type == RTPICKS)
    static_cast<void>(zek::releaseSelectionSetOwnership(name));
  return zek::handBack(Kind::Value, rb);
}

int acedRetNil() { return zek::handBack(Kind::Value, acutNewRb(RTNIL)); }
int acedRetT() { return zek::handBack(Kind::Value, acutNewRb(RTT)); }
int acedRetVoid() { return zek::handBack(Kind::Void, nullptr); }

int acedInvoke(const resbuf* args, resbuf** result) {
  if (result != nullptr)
    *result = nullptr;
  if (args == nullptr || args->restype != RTSTR || args->resval.rstring == nullptr)
    return RTERROR;
  zek::LispFunctionTable* table = zek::currentLispFunctions();
  const zek::LispFunction* found = table ? table->find(args->resval.rstring) : nullptr;
  if (found == nullptr)
    return RTERROR;
  const zek::LispFunction function = *found;  // the callee may undefine itself
  zek::LispValue value;
  int code = zek::callLispFunction(function, args->rbnext, value);
  if (code != RTNORM)
    return code;
  resbuf* answer = value.kind == Kind::Void ? acutNewRb(RTVOID) : value.items.release();
  if (result != nullptr)
    *result = answer;
  else
    acutRelRb(answer);
  return RTNORM;
}
