// Golden transcripts of ZEKCENLINE1, ZEKCENLINE2 and ZEKDIAMETER
// (golden/*.scr), the module loaded before each script, with Esc at every
// answer in turn.
#include <gtest/gtest.h>

#include "aced_lisp.h"
#include "editor/testing/golden_runner.h"
#include "loader/module_loader.h"

namespace zek {
namespace {

TEST(ZekcenlineGolden, TranscriptsMatch) {
  test::GoldenOptions options;
  options.prepare = [](test::EditorSession&) {
    unloadAllModules();
    setModuleFolders({ZEK_MODULE_FOLDER});
    ASSERT_EQ(loadModule("zekcenline", true), RTNORM);
  };
  EXPECT_GE(test::runGoldenFolder(ZEK_GOLDEN_DIR, options), 7);
  unloadAllModules();
}

}  // namespace
}  // namespace zek
