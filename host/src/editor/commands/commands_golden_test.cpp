// The golden transcripts of the built-in commands (golden/*.scr), each also
// run cut short by Esc at every answer.
#include <gtest/gtest.h>

#include "editor/testing/golden_runner.h"

namespace zek {
namespace {

TEST(CommandsGolden, EveryScriptGivesItsTranscript) {
  EXPECT_GT(test::runGoldenFolder(ZEK_SOURCE_DIR "/host/src/editor/commands/golden"), 0);
}

}  // namespace
}  // namespace zek
