// Choosing groups, their boxes, moving them and the temporary outline.
#include "align_group.h"

#include <algorithm>

#include "aced_input.h"
#include "aced_output.h"
#include "aced_vars.h"
#include "db_dimension.h"
#include "db_extents.h"
#include "ge_matrix.h"
#include "guards/opened_entity.h"
#include "guards/resbuf_list.h"
#include "guards/selection_set.h"

namespace zek {

namespace {

ChosenGroup groupOf(const SelectionSet& picked, int code) {
  if (code == RTCAN)
    return {GroupAnswer::Cancelled, {}};
  if (code != RTNORM)
    return {GroupAnswer::Nothing, {}};
  std::vector<AcDbObjectId> ids = picked.objectIds();
  if (ids.empty())
    return {GroupAnswer::Nothing, {}};
  return {GroupAnswer::Chosen, std::move(ids)};
}

ChosenGroup chooseByWindow() {
  ads_point first{0.0, 0.0, 0.0};
  const int firstAnswer = acedGetPoint(nullptr, "\nCorner 1:", first);
  if (firstAnswer == RTNONE)
    return {GroupAnswer::Nothing, {}};  // Enter chooses nothing, as an empty selection does
  if (firstAnswer != RTNORM)
    return {GroupAnswer::Cancelled, {}};
  ads_point second{0.0, 0.0, 0.0};
  if (acedGetCorner(first, "\nCorner 2:", second) != RTNORM)
    return {GroupAnswer::Cancelled, {}};
  SelectionSet picked;
  const int code = picked.select("C", first, second, nullptr);
  return groupOf(picked, code);
}

// The layers of the group's dimension entities.
std::vector<AcDbObjectId> dimensionLayers(const std::vector<AcDbObjectId>& ids) {
  std::vector<AcDbObjectId> layers;
  for (AcDbObjectId id : ids) {
    OpenedEntity entity(id, AcDb::kForRead);
    if (entity.status() != Acad::eOk || entity.as<AcDbDimension>() == nullptr)
      continue;
    if (std::find(layers.begin(), layers.end(), entity->layerId()) == layers.end())
      layers.push_back(entity->layerId());
  }
  return layers;
}

}  // namespace

ChosenGroup chooseGroup(const char* prompt, bool byWindow) {
  acutPrintf("%s", prompt);
  if (byWindow)
    return chooseByWindow();
  SelectionSet picked;
  const int code = picked.select(nullptr);
  return groupOf(picked, code);
}

std::optional<AlignBox> boxOfGroup(const std::vector<AcDbObjectId>& ids,
                                   bool ignoreDimensionLayers) {
  const std::vector<AcDbObjectId> skipped =
      ignoreDimensionLayers ? dimensionLayers(ids) : std::vector<AcDbObjectId>{};
  AcDbExtents box;
  for (AcDbObjectId id : ids) {
    OpenedEntity entity(id, AcDb::kForRead);
    if (entity.status() != Acad::eOk)
      continue;
    if (std::find(skipped.begin(), skipped.end(), entity->layerId()) != skipped.end())
      continue;
    AcDbExtents extents;
    if (entity->getGeomExtents(extents) == Acad::eOk)
      box.addExt(extents);
  }
  if (!box.isValid())
    return std::nullopt;
  return AlignBox{box.minPoint().x, box.minPoint().y, box.maxPoint().x, box.maxPoint().y};
}

void moveGroup(const std::vector<AcDbObjectId>& ids, const AlignPoint& move) {
  const AcGeMatrix3d shift = AcGeMatrix3d::translation(AcGeVector3d(move.x, move.y, 0.0));
  for (AcDbObjectId id : ids) {
    OpenedEntity entity(id, AcDb::kForWrite);
    if (entity.status() != Acad::eOk)
      continue;  // a locked layer keeps its entities where they are
    // An entity that refuses the translation stays where it is, as a locked one does.
    (void)entity->transformBy(shift);
  }
}

void drawBoxOutline(const AlignBox& box) {
  resbuf world{};
  world.restype = RTSHORT;
  world.resval.rint = 0;
  resbuf ucs{};
  ucs.restype = RTSHORT;
  ucs.resval.rint = 1;
  const double corners[4][2] = {
      {box.minX, box.minY}, {box.maxX, box.minY}, {box.maxX, box.maxY}, {box.minX, box.maxY}};
  ads_point inUcs[4];
  for (int i = 0; i < 4; ++i) {
    const ads_point corner{corners[i][0], corners[i][1], 0.0};
    if (acedTrans(corner, &world, &ucs, 0, inUcs[i]) != RTNORM)
      return;  // no drawing to draw in
  }
  // A negative colour asks for highlighting.
  ResbufList vectors(acutBuildList(RTSHORT, -10, RT3DPOINT, inUcs[0], RT3DPOINT, inUcs[1],
                                   RT3DPOINT, inUcs[1], RT3DPOINT, inUcs[2], RT3DPOINT, inUcs[2],
                                   RT3DPOINT, inUcs[3], RT3DPOINT, inUcs[3], RT3DPOINT, inUcs[0],
                                   RTNONE));
  acedGrVecs(vectors.get(), nullptr);
}

}  // namespace zek
