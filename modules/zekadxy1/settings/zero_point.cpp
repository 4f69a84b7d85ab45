// Zero points: the eleven modes worked out from the drawn bounds, the
// nearest of the eight edge points, and the two point requests.
#include "settings/zero_point.h"

#include <array>
#include <cstddef>

#include "aced_input.h"
#include "aced_output.h"
#include "aced_vars.h"
#include "view/osnap_guard.h"

namespace zek::adxy1 {

namespace {

// Endpoint, centre and intersection snaps: the base point is picked on a
// plate corner, a hole centre or where two edges cross.
constexpr short kBasePointSnaps = 35;

// The eight points of modes 1 to 8, in mode order.
std::array<AcGePoint2d, 8> zeroCandidates(const PlateBounds& bounds) {
  std::array<AcGePoint2d, 8> candidates;
  for (std::size_t i = 0; i < candidates.size(); ++i)
    candidates[i] = zeroPointOfMode(static_cast<int>(i) + kTopLeft, bounds, AcGePoint2d());
  return candidates;
}

// A point the drafter gave in the current UCS, in world coordinates; none
// when it cannot be transformed (no drawing).
std::optional<AcGePoint3d> ucsToWorld(const ads_point picked) {
  resbuf fromUcs{};
  fromUcs.restype = RTSHORT;
  fromUcs.resval.rint = 1;
  resbuf toWorld{};
  toWorld.restype = RTSHORT;
  toWorld.resval.rint = 0;
  ads_point world{0.0, 0.0, 0.0};
  if (acedTrans(picked, &fromUcs, &toWorld, 0, world) != RTNORM)
    return std::nullopt;
  return AcGePoint3d(world[0], world[1], world[2]);
}

// Asks for a point with OSMODE set for the request (put back on every way
// out, Esc included) and answers it in world coordinates.
std::optional<AcGePoint3d> askWorldPoint(short osmode, const char* prompt) {
  OsnapGuard snaps(osmode);
  ads_point picked{0.0, 0.0, 0.0};
  if (acedGetPoint(nullptr, prompt, picked) != RTNORM)
    return std::nullopt;  // Enter, Esc or the end of the input
  return ucsToWorld(picked);
}

}  // namespace

AcGePoint2d zeroPointOfMode(int mode, const PlateBounds& bounds, const AcGePoint2d& basePoint) {
  const double midX = (bounds.minX + bounds.maxX) * 0.5;
  const double midY = (bounds.minY + bounds.maxY) * 0.5;
  switch (mode) {
    case kTopLeft: return {bounds.minX, bounds.maxY};
    case kTopMiddle: return {midX, bounds.maxY};
    case kTopRight: return {bounds.maxX, bounds.maxY};
    case kRightMiddle: return {bounds.maxX, midY};
    case kBottomRight: return {bounds.maxX, bounds.minY};
    case kBottomMiddle: return {midX, bounds.minY};
    case kBottomLeft: return {bounds.minX, bounds.minY};
    case kLeftMiddle: return {bounds.minX, midY};
    case kPlateCentre: return {midX, midY};
    default: return basePoint;  // the fixed point; mode 10 asks (askNearestZeroPoint)
  }
}

AcGePoint2d nearestZeroCandidate(const PlateBounds& bounds, const AcGePoint3d& picked) {
  const std::array<AcGePoint2d, 8> candidates = zeroCandidates(bounds);
  AcGePoint2d nearest = candidates[0];
  double nearestDistance = picked.distanceTo(AcGePoint3d(nearest.x, nearest.y, 0.0));
  for (std::size_t i = 1; i < candidates.size(); ++i) {
    const double distance = picked.distanceTo(AcGePoint3d(candidates[i].x, candidates[i].y, 0.0));
    if (distance < nearestDistance) {  // on equal distances the earlier one stays
      nearest = candidates[i];
      nearestDistance = distance;
    }
  }
  return nearest;
}

AcGePoint2d askNearestZeroPoint(const PlateBounds& bounds) {
  // No snaps: the drafter points near a corner or an edge, not at an object.
  const std::optional<AcGePoint3d> picked = askWorldPoint(0, "\nBase point:");
  if (!picked)
    return ordinateSettings().basePoint;
  return nearestZeroCandidate(bounds, *picked);
}

bool setBasePointInteractively() {
  OrdinateSettings& settings = ordinateSettings();
  acutPrintf("\nbase point, now X= %0.3f, Y= %0.3f", settings.basePoint.x, settings.basePoint.y);
  const std::optional<AcGePoint3d> picked = askWorldPoint(kBasePointSnaps, nullptr);
  if (!picked) {
    acutPrintf("\nNothing been changed");
    return false;
  }
  settings.basePoint = AcGePoint2d(picked->x, picked->y);
  acutPrintf("\nbase point, new X= %0.3f, Y= %0.3f", settings.basePoint.x, settings.basePoint.y);
  settings.zeroMode = kFixedPoint;
  return true;
}

}  // namespace zek::adxy1
