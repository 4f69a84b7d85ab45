// The terminal through GNU readline's callback interface: the prompt the
// command gives is readline's prompt, so the screen reads as the transcript
// does; Ctrl-C is caught while a prompt waits and cancels it.
#include "terminal_source.h"

#include <readline/history.h>
#include <readline/readline.h>
#include <sys/select.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "completion.h"
#include "dialogs/dialog_driver.h"
#include "editor/core/command_loop.h"
#include "editor/core/command_table.h"
#include "lisp/lisp_functions.h"
#include "screen_echo.h"

namespace zek {

namespace {

volatile std::sig_atomic_t interrupted = 0;
void onInterrupt(int) { interrupted = 1; }

// What the line handler hands back to the waiting loop.
struct EditedLine {
  bool done = false;
  bool endOfFile = false;
  std::string text;
};
EditedLine* waitingLine = nullptr;

void onLine(char* line) {
  if (waitingLine != nullptr) {
    waitingLine->done = true;
    waitingLine->endOfFile = line == nullptr;
    if (line != nullptr)
      waitingLine->text = line;
  }
  std::free(line);
  rl_callback_handler_remove();  // readline would show the prompt again
}

// Catches Ctrl-C while it lives: the wait for the line returns, the process
// goes on.
class InterruptCatcher {
public:
  InterruptCatcher() {
    interrupted = 0;
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no restart: select() returns at once
    sigaction(SIGINT, &action, &previous_);
  }
  ~InterruptCatcher() { sigaction(SIGINT, &previous_, nullptr); }
  InterruptCatcher(const InterruptCatcher&) = delete;
  InterruptCatcher& operator=(const InterruptCatcher&) = delete;

private:
  struct sigaction previous_ {};
};

// Reads one edited line; on Ctrl-C the typed text is taken off the screen
// (the prompt stays, the caller writes how the answer reads).
TerminalEvent readEditedLine(const std::string& prompt, std::string& typed) {
  InterruptCatcher catcher;
  EditedLine line;
  waitingLine = &line;
  rl_callback_handler_install(prompt.c_str(), onLine);
  const int fd = fileno(rl_instream);
  while (!line.done) {
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(fd, &ready);
    if (select(fd + 1, &ready, nullptr, nullptr, nullptr) < 0) {
      if (errno == EINTR && !interrupted)
        continue;  // another signal (a resized window)
      break;
    }
    rl_callback_read_char();
  }
  waitingLine = nullptr;
  if (line.done) {
    typed = line.text;
    return line.endOfFile ? TerminalEvent::EndOfFile : TerminalEvent::Line;
  }
  const bool wasInterrupt = interrupted != 0;
  rl_free_line_state();
  rl_callback_sigcleanup();
  rl_replace_line("", 0);
  rl_point = rl_end = 0;
  rl_redisplay();
  rl_callback_handler_remove();
  return wasInterrupt ? TerminalEvent::Interrupt : TerminalEvent::EndOfFile;
}

// ---- Completion -------------------------------------------------------------

std::vector<std::string>& offered() {
  static std::vector<std::string> candidates;
  return candidates;
}

char* nextOffered(const char*, int state) {
  static std::size_t next = 0;
  if (state == 0)
    next = 0;
  if (next >= offered().size())
    return nullptr;
  return strdup(offered()[next++].c_str());  // readline frees it
}

CompletionNames namesNow() {
  CompletionNames names;
  names.commands = CommandTable::instance().typedNames();
  if (LispFunctionTable* functions = currentLispFunctions())
    for (const LispFunction& function : functions->functions())
      names.lispFunctions.push_back(function.name);
  names.dialogWords = activeDialogCompletions();
  return names;
}

char** completeWord(const char* text, int start, int) {
  rl_attempted_completion_over = 1;
  const std::string_view prompt = waitingPrompt();
  const CompletionNames names = namesNow();
  offered() = completionCandidates(
      {rl_line_buffer, static_cast<std::size_t>(start), text, prompt}, names);
  if (!offered().empty())
    return rl_completion_matches(text, nextOffered);
  if (!isCommandPrompt(prompt) && promptOptions(prompt).empty() && names.dialogWords.empty())
    rl_attempted_completion_over = 0;  // a name prompt: readline offers file names
  return nullptr;
}

// ---- The source -------------------------------------------------------------

std::filesystem::path historyFile() {
  if (const char* profile = std::getenv("ZEK_PROFILE"); profile != nullptr && *profile != '\0')
    return std::filesystem::path(profile) / "history";
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
    return std::filesystem::path(home) / ".config" / "zek" / "history";
  return {};
}

class TerminalSource : public InputSource {
public:
  explicit TerminalSource(bool drawsOnStdout) {
    rl_readline_name = "zek";
    rl_catch_signals = 0;
    rl_instream = stdin;
    rl_outstream = drawsOnStdout ? stdout : stderr;
    rl_attempted_completion_function = completeWord;
    (void)rl_initialize();  // reads the drafter's inputrc first: these settings win
    rl_variable_bind("completion-ignore-case", "on");
    // A pasted script runs line by line, as typed; readline would otherwise
    // take it as one answer (and write its own line endings on Ctrl-D).
    rl_variable_bind("enable-bracketed-paste", "off");
    using_history();
    stifle_history(1000);
    history_ = historyFile();
    if (!history_.empty())
      (void)read_history(history_.c_str());
    if (drawsOnStdout)
      screen_ = std::make_unique<ScreenStream>(stdout);
  }
  ~TerminalSource() override {
    if (history_.empty())
      return;
    std::error_code error;
    std::filesystem::create_directories(history_.parent_path(), error);
    (void)write_history(history_.c_str());
  }
  TerminalSource(const TerminalSource&) = delete;
  TerminalSource& operator=(const TerminalSource&) = delete;

  std::optional<std::string> nextLine() override;
  std::string whereLastLine() const override { return "terminal:" + std::to_string(lines_); }
  std::ostream* screen() const { return screen_.get(); }

private:
  std::unique_ptr<ScreenStream> screen_;
  std::filesystem::path history_;
  std::string previous_;
  int lines_ = 0;
};

std::optional<std::string> TerminalSource::nextLine() {
  const std::string prompt(waitingPrompt());
  const TerminalPrompt shown = terminalPromptFor(prompt);
  for (const std::string& line : shown.earlierLines)
    std::fprintf(rl_outstream, "%s\n", line.c_str());
  std::fflush(rl_outstream);
  std::string typed;
  const TerminalEvent event = readEditedLine(shown.editorPrompt, typed);
  const TerminalAnswer answer =
      answerFor(event, typed, isCommandPrompt(prompt) && activeCommand().empty());
  if (event != TerminalEvent::Line) {
    std::fprintf(rl_outstream, "%s\n", answer.shownAfterPrompt.c_str());
    std::fflush(rl_outstream);
  }
  if (screen_)
    screen_->expect(linesShown(shown, answer));
  if (answer.line)
    ++lines_;
  if (const std::string entry = historyEntry(typed);
      event == TerminalEvent::Line && belongsInHistory(entry, previous_)) {
    previous_ = entry;
    add_history(entry.c_str());
  }
  return answer.line;
}

}  // namespace

TerminalInput openTerminalInput() {
  const bool drawsOnStdout = isatty(STDOUT_FILENO) != 0 || isatty(STDERR_FILENO) == 0;
  auto source = std::make_unique<TerminalSource>(drawsOnStdout);
  std::ostream* screen = source->screen();
  return {std::move(source), screen};
}

}  // namespace zek
