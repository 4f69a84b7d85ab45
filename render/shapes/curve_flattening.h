// Flattening the curves of area outlines into chords that stay within a
// tolerance of the curve: circular and elliptic arcs, bulge segments and
// NURBS curves, in the outline's own plane.
#pragma once

#include <vector>

#include "db/curves/nurbs.h"
#include "ge_geometry.h"

namespace zek::render {

using Outline = std::vector<AcGePoint2d>;

// The most chords one curve is cut into, whatever the tolerance asks: a
// tolerance far below the curve's size costs memory, never a hang.
constexpr int kMaxChordsPerCurve = 4096;

// The number of equal steps that keep the chords of a circular arc of
// `radius` over `sweep` radians within `tolerance` of it. No step turns more
// than a quarter (a full circle has at least four chords); a tolerance that
// is not a positive number asks for the most chords.
int chordCount(double radius, double sweep, double tolerance);

// Appends a point unless it repeats the last one (joins of edges).
void appendPoint(Outline& outline, const AcGePoint2d& point);

// Appends a circular arc from `startAngle` over `sweep` radians (negative:
// clockwise), both ends included.
void appendArc(Outline& outline, const AcGePoint2d& centre, double radius, double startAngle,
               double sweep, double tolerance);

// Appends an elliptic arc, the point at parameter t being
// centre + majorAxis cos t + minorAxis sin t, the minor axis `ratio` times
// the major one turned a quarter counter-clockwise; from `startParam` over
// `sweep` (negative: clockwise), both ends included.
void appendEllipseArc(Outline& outline, const AcGePoint2d& centre, const AcGeVector2d& majorAxis,
                      double ratio, double startParam, double sweep, double tolerance);

// Appends the segment from `from` to `to` with a bulge (the tangent of a
// quarter of the included angle, positive counter-clockwise): its points
// after `from`, `to` included.
void appendBulgeSegment(Outline& outline, const AcGePoint2d& from, const AcGePoint2d& to,
                        double bulge, double tolerance);

// Appends a NURBS curve of the XY plane from its start to its end, both
// included; false (nothing appended) when it describes no curve.
bool appendNurbs(Outline& outline, const curve::Nurbs& nurbs, double tolerance);

}  // namespace zek::render
