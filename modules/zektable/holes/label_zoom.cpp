// Zooming to a label and back: the host's ZOOM command with two corners.
#include "holes/label_zoom.h"

#include "aced_input.h"
#include "aced_vars.h"
#include "ads.h"

namespace zek::table {

namespace {

// The window around a label that picking by hand and a note's prompt show.
constexpr double kZoomHalfWidth = 35.0;
constexpr double kZoomHalfHeight = 15.0;

bool worldToUser(const AcGePoint3d& world, ads_point user) {
  const ads_point in{world.x, world.y, world.z};
  return acdbWcs2Ucs(in, user, false);
}

void zoomWindow(const ads_point low, const ads_point high) {
  (void)acedCommandS(RTSTR, "_.ZOOM", RTPOINT, low, RTPOINT, high, RTNONE);
}

}  // namespace

void saveRunView(RunView& view) {
  view.saved = visibleWindow();
  view.zoomed = false;
}

void zoomToLabel(const AcGePoint3d& insertion, RunView& view) {
  ads_point low{};
  ads_point high{};
  if (!worldToUser(AcGePoint3d(insertion.x - kZoomHalfWidth, insertion.y - kZoomHalfHeight,
                               insertion.z),
                   low) ||
      !worldToUser(AcGePoint3d(insertion.x + kZoomHalfWidth, insertion.y + kZoomHalfHeight,
                               insertion.z),
                   high))
    return;
  zoomWindow(low, high);
  view.zoomed = true;
}

void restoreRunView(const RunView& view) {
  if (!view.zoomed || !view.saved)
    return;
  const ads_point low{view.saved->lowerLeft.x, view.saved->lowerLeft.y, 0.0};
  const ads_point high{view.saved->upperRight.x, view.saved->upperRight.y, 0.0};
  zoomWindow(low, high);
}

}  // namespace zek::table
