// Running the built zek program as a drafter's shell would: arguments,
// standard input from a file, a working folder and a profile of its own,
// with standard output, standard error and the exit status kept.
#pragma once

#include <string>
#include <vector>

namespace zek::cli {

struct ZekRun {
  std::vector<std::string> args;  // after the program's name
  std::string folder;             // the working folder
  std::string stdinFile;          // "" for /dev/null
  std::string profile;            // ZEK_PROFILE (also HOME), a folder of the run's own
  // Runs as the unprivileged user "nobody" when the tests run as root, so that
  // folder permissions hold for the program as they do for a drafter.
  bool unprivileged = false;
};

struct ZekResult {
  int status = -1;  // the exit status; -1 when killed (a signal, or it hung)
  std::string out;
  std::string err;
  std::string failure;  // why the run itself failed ("" when it ran)
};

// Runs the program and waits (two minutes at most: a run that waits on a
// terminal is killed and reported).
ZekResult runZek(const ZekRun& run);

// The file's bytes ("" when it cannot be read).
std::string fileText(const std::string& path);

}  // namespace zek::cli
