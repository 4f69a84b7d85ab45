// AcGeMatrix2d and AcGeMatrix3d: homogeneous transformations of the plane and
// of space. Matrices act on column vectors (p' = M·p): entry[row][column],
// the translation in the last column, and A·B applies B first, then A.
#pragma once

#include "ge_point.h"
#include "ge_tol.h"
#include "ge_vector.h"

// A 3×3 homogeneous transformation of the plane.
class AcGeMatrix2d {
public:
  AcGeMatrix2d() = default;  // the identity

  static const AcGeMatrix2d kIdentity;

  AcGeMatrix2d& setToIdentity();

  double operator()(unsigned int row, unsigned int column) const { return entry[row][column]; }
  double& operator()(unsigned int row, unsigned int column) { return entry[row][column]; }

  AcGeMatrix2d operator*(const AcGeMatrix2d& m) const;
  AcGeMatrix2d& operator*=(const AcGeMatrix2d& m) { return postMultBy(m); }
  // this = left · this (left applies after this matrix).
  AcGeMatrix2d& preMultBy(const AcGeMatrix2d& left);
  // this = this · right (right applies before this matrix).
  AcGeMatrix2d& postMultBy(const AcGeMatrix2d& right);

  // Exact comparison of every entry.
  bool operator==(const AcGeMatrix2d& m) const;
  bool operator!=(const AcGeMatrix2d& m) const { return !(*this == m); }
  // The translation entries within tol.equalPoint(), the others within
  // tol.equalVector().
  bool isEqualTo(const AcGeMatrix2d& m, const AcGeTol& tol = AcGeContext::gTol) const;

  double det() const;
  // The matrix collapses the plane onto a line or a point: its determinant is
  // within tol.equalVector() of zero, relative to the lengths of its rows.
  bool isSingular(const AcGeTol& tol = AcGeContext::gTol) const;
  // The inverse; a singular matrix has none and answers the identity.
  AcGeMatrix2d inverse() const;
  // Sets result to the inverse and answers true, or answers false (result
  // untouched) when the matrix is singular at tolerance tol.
  [[nodiscard]] bool inverse(AcGeMatrix2d& result, double tol) const;
  AcGeMatrix2d& invert();

  // The translation part (last column).
  AcGeVector2d translation() const { return {entry[0][2], entry[1][2]}; }
  AcGeMatrix2d& setTranslation(const AcGeVector2d& v);
  // The largest scale factor of the linear part: its longest column.
  double scale() const;

  static AcGeMatrix2d translation(const AcGeVector2d& v);
  // Counter-clockwise by angle (radians) about center.
  static AcGeMatrix2d rotation(double angle, const AcGePoint2d& center = AcGePoint2d::kOrigin);
  static AcGeMatrix2d scaling(double factor, const AcGePoint2d& center = AcGePoint2d::kOrigin);
  // Reflection in the line through p1 and p2; coincident points give the
  // identity.
  static AcGeMatrix2d mirroring(const AcGePoint2d& p1, const AcGePoint2d& p2);

  double entry[3][3] = {{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}};
};

// A 4×4 homogeneous transformation of space.
class AcGeMatrix3d {
public:
  AcGeMatrix3d() = default;  // the identity

  static const AcGeMatrix3d kIdentity;

  AcGeMatrix3d& setToIdentity();

  double operator()(unsigned int row, unsigned int column) const { return entry[row][column]; }
  double& operator()(unsigned int row, unsigned int column) { return entry[row][column]; }

  AcGeMatrix3d operator*(const AcGeMatrix3d& m) const;
  AcGeMatrix3d& operator*=(const AcGeMatrix3d& m) { return postMultBy(m); }
  // this = left · this (left applies after this matrix).
  AcGeMatrix3d& preMultBy(const AcGeMatrix3d& left);
  // this = this · right (right applies before this matrix).
  AcGeMatrix3d& postMultBy(const AcGeMatrix3d& right);

  // Exact comparison of every entry.
  bool operator==(const AcGeMatrix3d& m) const;
  bool operator!=(const AcGeMatrix3d& m) const { return !(*this == m); }
  // The translation entries within tol.equalPoint(), the others within
  // tol.equalVector().
  bool isEqualTo(const AcGeMatrix3d& m, const AcGeTol& tol = AcGeContext::gTol) const;

  double det() const;
  // The matrix collapses space onto a plane, a line or a point: its
  // determinant is within tol.equalVector() of zero, relative to the lengths
  // of its rows (of the 3×3 part for an affine matrix).
  bool isSingular(const AcGeTol& tol = AcGeContext::gTol) const;
  // The inverse; a singular matrix has none and answers the identity.
  AcGeMatrix3d inverse() const;
  // Sets result to the inverse and answers true, or answers false (result
  // untouched) when the matrix is singular at tolerance tol.
  [[nodiscard]] bool inverse(AcGeMatrix3d& result, double tol) const;
  AcGeMatrix3d& invert();

