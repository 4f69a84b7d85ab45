// What zekcommand keeps while it is loaded: the pick list, the macro chosen
// last and its position.
#pragma once

#include <string>
#include <vector>

#include "macro_list.h"

namespace zek {

struct MacroState {
  std::vector<CommandMacro> macros;
  std::string lastMacro = "ZEKCMD";  // the first ZEKCMD1 opens the pick list
  int lastIndex = 0;
  bool repeating = false;  // ZEKCMD1 is running its macro
};

MacroState& macroState();

// A fresh state with the entries of zekcommand.dat (messages printed when
// the file is missing or unreadable).
void loadMacroState();
// Forgets the entries when the module unloads.
void clearMacroState();

}  // namespace zek
