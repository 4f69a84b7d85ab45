// The command stack's answers, acedFindFile's buffer rule and the running
// module's path.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "aced_arx.h"
#include "aced_commands.h"
#include "aced_lisp.h"
#include "editor/core/command_table.h"
#include "editor/testing/editor_test_support.h"
#include "loader/module_loader.h"

namespace zek {
namespace {

void noOp() {}

struct AddCase {
  const char* group;
  const char* global;
  const char* local;
  AcRxFunctionPtr function;
  Acad::ErrorStatus status;
  const char* why;
};

const AddCase kAddCases[] = {
    {"ZEKSTACKA", "ZEKSTACK1", "ZEKSTACK1", noOp, Acad::eOk, "a new name"},
    {"ZEKSTACKB", "ZEKSTACK1", "ZEKOTHER", noOp, Acad::eDuplicateKey,
     "a global name registered in another group"},
    {"ZEKSTACKA", "zekstack1", "ZEKSTACK1", noOp, Acad::eDuplicateKey, "names ignore case"},
    {"ZEKSTACKA", "LINE", "LINE", noOp, Acad::eDuplicateKey, "a host command's name"},
    {"", "ZEKSTACK2", "ZEKSTACK2", noOp, Acad::eInvalidInput, "no group"},
    {"ZEKSTACKA", "", "ZEKSTACK2", noOp, Acad::eInvalidInput, "no global name"},
    {"ZEKSTACKA", "ZEKSTACK2", "ZEKSTACK2", nullptr, Acad::eInvalidInput, "no function"},
    {"ZEKSTACKA", "ZEKSTACK3", nullptr, noOp, Acad::eOk, "no local name: the global one"},
};

TEST(CommandStack, AddCommandAnswersWhatWentWrong) {
  test::EditorSession session;
  for (const AddCase& c : kAddCases)
    EXPECT_EQ(acedRegCmds->addCommand(c.group, c.global, c.local, ACRX_CMD_MODAL, c.function),
              c.status)
        << c.why;
  EXPECT_TRUE(CommandTable::instance().has("ZEKSTACK3"));
  EXPECT_EQ(acedRegCmds->removeCmd("ZEKSTACKB", "ZEKSTACK1"), Acad::eKeyNotFound)
      << "the command belongs to another group";
  EXPECT_EQ(acedRegCmds->removeGroup("ZEKSTACKA"), Acad::eOk);
  EXPECT_FALSE(CommandTable::instance().has("ZEKSTACK1"));
  EXPECT_EQ(acedRegCmds->removeGroup("ZEKSTACKA"), Acad::eKeyNotFound) << "removed already";
  EXPECT_TRUE(CommandTable::instance().has("LINE")) << "the host's own commands stay";
}

TEST(FindFile, AnswersTheFullPathOrNothing) {
  test::EditorSession session;
  char result[kZekMaxPath];
  ASSERT_EQ(acedFindFile("acadiso.lin", result), RTNORM) << "shipped in data/";
  EXPECT_TRUE(std::filesystem::path(result).is_absolute()) << result;
  EXPECT_EQ(std::filesystem::path(result).filename(), "acadiso.lin");
  EXPECT_EQ(acedFindFile("zeknosuchfile.dat", result), RTERROR);
  EXPECT_STREQ(result, "") << "a failed search leaves no stale path";
  EXPECT_EQ(acedFindFile(nullptr, result), RTERROR);
  EXPECT_EQ(acedFindFile("acadiso.lin", nullptr), RTERROR);
}

TEST(RunningModule, AcedGetAppNameAnswersTheCallingModulesPath) {
  test::EditorSession session;
  setModuleFolders({ZEK_LOADER_TEST_MODULES});
  ASSERT_EQ(loadModule("zekforgetful", false), RTNORM);
  resbuf call{};
  call.restype = RTSTR;
  call.resval.rstring = const_cast<char*>("ZEKMYPATH");
  resbuf* answer = nullptr;
  ASSERT_EQ(acedInvoke(&call, &answer), RTNORM);
  ASSERT_NE(answer, nullptr);
  ASSERT_EQ(answer->restype, RTSTR);
  EXPECT_EQ(std::string(answer->resval.rstring),
            std::string(ZEK_LOADER_TEST_MODULES) + "/zekforgetful.arx");
  acutRelRb(answer);
  EXPECT_STREQ(acedGetAppName(), "") << "back in the host's own code";
  unloadAllModules();
  setModuleFolders({});
}

}  // namespace
}  // namespace zek
