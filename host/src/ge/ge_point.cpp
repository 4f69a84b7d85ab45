// Rotation, scaling and transformation of AcGePoint2d and AcGePoint3d.
#include "ge_point.h"

#include "ge_matrix.h"

const AcGePoint2d AcGePoint2d::kOrigin(0.0, 0.0);
const AcGePoint3d AcGePoint3d::kOrigin(0.0, 0.0, 0.0);

AcGePoint2d& AcGePoint2d::rotateBy(double angle, const AcGePoint2d& wrtPoint) {
  AcGeVector2d offset = *this - wrtPoint;
  *this = wrtPoint + offset.rotateBy(angle);
  return *this;
}

AcGePoint2d& AcGePoint2d::scaleBy(double factor, const AcGePoint2d& wrtPoint) {
  *this = wrtPoint + (*this - wrtPoint) * factor;
  return *this;
}

AcGePoint2d& AcGePoint2d::transformBy(const AcGeMatrix2d& m) {
  const auto& e = m.entry;
  const double tx = e[0][0] * x + e[0][1] * y + e[0][2];
  const double ty = e[1][0] * x + e[1][1] * y + e[1][2];
  const double w = e[2][0] * x + e[2][1] * y + e[2][2];
  // An affine matrix has w = 1; a projective one divides through, unless the
  // point goes to infinity, where the plain product is the best we can say.
  if (w != 1.0 && w != 0.0)
    return set(tx / w, ty / w);
  return set(tx, ty);
}

AcGePoint3d& AcGePoint3d::rotateBy(double angle, const AcGeVector3d& axis,
                                   const AcGePoint3d& wrtPoint) {
  AcGeVector3d offset = *this - wrtPoint;
  *this = wrtPoint + offset.rotateBy(angle, axis);
  return *this;
}

AcGePoint3d& AcGePoint3d::scaleBy(double factor, const AcGePoint3d& wrtPoint) {
  *this = wrtPoint + (*this - wrtPoint) * factor;
  return *this;
}

AcGePoint3d& AcGePoint3d::transformBy(const AcGeMatrix3d& m) {
  const auto& e = m.entry;
  const double tx = e[0][0] * x + e[0][1] * y + e[0][2] * z + e[0][3];
  const double ty = e[1][0] * x + e[1][1] * y + e[1][2] * z + e[1][3];
  const double tz = e[2][0] * x + e[2][1] * y + e[2][2] * z + e[2][3];
  const double w = e[3][0] * x + e[3][1] * y + e[3][2] * z + e[3][3];
  if (w != 1.0 && w != 0.0)
    return set(tx / w, ty / w, tz / w);
  return set(tx, ty, tz);
}
