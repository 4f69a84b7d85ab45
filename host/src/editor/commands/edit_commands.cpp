// ERASE, MOVE, COPY and SELECT: objects chosen at "Select objects: ", then
// erased, moved or copied by a displacement, or kept as the pick-first set.
#include <string>
#include <vector>

#include "aced_input.h"
#include "aced_output.h"
#include "db_database.h"
#include "editor/commands/builtin_commands.h"
#include "editor/commands/command_support.h"
#include "editor/document.h"

namespace zek {

namespace {

// Reports the objects a change could not reach because their layer is locked.
void reportLocked(int locked) {
  if (locked == 1)
    acutPrintf("\n1 was on a locked layer.");
  else if (locked > 1)
    acutPrintf("\n%d were on a locked layer.", locked);
}

// The displacement in UCS coordinates: a base point and a second point, or
// one point taken as the displacement itself. Nothing on Esc.
std::optional<AcGeVector3d> askDisplacement(const char* secondPrompt) {
  acedInitGet(0, "Displacement");
  ads_point base;
  const int code =
      acedGetPoint(nullptr, "\nSpecify base point or [Displacement] <Displacement>: ", base);
  if (code == RTKWORD || code == RTNONE) {
    acedInitGet(RSG_NONULL, nullptr);
    ads_point displacement;
    if (acedGetPoint(nullptr, "\nSpecify displacement <0.0000, 0.0000, 0.0000>: ",
                     displacement) != RTNORM)
      return std::nullopt;
    return AcGeVector3d(displacement[0], displacement[1], displacement[2]);
  }
  if (code != RTNORM)
    return std::nullopt;
  ads_point second;
  const int answer = acedGetPoint(base, secondPrompt, second);
  if (answer == RTNONE)
    return AcGeVector3d(base[0], base[1], base[2]);
  if (answer != RTNORM)
    return std::nullopt;
  return AcGeVector3d(second[0] - base[0], second[1] - base[1], second[2] - base[2]);
}

AcGeMatrix3d worldMove(const AcGeVector3d& ucsDisplacement) {
  return AcGeMatrix3d::translation(commandDocument().ucsToWorld() * ucsDisplacement);
}

// Moves the entities; answers how many were on locked layers.
int transformAll(const std::vector<AcDbObjectId>& ids, const AcGeMatrix3d& move) {
  int locked = 0;
  for (const AcDbObjectId& id : ids) {
    AcDbEntity* entity = nullptr;
    const Acad::ErrorStatus es = acdbOpenObject(entity, id, AcDb::kForWrite);
    if (es == Acad::eOnLockedLayer) {
      ++locked;
      continue;
    }
    if (es != Acad::eOk)
      continue;
    (void)entity->transformBy(move);
    (void)entity->close();
  }
  return locked;
}

// Copies of the entities in model space, moved.
std::vector<AcDbObjectId> copyAll(const std::vector<AcDbObjectId>& ids, const AcGeMatrix3d& move) {
  AcDbDatabase& db = *commandDocument().database();
  AcDbObjectIdArray sources;
  for (const AcDbObjectId& id : ids)
    sources.append(id);
  AcDbObjectId space = db.modelSpaceId();
  AcDbIdMapping map;
  std::vector<AcDbObjectId> copies;
  if (db.deepCloneObjects(sources, space, map) != Acad::eOk)
    return copies;
  for (const AcDbObjectId& id : ids) {
    AcDbIdPair pair(id, AcDbObjectId::kNull, false);
    if (map.compute(pair) && pair.isCloned())
      copies.push_back(pair.value());
  }
  (void)transformAll(copies, move);
  return copies;
}

}  // namespace

void eraseCommand() {
  auto ids = selectObjects();
  if (!ids)
    return;
  int locked = 0;
  for (const AcDbObjectId& id : *ids) {
    if (!eraseEntity(id))
      ++locked;
  }
  reportLocked(locked);
}

void moveCommand() {
  auto ids = selectObjects();
  if (!ids)
    return;
  auto displacement = askDisplacement("\nSpecify second point or <use first point as displacement>: ");
  if (!displacement)
    return;
  reportLocked(transformAll(*ids, worldMove(*displacement)));
}

void copyCommand() {
  auto ids = selectObjects();
  if (!ids)
    return;
  acutPrintf("\nCurrent settings:  Copy mode = Multiple");
  acedInitGet(0, "Displacement");
  ads_point base;
  const int code =
      acedGetPoint(nullptr, "\nSpecify base point or [Displacement] <Displacement>: ", base);
  if (code == RTKWORD || code == RTNONE) {
    acedInitGet(RSG_NONULL, nullptr);
    ads_point displacement;
    if (acedGetPoint(nullptr, "\nSpecify displacement <0.0000, 0.0000, 0.0000>: ",
                     displacement) != RTNORM)
      return;
    copyAll(*ids, worldMove({displacement[0], displacement[1], displacement[2]}));
    return;
  }
  if (code != RTNORM)
    return;
  std::vector<std::vector<AcDbObjectId>> made;
  while (true) {
    ads_point second;
    int answer = 0;
    if (made.empty()) {
      answer = acedGetPoint(base, "\nSpecify second point or <use first point as displacement>: ",
                            second);
      if (answer == RTNONE) {
        copyAll(*ids, worldMove({base[0], base[1], base[2]}));
        return;
      }
    } else {
      acedInitGet(0, "Exit Undo");
      answer = acedGetPoint(base, "\nSpecify second point or [Exit/Undo] <Exit>: ", second);
      if (answer == RTKWORD) {
        char keyword[16] = "";
        (void)acedGetInput(keyword, sizeof keyword);
        if (std::string(keyword) == "Exit")
          return;
        for (const AcDbObjectId& id : made.back())
          (void)eraseEntity(id);
        made.pop_back();
        continue;
      }
    }
    if (answer != RTNORM)
      return;  // Enter or Esc: the copies made so far stay
    made.push_back(copyAll(
        *ids, worldMove({second[0] - base[0], second[1] - base[1], second[2] - base[2]})));
  }
}

void selectCommand() {
  if (auto ids = selectObjects())
    setPickfirst(*ids);
}

}  // namespace zek
