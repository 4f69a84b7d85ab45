// What the editing commands share at the host's edge: the dimension filter,
// single picks, highlights, points from the user's coordinates, and reading
// and moving the points of an open ordinate dimension.
#pragma once

#include "ads.h"
#include "db_dimension.h"
#include "editing/text_moves.h"
#include "guards/opened_entity.h"
#include "guards/resbuf_list.h"
#include "guards/selection_set.h"

namespace zek::adxy1 {

// The selection filter of every editing command: group 0 "DIMENSION"
// (other dimension kinds pass it and are skipped by the commands).
ResbufList dimensionFilter();

// Selects dimensions with the host's default prompt. Answers acedSSGet's
// code; when nothing was selected (but not on Esc) prints `nothingMessage`
// first, unless it is null.
int selectDimensions(SelectionSet& selected, const char* nothingMessage);

// One entity picked with the host's default prompt. ok() when the pick gave
// an entity that names an object.
struct PickedEntity {
  int answer = RTERROR;  // what acedEntSel answered
  ads_name name{0, 0};
  AcDbObjectId id;
  bool ok() const { return answer == RTNORM && !id.isNull(); }
};
PickedEntity pickEntity();

// Highlights a picked entity and removes the highlight on every way out of
// the scope (Esc, a refused open, the end of the step).
class PickHighlight {
public:
  explicit PickHighlight(const ads_name name);
  ~PickHighlight() { remove(); }
  PickHighlight(const PickHighlight&) = delete;
  PickHighlight& operator=(const PickHighlight&) = delete;
  // Removes the highlight now (nothing when removed already).
  void remove();

private:
  ads_name name_{0, 0};
  bool shown_ = false;
};

// Write access to an entity opened for read, as the editing commands ask for
// it: true once granted; on a locked layer "_LAYER_LOCKED_" is printed and
// false answered (also, silently, for an entity that did not open at all).
[[nodiscard]] bool writable(OpenedEntity& entity);

// A point the user gave (current UCS) in world coordinates.
AcGePoint3d ucsToWorld(const ads_point point);

// The points and text variables of an ordinate dimension open for read.
OrdinatePoints ordinatePointsOf(const AcDbOrdinateDimension& dimension);
OrdinateTextVars textVarsOf(const AcDbDimension& dimension);

// Moves the text of an ordinate dimension open for write to the point
// (world), its leader end following as the host attaches it. Answers the
// host's answer to setTextPosition.
Acad::ErrorStatus moveTextTo(AcDbOrdinateDimension& dimension, const AcGePoint3d& target,
                             double aboveOffset, AcrossLeader across);

}  // namespace zek::adxy1
