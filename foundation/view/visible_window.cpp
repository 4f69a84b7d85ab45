// visibleWindow: VIEWSIZE, SCREENSIZE and VIEWCTR read, the view's corners
// worked out in display coordinates and taken back to the UCS.
#include "view/visible_window.h"

#include "aced_vars.h"

namespace zek::inline foundation {

namespace {

resbuf coordinateSystem(short code) {
  resbuf system{};
  system.restype = RTSHORT;
  system.resval.rint = code;
  return system;
}

constexpr short kUcs = 1;
constexpr short kDisplay = 2;

bool readPoint(const char* name, ads_point point) {
  resbuf value{};
  if (acedGetVar(name, &value) != RTNORM)
    return false;
  if (value.restype != RTPOINT && value.restype != RT3DPOINT)
    return false;
  point[0] = value.resval.rpoint[0];
  point[1] = value.resval.rpoint[1];
  point[2] = value.restype == RTPOINT ? 0.0 : value.resval.rpoint[2];
  return true;
}

bool readReal(const char* name, double& real) {
  resbuf value{};
  if (acedGetVar(name, &value) != RTNORM || value.restype != RTREAL)
    return false;
  real = value.resval.rreal;
  return true;
}

}  // namespace

std::optional<ViewWindow> visibleWindow() {
  double viewSize = 0.0;
  ads_point screen{0.0, 0.0, 0.0};
  ads_point centre{0.0, 0.0, 0.0};
  if (!readReal("VIEWSIZE", viewSize) || !readPoint("SCREENSIZE", screen) ||
      !readPoint("VIEWCTR", centre))
    return std::nullopt;
  if (screen[1] <= 0.0)
    return std::nullopt;  // no screen to take the width's proportion from

  const resbuf ucs = coordinateSystem(kUcs);
  const resbuf display = coordinateSystem(kDisplay);
  ads_point centreOnScreen{0.0, 0.0, 0.0};
  if (acedTrans(centre, &ucs, &display, 0, centreOnScreen) != RTNORM)
    return std::nullopt;

  const double halfHeight = viewSize * 0.5;
  const double halfWidth = screen[0] / screen[1] * viewSize * 0.5;
  const ads_point lowerLeftOnScreen{centreOnScreen[0] - halfWidth, centreOnScreen[1] - halfHeight, 0.0};
  const ads_point upperRightOnScreen{centreOnScreen[0] + halfWidth, centreOnScreen[1] + halfHeight, 0.0};
  ads_point lowerLeft{0.0, 0.0, 0.0};
  ads_point upperRight{0.0, 0.0, 0.0};
  if (acedTrans(lowerLeftOnScreen, &display, &ucs, 0, lowerLeft) != RTNORM ||
      acedTrans(upperRightOnScreen, &display, &ucs, 0, upperRight) != RTNORM)
    return std::nullopt;
  return ViewWindow{asPnt3d(lowerLeft), asPnt3d(upperRight)};
}

}  // namespace zek::inline foundation
