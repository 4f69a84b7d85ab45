// ZEKGQ: the corner overcut between two selected lines, on the side of a
// picked inner point.
#include <vector>

#include "aced_input.h"
#include "aced_output.h"
#include "aced_vars.h"
#include "db_curves.h"
#include "guards/opened_entity.h"
#include "guards/resbuf_list.h"
#include "guards/selection_set.h"
#include "guards/sys_var_guard.h"
#include "overcut_construction.h"
#include "overcut_drawing.h"
#include "zekovercut.h"

namespace zek {
namespace {

// The line's start and end in the XY plane; false when it cannot be read.
bool readLine(AcDbObjectId id, Line2& line) {
  OpenedEntity opened(id, AcDb::kForRead);
  const auto* drawn = opened.as<AcDbLine>();
  if (drawn == nullptr)
    return false;
  const AcGePoint3d start = drawn->startPoint();
  const AcGePoint3d end = drawn->endPoint();
  line = {{start.x, start.y}, {end.x, end.y}};
  return true;
}

// The two lines of the drafter's selection, in the order they were
// selected; false (the message printed) when it is not two lines, quietly
// on Esc.
bool selectTwoLines(AcDbObjectId (&ids)[2], Line2 (&lines)[2]) {
  acutPrintf("\nSelect only two lines:");
  ResbufList linesOnly(acutBuildList(RTDXF0, "LINE", RTNONE));
  SelectionSet picked;
  const int answer = picked.select(nullptr, linesOnly.get());
  if (answer == RTCAN)
    return false;
  const std::vector<AcDbObjectId> selected =
      answer == RTNORM ? picked.objectIds() : std::vector<AcDbObjectId>{};
  if (picked.length() != 2 || selected.size() != 2 || !readLine(selected[0], lines[0]) ||
      !readLine(selected[1], lines[1])) {
    acutPrintf("\nmust be two lines");
    return false;
  }
  ids[0] = selected[0];
  ids[1] = selected[1];
  return true;
}

// The inner point, with a rubber band from the corner, ORTHOMODE off while
// the drafter picks; world coordinates. False on Esc or Enter.
bool pickInnerPoint(const Line2 (&lines)[2], Point2& pick) {
  Point2 corner;
  if (!intersectLines(lines[0], lines[1], corner))
    return false;  // the 30° rule has kept parallel lines out
  ads_point base{corner.x, corner.y, 0.0};
  if (!acdbWcs2Ucs(base, base, false))
    return false;
  SysVarGuard freeHand("ORTHOMODE", 0);
  ads_point answer{0.0, 0.0, 0.0};
  if (acedGetPoint(base, "\npick at inner area:", answer) != RTNORM)
    return false;
  if (!acdbUcs2Wcs(answer, answer, false))
    return false;
  pick = {answer[0], answer[1]};
  return true;
}

}  // namespace

void drawCornerOvercut() {
  const OvercutSettings settings = overcutSettings();
  acutPrintf("\nR1=%0.2f, R2=%0.2f, R3=%0.2f, W=%0.2f, S=%0.3f", settings.r1, settings.r2,
             settings.r3, settings.w, settings.s);
  if (const char* refusal = settingsRefusal(settings)) {
    acutPrintf("%s", refusal);
    return;
  }

  AcDbObjectId ids[2];
  Line2 lines[2];
  if (!selectTwoLines(ids, lines))
    return;
  if (!meetAtEnoughAngle(lines[0], lines[1])) {
    acutPrintf("%s", overcutmsg::kAngle);
    return;
  }
  Point2 pick;
  if (!pickInnerPoint(lines, pick))
    return;

  // Every check is made before anything changes: a refused corner leaves
  // both lines as they were.
  const OvercutOutcome outcome = planOvercut(lines[0], lines[1], pick, settings);
  if (outcome.refusal != nullptr) {
    acutPrintf("%s", outcome.refusal);
    return;
  }
  drawOvercutPlan(ids[0], ids[1], outcome.plan);
}

}  // namespace zek
