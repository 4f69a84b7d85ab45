// Geometry the curve entities share: angles in DXF degrees, object
// coordinate systems, exact extents of elliptic arcs in space, numeric
// integration for curve lengths, and the crossing tests of selection boxes.
#pragma once

#include <functional>
#include <numbers>

#include "db_extents.h"
#include "ge_geometry.h"

namespace zek::curve {

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// An angle of a DXF file (degrees) as radians in [0, 2π).
double radiansFromDxfDegrees(double degrees);
// The degrees to write for an angle held in radians: the shortest decimal
// that radiansFromDxfDegrees reads back to the very same radians where one
// exists ("90.0" for π/2), else the plain conversion.
double dxfDegreesFromRadians(double radians);

// The normal is exactly the world Z axis: OCS and WCS coincide, and every
// conversion is skipped (so that plan-view coordinates stay bit for bit).
bool isWorldZ(const AcGeVector3d& normal);
// OCS of the normal to world and back (arbitrary-axis rule).
AcGePoint3d ocsToWcs(const AcGePoint3d& point, const AcGeVector3d& normal);
AcGePoint3d wcsToOcs(const AcGePoint3d& point, const AcGeVector3d& normal);
AcGeVector3d ocsToWcs(const AcGeVector3d& vector, const AcGeVector3d& normal);
// The unit normal of a non-zero vector; false (and the vector untouched) for
// a zero one.
bool unitNormal(const AcGeVector3d& vector, AcGeVector3d& unit);

// Grows box by the elliptic arc centre + cos t·major + sin t·minor for t in
// [t0, t0 + sweep] (sweep ≥ 0; a circle has perpendicular axes of equal
// length). The box is exact: the end points and every axis extreme passed.
void addEllipticArcExtents(AcDbExtents& box, const AcGePoint3d& centre,
                           const AcGeVector3d& major, const AcGeVector3d& minor, double t0,
                           double sweep);
// The box of a swept shape: the box and its copy moved by `extrusion`
// (thickness along the normal). A zero extrusion leaves it alone.
void addExtrusion(AcDbExtents& box, const AcGeVector3d& extrusion);

// ∫ f over [a, b] by adaptive Gauss–Legendre quadrature: halves are split
// until their sum agrees with the whole to relTol of the result.
double integrate(const std::function<double(double)>& f, double a, double b,
                 double relTol = 1e-13);

// The parameter in [lo, hi] at which lengthTo (the length from lo, growing
// with the parameter at the rate speed) reaches target: Newton steps kept
// inside a shrinking bracket.
double invertLength(const std::function<double(double)>& lengthTo,
                    const std::function<double(double)>& speed, double lo, double hi,
                    double target);
// The argument of the smallest value of f on [a, b] (golden-section search;
// f is taken as unimodal there).
double goldenMinimum(const std::function<double(double)>& f, double a, double b);

// An axis-aligned rectangle of the XY plane.
struct Rect2d {
  double xMin, yMin, xMax, yMax;
  bool contains(const AcGePoint2d& p) const {
    return p.x >= xMin && p.x <= xMax && p.y >= yMin && p.y <= yMax;
  }
};
// The xy part of a selection box.
Rect2d rectOf(const AcDbExtents& box);

// The segment p–q has a point in the rectangle.
bool segmentCrossesRect(const AcGePoint2d& p, const AcGePoint2d& q, const Rect2d& rect);
// The elliptic arc centre + cos t·major + sin t·minor, t in [t0, t0 + sweep],
// has a point in the rectangle.
bool ellipticArcCrossesRect(const AcGePoint2d& centre, const AcGeVector2d& major,
                            const AcGeVector2d& minor, double t0, double sweep,
                            const Rect2d& rect);

// The point of the segment p–q nearest to `point` (the line's, with extend).
AcGePoint3d closestOnSegment(const AcGePoint3d& p, const AcGePoint3d& q,
                             const AcGePoint3d& point, bool extend = false);

// The tolerance within which a point counts as lying on a curve of this
// size: the global point tolerance, grown with the coordinates' magnitude so
// that computed points of large drawings still count.
double onCurveTolerance(double magnitude);

}  // namespace zek::curve
