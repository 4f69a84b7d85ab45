// What circles and arcs share: the AcDbCircle section of DXF files (centre
// in the OCS, radius, thickness, normal), world coordinates of their points,
// transformations and the crossing test of a selection box.
#pragma once

#include "db_curves.h"
#include "db_filer.h"

namespace zek::curve {

// Reads the groups of the AcDbCircle section (10, 40, 39, 210), keeping the
// others; answers as dxfInFields does.
[[nodiscard]] Acad::ErrorStatus readCircleSection(AcDbDxfFiler* filer, CircleData& data);
// Writes the AcDbCircle section: marker, thickness when not 0, centre,
// radius, normal when not the Z axis.
void writeCircleSection(AcDbDxfFiler* filer, const CircleData& data);
void fileCircleData(AcDbDwgFiler* filer, const CircleData& data);
void unfileCircleData(AcDbDwgFiler* filer, CircleData& data);

AcGePoint3d centreWcs(const CircleData& data);
void setCentreWcs(CircleData& data, const AcGePoint3d& centre);
// eInvalidInput for a zero vector; the world centre stays where it was.
[[nodiscard]] Acad::ErrorStatus setNormalKeepingCentre(CircleData& data,
                                                       const AcGeVector3d& normal);
// The OCS axes in world coordinates, each as long as the radius.
void radiusAxes(const CircleData& data, AcGeVector3d& xAxis, AcGeVector3d& yAxis);
// The world point at an angle from the OCS X axis.
AcGePoint3d pointAtAngle(const CircleData& data, double angle);
// The angle, in [0, 2π), of a world point's projection into the plane.
double angleOfPoint(const CircleData& data, const AcGePoint3d& point);
// The point's distance from the plane's circle line (0 on the circle).
double distanceFromCircle(const CircleData& data, const AcGePoint3d& point);

// Applies a rotation, mirroring, move or uniform scaling; `local` is the
// same transformation inside the plane (OCS of the old normal to OCS of the
// new one), for arcs to carry their angles. eNotApplicable (the data
// unchanged) for any other matrix.
[[nodiscard]] Acad::ErrorStatus transformCircle(CircleData& data, const AcGeMatrix3d& xform,
                                                AcGeMatrix2d& local);

// The box of the arc from angle t0 sweeping `sweep`, thickness included.
AcDbExtents arcBox(const CircleData& data, double t0, double sweep);
// The arc's projection into the XY plane has a point in the box's xy.
bool arcCrossesBox(const CircleData& data, double t0, double sweep, const AcDbExtents& box);

}  // namespace zek::curve
