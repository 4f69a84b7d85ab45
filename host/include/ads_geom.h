// ads_point and the utility calls that measure and build points with it
// (acutAngle, acutDistance, acutPolar), and the conversions between ads_point
// and AcGePoint3d.
#pragma once

#include "ge_geometry.h"

#ifndef ZEK_ADS_POINT_DEFINED
#define ZEK_ADS_POINT_DEFINED
typedef double ads_real;
typedef ads_real ads_point[3];
#endif

// The angle of the direction p1 → p2 in the XY plane (z ignored), from the X
// axis counter-clockwise, in [0, 2π); 0 when the points coincide in xy.
ads_real acutAngle(const ads_point p1, const ads_point p2);
// The distance between the points in space.
ads_real acutDistance(const ads_point p1, const ads_point p2);
// result = pt moved dist along angle in the XY plane; z is kept from pt.
// result may be pt itself.
void acutPolar(const ads_point pt, ads_real angle, ads_real dist, ads_point result);

// An ads_point as a point or a vector, and a point or vector as the three
// doubles an ads_point is (x, y, z lie next to each other).
inline AcGePoint3d asPoint3d(const ads_point p) { return {p[0], p[1], p[2]}; }
inline AcGePoint3d asPnt3d(const ads_point p) { return {p[0], p[1], p[2]}; }
inline AcGeVector3d asVec3d(const ads_point p) { return {p[0], p[1], p[2]}; }
inline double* asDblArray(AcGePoint3d& p) { return &p.x; }
inline const double* asDblArray(const AcGePoint3d& p) { return &p.x; }
inline double* asDblArray(AcGeVector3d& v) { return &v.x; }
inline const double* asDblArray(const AcGeVector3d& v) { return &v.x; }

static_assert(sizeof(AcGePoint3d) == 3 * sizeof(double) &&
                  sizeof(AcGeVector3d) == 3 * sizeof(double),
              "asDblArray reads x, y and z as one array");
