// Golden transcripts of the island functions (golden/*.scr), the module
// loaded before each script, with Esc at every answer in turn.
#include <gtest/gtest.h>

#include "aced_lisp.h"
#include "db/support_path.h"
#include "editor/testing/golden_runner.h"
#include "loader/module_loader.h"

namespace zek {
namespace {

TEST(ZekislandsGolden, TranscriptsMatch) {
  test::GoldenOptions options;
  options.prepare = [](test::EditorSession&) {
    unloadAllModules();
    setSupportFolders({});  // the shipped zekislands.dat
    setModuleFolders({ZEK_MODULE_FOLDER});
    ASSERT_EQ(loadModule("zekislands", true), RTNORM);
  };
  EXPECT_GE(test::runGoldenFolder(ZEK_GOLDEN_DIR, options), 4);
  unloadAllModules();
}

}  // namespace
}  // namespace zek
