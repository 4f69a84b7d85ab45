// The host's edge shared by the editing commands.
#include "editing/ordinate_edit_support.h"

#include "aced_output.h"
#include "aced_select.h"
#include "aced_vars.h"
#include "layers/locked_layer.h"

namespace zek::adxy1 {

ResbufList dimensionFilter() {
  return ResbufList(acutBuildList(RTDXF0, "DIMENSION", RTNONE));
}

int selectDimensions(SelectionSet& selected, const char* nothingMessage) {
  ResbufList filter = dimensionFilter();
  const int chosen = selected.select(nullptr, filter.get());
  if (chosen != RTNORM && chosen != RTCAN && nothingMessage != nullptr)
    acutPrintf("%s", nothingMessage);
  return chosen;
}

PickedEntity pickEntity() {
  PickedEntity picked;
  ads_point where{0.0, 0.0, 0.0};
  picked.answer = acedEntSel(nullptr, picked.name, where);
  if (picked.answer == RTNORM && acdbGetObjectId(picked.id, picked.name) != Acad::eOk)
    picked.id = AcDbObjectId();
  return picked;
}

PickHighlight::PickHighlight(const ads_name name) {
  name_[0] = name[0];
  name_[1] = name[1];
  shown_ = acedRedraw(name_, 3) == RTNORM;
}

void PickHighlight::remove() {
  if (!shown_)
    return;
  shown_ = false;
  // The entity was highlighted a moment ago; an entity erased since answers
  // RTERROR and has nothing left to un-highlight.
  (void)acedRedraw(name_, 4);
}

bool writable(OpenedEntity& entity) {
  if (entity.status() != Acad::eOk)
    return false;
  return upgradeOpenOrReportLocked(entity, LockedLayerNotice::Underscored);
}

AcGePoint3d ucsToWorld(const ads_point point) {
  ads_point world{point[0], point[1], point[2]};
  // False only with no drawing open, when world keeps the point as given.
  (void)acdbUcs2Wcs(point, world, false);
  return AcGePoint3d(world[0], world[1], world[2]);
}

OrdinatePoints ordinatePointsOf(const AcDbOrdinateDimension& dimension) {
  OrdinatePoints points;
  points.definingPoint = dimension.definingPoint();
  points.leaderEnd = dimension.leaderEndPoint();
  points.textPosition = dimension.textPosition();
  points.measuresX = dimension.isUsingXAxis();
  return points;
}

OrdinateTextVars textVarsOf(const AcDbDimension& dimension) {
  OrdinateTextVars vars;
  vars.dimtad = dimension.dimtad();
  vars.dimtxt = dimension.dimtxt();
  vars.dimgap = dimension.dimgap();
  vars.dimscale = dimension.dimscale();
  return vars;
}

Acad::ErrorStatus moveTextTo(AcDbOrdinateDimension& dimension, const AcGePoint3d& target,
                             double aboveOffset, AcrossLeader across) {
  const OrdinatePoints points = ordinatePointsOf(dimension);
  return dimension.setTextPosition(movedTextPosition(points, target, aboveOffset, across));
}

}  // namespace zek::adxy1
