// Golden transcripts of dialogs driven by scripts (golden/*.scr): the
// pictures, the changed lines after each answer, refusals, and how each
// dialog closed; every script also cut short by Esc at each answer in turn.
#include <gtest/gtest.h>

#include "dialogs/testing/test_dialogs.h"
#include "editor/testing/editor_test_support.h"
#include "editor/testing/golden_runner.h"

namespace zek {
namespace {

TEST(DialogGolden, ScriptsDriveDialogsAsTheirTranscriptsShow) {
  test::registerTestDialogs();
  test::GoldenOptions options;
  options.prepare = [](test::EditorSession&) { test::addTestDialogCommands(); };
  EXPECT_GT(test::runGoldenFolder(ZEK_SOURCE_DIR "/host/src/dialogs/golden", options), 0);
  test::removeTestDialogCommands();
  test::forgetTestDialogs();
}

}  // namespace
}  // namespace zek
