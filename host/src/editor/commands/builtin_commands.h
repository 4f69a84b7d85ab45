// The host's own commands, each a plain function that prompts through the
// input calls like any module command, and their registration in the
// command table (group HOST) when the host library loads.
#pragma once

namespace zek {

// Drawing: LINE, PLINE, RECTANG, CIRCLE, ARC, TEXT, LEADER.
void lineCommand();
void plineCommand();
void rectangCommand();
void circleCommand();
void arcCommand();
void textCommand();
void leaderCommand();
// Editing: ERASE, MOVE, COPY, SELECT.
void eraseCommand();
void moveCommand();
void copyCommand();
void selectCommand();
// Inquiry: LIST, ID, DIST.
void listCommand();
void idCommand();
void distCommand();
// Settings and view: -LAYER (and LAYER), ZOOM, UCS, SETVAR.
void layerCommand();
void zoomCommand();
void ucsCommand();
void setvarCommand();
// Files: NEW, OPEN, SAVE (and QSAVE), SAVEAS, CLOSE.
void newCommand();
void openCommand();
void saveCommand();
void saveasCommand();
void closeCommand();
// UNDO, U, REDO.
void undoCommand();
void uCommand();
void redoCommand();
void redoCommand();

// Registers every built-in command (done once, when the library loads).
void registerBuiltinCommands();

}  // namespace zek
