// Fuzz target: the reader of AutoLISP calls typed at the command prompt,
// and the printer on what it read. A call that reads is printed, each
// argument quoted and read again: the second reading must succeed and print
// the same text (the printed form of what was read is a fixed point).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "lisp/lisp_printer.h"
#include "lisp/lisp_reader.h"

namespace {

using namespace zek;

[[noreturn]] void fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
  std::abort();
}

// The last resbuf of the argument that starts at first: itself, or the
// RTLE/RTDOTE that closes its list.
resbuf* argumentEnd(resbuf* first) {
  int open = 0;
  for (resbuf* rb = first; rb != nullptr; rb = rb->rbnext) {
    if (rb->restype == RTLB)
      ++open;
    else if (rb->restype == RTLE || rb->restype == RTDOTE)
      --open;
    if (open <= 0 || rb->rbnext == nullptr)
      return rb;
  }
  return first;
}

// The call written again: "(NAME 'arg 'arg ...)", each argument printed
// alone (the list is cut after it while it prints).
std::string rewrittenCall(const LispCall& call) {
  std::string line = "(" + call.name;
  for (resbuf* rb = call.args.get(); rb != nullptr;) {
    resbuf* last = argumentEnd(rb);
    resbuf* after = last->rbnext;
    last->rbnext = nullptr;
    line += " '" + lispValuesText(rb);
    last->rbnext = after;
    rb = after;
  }
  return line + ")";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  Result<LispCall> read = readLispCall(line);
  if (!read) {
    if (read.failure().message.empty())
      fail("a refused call without a message", std::string(line));
    return 0;
  }
  const LispCall& call = read.value();
  const std::string printed = lispValuesText(call.args.get());
  (void)lispListText(call.args.get());
  if (call.name.empty())
    return 0;  // "()" is nil: nothing to call again
  const std::string again = rewrittenCall(call);
  if (again.size() > kMaxLispLineLength)
    return 0;
  Result<LispCall> reread = readLispCall(again);
  if (!reread)
    fail("a printed call does not read again", again + " -> " + reread.failure().message);
  if (reread.value().name != call.name)
    fail("the call's name changed", again);
  const std::string reprinted = lispValuesText(reread.value().args.get());
  if (reprinted != printed)
    fail("the printed arguments changed", printed + " -> " + reprinted);
  return 0;
}
