// The UCS math of the UCS command.
#include "editor/vars/ucs_math.h"

namespace zek {

AcGeMatrix3d ucsWorld() { return AcGeMatrix3d::kIdentity; }

AcGeMatrix3d ucsFromOrigin(const AcGeMatrix3d& current, const AcGePoint3d& origin) {
  AcGeMatrix3d moved = current;
  AcGePoint3d world = current * origin;
  moved.setTranslation(AcGeVector3d(world.x, world.y, world.z));
  return moved;
}

AcGeMatrix3d ucsRotatedX(const AcGeMatrix3d& current, double angle) {
  return current * AcGeMatrix3d::rotation(angle, AcGeVector3d::kXAxis);
}

AcGeMatrix3d ucsRotatedY(const AcGeMatrix3d& current, double angle) {
  return current * AcGeMatrix3d::rotation(angle, AcGeVector3d::kYAxis);
}

AcGeMatrix3d ucsRotatedZ(const AcGeMatrix3d& current, double angle) {
  return current * AcGeMatrix3d::rotation(angle, AcGeVector3d::kZAxis);
}

std::optional<AcGeMatrix3d> ucsFrom3Points(const AcGeMatrix3d& current, const AcGePoint3d& origin,
                                           const AcGePoint3d& onXAxis,
                                           const AcGePoint3d& inXYPlane) {
  const AcGePoint3d o = current * origin;
  const AcGeVector3d toX = current * onXAxis - o;
  const AcGeVector3d toY = current * inXYPlane - o;
  if (toX.isZeroLength())
    return std::nullopt;
  const AcGeVector3d z = toX.crossProduct(toY);
  if (z.isZeroLength())
    return std::nullopt;
  const AcGeVector3d x = toX.normal();
  const AcGeVector3d zAxis = z.normal();
  AcGeMatrix3d ucs;
  ucs.setCoordSystem(o, x, zAxis.crossProduct(x), zAxis);
  return ucs;
}

std::optional<AcGeMatrix3d> ucsFromZAxis(const AcGeMatrix3d& current, const AcGePoint3d& origin,
                                         const AcGePoint3d& onZAxis) {
  const AcGePoint3d o = current * origin;
  const AcGeVector3d z = current * onZAxis - o;
  if (z.isZeroLength())
    return std::nullopt;
  AcGeMatrix3d ucs = AcGeMatrix3d::planeToWorld(z);
  ucs.setTranslation(AcGeVector3d(o.x, o.y, o.z));
  return ucs;
}

}  // namespace zek
