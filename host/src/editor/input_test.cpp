// Answer lines: script comments, Esc, the end of the input, and sources that
// run dry giving way to the one below.
#include "editor/input.h"

#include <gtest/gtest.h>

#include "editor/testing/editor_test_support.h"

namespace zek {
namespace {

TEST(Prompting, EchoesAnswersAndReportsEscAndTheEnd) {
  test::EditorSession session;
  session.feedScript("; a comment line is skipped\nLINE\n\n^C\n", "job.scr");
  Answer command = promptForLine("Command: ");
  Answer enter = promptForLine("Specify first point: ");
  Answer esc = promptForLine("Specify next point: ");
  Answer end = promptForLine("Command: ");
  EXPECT_EQ(command.kind, Answer::Kind::Text);
  EXPECT_EQ(command.text, "LINE");
  EXPECT_EQ(enter.kind, Answer::Kind::Text);
  EXPECT_EQ(enter.text, "") << "an empty line is Enter";
  EXPECT_EQ(esc.kind, Answer::Kind::Cancel);
  EXPECT_EQ(end.kind, Answer::Kind::End);
  EXPECT_TRUE(inputEndState().ended);
  EXPECT_EQ(inputEndState().where, "job.scr:4") << "the last line read was ^C on line 4";
  EXPECT_EQ(session.transcript(),
            "Command: LINE\nSpecify first point:\nSpecify next point: *Cancel*\nCommand:\n");
}

TEST(Prompting, AnInnerSourceThatRunsDryGivesWayToTheOuter) {
  test::EditorSession session;
  session.feed({"outer 1", "outer 2"});
  EXPECT_EQ(promptForLine("a: ").text, "outer 1");
  currentInput().push(std::make_unique<LineListSource>(
      std::vector<std::string>{"macro"}, "macro", /*echoes=*/false));
  EXPECT_EQ(promptForLine("b: ").text, "macro");
  EXPECT_EQ(promptForLine("c: ").text, "outer 2") << "the macro ended: the drafter answers";
  EXPECT_EQ(session.transcript(), "a: outer 1\nc: outer 2\n")
      << "answers of a source that does not echo stay out of the transcript";
}

}  // namespace
}  // namespace zek
