// Argument lists of AutoLISP functions.
#include "frame/lisp_args.h"

#include "aced_output.h"

namespace zek::inline foundation {

namespace {

// The item after one argument: past the RTLE (or, for a dotted pair, the
// RTDOTE) that closes a list argument, nested lists included; else the next
// item.
const resbuf* nextArgument(const resbuf* arg) {
  if (arg->restype != RTLB)
    return arg->rbnext;
  int depth = 0;
  for (const resbuf* item = arg; item != nullptr; item = item->rbnext) {
    if (item->restype == RTLB)
      ++depth;
    else if ((item->restype == RTLE || item->restype == RTDOTE) && --depth == 0)
      return item->rbnext;
  }
  return nullptr;  // a list left open runs to the end
}

}  // namespace

int argumentCount(const resbuf* args) {
  int count = 0;
  for (const resbuf* arg = args; arg != nullptr; arg = nextArgument(arg))
    ++count;
  return count;
}

const resbuf* argumentAt(const resbuf* args, int index) {
  if (index < 0)
    return nullptr;
  const resbuf* arg = args;
  for (int i = 0; arg != nullptr && i < index; ++i)
    arg = nextArgument(arg);
  return arg;
}

std::optional<double> realArgument(const resbuf* arg) {
  if (arg == nullptr)
    return std::nullopt;
  if (arg->restype == RTREAL)
    return arg->resval.rreal;
  if (arg->restype == RTSHORT)
    return static_cast<double>(arg->resval.rint);
  return std::nullopt;
}

const char* stringArgument(const resbuf* arg) {
  if (arg == nullptr || arg->restype != RTSTR || arg->resval.rstring == nullptr)
    return nullptr;
  return arg->resval.rstring;
}

int argumentError(const char* message) {
  acutPrintf("%s", message);
  return RTERROR;
}

}  // namespace zek::inline foundation
