// Golden transcripts of ZEKCMD and ZEKCMD1: golden/ with a pick list of 60
// entries (golden/support/zekcommand.dat) and zekcenline loaded for the
// macros that run its commands; golden_missing/ and golden_empty/ load the
// module in the script, without the file and with a file of comments only;
// golden_shipped/ runs macros of the shipped file.
// Each script also runs cut short by Esc at every answer.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "aced_lisp.h"
#include "db/support_path.h"
#include "db/testing/db_test_support.h"
#include "editor/testing/golden_runner.h"
#include "loader/module_loader.h"

namespace zek {
namespace {

const std::string kGolden = ZEK_GOLDEN_DIR;

TEST(ZekcommandGolden, PickListAndMacros) {
  test::ShippedDataElsewhere data(kGolden + "/support_none");
  test::GoldenOptions options;
  options.prepare = [](test::EditorSession&) {
    unloadAllModules();
    setSupportFolders({kGolden + "/support"});
    setModuleFolders({ZEK_MODULE_FOLDER});
    ASSERT_EQ(loadModule("zekcenline", true), RTNORM);
    ASSERT_EQ(loadModule("zekcommand", true), RTNORM);
  };
  EXPECT_GE(test::runGoldenFolder(kGolden, options), 5);
  unloadAllModules();
  setSupportFolders({});
}

TEST(ZekcommandGolden, MissingFile) {
  test::ShippedDataElsewhere data(kGolden + "/support_none");
  test::GoldenOptions options;
  options.prepare = [](test::EditorSession&) {
    unloadAllModules();
    setSupportFolders({});
    setModuleFolders({ZEK_MODULE_FOLDER});
  };
  EXPECT_GE(test::runGoldenFolder(kGolden + "_missing", options), 1);
  unloadAllModules();
}

TEST(ZekcommandGolden, FileOfCommentsOnly) {
  test::ShippedDataElsewhere data(kGolden + "/support_none");
  test::GoldenOptions options;
  options.prepare = [](test::EditorSession&) {
    unloadAllModules();
    setSupportFolders({kGolden + "_empty/support"});
    setModuleFolders({ZEK_MODULE_FOLDER});
  };
  EXPECT_GE(test::runGoldenFolder(kGolden + "_empty", options), 1);
  unloadAllModules();
  setSupportFolders({});
}

TEST(ZekcommandGolden, ShippedMacros) {
  test::GoldenOptions options;
  options.prepare = [](test::EditorSession&) {
    unloadAllModules();
    setSupportFolders({});  // the shipped zekcommand.dat
    setModuleFolders({ZEK_MODULE_FOLDER});
    ASSERT_EQ(loadModule("zekcenline", true), RTNORM);
    ASSERT_EQ(loadModule("zekislands", true), RTNORM);
    ASSERT_EQ(loadModule("zekcommand", true), RTNORM);
  };
  EXPECT_GE(test::runGoldenFolder(kGolden + "_shipped", options), 1);
  unloadAllModules();
}

}  // namespace
}  // namespace zek
