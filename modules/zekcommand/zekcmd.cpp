// ZEKCMD and ZEKCMD1: a macro is printed and handed to the host as one text,
// which the host runs as a menu macro (words are answers, ";" is Enter).
#include <string>

#include "aced_input.h"
#include "aced_output.h"
#include "command_list_dialog.h"
#include "macro_state.h"
#include "zekcommand.h"

namespace zek {

namespace {

// Runs a copy of the macro, since a macro that runs ZEKCMD may choose
// another one while it runs.
void runMacro(const std::string& macro) {
  if (macro.empty())
    return;
  acutPrintf("\n%s\n", macro.c_str());
  // RTCAN: the drafter pressed Esc in a prompt of the macro, which says so
  // itself; RTERROR: the host refused a word or a command of it.
  if (acedCommand(RTSTR, macro.c_str(), RTNONE) == RTERROR)
    acutPrintf("\nThe macro stopped early.");
}

// Marks ZEKCMD1 as running for as long as it lives.
class RepeatingMark {
public:
  explicit RepeatingMark(bool& flag) : flag_(flag) { flag_ = true; }
  ~RepeatingMark() { flag_ = false; }
  RepeatingMark(const RepeatingMark&) = delete;
  RepeatingMark& operator=(const RepeatingMark&) = delete;

private:
  bool& flag_;
};

}  // namespace

void pickAndRunMacro() {
  MacroState& state = macroState();
  CommandListDialog dialog(state.macros, state.lastIndex);
  if (dialog.DoModal() != IDOK)
    return;  // "取消", Esc, or a dialog that could not open (it said so)
  const int chosen = dialog.chosenIndex();
  if (chosen < 0 || chosen >= static_cast<int>(state.macros.size()))
    return;
  state.lastIndex = chosen;
  state.lastMacro = state.macros[static_cast<std::size_t>(chosen)].macro;
  const std::string macro = state.lastMacro;
  runMacro(macro);
}

void repeatLastMacro() {
  MacroState& state = macroState();
  if (state.repeating) {
    // The last macro runs ZEKCMD1 itself: repeating it would never end.
    acutPrintf("\nZEKCMD1 cannot run inside its own macro.");
    return;
  }
  if (state.lastMacro.empty()) {
    acutPrintf("\nNOTHING");
    return;
  }
  RepeatingMark mark(state.repeating);
  const std::string macro = state.lastMacro;
  runMacro(macro);
}

}  // namespace zek
