// The commands of zekcommand.arx.
#pragma once

namespace zek {

// ZEKCMD: the pick list of dialog 129; the chosen macro is remembered and run.
void pickAndRunMacro();
// ZEKCMD1: runs the macro chosen last again ("ZEKCMD" before any choice).
void repeatLastMacro();

}  // namespace zek
