// The command loop: what a line at the command prompt runs, the checks after
// each command (objects left open, undo steps), Enter repeating the last
// command and the input ending inside a command.
#include "editor/core/command_loop.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "aced_input.h"
#include "aced_output.h"
#include "db_curves.h"
#include "db/testing/db_test_support.h"
#include "db/undo_recorder.h"
#include "editor/editor_hooks.h"
#include "editor/prompts/answer_parsing.h"
#include "editor/testing/editor_test_support.h"

namespace zek {
namespace {

constexpr const char* kGroup = "ZEKLOOPTEST";

// Test commands in a group of their own, removed again after each test; the
// hooks other services set are put back too.
class CommandLoopTest : public ::testing::Test {
protected:
  void SetUp() override { savedHooks_ = editorHooks(); }
  void TearDown() override {
    CommandTable::instance().removeGroup(kGroup);
    editorHooks() = savedHooks_;
  }
  void add(const char* name, std::function<void()> function, int flags = kCommandModal) {
    ASSERT_TRUE(CommandTable::instance().add(kGroup, name, "", flags, std::move(function)));
  }

private:
  EditorHooks savedHooks_;
};

AcDbObjectId appendLine(AcDbDatabase& db, double x) {
  return test::appendToModelSpace(db, new AcDbLine({x, 0, 0}, {x + 1, 0, 0}));
}

TEST_F(CommandLoopTest, AnUnknownNameIsReportedAsCadHostsDo) {
  test::EditorSession session;
  session.feed({"nosuch"});
  RunOutcome outcome = runCommandLoop();
  EXPECT_FALSE(outcome.endedInCommand);
  EXPECT_EQ(session.transcript(),
            "Command: nosuch\nUnknown command \"NOSUCH\".  Press F1 for help.\nCommand:\n");
}

TEST_F(CommandLoopTest, LinesGoToCommandsLispAndVariablesInThatOrder) {
  std::vector<std::string> seen;
  add("ZEKONE", [&] { seen.push_back("command"); });
  editorHooks().lispLine = [&](std::string_view line) { seen.push_back("lisp " + std::string(line)); };
  editorHooks().sysvarCommand = [&](std::string_view name) {
    seen.push_back("variable " + std::string(name));
    return equalsNoCase(name, "OSMODE");
  };
  editorHooks().demandLoad = [&](std::string_view name) {
    seen.push_back("registry " + std::string(name));
    return false;
  };
  test::EditorSession session;
  session.feed({"zekone", "(ZEKBDY1 2 1)", "osmode", "zekmissing", "^C"});
  runCommandLoop();
  EXPECT_EQ(seen, (std::vector<std::string>{"command", "lisp (ZEKBDY1 2 1)", "variable osmode",
                                            "variable zekmissing", "registry zekmissing"}));
  EXPECT_EQ(session.transcript(),
            "Command: zekone\nCommand: (ZEKBDY1 2 1)\nCommand: osmode\nCommand: zekmissing\n"
            "Unknown command \"ZEKMISSING\".  Press F1 for help.\nCommand: *Cancel*\nCommand:\n");
}

TEST_F(CommandLoopTest, ADemandLoadedCommandRunsAfterItsModuleLoads) {
  int runs = 0;
  editorHooks().demandLoad = [&](std::string_view name) {
    if (!equalsNoCase(name, "ZEKLATE"))
      return false;
    add("ZEKLATE", [&] { ++runs; });
    return true;
  };
  test::EditorSession session;
  session.feed({"zeklate", "zeklate"});
  runCommandLoop();
  EXPECT_EQ(runs, 2) << "loaded once, then found in the table";
}

TEST_F(CommandLoopTest, EnterRepeatsTheLastCommand) {
  int runs = 0;
  add("ZEKCOUNT", [&] {
    ++runs;
    acutPrintf("\nrun %d", runs);
  });
  test::EditorSession session;
  session.feed({"", "zekcount", "", "_zekcount"});
  runCommandLoop();
  EXPECT_EQ(runs, 3) << "Enter before any command does nothing, after one it repeats it";
  EXPECT_EQ(session.transcript(),
            "Command:\nCommand: zekcount\nrun 1\nCommand:\nrun 2\nCommand: _zekcount\nrun 3\n"
            "Command:\n");
}

TEST_F(CommandLoopTest, ObjectsLeftOpenAreReportedAndClosed) {
  AcDbObjectId line;
  add("ZEKLEAKY", [&] {
    AcDbEntity* entity = nullptr;
    ASSERT_EQ(acdbOpenObject(entity, line, AcDb::kForRead), Acad::eOk);
    // never closed
  });
  test::EditorSession session;
  session.expectLeaks();  // the report itself is under test
  line = appendLine(session.db(), 0);
  session.feed({"zekleaky"});
  runCommandLoop();
  EXPECT_EQ(session.transcript(), "Command: zekleaky\n; ZEKLEAKY left 1 object open, closed now: " +
                                      line.handle().ascii() + "\nCommand:\n");
  EXPECT_TRUE(session.db().openObjects().empty());
  EXPECT_EQ(session.leakFailures(), 0);
}

// A session that does not expect leaks fails the test, naming the command.
void runLeakyCommandInAWatchingSession() {
  static AcDbObjectId line;
  const bool added = CommandTable::instance().add("ZEKLEAKTEST", "ZEKLEAKY2", "", kCommandModal, [] {
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, line, AcDb::kForRead) != Acad::eOk)
      ADD_FAILURE() << "the line does not open";
  });
  if (!added)
    ADD_FAILURE() << "ZEKLEAKY2 is not registered";
  {
    test::EditorSession session;
    session.setLeakContext("leak.scr");
    line = appendLine(session.db(), 0);
    session.feed({"zekleaky2"});
    runCommandLoop();
  }
  CommandTable::instance().removeGroup("ZEKLEAKTEST");
}

