// Typing variable names at the command prompt: the hook, and the golden
// transcripts of golden/*.scr run through the command loop (each compared
// whole with its .out, and cut short by Esc at every answer in turn).
#include "editor/vars/sysvar_command.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "aced_vars.h"
#include "db/testing/db_test_support.h"
#include "editor/editor_hooks.h"
#include "editor/input.h"
#include "editor/testing/editor_test_support.h"
#include "editor/testing/golden_runner.h"
#include "editor/vars/sysvars.h"

namespace zek {
namespace {

namespace fs = std::filesystem;

const fs::path kGoldenDir = fs::path(ZEK_SOURCE_DIR) / "host/src/editor/vars/golden";

// The drawing every golden script starts with: a new drawing with a layer
// "Holes" and a frozen layer "Frozen".
void addGoldenLayers(AcDbDatabase& db) {
  test::addLayer(db, "Holes");
  AcDbObjectId frozen = test::addLayer(db, "Frozen");
  test::Opened<AcDbLayerTableRecord> layer(frozen, AcDb::kForWrite);
  ASSERT_EQ(layer->setIsFrozen(true), Acad::eOk);
}

TEST(SysvarCommand, RegistersTheCommandPromptHook) {
  ASSERT_TRUE(editorHooks().sysvarCommand) << "set when the host library loads";
  test::EditorSession session;
  EXPECT_FALSE(editorHooks().sysvarCommand("NOSUCHVAR"));
  EXPECT_EQ(session.transcript(), "") << "no variable, nothing printed";
  session.feed({"1"});
  EXPECT_TRUE(editorHooks().sysvarCommand("orthomode"));
  EXPECT_EQ(session.take(), "Enter new value for ORTHOMODE <0>: 1\n");
  EXPECT_EQ(sysvarShort("ORTHOMODE", -1), 1);
}

TEST(SysvarCommand, CancelAndTheEndOfInputKeepTheValue) {
  test::EditorSession session;
  session.feed({"^C"});
  EXPECT_TRUE(runSysvarPrompt("TEXTSIZE"));
  EXPECT_EQ(sysvarReal("TEXTSIZE", 0), 2.5);
  EXPECT_TRUE(runSysvarPrompt("TEXTSIZE"));  // nothing left to read
  EXPECT_TRUE(inputEndState().ended);
  EXPECT_EQ(sysvarReal("TEXTSIZE", 0), 2.5);
}

TEST(SysvarCommand, GoldenTranscripts) {
  test::GoldenOptions options;
  options.prepare = [](test::EditorSession& session) {
    resetSessionSysvars();
    addGoldenLayers(session.db());
  };
  EXPECT_GT(test::runGoldenFolder(kGoldenDir.string(), options), 0);
  resetSessionSysvars();
}

}  // namespace
}  // namespace zek
