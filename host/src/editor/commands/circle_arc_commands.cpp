// CIRCLE (centre and radius or diameter, 2P, 3P) and ARC (three points;
// centre, start and end or included angle).
#include <memory>
#include <optional>
#include <string>

#include "aced_input.h"
#include "aced_output.h"
#include "db_curves.h"
#include "editor/commands/arc_fitting.h"
#include "editor/commands/builtin_commands.h"
#include "editor/commands/command_support.h"
#include "editor/document.h"

namespace zek {

namespace {

// The radius CIRCLE offers as its default, per drawing (CIRCLERAD).
struct CircleDefaults {
  std::optional<double> radius;
};

AcGePoint2d flat(const ads_point p) { return {p[0], p[1]}; }

std::string keywordAnswered() {
  char keyword[64] = "";
  (void)acedGetInput(keyword, sizeof keyword);
  return keyword;
}

void appendCircle(const AcGePoint2d& centreUcs, double z, double radius) {
  commandDocument().state<CircleDefaults>().radius = radius;
  appendEntity(std::make_unique<AcDbCircle>(ucsToWorld({centreUcs.x, centreUcs.y, z}),
                                            ucsNormal(), radius));
}

// The arc is given in UCS coordinates; the entity keeps its angles in the
// plane of its normal, so its end points are carried over.
void appendArc(const ArcFit& fit, double z) {
  const AcGeVector3d normal = ucsNormal();
  const AcGeVector3d startDirection(std::cos(fit.startAngle), std::sin(fit.startAngle), 0.0);
  const AcGeVector3d endDirection(std::cos(fit.endAngle), std::sin(fit.endAngle), 0.0);
  auto arc = std::make_unique<AcDbArc>(ucsToWorld({fit.centre.x, fit.centre.y, z}), normal,
                                       fit.radius, planeAngleOf(startDirection, normal),
                                       planeAngleOf(endDirection, normal));
  appendEntity(std::move(arc));
}

// The radius (or, after "Diameter", the diameter) about a centre.
std::optional<double> askRadius(const ads_point centre) {
  const std::optional<double> remembered = commandDocument().state<CircleDefaults>().radius;
  std::string prompt = "\nSpecify radius of circle or [Diameter]";
  if (remembered)
    prompt += " " + defaultText(*remembered);
  acedInitGet(RSG_NOZERO | RSG_NONEG | (remembered ? 0 : RSG_NONULL), "Diameter");
  double radius = 0.0;
  const int code = acedGetDist(centre, (prompt + ": ").c_str(), &radius);
  if (code == RTNONE)
    return remembered;
  if (code == RTNORM)
    return radius;
  if (code != RTKWORD)
    return std::nullopt;
  std::string diameterPrompt = "\nSpecify diameter of circle";
  if (remembered)
    diameterPrompt += " " + defaultText(2.0 * *remembered);
  acedInitGet(RSG_NOZERO | RSG_NONEG | (remembered ? 0 : RSG_NONULL), nullptr);
  double diameter = 0.0;
  const int answer = acedGetDist(centre, (diameterPrompt + ": ").c_str(), &diameter);
  if (answer == RTNONE)
    return remembered;
  if (answer != RTNORM)
    return std::nullopt;
  return diameter / 2.0;
}

void circleByPoints(bool three) {
  ads_point p1, p2, p3;
  const char* first = three ? "\nSpecify first point on circle: "
                            : "\nSpecify first end point of circle's diameter: ";
  const char* second = three ? "\nSpecify second point on circle: "
                             : "\nSpecify second end point of circle's diameter: ";
  acedInitGet(RSG_NONULL, nullptr);
  if (acedGetPoint(nullptr, first, p1) != RTNORM)
    return;
  acedInitGet(RSG_NONULL, nullptr);
  if (acedGetPoint(p1, second, p2) != RTNORM)
    return;
  if (!three) {
    const AcGePoint2d a = flat(p1), b = flat(p2);
    if (a.distanceTo(b) <= 0.0) {
      acutPrintf("\n*Invalid*");
      return;
    }
    appendCircle({(a.x + b.x) / 2.0, (a.y + b.y) / 2.0}, p1[2], a.distanceTo(b) / 2.0);
    return;
  }
  while (true) {
    acedInitGet(RSG_NONULL, nullptr);
    if (acedGetPoint(p2, "\nSpecify third point on circle: ", p3) != RTNORM)
      return;
    if (auto circle = circleThroughPoints(flat(p1), flat(p2), flat(p3))) {
      appendCircle(circle->centre, p1[2], circle->radius);
      return;
    }
    acutPrintf("\n*Invalid*");  // the three points lie on one line
  }
}

// The end of an arc about a centre: an end point, or an included angle.
void arcEnd(const ads_point centre, const ads_point start) {
  while (true) {
    acedInitGet(RSG_NONULL, "Angle");
    ads_point end;
    const int code = acedGetPoint(centre, "\nSpecify end point of arc or [Angle]: ", end);
    std::optional<ArcFit> fit;
    if (code == RTNORM) {
      fit = arcFromCentre(flat(centre), flat(start), flat(end));
    } else if (code == RTKWORD) {
      double angle = 0.0;
      acedInitGet(RSG_NONULL | RSG_NOZERO, nullptr);
      if (acedGetAngle(centre, "\nSpecify included angle: ", &angle) != RTNORM)
        return;
      // acedGetAngle answers [0, 2π); a typed negative angle comes back below 0.
      fit = arcFromCentreAngle(flat(centre), flat(start), angle);
    } else {
      return;
    }
    if (fit) {
      appendArc(*fit, start[2]);
      return;
    }
    acutPrintf("\n*Invalid*");
  }
}

}  // namespace

void circleCommand() {
  acedInitGet(RSG_NONULL, "3P 2P");
  ads_point centre;
  const int code =
      acedGetPoint(nullptr, "\nSpecify center point for circle or [3P/2P]: ", centre);
  if (code == RTKWORD) {
    circleByPoints(keywordAnswered() == "3P");
    return;
  }
  if (code != RTNORM)
    return;
  if (auto radius = askRadius(centre))
    appendCircle(flat(centre), centre[2], *radius);
}

void arcCommand() {
  acedInitGet(RSG_NONULL, "Center");
  ads_point start;
  int code = acedGetPoint(nullptr, "\nSpecify start point of arc or [Center]: ", start);
  if (code == RTKWORD) {
    ads_point centre;
    acedInitGet(RSG_NONULL, nullptr);
    if (acedGetPoint(nullptr, "\nSpecify center point of arc: ", centre) != RTNORM)
      return;
    acedInitGet(RSG_NONULL, nullptr);
    if (acedGetPoint(centre, "\nSpecify start point of arc: ", start) != RTNORM)
      return;
    arcEnd(centre, start);
    return;
  }
  if (code != RTNORM)
    return;
  acedInitGet(RSG_NONULL, "Center");
  ads_point second;
  code = acedGetPoint(start, "\nSpecify second point of arc or [Center]: ", second);
  if (code == RTKWORD) {
    ads_point centre;
    acedInitGet(RSG_NONULL, nullptr);
    if (acedGetPoint(start, "\nSpecify center point of arc: ", centre) != RTNORM)
      return;
    arcEnd(centre, start);
    return;
  }
  if (code != RTNORM)
    return;
  while (true) {
    ads_point end;
    acedInitGet(RSG_NONULL, nullptr);
    if (acedGetPoint(second, "\nSpecify end point of arc: ", end) != RTNORM)
      return;
    if (auto fit = arcThroughPoints(flat(start), flat(second), flat(end))) {
      appendArc(*fit, start[2]);
      return;
    }
    acutPrintf("\n*Invalid*");  // the three points lie on one line
  }
}

}  // namespace zek
