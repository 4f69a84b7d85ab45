// AcGeVector2d and AcGeVector3d: directions and displacements, with the
// arithmetic, measures and comparisons of the classic geometry interface.
// Equality (== and !=) is exact; isEqualTo compares within a tolerance.
#pragma once

#include <cmath>

#include "ge_tol.h"

class AcGeMatrix2d;
class AcGeMatrix3d;

class AcGeVector2d {
public:
  constexpr AcGeVector2d() = default;
  constexpr AcGeVector2d(double xValue, double yValue) : x(xValue), y(yValue) {}

  static const AcGeVector2d kIdentity;  // the zero vector
  static const AcGeVector2d kXAxis;
  static const AcGeVector2d kYAxis;

  AcGeVector2d& set(double xValue, double yValue) { x = xValue; y = yValue; return *this; }

  AcGeVector2d operator+(const AcGeVector2d& v) const { return {x + v.x, y + v.y}; }
  AcGeVector2d operator-(const AcGeVector2d& v) const { return {x - v.x, y - v.y}; }
  AcGeVector2d operator-() const { return {-x, -y}; }
  AcGeVector2d operator*(double s) const { return {x * s, y * s}; }
  AcGeVector2d operator/(double s) const { return {x / s, y / s}; }
  AcGeVector2d& operator+=(const AcGeVector2d& v) { x += v.x; y += v.y; return *this; }
  AcGeVector2d& operator-=(const AcGeVector2d& v) { x -= v.x; y -= v.y; return *this; }
  AcGeVector2d& operator*=(double s) { x *= s; y *= s; return *this; }
  AcGeVector2d& operator/=(double s) { x /= s; y /= s; return *this; }
  double operator[](unsigned int i) const { return i == 0 ? x : y; }
  double& operator[](unsigned int i) { return i == 0 ? x : y; }

  // Exact comparison, component by component.
  bool operator==(const AcGeVector2d& v) const { return x == v.x && y == v.y; }
  bool operator!=(const AcGeVector2d& v) const { return !(*this == v); }
  // The difference is no longer than tol.equalVector().
  bool isEqualTo(const AcGeVector2d& v, const AcGeTol& tol = AcGeContext::gTol) const;

  double length() const { return std::hypot(x, y); }
  double lengthSqrd() const { return x * x + y * y; }
  double dotProduct(const AcGeVector2d& v) const { return x * v.x + y * v.y; }
  // The z component of the 3D cross product: positive when v lies
  // counter-clockwise of this vector.
  double crossProduct(const AcGeVector2d& v) const { return x * v.y - y * v.x; }
  // Angle from the X axis, counter-clockwise, in [0, 2π); 0 for a zero vector.
  double angle() const;
  // Unsigned angle between the two vectors, in [0, π].
  double angleTo(const AcGeVector2d& v) const;

  // The unit vector of the same direction; a zero-length vector stays as it is.
  AcGeVector2d normal(const AcGeTol& tol = AcGeContext::gTol) const;
  AcGeVector2d& normalize(const AcGeTol& tol = AcGeContext::gTol);
  AcGeVector2d& negate() { x = -x; y = -y; return *this; }
  // This vector turned a quarter turn counter-clockwise: (-y, x).
  AcGeVector2d perpVector() const { return {-y, x}; }
  // Turns the vector counter-clockwise by angle (radians).
  AcGeVector2d& rotateBy(double angle);
  // Applies the linear part of the matrix (a vector has no position).
  AcGeVector2d& transformBy(const AcGeMatrix2d& m);

  bool isZeroLength(const AcGeTol& tol = AcGeContext::gTol) const;
  // Parallel or anti-parallel within tol.equalVector() (sine of the angle); a
  // zero-length vector is parallel to nothing.
  bool isParallelTo(const AcGeVector2d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  // Perpendicular within tol.equalVector() (cosine of the angle); a
  // zero-length vector is perpendicular to nothing.
  bool isPerpendicularTo(const AcGeVector2d& v, const AcGeTol& tol = AcGeContext::gTol) const;

  double x = 0.0;
  double y = 0.0;
};

inline AcGeVector2d operator*(double s, const AcGeVector2d& v) { return v * s; }

class AcGeVector3d {
public:
  constexpr AcGeVector3d() = default;
  constexpr AcGeVector3d(double xValue, double yValue, double zValue)
      : x(xValue), y(yValue), z(zValue) {}

