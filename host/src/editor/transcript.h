// The transcript: the command history exactly as a drafter reads it. Prompts
// with their answers, and what commands print, laid out by the rules of the
// command line (a leading "\n" starts a new line, a prompt starts on a new
// line, the transcript ends with a newline). Golden tests compare it.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zek {

class Transcript {
public:
  // The host's one transcript.
  static Transcript& instance();

  // Text a command prints (acutPrintf): "\n" breaks lines, except that the
  // first "\n" after an answer only confirms the new line the answer began.
  void print(std::string_view text);
  // A prompt and the answer given to it, one line: "Select objects: W 0,0 9,9".
  // An answer of nullptr leaves the line open (a prompt still waiting).
  void promptAndAnswer(std::string_view prompt, std::string_view answer);
  // Ends the line a prompt left open (the answer came with no echo).
  void endLine();

  // What a prompt shows while it waits, from the present state: the lines
  // promptAndAnswer would finish before its answer (printed text still open,
  // the prompt's own earlier lines) and the line the answer continues, its
  // trailing blank kept. The terminal's line editor shows these itself.
  struct PromptView {
    std::vector<std::string> finishedLines;
    std::string openLine;
  };
  PromptView promptView(std::string_view prompt) const;

  // Everything so far, with the open line (tests and the REPL).
  std::string text() const;
  // Forgets what was written (a new test, a new run).
  void clear();
  // Also writes each finished line to a stream (standard output, --transcript FILE).
  void addMirror(std::ostream* stream) { mirrors_.push_back(stream); }
  void removeMirror(std::ostream* stream);
  // Writes the open line out as a finished one (end of the run).
  void finish();

private:
  void breakLine();
  void emit(const std::string& line);

  std::string finished_;
  std::string current_;
  bool fresh_ = true;  // at the start of a line an answer (or the start) began
  std::vector<std::ostream*> mirrors_;
};

}  // namespace zek
