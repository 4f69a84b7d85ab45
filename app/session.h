// One run of the zek program over a drawing: the first document, the
// support folders and modules, the input (scripts, -c texts, the terminal or
// standard input) through the command loop, the drawing saved with -o, and
// everything unloaded and closed at the end.
#pragma once

#include <functional>

#include "command_line.h"
#include "terminal_source.h"

namespace zek {

// Exit statuses of the program.
constexpr int kExitDone = 0;
constexpr int kExitDrawingFailed = 1;  // a drawing could not be read or saved
constexpr int kExitUsage = 2;
constexpr int kExitInputEnded = 3;  // the input ended while a command still prompted

// What the run takes from the process around it.
struct SessionEnvironment {
  // Standard input is a terminal.
  bool stdinIsTerminal = false;
  // Opens the terminal's line editor; without one (tests), standard input
  // is read line by line even from a terminal.
  std::function<TerminalInput()> openTerminal;
};

// Runs the program on parsed options (Mode::Run); answers the exit status.
// Diagnostics go to standard error, the transcript to standard output.
int runSession(const ProgramOptions& options, const SessionEnvironment& environment);

}  // namespace zek
