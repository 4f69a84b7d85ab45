// The moves of ordinate texts along their leaders.
#include "editing/text_moves.h"

namespace zek::adxy1 {
namespace {

double effectiveScale(double dimscale) {
  return dimscale == 0.0 ? 1.0 : dimscale;
}

}  // namespace

double textAboveOffset(const OrdinateTextVars& vars) {
  if (vars.dimtad == 0)
    return 0.0;
  return (vars.dimtxt * 0.5 + vars.dimgap) * effectiveScale(vars.dimscale);
}

double textStep(const OrdinateTextVars& vars) {
  if (vars.dimtad == 0)
    return vars.dimtxt * effectiveScale(vars.dimscale);
  return (vars.dimgap + vars.dimtxt) * effectiveScale(vars.dimscale);
}

int sideFactor(const OrdinatePoints& dimension, const AcGePoint3d& target) {
  const bool x = dimension.measuresX;
  const double feature = perpOf(dimension.definingPoint, x);
  const double towardsTarget = feature - perpOf(target, x);
  const double towardsLeaderEnd = feature - perpOf(dimension.leaderEnd, x);
  return towardsTarget * towardsLeaderEnd < 0.0 ? -1 : 1;
}

AcGePoint3d movedTextPosition(const OrdinatePoints& dimension, const AcGePoint3d& target,
                              double aboveOffset, AcrossLeader across) {
  const bool x = dimension.measuresX;
  const int side = sideFactor(dimension, target);
  const double fromLeaderEnd = perpOf(dimension.textPosition, x) - perpOf(dimension.leaderEnd, x);
  const double perp = fromLeaderEnd * side + perpOf(target, x);
  double value = valueOf(dimension.textPosition, x);
  if (across == AcrossLeader::AlignWithFeature) {
    // X texts read upwards with their top towards −X, Y texts along X with
    // their top towards +Y: the offset puts the leader on the feature's axis.
    const double feature = valueOf(dimension.definingPoint, x);
    value = x ? feature - aboveOffset : feature + aboveOffset;
  }
  return pointOf(value, perp, x);
}

AcGePoint3d textFollowingFeature(const OrdinatePoints& dimension, const AcGePoint3d& feature) {
  const bool x = dimension.measuresX;
  return pointOf(valueOf(feature, x), perpOf(dimension.textPosition, x), x);
}

}  // namespace zek::adxy1
