// How the command loop reaches the selection service: the report of sets a
// command left unfreed, and what a command start does to the pick-first set
// and the spatial index.
#include "editor/document.h"
#include "editor/editor_hooks.h"
#include "editor/select/selection_query.h"
#include "editor/select/selection_sets.h"

namespace zek {
namespace {

// A command that does not use the pick-first set finds it cleared; every
// command start looks at the drawing's change marks, so the spatial index
// notices what the previous command changed (or undid).
void selectionCommandStarting(bool usesPickfirst) {
  Document* document = currentDocument();
  if (document == nullptr)
    return;
  if (!usesPickfirst)
    document->state<SelectionSetTable>().pickfirst.clear();
  modelSpaceIndexOf(*document).observe(*document->database());
}

const bool registered = [] {
  EditorHooks& hooks = editorHooks();
  hooks.unfreedSelectionSets = [](std::string_view commandName) {
    return reportUnfreedSelectionSets(commandName);
  };
  // Other services may listen to command starts too: keep theirs.
  auto before = hooks.commandStarting;
  hooks.commandStarting = [before](std::string_view commandName, bool usesPickfirst) {
    if (before)
      before(commandName, usesPickfirst);
    selectionCommandStarting(usesPickfirst);
  };
  return true;
}();

}  // namespace
}  // namespace zek
