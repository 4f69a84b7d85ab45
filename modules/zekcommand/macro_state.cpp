// The module's state, started afresh at every load.
#include "macro_state.h"

namespace zek {

MacroState& macroState() {
  static MacroState state;
  return state;
}

void loadMacroState() {
  MacroState& state = macroState();
  state = MacroState{};
  state.macros = loadCommandMacros();
}

void clearMacroState() { macroState() = MacroState{}; }

}  // namespace zek
