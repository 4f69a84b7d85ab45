// AcEdJig: dragging an entity with the cursor. A jig derives from AcEdJig,
// answers its entity, samples the cursor in sampler() with one acquire call
// and updates the entity in update(); drag() runs the drag until a point (or
// distance, angle, keyword) is given, Enter or Esc.
//
// In the host, cursor moves are answer lines "move x,y" (UCS): each one is a
// sample (sampler, then update when the sampler answers kNormal) and the
// entity is shown as temporary graphics at its latest update. Any other line
// is the final answer: a point accepts (kNormal), Enter gives kNull where
// kNullResponseAccepted allows it (else it is asked again), a keyword of the
// list kKW1..kKW9, other text kOther with kAcceptOtherInputString (else asked
// again), "^C" kCancel. Answers that do not fit are refused with the host's
// message and asked again, as at any prompt.
#pragma once

#include "adesk.h"
#include "db_core.h"
#include "ge_geometry.h"

class AcDbEntity;

namespace zek {
class JigSession;
}

class AcEdJig {
public:
  enum UserInputControls {
    kGovernedByOrthoMode = 0x000001,
    kNullResponseAccepted = 0x000002,
    kDontEchoCancelForCtrlC = 0x000004,
    kDontUpdateLastPoint = 0x000008,
    kNoDwgLimitsChecking = 0x000010,
    kNoZeroResponseAccepted = 0x000020,
    kNoNegativeResponseAccepted = 0x000040,
    kAccept3dCoordinates = 0x000080,
    kAcceptMouseUpAsPoint = 0x000100,
    kAnyBlankTerminatesInput = 0x000200,
    kInitialBlankTerminatesInput = 0x000400,
    kAcceptOtherInputString = 0x000800,
    kGovernedByUCSDetect = 0x001000,
    kNoZDirectionOrtho = 0x002000,
    kImpliedFaceForUcsChange = 0x004000,
    kUseBasePointElevation = 0x008000,
    kDisableDirectDistanceInput = 0x010000,
  };

  enum DragStatus {
    kModeless = -17,
    kNoChange = -6,
    kCancel = -4,
    kOther = -3,
    kNull = -1,
    kNormal = 0,
    kKW1,
    kKW2,
    kKW3,
    kKW4,
    kKW5,
    kKW6,
    kKW7,
    kKW8,
    kKW9,
  };

  enum CursorType {
    kNoSpecialCursor = -1,
    kCrosshair = 0,
    kRectCursor,
    kRubberBand,
    kNotRotated,
    kTargetBox,
    kRotatedCrosshair,
    kCrosshairNoRotate,
    kInvisible,
    kEntitySelect,
    kParallelogram,
    kEntitySelectNoPersp,
    kPkfirstOrGrips,
    kCrosshairDashed,
    kNoRubberBand,
  };

  AcEdJig();
  virtual ~AcEdJig();
  AcEdJig(const AcEdJig&) = delete;
  AcEdJig& operator=(const AcEdJig&) = delete;

  // Runs the drag; answers how it ended (kNormal, kNull, kKW1.., kOther,
  // kCancel). The special cursor is reset afterwards.
  DragStatus drag();
  // Called for every sample: acquire the cursor's value and say whether it
  // changed (kNormal) or not (kNoChange), or pass the acquire status on.
  virtual DragStatus sampler();
  // Called after a sampler answered kNormal: bring the entity up to date.
  virtual Adesk::Boolean update();
  // The entity the drag shows.
  virtual AcDbEntity* entity() const;
  // Appends entity() to model space and closes it; the null id on failure.
  AcDbObjectId append();

  // The keywords ("Arc Radius", as acedInitGet takes them) and the prompt.
  const char* keywordList();
  void setKeywordList(const char* keywords);
  const char* dispPrompt();
  void setDispPrompt(const char* prompt, ...)
#if defined(__GNUC__)
      __attribute__((format(printf, 2, 3)))
#endif
      ;

  // The cursor's value for this sample. Points answer world coordinates;
  // distances and angles are measured from basePnt (world), or from the last
  // point without one; angles in radians.
  DragStatus acquirePoint(AcGePoint3d& point);
  DragStatus acquirePoint(AcGePoint3d& point, const AcGePoint3d& basePnt);
  DragStatus acquireDist(double& distance);
  DragStatus acquireDist(double& distance, const AcGePoint3d& basePnt);
  DragStatus acquireAngle(double& angle);
  DragStatus acquireAngle(double& angle, const AcGePoint3d& basePnt);
  // The text of an accepting line (kAcceptOtherInputString): kOther.
  DragStatus acquireString(char* text);

  CursorType specialCursorType();
  void setSpecialCursorType(CursorType type);
  UserInputControls userInputControls();
  void setUserInputControls(UserInputControls controls);

private:
  friend class zek::JigSession;
  zek::JigSession* session_ = nullptr;  // while drag() runs
  char* prompt_ = nullptr;
  char* keywords_ = nullptr;
  CursorType cursor_ = kNoSpecialCursor;
  UserInputControls controls_ = static_cast<UserInputControls>(0);
};
