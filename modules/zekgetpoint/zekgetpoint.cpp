// ZEKGETPOINT: argument checks, snapping and ortho off while the box drags,
// and the picked point handed back in user coordinates.
#include "zekgetpoint.h"

#include <optional>

#include "aced_lisp.h"
#include "aced_vars.h"
#include "frame/lisp_args.h"
#include "guards/sys_var_guard.h"
#include "pick_box_jig.h"

namespace zek {

namespace {

// Runs the drag; the last accepted cursor point (world) when it ended with a
// point, nothing on Esc or any other ending.
std::optional<AcGePoint3d> dragPickBox(double width, double height, bool centred) {
  PickBoxJig jig(width, height, centred);
  jig.setDispPrompt("\nPick point:");
  const AcEdJig::DragStatus status = jig.drag();
  jig.setSpecialCursorType(AcEdJig::kNoSpecialCursor);
  if (status != AcEdJig::kNormal)
    return std::nullopt;
  return jig.lastPoint();
}

// Hands the world point back in the current UCS; nil when it cannot be
// transformed (no drawing).
int returnInUcs(const AcGePoint3d& world) {
  resbuf fromWorld{};
  fromWorld.restype = RTSHORT;
  fromWorld.resval.rint = 0;
  resbuf toUcs{};
  toUcs.restype = RTSHORT;
  toUcs.resval.rint = 1;
  const ads_point point{world.x, world.y, world.z};
  ads_point ucs{0.0, 0.0, 0.0};
  if (acedTrans(point, &fromWorld, &toUcs, 0, ucs) != RTNORM)
    return acedRetNil() == RTNORM ? RTNORM : RTERROR;
  return acedRetPoint(ucs) == RTNORM ? RTNORM : RTERROR;
}

}  // namespace

int pickBoxPoint(const resbuf* args) {
  const resbuf* first = argumentAt(args, 0);
  if (first == nullptr)
    return argumentError(argmsg::kTwoRequired);
  const std::optional<double> width = realArgument(first);
  if (!width)
    return argumentError(argmsg::kRealExpected);
  const resbuf* second = argumentAt(args, 1);
  if (second == nullptr)
    return argumentError(argmsg::kTwoRequired);
  const std::optional<double> height = realArgument(second);
  if (!height)
    return argumentError(argmsg::kRealExpected);
  const bool centred = argumentAt(args, 2) != nullptr;

  // The picked point is where the cursor is, never a snapped or ortho point.
  SysVarGuard noSnap("OSMODE", 0);
  SysVarGuard noOrtho("ORTHOMODE", 0);
  const std::optional<AcGePoint3d> picked = dragPickBox(*width, *height, centred);
  if (!picked)
    return acedRetNil() == RTNORM ? RTNORM : RTERROR;
  return returnInUcs(*picked);
}

}  // namespace zek
