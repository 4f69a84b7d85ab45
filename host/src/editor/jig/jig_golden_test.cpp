// Golden transcripts of a drag (golden/*.scr): a box of 20 × 10 dragged by
// its lower-left corner, as a pick-box function drags it, with Esc at every
// answer in turn.
#include <gtest/gtest.h>

#include <cstdio>

#include "aced_jig.h"
#include "aced_output.h"
#include "db_polyline.h"
#include "editor/core/command_table.h"
#include "editor/core/display_state.h"
#include "editor/document.h"
#include "editor/testing/golden_runner.h"

namespace zek {
namespace {

constexpr const char* kGroup = "ZEKJIGTEST";

class BoxJig : public AcEdJig {
public:
  BoxJig() {
    for (unsigned int i = 0; i < 4; ++i)
      (void)box_.addVertexAt(i, {0, 0});
    box_.setClosed(true);
  }
  DragStatus sampler() override {
    setUserInputControls(static_cast<UserInputControls>(kNoDwgLimitsChecking | kAccept3dCoordinates));
    setSpecialCursorType(kCrosshair);
    AcGePoint3d point;
    const DragStatus status = acquirePoint(point);
    if (status != kNormal)
      return status;
    if (point.distanceTo(corner) <= 0.01)
      return kNoChange;
    corner = point;
    return kNormal;
  }
  Adesk::Boolean update() override {
    const double x = corner.x, y = corner.y;
    (void)box_.setPointAt(0, {x, y});
    (void)box_.setPointAt(1, {x + 20, y});
    (void)box_.setPointAt(2, {x + 20, y + 10});
    (void)box_.setPointAt(3, {x, y + 10});
    ++updates;
    return Adesk::kTrue;
  }
  AcDbEntity* entity() const override { return const_cast<AcDbPolyline*>(&box_); }

  AcGePoint3d corner;
  int updates = 0;

private:
  AcDbPolyline box_;
};

const char* statusName(AcEdJig::DragStatus status) {
  switch (status) {
    case AcEdJig::kNormal: return "kNormal";
    case AcEdJig::kCancel: return "kCancel";
    case AcEdJig::kNull: return "kNull";
    case AcEdJig::kKW1: return "kKW1";
    case AcEdJig::kOther: return "kOther";
    default: return "?";
  }
}

void addCommands() {
  CommandTable::instance().removeGroup(kGroup);
  (void)CommandTable::instance().add(kGroup, "ZEKDRAG", "", 0, [] {
    BoxJig jig;
    jig.setDispPrompt("\nPick point:");
    jig.setKeywordList("Centre");
    const AcEdJig::DragStatus status = jig.drag();
    acutPrintf("\n%s at %g,%g after %d updates, cursor %d", statusName(status), jig.corner.x,
               jig.corner.y, jig.updates, displayStateOf(*currentDocument()).cursor);
  });
}

TEST(JigGolden, DragsEndAsTheirAnswersSay) {
  addCommands();
  EXPECT_GT(test::runGoldenFolder(ZEK_SOURCE_DIR "/host/src/editor/jig/golden"), 0);
  CommandTable::instance().removeGroup(kGroup);
}

}  // namespace
}  // namespace zek
