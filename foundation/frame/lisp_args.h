// Reading the argument list of an AutoLISP function: counting arguments,
// taking one by position, a real (or short integer) as a real, a string; and
// the messages the functions print for a missing or wrong argument.
#pragma once

#include <optional>

#include "ads.h"

namespace zek::inline foundation {

// The messages of argument checks, as the functions print them.
namespace argmsg {
// ZEKGETPOINT
inline constexpr const char* kRealExpected = "Argument should be an real.";
inline constexpr const char* kTwoRequired = "\nTwo Arguments required";
// ZEKBDY1
inline constexpr const char* kRealExpectedLower = "argument should be an real.";
// the layer group functions
inline constexpr const char* kStringExpected = "argument should be a string.";
// the alignment functions
inline constexpr const char* kOneRequired = "\nOne Arguments required";
inline constexpr const char* kFourRequired = "\nFour Arguments required";
}  // namespace argmsg

// How many arguments the list holds; a list argument (RTLB ... RTLE, or a
// dotted pair RTLB ... RTDOTE) counts as one, as does a point.
int argumentCount(const resbuf* args);
// The argument at a position from 0 (for a list argument its RTLB), or null
// past the end.
const resbuf* argumentAt(const resbuf* args, int index);

// A real or a short integer, taken as a real; nothing for any other type or
// a missing argument.
std::optional<double> realArgument(const resbuf* arg);
// The text of a string argument; null for any other type or a missing one.
const char* stringArgument(const resbuf* arg);

// Prints the message on the command line and answers RTERROR, the answer of
// a function whose arguments do not fit:  return argumentError(argmsg::kTwoRequired);
[[nodiscard]] int argumentError(const char* message);

}  // namespace zek::inline foundation
