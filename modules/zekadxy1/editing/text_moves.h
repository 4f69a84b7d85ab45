// Where the text of an ordinate dimension goes when ZEKDA, ZEKDA1 and ZEKDA2
// move it to a picked point and when ZEKDAV moves its feature: plain
// decisions on the dimension's points, no host calls.
#pragma once

#include "ge_point.h"

namespace zek::adxy1 {

// The points of one ordinate dimension, world coordinates. For a dimension
// measuring X the leader runs along y: a point's x is its value (along the
// measured axis) and its y its perp (along the leader); measuring Y swaps
// the two.
struct OrdinatePoints {
  AcGePoint3d definingPoint;  // the feature
  AcGePoint3d leaderEnd;
  AcGePoint3d textPosition;   // the text's middle
  bool measuresX = true;
};

// The dimension variables of one dimension that place its text, as the host
// reports them for that dimension (its own overrides, else its style's).
struct OrdinateTextVars {
  int dimtad = 0;
  double dimtxt = 2.5;
  double dimgap = 0.625;
  double dimscale = 1.0;
};

// A point's coordinate along the measured axis (x when measuring X).
inline double valueOf(const AcGePoint3d& point, bool measuresX) {
  return measuresX ? point.x : point.y;
}
// A point's coordinate along the leader (y when measuring X).
inline double perpOf(const AcGePoint3d& point, bool measuresX) {
  return measuresX ? point.y : point.x;
}
// The point (z 0) of a value and a perp.
inline AcGePoint3d pointOf(double value, double perp, bool measuresX) {
  return measuresX ? AcGePoint3d(value, perp, 0.0) : AcGePoint3d(perp, value, 0.0);
}

// How far the text's middle lies beside its leader: 0 with DIMTAD 0, else
// (DIMTXT × 0.5 + DIMGAP) × DIMSCALE. A DIMSCALE of 0 counts as 1, as it
// does where the host draws the dimension.
double textAboveOffset(const OrdinateTextVars& vars);

// The pitch ZEKDA3 spreads texts by: DIMTXT × DIMSCALE with DIMTAD 0, else
// (DIMGAP + DIMTXT) × DIMSCALE (a DIMSCALE of 0 counts as 1).
double textStep(const OrdinateTextVars& vars);

// What a move does with the text's place across its leader.
enum class AcrossLeader {
  AlignWithFeature,  // ZEKDA, ZEKDA1: the leader straight from the feature
  Keep,              // ZEKDA2: the text keeps its value coordinate
};

// −1 when the point lies on the other side of the feature than the current
// leader end (the text changes sides), else +1.
int sideFactor(const OrdinatePoints& dimension, const AcGePoint3d& target);

// The new text position (z 0) for a move to the target: along the leader
// the text keeps its distance from the leader end, mirrored when it changes
// sides; across it is aligned with the feature (less the text-above offset
// for X ordinates, plus it for Y ordinates) or kept.
AcGePoint3d movedTextPosition(const OrdinatePoints& dimension, const AcGePoint3d& target,
                              double aboveOffset, AcrossLeader across);

// ZEKDAV: the text position (z 0) once the feature has moved to the new
// defining point: its value coordinate becomes the point's, its perp stays.
AcGePoint3d textFollowingFeature(const OrdinatePoints& dimension, const AcGePoint3d& feature);

}  // namespace zek::adxy1
