// LEADER: points until Enter, then annotation lines until an empty line. The
// leader (an AcDbLeader) points from the first point to an MTEXT placed
// beside its last vertex by the dimension variables (DIMTXT × DIMSCALE high,
// DIMGAP clear, above the hook line unless DIMTAD is 0); the variables that
// differ from the leader's dimension style are recorded on the leader as its
// overrides, as CAD hosts record them.
#include <memory>
#include <string>
#include <vector>

#include "aced_input.h"
#include "aced_output.h"
#include "ads.h"
#include "db_leader.h"
#include "db_symtab.h"
#include "db_text.h"
#include "db/dimblocks/leader_layout.h"
#include "editor/commands/builtin_commands.h"
#include "editor/commands/command_support.h"
#include "zek/dim_vars.h"

namespace zek {

namespace {

AcGePoint3d asPoint(const ads_point p) { return {p[0], p[1], p[2]}; }

// The leader's points (UCS); nothing on Esc.
std::optional<std::vector<AcGePoint3d>> askVertices() {
  ads_point point;
  acedInitGet(RSG_NONULL, nullptr);
  if (acedGetPoint(nullptr, "\nSpecify leader start point: ", point) != RTNORM)
    return std::nullopt;
  std::vector<AcGePoint3d> vertices{asPoint(point)};
  acedInitGet(RSG_NONULL, nullptr);
  if (acedGetPoint(point, "\nSpecify next point: ", point) != RTNORM)
    return std::nullopt;
  vertices.push_back(asPoint(point));
  while (true) {
    acedInitGet(0, "Annotation Undo");
    const int code = acedGetPoint(asDblArray(vertices.back()),
                                  "\nSpecify next point or [Annotation/Undo] <Annotation>: ", point);
    if (code == RTNORM) {
      vertices.push_back(asPoint(point));
      continue;
    }
    if (code == RTNONE)
      return vertices;
    if (code != RTKWORD)
      return std::nullopt;
    char keyword[16] = "";
    (void)acedGetInput(keyword, sizeof keyword);
    if (std::string(keyword) == "Annotation")
      return vertices;
    if (vertices.size() > 2)
      vertices.pop_back();
    else
      acutPrintf("\nAll segments already undone.");
  }
}

// The annotation's lines; nothing on Esc, no lines for Enter at the first.
std::optional<std::vector<std::string>> askLines() {
  std::vector<std::string> lines;
  const char* prompt = "\nEnter first line of annotation text or <options>: ";
  while (true) {
    char text[1024] = "";
    if (acedGetString(1, prompt, text, sizeof text) != RTNORM)
      return std::nullopt;
    if (text[0] == '\0')
      return lines;
    lines.emplace_back(text);
    prompt = "\nEnter next line of annotation text: ";
  }
}

// The overrides of the five variables a leader shows with, where the
// drawing's current values differ from its style's.
void recordOverrides(AcDbLeader& leader, const DimVars& current, const DimVars& style) {
  resbuf* head = acutBuildList(1001, "ACAD", 1000, "DSTYLE", 1002, "{", RTNONE);
  resbuf* tail = head;
  while (tail->rbnext != nullptr)
    tail = tail->rbnext;
  bool any = false;
  auto addReal = [&](int code, double value, double styleValue) {
    if (value == styleValue)
      return;
    tail->rbnext = acutBuildList(1070, code, 1040, value, RTNONE);
    tail = tail->rbnext->rbnext;
    any = true;
  };
  addReal(41, current.dimasz, style.dimasz);
  addReal(147, current.dimgap, style.dimgap);
  addReal(140, current.dimtxt, style.dimtxt);
  addReal(40, current.dimscale, style.dimscale);
  if (current.dimtad != style.dimtad) {
    tail->rbnext = acutBuildList(1070, 77, 1070, current.dimtad, RTNONE);
    tail = tail->rbnext->rbnext;
    any = true;
  }
  tail->rbnext = acutBuildList(1002, "}", RTNONE);
  if (any)
    (void)leader.setXData(head);
  acutRelRb(head);
}

DimVars styleVars(AcDbObjectId styleId, const DimVars& fallback) {
  AcDbDimStyleTableRecord* style = nullptr;
  if (acdbOpenObject(style, styleId, AcDb::kForRead) != Acad::eOk)
    return fallback;
  DimVars vars = dimVarsOf(*style);
  (void)style->close();
  return vars;
}

std::string joinedLines(const std::vector<std::string>& lines) {
  std::string contents;
  for (const std::string& line : lines)
    contents += (contents.empty() ? "" : "\\P") + line;
  return contents;
}

}  // namespace

void leaderCommand() {
  auto vertices = askVertices();
  if (!vertices)
    return;
  auto lines = askLines();
  if (!lines)
    return;
  AcDbDatabase& db = *commandDocument().database();
  const DimVars current = currentDimVars(db);
  std::vector<AcGePoint3d> world;
  for (const AcGePoint3d& vertex : *vertices)
    world.push_back(ucsToWorld(vertex));

  auto leader = std::make_unique<AcDbLeader>();
  (void)leader->setDimensionStyle(db.dimstyle());
  AcDbObjectId textId;
  if (!lines->empty()) {
    const double height = current.dimtxt * current.dimscale;
    const LeaderPlacement placement = placeLeaderAnnotation(world, height, current);
    world = placement.vertices;
    auto text = std::make_unique<AcDbMText>();
    (void)text->setLocation(placement.textLocation);
    (void)text->setTextHeight(height);
    (void)text->setAttachment(placement.attachment);
    (void)text->setContents(joinedLines(*lines).c_str());
    textId = appendEntity(std::move(text));
    (void)leader->setHookLine(placement.hasHookLine, placement.hookLineOnXDirection);
    (void)leader->setAnnotationOffset(placement.textLocation - world.back());
    (void)leader->setAnnoSize(height, 0.0);
  }
  for (const AcGePoint3d& vertex : world)
    leader->appendVertex(vertex);
  recordOverrides(*leader, current, styleVars(db.dimstyle(), current));
  AcDbObjectId leaderId = appendEntity(std::move(leader));
  if (leaderId.isNull() || textId.isNull())
    return;
  AcDbLeader* made = nullptr;
  if (acdbOpenObject(made, leaderId, AcDb::kForWrite) == Acad::eOk) {
    (void)made->attachAnnotation(textId);
    (void)made->close();
  }
}

}  // namespace zek
