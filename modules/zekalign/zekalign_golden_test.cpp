// Golden transcripts of the alignment functions (golden/*.scr), the module
// loaded afresh before each script (so each starts with the initial box and
// window mode off), with Esc at every answer in turn.
#include <gtest/gtest.h>

#include "aced_lisp.h"
#include "editor/testing/golden_runner.h"
#include "loader/module_loader.h"

namespace zek {
namespace {

TEST(ZekalignGolden, TranscriptsMatch) {
  test::GoldenOptions options;
  options.prepare = [](test::EditorSession&) {
    unloadAllModules();
    setModuleFolders({ZEK_MODULE_FOLDER});
    ASSERT_EQ(loadModule("zekalign", true), RTNORM);
  };
  EXPECT_GE(test::runGoldenFolder(ZEK_GOLDEN_DIR, options), 7);
  unloadAllModules();
}

}  // namespace
}  // namespace zek
