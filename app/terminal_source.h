// The terminal as an answer source: GNU readline shows each prompt and
// edits the answer (history, Tab completion), Ctrl-C cancels the prompt,
// Ctrl-D at the command prompt ends the session. Only the zek executable
// links readline; the session takes the terminal through this header.
#pragma once

#include <memory>
#include <ostream>

#include "editor/input.h"

namespace zek {

struct TerminalInput {
  std::unique_ptr<InputSource> source;
  // The transcript's way to the screen while the terminal is read (owned by
  // the source; null when the line editor does not draw on standard output).
  std::ostream* screen = nullptr;
};

// The terminal on standard input, with the history kept in the profile
// folder ($ZEK_PROFILE/history, else ~/.config/zek/history).
TerminalInput openTerminalInput();

}  // namespace zek
