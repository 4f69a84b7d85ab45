// acedEntSel: one entity by a point, by handle or the last one made.
#include <string>

#include "aced_output.h"
#include "aced_select.h"
#include "db_curves.h"
#include "db_entity.h"
#include "editor/document.h"
#include "editor/input.h"
#include "editor/prompts/answer_parsing.h"
#include "editor/select/interactive_selection.h"
#include "editor/select/read_scope.h"
#include "editor/select/selection_query.h"
#include "editor/select/selection_sets.h"

namespace zek {
namespace {

// The point an entity picked without a point stands for: the middle of a
// curve, else the middle of its extents.
AcGePoint3d pointOnEntity(AcDbObjectId id) {
  ReadScope<AcDbEntity> entity(id);
  if (entity.get() == nullptr)
    return AcGePoint3d();
  if (auto* curve = AcDbCurve::cast(entity.get())) {
    double start = 0.0, end = 0.0;
    AcGePoint3d point;
    if (curve->getStartParam(start) == Acad::eOk && curve->getEndParam(end) == Acad::eOk &&
        curve->getPointAtParam(0.5 * (start + end), point) == Acad::eOk)
      return point;
  }
  AcDbExtents box;
  if (entity->getGeomExtents(box) == Acad::eOk && box.isValid())
    return AcGePoint3d(0.5 * (box.minPoint().x + box.maxPoint().x), 0.5 * (box.minPoint().y + box.maxPoint().y),
                       0.5 * (box.minPoint().z + box.maxPoint().z));
  return AcGePoint3d();
}

}  // namespace
}  // namespace zek

int acedEntSel(const char* str, ads_name entres, ads_point ptres) {
  using namespace zek;
  Document* document = currentDocument();
  if (document == nullptr || entres == nullptr)
    return RTERROR;
  SelectionScope scope(*document);
  while (true) {
    Answer reply = promptForLine(str != nullptr ? str : "Select object: ");
    if (reply.kind != Answer::Kind::Text)
      return RTCAN;
    std::string_view line = trimmedAnswer(reply.text);
    if (line.empty())
      return RTERROR;
    AcDbObjectId id;
    std::optional<AcGePoint3d> point;
    std::string word = upperCased(line);
    if (word.size() > 1 && word.front() == '#') {
      id = scope.byHandle(std::string_view(word).substr(1));
    } else if (word == "L" || word == "_L") {
      id = scope.last();
    } else if ((point = worldPointOfAnswer(*document, line))) {
      std::vector<AcDbObjectId> found = scope.picked(*point, false);
      if (!found.empty())
        id = found.front();
    } else {
      acutPrintf("\n*Invalid selection*");
      acutPrintf("\nExpects a point or Last");
      continue;
    }
    if (id.isNull())
      return RTERROR;  // a pick that found nothing
    if (!writeEntityName(id, entres))
      return RTERROR;
    if (ptres != nullptr) {
      AcGePoint3d ucs = document->worldToUcs() * (point ? *point : pointOnEntity(id));
      ptres[0] = ucs.x;
      ptres[1] = ucs.y;
      ptres[2] = ucs.z;
    }
    return RTNORM;
  }
}
