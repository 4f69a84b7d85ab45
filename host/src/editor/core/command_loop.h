// The command loop: "Command: " lines read from the current document's
// input and run as commands, AutoLISP calls or system variable names; each
// top-level command made one undo step and checked afterwards for objects
// left open and selection sets left unfreed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "editor/core/command_table.h"

namespace zek {

// How a run of the loop ended.
struct RunOutcome {
  // The input ended while a command still prompted (the command was
  // cancelled); message says where: "job.scr:14: the input ended while ZEKXY
  // was still prompting".
  bool endedInCommand = false;
  std::string message;
};

// Reads and runs command-prompt lines until the input ends.
RunOutcome runCommandLoop();

// Runs one line as typed at the command prompt: "" repeats the last command,
// "(" starts an AutoLISP call, else a command name or a system variable.
void runCommandLine(std::string_view line);

// Runs a registered command: at the top level as its own undo step with the
// checks that follow every command, nested (from acedCommand) inside the
// running one.
void runCommand(const CommandEntry& command);

// What the loop keeps per document.
struct CommandState {
  std::vector<std::string> active;  // running commands, outermost first
  std::string lastCommand;          // what Enter at the command prompt repeats
  // Undo: the command of each recorded step (parallel to the drawing's undo
  // steps), the marks of UNDO Mark, and an open UNDO Begin group.
  std::vector<std::string> undoNames;
  std::vector<std::size_t> undoMarks;
  // The names the last UNDO or U undid, last undone first (REDO puts them back).
  std::vector<std::string> redoNames;
  bool undoGroupOpen = false;
  std::size_t undoGroupStart = 0;
};
CommandState& commandState();

// The running top-level command's name ("" at the command prompt).
std::string activeCommand();

// Host-only flag: the command makes no undo step of its own (U, UNDO, REDO).
constexpr int kCommandNoUndoStep = 0x40000000;

}  // namespace zek
