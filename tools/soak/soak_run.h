// The soak run: random commands with random answers on the sample plates,
// each checked for a drawing that saves and reloads to the same text, objects
// left open, selection sets left unfreed and system variables a cancelled
// command did not put back; a crash or a command that does not return writes
// the script that got there.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "zek/dxf_io.h"

namespace zek::soak {

struct SoakOptions {
  std::uint64_t seed = 1;
  long commands = 10000;
  // The drawings the rounds open in turn (every sample plate by default).
  std::vector<std::string> drawings;
  // Where everything is written: the drawings' copies, SAVEAS files, the
  // application registry, the failure scripts.
  std::string scratch = "out/soak";
  int answersPerCommand = 12;
  int reopenEvery = 50;        // commands per round before the plate is opened afresh
  int timeoutSeconds = 120;    // one command's time before it counts as hung
  std::string replay;          // a failure script to run instead of random commands
  bool quiet = false;          // no progress lines
  // The generation of the round trip; nothing: the drawing's own, as SAVE.
  std::optional<DxfVersion> dxfVersion;
};

// Runs the soak (or the replay); answers the exit status: 0 without faults,
// 1 with faults (each written as a script), 2 when it could not start.
int runSoak(SoakOptions options);

// The modules every round loads, as the demo does.
const std::vector<std::string>& soakModules();
// Commands never run: they end the program, open other drawings, close the
// current one or load and unload modules.
const std::vector<std::string>& excludedCommands();

}  // namespace zek::soak
