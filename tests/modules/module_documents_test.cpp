// What a loaded module leaves in the host, seen from inside: its commands in
// the command table and its AutoLISP functions in every open drawing, those
// opened before it loaded and after, and nothing of either once it unloads.
#include <gtest/gtest.h>

#include "aced_commands.h"
#include "editor/core/command_table.h"
#include "editor/document.h"
#include "editor/testing/editor_test_support.h"
#include "lisp/lisp_functions.h"
#include "loader/module_loader.h"

namespace zek {
namespace {

bool defines(Document& document, const char* name) {
  return lispFunctions(document).find(name) != nullptr;
}

class ModuleDocuments : public ::testing::Test {
protected:
  void SetUp() override {
    unloadAllModules();
    setModuleFolders({ZEK_TEST_MODULE_DIR});
  }
  void TearDown() override { unloadAllModules(); }

  test::EditorSession session_;
};

TEST_F(ModuleDocuments, EveryDrawingGetsTheFunctions) {
  Document& first = session_.document();
  ASSERT_EQ(loadModule("zektestcmds", true), RTNORM);
  Document* second =
      DocumentManager::instance().open(std::make_unique<AcDbDatabase>(), "");
  ASSERT_NE(second, nullptr);
  for (Document* document : {&first, second}) {
    EXPECT_TRUE(defines(*document, "ZEKTCMDFN"));
    EXPECT_TRUE(defines(*document, "ZEKTDEFGHOST"));
    EXPECT_EQ(lispFunctions(*document).find("ZEKTDEFGHOST")->funcode, 2);
  }
  ASSERT_EQ(unloadModule("zektestcmds", true), RTNORM);
  for (Document* document : {&first, second})
    EXPECT_FALSE(defines(*document, "ZEKTCMDFN"));
}

TEST_F(ModuleDocuments, NothingIsLeftAfterTheSecondUnload) {
  CommandTable& table = CommandTable::instance();
  for (int round = 1; round <= 2; ++round) {
    ASSERT_EQ(loadModule("zektestcmds", true), RTNORM) << "round " << round;
    EXPECT_EQ(table.groupCommands("ZEKTESTCMDS"),
              (std::vector<std::string>{"ZEKTHELLO", "ZEKTGQS", "ZEKTPICK", "ZEKTMODAL",
                                        "ZEKTLOADCALL", "ZEKTTHROW", "ZEKTADDTHROW",
                                        "ZEKTADDFAIL", "ZEKTDIALOG", "ZEKTNODIALOG",
                                        "ZEKTHOLENAME", "ZEKTHOLENAMEBARE"}))
        << "round " << round;
    EXPECT_EQ(table.find("ZEKTPICK")->flags, ACRX_CMD_USEPICKSET);
    EXPECT_EQ(table.find("ZEKTQGS")->globalName, "ZEKTGQS");
    ASSERT_EQ(unloadModule("zektestcmds", true), RTNORM) << "round " << round;
    EXPECT_TRUE(table.groupCommands("ZEKTESTCMDS").empty()) << "round " << round;
    EXPECT_FALSE(table.has("ZEKTHELLO")) << "round " << round;
    EXPECT_FALSE(defines(session_.document(), "ZEKTCMDFN")) << "round " << round;
    EXPECT_FALSE(isModuleLoaded("zektestcmds")) << "round " << round;
  }
}

TEST_F(ModuleDocuments, AFunctionsOnlyModuleHasNoGroup) {
  const std::vector<std::string> groups = CommandTable::instance().groups();
  ASSERT_EQ(loadModule("zektestlisp", true), RTNORM);
  EXPECT_EQ(CommandTable::instance().groups(), groups);
  EXPECT_TRUE(defines(session_.document(), "ZEKTECHO"));
  ASSERT_EQ(unloadModule("zektestlisp", true), RTNORM);
  EXPECT_EQ(CommandTable::instance().groups(), groups);
  EXPECT_FALSE(defines(session_.document(), "ZEKTECHO"));
}

}  // namespace
}  // namespace zek
