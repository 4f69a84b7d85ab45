// The editor test session.
#include "editor/testing/editor_test_support.h"

#include <gtest/gtest.h>

#include "editor/editor_hooks.h"
#include "editor/input.h"
#include "editor/transcript.h"
#include "editor/vars/sysvars.h"
#include "zek/dxf_io.h"

namespace zek::test {

namespace {

EditorSession*& activeSession() {
  static EditorSession* session = nullptr;
  return session;
}

bool isOpen(const Document* document) {
  DocumentManager& manager = DocumentManager::instance();
  for (int i = 0; i < manager.documentCount(); ++i)
    if (manager.documentAt(i) == document)
      return true;
  return false;
}

}  // namespace

void EditorSession::carryInputToNewDocument(Document& opened) {
  EditorSession* session = activeSession();
  if (session == nullptr || session->inputDocument_ == nullptr)
    return;
  if (session->inputDocument_ != &opened && isOpen(session->inputDocument_))
    documentInput(opened).takeSourcesOf(documentInput(*session->inputDocument_));
  session->inputDocument_ = &opened;
}

EditorSession::EditorSession() {
  DocumentManager::instance().closeAll();
  resetSessionSysvars();  // OSMODE, PICKBOX ... start from their defaults in every test
  Transcript::instance().clear();
  inputEndState() = {};
  document_ = DocumentManager::instance().open(std::make_unique<AcDbDatabase>(), "");
  startTakingInput();
}

EditorSession::EditorSession(const std::string& dxf) {
  DocumentManager::instance().closeAll();
  resetSessionSysvars();  // OSMODE, PICKBOX ... start from their defaults in every test
  Transcript::instance().clear();
  inputEndState() = {};
  auto read = readDxfString(dxf, "test.dxf");
  if (!read) {
    ADD_FAILURE() << "the test drawing does not read: " << read.failure().message;
    document_ = DocumentManager::instance().open(std::make_unique<AcDbDatabase>(), "");
    startTakingInput();
    return;
  }
  document_ = DocumentManager::instance().open(std::move(read.value()), "test.dxf");
  startTakingInput();
}

void EditorSession::failLeak(std::string_view commandName, const std::string& what) {
  if (leaksExpected_)
    return;
  ++leakFailures_;
  const std::string who = commandName.empty() ? std::string("the run")
                                              : "the command " + std::string(commandName);
  ADD_FAILURE() << (leakContext_.empty() ? "" : leakContext_ + ": ") << who << " left " << what
                << "\n" << Transcript::instance().text();
}

void EditorSession::watchLeaks() {
  EditorHooks& hooks = editorHooks();
  wrappedUnfreed_ = hooks.unfreedSelectionSets;
  wrappedLeftOpen_ = hooks.objectsLeftOpen;
  hooks.unfreedSelectionSets = [this, inner = wrappedUnfreed_](std::string_view name) {
    const int count = inner ? inner(name) : 0;
    if (count > 0)
      failLeak(name, std::to_string(count) + " selection set(s) unfreed");
    return count;
  };
  hooks.objectsLeftOpen = [this, inner = wrappedLeftOpen_](std::string_view name,
                                                          std::size_t count) {
    if (inner)
      inner(name, count);
    failLeak(name, std::to_string(count) + " object(s) open");
  };
}

void EditorSession::startTakingInput() {
  watchLeaks();
  static const bool listening =
      (DocumentManager::instance().addOpenListener(carryInputToNewDocument), true);
  (void)listening;
  inputDocument_ = document_;
  activeSession() = this;
}

EditorSession::~EditorSession() {
  if (activeSession() == this)
    activeSession() = nullptr;
  editorHooks().unfreedSelectionSets = wrappedUnfreed_;
  editorHooks().objectsLeftOpen = wrappedLeftOpen_;
  DocumentManager::instance().closeAll();
  resetSessionSysvars();  // OSMODE, PICKBOX ... start from their defaults in every test
  Transcript::instance().clear();
  inputEndState() = {};
}

void EditorSession::feed(const std::vector<std::string>& lines) {
  if (fed_ != nullptr) {
    fed_->append(lines);
    return;
  }
  auto source = std::make_unique<LineListSource>(lines, "test input");
  fed_ = source.get();
  currentInput().push(std::move(source));
}

void EditorSession::feedScript(const std::string& script, const std::string& name) {
  currentInput().push(std::make_unique<ScriptSource>(script, name));
}

std::string EditorSession::transcript() const { return Transcript::instance().text(); }

std::string EditorSession::take() {
  std::string text = Transcript::instance().text();
  Transcript::instance().clear();
  return text;
}

}  // namespace zek::test
