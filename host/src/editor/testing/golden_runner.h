// Golden transcripts: every "*.scr" of a folder run through the command loop
// and its whole transcript compared with the "*.out" beside it, exactly. A
// missing ".out" fails. With ZEK_UPDATE_GOLDEN=1 in the environment the
// ".out" files are written instead (review the diff); ZEK_GOLDEN_ONLY=PREFIX
// limits a run to the scripts whose names begin with PREFIX.
//
// A script runs on a new drawing, or on "NAME.dxf" beside "NAME.scr", or on
// the drawing a first line "; drawing: FILE.dxf" names (relative to the
// folder). When the input ends while a command still prompts, the run's
// report follows the transcript on a line of its own, after "** ".
#pragma once

#include <functional>
#include <optional>
#include <string>

class AcDbDatabase;

namespace zek::test {

class EditorSession;

struct GoldenOptions {
  // Called on the session before the script runs (test commands, settings).
  std::function<void(EditorSession&)> prepare;
  // Also runs each script cut short by Esc at every answer in turn, checking
  // that afterwards no object is left open (the loop reports it), that no
  // selection set is reported unfreed, and that OSMODE, ORTHOMODE and CMDECHO
  // are what they were when the cancelled command started.
  //
  // After each cut-short run the drawing must also be consistent (its DXF
  // text reads back and writes again to the same text) and UNDO 1 must give
  // back the drawing as it was before the cancelled command.
  bool escapeSweep = true;
  // Also runs each script once more, keeping the drawing's DXF text before
  // every top-level command that makes an undo step, then undoes the steps
  // one by one (UNDO 1) back to the start: after each the DXF text must equal
  // the one kept before that step's command. REDO then must make the first
  // step again. Undo commands inside the script are checked the same way.
  // Scripts that switch drawings (NEW, OPEN, CLOSE) are left out of it.
  bool undoRoundTrip = true;
  // The scripts leave objects open or selection sets unfreed on purpose (tests
  // of the leak report): leaks are not failures, and no sweep should run.
  bool expectLeaks = false;
};

// Runs every script of the folder; failures are reported to GoogleTest, each
// naming its script. Answers the number of scripts run (a folder without
// scripts fails).
int runGoldenFolder(const std::string& folder, const GoldenOptions& options = {});

// The transcript (and end report) of one script run on a drawing as above.
std::string runGoldenScript(const std::string& scriptPath, const GoldenOptions& options = {});

// What the checks above compare, for tests of their own: the drawing's DXF
// text (or why it does not write), why the drawing is not consistent (its
// DXF text does not read back or writes again to another text; nothing when
// it is), and the first lines where two DXF texts part.
std::string drawingDxfText(AcDbDatabase& db);
std::optional<std::string> drawingInconsistency(AcDbDatabase& db);
std::string firstDxfDifference(const std::string& expected, const std::string& actual);

}  // namespace zek::test
