// The editing commands on the golden drawings, registered in this test's own
// process, for what a transcript cannot show: no highlight left and OSMODE
// back after every way out of a command.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "aced_commands.h"
#include "aced_vars.h"
#include "editing/editing.h"
#include "editing/ordinate_edit_support.h"
#include "editor/core/display_state.h"
#include "editor/testing/editor_test_support.h"
#include "settings/ordinate_settings.h"

namespace zek::adxy1 {
namespace {

void registerEditingCommands() {
  struct Row {
    const char* name;
    AcRxFunctionPtr function;
  };
  static const Row kRows[] = {
      {"ZEKDA", &moveDimensionTexts},      {"ZEKDA1", &moveTextsToPoint},
      {"ZEKDA2", &moveTextsKeepingAcross}, {"ZEKDAF", &attachDimensionToCentre},
      {"ZEKDAV", &moveDimensionFeature},   {"ZEKDA3", &spreadCrowdedTexts},
      {"ZEKXY7", &rebaseDimensions},       {"ZEKXY8", &resetDimensionTexts},
  };
  static bool registered = false;
  if (registered)
    return;
  registered = true;
  for (const Row& row : kRows)
    ASSERT_EQ(acedRegCmds->addCommand("ZEKADXY1", row.name, row.name, ACRX_CMD_MODAL, row.function),
              Acad::eOk)
        << row.name;
}

// The module's state as a fresh load leaves it, then the changes of a test.
void resetModuleState() {
  ordinateSettings() = OrdinateSettings{};
  signStrings() = SignStrings{};
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

short osmode() {
  resbuf value{};
  EXPECT_EQ(acedGetVar("OSMODE", &value), RTNORM);
  return value.resval.rint;
}

struct WayOut {
  const char* name;
  std::vector<std::string> answers;  // on ordinates.dxf, OSMODE 35 before
};

// Handles of ordinates.dxf (see golden/ordinates_dxf.py).
const WayOut kWaysOut[] = {
    {"ZEKDA, a move, then nothing picked", {"ZEKDA", "#38", "50,80", ""}},
    {"ZEKDA, two moves, Enter reusing the point", {"ZEKDA", "#38", "50,80", "#3A", "", ""}},
    {"ZEKDA, Enter at the first point", {"ZEKDA", "#38", ""}},
    {"ZEKDA, Esc at the point", {"ZEKDA", "#38", "^C"}},
    {"ZEKDA, a locked layer, then a circle", {"ZEKDA", "#3C", "70,90", "#35", "0,0"}},
    {"ZEKDA, a linear dimension", {"ZEKDA", "#3D", "0,0"}},
    {"ZEKDAF, circle centre", {"ZEKDAF", "#38", "#36"}},
    {"ZEKDAF, a line", {"ZEKDAF", "#38", "#34"}},
    {"ZEKDAF, not a dimension", {"ZEKDAF", "#35", "#36"}},
    {"ZEKDAF, Enter at the feature", {"ZEKDAF", "#38", ""}},
    {"ZEKDAF, Esc at the feature", {"ZEKDAF", "#38", "^C"}},
    {"ZEKDAF, a locked dimension", {"ZEKDAF", "#3C", "#36"}},
    {"ZEKDAV, a new point", {"ZEKDAV", "#38", "45,12"}},
    {"ZEKDAV, not a dimension", {"ZEKDAV", "#35", "45,12"}},
    {"ZEKDAV, Enter at the point", {"ZEKDAV", "#38", ""}},
    {"ZEKDAV, a locked dimension", {"ZEKDAV", "#3C", "1,1"}},
};

TEST(EditingCommands, LeaveNoHighlightAndOsmodeAsItWas) {
  const std::string drawing = readFile(ZEK_GOLDEN_DIR "/ordinates.dxf");
  ASSERT_FALSE(drawing.empty());
  for (const WayOut& way : kWaysOut) {
    test::EditorSession session(drawing);
    registerEditingCommands();
    resetModuleState();
    session.feed({"OSMODE", "35"});
    session.feed(way.answers);
    (void)session.run();
    EXPECT_TRUE(highlightedEntities(session.document()).empty())
        << way.name << "\n" << session.transcript();
    EXPECT_EQ(osmode(), 35) << way.name << "\n" << session.transcript();
  }
}

TEST(EditingCommands, PickHighlightLastsForItsScope) {
  test::EditorSession session(readFile(ZEK_GOLDEN_DIR "/ordinates.dxf"));
  AcDbObjectId id;
  ASSERT_EQ(session.db().getAcDbObjectId(id, false, AcDbHandle("38")), Acad::eOk);
  ads_name name{0, 0};
  ASSERT_EQ(acdbGetAdsName(name, id), Acad::eOk);
  {
    PickHighlight highlight(name);
    EXPECT_EQ(highlightedEntities(session.document()), std::vector<AcDbObjectId>{id});
    highlight.remove();
    EXPECT_TRUE(highlightedEntities(session.document()).empty()) << "removed early";
    highlight.remove();  // a second removal changes nothing
  }
  {
    PickHighlight highlight(name);
  }
  EXPECT_TRUE(highlightedEntities(session.document()).empty()) << "removed at the end of the scope";
}

}  // namespace
}  // namespace zek::adxy1
