// UCS: World, a new origin, rotations about X, Y and Z, a Z axis, three
// points, and the previous UCS. The new systems come from the UCS functions
// of the system variables service; this command prompts for them.
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "aced_input.h"
#include "aced_output.h"
#include "editor/commands/builtin_commands.h"
#include "editor/commands/command_support.h"
#include "editor/document.h"
#include "editor/vars/ucs_math.h"

namespace zek {

namespace {

// The systems UCS Previous goes back to, newest last (at most ten).
struct UcsHistory {
  std::vector<AcGeMatrix3d> systems;
};

void setUcs(const AcGeMatrix3d& ucsToWorld) {
  Document& document = commandDocument();
  auto& history = document.state<UcsHistory>().systems;
  history.push_back(document.ucsToWorld());
  if (history.size() > 10)
    history.erase(history.begin());
  document.setUcs(ucsToWorld);
}

AcGePoint3d asPoint(const ads_point p) { return {p[0], p[1], p[2]}; }

// A point with a default (UCS); nothing on Esc.
std::optional<AcGePoint3d> askPoint(const std::string& prompt, const AcGePoint3d& fallback,
                                    const ads_point base = nullptr) {
  ads_point point;
  const int code = acedGetPoint(base, prompt.c_str(), point);
  if (code == RTNONE)
    return fallback;
  if (code != RTNORM)
    return std::nullopt;
  return asPoint(point);
}

void rotateAbout(char axis) {
  const std::string prompt = std::string("\nSpecify rotation angle about ") + axis + " axis <90>: ";
  double angle = 3.14159265358979323846 / 2.0;
  const int code = acedGetAngle(nullptr, prompt.c_str(), &angle);
  if (code == RTCAN)
    return;
  if (code != RTNORM)
    angle = 3.14159265358979323846 / 2.0;
  const AcGeMatrix3d& current = commandDocument().ucsToWorld();
  setUcs(axis == 'X' ? ucsRotatedX(current, angle)
         : axis == 'Y' ? ucsRotatedY(current, angle)
                       : ucsRotatedZ(current, angle));
}

void threePoints() {
  auto given = askPoint("\nSpecify new origin point <0,0,0>: ", AcGePoint3d::kOrigin);
  if (!given)
    return;
  AcGePoint3d from = *given;
  auto onX = askPoint("\nSpecify point on positive portion of X-axis <" +
                          distanceText(from.x + 1) + "," + distanceText(from.y) + "," +
                          distanceText(from.z) + ">: ",
                      from + AcGeVector3d::kXAxis, asDblArray(from));
  if (!onX)
    return;
  auto inPlane = askPoint("\nSpecify point on positive-Y portion of the UCS XY plane <" +
                              distanceText(from.x) + "," + distanceText(from.y + 1) + "," +
                              distanceText(from.z) + ">: ",
                          from + AcGeVector3d::kYAxis, asDblArray(from));
  if (!inPlane)
    return;
  if (auto system = ucsFrom3Points(commandDocument().ucsToWorld(), from, *onX, *inPlane))
    setUcs(*system);
  else
    acutPrintf("\n*Invalid*");
}

// A point typed at the first prompt: the new origin, then (optionally) the
// X axis and the XY plane through further points.
void originAndAxes(const AcGePoint3d& origin) {
  ads_point onX;
  int code = acedGetPoint(asDblArray(origin), "\nSpecify point on X-axis or <Accept>: ", onX);
  if (code == RTCAN)
    return;
  const AcGeMatrix3d& current = commandDocument().ucsToWorld();
  if (code != RTNORM) {
    setUcs(ucsFromOrigin(current, origin));
    return;
  }
  ads_point inPlane;
  code = acedGetPoint(asDblArray(origin), "\nSpecify point on the XY plane or <Accept>: ", inPlane);
  if (code == RTCAN)
    return;
  AcGePoint3d planePoint;
  if (code == RTNORM) {
    planePoint = asPoint(inPlane);
  } else {
    // Accept: the X axis turns within the current XY plane.
    const AcGeVector3d x = asPoint(onX) - origin;
    planePoint = origin + AcGeVector3d(-x.y, x.x, 0.0);
  }
  if (auto system = ucsFrom3Points(current, origin, asPoint(onX), planePoint))
    setUcs(*system);
  else
    acutPrintf("\n*Invalid*");
}

}  // namespace

void ucsCommand() {
  Document& document = commandDocument();
  const bool isWorld = document.ucsToWorld().isEqualTo(AcGeMatrix3d::kIdentity);
  acutPrintf("\nCurrent ucs name:  %s", isWorld ? "*WORLD*" : "*NO NAME*");
  acedInitGet(0, "Origin Previous World X Y Z ZAxis 3point");
  ads_point point;
  const int code = acedGetPoint(
      nullptr, "\nSpecify origin of UCS or [Origin/Previous/World/X/Y/Z/ZAxis/3point] <World>: ",
      point);
  if (code == RTNORM) {
    originAndAxes(asPoint(point));
    return;
  }
  if (code == RTNONE) {
    setUcs(ucsWorld());
    return;
  }
  if (code != RTKWORD)
    return;
  char keyword[16] = "";
  (void)acedGetInput(keyword, sizeof keyword);
  const std::string option = keyword;
  if (option == "World") {
    setUcs(ucsWorld());
  } else if (option == "Origin") {
    if (auto origin = askPoint("\nSpecify new origin point <0,0,0>: ", AcGePoint3d::kOrigin))
      setUcs(ucsFromOrigin(document.ucsToWorld(), *origin));
  } else if (option == "Previous") {
    auto& history = document.state<UcsHistory>().systems;
    if (history.empty()) {
      acutPrintf("\nNo previous UCS saved.");
      return;
    }
    document.setUcs(history.back());
    history.pop_back();
  } else if (option == "X" || option == "Y" || option == "Z") {
    rotateAbout(option[0]);
  } else if (option == "ZAxis") {
    auto origin = askPoint("\nSpecify new origin point <0,0,0>: ", AcGePoint3d::kOrigin);
    if (!origin)
      return;
    auto onZ = askPoint("\nSpecify point on positive portion of Z-axis <" +
                            distanceText(origin->x) + "," + distanceText(origin->y) + "," +
                            distanceText(origin->z + 1) + ">: ",
                        *origin + AcGeVector3d::kZAxis, asDblArray(*origin));
    if (!onZ)
      return;
    if (auto system = ucsFromZAxis(document.ucsToWorld(), *origin, *onZ))
      setUcs(*system);
    else
      acutPrintf("\n*Invalid*");
  } else {
    threePoints();
  }
}

}  // namespace zek
