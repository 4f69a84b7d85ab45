// fork and exec of the zek program with its streams sent to files.
#include "zek_process.h"

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace zek::cli {

namespace {

// The environment of a run: the tester's sanitizer settings, a profile of
// its own, no support path and no data folder of the tester's.
std::vector<std::string> runEnvironment(const ZekRun& run) {
  std::vector<std::string> variables{"PATH=/usr/bin:/bin", "HOME=" + run.profile,
                                     "ZEK_PROFILE=" + run.profile, "LC_ALL=C.UTF-8"};
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    for (const char* kept : {"ASAN_OPTIONS=", "UBSAN_OPTIONS=", "LSAN_OPTIONS="})
      if (text.rfind(kept, 0) == 0)
        variables.push_back(text);
  }
  return variables;
}

[[noreturn]] void execInChild(const ZekRun& run, const std::string& outPath,
                              const std::string& errPath) {
  if (chdir(run.folder.c_str()) != 0)
    _exit(126);
  const std::string input = run.stdinFile.empty() ? "/dev/null" : run.stdinFile;
  const int in = open(input.c_str(), O_RDONLY);
  const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0)
    _exit(126);
  constexpr uid_t kNobody = 65534;
  if (run.unprivileged && geteuid() == 0 &&
      (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0))
    _exit(126);
  std::vector<std::string> variables = runEnvironment(run);
  std::vector<char*> argv{const_cast<char*>(ZEK_PROGRAM)};
  for (const std::string& arg : run.args)
    argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (std::string& variable : variables)
    envp.push_back(variable.data());
  envp.push_back(nullptr);
  execve(ZEK_PROGRAM, argv.data(), envp.data());
  _exit(127);
}

}  // namespace

std::string fileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

ZekResult runZek(const ZekRun& run) {
  ZekResult result;
  const std::string outPath = run.profile + "/zek.stdout";
  const std::string errPath = run.profile + "/zek.stderr";
  const pid_t child = fork();
  if (child < 0) {
    result.failure = std::string("fork: ") + std::strerror(errno);
    return result;
  }
  if (child == 0)
    execInChild(run, outPath, errPath);
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::minutes(2);
  int status = 0;
  while (waitpid(child, &status, WNOHANG) == 0) {
    if (Clock::now() > deadline) {
      kill(child, SIGKILL);
      (void)waitpid(child, &status, 0);
      result.failure = "zek did not end within two minutes (waiting for a terminal?)";
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (WIFEXITED(status))
    result.status = WEXITSTATUS(status);
  else if (result.failure.empty())
    result.failure = "zek was killed by signal " + std::to_string(WTERMSIG(status));
  if (result.status == 126 || result.status == 127)
    result.failure = "zek could not be started in " + run.folder;
  result.out = fileText(outPath);
  result.err = fileText(errPath);
  return result;
}

}  // namespace zek::cli
