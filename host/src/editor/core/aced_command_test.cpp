// acedCommand and acedCmd: handed-over answers reach the prompts of the
// commands they run, macros split into answers, pauses ask the drafter, and
// the answer codes say what happened.
#include "aced_input.h"

#include <gtest/gtest.h>

#include "aced_output.h"
#include "aced_vars.h"
#include "db_curves.h"
#include "db/testing/db_test_support.h"
#include "editor/core/command_loop.h"
#include "editor/editor_hooks.h"
#include "editor/testing/editor_test_support.h"
#include "editor/testing/golden_runner.h"

namespace zek {
namespace {

constexpr const char* kGroup = "ZEKCMDTEST";

// ZEKTAKE asks a point, a real, an integer and a text and prints them;
// ZEKCALLER runs the call under test inside a command of its own.
class AcedCommandTest : public ::testing::Test {
protected:
  void SetUp() override {
    CommandTable& table = CommandTable::instance();
    ASSERT_TRUE(table.add(kGroup, "ZEKTAKE", "", kCommandModal, [] {
      ads_point p;
      ads_real r = 0;
      int i = 0;
      char text[133] = "";
      int code = acedGetPoint(nullptr, "\nPoint: ", p);
      if (code == RTNONE)
        acutPrintf("\n(no point)");
      else if (code != RTNORM)
        return;
      if (acedGetReal("\nReal: ", &r) != RTNORM || acedGetInt("\nInteger: ", &i) != RTNORM ||
          acedGetString(1, "\nText: ", text) != RTNORM)
        return;
      acutPrintf("\ntook %g,%g %g %d [%s]", code == RTNORM ? p[0] : 0.0,
                 code == RTNORM ? p[1] : 0.0, r, i, text);
    }));
    ASSERT_TRUE(table.add(kGroup, "ZEKCALLER", "", kCommandModal, [this] {
      calls.push_back(call());
    }));
  }
  void TearDown() override { CommandTable::instance().removeGroup(kGroup); }

  // Runs the call from ZEKCALLER with the outer input given.
  std::string run(std::function<int()> handed, std::vector<std::string> outer = {}) {
    call = std::move(handed);
    test::EditorSession session;
    outer.insert(outer.begin(), "zekcaller");
    session.feed(outer);
    runCommandLoop();
    return session.take();
  }

