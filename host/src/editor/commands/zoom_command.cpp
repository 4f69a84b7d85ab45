// ZOOM: a window (by a point at the first prompt, or Window), Extents, All,
// Previous, Center and Scale, each changing the document's view.
#include <optional>
#include <string>
#include <vector>

#include "aced_input.h"
#include "aced_output.h"
#include "db_block.h"
#include "db_database.h"
#include "db/header_variables.h"
#include "editor/commands/builtin_commands.h"
#include "editor/commands/command_support.h"
#include "editor/commands/view_fitting.h"
#include "editor/core/display_state.h"
#include "editor/document.h"

namespace zek {

namespace {

// The views ZOOM Previous goes back to, newest last (at most ten, as CAD hosts keep).
struct ViewHistory {
  std::vector<View> views;
};
constexpr std::size_t kHistoryDepth = 10;

void setView(const View& view) {
  Document& document = commandDocument();
  auto& history = document.state<ViewHistory>().views;
  history.push_back(document.view());
  if (history.size() > kHistoryDepth)
    history.erase(history.begin());
  document.view() = view;
  clearTemporaryGraphics(document);  // a new view is drawn afresh
}

AcGePoint2d worldXY(const ads_point ucs) {
  const AcGePoint3d world = ucsToWorld({ucs[0], ucs[1], ucs[2]});
  return {world.x, world.y};
}

// The box of everything in model space; nothing for an empty drawing.
std::optional<AcDbExtents> drawingExtents() {
  AcDbDatabase& db = *commandDocument().database();
  AcDbBlockTableRecord* space = nullptr;
  if (acdbOpenObject(space, db.modelSpaceId(), AcDb::kForRead) != Acad::eOk)
    return std::nullopt;
  const std::vector<AcDbObjectId> ids = space->entityIds();
  (void)space->close();
  AcDbExtents all;
  bool any = false;
  for (const AcDbObjectId& id : ids) {
    if (id.isErased())
      continue;
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk)
      continue;
    AcDbExtents extents;
    if (entity->getGeomExtents(extents) == Acad::eOk && extents.isValid()) {
      all.addExt(extents);
      any = true;
    }
    (void)entity->close();
  }
  if (!any)
    return std::nullopt;
  return all;
}

// The drawing limits ($LIMMIN, $LIMMAX; the template's A3 sheet without them).
AcDbExtents drawingLimits() {
  const HeaderVariables& header = commandDocument().database()->header();
  AcGePoint3d low = header.point("$LIMMIN").value_or(AcGePoint3d(0, 0, 0));
  AcGePoint3d high = header.point("$LIMMAX").value_or(AcGePoint3d(420, 297, 0));
  return AcDbExtents({low.x, low.y, 0}, {high.x, high.y, 0});
}

void zoomToBox(const AcDbExtents& box) {
  setView(viewOfWindow(commandDocument().view(), box.minPoint().convert2d(),
                       box.maxPoint().convert2d()));
}

void zoomScale(const ZoomScale& scale) {
  const View& current = commandDocument().view();
  if (scale.relative) {
    setView(viewScaled(current, scale.factor));
    return;
  }
  const AcDbExtents limits = drawingLimits();
  View view = current;
  view.height = (limits.maxPoint().y - limits.minPoint().y) / scale.factor;
  setView(view);
}

void zoomWindow(const ads_point first) {
  ads_point second;
  acedInitGet(RSG_NONULL, nullptr);
  if (acedGetCorner(first, "\nSpecify opposite corner: ", second) != RTNORM)
    return;
  setView(viewOfWindow(commandDocument().view(), worldXY(first), worldXY(second)));
}

void zoomCenter() {
  ads_point centre;
  acedInitGet(RSG_NONULL, nullptr);
  if (acedGetPoint(nullptr, "\nSpecify center point: ", centre) != RTNORM)
    return;
  const View& current = commandDocument().view();
  while (true) {
    acedInitGet(RSG_NOZERO | RSG_NONEG | RSG_OTHER, nullptr);
    double height = current.height;
    const int code = acedGetDist(
        nullptr, ("\nEnter magnification or height " + defaultText(current.height) + ": ").c_str(),
        &height);
    if (code == RTCAN)
      return;
    View view = current;
    if (code == RTKWORD) {
      char text[64] = "";
      (void)acedGetInput(text, sizeof text);
      auto scale = zoomScaleOfAnswer(text);
      if (!scale || !scale->relative) {
        acutPrintf("\nRequires a distance, numberX, or option keyword.");
        continue;
      }
      view = viewScaled(current, scale->factor);
    } else if (code == RTNORM) {
      view.height = height;
    }
    const AcGePoint3d world = ucsToWorld({centre[0], centre[1], centre[2]});
    view.centre = {world.x, world.y, current.centre.z};
    setView(view);
    return;
  }
}

void zoomOption(const std::string& option) {
  if (option == "All") {
    AcDbExtents box = drawingLimits();
    if (auto extents = drawingExtents())
      box.addExt(*extents);
    zoomToBox(box);
  } else if (option == "Extents") {
    zoomToBox(drawingExtents().value_or(drawingLimits()));
  } else if (option == "Previous") {
    auto& history = commandDocument().state<ViewHistory>().views;
    if (history.empty()) {
      acutPrintf("\nNo previous view saved.");
      return;
    }
    commandDocument().view() = history.back();
    history.pop_back();
    clearTemporaryGraphics(commandDocument());
  } else if (option == "Center") {
    zoomCenter();
  } else if (option == "Scale") {
    while (true) {
      char text[64] = "";
      if (acedGetString(0, "\nEnter a scale factor (nX or nXP): ", text, sizeof text) != RTNORM ||
          text[0] == '\0')
        return;
      if (auto scale = zoomScaleOfAnswer(text)) {
        zoomScale(*scale);
        return;
      }
      acutPrintf("\nRequires a distance, numberX, or option keyword.");
    }
  } else if (option == "Window") {
    ads_point first;
    acedInitGet(RSG_NONULL, nullptr);
    if (acedGetPoint(nullptr, "\nSpecify first corner: ", first) == RTNORM)
      zoomWindow(first);
  }
}

}  // namespace

void zoomCommand() {
  while (true) {
    acedInitGet(RSG_OTHER, "All Center Extents Previous Scale Window");
    ads_point first;
    const int code = acedGetPoint(nullptr,
                                  "\nSpecify corner of window, enter a scale factor (nX or nXP), "
                                  "or\n[All/Center/Extents/Previous/Scale/Window] <real time>: ",
                                  first);
    if (code == RTNORM) {
      zoomWindow(first);
      return;
    }
    if (code != RTKWORD)
      return;  // Enter (real time has nothing to do here) or Esc
    char text[64] = "";
    (void)acedGetInput(text, sizeof text);
    const std::string answer = text;
    for (const char* option : {"All", "Center", "Extents", "Previous", "Scale", "Window"}) {
      if (answer == option) {
        zoomOption(answer);
        return;
      }
    }
    if (auto scale = zoomScaleOfAnswer(answer)) {
      zoomScale(*scale);
      return;
    }
    acutPrintf("\nRequires a distance, numberX, or option keyword.");
  }
}

}  // namespace zek
