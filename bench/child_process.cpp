// fork, exec and wait4 for measurement children.
#include "child_process.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <cstdio>

namespace zek::bench {

ChildRun runChild(const std::vector<std::string>& argv) {
  ChildRun run;
  int out[2];
  if (argv.empty() || pipe(out) != 0)
    return run;
  std::vector<char*> args;
  for (const std::string& a : argv)
    args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);

  auto start = std::chrono::steady_clock::now();
  pid_t pid = fork();
  if (pid < 0) {
    close(out[0]);
    close(out[1]);
    return run;
  }
  if (pid == 0) {
    // The child: its standard output goes to the pipe, then it becomes the mode.
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    execv(args[0], args.data());
    std::fprintf(stderr, "zek-bench: cannot start %s\n", args[0]);
    _exit(127);
  }
  close(out[1]);
  run.started = true;
  char buffer[4096];
  for (ssize_t got; (got = read(out[0], buffer, sizeof buffer)) != 0;) {
    if (got < 0)
      break;
    run.output.append(buffer, static_cast<std::size_t>(got));
  }
  close(out[0]);
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) == pid) {
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakKilobytes = usage.ru_maxrss;
  }
  run.wallSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return run;
}

std::string selfPath() {
  char path[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0)
    return {};
  return std::string(path, static_cast<std::size_t>(n));
}

}  // namespace zek::bench
