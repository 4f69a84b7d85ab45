// acutAngle, acutDistance and acutPolar on ads_point.
#include "ads_geom.h"

#include <cmath>

ads_real acutAngle(const ads_point p1, const ads_point p2) {
  return AcGeVector2d(p2[0] - p1[0], p2[1] - p1[1]).angle();
}

ads_real acutDistance(const ads_point p1, const ads_point p2) {
  return asPoint3d(p1).distanceTo(asPoint3d(p2));
}

void acutPolar(const ads_point pt, ads_real angle, ads_real dist, ads_point result) {
  // Read pt whole before writing: callers pass the same point as both.
  const double x = pt[0] + dist * std::cos(angle);
  const double y = pt[1] + dist * std::sin(angle);
  const double z = pt[2];
  result[0] = x;
  result[1] = y;
  result[2] = z;
}
