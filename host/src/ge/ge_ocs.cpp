// Object coordinate systems: the arbitrary-axis rule of the DXF format
// (planeToWorld, worldToPlane) and the 2D transformation a 3D matrix performs
// inside an entity's plane (convertToLocal).
#include "ge_matrix.h"

#include "square_matrix.h"

namespace {

// The unit normal the OCS is built on: a zero normal reads as the Z axis.
AcGeVector3d unitNormal(const AcGeVector3d& normal) {
  const double len = normal.length();
  return len == 0.0 ? AcGeVector3d::kZAxis : normal / len;
}

}  // namespace

AcGeMatrix3d AcGeMatrix3d::planeToWorld(const AcGeVector3d& normal) {
  const AcGeVector3d n = unitNormal(normal);
  // The format's bound: normals this close to ±Z take Wy × N, so that the
  // X axis of a plan-view entity is the world X axis (±).
  constexpr double kArbitraryAxisBound = 1.0 / 64.0;
  const bool nearZ = std::fabs(n.x) < kArbitraryAxisBound && std::fabs(n.y) < kArbitraryAxisBound;
  const AcGeVector3d world = nearZ ? AcGeVector3d::kYAxis : AcGeVector3d::kZAxis;
  const AcGeVector3d ax = world.crossProduct(n).normal();
  const AcGeVector3d ay = n.crossProduct(ax).normal();
  AcGeMatrix3d m;
  return m.setCoordSystem(AcGePoint3d::kOrigin, ax, ay, n);
}

AcGeMatrix3d AcGeMatrix3d::worldToPlane(const AcGeVector3d& normal) {
  // The OCS axes are orthonormal: the inverse is the transpose.
  const AcGeMatrix3d toWorld = planeToWorld(normal);
  AcGeMatrix3d m;
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c)
      m.entry[r][c] = toWorld.entry[c][r];
  return m;
}

AcGeMatrix2d AcGeMatrix3d::convertToLocal(AcGeVector3d& normal, double& elev) const {
  const AcGeVector3d n = unitNormal(normal);
  const AcGeMatrix3d toWorld = planeToWorld(n);
  AcGeVector3d ax(toWorld.entry[0][0], toWorld.entry[1][0], toWorld.entry[2][0]);
  AcGeVector3d ay(toWorld.entry[0][1], toWorld.entry[1][1], toWorld.entry[2][1]);
  ax.transformBy(*this);
  ay.transformBy(*this);

  // The transformed plane's normal from its transformed axes. A mirroring
  // turns their cross product over; turning it back keeps the normal on the
  // side the matrix carries it to, as a mirrored plan-view entity keeps +Z.
  AcGeVector3d newNormal = ax.crossProduct(ay);
  if (zek::ge::determinant<4>(entry, 3) < 0.0)
    newNormal.negate();
  if (newNormal.isZeroLength()) {
    // The plane collapses onto a line: keep the transformed normal, or the
    // old one if that collapses too.
    newNormal = n;
    newNormal.transformBy(*this);
    if (newNormal.isZeroLength())
      newNormal = n;
  }
  newNormal.normalize();

  // OCS of the input plane → world → transformed → OCS of the output plane.
  const AcGeMatrix3d local = worldToPlane(newNormal) * (*this) * toWorld;
  const auto& q = local.entry;
  AcGeMatrix2d result;
  for (int r = 0; r < 2; ++r) {
    result.entry[r][0] = q[r][0];
    result.entry[r][1] = q[r][1];
    result.entry[r][2] = q[r][2] * elev + q[r][3];
  }
  elev = q[2][2] * elev + q[2][3];
  normal = newNormal;
  return result;
}
