// LINE, PLINE (straight segments) and RECTANG.
#include "editor/commands/builtin_commands.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "aced_input.h"
#include "aced_output.h"
#include "db_curves.h"
#include "editor/commands/command_support.h"
#include "editor/prompts/prompt_reader.h"

namespace zek {

namespace {

std::string keywordAnswered() {
  char keyword[64] = "";
  (void)acedGetInput(keyword, sizeof keyword);
  return keyword;
}

AcGePoint3d asPoint(const ads_point p) { return {p[0], p[1], p[2]}; }

}  // namespace

void lineCommand() {
  ads_point first;
  int code = acedGetPoint(nullptr, "\nSpecify first point: ", first);
  if (code == RTNONE) {
    const AcGePoint3d last = lastPointUcs();  // Enter continues from the last point
    first[0] = last.x;
    first[1] = last.y;
    first[2] = last.z;
  } else if (code != RTNORM) {
    return;
  }
  std::vector<AcGePoint3d> points{asPoint(first)};
  std::vector<AcDbObjectId> segments;
  while (true) {
    const bool canClose = segments.size() >= 2;
    acedInitGet(0, canClose ? "Close Undo" : "Undo");
    ads_point next;
    code = acedGetPoint(asDblArray(points.back()),
                        canClose ? "\nSpecify next point or [Close/Undo]: "
                                 : "\nSpecify next point or [Undo]: ",
                        next);
    if (code == RTKWORD) {
      const std::string keyword = keywordAnswered();
      if (keyword == "Undo") {
        if (segments.empty()) {
          acutPrintf("\nAll segments already undone.");
          continue;
        }
        (void)eraseEntity(segments.back());
        segments.pop_back();
        points.pop_back();
        setLastPointUcs(points.back());
        continue;
      }
      // Close: back to the first point, and done.
      auto line = std::make_unique<AcDbLine>(ucsToWorld(points.back()), ucsToWorld(points.front()));
      appendEntity(std::move(line));
      setLastPointUcs(points.front());
      return;
    }
    if (code != RTNORM)
      return;  // Enter or Esc: the segments drawn stay
    auto line = std::make_unique<AcDbLine>(ucsToWorld(points.back()), ucsToWorld(asPoint(next)));
    AcDbObjectId id = appendEntity(std::move(line));
    if (id.isNull())
      return;
    segments.push_back(id);
    points.push_back(asPoint(next));
  }
}

void plineCommand() {
  ads_point start;
  if (acedGetPoint(nullptr, "\nSpecify start point: ", start) != RTNORM)
    return;
  double width = 0.0;
  acutPrintf("\nCurrent line-width is %s", distanceText(width).c_str());
  std::vector<AcGePoint3d> points{asPoint(start)};
  std::vector<std::pair<double, double>> widths;
  double startWidth = width;
  double endWidth = width;
  bool closed = false;
  while (true) {
    const bool canClose = points.size() >= 3;
    acedInitGet(0, canClose ? "Close Undo Width" : "Undo Width");
    ads_point next;
    const int code = acedGetPoint(asDblArray(points.back()),
                                  canClose ? "\nSpecify next point or [Close/Undo/Width]: "
                                           : "\nSpecify next point or [Undo/Width]: ",
                                  next);
    if (code == RTKWORD) {
      const std::string keyword = keywordAnswered();
      if (keyword == "Close") {
        closed = true;
        widths.emplace_back(startWidth, endWidth);
        break;
      }
      if (keyword == "Undo") {
        if (points.size() == 1) {
          acutPrintf("\nAll segments already undone.");
          continue;
        }
        points.pop_back();
        widths.pop_back();
        setLastPointUcs(points.back());
        continue;
      }
      // Width: the segments from here on.
      acedInitGet(RSG_NONEG, nullptr);
      double given = startWidth;
      int answer = acedGetDist(asDblArray(points.back()),
                               ("\nSpecify starting width " + defaultText(startWidth) + ": ").c_str(),
                               &given);
      if (answer == RTCAN)
        break;
      if (answer == RTNORM)
        startWidth = given;
      given = startWidth;
      acedInitGet(RSG_NONEG, nullptr);
      answer = acedGetDist(asDblArray(points.back()),
                           ("\nSpecify ending width " + defaultText(startWidth) + ": ").c_str(),
                           &given);
      if (answer == RTCAN)
        break;
      endWidth = answer == RTNORM ? given : startWidth;
      continue;
    }
    if (code != RTNORM)
      break;  // Enter or Esc: the polyline so far is kept
    widths.emplace_back(startWidth, endWidth);
    points.push_back(asPoint(next));
    startWidth = endWidth;
  }
  if (points.size() < 2)
    return;
  widths.resize(points.size(), {endWidth, endWidth});
  appendPolyline(points, closed, widths);
}

void rectangCommand() {
  ads_point first;
  if (acedGetPoint(nullptr, "\nSpecify first corner point: ", first) != RTNORM)
    return;
  double length = 10.0;
  double width = 10.0;
  while (true) {
    acedInitGet(0, "Dimensions");
    ads_point other;
    const int code =
        acedGetCorner(first, "\nSpecify other corner point or [Dimensions]: ", other);
    if (code == RTKWORD) {
      acedInitGet(RSG_NOZERO | RSG_NONEG, nullptr);
      double given = length;
      int answer = acedGetDist(
          nullptr, ("\nSpecify length for rectangles " + defaultText(length) + ": ").c_str(),
          &given);
      if (answer == RTCAN)
        return;
      if (answer == RTNORM)
        length = given;
      acedInitGet(RSG_NOZERO | RSG_NONEG, nullptr);
      given = width;
      answer = acedGetDist(
          nullptr, ("\nSpecify width for rectangles " + defaultText(width) + ": ").c_str(),
          &given);
      if (answer == RTCAN)
        return;
      if (answer == RTNORM)
        width = given;
      // The other corner then only says which way the rectangle lies.
      acedInitGet(0, nullptr);
      if (acedGetCorner(first, "\nSpecify other corner point or [Dimensions]: ", other) != RTNORM)
        return;
      other[0] = first[0] + (other[0] < first[0] ? -length : length);
      other[1] = first[1] + (other[1] < first[1] ? -width : width);
    } else if (code != RTNORM) {
      return;
    }
    const double z = first[2];
    appendPolyline({{first[0], first[1], z}, {other[0], first[1], z}, {other[0], other[1], z},
                    {first[0], other[1], z}},
                   true);
    return;
  }
}

}  // namespace zek
