// Golden transcripts of ZEKDCC (golden/*.scr), the module loaded before each
// script, with Esc at every answer in turn.
#include <gtest/gtest.h>

#include "aced_lisp.h"
#include "editor/testing/golden_runner.h"
#include "loader/module_loader.h"

namespace zek {
namespace {

TEST(ZekleaderdccGolden, TranscriptsMatch) {
  test::GoldenOptions options;
  options.prepare = [](test::EditorSession&) {
    unloadAllModules();
    setModuleFolders({ZEK_MODULE_FOLDER});
    ASSERT_EQ(loadModule("zekleaderdcc", true), RTNORM);
  };
  EXPECT_GE(test::runGoldenFolder(ZEK_GOLDEN_DIR, options), 5);
  unloadAllModules();
}

}  // namespace
}  // namespace zek
