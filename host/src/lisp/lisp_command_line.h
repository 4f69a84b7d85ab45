// AutoLISP calls typed at the command prompt: the line is read, the current
// drawing's function called and its value echoed as AutoLISP prints it.
#pragma once

#include <string>
#include <string_view>

#include "lisp/lisp_functions.h"

namespace zek {

// Runs a line that starts with "(". A line that does not read, or names no
// function of the current drawing, prints AutoLISP's error line ("; error:
// no function definition: NAME") and runs nothing. The value goes to the
// transcript on its own line; a void value, and a call answering RTERROR or
// RTCAN, add nothing to what the function printed. Selection sets in the
// value are freed after the echo: nothing can name them any more.
void runLispLine(std::string_view line);

// The echo of a value: "nil" for none, "" for void.
std::string lispEchoText(const LispValue& value);

}  // namespace zek
