// What the terminal shows for prompts and answers, and the screen stream
// that keeps the transcript from showing them twice.
#include "screen_echo.h"

#include "editor/transcript.h"

namespace zek {

namespace {
// The transcript drops trailing blanks of finished lines; so does the screen.
std::string trimmedRight(const std::string& line) {
  std::size_t end = line.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : line.substr(0, end + 1);
}
}  // namespace

TerminalPrompt terminalPromptFor(std::string_view prompt) {
  Transcript::PromptView view = Transcript::instance().promptView(prompt);
  return {std::move(view.finishedLines), std::move(view.openLine)};
}

TerminalAnswer answerFor(TerminalEvent event, const std::string& typed, bool atCommandPrompt) {
  switch (event) {
    case TerminalEvent::Line:
      if (typed == "^C")
        return {typed, "*Cancel*"};
      return {typed, typed};
    case TerminalEvent::Interrupt:
      return {"^C", "*Cancel*"};
    case TerminalEvent::EndOfFile:
      if (atCommandPrompt)
        return {std::nullopt, ""};
      return {"^C", "*Cancel*"};
  }
  return {std::nullopt, ""};
}

std::vector<std::string> linesShown(const TerminalPrompt& prompt, const TerminalAnswer& answer) {
  std::vector<std::string> lines;
  for (const std::string& line : prompt.earlierLines)
    lines.push_back(trimmedRight(line));
  lines.push_back(trimmedRight(prompt.editorPrompt + answer.shownAfterPrompt));
  return lines;
}

bool belongsInHistory(const std::string& entry, const std::string& previous) {
  return entry.find_first_not_of(" \t") != std::string::npos && entry != previous;
}

std::string historyEntry(const std::string& typed) {
  const std::size_t end = typed.find_last_not_of(" \t");
  return end == std::string::npos ? std::string() : typed.substr(0, end + 1);
}

void ScreenEcho::expect(std::vector<std::string> lines) {
  expected_.assign(lines.begin(), lines.end());
}

int ScreenEcho::overflow(int c) {
  if (c == traits_type::eof())
    return traits_type::not_eof(c);
  if (c == '\n')
    endLine();
  else
    line_ += static_cast<char>(c);
  return c;
}

std::streamsize ScreenEcho::xsputn(const char* text, std::streamsize count) {
  for (std::streamsize i = 0; i < count; ++i)
    overflow(static_cast<unsigned char>(text[i]));
  return count;
}

int ScreenEcho::sync() { return std::fflush(screen_) == 0 ? 0 : -1; }

void ScreenEcho::endLine() {
  if (!expected_.empty() && expected_.front() == line_) {
    expected_.pop_front();  // the line editor showed it already
  } else {
    expected_.clear();
    std::fwrite(line_.data(), 1, line_.size(), screen_);
    std::fputc('\n', screen_);
  }
  line_.clear();
}

}  // namespace zek
