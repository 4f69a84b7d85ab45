// Runs one measurement in a child process (fork and exec) and collects what it
// printed, its exit status and its own peak resident memory (wait4).
#pragma once

#include <string>
#include <vector>

namespace zek::bench {

struct ChildRun {
  bool started = false;
  int exitStatus = -1;     // the child's exit code, -1 when it did not exit normally
  std::string output;      // its standard output
  long peakKilobytes = 0;  // ru_maxrss of the child alone
  double wallSeconds = 0;
};

// Starts `argv[0]` (a path) with the given arguments and waits for it.
[[nodiscard]] ChildRun runChild(const std::vector<std::string>& argv);

// The path of the running program, to start measurement children of our own.
[[nodiscard]] std::string selfPath();

}  // namespace zek::bench
