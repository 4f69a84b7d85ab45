// ZEKDIAMETER: pick one circle or arc, show its radius and diameter, and set
// the radius from a typed "R<radius>" or "<diameter>".
#include <vector>

#include "aced_input.h"
#include "aced_output.h"
#include "aced_select.h"
#include "db_curves.h"
#include "guards/opened_entity.h"
#include "guards/selection_set.h"
#include "radius_answer.h"
#include "zekcenline.h"

namespace zek {
namespace {

// The entity to change: the first of a selection made before the command, or
// else one picked now. A null id when nothing was selected.
AcDbObjectId pickedEntity() {
  SelectionSet picked;
  if (picked.select("I") == RTNORM) {
    acedSSSetFirst(nullptr, nullptr);  // taken: the next command asks again
  } else if (picked.select(":S") != RTNORM) {
    return AcDbObjectId();
  }
  const std::vector<AcDbObjectId> ids = picked.objectIds();
  return ids.empty() ? AcDbObjectId() : ids.front();
}

}  // namespace

void changeRadiusFromInput() {
  const AcDbObjectId id = pickedEntity();
  if (id.isNull())
    return;
  OpenedEntity entity(id, AcDb::kForWrite);
  if (entity.status() != Acad::eOk) {
    acutPrintf("\nOpen Failed");  // a locked layer, above all
    return;
  }
  auto* circle = entity.as<AcDbCircle>();
  auto* arc = entity.as<AcDbArc>();
  if (circle == nullptr && arc == nullptr) {
    acutPrintf("\nNot Allowed");
    return;
  }
  const double radius = circle ? circle->radius() : arc->radius();
  if (circle)
    acutPrintf("\n[Radius R%f][Diameter %f]: ", radius, 2.0 * radius);
  else
    acutPrintf("\n[Radius R%f][Diamter %f]: ", radius, 2.0 * radius);
  // One word, as the command line takes it: a blank ends the answer like Enter.
  char answer[256] = "";
  if (acedGetString(0, "", answer, sizeof answer) != RTNORM)
    return;  // Esc, or an answer too long to be a number
  const double newRadius = radiusFromAnswer(answer);
  if (newRadius <= kLeastRadius)
    return;  // "0", a negative size or no number at all: left as it is
  // radiusFromAnswer gives finite values only, which both classes take.
  (void)(circle ? circle->setRadius(newRadius) : arc->setRadius(newRadius));
}  // the entity closes here, committing the new radius

}  // namespace zek
