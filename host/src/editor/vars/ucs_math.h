// The user coordinate systems the UCS command makes: each function answers
// the new UCS as the matrix from its coordinates to world coordinates
// (Document::setUcs takes it), from the current one and points given in the
// current UCS, as the drafter types them.
#pragma once

#include <optional>

#include "ge_geometry.h"

namespace zek {

// The world coordinate system.
AcGeMatrix3d ucsWorld();
// The current UCS moved to a new origin; the axes keep their directions.
AcGeMatrix3d ucsFromOrigin(const AcGeMatrix3d& current, const AcGePoint3d& origin);
// The current UCS turned about its own X, Y or Z axis (through its origin)
// by an angle in radians, counter-clockwise seen from the axis' tip.
AcGeMatrix3d ucsRotatedX(const AcGeMatrix3d& current, double angle);
AcGeMatrix3d ucsRotatedY(const AcGeMatrix3d& current, double angle);
AcGeMatrix3d ucsRotatedZ(const AcGeMatrix3d& current, double angle);
// Three points: the new origin, a point on the positive X axis and a point on
// the positive-Y side of the new XY plane. Nothing when the X point
// coincides with the origin or the three points lie on one line.
std::optional<AcGeMatrix3d> ucsFrom3Points(const AcGeMatrix3d& current, const AcGePoint3d& origin,
                                           const AcGePoint3d& onXAxis,
                                           const AcGePoint3d& inXYPlane);
// A new origin and a point on the positive Z axis; X and Y by the arbitrary-
// axis rule of the DXF format. Nothing when the points coincide.
std::optional<AcGeMatrix3d> ucsFromZAxis(const AcGeMatrix3d& current, const AcGePoint3d& origin,
                                         const AcGePoint3d& onZAxis);

}  // namespace zek
