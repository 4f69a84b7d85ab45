// The reader of AutoLISP calls typed at the command prompt: "(NAME literal
// ...)" becomes the function's name and its arguments as a resbuf list, in
// the types AutoLISP hands an external function.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "lisp/owned_resbuf.h"
#include "zek/result.h"

namespace zek {

// Longer lines are refused before anything is read; lists nest at most
// kMaxLispDepth deep (lisp_forms.h).
constexpr std::size_t kMaxLispLineLength = 65536;

struct LispCall {
  std::string name;  // upper case; empty for "()", which is nil
  OwnedResbuf args;  // null when the call has no arguments
};

// Reads one call. Integers become RTSHORT, RTLONG outside the short range and
// RTREAL outside the long range; reals RTREAL; texts RTSTR (AutoLISP escapes
// \" \\ \n \t \r \e \nnn); nil RTNIL; T RTT. A quoted list of two or three
// numbers is a point (RTPOINT, RT3DPOINT), any other quoted list RTLB ...
// RTLE (RTDOTE for a dotted pair), the empty list RTNIL. On a fault the
// failure's message is what the command line prints, in AutoLISP's words
// where AutoLISP has them ("; error: malformed list on input").
Result<LispCall> readLispCall(std::string_view line);

}  // namespace zek