  // The translation part (last column).
  AcGeVector3d translation() const { return {entry[0][3], entry[1][3], entry[2][3]}; }
  AcGeMatrix3d& setTranslation(const AcGeVector3d& v);
  // The largest scale factor of the 3×3 part: the length of its longest
  // column, as CAD hosts answer it (text heights and radii scale by it).
  double scale() const;
  // An affine matrix whose 3×3 part is a rotation, possibly mirrored, times
  // one non-zero scale factor: its columns are perpendicular and equally long.
  bool isUniScaledOrtho(const AcGeTol& tol = AcGeContext::gTol) const;

  // The 2D transformation this matrix performs inside the plane of a planar
  // entity. On input, normal and elev give the entity's plane (its OCS normal,
  // a zero normal read as the Z axis, and its elevation); on output, the plane
  // after the transformation: normal is the transformed normal, normalised
  // (the Z axis under a matrix that maps the XY plane to itself, also a
  // mirroring in it), elev the elevation of the transformed plane. The answer
  // maps OCS xy of the input plane to OCS xy of the output plane.
  AcGeMatrix2d convertToLocal(AcGeVector3d& normal, double& elev) const;

  // The coordinate system the matrix maps the world axes to: its origin and
  // the images of the X, Y and Z axes (the columns).
  void getCoordSystem(AcGePoint3d& origin, AcGeVector3d& xAxis, AcGeVector3d& yAxis,
                      AcGeVector3d& zAxis) const;
  // Maps the world origin and axes to origin, xAxis, yAxis and zAxis.
  AcGeMatrix3d& setCoordSystem(const AcGePoint3d& origin, const AcGeVector3d& xAxis,
                               const AcGeVector3d& yAxis, const AcGeVector3d& zAxis);

  AcGeMatrix3d& setToTranslation(const AcGeVector3d& v) { return *this = translation(v); }
  AcGeMatrix3d& setToRotation(double angle, const AcGeVector3d& axis,
                              const AcGePoint3d& center = AcGePoint3d::kOrigin) {
    return *this = rotation(angle, axis, center);
  }
  AcGeMatrix3d& setToScaling(double factor, const AcGePoint3d& center = AcGePoint3d::kOrigin) {
    return *this = scaling(factor, center);
  }

  static AcGeMatrix3d translation(const AcGeVector3d& v);
  // By angle (radians) about the axis through center, counter-clockwise as
  // seen from the axis' tip (right-hand rule). A zero axis gives the identity.
  static AcGeMatrix3d rotation(double angle, const AcGeVector3d& axis,
                               const AcGePoint3d& center = AcGePoint3d::kOrigin);
  static AcGeMatrix3d scaling(double factor, const AcGePoint3d& center = AcGePoint3d::kOrigin);
  // Point reflection through point: scaling by −1 about it.
  static AcGeMatrix3d mirroring(const AcGePoint3d& point);
  // Our addition for drafting: the reflection in the plane through p1 and p2
  // perpendicular to the XY plane, as a MIRROR about the line p1–p2 does in a
  // drawing: x and y mirror across the line (z of p1 and p2 ignored), z is
  // kept. Coincident points (in xy) give the identity.
  static AcGeMatrix3d mirroring(const AcGePoint3d& p1, const AcGePoint3d& p2);
  // Maps OCS coordinates of the plane with this normal to world coordinates,
  // by the arbitrary-axis rule of the DXF format: with N the unit normal, the
  // OCS X axis is Wy × N when |Nx| < 1/64 and |Ny| < 1/64, else Wz × N,
  // normalised; the Y axis is N × X. A zero normal is read as the Z axis.
  static AcGeMatrix3d planeToWorld(const AcGeVector3d& normal);
  // The inverse of planeToWorld: world coordinates to OCS coordinates.
  static AcGeMatrix3d worldToPlane(const AcGeVector3d& normal);

  double entry[4][4] = {
      {1.0, 0.0, 0.0, 0.0}, {0.0, 1.0, 0.0, 0.0}, {0.0, 0.0, 1.0, 0.0}, {0.0, 0.0, 0.0, 1.0}};
};

inline AcGePoint2d operator*(const AcGeMatrix2d& m, const AcGePoint2d& p) {
  AcGePoint2d result(p);
  return result.transformBy(m);
}
inline AcGeVector2d operator*(const AcGeMatrix2d& m, const AcGeVector2d& v) {
  AcGeVector2d result(v);
  return result.transformBy(m);
}
inline AcGePoint3d operator*(const AcGeMatrix3d& m, const AcGePoint3d& p) {
  AcGePoint3d result(p);
  return result.transformBy(m);
}
inline AcGeVector3d operator*(const AcGeMatrix3d& m, const AcGeVector3d& v) {
  AcGeVector3d result(v);
  return result.transformBy(m);
}
