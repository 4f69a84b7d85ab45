// Module commands that add to the drawing and stop half-way (an exception
// through the frame, an error answer of their own, Esc at their prompt):
// nothing is left open, the drawing is consistent (its DXF text reads back
// and writes again to the same text), and UNDO 1 gives back the drawing as
// it was before the command, its header (CLAYER) and new layer included.
#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "db_database.h"
#include "editor/testing/editor_test_support.h"
#include "editor/testing/golden_runner.h"
#include "loader/module_loader.h"

namespace zek {
namespace {

struct HalfWayCase {
  const char* name;
  std::vector<std::string> answers;
  const char* report;  // what the transcript says about the stop
};

const HalfWayCase kCases[] = {
    {"exception with model space open", {"ZEKTADDTHROW"},
     "; error: the command stopped on an internal failure: the second plate is missing"},
    {"error answer after a prompt", {"ZEKTADDFAIL", "30,5"},
     "; error: no block ZEKT-MISSING, the next hole is not drawn"},
    {"Esc at the prompt", {"ZEKTADDFAIL", "^C"}, "Centre of the next hole: *Cancel*"},
};

void PrintTo(const HalfWayCase& c, std::ostream* out) { *out << c.name; }

class ModuleHalfWay : public ::testing::TestWithParam<HalfWayCase> {
protected:
  void SetUp() override {
    unloadAllModules();
    setModuleFolders({ZEK_TEST_MODULE_DIR});
  }
  void TearDown() override { unloadAllModules(); }
};

TEST_P(ModuleHalfWay, LeavesAConsistentDrawingThatUndoGivesBack) {
  const HalfWayCase& c = GetParam();
  test::EditorSession session;
  ASSERT_EQ(loadModule("zektestcmds", true), RTNORM);
  const std::string before = test::drawingDxfText(session.db());
  session.feed(c.answers);
  (void)session.run();
  const std::string transcript = session.take();
  EXPECT_NE(transcript.find(c.report), std::string::npos) << transcript;
  EXPECT_TRUE(session.db().openObjects().empty());
  EXPECT_EQ(test::drawingInconsistency(session.db()), std::nullopt);
  const std::string after = test::drawingDxfText(session.db());
  EXPECT_NE(after, before) << "what the command drew before it stopped is kept";
  session.feed({"UNDO", "1"});
  (void)session.run();
  const std::string undone = test::drawingDxfText(session.db());
  EXPECT_EQ(undone, before) << test::firstDxfDifference(before, undone) << session.take();
  session.feed({"REDO"});
  (void)session.run();
  const std::string redone = test::drawingDxfText(session.db());
  EXPECT_EQ(redone, after) << test::firstDxfDifference(after, redone) << session.take();
}

INSTANTIATE_TEST_SUITE_P(Stops, ModuleHalfWay, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<HalfWayCase>& param) {
                           std::string name;
                           for (const char* p = param.param.name; *p != '\0'; ++p)
                             if (std::isalnum(static_cast<unsigned char>(*p)))
                               name += *p;
                           return name;
                         });

}  // namespace
}  // namespace zek
