// The golden transcript runner, its Esc sweep and its undo round trip.
#include "editor/testing/golden_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <vector>

#include "db/undo_recorder.h"
#include "editor/core/command_loop.h"
#include "editor/document.h"
#include "editor/editor_hooks.h"
#include "editor/prompts/prompt_reader.h"
#include "editor/testing/editor_test_support.h"
#include "editor/vars/sysvars.h"
#include "zek/dxf_io.h"

namespace zek::test {
namespace {

namespace fs = std::filesystem;

std::string readText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The drawing a script runs on: "; drawing: FILE" on its first line, or the
// DXF file of the script's own name; nothing for a new drawing.
std::optional<fs::path> drawingOf(const fs::path& script, const std::string& text) {
  const std::string marker = "; drawing: ";
  if (text.rfind(marker, 0) == 0) {
    std::string name = text.substr(marker.size(), text.find('\n') - marker.size());
    while (!name.empty() && (name.back() == '\r' || name.back() == ' '))
      name.pop_back();
    return script.parent_path() / name;
  }
  fs::path own = script;
  own.replace_extension(".dxf");
  if (fs::exists(own))
    return own;
  return std::nullopt;
}

std::unique_ptr<EditorSession> sessionFor(const fs::path& script, const std::string& text) {
  if (auto drawing = drawingOf(script, text)) {
    if (!fs::exists(*drawing)) {
      ADD_FAILURE() << script.filename() << ": the drawing " << *drawing << " is missing";
      return std::make_unique<EditorSession>();
    }
    return std::make_unique<EditorSession>(readText(*drawing));
  }
  return std::make_unique<EditorSession>();
}

// One run of a script: the session (still holding the drawing as the script
// left it) and the transcript with the end report.
struct ScriptRun {
  std::unique_ptr<EditorSession> session;
  std::string transcript;
};

// `watch` is called on the session just before the script runs (the passes
// install their hooks there); `context` names the run in leak failures.
ScriptRun runScript(const fs::path& script, const std::string& text, const GoldenOptions& options,
                    const std::string& context,
                    const std::function<void(EditorSession&)>& watch = {}) {
  ScriptRun run;
  run.session = sessionFor(script, text);
  EditorSession& session = *run.session;
  if (options.expectLeaks)
    session.expectLeaks();
  session.setLeakContext(context);
  if (options.prepare)
    options.prepare(session);
  if (watch)
    watch(session);
  session.feedScript(text, script.filename().string());
  RunOutcome outcome = session.run();
  run.transcript = session.transcript();
  if (outcome.endedInCommand) {
    if (!run.transcript.empty() && run.transcript.back() != '\n')
      run.transcript += '\n';  // the report starts a line of its own
    run.transcript += "** " + outcome.message + "\n";
  }
  return run;
}

std::string runText(const fs::path& script, const std::string& text, const GoldenOptions& options) {
  return runScript(script, text, options, script.filename().string()).transcript;
}

// The lines of a script that are answers (comments left out).
std::vector<std::string> answerLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    if (!line.empty() && line.front() == ';')
      continue;
    lines.push_back(line);
  }
  return lines;
}

// ---- The drawing's state as DXF text ----------------------------------------
//
// The whole DXF text is compared, header variables ($HANDSEED, $CLAYER,
// DIM*, ...), tables, blocks, entities and objects alike: no group is masked.

std::string dxfText(AcDbDatabase& db) {
  auto text = writeDxfString(db);
  if (!text)
    return "(the drawing does not write: " + text.failure().message + ")";
  return std::move(text.value());
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line))
    lines.push_back(line);
  return lines;
}

// The first lines where two DXF texts part, with a few lines around them.
std::string firstDifference(const std::string& expected, const std::string& actual) {
  const std::vector<std::string> a = linesOf(expected);
  const std::vector<std::string> b = linesOf(actual);
  std::size_t at = 0;
  while (at < a.size() && at < b.size() && a[at] == b[at])
    ++at;
  const std::size_t from = at >= 6 ? at - 6 : 0;
  auto excerpt = [&](const std::vector<std::string>& lines) {
    std::string out;
    for (std::size_t i = from; i < std::min(lines.size(), at + 6); ++i)
      out += (i == at ? "  > " : "    ") + std::to_string(i + 1) + ": " + lines[i] + "\n";
    return out.empty() ? std::string("    (the text ends here)\n") : out;
  };
  return "first difference at line " + std::to_string(at + 1) + "\n  expected:\n" + excerpt(a) +
         "  got:\n" + excerpt(b);
}

