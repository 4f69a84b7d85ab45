// Golden transcripts of ZEKNU and ZEKNUU (golden/*.scr): only zekalignuu is
// loaded before each script, so its first call loads zekalign.arx on demand.
// The scripts of golden/not_found/ run with a module folder that holds
// zekalignuu alone, where zekalign.arx cannot be found.
#include <gtest/gtest.h>

#include <filesystem>

#include "aced_lisp.h"
#include "editor/testing/golden_runner.h"
#include "loader/module_loader.h"

namespace zek {
namespace {

TEST(ZekalignuuGolden, TranscriptsMatch) {
  test::GoldenOptions options;
  options.prepare = [](test::EditorSession&) {
    unloadAllModules();
    setModuleFolders({ZEK_MODULE_FOLDER});
    ASSERT_EQ(loadModule("zekalignuu", true), RTNORM);
  };
  EXPECT_GE(test::runGoldenFolder(ZEK_GOLDEN_DIR, options), 2);
  unloadAllModules();
}

TEST(ZekalignuuGolden, SaysSoWhenZekalignCannotBeLoaded) {
  namespace fs = std::filesystem;
  const fs::path alone = fs::temp_directory_path() / "zekalignuu_alone";
  fs::remove_all(alone);
  fs::create_directories(alone);
  fs::copy_file(fs::path(ZEK_MODULE_FOLDER) / "zekalignuu.arx", alone / "zekalignuu.arx");
  test::GoldenOptions options;
  options.prepare = [&alone](test::EditorSession&) {
    unloadAllModules();
    setModuleFolders({alone.string()});
    ASSERT_EQ(loadModule("zekalignuu", true), RTNORM);
  };
  EXPECT_GE(test::runGoldenFolder(std::string(ZEK_GOLDEN_DIR) + "/not_found", options), 1);
  unloadAllModules();
  setModuleFolders({ZEK_MODULE_FOLDER});
  fs::remove_all(alone);
}

}  // namespace
}  // namespace zek
