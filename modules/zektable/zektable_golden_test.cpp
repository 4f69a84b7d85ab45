// Golden transcripts of every zektable command (golden/*.scr): the module and
// the island picker loaded afresh before each script, with Esc at every
// answer in turn.
#include <gtest/gtest.h>

#include "aced_lisp.h"
#include "editor/testing/golden_runner.h"
#include "loader/module_loader.h"

namespace zek {
namespace {

TEST(ZektableGolden, TranscriptsMatch) {
  test::GoldenOptions options;
  options.prepare = [](test::EditorSession&) {
    unloadAllModules();
    setModuleFolders({ZEK_MODULE_FOLDER});
    ASSERT_EQ(loadModule("zekislands", true), RTNORM);
    ASSERT_EQ(loadModule("zektable", true), RTNORM);
  };
  EXPECT_GE(test::runGoldenFolder(ZEK_GOLDEN_DIR, options), 1);
  unloadAllModules();
}

}  // namespace
}  // namespace zek