// The drawing writes, reads back and writes again to the same text.
std::optional<std::string> inconsistency(AcDbDatabase& db) {
  auto first = writeDxfString(db);
  if (!first)
    return "the drawing does not write: " + first.failure().message;
  auto read = readDxfString(first.value(), "written.dxf");
  if (!read)
    return "the written drawing does not read back: " + read.failure().message;
  auto second = writeDxfString(*read.value());
  if (!second)
    return "the drawing read back does not write: " + second.failure().message;
  if (second.value() != first.value())
    return "the drawing read back writes another text: " +
           firstDifference(first.value(), second.value());
  return std::nullopt;
}

// Whether the script still works in the drawing it started with, alone.
bool inOwnDrawing(EditorSession& session) {
  return currentDocument() == &session.document() &&
         DocumentManager::instance().documentCount() == 1;
}

std::size_t undoSteps(EditorSession& session) { return session.db().undo().stepCount(); }

// Feeds answers after the script and runs them.
void runMore(EditorSession& session, const std::string& lines) {
  session.feedScript(lines, "undo check");
  (void)session.run();
}

// ---- Esc sweep ---------------------------------------------------------------

// What the last top-level command of a cut-short run started from.
struct LastCommand {
  std::string name;
  std::optional<std::string> before;  // the DXF text as it started
  std::size_t stepsBefore = 0;
  bool switchedDrawing = false;
};

// After a cut-short run: the drawing is consistent, and UNDO 1 (when the
// cancelled command made a step) gives back the drawing it started from.
void checkAfterCancel(EditorSession& session, const LastCommand& last,
                      std::vector<std::string>& problems) {
  if (last.switchedDrawing || !inOwnDrawing(session) || !last.before)
    return;  // drawings were switched: the drawing kept is not the script's
  const bool undoCommand = last.name == "UNDO" || last.name == "U" || last.name == "REDO";
  if (auto fault = inconsistency(session.db()))
    problems.push_back("the drawing is not consistent after " + last.name + ": " + *fault);
  // Inside an UNDO BEgin group a command makes no step of its own, and an
  // undo command cut short is no step to undo: nothing to compare.
  if (undoCommand || commandState().undoGroupOpen)
    return;
  const std::size_t steps = undoSteps(session);
  if (steps == last.stepsBefore + 1) {
    runMore(session, "UNDO\n1\n");
  } else if (steps != last.stepsBefore) {
    return;  // an undo command itself was cut short
  }
  const std::string now = dxfText(session.db());
  if (now != *last.before)
    problems.push_back((steps == last.stepsBefore
                            ? last.name + " made no undo step but changed the drawing: "
                            : "UNDO 1 after " + last.name + " does not give back the drawing: ") +
                       firstDifference(*last.before, now));
}

