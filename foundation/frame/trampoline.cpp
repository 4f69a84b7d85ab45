// The reports of the trampolines.
#include "frame/trampoline.h"

#include "aced_output.h"

namespace zek::inline foundation {

namespace {

// Printing must not throw out of a noexcept trampoline either.
void reportFailure(const char* kind, const char* what) noexcept {
  try {
    if (what != nullptr && *what != '\0')
      acutPrintf("\n; error: the %s stopped on an internal failure: %s", kind, what);
    else
      acutPrintf("\n; error: the %s stopped on an internal failure", kind);
  } catch (...) {
  }
}

}  // namespace

void reportCommandException(const char* what) noexcept { reportFailure("command", what); }

int callLispFunctionGuarded(ModuleLispFunction function, const resbuf* args) noexcept {
  try {
    return function(args);
  } catch (const std::exception& failure) {
    reportFailure("function", failure.what());
  } catch (...) {
    reportFailure("function", nullptr);
  }
  return RTERROR;
}

}  // namespace zek::inline foundation