TEST_F(CommandLoopTest, ObjectsLeftOpenFailTheTestNamingTheCommand) {
  EXPECT_NONFATAL_FAILURE(runLeakyCommandInAWatchingSession(),
                          "leak.scr: the command ZEKLEAKY2 left 1 object(s) open");
}

TEST_F(CommandLoopTest, TheInputEndingInACommandCancelsItAndIsReported) {
  int answer = 0;
  add("ZEKASK", [&] {
    ads_point p;
    answer = acedGetPoint(nullptr, "\nSpecify point: ", p);
    if (answer == RTCAN)
      answer = acedGetPoint(nullptr, "\nSpecify again: ", p);  // asking again finds the end too
  });
  test::EditorSession session;
  session.feedScript("; two lines\nzekask\n", "job.scr");
  RunOutcome outcome = runCommandLoop();
  EXPECT_EQ(answer, RTCAN);
  EXPECT_TRUE(outcome.endedInCommand);
  EXPECT_EQ(outcome.message, "job.scr:2: the input ended while ZEKASK was still prompting");
  EXPECT_EQ(session.transcript(), "Command: zekask\nSpecify point:\n")
      << "the prompt that found the end shows alone, later ones show nothing";
}

TEST_F(CommandLoopTest, EachCommandIsOneUndoStepWithItsNestedCommands) {
  add("ZEKDRAW2", [] {
    appendLine(*acdbCurDwg(), 0);
    appendLine(*acdbCurDwg(), 5);
  });
  add("ZEKOUTER", [] {
    appendLine(*acdbCurDwg(), 10);
    EXPECT_EQ(acedCommand(RTSTR, "ZEKDRAW2", RTNONE), RTNORM);
  });
  add("ZEKNOTHING", [] {});
  test::EditorSession session;
  session.feed({"zekdraw2", "zekouter", "zeknothing"});
  runCommandLoop();
  EXPECT_EQ(session.db().undo().stepCount(), 2u)
      << "a command that changed nothing leaves no step";
  EXPECT_EQ(commandState().undoNames, (std::vector<std::string>{"ZEKDRAW2", "ZEKOUTER"}));
  ASSERT_TRUE(session.db().undo().undoLastStep());
  EXPECT_EQ(test::modelSpaceIds(session.db()).size(), 2u)
      << "undoing ZEKOUTER takes its own line and those of the nested ZEKDRAW2";
}

TEST_F(CommandLoopTest, TheRunningCommandIsKnownWhileItRuns) {
  std::string inside;
  add("ZEKWHO", [&] { inside = activeCommand(); });
  test::EditorSession session;
  session.feed({"zekwho"});
  runCommandLoop();
  EXPECT_EQ(inside, "ZEKWHO");
  EXPECT_EQ(activeCommand(), "");
}

TEST_F(CommandLoopTest, PickfirstCommandsAreAnnouncedAsSuch) {
  std::vector<std::pair<std::string, bool>> started;
  editorHooks().commandStarting = [&](std::string_view name, bool pickfirst) {
    started.emplace_back(std::string(name), pickfirst);
  };
  add("ZEKPLAIN", [] {});
  add("ZEKPICKS", [] {}, kCommandUsePickSet);
  test::EditorSession session;
  session.feed({"zekplain", "zekpicks"});
  runCommandLoop();
  EXPECT_EQ(started, (std::vector<std::pair<std::string, bool>>{{"ZEKPLAIN", false},
                                                                 {"ZEKPICKS", true}}));
}

}  // namespace
}  // namespace zek
