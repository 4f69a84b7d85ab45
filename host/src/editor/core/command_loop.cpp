// The command loop and the run of one command.
#include "editor/core/command_loop.h"

#include <algorithm>
#include <functional>

#include "aced_output.h"
#include "db_database.h"
#include "db/undo_recorder.h"
#include "editor/core/display_state.h"
#include "editor/document.h"
#include "editor/editor_hooks.h"
#include "editor/input.h"
#include "editor/prompts/answer_parsing.h"
#include "editor/prompts/prompt_reader.h"
#include "editor/transcript.h"

namespace zek {

namespace {
// Set when a command found the end of the input; the loop stops on it.
RunOutcome& pendingOutcome() {
  static RunOutcome outcome;
  return outcome;
}

bool isOpenDocument(const Document* document) {
  DocumentManager& manager = DocumentManager::instance();
  for (int i = 0; i < manager.documentCount(); ++i) {
    if (manager.documentAt(i) == document)
      return true;
  }
  return false;
}

// Every object a command leaves open is reported by handle and closed, so the
// next command starts clean.
void closeLeftOpen(AcDbDatabase& db, const std::string& commandName) {
  std::vector<AcDbObjectId> open = db.openObjects();
  if (open.empty())
    return;
  std::sort(open.begin(), open.end(), [](const AcDbObjectId& a, const AcDbObjectId& b) {
    return a.handle() < b.handle();
  });
  std::string handles;
  for (const AcDbObjectId& id : open)
    handles += " " + id.handle().ascii();
  acutPrintf("\n; %s left %zu object%s open, closed now:%s", commandName.c_str(), open.size(),
             open.size() == 1 ? "" : "s", handles.c_str());
  if (editorHooks().objectsLeftOpen)
    editorHooks().objectsLeftOpen(commandName, open.size());
  for (const AcDbObjectId& id : open) {
    AcDbObject* object = id.stub() ? id.stub()->object : nullptr;
    while (object != nullptr && object->isOpen()) {
      if (object->close() != Acad::eOk)
        break;
    }
  }
}

// What a command leaves of prompts and drags is gone once it ends.
void clearCommandLeftovers(Document& document) {
  DisplayState& display = displayStateOf(document);
  display.rubberBand.reset();
  display.dragEntity = nullptr;
  display.dragSamples = 0;
  display.cursor = kDefaultCursor;
  document.state<PromptState>().pending.reset();
}

// One top-level command (or AutoLISP call at the command prompt): its own
// undo step, then the checks every command ends with.
void runTopLevel(const std::string& name, int flags, const std::function<void()>& function,
                 Document& document) {
  CommandState& state = document.state<CommandState>();
  EditorHooks& hooks = editorHooks();
  if (hooks.commandStarting)
    hooks.commandStarting(name, (flags & kCommandUsePickSet) != 0);
  AcDbDatabase& db = *document.database();
  UndoRecorder& undo = db.undo();
  const bool ownStep = (flags & kCommandNoUndoStep) == 0 && !state.undoGroupOpen;
  state.undoNames.resize(std::min(state.undoNames.size(), undo.stepCount()));
  const std::size_t stepsBefore = undo.stepCount();
  if (ownStep)
    undo.beginStep();
  const bool endedBefore = inputEndState().ended;

  state.active.push_back(name);
  function();

  if (!isOpenDocument(&document))
    return;  // the command closed its own drawing
  closeLeftOpen(db, name);
  if (hooks.unfreedSelectionSets)
    hooks.unfreedSelectionSets(name);
  if (ownStep) {
    undo.endStep();
    if (undo.stepCount() > stepsBefore)
      state.undoNames.push_back(name);
  }
  clearCommandLeftovers(document);
  state.active.pop_back();
  if (hooks.commandEnded)
    hooks.commandEnded(name);
  if (!endedBefore && inputEndState().ended) {
    pendingOutcome().endedInCommand = true;
    pendingOutcome().message =
        inputEndState().where + ": the input ended while " + name + " was still prompting";
  }
}

// The function name of an AutoLISP call line: "(ZEKBDY1 2 1)" → "ZEKBDY1".
std::string lispFunctionName(std::string_view line) {
  line.remove_prefix(1);
  line = trimmedAnswer(line);
  std::size_t end = line.find_first_of(" \t()\"'");
  return upperCased(line.substr(0, end));
}
}  // namespace

CommandState& commandState() {
  static CommandState noDocument;
  Document* document = currentDocument();
  return document ? document->state<CommandState>() : noDocument;
}

std::string activeCommand() {
  const CommandState& state = commandState();
  return state.active.empty() ? std::string() : state.active.front();
}

void runCommand(const CommandEntry& command) {
  Document* document = currentDocument();
  if (document == nullptr) {
    command.function();
    return;
  }
  CommandState& state = document->state<CommandState>();
  if (state.active.empty()) {
    runTopLevel(command.globalName, command.flags, command.function, *document);
    if (isOpenDocument(document) && (command.flags & kCommandNoMultiple) == 0)
      state.lastCommand = command.globalName;
    return;
  }
  state.active.push_back(command.globalName);
  command.function();
  if (isOpenDocument(document))
    state.active.pop_back();
}

void runCommandLine(std::string_view line) {
  std::string_view typed = trimmedAnswer(line);
  while (!typed.empty() && typed.front() == '\'')
    typed.remove_prefix(1);  // a transparent call runs as an ordinary one
  CommandTable& table = CommandTable::instance();
  EditorHooks& hooks = editorHooks();
  if (typed.empty()) {
    // Enter at the command prompt repeats the last command, as CAD hosts do.
    const std::string last = commandState().lastCommand;
    if (auto command = last.empty() ? std::nullopt : table.find("_" + last))
      runCommand(*command);
    return;
  }
  if (typed.front() == '(') {
    const std::string callText(typed);
    const std::string name = lispFunctionName(typed);
    auto call = [&] {
      if (hooks.lispLine)
        hooks.lispLine(callText);
      else
        acutPrintf("\n; error: no function definition: %s", name.c_str());
    };
    Document* document = currentDocument();
    if (document != nullptr && commandState().active.empty())
      runTopLevel(name, kCommandModal, call, *document);
    else
      call();
    return;
  }
  if (auto command = table.find(typed)) {
    runCommand(*command);
    return;
  }
  const bool endedBefore = inputEndState().ended;
  Document* document = currentDocument();
  if (hooks.sysvarCommand && document != nullptr && commandState().active.empty()) {
    // A variable set at the command prompt is an undo step of its own, as
    // SETVAR is (DIMSCALE 2, then UNDO, gives DIMSCALE back); the pick-first
    // set survives it.
    bool isVariable = false;
    runTopLevel(upperCased(typed), kCommandModal | kCommandUsePickSet,
                [&] { isVariable = hooks.sysvarCommand(typed); }, *document);
    if (isVariable)
      return;
  } else if (hooks.sysvarCommand && hooks.sysvarCommand(typed)) {
    if (!endedBefore && inputEndState().ended && commandState().active.empty()) {
      pendingOutcome().endedInCommand = true;
      pendingOutcome().message = inputEndState().where + ": the input ended while " +
                                 upperCased(typed) + " was still prompting";
    }
    return;
  }
  if (hooks.demandLoad && hooks.demandLoad(typed)) {
    if (auto command = table.find(typed)) {
      runCommand(*command);
      return;
    }
  }
  acutPrintf("\nUnknown command \"%s\".  Press F1 for help.", upperCased(typed).c_str());
}

RunOutcome runCommandLoop() {
  inputEndState() = {};
  pendingOutcome() = {};
  while (currentDocument() != nullptr) {
    Answer answer = promptForLine("Command: ");
    if (answer.kind == Answer::Kind::End)
      break;
    if (answer.kind == Answer::Kind::Cancel)
      continue;
    runCommandLine(answer.text);
    if (pendingOutcome().endedInCommand)
      break;
  }
  RunOutcome outcome = pendingOutcome();
  pendingOutcome() = {};
  return outcome;
}

}  // namespace zek
