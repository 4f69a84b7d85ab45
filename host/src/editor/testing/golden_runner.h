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
#include <string>

namespace zek::test {

class EditorSession;

struct GoldenOptions {
  // Called on the session before the script runs (test commands, settings).
  std::function<void(EditorSession&)> prepare;
  // Also runs each script cut short by Esc at every answer in turn, checking
  // that afterwards no object is left open (the loop reports it), that no
  // selection set is reported unfreed, and that OSMODE, ORTHOMODE and CMDECHO
  // are what they were when the cancelled command started.
  bool escapeSweep = true;
};

// Runs every script of the folder; failures are reported to GoogleTest, each
// naming its script. Answers the number of scripts run (a folder without
// scripts fails).
int runGoldenFolder(const std::string& folder, const GoldenOptions& options = {});

// The transcript (and end report) of one script run on a drawing as above.
std::string runGoldenScript(const std::string& scriptPath, const GoldenOptions& options = {});

}  // namespace zek::test