// Runs the script cut short by Esc at each answer in turn. Objects left open
// and selection sets left unfreed fail through the session, named by the cut.
void sweepEscape(const fs::path& script, const std::string& text, const GoldenOptions& options) {
  std::string drawingLine;
  if (text.rfind("; drawing: ", 0) == 0)
    drawingLine = text.substr(0, text.find('\n') + 1);
  const std::vector<std::string> lines = answerLines(text);
  EditorHooks saved = editorHooks();
  for (std::size_t k = 0; k < lines.size(); ++k) {
    std::string cut = drawingLine;
    for (std::size_t i = 0; i < k; ++i)
      cut += lines[i] + "\n";
    cut += "^C\n";
    std::vector<std::string> problems;
    std::vector<std::string> before;
    long cancelsBefore = 0;
    LastCommand last;
    const std::string where =
        script.filename().string() + " with Esc at answer " + std::to_string(k + 1);
    auto watch = [&](EditorSession& session) {
      editorHooks().commandStarting = [&, session = &session](std::string_view name,
                                                              bool pickfirst) {
        if (saved.commandStarting)
          saved.commandStarting(name, pickfirst);
        before = cancelRestoredSysvarValues();
        cancelsBefore = promptState().cancels;
        last.name = name;
        last.switchedDrawing = last.switchedDrawing || !inOwnDrawing(*session);
        if (!last.switchedDrawing) {
          last.before = dxfText(session->db());
          last.stepsBefore = undoSteps(*session);
        }
      };
      editorHooks().commandEnded = [&](std::string_view name) {
        if (saved.commandEnded)
          saved.commandEnded(name);
        if (promptState().cancels == cancelsBefore || cancelRestoredSysvarValues() == before)
          return;
        problems.push_back(std::string(name) + " changed OSMODE, ORTHOMODE or CMDECHO");
      };
    };
    ScriptRun run = runScript(script, cut, options, where, watch);
    editorHooks().commandStarting = saved.commandStarting;
    editorHooks().commandEnded = saved.commandEnded;
    checkAfterCancel(*run.session, last, problems);
    run.session.reset();
    editorHooks() = saved;
    for (const std::string& problem : problems)
      ADD_FAILURE() << where << ": " << problem << "\n" << run.transcript;
  }
}

// ---- Undo round trip ---------------------------------------------------------

// One undo step of the run: the command that made it and the drawing before.
struct KeptStep {
  std::string command;
  std::string before;
};

// Follows the drawing's undo steps through a run: a command that adds a step
// keeps the DXF text from before it; UNDO and U inside the script are
// checked against the texts kept, and REDO against the text before the undo.
class UndoWatch {
public:
  UndoWatch(EditorSession& session, std::string where) : session_(session),
                                                         where_(std::move(where)) {
    base_ = undoSteps(session);  // steps the preparation made are not the script's
  }

  void starting(std::string_view) {
    if (!(switched_ = switched_ || !inOwnDrawing(session_)))
      before_ = dxfText(session_.db());
  }

  void ended(std::string_view name) {
    if (switched_ || !inOwnDrawing(session_)) {
      switched_ = true;
      return;
    }
    const std::size_t steps = undoSteps(session_) - std::min(undoSteps(session_), base_);
    const bool redo = upper(name) == "REDO";
    if (steps > kept_.size() && redo && steps - kept_.size() <= undone_.size()) {
      while (kept_.size() < steps) {
        kept_.push_back(std::move(undone_.back()));
        undone_.pop_back();
      }
      expectNow(redoTarget_, std::string(name) + " in the script");
    } else if (steps > kept_.size()) {
      undone_.clear();  // a new change: nothing can be redone
      while (kept_.size() < steps)
        kept_.push_back({std::string(name), before_});
    } else if (steps < kept_.size()) {
      redoTarget_ = before_;
      undone_.clear();
      while (kept_.size() > steps) {
        undone_.push_back(std::move(kept_.back()));
        kept_.pop_back();
      }
      expectNow(undone_.back().before, std::string(name) + " in the script (undoing " +
                                           undone_.back().command + ")");
    }
  }

  // After the script: UNDO 1 for every step the script made, then REDO.
  void undoToStart() {
    if (switched_ || !inOwnDrawing(session_)) {
      return;  // the script switched drawings: not the script's drawing to undo
    }
    if (failed_ || kept_.empty())
      return;
    const std::string end = dxfText(session_.db());
    std::vector<KeptStep> kept = kept_;
    for (std::size_t i = kept.size(); i > 0; --i) {
      runMore(session_, "UNDO\n1\n");
      const std::size_t steps = undoSteps(session_) - std::min(undoSteps(session_), base_);
      if (steps != i - 1) {
        fail("UNDO 1 after the script left " + std::to_string(steps) + " steps, not " +
             std::to_string(i - 1) + " (undoing " + kept[i - 1].command + ")");
        return;
      }
      if (!expectNow(kept[i - 1].before,
                     "UNDO 1 after the script (undoing " + kept[i - 1].command + ", step " +
                         std::to_string(i) + " of " + std::to_string(kept.size()) + ")"))
        return;
    }
    runMore(session_, "REDO\n");
    expectNow(kept.size() > 1 ? kept[1].before : end,
              "REDO after undoing everything (making " + kept[0].command + " again)");
  }

private:
  static std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
      c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
  }

  bool expectNow(const std::string& expected, const std::string& what) {
    if (failed_)
      return false;
    const std::string now = dxfText(session_.db());
    if (now == expected)
      return true;
    fail(what + " does not give back the drawing: " + firstDifference(expected, now));
    return false;
  }

  void fail(const std::string& what) {
    failed_ = true;  // one report a script: later steps part anyway
    ADD_FAILURE() << where_ << ": " << what << "\n" << session_.transcript();
  }

  EditorSession& session_;
  std::string where_;
  std::size_t base_ = 0;
  std::string before_;
  std::vector<KeptStep> kept_;
  std::vector<KeptStep> undone_;
  std::string redoTarget_;
  bool switched_ = false;
  bool failed_ = false;
};

