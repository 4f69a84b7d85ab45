// The terminal's screen while the line editor shows prompts and answers
// itself: what the editor shows for a prompt, how each answer reads, and the
// transcript's way to the screen that drops the lines already shown, so the
// screen reads exactly as the transcript does.
#pragma once

#include <cstdio>
#include <deque>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace zek {

// What the screen shows while a prompt waits: lines written before the line
// editor starts (printed text still open, a prompt's earlier lines) and the
// line editor's own prompt.
struct TerminalPrompt {
  std::vector<std::string> earlierLines;
  std::string editorPrompt;
};
// From the transcript as it stands.
TerminalPrompt terminalPromptFor(std::string_view prompt);

// How the line editor's wait ended.
enum class TerminalEvent {
  Line,       // Enter: the line typed
  Interrupt,  // Ctrl-C
  EndOfFile,  // Ctrl-D on an empty line (or the terminal went away)
};

// The answer a terminal event gives, and what the screen shows after the
// editor's prompt for it.
struct TerminalAnswer {
  std::optional<std::string> line;  // nothing: the input ends
  std::string shownAfterPrompt;     // what the transcript writes after the prompt
};
// Ctrl-C cancels the prompt ("^C"); Ctrl-D ends the session at the command
// prompt and cancels any other prompt.
TerminalAnswer answerFor(TerminalEvent event, const std::string& typed, bool atCommandPrompt);

// The lines the transcript writes for the prompt and its answer, as the
// screen already shows them.
std::vector<std::string> linesShown(const TerminalPrompt& prompt, const TerminalAnswer& answer);

// A typed line as the history keeps it: trailing blanks (a completion's
// space) dropped. It goes in when not empty and not the one before; lines
// that ended in Ctrl-C or Ctrl-D never do.
std::string historyEntry(const std::string& typed);
bool belongsInHistory(const std::string& entry, const std::string& previous);

// Writes the transcript's lines to the screen but for the ones expected:
// each expected line that comes next is dropped once; a line that differs
// clears what was expected and is written.
class ScreenEcho : public std::streambuf {
public:
  explicit ScreenEcho(std::FILE* screen) : screen_(screen) {}
  void expect(std::vector<std::string> lines);

protected:
  int overflow(int c) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int sync() override;

private:
  void endLine();

  std::FILE* screen_;
  std::string line_;
  std::deque<std::string> expected_;
};

// The stream a transcript mirror takes.
class ScreenStream : public std::ostream {
public:
  explicit ScreenStream(std::FILE* screen) : std::ostream(nullptr), echo_(screen) { rdbuf(&echo_); }
  void expect(std::vector<std::string> lines) { echo_.expect(std::move(lines)); }

private:
  ScreenEcho echo_;
};

}  // namespace zek
