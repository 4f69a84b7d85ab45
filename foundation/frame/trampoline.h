// The noexcept trampolines every registered command and AutoLISP function
// runs through: the one place a C++ exception of a module stops, so that none
// crosses into the host. Guards in the function have cleaned up while the
// exception unwound.
#pragma once

#include <exception>

#include "ads.h"

namespace zek::inline foundation {

using CommandFunction = void (*)();
// An AutoLISP function: takes the argument list (null for none, owned by the
// frame), hands its value back with acedRetXxx, answers RTNORM or RTERROR.
using ModuleLispFunction = int (*)(const resbuf* args);

// Prints on the command line that a command stopped on an exception (what()
// of it, or null for one that is no std::exception).
void reportCommandException(const char* what) noexcept;

// Runs a command; an exception ends it with the report above.
template <CommandFunction Function>
void guardedCommand() noexcept {
  try {
    Function();
  } catch (const std::exception& failure) {
    reportCommandException(failure.what());
  } catch (...) {
    reportCommandException(nullptr);
  }
}

// Runs an AutoLISP function and answers its code; an exception is reported on
// the command line and answers RTERROR.
[[nodiscard]] int callLispFunctionGuarded(ModuleLispFunction function,
                                          const resbuf* args) noexcept;

}  // namespace zek::inline foundation
