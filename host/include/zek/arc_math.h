// Arc arithmetic of drawings: angle normalisation, polyline bulges and the
// arcs they stand for, and the extents of arcs.
//
// Sign conventions. Angles are radians, measured from the X axis of the
// arc's plane, counter-clockwise. An arc runs counter-clockwise from its
// start angle to its end angle, as an arc entity holds them. A bulge is
// tan(θ/4) of the arc's included angle θ between two polyline vertices:
// positive when the arc turns left (counter-clockwise) going from the first
// vertex to the second, negative when it turns right, 0 for a straight
// segment, ±1 for a half circle.
#pragma once

#include "db_extents.h"
#include "ge_geometry.h"

namespace zek {

// The angle brought into [0, 2π).
double normalizeAngle(double angle);

// The counter-clockwise sweep from startAngle to endAngle, in [0, 2π]: equal
// angles sweep 0 (a degenerate arc), angles a whole turn apart sweep 2π (a
// full circle, as 0 and 2π are read from a drawing).
double arcSweep(double startAngle, double endAngle);

// The angle lies on the arc running counter-clockwise from start to end, its
// end points included.
bool angleOnArc(double angle, double start, double end);

// The arc a bulge draws between two vertices.
struct BulgeArc {
  AcGePoint2d centre;
  double radius = 0.0;
  // Counter-clockwise as an arc entity holds them, in [0, 2π): from p1 to p2
  // for a positive bulge, from p2 to p1 for a negative one.
  double startAngle = 0.0;
  double endAngle = 0.0;
  // The signed included angle 4·atan(bulge): positive counter-clockwise from
  // p1 to p2.
  double sweep = 0.0;
};

// The arc from p1 to p2 with this bulge. A straight segment (bulge 0) or
// coincident vertices answer radius 0 and sweep 0, the centre at the
// midpoint and both angles the direction p1 → p2.
BulgeArc arcFromBulge(const AcGePoint2d& p1, const AcGePoint2d& p2, double bulge);

// The bulge of an arc of this signed included angle: tan(sweep/4).
double bulgeFromArc(double sweep);

// The length of a polyline segment: the arc's length, or the chord for a
// bulge of 0.
double bulgeSegmentLength(const AcGePoint2d& p1, const AcGePoint2d& p2, double bulge);

// The bounding box of an arc in its plane: its end points and each quadrant
// point (0, π/2, π, 3π/2) it passes, at the centre's z. A sweep of 2π (see
// arcSweep) gives the full circle's box.
AcDbExtents arcExtents(const AcGePoint3d& centre, double radius, double startAngle,
                       double endAngle);
AcDbExtents arcExtents(const AcGePoint2d& centre, double radius, double startAngle,
                       double endAngle);

}  // namespace zek
