// AutoLISP calls at the command prompt, and the hook that brings them here.
#include "lisp/lisp_command_line.h"

#include "aced_output.h"
#include "aced_select.h"
#include "editor/editor_hooks.h"
#include "lisp/lisp_printer.h"
#include "lisp/lisp_reader.h"

namespace zek {

std::string lispEchoText(const LispValue& value) {
  switch (value.kind) {
    case LispValue::Kind::None: return "nil";
    case LispValue::Kind::Void: return {};
    case LispValue::Kind::Value: return value.items ? lispValuesText(value.items.get()) : "nil";
    case LispValue::Kind::List: return lispListText(value.items.get());
  }
  return {};
}

static void echo(const std::string& text) {
  if (!text.empty())
    acutPrintf("\n%s", text.c_str());
}

// Selection sets a call hands back to the command prompt are AutoLISP's,
// and nothing can name them once echoed: they are freed, as AutoLISP frees
// values no variable holds.
static void freeHandedBackSets(const LispValue& value) {
  for (const resbuf* rb = value.items.get(); rb != nullptr; rb = rb->rbnext)
    if (rb->restype == RTPICKS)
      static_cast<void>(acedSSFree(rb->resval.rlname));
}

void runLispLine(std::string_view line) {
  Result<LispCall> read = readLispCall(line);
  if (!read) {
    echo(read.failure().message);
    return;
  }
  LispCall& call = read.value();
  if (call.name.empty()) {
    echo("nil");  // "()" is the empty list
    return;
  }
  LispFunctionTable* table = currentLispFunctions();
  const LispFunction* found = table ? table->find(call.name) : nullptr;
  if (found == nullptr) {
    echo("; error: no function definition: " + call.name);
    return;
  }
  const LispFunction function = *found;  // the callee may undefine itself
  LispValue value;
  if (callLispFunction(function, call.args.get(), value) != RTNORM)
    return;
  echo(lispEchoText(value));
  freeHandedBackSets(value);
}

// The command loop reaches the bridge through its hook.
[[maybe_unused]] static const bool kLispLineHooked = [] {
  editorHooks().lispLine = [](std::string_view line) { runLispLine(line); };
  return true;
}();

}  // namespace zek
