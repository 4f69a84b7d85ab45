// A system variable's name typed at the command prompt (or given to SETVAR):
// shows its value and asks for a new one as CAD hosts do.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ads.h"

namespace zek {

// Shows and sets a variable: "Enter new value for OSMODE <0>: " (texts in
// quotes, <"0">), reads the answer with promptForLine; Enter keeps the value,
// ^C and the end of the input leave it, a bad value prints the message and
// asks again; a read-only variable prints "NAME = value (read only)".
// Answers false (printing nothing) when the name is no system variable.
bool runSysvarPrompt(std::string_view name);

// A value as the prompt shows it: integers as they are, reals and point
// coordinates in decimal with LUPREC places (angles in AUNITS/AUPREC),
// texts in quotes when quoted is true.
std::string sysvarValueText(std::string_view name, const resbuf& value, bool quoted);

}  // namespace zek