  static const AcGeVector3d kIdentity;  // the zero vector
  static const AcGeVector3d kXAxis;
  static const AcGeVector3d kYAxis;
  static const AcGeVector3d kZAxis;

  AcGeVector3d& set(double xValue, double yValue, double zValue) {
    x = xValue; y = yValue; z = zValue;
    return *this;
  }

  AcGeVector3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
  AcGeVector3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
  AcGeVector3d operator-() const { return {-x, -y, -z}; }
  AcGeVector3d operator*(double s) const { return {x * s, y * s, z * s}; }
  AcGeVector3d operator/(double s) const { return {x / s, y / s, z / s}; }
  AcGeVector3d& operator+=(const AcGeVector3d& v) { x += v.x; y += v.y; z += v.z; return *this; }
  AcGeVector3d& operator-=(const AcGeVector3d& v) { x -= v.x; y -= v.y; z -= v.z; return *this; }
  AcGeVector3d& operator*=(double s) { x *= s; y *= s; z *= s; return *this; }
  AcGeVector3d& operator/=(double s) { x /= s; y /= s; z /= s; return *this; }
  double operator[](unsigned int i) const { return i == 0 ? x : i == 1 ? y : z; }
  double& operator[](unsigned int i) { return i == 0 ? x : i == 1 ? y : z; }

  // Exact comparison, component by component.
  bool operator==(const AcGeVector3d& v) const { return x == v.x && y == v.y && z == v.z; }
  bool operator!=(const AcGeVector3d& v) const { return !(*this == v); }
  // The difference is no longer than tol.equalVector().
  bool isEqualTo(const AcGeVector3d& v, const AcGeTol& tol = AcGeContext::gTol) const;

  double length() const { return std::sqrt(lengthSqrd()); }
  double lengthSqrd() const { return x * x + y * y + z * z; }
  double dotProduct(const AcGeVector3d& v) const { return x * v.x + y * v.y + z * v.z; }
  AcGeVector3d crossProduct(const AcGeVector3d& v) const {
    return {y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x};
  }
  // Unsigned angle between the two vectors, in [0, π].
  double angleTo(const AcGeVector3d& v) const;
  // Angle from this vector to v, counter-clockwise as seen from the tip of
  // refVec (right-hand rule about refVec), in [0, 2π).
  double angleTo(const AcGeVector3d& v, const AcGeVector3d& refVec) const;

  // The unit vector of the same direction; a zero-length vector stays as it is.
  AcGeVector3d normal(const AcGeTol& tol = AcGeContext::gTol) const;
  AcGeVector3d& normalize(const AcGeTol& tol = AcGeContext::gTol);
  AcGeVector3d& negate() { x = -x; y = -y; z = -z; return *this; }
  // A vector perpendicular to this one, of the same length: the X axis the
  // arbitrary-axis rule gives a normal of this direction (Y × v near the Z
  // axis, Z × v elsewhere). A zero vector answers a zero vector.
  AcGeVector3d perpVector() const;
  // Turns the vector by angle (radians) about axis, counter-clockwise as seen
  // from the axis' tip (right-hand rule); a zero axis leaves it as it is.
  AcGeVector3d& rotateBy(double angle, const AcGeVector3d& axis);
  // Applies the linear part of the matrix (a vector has no position).
  AcGeVector3d& transformBy(const AcGeMatrix3d& m);

  bool isZeroLength(const AcGeTol& tol = AcGeContext::gTol) const;
  // Parallel or anti-parallel within tol.equalVector() (sine of the angle); a
  // zero-length vector is parallel to nothing.
  bool isParallelTo(const AcGeVector3d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  // Same direction within tol.equalVector(); zero-length vectors never are.
  bool isCodirectionalTo(const AcGeVector3d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  // Perpendicular within tol.equalVector() (cosine of the angle); a
  // zero-length vector is perpendicular to nothing.
  bool isPerpendicularTo(const AcGeVector3d& v, const AcGeTol& tol = AcGeContext::gTol) const;

  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

inline AcGeVector3d operator*(double s, const AcGeVector3d& v) { return v * s; }
