// The table of the host's own commands, registered when the library loads.
#include "editor/commands/builtin_commands.h"

#include "editor/core/command_loop.h"
#include "editor/core/command_table.h"

namespace zek {

namespace {

struct Builtin {
  const char* name;
  void (*function)();
  int flags;
};

constexpr Builtin kBuiltins[] = {
    {"-LAYER", layerCommand, kCommandModal},
    {"LAYER", layerCommand, kCommandModal},
    {"ZOOM", zoomCommand, kCommandModal},
    {"LEADER", leaderCommand, kCommandModal},
    {"SELECT", selectCommand, kCommandModal},
    {"UNDO", undoCommand, kCommandNoUndoStep},
    {"U", uCommand, kCommandNoUndoStep},
    {"REDO", redoCommand, kCommandNoUndoStep},
    {"SETVAR", setvarCommand, kCommandModal},
    {"LINE", lineCommand, kCommandModal},
    {"PLINE", plineCommand, kCommandModal},
    {"CIRCLE", circleCommand, kCommandModal},
    {"ARC", arcCommand, kCommandModal},
    {"RECTANG", rectangCommand, kCommandModal},
    {"TEXT", textCommand, kCommandModal},
    {"ERASE", eraseCommand, kCommandUsePickSet},
    {"MOVE", moveCommand, kCommandUsePickSet},
    {"COPY", copyCommand, kCommandUsePickSet},
    {"UCS", ucsCommand, kCommandModal},
    {"LIST", listCommand, kCommandUsePickSet},
    {"ID", idCommand, kCommandModal},
    {"DIST", distCommand, kCommandModal},
    // A file command makes no undo step: it changes which drawing is current
    // or writes one out, never a drawing's contents.
    {"NEW", newCommand, kCommandNoUndoStep},
    {"OPEN", openCommand, kCommandNoUndoStep},
    {"SAVE", saveCommand, kCommandNoUndoStep},
    {"QSAVE", saveCommand, kCommandNoUndoStep},
    {"SAVEAS", saveasCommand, kCommandNoUndoStep},
    {"CLOSE", closeCommand, kCommandNoUndoStep | kCommandNoMultiple},
};

const bool registered = (registerBuiltinCommands(), true);

}  // namespace

void registerBuiltinCommands() {
  CommandTable& table = CommandTable::instance();
  for (const Builtin& builtin : kBuiltins) {
    if (!table.has("_" + std::string(builtin.name)))
      (void)table.add(kHostCommandGroup, builtin.name, builtin.name, builtin.flags,
                      builtin.function);
  }
  (void)registered;
}

}  // namespace zek
