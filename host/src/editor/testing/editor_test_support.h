// A test's editor session: a current document (a new drawing or one read
// from DXF text), answer lines fed as a script, and the transcript they made.
// While it lives, a command that returns with an object open or a selection
// set unfreed fails the test (naming the command), unless the test said it
// expects leaks (tests of the leak report itself).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "db_database.h"
#include "editor/core/command_loop.h"
#include "editor/document.h"
#include "editor/input.h"

namespace zek::test {

class EditorSession {
public:
  // A new drawing from the template.
  EditorSession();
  // A drawing read from DXF text (the test fails when it does not read).
  explicit EditorSession(const std::string& dxf);
  ~EditorSession();
  EditorSession(const EditorSession&) = delete;
  EditorSession& operator=(const EditorSession&) = delete;

  // The drawing the session started with.
  Document& document() const { return *document_; }
  AcDbDatabase& db() const { return *document_->database(); }

  // Answer lines for the prompts that follow (appended after lines fed before).
  void feed(const std::vector<std::string>& lines);
  // Feeds a script text (one answer per line, ";" comments), read before any
  // fed lines not yet read.
  void feedScript(const std::string& script, const std::string& name = "test.scr");
  // Runs the command loop over what was fed (see runCommandLoop).
  RunOutcome run() { return runCommandLoop(); }
  // The transcript so far; take() also clears it.
  std::string transcript() const;
  std::string take();

  // Leaks are reported in the transcript only, not failed (for tests of the
  // leak report).
  void expectLeaks() { leaksExpected_ = true; }
  // Said before the command's name in leak failures ("box.scr with Esc at
  // answer 3").
  void setLeakContext(std::string context) { leakContext_ = std::move(context); }
  // The leaks failed so far.
  int leakFailures() const { return leakFailures_; }

private:
  void watchLeaks();
  void failLeak(std::string_view commandName, const std::string& what);

  // A drawing opened while the session runs (NEW, OPEN) takes the session's
  // answers over, as the program's one input goes on in the new drawing.
  static void carryInputToNewDocument(Document& opened);
  void startTakingInput();

  Document* document_ = nullptr;
  Document* inputDocument_ = nullptr;  // where the answers are now
  LineListSource* fed_ = nullptr;  // owned by the document's input
  bool leaksExpected_ = false;
  std::string leakContext_;
  int leakFailures_ = 0;
  // The hooks the session wrapped, put back when it ends.
  std::function<int(std::string_view)> wrappedUnfreed_;
  std::function<void(std::string_view, std::size_t)> wrappedLeftOpen_;
};

}  // namespace zek::test