  std::function<int()> call;
  std::vector<int> calls;
};

TEST_F(AcedCommandTest, AnswersOfEveryTypeReachThePrompts) {
  const ads_point p = {1, 2, 0};
  std::string transcript = run([&] {
    return acedCommand(RTSTR, "ZEKTAKE", RTPOINT, p, RTREAL, 2.5, RTSHORT, 7, RTSTR,
                       "two  words", RTNONE);
  });
  EXPECT_EQ(calls, std::vector<int>{RTNORM});
  EXPECT_EQ(transcript,
            "Command: zekcaller\nCommand: ZEKTAKE\nPoint: 1,2\nReal: 2.5\nInteger: 7\n"
            "Text: two  words\ntook 1,2 2.5 7 [two  words]\nCommand:\n")
      << "an answer-position string keeps its blanks";
}

TEST_F(AcedCommandTest, ACommandPositionStringWithBlanksIsAMacro) {
  std::string transcript = run([] { return acedCommand(RTSTR, "ZEKTAKE 3,4 1.5 2 x", RTNONE); });
  EXPECT_EQ(calls, std::vector<int>{RTNORM});
  EXPECT_EQ(transcript,
            "Command: zekcaller\nCommand: ZEKTAKE\nPoint: 3,4\nReal: 1.5\nInteger: 2\nText: x\n"
            "took 3,4 1.5 2 [x]\nCommand:\n");
}

TEST_F(AcedCommandTest, SemicolonsInAMacroAreEnter) {
  std::string transcript = run([] { return acedCommand(RTSTR, "ZEKTAKE;;1;2;", RTNONE); });
  EXPECT_EQ(transcript,
            "Command: zekcaller\nCommand: ZEKTAKE\nPoint:\n(no point)\nReal: 1\nInteger: 2\n"
            "Text:\ntook 0,0 1 2 []\nCommand:\n");
}

TEST_F(AcedCommandTest, APauseTakesOneAnswerFromTheDrafter) {
  std::string transcript = run(
      [] { return acedCommand(RTSTR, "ZEKTAKE", RTSTR, "\\", RTREAL, 1.0, RTSHORT, 3, RTSTR,
                              "t", RTNONE); },
      {"8,9"});
  EXPECT_EQ(transcript,
            "Command: zekcaller\nCommand: ZEKTAKE\nPoint: 8,9\nReal: 1\nInteger: 3\nText: t\n"
            "took 8,9 1 3 [t]\nCommand:\n");
}

TEST_F(AcedCommandTest, ACommandLeftPromptingTakesTheRestFromTheDrafter) {
  std::string transcript =
      run([] { return acedCommand(RTSTR, "ZEKTAKE", RTSTR, "5,5", RTNONE); }, {"4", "6", "end"});
  EXPECT_EQ(calls, std::vector<int>{RTNORM});
  EXPECT_EQ(transcript,
            "Command: zekcaller\nCommand: ZEKTAKE\nPoint: 5,5\nReal: 4\nInteger: 6\nText: end\n"
            "took 5,5 4 6 [end]\nCommand:\n");
}

TEST_F(AcedCommandTest, AListRunsCommandAfterCommand) {
  resbuf* list = acutBuildList(RTSTR, "ZEKTAKE", RTSTR, "0,0", RTSTR, "1", RTSTR, "1", RTSTR,
                               "a", RTSTR, "ZEKTAKE", RTSTR, "", RTSTR, "2", RTSTR, "2", RTSTR,
                               "b", RTNONE);
  std::string transcript = run([&] { return acedCmd(list); });
  acutRelRb(list);
  EXPECT_EQ(calls, std::vector<int>{RTNORM});
  EXPECT_EQ(transcript,
            "Command: zekcaller\nCommand: ZEKTAKE\nPoint: 0,0\nReal: 1\nInteger: 1\nText: a\n"
            "took 0,0 1 1 [a]\nCommand: ZEKTAKE\nPoint:\n(no point)\nReal: 2\nInteger: 2\n"
            "Text: b\ntook 0,0 2 2 [b]\nCommand:\n");
}

TEST_F(AcedCommandTest, AnAutoLispCallInAMacroRunsWholeThenTheRestGoesOn) {
  EditorHooks& hooks = editorHooks();
  const auto lispBefore = hooks.lispLine;
  std::vector<std::string> lispCalls;
  hooks.lispLine = [&](std::string_view line) {
    lispCalls.emplace_back(line);
    acutPrintf("\n(called)");
  };
  std::string transcript =
      run([] { return acedCommand(RTSTR, "^C^C(ZEKFN 40 \"a b\");ZEKTAKE 3,4 1 2 x", RTNONE); });
  hooks.lispLine = lispBefore;
  EXPECT_EQ(calls, std::vector<int>{RTNORM});
  EXPECT_EQ(lispCalls, std::vector<std::string>{"(ZEKFN 40 \"a b\")"});
  EXPECT_EQ(transcript,
            "Command: zekcaller\nCommand: (ZEKFN 40 \"a b\")\n(called)\nCommand: ZEKTAKE\n"
            "Point: 3,4\nReal: 1\nInteger: 2\nText: x\ntook 3,4 1 2 [x]\nCommand:\n")
      << "the leading ^C^C is dropped and the expression keeps its blanks";
}

TEST_F(AcedCommandTest, AnswerCodesTellCancelAndUnknownCommands) {
  run([] { return acedCommand(RTSTR, "ZEKTAKE", RTSTR, "^C", RTNONE); });
  run([] { return acedCommand(RTSTR, "ZEKNOSUCH", RTSTR, "1", RTNONE); });
  run([] { return acedCommand(RTSTR, "\\", RTNONE); });
  run([] { return acedCommand(RTSTR, "ZEKTAKE", RTLB, RTNONE); });
  EXPECT_EQ(calls, (std::vector<int>{RTCAN, RTERROR, RTERROR, RTERROR}))
      << "Esc, an unknown command, a pause where the command goes, a type no prompt takes";
}

TEST_F(AcedCommandTest, AnUnknownCommandIsReportedAndItsAnswersDropped) {
  std::string transcript =
      run([] { return acedCommand(RTSTR, "ZEKNOSUCH", RTSTR, "ZEKTAKE", RTNONE); });
  EXPECT_EQ(transcript,
            "Command: zekcaller\nCommand: ZEKNOSUCH\n"
            "Unknown command \"ZEKNOSUCH\".  Press F1 for help.\nCommand:\n");
}

TEST_F(AcedCommandTest, EntitiesAreHandedOverByHandle) {
  std::string seen;
  ASSERT_TRUE(CommandTable::instance().add(kGroup, "ZEKNAME", "", kCommandModal, [&] {
    char text[133];
    if (acedGetString(1, "\nObject: ", text) == RTNORM)
      seen = text;
  }));
  call = [] {
    AcDbObjectId id = test::appendToModelSpace(*acdbCurDwg(), new AcDbLine({0, 0, 0}, {1, 1, 0}));
    ads_name name;
    if (acdbGetAdsName(name, id) != Acad::eOk)
      return RTERROR;
    return acedCommand(RTSTR, "ZEKNAME", RTENAME, name, RTNONE);
  };
  test::EditorSession session;
  session.feed({"zekcaller"});
  runCommandLoop();
  ASSERT_EQ(test::modelSpaceIds(session.db()).size(), 1u);
  EXPECT_EQ(seen, "#" + test::modelSpaceIds(session.db())[0].handle().ascii());
}

TEST_F(AcedCommandTest, CmdechoZeroHidesHandedPromptsButNotTheDrafters) {
  call = [] {
    resbuf off{};
    off.restype = RTSHORT;
    off.resval.rint = 0;
    if (acedSetVar("CMDECHO", &off) != RTNORM)
      return RTERROR;
    int code = acedCommand(RTSTR, "ZEKTAKE", RTSTR, "1,1", RTSTR, "\\", RTNONE);
    resbuf on{};
    on.restype = RTSHORT;
    on.resval.rint = 1;
    if (acedSetVar("CMDECHO", &on) != RTNORM)
      return RTERROR;
    return code;
  };
  test::EditorSession session;
  session.feed({"zekcaller", "2.5", "3", "drafter"});
  runCommandLoop();
  EXPECT_EQ(calls, std::vector<int>{RTNORM});
  EXPECT_EQ(session.transcript(),
            "Command: zekcaller\nReal: 2.5\nInteger: 3\nText: drafter\ntook 1,1 2.5 3 [drafter]\n"
            "Command:\n")
      << "the pause and the answers after the list come from the drafter and show";
}

TEST(AcedCommandWithoutDocument, AnswersError) {
  DocumentManager::instance().closeAll();
  EXPECT_EQ(acedCommand(RTSTR, "LINE", RTNONE), RTERROR);
}

}  // namespace
}  // namespace zek

