// The loader against real libraries: refusals (handshake, entry point,
// failed initialisation), the lock, leftovers of a module that forgets its
// group, and module files found by name.
#include "loader/module_loader.h"

#include <gtest/gtest.h>

#include "aced_arx.h"
#include "editor/core/command_table.h"
#include "editor/testing/editor_test_support.h"
#include "lisp/lisp_functions.h"

namespace zek {
namespace {

class LoaderTest : public ::testing::Test {
protected:
  void SetUp() override { setModuleFolders({ZEK_LOADER_TEST_MODULES}); }
  void TearDown() override {
    unloadAllModules();
    setModuleFolders({});
  }
  // The transcript of the lines, less the command prompt left waiting at the end.
  std::string typed(test::EditorSession& session, const std::vector<std::string>& lines) {
    session.feed(lines);
    session.run();
    std::string transcript = session.take();
    const std::string waiting = "Command:\n";
    EXPECT_TRUE(transcript.ends_with(waiting)) << transcript;
    if (transcript.ends_with(waiting))
      transcript.resize(transcript.size() - waiting.size());
    return transcript;
  }
};

struct RefusalCase {
  const char* module;
  const char* message;  // what the command line shows after the ARX prompts
};

constexpr RefusalCase kRefusals[] = {
    {"zekbadversion", "zekbadversion.arx was built for interface version 15; this host has "
                      "version 16."},
    {"zeknoentry.arx", "zeknoentry.arx is not a module of this host: it has no entry point."},
    {"zeknosuchmodule", "Cannot find the module zeknosuchmodule."},
    {"zekfailinginit", "zekfailinginit.arx failed to initialise and was unloaded."},
};

TEST_F(LoaderTest, RefusesLibrariesThatAreNoModulesOfThisHost) {
  for (const RefusalCase& c : kRefusals) {
    test::EditorSession session;
    const std::string expected = std::string("Command: ARX\nEnter an option [?/Load/Unload]: L\n"
                                             "Enter module file name to load: ") +
                                 c.module + "\n" + c.message + "\n";
    EXPECT_EQ(typed(session, {"ARX", "L", c.module}), expected) << c.module;
    EXPECT_TRUE(loadedModuleFiles().empty()) << c.module;
  }
  EXPECT_FALSE(CommandTable::instance().has("ZEKLEFTBEHIND"))
      << "a module that failed its initialisation leaves no command behind";
}

TEST_F(LoaderTest, ALockedModuleRefusesToUnloadUntilItUnlocksItself) {
  test::EditorSession session;
  ASSERT_EQ(loadModule("zekforgetful", false), RTNORM);
  EXPECT_EQ(typed(session, {"ARX", "U", "zekforgetful", "ARX", "?"}),
            "Command: ARX\nEnter an option [?/Load/Unload]: U\n"
            "Enter module name to unload: zekforgetful\n"
            "zekforgetful.arx is locked and cannot be unloaded.\n"
            "Command: ARX\nEnter an option [?/Load/Unload]: ?\n"
            "Loaded modules:\n  zekforgetful.arx (locked)\n");
  EXPECT_EQ(typed(session, {"(ZEKUNLOCKME)", "ARX", "U", "zekforgetful.arx"}),
            "Command: (ZEKUNLOCKME)\nunlocked\nT\n"
            "Command: ARX\nEnter an option [?/Load/Unload]: U\n"
            "Enter module name to unload: zekforgetful.arx\nzekforgetful.arx unloaded.\n");
}

TEST_F(LoaderTest, UnloadingTakesAwayCommandsAndFunctionsTheModuleForgot) {
  test::EditorSession session;
  for (int round = 0; round < 2; ++round) {
    ASSERT_EQ(loadModule("zekforgetful", false), RTNORM) << "round " << round;
    EXPECT_EQ(typed(session, {"ZEKHALLO", "_ZEKHELLO", "(ZEKUNLOCKME)"}),
              "Command: ZEKHALLO\nhello from the forgetful module\n"
              "Command: _ZEKHELLO\nhello from the forgetful module\n"
              "Command: (ZEKUNLOCKME)\nunlocked\nT\n")
        << "round " << round;
    ASSERT_EQ(unloadModule("zekforgetful", false), RTNORM) << "round " << round;
    EXPECT_FALSE(CommandTable::instance().has("ZEKHELLO")) << "round " << round;
    EXPECT_EQ(lispFunctions(session.document()).find("ZEKUNLOCKME"), nullptr)
        << "round " << round;
  }
}

TEST_F(LoaderTest, ASecondLoadOfALoadedModuleIsRefusedWithANotice) {
  test::EditorSession session;
  ASSERT_EQ(loadModule("zekforgetful", false), RTNORM);
  EXPECT_EQ(typed(session, {"ARX", "L", "zekforgetful.arx"}),
            "Command: ARX\nEnter an option [?/Load/Unload]: L\n"
            "Enter module file name to load: zekforgetful.arx\n"
            "zekforgetful.arx is already loaded.\n");
  EXPECT_EQ(loadedModuleFiles(), std::vector<std::string>{"zekforgetful.arx"});
}

TEST_F(LoaderTest, UnloadOfAModuleNotLoadedSaysSo) {
  test::EditorSession session;
  EXPECT_EQ(typed(session, {"ARX", "U", "zekcenline"}),
            "Command: ARX\nEnter an option [?/Load/Unload]: U\n"
            "Enter module name to unload: zekcenline\nzekcenline is not loaded.\n");
  EXPECT_EQ(typed(session, {"ARX", "?"}),
            "Command: ARX\nEnter an option [?/Load/Unload]: ?\nNo modules are loaded.\n");
}

TEST_F(LoaderTest, ModuleFilesAreFoundByNameWithOrWithoutTheExtension) {
  const std::string folder = ZEK_LOADER_TEST_MODULES;
  EXPECT_EQ(findModuleFile("zekforgetful"), folder + "/zekforgetful.arx");
  EXPECT_EQ(findModuleFile("zekforgetful.arx"), folder + "/zekforgetful.arx");
  EXPECT_EQ(findModuleFile(folder + "/zekforgetful.arx"), folder + "/zekforgetful.arx");
  EXPECT_EQ(findModuleFile("zekforgetful.dbx"), "") << "the extension given is kept";
  EXPECT_EQ(findModuleFile("/nowhere/zekforgetful.arx"), "") << "a path is tried as given only";
  EXPECT_EQ(findModuleFile(""), "");
}

TEST_F(LoaderTest, TheLoadedListAndTheRunningModulesPath) {
  test::EditorSession session;
  EXPECT_EQ(acedArxLoaded(), nullptr);
  ASSERT_EQ(acedArxLoad("zekforgetful"), RTNORM);
  resbuf* loaded = acedArxLoaded();
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->restype, RTSTR);
  EXPECT_STREQ(loaded->resval.rstring, "zekforgetful.arx");
  EXPECT_EQ(loaded->rbnext, nullptr);
  acutRelRb(loaded);
  EXPECT_STREQ(acedGetAppName(), "") << "the host's own code runs no module";
}

}  // namespace
}  // namespace zek
