// SETVAR: a system variable's name, then its value as typing the name at the
// command prompt asks for it.
#include <string>

#include "aced_input.h"
#include "aced_output.h"
#include "editor/commands/builtin_commands.h"
#include "editor/commands/command_support.h"
#include "editor/document.h"
#include "editor/prompts/answer_parsing.h"
#include "editor/vars/sysvar_command.h"

namespace zek {

namespace {
// The variable SETVAR offers next, per drawing.
struct SetvarDefaults {
  std::string last;
};
}  // namespace

void setvarCommand() {
  SetvarDefaults& defaults = commandDocument().state<SetvarDefaults>();
  const std::string prompt = defaults.last.empty()
                                 ? std::string("\nEnter variable name: ")
                                 : "\nEnter variable name <" + defaults.last + ">: ";
  char name[64] = "";
  if (acedGetString(0, prompt.c_str(), name, sizeof name) != RTNORM)
    return;
  std::string chosen = upperCased(trimmedAnswer(name));
  if (chosen.empty())
    chosen = defaults.last;
  if (chosen.empty())
    return;
  if (!runSysvarPrompt(chosen)) {
    acutPrintf("\nUnknown variable name.");
    return;
  }
  defaults.last = chosen;
}

}  // namespace zek