namespace zek {
namespace {

// ZEKMACRO hands a menu-style macro to the host, ZEKQUIET the same with
// CMDECHO 0 (put back afterwards, Esc included).
void addMacroCommands() {
  CommandTable& table = CommandTable::instance();
  table.removeGroup(kGroup);
  (void)table.add(kGroup, "ZEKMACRO", "", kCommandModal, [] {
    const int code = acedCommand(RTSTR, "-LAYER _THAW A _SET A _FREEZE ~A ", RTNONE);
    acutPrintf("\nacedCommand answered %d", code);
  });
  (void)table.add(kGroup, "ZEKQUIET", "", kCommandModal, [] {
    resbuf value{};
    value.restype = RTSHORT;
    value.resval.rint = 0;
    if (acedSetVar("CMDECHO", &value) != RTNORM) {
      acutPrintf("\nCMDECHO 0 refused");
      return;
    }
    const int code = acedCommand(RTSTR, "-LAYER _THAW A _SET A _FREEZE ~A ", RTNONE);
    value.resval.rint = 1;
    if (acedSetVar("CMDECHO", &value) != RTNORM)
      acutPrintf("\nCMDECHO 1 refused");
    acutPrintf("\nacedCommand answered %d", code);
  });
}

TEST(AcedCommandGolden, MacrosRunHostCommands) {
  addMacroCommands();
  EXPECT_GT(test::runGoldenFolder(ZEK_SOURCE_DIR "/host/src/editor/core/golden"), 0);
  CommandTable::instance().removeGroup(kGroup);
}

}  // namespace
}  // namespace zek
