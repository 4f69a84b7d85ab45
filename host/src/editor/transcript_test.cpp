// The transcript's line rules: how prompts, answers and printed text become
// the lines a drafter reads in the command history.
#include "editor/transcript.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "aced_output.h"

namespace zek {
namespace {

struct LineCase {
  const char* name;
  std::function<void(Transcript&)> steps;
  const char* expected;
};

const LineCase kLineCases[] = {
    {"a prompt and its answer make one line",
     [](Transcript& t) { t.promptAndAnswer("Command: ", "ZEKXY"); },
     "Command: ZEKXY\n"},
    {"an Enter shows the prompt alone, its trailing blank dropped",
     [](Transcript& t) { t.promptAndAnswer("Select objects: ", ""); },
     "Select objects:\n"},
    {"a leading newline after an answer starts the next line, no blank line",
     [](Transcript& t) {
       t.promptAndAnswer("Command: ", "ZEKDA1");
       t.print("\nNothing selected");
       t.promptAndAnswer("Command: ", "");
     },
     "Command: ZEKDA1\nNothing selected\nCommand:\n"},
    {"text without a newline continues the current line",
     [](Transcript& t) {
       t.print("\n3 holes");
       t.print(", 2 slots");
     },
     "3 holes, 2 slots"},
    {"each further leading newline ends the line before",
     [](Transcript& t) {
       t.print("\nfirst");
       t.print("\nsecond");
     },
     "first\nsecond"},
    {"two newlines after an answer leave one blank line",
     [](Transcript& t) {
       t.promptAndAnswer("Command: ", "LIST");
       t.print("\n\nLINE");
     },
     "Command: LIST\n\nLINE"},
    {"a prompt starts on a new line after printed text",
     [](Transcript& t) {
       t.print("\n_LAYER_LOCKED_");
       t.promptAndAnswer("\nPick point:", "10,20");
     },
     "_LAYER_LOCKED_\nPick point:10,20\n"},
    {"a newline printed before a prompt with its own newline gives a blank line",
     [](Transcript& t) {
       t.print("\ndone\n");
       t.promptAndAnswer("\nNext: ", "");
     },
     "done\n\nNext:\n"},
};

TEST(TranscriptLines, FollowTheCommandLineRules) {
  for (const LineCase& c : kLineCases) {
    Transcript transcript;
    c.steps(transcript);
    EXPECT_EQ(transcript.text(), c.expected) << c.name;
  }
}

TEST(TranscriptLines, MirrorsGetFinishedLinesAndTheLastOnFinish) {
  Transcript transcript;
  std::ostringstream mirror;
  transcript.addMirror(&mirror);
  transcript.promptAndAnswer("Command: ", "LINE");
  transcript.print("\nopen line");
  EXPECT_EQ(mirror.str(), "Command: LINE\n") << "an open line is not written yet";
  transcript.finish();
  EXPECT_EQ(mirror.str(), "Command: LINE\nopen line\n") << "the transcript ends with a newline";
}

// What the terminal shows while a prompt waits must be what the transcript
// then writes: the same lines, the open line with its trailing blank.
struct PromptViewCase {
  const char* name;
  void (*before)(Transcript&);
  const char* prompt;
  std::vector<std::string> finishedLines;
  const char* openLine;
};

const PromptViewCase kPromptViewCases[] = {
    {"a plain prompt after an answer", [](Transcript& t) { t.promptAndAnswer("Command: ", "ID"); },
     "Specify point: ", {}, "Specify point: "},
    {"its leading newline only confirms the new line",
     [](Transcript& t) { t.promptAndAnswer("Command: ", "LINE"); }, "\nSpecify next point: ", {},
     "Specify next point: "},
    {"printed text still open is finished first", [](Transcript& t) { t.print("\n3 found"); },
     "\nCommand: ", {"3 found"}, "Command: "},
    {"a line broken by print leaves a blank line before the prompt",
     [](Transcript& t) { t.print("\ndone\n"); }, "\nNext: ", {""}, "Next: "},
    {"a prompt of two lines shows the first as finished",
     [](Transcript& t) { t.promptAndAnswer("Command: ", "ZOOM"); },
     "Specify corner of window, or\n[All/Extents] <real time>: ",
     {"Specify corner of window, or"}, "[All/Extents] <real time>: "},
};

TEST(TranscriptLines, PromptViewMatchesWhatTheAnswerWrites) {
  for (const PromptViewCase& c : kPromptViewCases) {
    Transcript transcript;
    c.before(transcript);
    const std::string before = transcript.text();
    Transcript::PromptView view = transcript.promptView(c.prompt);
    EXPECT_EQ(view.finishedLines, c.finishedLines) << c.name;
    EXPECT_EQ(view.openLine, c.openLine) << c.name;
    EXPECT_EQ(transcript.text(), before) << c.name << ": the view changes nothing";
    transcript.promptAndAnswer(c.prompt, "X");
    std::string shown;
    for (const std::string& line : view.finishedLines)
      shown += line + "\n";
    shown += std::string(view.openLine) + "X\n";
    const std::string written = transcript.text();
    ASSERT_GE(written.size(), shown.size()) << c.name;
    EXPECT_EQ(written.substr(written.size() - shown.size()), shown) << c.name;
  }
}

TEST(Printf, FormatsIntoTheHostTranscript) {
  Transcript& transcript = Transcript::instance();
  transcript.clear();
  EXPECT_EQ(acutPrintf("\n%d hole(s) at %.2f", 3, 12.5), 19);
  EXPECT_EQ(acutPrintf("\n%s", "孔"), 4) << "UTF-8 counts bytes";
  EXPECT_EQ(transcript.text(), "3 hole(s) at 12.50\n孔");
  transcript.clear();
}

}  // namespace
}  // namespace zek
