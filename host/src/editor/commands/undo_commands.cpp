// UNDO (a number of steps, BEgin/End groups, Mark/Back), U and REDO. Each
// step is one top-level command with everything it ran inside; UNDO, U and
// REDO make no step of their own. The names of the undone commands are
// printed. REDO makes again what the last UNDO or U undid, until the next
// change to the drawing.
#include <string>

#include "aced_input.h"
#include "aced_output.h"
#include "db_database.h"
#include "db/undo_recorder.h"
#include "editor/commands/builtin_commands.h"
#include "editor/commands/command_support.h"
#include "editor/core/command_loop.h"
#include "editor/document.h"

namespace zek {

namespace {

UndoRecorder& recorder() { return commandDocument().database()->undo(); }

// Closes an open UNDO Begin group: its commands become one step.
void endGroup(CommandState& state) {
  if (!state.undoGroupOpen)
    return;
  UndoRecorder& undo = recorder();
  undo.endStep();
  state.undoNames.resize(std::min(state.undoNames.size(), state.undoGroupStart));
  if (undo.stepCount() > state.undoGroupStart)
    state.undoNames.push_back("GROUP");
  state.undoGroupOpen = false;
}

// Undoes steps until `keep` are left (or nothing is left); prints the names.
void undoDownTo(CommandState& state, std::size_t keep) {
  UndoRecorder& undo = recorder();
  state.undoNames.resize(undo.stepCount());  // steps made outside the loop have no name
  state.redoNames.clear();
  std::string names;
  while (undo.stepCount() > keep) {
    const std::size_t index = undo.stepCount() - 1;
    if (!undo.undoLastStep())
      break;
    state.redoNames.push_back(state.undoNames[index]);
    if (!state.undoNames[index].empty())
      names += (names.empty() ? "" : " ") + state.undoNames[index];
    state.undoNames.resize(index);
  }
  while (!state.undoMarks.empty() && state.undoMarks.back() > undo.stepCount())
    state.undoMarks.pop_back();
  if (!names.empty())
    acutPrintf("\n%s", names.c_str());
  if (undo.stepCount() == 0)
    acutPrintf("\nEverything has been undone");
}

void undoSteps(CommandState& state, int count) {
  endGroup(state);
  const std::size_t steps = recorder().stepCount();
  undoDownTo(state, steps > static_cast<std::size_t>(count) ? steps - count : 0);
}

void undoBack(CommandState& state) {
  endGroup(state);
  if (!state.undoMarks.empty()) {
    const std::size_t mark = state.undoMarks.back();
    state.undoMarks.pop_back();
    undoDownTo(state, mark);
    acutPrintf("\nMark encountered");
    return;
  }
  acedInitGet(0, "Yes No");
  char answer[8] = "";
  const int code = acedGetKword("\nThis will undo everything. OK? <Y>: ", answer, sizeof answer);
  if (code == RTCAN || (code == RTNORM && std::string(answer) == "No"))
    return;
  undoDownTo(state, 0);
}

}  // namespace

void undoCommand() {
  CommandState& state = commandState();
  acutPrintf("\nCurrent settings: Auto = On, Control = All, Combine = Yes");
  acedInitGet(RSG_NOZERO | RSG_NONEG, "BEgin End Mark Back");
  int count = 1;
  const int code = acedGetInt(
      "\nEnter the number of operations to undo or [BEgin/End/Mark/Back] <1>: ", &count);
  if (code == RTNONE) {
    undoSteps(state, 1);
    return;
  }
  if (code == RTNORM) {
    undoSteps(state, count);
    return;
  }
  if (code != RTKWORD)
    return;
  char keyword[16] = "";
  (void)acedGetInput(keyword, sizeof keyword);
  const std::string option = keyword;
  if (option == "BEgin") {
    endGroup(state);
    state.undoGroupStart = recorder().stepCount();
    state.undoGroupOpen = true;
    recorder().beginStep();
  } else if (option == "End") {
    endGroup(state);
  } else if (option == "Mark") {
    endGroup(state);
    state.undoMarks.push_back(recorder().stepCount());
  } else {
    undoBack(state);
  }
}

void uCommand() { undoSteps(commandState(), 1); }

void redoCommand() {
  CommandState& state = commandState();
  UndoRecorder& undo = recorder();
  // Only what the last UNDO or U undid, and only while nothing changed since.
  if (state.redoNames.empty() || undo.redoCount() < state.redoNames.size()) {
    state.redoNames.clear();
    acutPrintf("\nNothing to redo");
    return;
  }
  while (!state.redoNames.empty()) {
    if (!undo.redoLastUndo())
      break;
    state.undoNames.push_back(state.redoNames.back());
    state.redoNames.pop_back();
  }
  state.redoNames.clear();
}

}  // namespace zek
