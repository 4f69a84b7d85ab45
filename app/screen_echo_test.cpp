// The terminal's line handling without a terminal: how each key that ends a
// wait answers, what the screen shows, and that the transcript never shows
// a prompt or answer the line editor already showed.
#include "screen_echo.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "editor/transcript.h"

namespace zek {
namespace {

struct AnswerCase {
  const char* name;
  TerminalEvent event;
  const char* typed;
  bool atCommandPrompt;
  std::optional<std::string> line;
  const char* shown;
};

const AnswerCase kAnswerCases[] = {
    {"a typed line", TerminalEvent::Line, "LINE", true, "LINE", "LINE"},
    {"Enter", TerminalEvent::Line, "", false, "", ""},
    {"^C typed cancels like Esc", TerminalEvent::Line, "^C", false, "^C", "*Cancel*"},
    {"Ctrl-C cancels the prompt", TerminalEvent::Interrupt, "half typ", false, "^C", "*Cancel*"},
    {"Ctrl-C at the command prompt", TerminalEvent::Interrupt, "", true, "^C", "*Cancel*"},
    {"Ctrl-D at the command prompt ends", TerminalEvent::EndOfFile, "", true, std::nullopt, ""},
    {"Ctrl-D in a command cancels it", TerminalEvent::EndOfFile, "", false, "^C", "*Cancel*"},
};

TEST(TerminalAnswers, FollowTheKeyThatEndedTheWait) {
  for (const AnswerCase& c : kAnswerCases) {
    const TerminalAnswer answer = answerFor(c.event, c.typed, c.atCommandPrompt);
    EXPECT_EQ(answer.line, c.line) << c.name;
    EXPECT_EQ(answer.shownAfterPrompt, c.shown) << c.name;
  }
}

TEST(TerminalAnswers, LinesShownAreTheTranscriptsLines) {
  const TerminalPrompt prompt{{"3 found", ""}, "Specify next point: "};
  EXPECT_EQ(linesShown(prompt, {"10,0", "10,0"}),
            (std::vector<std::string>{"3 found", "", "Specify next point: 10,0"}));
  EXPECT_EQ(linesShown(prompt, {"", ""}),
            (std::vector<std::string>{"3 found", "", "Specify next point:"}))
      << "Enter leaves the prompt alone, its trailing blank dropped as the transcript drops it";
}

TEST(TerminalHistory, KeepsLinesWorthRecalling) {
  EXPECT_TRUE(belongsInHistory("LINE", ""));
  EXPECT_TRUE(belongsInHistory("LINE", "CIRCLE"));
  EXPECT_FALSE(belongsInHistory("LINE", "LINE")) << "the same line twice in a row";
  EXPECT_FALSE(belongsInHistory("", "LINE")) << "Enter";
  EXPECT_FALSE(belongsInHistory("  ", "LINE")) << "blanks only";
  EXPECT_EQ(historyEntry("ZOOM "), "ZOOM") << "the blank a completion added";
  EXPECT_EQ(historyEntry("  (ZEKBDY1 2 1) "), "  (ZEKBDY1 2 1)");
  EXPECT_FALSE(belongsInHistory(historyEntry("ZOOM "), "ZOOM"));
}

// The screen as a string.
class Screen {
public:
  Screen() : file_(open_memstream(&buffer_, &size_)) {}
  ~Screen() {
    std::fclose(file_);
    std::free(buffer_);
  }
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;
  std::FILE* file() const { return file_; }
  std::string text() {
    std::fflush(file_);
    return std::string(buffer_, size_);
  }

private:
  char* buffer_ = nullptr;
  std::size_t size_ = 0;
  std::FILE* file_;
};

TEST(ScreenEcho, DropsEachExpectedLineOnceAndWritesTheRest) {
  Screen screen;
  ScreenStream stream(screen.file());
  stream.expect({"Command: LINE"});
  stream << "Command: LINE\n" << "Command: LINE\n";
  stream.flush();
  EXPECT_EQ(screen.text(), "Command: LINE\n") << "only the first was shown by the line editor";
  stream.expect({"a", "b"});
  stream << "x\nb\n";
  stream.flush();
  EXPECT_EQ(screen.text(), "Command: LINE\nx\nb\n")
      << "a line that differs ends what was expected: nothing after it is dropped";
}

// The whole path: what the terminal shows for a prompt, the transcript
// writing the same lines through the screen stream, nothing twice.
TEST(ScreenEcho, TheScreenReadsAsTheTranscript) {
  Transcript& transcript = Transcript::instance();
  transcript.clear();
  Screen screen;
  ScreenStream stream(screen.file());
  transcript.addMirror(&stream);

  transcript.print("\n3 found");  // a command printed an open line, then prompts
  const char* prompt = "\nSpecify next point or [Close/Undo]: ";
  const TerminalPrompt shown = terminalPromptFor(prompt);
  EXPECT_EQ(shown.earlierLines, (std::vector<std::string>{"3 found"}));
  EXPECT_EQ(shown.editorPrompt, "Specify next point or [Close/Undo]: ");
  // The terminal writes the earlier lines; the line editor shows the prompt
  // and the typed answer on the screen as well.
  std::fprintf(screen.file(), "3 found\nSpecify next point or [Close/Undo]: 10,0\n");
  stream.expect(linesShown(shown, answerFor(TerminalEvent::Line, "10,0", false)));
  transcript.promptAndAnswer(prompt, "10,0");
  transcript.print("\n1 line drawn");
  transcript.finish();
  transcript.removeMirror(&stream);

  EXPECT_EQ(screen.text(), transcript.text()) << "the screen shows each line once";
  EXPECT_EQ(transcript.text(), "3 found\nSpecify next point or [Close/Undo]: 10,0\n1 line drawn\n");
  transcript.clear();
}

}  // namespace
}  // namespace zek