void checkUndoRoundTrip(const fs::path& script, const std::string& text,
                        const GoldenOptions& options) {
  const std::string where = script.filename().string() + " in the undo round trip";
  EditorHooks saved = editorHooks();
  std::unique_ptr<UndoWatch> watch;
  auto install = [&](EditorSession& session) {
    watch = std::make_unique<UndoWatch>(session, where);
    editorHooks().commandStarting = [&](std::string_view name, bool pickfirst) {
      if (saved.commandStarting)
        saved.commandStarting(name, pickfirst);
      watch->starting(name);
    };
    editorHooks().commandEnded = [&](std::string_view name) {
      if (saved.commandEnded)
        saved.commandEnded(name);
      watch->ended(name);
    };
  };
  ScriptRun run = runScript(script, text, options, where, install);
  editorHooks().commandStarting = saved.commandStarting;
  editorHooks().commandEnded = saved.commandEnded;
  watch->undoToStart();
  watch.reset();
  run.session.reset();
  editorHooks() = saved;
}

}  // namespace

std::string drawingDxfText(AcDbDatabase& db) { return dxfText(db); }
std::optional<std::string> drawingInconsistency(AcDbDatabase& db) { return inconsistency(db); }
std::string firstDxfDifference(const std::string& expected, const std::string& actual) {
  return firstDifference(expected, actual);
}

std::string runGoldenScript(const std::string& scriptPath, const GoldenOptions& options) {
  const fs::path script(scriptPath);
  return runText(script, readText(script), options);
}

int runGoldenFolder(const std::string& folder, const GoldenOptions& options) {
  // ZEK_GOLDEN_ONLY=PREFIX runs (and updates) only the scripts whose names
  // begin with it, for work on one command's goldens in a shared folder.
  const char* only = std::getenv("ZEK_GOLDEN_ONLY");
  const std::string prefix = only != nullptr ? only : "";
  std::vector<fs::path> scripts;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() == ".scr" &&
        entry.path().filename().string().compare(0, prefix.size(), prefix) == 0)
      scripts.push_back(entry.path());
  }
  std::sort(scripts.begin(), scripts.end());
  if (scripts.empty())
    ADD_FAILURE() << "no golden scripts in " << folder;
  const bool update = std::getenv("ZEK_UPDATE_GOLDEN") != nullptr &&
                      std::string(std::getenv("ZEK_UPDATE_GOLDEN")) == "1";
  for (const fs::path& script : scripts) {
    const std::string text = readText(script);
    const std::string transcript = runText(script, text, options);
    fs::path expectedPath = script;
    expectedPath.replace_extension(".out");
    if (update) {
      std::ofstream(expectedPath, std::ios::binary) << transcript;
    } else if (!fs::exists(expectedPath)) {
      ADD_FAILURE() << script.filename().string() << ": no " << expectedPath.filename().string()
                    << "; it would hold:\n" << transcript;
    } else {
      EXPECT_EQ(transcript, readText(expectedPath)) << script.filename().string();
    }
    // Scripts that leak on purpose are not swept: every cut would leak too.
    if (options.escapeSweep && !options.expectLeaks)
      sweepEscape(script, text, options);
    if (options.undoRoundTrip)
      checkUndoRoundTrip(script, text, options);
  }
  return static_cast<int>(scripts.size());
}

}  // namespace zek::test
